#pragma once
// What both main windows share: a fixed-size window at (50, 50) whose fonts keep
// their pixel heights, the camera keys (auto-repeat is not a release), and the
// deactivation that ends the program.

#include <QMainWindow>

#include "shell/camera.h"

class QKeyEvent;

namespace shell {

class MainForm : public QMainWindow {
  Q_OBJECT

 public:
  MainForm(float view_distance, float zoom_speed, QWidget* parent = nullptr);

  Camera& ViewCamera() { return camera_; }

  // The client area grows or shrinks at its bottom, the window with it; the rest of
  // the layout stays where it is.
  void SetClientHeight(int client_height);

 public slots:
  void FormCreate(QObject* Sender);
  void FormKeyDown(QObject* Sender, int& Key);
  void FormKeyUp(QObject* Sender, int& Key);

 signals:
  // Another window of this program became the active one. Other programs, menus
  // and our own modal message boxes do not count.
  void Deactivated(QObject* Sender);

 protected:
  // Call after setupUi: fixes the client area and turns the layout's point sizes
  // into the pixel heights the layout was drawn with.
  void FinishLayout(int client_width, int client_height);

  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void FocusWindowChanged(QWindow* focus);

  Camera camera_;
};

// The virtual-key code of a key event: arrows 37-40, letters and digits their
// upper-case character code, anything else a code no handler acts on.
int VirtualKeyCode(const QKeyEvent& event);

// Fonts of the layout that this platform may lack, mapped to installed,
// metric-compatible ones where there are.
void InstallFontSubstitutes();

// Point sizes in a layout are stand-ins for pixel heights (96 per inch); make
// them exact so text measures the same on every screen.
void UsePixelFonts(QWidget* root);

}  // namespace shell
