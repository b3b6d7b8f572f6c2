#pragma once
// Vorlat's only window: the top drawn on the left, seventeen readouts on the
// right, the menu, and three panels inside the window that serve as dialogs.

#include <memory>

#include "shell/scene_form.h"

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
  void AboutClick();
  void Opcion1Click();
  void Opcion2Click();

  // The three panels (form1_panels.cpp).
  void CondicionClick();
  void BitBtn1Click();
  void AyudaClick();
  void BitBtn3Click();
  void AcercaClick();
  void BitBtn2Click();

 private:
  // Radians per second to hertz, with the programs' own value of pi.
  static constexpr double RadiansToHertz = 0.15915494226054455;

  void Retranslate() override;
  // The tick's readouts of the frame just drawn.
  void AfterTick() override;
  // Start, reset and the options: off while the conditions panel is open.
  void EnableRunCommands(bool enabled);

  std::unique_ptr<Ui::TForm1> ui_;
  bool GravityOn = false;
};

// The window, once the program entry has created it.
extern TForm1* Form1;
