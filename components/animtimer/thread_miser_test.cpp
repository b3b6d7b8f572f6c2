#include "components/animtimer/thread_miser.h"

#include "components/animtimer/timer_testing.h"

#include <QPointer>

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

// Neither a long wait nor a tick request in flight (posted or about to be, and
// nobody answers it) holds the guard's shutdown.
TEST_F(ThreadMiserShutdown, TheGuardDestroysItsTimerAtOnceFromAWaitOrATickInFlight) {
  for (std::uint32_t interval : {60000u, 0u}) {
    SCOPED_TRACE(interval);
    int ticks = 0;
    const QPointer<TAnimTimer> timer = NewTimer(interval);
    TickUntil(timer, ticks, interval == 0 ? 3 : 1);
    EXPECT_LT(MillisecondsToDelete(Guards().front()), 200);
    EXPECT_TRUE(timer.isNull());
    const int before = ticks;
    RunEventsFor(50ms);
    EXPECT_EQ(ticks, before);
  }
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
  EXPECT_LT(Milliseconds(Clock::now() - quitAt), 200);
  EXPECT_TRUE(timer.isNull());  // the guard went first, before the window
  EXPECT_TRUE(Guards().empty());
}

}  // namespace
}  // namespace Animtimer::testing
