#pragma once
// Guard of one timer worker, owned by the application object: at shutdown it destroys
// the timer and waits a bounded time for the worker to end.

#include <QObject>
#include <QPointer>

#include <chrono>
#include <memory>

class TAnimTimer;

namespace Animtimer {

struct TimerThreadBlock;

class TThreadMiser : public QObject {
  Q_OBJECT

 public:
  static constexpr std::chrono::milliseconds kShutdownWait{5000};

  // Becomes a child of the application object and destroys itself when the
  // application is about to quit.
  TThreadMiser(TAnimTimer* timer, std::shared_ptr<TimerThreadBlock> block);
  ~TThreadMiser() override;

  // Called on the worker thread, with the block's Lock held, as the worker ends.
  void WorkerEnded();

 protected:
  void customEvent(QEvent* event) override;

 private:
  QPointer<TAnimTimer> GuardedTimer;  // goes null if the timer's owner destroys it first
  std::shared_ptr<TimerThreadBlock> Block;
};

}  // namespace Animtimer
