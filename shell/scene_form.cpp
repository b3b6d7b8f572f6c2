#include "shell/scene_form.h"

#include <GL/gl.h>

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "components/openglpanel/opengl_panel.h"
#include "shell/ok_glyph.h"
#include "shell/program_exit.h"

namespace shell {

SceneForm::SceneForm(float view_distance, float zoom_step, Scene scene, QWidget* parent)
    : MainForm(view_distance, zoom_step, parent),
      scene_(std::move(scene)),
      exit_(new ProgramExit(this, scene_.release)) {}

void SceneForm::FinishWindow(int client_width, int client_height, const QPixmap& icon,
                             const QPixmap& about_picture) {
  FinishLayout(client_width, client_height);
  setWindowIcon(icon);
  findChild<QLabel*>("Image1")->setPixmap(about_picture);
  for (QPushButton* button : findChildren<QPushButton*>())
    if (button->text() == "&Ok")
      button->setIcon(OkGlyph());
  panel_ = findChild<TOpenGLPanel*>("OpenGLPanel1");
  static constexpr const char* Bars[] = {"ScrollBar1", "ScrollBar2", "ScrollBar3"};
  static constexpr const char* Texts[] = {"FiText", "ThetaText", "PsiText"};
  for (int i = 0; i < 3; ++i) {
    bars_[i] = findChild<QScrollBar*>(Bars[i]);
    angle_texts_[i] = findChild<QLabel*>(Texts[i]);
  }
  FormCreate(this);
}

void SceneForm::OpenGLPanel1Init() {
  scene_.initialize();
}

void SceneForm::OpenGLPanel1Paint() {
  // The drawing area is the same in logical pixels whatever the screen's density.
  const qreal ratio = panel_->devicePixelRatioF();
  glViewport(0, 0, qRound(scene_.viewport.width() * ratio),
             qRound(scene_.viewport.height() * ratio));
  ViewCamera().Apply();
  scene_.run_frame();
}

void SceneForm::AnimTimer1Timer() {
  if (exit_->Done())
    return;  // the scene is released and the program is on its way out
  ViewCamera().Tick();
  panel_->repaint();
  AfterTick();
}

void SceneForm::ScrollBar1Change() {
  EulerAnglesChanged(0);
}

void SceneForm::ScrollBar2Change() {
  EulerAnglesChanged(1);
}

void SceneForm::ScrollBar3Change() {
  EulerAnglesChanged(2);
}

void SceneForm::EulerAnglesChanged(int bar) {
  scene_.set_euler_angles(bars_[0]->value(), bars_[1]->value(), bars_[2]->value());
  angle_texts_[bar]->setText(QString::number(bars_[bar]->value()));
}

void SceneForm::SalirClick() {
  exit_->Exit();
}

void SceneForm::FormDeactivate() {
  exit_->Exit();
}

}  // namespace shell
