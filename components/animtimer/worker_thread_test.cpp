#include "components/animtimer/worker_thread.h"

#include <pthread.h>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <climits>
#include <future>

namespace Animtimer {
namespace {

TEST(WorkerThread, RunsOnASmallStackOneStepBelowTheCaller) {
  std::promise<std::pair<std::size_t, int>> seen;  // the worker's stack size and niceness
  ASSERT_TRUE(StartWorkerThread(
      [](void* promise) {
        pthread_attr_t attributes;
        pthread_getattr_np(pthread_self(), &attributes);
        std::size_t stack = 0;
        pthread_attr_getstacksize(&attributes, &stack);
        pthread_attr_destroy(&attributes);
        static_cast<decltype(seen)*>(promise)->set_value({stack, getpriority(PRIO_PROCESS, 0)});
      },
      &seen));
  const auto [stack, niceness] = seen.get_future().get();
  EXPECT_GE(stack, std::size_t(PTHREAD_STACK_MIN));
  EXPECT_LT(stack, std::size_t(1) << 20);  // a thread's usual stack is megabytes
  EXPECT_EQ(niceness, std::min(getpriority(PRIO_PROCESS, 0) + 1, 19));
}

}  // namespace
}  // namespace Animtimer
