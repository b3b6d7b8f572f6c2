#pragma once
// Helpers for the timer's tests: running the event loop while ticks come in, and
// recording when each tick started and ended.

#include "components/animtimer/animtimer.h"
#include "components/animtimer/thread_miser.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <numeric>
#include <thread>
#include <vector>

namespace Animtimer::testing {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Runs the event loop until `done` holds or `limit` has passed; tick requests are
// handled the moment they arrive. Returns `done()`.
inline bool RunEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
  const QDeadlineTimer deadline(limit);
  QTimer wake;  // bounds each blocking wait
  wake.start(5);
  while (!done() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  return done();
}

inline void RunEventsFor(std::chrono::milliseconds span) {
  RunEventsUntil([] { return false; }, span);
}

// The guards of the running workers.
inline QList<TThreadMiser*> Guards() {
  return QCoreApplication::instance()->findChildren<TThreadMiser*>(Qt::FindDirectChildrenOnly);
}

inline double Milliseconds(Clock::duration span) {
  return std::chrono::duration<double, std::milli>(span).count();
}

struct TickLog {
  std::vector<Clock::time_point> starts, ends;

  // A handler that logs each tick and takes `work` to run.
  TAnimTimer::Handler Recorder(std::chrono::milliseconds work = 0ms) {
    return [this, work](TAnimTimer*) {
      starts.push_back(Clock::now());
      if (work > 0ms)
        std::this_thread::sleep_for(work);
      ends.push_back(Clock::now());
    };
  }
  int Count() const { return static_cast<int>(starts.size()); }

  // Milliseconds from each tick's start to the next one's start (spacings), or from
  // each tick's end to the next one's start (gaps).
  std::vector<double> Spacings() const { return Since(starts); }
  std::vector<double> Gaps() const { return Since(ends); }
  std::vector<double> Since(const std::vector<Clock::time_point>& earlier) const {
    std::vector<double> spans;
    for (std::size_t i = 1; i < starts.size(); ++i)
      spans.push_back(Milliseconds(starts[i] - earlier[i - 1]));
    return spans;
  }
};

inline double Mean(const std::vector<double>& values) {
  return std::accumulate(values.begin(), values.end(), 0.0) / values.size();
}
inline double Max(const std::vector<double>& values) {
  return *std::max_element(values.begin(), values.end());
}
inline double Min(const std::vector<double>& values) {
  return *std::min_element(values.begin(), values.end());
}

// Timers made by a case belong to one owner window; afterwards every worker must have
// ended and released its guard.
class TimerTest : public ::testing::Test {
 protected:
  TAnimTimer* NewTimer(std::uint32_t interval, bool designing = false) {
    auto* timer = new TAnimTimer(owner_.get(), designing);
    timer->SetInterval(interval);
    return timer;
  }
  void TearDown() override {
    owner_.reset();
    EXPECT_TRUE(RunEventsUntil([] { return Guards().empty(); }, 2s)) << "a worker did not end";
  }

  std::unique_ptr<QWidget> owner_ = std::make_unique<QWidget>();
};

}  // namespace Animtimer::testing
