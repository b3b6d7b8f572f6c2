#pragma once
// Vorlat's only window: the top drawn on the left, seventeen readouts on the
// right, the menu, and three panels inside the window that serve as dialogs.

#include <memory>

#include "framework/window/main_form.h"

class QLabel;
class QScrollBar;

namespace Ui {
class TForm1;
}
namespace framework {
class ProgramExit;
}

class TForm1 : public framework::MainForm {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

 public slots:
  // Start-up and the tick (form1.cpp).
  void OpenGLPanel1Init();
  void OpenGLPanel1Paint();
  void AnimTimer1Timer();

  // Menu and scroll bars (form1_commands.cpp).
  void ComenzarClick();
  void ResetClick();
  void AboutClick();
  void Opcion1Click();
  void Opcion2Click();
  void ScrollBar1Change();
  void ScrollBar2Change();
  void ScrollBar3Change();
  void SalirClick();
  void FormDeactivate();

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

  void WriteReadouts();
  // Start, reset and the options: off while the conditions panel is open.
  void EnableRunCommands(bool enabled);
  // The three scroll bars share one operation; only the label they write differs.
  void EulerAnglesChanged(const QScrollBar* bar, QLabel* text);

  std::unique_ptr<Ui::TForm1> ui_;
  framework::ProgramExit* exit_;
  bool GravityOn = false;
};

// The window, once the program entry has created it.
extern TForm1* Form1;
