#pragma once
// Which animation ticks present a frame: at most one per display refresh, so the
// work done per second and the traced path's length do not follow the machine.

#include <functional>
#include <optional>

namespace shell {

class FramePacer {
 public:
  using Clock = std::function<double()>;  // seconds, never going back

  explicit FramePacer(Clock clock = SteadySeconds);

  // Unpaced, every tick presents a frame: the frame benchmark's fastest path.
  void SetPaced(bool paced) { paced_ = paced; }

  // When a frame is due, counts it as presented and returns the seconds since the
  // previous one; before, nothing. Frames keep to the display's rhythm, one per
  // period, never in a burst. A refresh rate outside 10-1000 Hz, which screens report
  // when they do not know theirs, counts as 60 Hz.
  std::optional<double> FrameDue(double refresh_rate);

  static double SteadySeconds();

 private:
  Clock clock_;
  bool paced_ = true;
  double last_;  // when the previous frame was presented
  double due_;   // when the next one is
};

}  // namespace shell
