#include "freebody/simulation.h"

#include <utility>

#include "freebody/record.h"

namespace freebody {

Simulation::Simulation(math3d::MillisecondClock clock)
    : SteppedRun(RecordColumns(), std::move(clock)) {}

void Simulation::AdvanceFrame() {
  if (!StepToClock([this](double t) { return RecordRow(t, *World()); }))
    return;
  state.BlockOrientation = World()->Source(BlockBody).Orientation;
  state.FrameOrientation = World()->Source(FrameBody).Orientation;
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

}  // namespace freebody
