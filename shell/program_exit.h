#pragma once
// The way out of a main window, whichever comes first: the exit command, the
// deactivation, or the window's close button. The scene is released exactly once
// and, from then on, ticks and paints that still arrive must leave it alone.

#include <QObject>

#include <functional>

class QWidget;

namespace shell {

class ProgramExit : public QObject {
 public:
  // Watches `window` for its close; `release_scene` runs at most once, at the
  // latest when the window is destroyed.
  ProgramExit(QWidget* window, std::function<void()> release_scene);
  ~ProgramExit() override;

  // Releases the scene (the first time only) and asks the message loop to end.
  void Exit();
  bool Done() const { return done_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Release();

  std::function<void()> release_scene_;
  bool done_ = false;
};

}  // namespace shell
