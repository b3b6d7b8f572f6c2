#include "components/animtimer/animtimer.h"

#include "components/animtimer/timer_testing.h"
#include "framework/messages.h"

#include <QPointer>
#include <QThread>

#include <stdexcept>

namespace Animtimer::testing {
namespace {

using AnimTimerPacing = TimerTest;

TEST_F(AnimTimerPacing, TheHandlerTimeIsDeductedFromTheInterval) {
  TickLog log;
  NewTimer(100)->SetOnTimer(log.Recorder(30ms));
  ASSERT_TRUE(RunEventsUntil([&] { return log.Count() >= 7; }, 3s));
  const auto spacings = log.Spacings();
  EXPECT_GE(Min(spacings), 90);
  EXPECT_LT(Mean(spacings), 115);  // 130 if the handler's 30 ms were added to the wait
}

TEST_F(AnimTimerPacing, ASlowHandlerIsFollowedByTheNextTickAtOnce) {
  TickLog log;
  NewTimer(100)->SetOnTimer(log.Recorder(150ms));
  ASSERT_TRUE(RunEventsUntil([&] { return log.Count() >= 5; }, 3s));
  EXPECT_LT(Mean(log.Gaps()), 15);
  EXPECT_LT(Max(log.Gaps()), 40);
}

TEST_F(AnimTimerPacing, ATrivialHandlerTicksAtTheInterval) {
  for (std::uint32_t interval : {1u, 100u}) {
    SCOPED_TRACE(interval);
    TickLog log;
    auto* timer = NewTimer(interval);
    timer->SetOnTimer(log.Recorder());
    RunEventsFor(interval == 1 ? 1000ms : 1200ms);
    timer->SetEnabled(false);
    const auto spacings = log.Spacings();
    ASSERT_GE(spacings.size(), 5u);
    EXPECT_GE(Mean(spacings), interval * 0.95);
    EXPECT_LT(Mean(spacings), interval * 1.15 + 3);
  }
}

TEST_F(AnimTimerPacing, TicksNeverOverlapEvenWhenTheHandlerRunsTheEventLoop) {
  int depth = 0, deepest = 0, ticks = 0;
  NewTimer(0)->SetOnTimer([&](TAnimTimer*) {
    deepest = std::max(deepest, ++depth);
    RunEventsFor(3ms);
    --depth;
    ++ticks;
  });
  ASSERT_TRUE(RunEventsUntil([&] { return ticks >= 20; }, 3s));
  EXPECT_EQ(deepest, 1);
}

using AnimTimerWaking = TimerTest;

TEST_F(AnimTimerWaking, ANewIntervalCutsALongWaitShortButTheSameOneDoesNot) {
  TickLog log;
  auto* timer = NewTimer(60000);
  timer->SetOnTimer(log.Recorder());
  ASSERT_TRUE(RunEventsUntil([&] { return log.Count() == 1; }, 1s));
  timer->SetInterval(60000);
  RunEventsFor(300ms);
  EXPECT_EQ(log.Count(), 1);
  const auto changed = Clock::now();
  timer->SetInterval(50000);
  ASSERT_TRUE(RunEventsUntil([&] { return log.Count() == 2; }, 1s));
  EXPECT_LT(Milliseconds(log.starts[1] - changed), 100);
  RunEventsFor(300ms);
  EXPECT_EQ(log.Count(), 2);  // then the new interval holds
}

using AnimTimerRestart = TimerTest;

TEST_F(AnimTimerRestart, AssigningTheSameHandlerStartsAFreshWorker) {
  TickLog log;
  const auto handler = log.Recorder();
  auto* timer = NewTimer(60000);
  timer->SetOnTimer(handler);
  ASSERT_TRUE(RunEventsUntil([&] { return log.Count() == 1; }, 1s));
  ASSERT_EQ(Guards().size(), 1);
  const QPointer<TThreadMiser> first = Guards().front();
  timer->SetOnTimer(handler);
  EXPECT_TRUE(RunEventsUntil([&] { return log.Count() == 2; }, 1s));  // a new worker ticks at once
  EXPECT_TRUE(RunEventsUntil([&] { return first.isNull(); }, 1s));    // the old one ended
  EXPECT_EQ(Guards().size(), 1);
}

TEST_F(AnimTimerRestart, ConnectingToOnTimerAssignsAHandler) {
  int ticks = 0;
  auto* timer = NewTimer(60000);
  const auto first = QObject::connect(timer, &TAnimTimer::OnTimer, [&] { ++ticks; });
  ASSERT_TRUE(RunEventsUntil([&] { return ticks == 1; }, 1s));
  const auto second = QObject::connect(timer, &TAnimTimer::OnTimer, [] {});
  EXPECT_TRUE(RunEventsUntil([&] { return ticks == 2; }, 1s));  // restarted
  QObject::disconnect(first);
  QObject::disconnect(second);
  EXPECT_TRUE(RunEventsUntil([] { return Guards().empty(); }, 1s));  // no handler, no worker
  EXPECT_EQ(ticks, 2);
}

TEST_F(AnimTimerRestart, EnabledStopsAndRestartsTheTicks) {
  TickLog log;
  auto* timer = NewTimer(60000);
  EXPECT_TRUE(timer->Enabled());
  EXPECT_TRUE(Guards().empty());  // no handler yet
  timer->SetEnabled(false);
  timer->SetOnTimer(log.Recorder());
  RunEventsFor(100ms);
  EXPECT_TRUE(Guards().empty());
  EXPECT_EQ(log.Count(), 0);
  timer->SetEnabled(true);
  EXPECT_TRUE(RunEventsUntil([&] { return log.Count() == 1; }, 1s));
  timer->SetEnabled(false);
  timer->SetEnabled(true);
  EXPECT_TRUE(RunEventsUntil([&] { return log.Count() == 2; }, 1s));
}

TEST_F(AnimTimerRestart, AStopRightAfterTheStartEndsTheWorker) {
  TickLog log;
  auto* timer = NewTimer(0);
  timer->SetEnabled(false);
  timer->SetOnTimer(log.Recorder());
  for (int i = 0; i < 100; ++i) {
    timer->SetEnabled(true);
    timer->SetEnabled(false);
  }
  EXPECT_TRUE(RunEventsUntil([] { return Guards().empty(); }, 2s));
  EXPECT_EQ(log.Count(), 0);  // requests already posted find their worker stopped
}

using AnimTimerSpecialIntervals = TimerTest;

TEST_F(AnimTimerSpecialIntervals, ZeroAndNoYieldTickBackToBack) {
  for (std::uint32_t interval : {0u, TAnimTimer::kNoYield}) {
    SCOPED_TRACE(interval);
    TickLog log;
    auto* timer = NewTimer(interval);
    timer->SetOnTimer(log.Recorder());
    RunEventsFor(300ms);
    timer->SetEnabled(false);
    ASSERT_GE(log.Count(), 10);
    EXPECT_LT(Mean(log.Spacings()), 0.9);  // faster than any 1 ms pace
  }
}

TEST_F(AnimTimerSpecialIntervals, StopAfterTickEndsTheWorkerButKeepsEnabled) {
  int ticks = 0;
  auto* timer = NewTimer(0);
  timer->SetOnTimer([&](TAnimTimer* sender) {
    if (++ticks == 3)
      sender->SetInterval(TAnimTimer::kStopAfterTick);
  });
  EXPECT_TRUE(RunEventsUntil([] { return Guards().empty(); }, 1s));
  RunEventsFor(100ms);
  EXPECT_EQ(ticks, 3);
  EXPECT_TRUE(timer->Enabled());
  timer->SetEnabled(false);
  timer->SetEnabled(true);  // a fresh worker: one tick, then it stops again
  EXPECT_TRUE(RunEventsUntil([&] { return ticks == 4 && Guards().empty(); }, 1s));
  RunEventsFor(100ms);
  EXPECT_EQ(ticks, 4);
}

using AnimTimerHandler = TimerTest;

TEST_F(AnimTimerHandler, RunsOnTheUserInterfaceThread) {
  bool onInterfaceThread = false;
  TAnimTimer* from = nullptr;
  auto* timer = NewTimer(1);
  timer->SetOnTimer([&](TAnimTimer* sender) {
    onInterfaceThread = QThread::currentThread() == QCoreApplication::instance()->thread();
    from = sender;
  });
  ASSERT_TRUE(RunEventsUntil([&] { return from != nullptr; }, 1s));
  EXPECT_TRUE(onInterfaceThread);
  EXPECT_EQ(from, timer);
}

TEST_F(AnimTimerHandler, DisablingInsideTheHandlerStopsAtOnce) {
  int ticks = 0;
  NewTimer(0)->SetOnTimer([&](TAnimTimer* sender) {
    if (++ticks == 3)
      sender->SetEnabled(false);
  });
  ASSERT_TRUE(RunEventsUntil([&] { return ticks >= 3; }, 1s));
  RunEventsFor(200ms);
  EXPECT_EQ(ticks, 3);
}

TEST_F(AnimTimerHandler, AnExceptionIsShownWhileTheWorkerWaitsAndTicksGoOn) {
  int ticks = 0, ticksWhileShown = 0;
  QStringList shown;
  framework::SetMessageSink([&](const QString& text) {
    const int before = ticks;
    RunEventsFor(20ms);  // as a modal box would
    ticksWhileShown += ticks - before;
    shown << text;
  });
  NewTimer(0)->SetOnTimer([&](TAnimTimer*) {
    ++ticks;
    throw std::runtime_error("tick failed");
  });
  EXPECT_TRUE(RunEventsUntil([&] { return shown.size() >= 3; }, 2s));
  framework::SetMessageSink(nullptr);
  EXPECT_EQ(shown.front(), "tick failed");
  EXPECT_EQ(ticksWhileShown, 0);
}

TEST_F(AnimTimerHandler, ATimerBeingDesignedNeverTicks) {
  int ticks = 0;
  auto* timer = NewTimer(1, /*designing=*/true);
  timer->SetOnTimer([&](TAnimTimer*) { ++ticks; });
  QObject::connect(timer, &TAnimTimer::OnTimer, [&] { ++ticks; });
  timer->SetEnabled(false);
  timer->SetEnabled(true);
  RunEventsFor(200ms);
  EXPECT_EQ(ticks, 0);
  EXPECT_TRUE(Guards().empty());
}

}  // namespace
}  // namespace Animtimer::testing
