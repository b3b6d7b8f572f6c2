#include "components/animtimer/worker_thread.h"

#include <pthread.h>
#include <sys/resource.h>

#include <cerrno>
#include <climits>
#include <cstddef>
#include <memory>

namespace Animtimer {
namespace {

struct Launch {
  void (*routine)(void*);
  void* argument;
  int niceness;
};

void* Run(void* raw) {
  const std::unique_ptr<Launch> launch(static_cast<Launch*>(raw));
  // On Linux the nice value belongs to the calling thread, not the whole process.
  setpriority(PRIO_PROCESS, 0, launch->niceness);
  launch->routine(launch->argument);
  return nullptr;
}

}  // namespace

bool StartWorkerThread(void (*routine)(void*), void* argument) {
  auto launch =
      std::make_unique<Launch>(Launch{routine, argument, getpriority(PRIO_PROCESS, 0) + 1});
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
  // The stack must also hold the static thread-local storage of every loaded library,
  // which the platform minimum does not count; grow until the thread can be made.
  int result = EINVAL;
  for (std::size_t stack = PTHREAD_STACK_MIN; result == EINVAL; stack *= 2) {
    pthread_attr_setstacksize(&attributes, stack);
    pthread_t thread;
    result = pthread_create(&thread, &attributes, &Run, launch.get());
  }
  pthread_attr_destroy(&attributes);
  if (result != 0)
    return false;
  launch.release();  // the thread owns it now
  return true;
}

}  // namespace Animtimer
