#include "freebody/simulation.h"

#include <utility>

#include "freebody/record.h"
#include "math/check.h"

namespace freebody {

Simulation::Simulation(math3d::MillisecondClock clock)
    : SteppedRun(RecordColumns(), std::move(clock)) {}

void Simulation::AdvanceFrame() {
  if (!StepToClock([this](double t) { return RecordRow(t, *World()); }))
    return;
  KeepOrientations();
}

void Simulation::Step() {
  RB_CHECK(!state.Running, "Simulation");
  if (!World())
    return;
  state.Running = true;
  MutableWorld().LoadRunningMotion();
  StepRunning([this](double t) { return RecordRow(t, *World()); });
  KeepOrientations();
  state.Running = false;
  ResetWorld();  // held still again, as a pause leaves it
}

void Simulation::KeepOrientations() {
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
