#include "gyroscope/simulation.h"

#include <cstdint>
#include <utility>

#include "gyroscope/record.h"
#include "gyroscope/trace.h"
#include "math/check.h"

namespace gyroscope {

Simulation::Simulation(math3d::MillisecondClock clock)
    : SteppedRun(RecordColumns(), std::move(clock)) {}

void Simulation::AdvanceFrame() {
  const std::uint64_t before = ClockMicroseconds();
  if (StepToClock([this](double t) { return RecordRow(t, state); }))
    RecordTrace(state, ClockMicroseconds() - before);
}

void Simulation::Step() {
  RB_CHECK(!state.Running, "Simulation");
  state.Running = true;
  const bool stepped = StepRunning([this](double t) { return RecordRow(t, state); });
  state.Running = false;
  if (stepped)
    RecordTrace(state, SingleStepUs);
}

Simulation& Program() {
  static Simulation program;
  return program;
}

void ResetWorld() {
  Program().ResetWorld();
}

void ReleaseScene() {
  Program().ReleaseScene();
}

}  // namespace gyroscope
