#include "shell/frame_pacer.h"

#include <chrono>
#include <utility>

namespace shell {

FramePacer::FramePacer(Clock clock) : clock_(std::move(clock)), last_(clock_()), due_(last_) {}

std::optional<double> FramePacer::FrameDue(double refresh_rate) {
  const double now = clock_();
  if (paced_ && now < due_)
    return std::nullopt;
  const double period =
      refresh_rate >= 10.0 && refresh_rate <= 1000.0 ? 1.0 / refresh_rate : 1.0 / 60.0;
  // A tick a little late keeps the refresh's rhythm, so frames come at the full rate;
  // after a stall the rhythm starts afresh instead of catching up in a burst.
  due_ = (now >= due_ && now - due_ < period / 2 ? due_ : now) + period;
  const double elapsed = now - last_;
  last_ = now;
  return elapsed;
}

double FramePacer::SteadySeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace shell
