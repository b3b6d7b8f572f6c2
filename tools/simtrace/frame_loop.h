#pragma once
// A run on a simulated millisecond clock, one frame every few milliseconds, with
// a CSV row at t = 0 and then at a fixed interval.

#include <cstdint>
#include <functional>

#include "math/integrator.h"
#include "math/substep_clock.h"
#include "tools/simtrace/options.h"

namespace simtrace {

struct Timing {
  double seconds = 10.0;
  double every = 0.01;  // seconds between rows, a whole number of frames
  bool every_given = false;
  double frame_ms = 1.0;  // whole milliseconds
};

void AddTimingOptions(OptionParser& parser, Timing& timing);
// --integrator scheme|exact: how the body moves, the programs' scheme unless given.
void AddIntegratorOption(OptionParser& parser, math3d::Integrator& integrator);

class SimulatedRun {
 public:
  // `timing` within its options' limits; throws UsageError when the rows cannot
  // be kept in whole frames. Without --every, rows come every whole number of
  // frames nearest to its default.
  explicit SimulatedRun(const Timing& timing);

  // The simulated counter, for the simulation to read.
  math3d::MillisecondClock Clock() const {
    return [this] { return now_ms_; };
  }

  // A frame at t = 0 and then every frame_ms up to `seconds`; `row(t)` after the
  // first frame and after every frame that ends a row interval.
  void Run(const std::function<void()>& frame, const std::function<void(double t)>& row);

 private:
  std::uint32_t now_ms_ = 0;
  std::uint64_t frame_ms_, every_ms_, end_ms_;
};

}  // namespace simtrace
