#include "components/animtimer/thread_miser.h"

#include "components/animtimer/timer_testing.h"

#include <QPointer>

#include <iostream>

namespace Animtimer::testing {
namespace {

using ThreadMiserShutdown = TimerTest;

// Ticks until `ticks` reaches `count`, then returns with the worker running.
void TickUntil(TAnimTimer* timer, int& ticks, int count) {
  timer->SetOnTimer([&ticks](TAnimTimer*) { ++ticks; });
  ASSERT_TRUE(RunEventsUntil([&] { return ticks >= count; }, 2s));
  ASSERT_EQ(Guards().size(), 1);
}

double MillisecondsToDelete(QObject* object) {
  const auto start = Clock::now();
  delete object;
  return Milliseconds(Clock::now() - start);
}

TEST_F(ThreadMiserShutdown, TheGuardDestroysItsTimerWithoutSittingOutALongWait) {
  int ticks = 0;
  const QPointer<TAnimTimer> timer = NewTimer(60000);
  TickUntil(timer, ticks, 1);
  EXPECT_LT(MillisecondsToDelete(Guards().front()), 200);
  EXPECT_TRUE(timer.isNull());
}

TEST_F(ThreadMiserShutdown, ATickRequestInFlightDoesNotHoldShutdown) {
  int ticks = 0;
  const QPointer<TAnimTimer> timer = NewTimer(0);
  TickUntil(timer, ticks, 3);
  // The worker's next request is now posted or about to be, and nobody answers it.
  EXPECT_LT(MillisecondsToDelete(Guards().front()), 200);
  EXPECT_TRUE(timer.isNull());
  const int before = ticks;
  RunEventsFor(50ms);
  EXPECT_EQ(ticks, before);
}

TEST_F(ThreadMiserShutdown, ATimerItsOwnerDestroyedIsNotDestroyedAgain) {
  int ticks = 0, destroyed = 0;
  auto* timer = NewTimer(60000);
  QObject::connect(timer, &QObject::destroyed, [&] { ++destroyed; });
  TickUntil(timer, ticks, 1);
  TThreadMiser* guard = Guards().front();
  delete timer;
  delete guard;  // before the worker's end has been reported to it
  EXPECT_EQ(destroyed, 1);
}

TEST_F(ThreadMiserShutdown, ClosingAProgramWhoseTimerRunsAtOneMillisecondIsFast) {
  int ticks = 0;
  Clock::time_point quitAt;
  const QPointer<TAnimTimer> timer = NewTimer(1);
  timer->SetOnTimer([&](TAnimTimer*) {
    if (++ticks != 50)
      return;
    quitAt = Clock::now();
    QCoreApplication::quit();
  });
  QCoreApplication::exec();
  const double shutdown = Milliseconds(Clock::now() - quitAt);
  std::cout << "[ measured ] shutdown with a 1 ms timer running: " << shutdown << " ms\n";
  EXPECT_LT(shutdown, 200);
  EXPECT_TRUE(timer.isNull());  // the guard went first, before the window
  EXPECT_TRUE(Guards().empty());
}

}  // namespace
}  // namespace Animtimer::testing
