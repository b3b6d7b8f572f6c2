#include "shell/program_exit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace shell {

ProgramExit::ProgramExit(QWidget* window, std::function<void()> release_scene)
    : QObject(window), release_scene_(std::move(release_scene)) {
  window->installEventFilter(this);
}

ProgramExit::~ProgramExit() {
  Release();
}

void ProgramExit::Exit() {
  Release();
  QCoreApplication::quit();
}

void ProgramExit::Release() {
  if (done_)
    return;
  done_ = true;
  release_scene_();
}

bool ProgramExit::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Close && watched == parent())
    Exit();
  return false;
}

}  // namespace shell
