#include "gyroscope/simulation.h"

#include <utility>

#include "gyroscope/record.h"
#include "gyroscope/trace.h"

namespace gyroscope {

Simulation::Simulation(math3d::MillisecondClock clock)
    : SteppedRun(RecordColumns(), std::move(clock)) {}

void Simulation::AdvanceFrame() {
  if (StepToClock([this](double t) { return RecordRow(t, state); }))
    RecordTrace(state);
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
