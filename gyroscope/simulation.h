#pragma once
// One run of the top: its State, its world and the clock its frames follow.
// Nothing here draws: the drawing library adds the GL set-up and the frame's paint.

#include "gyroscope/parameters.h"
#include "gyroscope/state.h"
#include "gyroscope/world.h"
#include "math/stepped_run.h"

namespace gyroscope {

// SetUpSimulation, ResetWorld, ReleaseScene, LastTime, World, Reset, SetClock and
// the history come from SteppedRun; gyroscope/record.h makes its rows.
class Simulation : public math3d::SteppedRun<State, simulation_world, MaxStepMicroseconds> {
 public:
  explicit Simulation(math3d::MillisecondClock clock = math3d::SystemMilliseconds);

  // One frame without drawing: advances the world to the clock in whole sub-steps
  // of MaxStep, recording the history's rows on the way, then records the tip into
  // the trace. Nothing without a world.
  void AdvanceFrame();
  // While paused: 10 ms of the running motion, recorded as running frames record
  // it, and still paused. Nothing without a world.
  void Step();
};

// The program's one top, which the window drives.
Simulation& Program();

// Program().ResetWorld() and Program().ReleaseScene(), for the window.
void ResetWorld();
void ReleaseScene();

}  // namespace gyroscope
