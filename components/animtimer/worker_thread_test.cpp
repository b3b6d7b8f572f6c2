#include "components/animtimer/worker_thread.h"

#include <pthread.h>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <future>

namespace Animtimer {
namespace {

struct Seen {
  std::size_t stack = 0;
  int niceness = 0;
};

void Report(void* raw) {
  auto* promise = static_cast<std::promise<Seen>*>(raw);
  pthread_attr_t attributes;
  pthread_getattr_np(pthread_self(), &attributes);
  Seen seen;
  pthread_attr_getstacksize(&attributes, &seen.stack);
  pthread_attr_destroy(&attributes);
  seen.niceness = getpriority(PRIO_PROCESS, 0);
  promise->set_value(seen);
}

TEST(WorkerThread, RunsOnASmallStackOneStepBelowTheCaller) {
  std::promise<Seen> promise;
  auto seen = promise.get_future();
  ASSERT_TRUE(StartWorkerThread(&Report, &promise));
  const Seen worker = seen.get();
  EXPECT_GE(worker.stack, std::size_t(PTHREAD_STACK_MIN));
  pthread_attr_t defaults;
  pthread_getattr_default_np(&defaults);
  std::size_t usual = 0;
  pthread_attr_getstacksize(&defaults, &usual);
  pthread_attr_destroy(&defaults);
  EXPECT_LT(worker.stack, usual / 4);
  EXPECT_EQ(worker.niceness, std::min(getpriority(PRIO_PROCESS, 0) + 1, 19));
}

}  // namespace
}  // namespace Animtimer
