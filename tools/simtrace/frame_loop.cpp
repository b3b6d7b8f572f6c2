#include "tools/simtrace/frame_loop.h"

#include <algorithm>
#include <cmath>

namespace simtrace {

void AddTimingOptions(OptionParser& parser, Timing& timing) {
  parser.AddNumbers("--seconds", "S", "length of the run (default 10)", &timing.seconds, 1,
                    {0.0, 1e6});
  parser.AddNumbers("--every", "S", "seconds between rows, whole frames (default about 0.01)",
                    &timing.every, 1, {0.0, 1e6}, &timing.every_given);
  // A frame of 2^31 ms or more could not be told apart from a wrap of the 32-bit counter.
  parser.AddNumbers("--frame-ms", "MS", "milliseconds between frames (default 1)", &timing.frame_ms,
                    1, {1.0, double(0x7FFFFFFF), true});
}

void AddIntegratorOption(OptionParser& parser, math3d::Integrator& integrator) {
  parser.AddChoice("--integrator", {"scheme", "exact"},
                   "the programs' explicit scheme (default) or the exact motion",
                   [&integrator](std::size_t choice) {
                     integrator =
                         choice == 0 ? math3d::Integrator::Scheme : math3d::Integrator::Exact;
                   });
}

SimulatedRun::SimulatedRun(const Timing& timing) {
  frame_ms_ = std::uint64_t(timing.frame_ms);
  if (timing.every_given) {
    const double ms = timing.every * 1000.0;
    if (ms < 1.0 || std::abs(ms - std::round(ms)) > 1e-6)
      throw UsageError("--every must be a positive whole number of milliseconds");
    every_ms_ = std::uint64_t(std::llround(ms));
    if (every_ms_ % frame_ms_ != 0)
      throw UsageError("--every must be a whole number of frames");
    if (timing.every > timing.seconds)
      throw UsageError("--every must be at most --seconds");
  } else {
    const double frames = std::max(1.0, std::round(timing.every * 1000.0 / timing.frame_ms));
    every_ms_ = std::uint64_t(frames) * frame_ms_;
  }
  end_ms_ = std::uint64_t(std::floor(timing.seconds * 1000.0 + 1e-6));
}

void SimulatedRun::Run(const std::function<void()>& frame,
                       const std::function<void(double t)>& row) {
  frame();
  row(0.0);
  for (std::uint64_t t_ms = frame_ms_; t_ms <= end_ms_; t_ms += frame_ms_) {
    now_ms_ += std::uint32_t(frame_ms_);  // wraps like the real counter
    frame();
    if (t_ms % every_ms_ == 0)
      row(double(t_ms) / 1000.0);
  }
}

}  // namespace simtrace
