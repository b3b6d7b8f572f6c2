#pragma once
// Animation timer: calls its handler over and over on the user-interface thread, paced
// by a worker thread of its own. A tick never overlaps, queues behind or merges with
// another, and the interval counts from the start of the previous tick.
//
// In a Designer form it is a hidden custom widget; set Interval as a dynamic property
// (stdset="0") and connect OnTimer(TAnimTimer*) to the form's tick slot.

#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

namespace Animtimer {
struct TimerThreadBlock;
}

class TAnimTimer : public QWidget {
  Q_OBJECT
  Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
  Q_PROPERTY(quint32 Interval READ Interval WRITE SetInterval)

 public:
  // Interval values with a meaning of their own.
  static constexpr std::uint32_t kNoYield = 0xFFFFFFFF;        // tick again, not even yielding
  static constexpr std::uint32_t kStopAfterTick = 0xFFFFFFFE;  // stop; Enabled stays true

  using Handler = std::function<void(TAnimTimer* sender)>;

  // A timer being designed never starts a worker and never ticks.
  explicit TAnimTimer(QWidget* owner = nullptr, bool designing = false);
  ~TAnimTimer() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  std::uint32_t Interval() const { return FInterval; }
  // Wakes a waiting worker, so a new interval applies from the next tick at once.
  void SetInterval(std::uint32_t value);
  // Restarts the worker, even when the handler is the one already assigned.
  void SetOnTimer(Handler handler);

 signals:
  // Raised on every tick after the handler. Connecting to it or disconnecting from it
  // restarts the worker too, as soon as the event loop runs.
  void OnTimer(TAnimTimer* sender);

 protected:
  void connectNotify(const QMetaMethod& signal) override;
  void disconnectNotify(const QMetaMethod& signal) override;
  void customEvent(QEvent* event) override;

 private:
  void OnTimerConnectionsChanged(const QMetaMethod& signal);
  bool HasHandler() const;
  void UpdateTimer();
  void Start();
  void Stop();
  void Alert();
  void Timer();
  static void ThreadFunction(void* block);

  const bool FDesigning;
  bool FEnabled = true;
  std::uint32_t FInterval = 10;
  Handler FOnTimer;
  std::shared_ptr<Animtimer::TimerThreadBlock> FBlock;  // the attached worker's, if any
};
