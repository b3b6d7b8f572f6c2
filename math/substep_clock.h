#pragma once
// Real-time stepping shared by both simulations: each frame reads a free-running
// millisecond counter and advances the world by the time since the previous frame
// in sub-steps of one fixed length, carrying what is left over to the next frame.
// Explicit steps err in proportion to their length, so a fixed length makes a run
// the same however fast the frames come. Time is kept in whole microseconds, so
// the catch-up always ends and the world stays in step with the clock however long
// the program runs (the counter may wrap). Slow motion divides the counter's time
// by a divisor of 1000, so a millisecond still advances the world by whole microseconds.

#include <chrono>
#include <cstdint>
#include <functional>
#include <utility>

#include "math/check.h"

namespace math3d {

// A 32-bit millisecond counter; it wraps after about 49.7 days.
using MillisecondClock = std::function<std::uint32_t()>;

inline std::uint32_t SystemMilliseconds() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

// A sub-step of `us` microseconds in seconds, as the steps receive it.
constexpr float StepSeconds(std::uint64_t us) {
  return static_cast<float>(double(us) * 1e-6);
}

class SubstepClock {
 public:
  explicit SubstepClock(std::uint32_t slowdown = 1) { SetSlowdown(slowdown); }

  // Calls step(h) for every whole sub-step of step_us microseconds (h in seconds)
  // that fits in the time since the previous frame and the remainder carried from
  // it. The first frame only starts the clock.
  template <class Step>
  void RunFrame(std::uint32_t now_ms, std::uint32_t step_us, Step&& step) {
    if (!started_) {
      started_ = true;
      last_ms_ = now_ms;
      return;
    }
    const std::uint32_t elapsed_ms = now_ms - last_ms_;  // unsigned: survives the wrap
    last_ms_ = now_ms;
    carried_us_ += std::uint64_t(elapsed_ms) * us_per_ms_;
    const float h = StepSeconds(step_us);
    for (; carried_us_ >= step_us; carried_us_ -= step_us) {
      step(h);
      stepped_us_ += step_us;
    }
  }

  // From `now_ms` on, the world advances 1/slowdown as fast as the counter; the
  // time since the previous frame is carried at the old speed, so nothing jumps.
  void ChangeSpeed(std::uint32_t now_ms, std::uint32_t slowdown) {
    if (started_) {
      carried_us_ += std::uint64_t(now_ms - last_ms_) * us_per_ms_;
      last_ms_ = now_ms;
    }
    SetSlowdown(slowdown);
  }
  std::uint32_t Slowdown() const { return 1000u / us_per_ms_; }

  // Seconds the world has been advanced since the first frame.
  double LastTime() const { return double(stepped_us_) / 1e6; }
  std::uint64_t SteppedMicroseconds() const { return stepped_us_; }

 private:
  void SetSlowdown(std::uint32_t slowdown) {
    RB_CHECK(slowdown > 0 && 1000u % slowdown == 0, "SubstepClock");
    us_per_ms_ = 1000u / slowdown;
  }

  bool started_ = false;
  std::uint32_t last_ms_ = 0;
  std::uint32_t us_per_ms_ = 1000;  // of world time per millisecond of the counter
  std::uint64_t carried_us_ = 0;    // world time not yet stepped, under one sub-step
  std::uint64_t stepped_us_ = 0;
};

// A simulation's frame timing: the counter it reads and the sub-steps it has run.
class FrameClock {
 public:
  explicit FrameClock(MillisecondClock clock) : clock_(std::move(clock)) {}

  // Runs the whole sub-steps from the previous frame to the counter's present.
  template <class Step>
  void Advance(std::uint32_t step_us, Step&& step) {
    substeps_.RunFrame(clock_(), step_us, step);
  }
  // Slow motion from the counter's present on, 1/slowdown of its speed.
  void ChangeSpeed(std::uint32_t slowdown) { substeps_.ChangeSpeed(clock_(), slowdown); }
  std::uint32_t Slowdown() const { return substeps_.Slowdown(); }
  // Seconds advanced since the first frame.
  double LastTime() const { return substeps_.LastTime(); }
  std::uint64_t SteppedMicroseconds() const { return substeps_.SteppedMicroseconds(); }
  // The next frame only reads the counter again; the speed stays.
  void Restart() { substeps_ = SubstepClock(substeps_.Slowdown()); }

 private:
  MillisecondClock clock_;
  SubstepClock substeps_;
};

}  // namespace math3d
