#pragma once
// What every simulation's run holds the same way: its State, the world built on
// that state, and the frame clock that advances the world in whole sub-steps of
// StepUs microseconds. WorldType(State&) loads the world from the state,
// ResetBodies() loads it again, Simulate(h) advances it by one sub-step.

#include <cstdint>
#include <memory>
#include <utility>

#include "math/substep_clock.h"

namespace math3d {

template <class State, class WorldType, std::uint32_t StepUs>
class SteppedRun {
  static_assert(StepUs > 0);

 public:
  // The program's start, without a world; frames read `clock`.
  explicit SteppedRun(MillisecondClock clock = SystemMilliseconds) : frames_(std::move(clock)) {}
  SteppedRun(const SteppedRun&) = delete;
  SteppedRun& operator=(const SteppedRun&) = delete;

  // Default conditions and a new world from them, replacing any.
  void SetUpSimulation() {
    state = State();
    world_ = std::make_unique<WorldType>(state);
  }
  // Loads the world from the state again after a command has changed it; nothing
  // without a world.
  void ResetWorld() {
    if (world_)
      world_->ResetBodies();
  }
  // Deletes the world; safe to call again.
  void ReleaseScene() { world_.reset(); }
  // Seconds of clock time the world has been advanced since the first frame.
  double LastTime() const { return frames_.LastTime(); }
  // Null without a world.
  const WorldType* World() const { return world_.get(); }
  // Back to the program's start: default state, no world, the frame timing restarted.
  void Reset() {
    ReleaseScene();
    state = State();
    frames_.Restart();
  }
  // Frames follow `clock` from now on; the next frame only reads it.
  void SetClock(MillisecondClock clock) { frames_ = FrameClock(std::move(clock)); }

  State state;

 protected:
  // Advances the world to the clock; false, doing nothing, without a world.
  bool StepToClock() {
    if (!world_)
      return false;
    frames_.Advance(StepUs, [this](float h) { world_->Simulate(h); });
    return true;
  }

 private:
  std::unique_ptr<WorldType> world_;
  FrameClock frames_;
};

}  // namespace math3d
