#include "components/animtimer/worker_thread.h"

#include <pthread.h>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <future>

namespace Animtimer {
namespace {

// Stack size and niceness of the calling thread.
std::pair<std::size_t, int> Seen() {
  pthread_attr_t attributes;
  pthread_getattr_np(pthread_self(), &attributes);
  std::size_t stack = 0;
  pthread_attr_getstacksize(&attributes, &stack);
  pthread_attr_destroy(&attributes);
  return {stack, getpriority(PRIO_PROCESS, 0)};
}

TEST(WorkerThread, RunsOnASmallStackOneStepBelowTheCaller) {
  std::promise<std::pair<std::size_t, int>> promise;
  ASSERT_TRUE(StartWorkerThread(
      [](void* p) { static_cast<decltype(promise)*>(p)->set_value(Seen()); }, &promise));
  const auto [stack, niceness] = promise.get_future().get();
  EXPECT_GE(stack, std::size_t(PTHREAD_STACK_MIN));
  pthread_attr_t defaults;
  pthread_getattr_default_np(&defaults);
  std::size_t usual = 0;
  pthread_attr_getstacksize(&defaults, &usual);
  pthread_attr_destroy(&defaults);
  EXPECT_LT(stack, usual / 4);
  EXPECT_EQ(niceness, std::min(Seen().second + 1, 19));
}

}  // namespace
}  // namespace Animtimer
