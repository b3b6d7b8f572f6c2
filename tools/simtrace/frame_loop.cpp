#include "tools/simtrace/frame_loop.h"

#include <cmath>

namespace simtrace {

namespace {

// Whole milliseconds in `seconds`, or UsageError naming `option`.
std::uint64_t WholeMilliseconds(const std::string& option, double seconds) {
  const double ms = seconds * 1000.0;
  if (!(ms >= 1.0) || ms > 1e15 || std::abs(ms - std::round(ms)) > 1e-6)
    throw UsageError(option + " must be a positive whole number of milliseconds");
  return std::uint64_t(std::llround(ms));
}

}  // namespace

void AddTimingOptions(OptionParser& parser, Timing& timing) {
  parser.AddNumbers("--seconds", "S", "length of the run (default 10)", &timing.seconds, 1);
  parser.AddNumbers("--every", "S", "seconds between rows, whole frames (default 0.01)",
                    &timing.every, 1);
  parser.AddNumbers("--frame-ms", "MS", "milliseconds between frames (default 1)", &timing.frame_ms,
                    1);
}

SimulatedRun::SimulatedRun(const Timing& timing) {
  frame_ms_ = WholeMilliseconds("--frame-ms", timing.frame_ms / 1000.0);
  // A longer frame could not be told apart from a wrap of the 32-bit counter.
  if (frame_ms_ >= 0x80000000u)
    throw UsageError("--frame-ms is too long");
  every_ms_ = WholeMilliseconds("--every", timing.every);
  if (every_ms_ % frame_ms_ != 0)
    throw UsageError("--every must be a whole number of frames");
  if (!(timing.seconds >= 0.0) || timing.seconds > 1e12)
    throw UsageError("--seconds must be zero or more");
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
