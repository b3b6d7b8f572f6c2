#include "shell/scene_form.h"

#include <GL/gl.h>

#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include "components/openglpanel/opengl_panel.h"
#include "framework/language.h"
#include "shell/ok_glyph.h"
#include "shell/program_exit.h"

namespace shell {

SceneForm::SceneForm(float view_distance, float zoom_speed, Scene scene, QWidget* parent)
    : MainForm(view_distance, zoom_speed, parent),
      scene_(std::move(scene)),
      legend_(scene_.legend),
      exit_(new ProgramExit(this, scene_.release)) {}

void SceneForm::FinishWindow(SceneWidgets widgets, int client_width, int client_height,
                             const QPixmap& icon, const QPixmap& about_picture) {
  widgets_ = std::move(widgets);
  FinishLayout(client_width, client_height);
  setWindowIcon(icon);
  widgets_.about_picture->setPixmap(about_picture);
  for (QPushButton* button : widgets_.ok_buttons) {
    button->setIcon(OkGlyph());
    button->parentWidget()->installEventFilter(this);
  }
  connect(widgets_.panel, &TOpenGLPanel::OnMouseDown, this, &SceneForm::PanelMouseDown);
  connect(widgets_.panel, &TOpenGLPanel::OnMouseMove, this, &SceneForm::PanelMouseMove);
  connect(widgets_.panel, &TOpenGLPanel::OnMouseWheel, this,
          [this](QObject*, int delta) { ViewCamera().Wheel(delta); });
  FormCreate(this);
}

bool SceneForm::eventFilter(QObject* watched, QEvent* event) {
  // The focus would stay on the hidden Ok that closed the panel: Space would click it
  // and the arrows would move the focus instead of the camera.
  if (event->type() == QEvent::Hide && !event->spontaneous() &&
      static_cast<QWidget*>(watched)->isAncestorOf(focusWidget()))
    setFocus(Qt::OtherFocusReason);
  return MainForm::eventFilter(watched, event);
}

void SceneForm::AddLanguageMenu(QMenu& options) {
  using framework::Language;
  // Each language named in itself: the submenu reads the same in both.
  QMenu* menu = options.addMenu(QString::fromUtf8("Idioma / &Language"));
  menu->setObjectName("Idioma");
  auto* group = new QActionGroup(menu);
  for (const auto& [language, caption, name] :
       {std::tuple{Language::Spanish, "&Español", "Espanol"},
        std::tuple{Language::English, "&English", "English"}}) {
    QAction* item = group->addAction(QString::fromUtf8(caption));
    item->setObjectName(name);
    item->setCheckable(true);
    item->setChecked(language == framework::CurrentLanguage());
    menu->addAction(item);
    connect(item, &QAction::triggered, this, [language] {
      framework::UseLanguage(language);
      framework::SaveLanguage(language);
    });
  }
}

void SceneForm::SetText(QObject* item_or_label, const char* source) {
  const auto same = [item_or_label](const auto& text) { return text.first == item_or_label; };
  std::erase_if(texts_, same);
  texts_.emplace_back(item_or_label, source);
  item_or_label->setProperty("text",
                             QCoreApplication::translate(metaObject()->className(), source));
}

void SceneForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    Retranslate();
    for (const auto& [target, source] : texts_)
      target->setProperty("text", QCoreApplication::translate(metaObject()->className(), source));
    for (std::size_t bar = 0; bar < widgets_.bars.size(); ++bar)
      widgets_.angle_texts[bar]->setText(QString::number(widgets_.bars[bar]->value()));
    legend_.Translate();
    AfterTick();
    widgets_.panel->update();
  }
  MainForm::changeEvent(event);
}

void SceneForm::OpenGLPanel1Init() {
  scene_.initialize();
  legend_.Create(*widgets_.panel);
}

void SceneForm::OpenGLPanel1Paint() {
  // The drawing area is the same in logical pixels whatever the screen's density.
  const qreal ratio = widgets_.panel->devicePixelRatioF();
  glViewport(0, 0, qRound(scene_.viewport.width() * ratio),
             qRound(scene_.viewport.height() * ratio));
  ViewCamera().Apply();
  scene_.run_frame();
  if (vectors_shown_)
    legend_.Draw(*widgets_.panel);
}

void SceneForm::AnimTimer1Timer() {
  if (exit_->Done())
    return;  // the scene is released and the program is on its way out
  const std::optional<double> elapsed = pacer_.FrameDue(screen()->refreshRate());
  if (!elapsed)
    return;  // the display would not show this frame
  ViewCamera().Tick(*elapsed);
  PresentFrame();
}

void SceneForm::PresentFrame() {
  widgets_.panel->repaint();
  AfterTick();
  // The readouts that changed paint now: an update still pending at the next
  // repaint of the panel would make Qt redraw the panel's whole area once more.
  QCoreApplication::sendPostedEvents(this, QEvent::UpdateRequest);
  emit FramePresented();
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
  const auto& bars = widgets_.bars;
  scene_.set_euler_angles(bars[0]->value(), bars[1]->value(), bars[2]->value());
  widgets_.angle_texts[bar]->setText(QString::number(bars[bar]->value()));
}

void SceneForm::ShowVectors(bool shown) {
  vectors_shown_ = shown;
  scene_.show_vectors(shown);
}

void SceneForm::PanelMouseDown(QObject*, Qt::MouseButton button, QPoint position) {
  if (button == Qt::LeftButton)
    drag_from_ = position;
}

void SceneForm::PanelMouseMove(QObject*, Qt::MouseButtons buttons, QPoint position) {
  if (!(buttons & Qt::LeftButton))
    return;
  ViewCamera().Drag(position.x() - drag_from_.x(), position.y() - drag_from_.y());
  drag_from_ = position;
}

void SceneForm::SalirClick() {
  exit_->Exit();
}

void SceneForm::FormDeactivate() {
  exit_->Exit();
}

}  // namespace shell
