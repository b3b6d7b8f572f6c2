#include "components/animtimer/worker_thread.h"

#include <pthread.h>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <climits>
#include <future>

namespace Animtimer {
namespace {

std::size_t StackSize(pthread_attr_t& attributes) {
  std::size_t size = 0;
  pthread_attr_getstacksize(&attributes, &size);
  pthread_attr_destroy(&attributes);
  return size;
}

TEST(WorkerThread, RunsOnASmallStackOneStepBelowTheCaller) {
  std::promise<std::pair<std::size_t, int>> seen;  // the worker's stack size and niceness
  ASSERT_TRUE(StartWorkerThread(
      [](void* promise) {
        pthread_attr_t attributes;
        pthread_getattr_np(pthread_self(), &attributes);
        static_cast<decltype(seen)*>(promise)->set_value(
            {StackSize(attributes), getpriority(PRIO_PROCESS, 0)});
      },
      &seen));
  const auto [stack, niceness] = seen.get_future().get();
  pthread_attr_t defaults;
  pthread_getattr_default_np(&defaults);
  EXPECT_GE(stack, std::size_t(PTHREAD_STACK_MIN));
  EXPECT_LT(stack, StackSize(defaults) / 4);
  EXPECT_EQ(niceness, std::min(getpriority(PRIO_PROCESS, 0) + 1, 19));
}

}  // namespace
}  // namespace Animtimer
