#include "components/animtimer/animtimer.h"

#include "components/animtimer/thread_miser.h"
#include "framework/messages.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace Animtimer {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Runs the event loop, tick requests handled as they come, until `done` or `limit`; returns
// `done()`.
bool RunEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 1s) {
  const QDeadlineTimer deadline(limit);
  QTimer wake;  // bounds each blocking wait
  wake.start(5);
  while (!done() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  return done();
}

void RunEventsFor(std::chrono::milliseconds ms) {
  RunEventsUntil([] { return false; }, ms);
}

// The guards of the running workers.
QList<TThreadMiser*> Guards() {
  return QCoreApplication::instance()->findChildren<TThreadMiser*>(Qt::FindDirectChildrenOnly);
}

using Milliseconds = std::chrono::duration<double, std::milli>;

// A case's timers share one owner window; afterwards every worker must have ended.
class TimerTest : public testing::Test {
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

  // A handler noting each tick's start; it runs the event loop for `work`, where a
  // nested tick would show as a depth of 2.
  TAnimTimer::Handler Recorder(std::chrono::milliseconds work = 0ms) {
    return [this, work](TAnimTimer* sender) {
      EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
      last_sender = sender;
      starts.push_back(Clock::now());
      deepest = std::max(deepest, ++depth);
      RunEventsFor(work);
      --depth;
    };
  }
  int Ticks() const { return int(starts.size()); }

  std::unique_ptr<QWidget> owner_ = std::make_unique<QWidget>();
  std::vector<Clock::time_point> starts;
  TAnimTimer* last_sender = nullptr;
  int depth = 0, deepest = 0;
};

// The interval counts from the previous tick's start: the handler's own time is
// deducted, a slower handler is followed at once, 0 and kNoYield do not wait at all.
TEST_F(TimerTest, TicksArePacedFromTheStartOfThePreviousOneAndNeverOverlap) {
  const std::tuple<std::uint32_t, std::chrono::milliseconds, double> cases[] = {
      {100, 30ms, 3},
      {100, 150ms, 3},
      {1, 0ms, 3},
      {0, 0ms, 0.9},
      {TAnimTimer::kNoYield, 0ms, 0.9}};
  for (const auto& [interval, work, slack_ms] : cases) {
    SCOPED_TRACE(interval);
    starts.clear();
    auto* timer = NewTimer(interval);
    timer->SetOnTimer(Recorder(work));
    RunEventsFor(700ms);
    timer->SetEnabled(false);
    ASSERT_GE(Ticks(), 4);
    EXPECT_EQ(last_sender, timer);
    const double expected =
        interval == TAnimTimer::kNoYield ? 0 : std::max<double>(interval, work.count());
    const double spacing = Milliseconds(starts.back() - starts.front()).count() / (Ticks() - 1);
    EXPECT_GE(spacing, expected * 0.95);
    EXPECT_LT(spacing, expected * 1.15 + slack_ms);
  }
  EXPECT_EQ(deepest, 1);
}

// Each restart (even with the same handler) ends the old worker and starts one that
// ticks at once, and so does a new interval end a long wait.
TEST_F(TimerTest, RestartsAndANewIntervalTickAtOnce) {
  auto* timer = NewTimer(60000);
  const TAnimTimer::Handler handler = Recorder();
  QMetaObject::Connection connection;
  const std::function<void()> steps[] = {
      [&] { timer->SetOnTimer(handler); }, [&] { timer->SetOnTimer(handler); },
      [&] { timer->SetEnabled(false), timer->SetEnabled(true); },
      [&] { connection = QObject::connect(timer, &TAnimTimer::OnTimer, [] {}); },
      [&] { timer->SetInterval(50000); }};
  for (int i = 0; i < 5; ++i) {
    steps[i]();
    EXPECT_TRUE(RunEventsUntil([&] { return Ticks() == i + 1 && Guards().size() == 1; })) << i;
  }
  timer->SetOnTimer({});  // the connection alone keeps a worker
  QObject::disconnect(connection);
  EXPECT_TRUE(RunEventsUntil([] { return Guards().empty(); }));
}

// Posted tick requests find their worker stopped; a timer being designed never starts one.
TEST_F(TimerTest, AStopRightAfterTheStartEndsTheWorkerAndADesignedTimerNeverTicks) {
  auto* designed = NewTimer(1, /*designing=*/true);
  designed->SetOnTimer(Recorder());
  QObject::connect(designed, &TAnimTimer::OnTimer, [] {});
  auto* timer = NewTimer(0);
  timer->SetEnabled(false);
  timer->SetOnTimer(Recorder());
  for (int i = 0; i < 100; ++i) {
    timer->SetEnabled(true);
    timer->SetEnabled(false);
  }
  EXPECT_TRUE(RunEventsUntil([] { return Guards().empty(); }, 2s));
  RunEventsFor(100ms);
  EXPECT_EQ(Ticks(), 0);
}

// An exception from the handler is shown while the worker waits, so no tick comes then,
// and ticks go on. Disabling stops at once; kStopAfterTick ends only the worker.
TEST_F(TimerTest, AHandlerThrowingOrStoppingItsTimer) {
  int ticks = 0, ticks_while_shown = 0;
  QStringList shown;
  framework::SetMessageSink([&](const QString& text) {
    const int before = ticks;
    RunEventsFor(20ms);  // as a modal box would
    ticks_while_shown += ticks - before;
    shown << text;
  });
  for (bool disable : {true, false}) {
    ticks = 0;
    auto* timer = NewTimer(0);
    timer->SetOnTimer([&](TAnimTimer* sender) {
      if (++ticks == 1)
        throw std::runtime_error("tick failed");
      if (ticks == 3)
        disable ? sender->SetEnabled(false) : sender->SetInterval(TAnimTimer::kStopAfterTick);
    });
    EXPECT_TRUE(RunEventsUntil([] { return Guards().empty(); }));
    RunEventsFor(100ms);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(timer->Enabled(), !disable);
  }
  framework::SetMessageSink(nullptr);
  EXPECT_EQ(shown, QStringList({"tick failed", "tick failed"}));
  EXPECT_EQ(ticks_while_shown, 0);
}

// Neither a long wait nor a tick request in flight, unanswered, holds the guard's
// shutdown; a timer its owner destroyed first is not destroyed again.
TEST_F(TimerTest, TheGuardDestroysItsTimerAtOnce) {
  for (std::uint32_t interval : {60000u, 0u, 1u}) {
    SCOPED_TRACE(interval);
    starts.clear();
    int destroyed = 0;
    const QPointer<TAnimTimer> timer = NewTimer(interval);
    QObject::connect(timer, &QObject::destroyed, [&] { ++destroyed; });
    timer->SetOnTimer(Recorder());
    ASSERT_TRUE(RunEventsUntil([&] { return Ticks() >= (interval == 0 ? 3 : 1); }));
    ASSERT_EQ(Guards().size(), 1);
    if (interval == 1)
      delete timer;  // before the worker's end has been reported to the guard
    const auto start = Clock::now();
    delete Guards().front();
    EXPECT_LT(Milliseconds(Clock::now() - start).count(), 200);
    EXPECT_EQ(destroyed, 1);
    const int before = Ticks();
    RunEventsFor(50ms);
    EXPECT_EQ(Ticks(), before);
  }
}

TEST_F(TimerTest, ClosingAProgramWhoseTimerRunsAtOneMillisecondIsFast) {
  Clock::time_point quit_at;
  int ticks = 0;
  const QPointer<TAnimTimer> timer = NewTimer(1);
  timer->SetOnTimer([&](TAnimTimer*) {
    if (++ticks != 50)
      return;
    quit_at = Clock::now();
    QCoreApplication::quit();
  });
  QCoreApplication::exec();
  EXPECT_LT(Milliseconds(Clock::now() - quit_at).count(), 200);
  EXPECT_TRUE(timer.isNull());  // the guard went first, before the window
  EXPECT_TRUE(Guards().empty());
}

}  // namespace
}  // namespace Animtimer
