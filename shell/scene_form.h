#pragma once
// A main window that shows one simulation: its OpenGL panel draws the scene, its
// timer's ticks present at most one frame per display refresh (camera, drawing,
// readouts), three scroll bars set the Euler angles, a drag over the panel turns
// the camera and its wheel moves it, and its ways out release the scene once.

#include <QPoint>
#include <QSize>

#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "shell/frame_pacer.h"
#include "shell/main_form.h"
#include "shell/vector_legend.h"

class QLabel;
class QMenu;
class QPixmap;
class QPushButton;
class QScrollBar;
class TOpenGLPanel;

namespace shell {

class ProgramExit;

// The simulation's entry points, as the window drives them.
struct Scene {
  std::function<void()> initialize;  // with the panel's context current
  std::function<void()> run_frame;   // after the camera is applied
  std::function<void()> release;
  std::function<void(int phi, int theta, int psi)> set_euler_angles;
  QSize viewport;  // the projection's fixed size, in logical pixels
  std::function<void(bool shown)> show_vectors;
  std::vector<LegendLine> legend;  // the arrows that show_vectors shows
};

// The window's widgets the shell drives, taken from its generated layout class so
// that renaming one in the layout fails to compile.
struct SceneWidgets {
  TOpenGLPanel* panel;
  std::array<QScrollBar*, 3> bars;  // phi, theta, psi
  std::array<QLabel*, 3> angle_texts;
  QLabel* about_picture;
  std::vector<QPushButton*> ok_buttons;  // the panels' "&Ok" buttons, each on its panel
};

class SceneForm : public MainForm {
  Q_OBJECT

 public:
  SceneForm(float view_distance, float zoom_speed, Scene scene, QWidget* parent = nullptr);

  // Which ticks present a frame; unpaced, every one does.
  FramePacer& Pacer() { return pacer_; }
  // Draws the panel and writes the readouts now, as a tick does.
  void PresentFrame();

 signals:
  // After each frame a tick presented, its readouts written.
  void FramePresented();

 public slots:
  void OpenGLPanel1Init();
  void OpenGLPanel1Paint();
  void AnimTimer1Timer();
  void ScrollBar1Change();
  void ScrollBar2Change();
  void ScrollBar3Change();
  void SalirClick();
  void FormDeactivate();
  // The scene's arrows and their legend.
  void ShowVectors(bool shown);

 protected:
  // Call after setupUi: the layout, the pictures the program draws for itself,
  // the tick on every Ok button, and the window's place.
  void FinishWindow(SceneWidgets widgets, int client_width, int client_height, const QPixmap& icon,
                    const QPixmap& about_picture);
  // The last group of "Opciones" ends with the language's submenu: Spanish or English,
  // applied to the open window at once and remembered for the next start.
  void AddLanguageMenu(QMenu& options);
  // Shows a text that depends on the state, translated in the window's class's context,
  // and again after each change of language, over what the layout's own would put back.
  void SetText(QObject* item_or_label, const char* source);
  // The layout's texts in the language just installed.
  virtual void Retranslate() {}
  void changeEvent(QEvent* event) override;
  // Runs in every tick that presents a frame, after the drawing, for readouts of it.
  virtual void AfterTick() {}
  // Hands the keys back to the window when a panel holding the focus hides.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void EulerAnglesChanged(int bar);
  void PanelMouseDown(QObject* sender, Qt::MouseButton button, QPoint position);
  void PanelMouseMove(QObject* sender, Qt::MouseButtons buttons, QPoint position);

  Scene scene_;
  VectorLegend legend_;
  bool vectors_shown_ = false;
  QPoint drag_from_;
  ProgramExit* exit_;
  FramePacer pacer_;
  SceneWidgets widgets_ = {};
  std::vector<std::pair<QObject*, const char*>> texts_;  // by SetText, the last one for each
};

}  // namespace shell
