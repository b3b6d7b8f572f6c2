#include "components/animtimer/animtimer.h"

#include "components/animtimer/thread_miser.h"
#include "components/animtimer/timer_thread_block.h"
#include "components/animtimer/worker_thread.h"
#include "framework/application.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaMethod>

#include <chrono>
#include <thread>

using Animtimer::TimerThreadBlock;

namespace {

using Clock = std::chrono::steady_clock;

class TickRequest : public QEvent {
 public:
  static inline const Type kType = static_cast<Type>(registerEventType());
  explicit TickRequest(std::shared_ptr<TimerThreadBlock> block)
      : QEvent(kType), Block(std::move(block)) {}
  const std::shared_ptr<TimerThreadBlock> Block;
};

}  // namespace

TAnimTimer::TAnimTimer(QWidget* owner, bool designing) : QWidget(owner), FDesigning(designing) {
  setFixedSize(0, 0);
  hide();  // stays hidden when its form is shown
}

TAnimTimer::~TAnimTimer() {
  FEnabled = false;
  UpdateTimer();
}

void TAnimTimer::SetEnabled(bool value) {
  if (value == FEnabled)
    return;
  FEnabled = value;
  UpdateTimer();
}

void TAnimTimer::SetInterval(std::uint32_t value) {
  if (value == FInterval)
    return;
  FInterval = value;
  Alert();
}

void TAnimTimer::SetOnTimer(Handler handler) {
  FOnTimer = std::move(handler);
  UpdateTimer();
}

void TAnimTimer::connectNotify(const QMetaMethod& signal) {
  OnTimerConnectionsChanged(signal);
}

void TAnimTimer::disconnectNotify(const QMetaMethod& signal) {
  OnTimerConnectionsChanged(signal);
}

void TAnimTimer::OnTimerConnectionsChanged(const QMetaMethod& signal) {
  // Qt calls the notifiers holding a lock that UpdateTimer's own QObject calls would
  // take again, so the restart runs once the event loop next turns.
  if (signal == QMetaMethod::fromSignal(&TAnimTimer::OnTimer))
    QMetaObject::invokeMethod(this, &TAnimTimer::UpdateTimer, Qt::QueuedConnection);
}

bool TAnimTimer::HasHandler() const {
  return FOnTimer || isSignalConnected(QMetaMethod::fromSignal(&TAnimTimer::OnTimer));
}

void TAnimTimer::UpdateTimer() {
  if (FDesigning)
    return;
  Stop();
  if (FEnabled && HasHandler())
    Start();
}

void TAnimTimer::Start() {
  if (FDesigning || FBlock)
    return;
  auto block = std::make_shared<TimerThreadBlock>(this);
  auto argument = std::make_unique<std::shared_ptr<TimerThreadBlock>>(block);
  if (!Animtimer::StartWorkerThread(&TAnimTimer::ThreadFunction, argument.get()))
    return;
  argument.release();  // the worker owns it now
  const std::lock_guard lock(block->Lock);
  block->Guard = new Animtimer::TThreadMiser(this, block);
  FBlock = std::move(block);
}

void TAnimTimer::Stop() {
  if (!FBlock)
    return;
  {
    const std::lock_guard lock(FBlock->Lock);
    FBlock->KeepRunning = false;
  }
  FBlock->Changed.notify_all();  // also releases a worker waiting for a tick's answer
  FBlock.reset();
}

void TAnimTimer::Alert() {
  if (!FBlock)
    return;
  {
    const std::lock_guard lock(FBlock->Lock);
    FBlock->WakeRequested = true;
  }
  FBlock->Changed.notify_all();
}

void TAnimTimer::Timer() {
  if (FOnTimer)
    FOnTimer(this);
  emit OnTimer(this);
}

void TAnimTimer::customEvent(QEvent* event) {
  // Only tick requests come here. One sent by a worker that was stopped meanwhile finds
  // another block attached, or none: no tick follows a stop.
  const auto block = FBlock;
  if (!block)
    return;
  {
    // The worker made the event under this lock; taking it first hands it over cleanly.
    const std::lock_guard lock(block->Lock);
    if (event->type() != TickRequest::kType || static_cast<TickRequest*>(event)->Block != block)
      return;
  }
  // The worker stays blocked while an error box is up, so ticks cannot pile up behind it.
  try {
    Timer();
  } catch (const std::exception& error) {
    framework::ShowException(error);
  }
  if (FBlock != block)
    return;  // the handler stopped or restarted the timer
  if (FInterval == kStopAfterTick)
    return Stop();
  {
    const std::lock_guard lock(block->Lock);
    block->Answer = FInterval;
    block->TickPending = false;
  }
  block->Changed.notify_all();
}

void TAnimTimer::ThreadFunction(void* argument) {
  const std::unique_ptr<std::shared_ptr<TimerThreadBlock>> owned(
      static_cast<std::shared_ptr<TimerThreadBlock>*>(argument));
  TimerThreadBlock& block = **owned;
  std::unique_lock lock(block.Lock);
  while (block.KeepRunning) {
    const auto requested = Clock::now();
    block.TickPending = true;
    // Posted under the lock: a stop, which takes the lock, cannot come between the
    // check of KeepRunning and the post, so Window is still alive here.
    QCoreApplication::postEvent(block.Window, new TickRequest(*owned));
    block.Changed.wait(lock, [&] { return !block.KeepRunning || !block.TickPending; });
    if (!block.KeepRunning)
      break;
    if (block.Answer == kNoYield)
      continue;
    const auto due = requested + std::chrono::milliseconds(block.Answer);
    if (due <= Clock::now()) {
      lock.unlock();
      std::this_thread::yield();
      lock.lock();
    } else if (block.Changed.wait_until(
                   lock, due, [&] { return !block.KeepRunning || block.WakeRequested; })) {
      block.WakeRequested = false;
    }
  }
  block.Finished = true;
  if (block.Guard)
    block.Guard->WorkerEnded();
  block.Changed.notify_all();
}
