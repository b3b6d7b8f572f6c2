#include "components/animtimer/thread_miser.h"

#include "components/animtimer/animtimer.h"
#include "components/animtimer/timer_thread_block.h"

#include <QCoreApplication>
#include <QEvent>

namespace Animtimer {
namespace {
const QEvent::Type kWorkerEnded = static_cast<QEvent::Type>(QEvent::registerEventType());
}  // namespace

TThreadMiser::TThreadMiser(TAnimTimer* timer, std::shared_ptr<TimerThreadBlock> block)
    : QObject(QCoreApplication::instance()), GuardedTimer(timer), Block(std::move(block)) {
  // The application's own destruction of its children comes after the main window is
  // gone; the timer must stop before that.
  connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
          [this] { delete this; });
}

TThreadMiser::~TThreadMiser() {
  delete GuardedTimer.data();  // its destructor stops the worker
  std::unique_lock lock(Block->Lock);
  Block->Guard = nullptr;
  Block->KeepRunning = false;
  Block->Changed.notify_all();
  Block->Changed.wait_for(lock, kShutdownWait, [this] { return Block->Finished; });
}

void TThreadMiser::WorkerEnded() {
  QCoreApplication::postEvent(this, new QEvent(kWorkerEnded));
}

void TThreadMiser::customEvent(QEvent* event) {
  if (event->type() != kWorkerEnded)
    return QObject::customEvent(event);
  // Leaving the application object's children happens here, on its own thread, and
  // leaves the timer alone: only a shutdown destroys it.
  const std::lock_guard lock(Block->Lock);
  if (!Block->Finished)
    return;
  GuardedTimer = nullptr;
  deleteLater();
}

}  // namespace Animtimer
