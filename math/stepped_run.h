#pragma once
// What every simulation's run holds the same way: its State, the world built on
// that state, the frame clock that advances the world in whole sub-steps of
// StepUs microseconds, and the history of rows recorded on the way.
// WorldType(State&) loads the world from the state, ResetBodies() loads it again,
// Simulate(h) advances it by one sub-step, SetIntegrator(i) changes how from now
// on; State has a Running switch.

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "math/integrator.h"
#include "math/substep_clock.h"
#include "record/history.h"

namespace math3d {

template <class State, class WorldType, std::uint32_t StepUs>
class SteppedRun {
 public:
  // Microseconds of running time between two recorded rows, and in a single step.
  static constexpr std::uint32_t RecordUs = 10000;
  static constexpr std::uint32_t SingleStepUs = 10000;
  static_assert(StepUs > 0 && RecordUs % StepUs == 0 && SingleStepUs % StepUs == 0);

  // The program's start, without a world; frames read `clock`, rows have `columns`.
  SteppedRun(std::vector<std::string> columns, MillisecondClock clock)
      : history(std::move(columns)), frames_(std::move(clock)) {}
  SteppedRun(const SteppedRun&) = delete;
  SteppedRun& operator=(const SteppedRun&) = delete;

  // Default conditions and a new world from them, replacing any.
  void SetUpSimulation() {
    state = State();
    history.Clear();
    world_ = std::make_unique<WorldType>(state);
    world_->SetIntegrator(integrator_);
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
    history.Clear();
    frames_.Restart();
  }
  // Frames follow `clock` from now on; the next frame only reads it.
  void SetClock(MillisecondClock clock) { frames_ = FrameClock(std::move(clock)); }
  // Slow motion: from now on the world advances 1/slowdown as fast as the clock
  // (a divisor of 1000); resets keep it.
  void SetSlowdown(std::uint32_t slowdown) { frames_.ChangeSpeed(slowdown); }
  std::uint32_t Slowdown() const { return frames_.Slowdown(); }
  // From now on the world moves by `integrator`, going on from the state it has;
  // new worlds and resets keep it.
  void SetIntegrator(Integrator integrator) {
    integrator_ = integrator;
    if (world_)
      world_->SetIntegrator(integrator);
  }
  Integrator CurrentIntegrator() const { return integrator_; }

  State state;
  // Rows since the last reset, cleared by the commands that start over: one at
  // t = 0 when the first running frame starts, then one at every RecordUs of
  // running time, wherever the frames fall. Sub-steps while paused do not count.
  record::History history;

 protected:
  // Advances the world to the clock, recording `row(t)` (t in seconds since the
  // reset) into the history; false, doing nothing, without a world. No command
  // comes within a frame, so Running holds for all its sub-steps.
  template <class Row>
  bool StepToClock(Row&& row) {
    if (!world_)
      return false;
    if (!state.Running) {
      frames_.Advance(StepUs, [this](float h) { world_->Simulate(h); });
      return true;
    }
    StartHistory(row);
    frames_.Advance(StepUs, [&](float h) { RunningSubstep(h, row); });
    return true;
  }
  // Advances the world by SingleStepUs of running time, recording as running
  // frames do, without the clock; the caller has set Running. False without a world.
  template <class Row>
  bool StepRunning(Row&& row) {
    if (!world_)
      return false;
    StartHistory(row);
    for (std::uint32_t us = 0; us < SingleStepUs; us += StepUs)
      RunningSubstep(StepSeconds(StepUs), row);
    return true;
  }
  // Microseconds the clock has advanced the world since the first frame.
  std::uint64_t ClockMicroseconds() const { return frames_.SteppedMicroseconds(); }
  // Only with a world.
  WorldType& MutableWorld() { return *world_; }

 private:
  template <class Row>
  void StartHistory(Row& row) {
    if (history.Added() == 0) {
      history.Add(row(0.0));
      unrecorded_us_ = 0;
    }
  }
  template <class Row>
  void RunningSubstep(float h, Row& row) {
    world_->Simulate(h);
    unrecorded_us_ += StepUs;
    if (unrecorded_us_ == RecordUs) {
      unrecorded_us_ = 0;
      // Whole microseconds, divided once: t is the double nearest the exact time.
      history.Add(row(double(history.Added() * RecordUs) / 1e6));
    }
  }

  std::unique_ptr<WorldType> world_;
  FrameClock frames_;
  std::uint32_t unrecorded_us_ = 0;  // running time since the last row
  Integrator integrator_ = Integrator::Scheme;
};

}  // namespace math3d
