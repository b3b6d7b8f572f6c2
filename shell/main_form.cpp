#include "shell/main_form.h"

#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

namespace shell {

MainForm::MainForm(float view_distance, float zoom_speed, QWidget* parent)
    : QMainWindow(parent), camera_(view_distance, zoom_speed) {
  connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &MainForm::FocusWindowChanged);
}

void MainForm::FormCreate(QObject*) {
  move(50, 50);
}

void MainForm::FormKeyDown(QObject*, int& Key) {
  camera_.KeyDown(Key);
}

void MainForm::FormKeyUp(QObject*, int&) {
  camera_.KeyUp();
}

void MainForm::FinishLayout(int client_width, int client_height) {
  InstallFontSubstitutes();
  UsePixelFonts(this);
  centralWidget()->setFixedWidth(client_width);
  SetClientHeight(client_height);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

void MainForm::SetClientHeight(int client_height) {
  centralWidget()->setFixedHeight(client_height);
  setFixedSize(centralWidget()->width(), client_height + menuWidget()->sizeHint().height());
}

void MainForm::keyPressEvent(QKeyEvent* event) {
  int key = VirtualKeyCode(*event);
  FormKeyDown(this, key);
}

void MainForm::keyReleaseEvent(QKeyEvent* event) {
  if (event->isAutoRepeat())
    return;  // the key is still held
  int key = VirtualKeyCode(*event);
  FormKeyUp(this, key);
}

void MainForm::FocusWindowChanged(QWindow* focus) {
  if (!focus || focus == windowHandle() || !focus->isTopLevel())
    return;  // a window inside ours, such as the panel's drawing surface, is part of it
  if (focus->modality() != Qt::NonModal)
    return;
  const Qt::WindowType type = focus->type();
  if (type != Qt::Window && type != Qt::Dialog)
    return;  // menus, tooltips
  emit Deactivated(this);
}

int VirtualKeyCode(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Left:
      return VK_LEFT;
    case Qt::Key_Up:
      return VK_UP;
    case Qt::Key_Right:
      return VK_RIGHT;
    case Qt::Key_Down:
      return VK_DOWN;
    default:
      break;
  }
  const int key = event.key();
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
    return key;  // Qt uses the same codes
  return 0;
}

void InstallFontSubstitutes() {
  QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
  QFont::insertSubstitutions("MS Serif", {"Liberation Serif", "DejaVu Serif"});
  QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
}

void UsePixelFonts(QWidget* root) {
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  widgets.prepend(root);
  for (QWidget* widget : widgets) {
    QFont font = widget->font();
    if (font.pointSizeF() <= 0)
      continue;
    font.setPixelSize(qRound(font.pointSizeF() * 96.0 / 72.0));
    widget->setFont(font);
  }
}

}  // namespace shell
