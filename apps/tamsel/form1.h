#pragma once
// Tamsel's only window: the block in its room drawn on the left, a short help
// text on the right, the menu, and two panels inside the window that serve as
// dialogs (initial conditions, about).

#include <memory>

#include "shell/scene_form.h"

class QAction;

// In its own namespace, so that one binary can hold both programs' windows.
namespace tamsel {

namespace Ui {
class TForm1;
}

class TForm1 : public shell::SceneForm {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

 public slots:
  // Menu (form1_commands.cpp).
  void ComenzarClick();
  void ResetClick();
  void Rotacion1Click();
  void Rotacion2Click();
  void Rotacion3Click();
  void Vista1Click();
  void Vista2Click();
  void Opcion1Click();

  // The two panels (form1_panels.cpp).
  void CondicionClick();
  void BitBtn1Click();
  void AboutClick();
  void BitBtn2Click();

 private:
  void Retranslate() override;
  // Checks the example's item, loads it and shows its angles on the bars.
  void ChooseExample(int example, QAction* item);
  // Start, reset, the examples and the options: off while the conditions panel is open.
  void EnableRunCommands(bool enabled);

  std::unique_ptr<Ui::TForm1> ui_;
};

// The window, once the program entry has created it.
extern TForm1* Form1;

}  // namespace tamsel
