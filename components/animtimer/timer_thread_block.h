#pragma once
// State shared by a timer, its pacing thread and its guard; one per started worker.

#include <QObject>

#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace Animtimer {

class TThreadMiser;

struct TimerThreadBlock {
  explicit TimerThreadBlock(QObject* window) : Window(window) {}

  QObject* const Window;  // receives the tick requests; alive while KeepRunning is set

  std::mutex Lock;                  // guards every field below
  std::condition_variable Changed;  // notified whenever one of them changes
  bool KeepRunning = true;          // cleared by every stop path; the worker then ends
  bool WakeRequested = false;       // set by Alert, consumed by the worker's next wait
  bool TickPending = false;         // a tick request waits for its answer
  std::uint32_t Answer = 0;         // the Interval current when the tick was handled
  bool Finished = false;            // the worker has left its loop
  TThreadMiser* Guard = nullptr;    // cleared when the guard goes first
};

}  // namespace Animtimer
