#pragma once
// One run of the block: its State, its world and the clock its frames follow.
// Nothing here draws: the drawing library adds the GL set-up and the frame's paint.

#include "freebody/parameters.h"
#include "freebody/state.h"
#include "freebody/world.h"
#include "math/stepped_run.h"

namespace freebody {

// SetUpSimulation (the room, 8 x 8 x 8), ResetWorld, ReleaseScene, LastTime,
// World, Reset, SetClock and the history come from SteppedRun; freebody/record.h
// makes its rows.
class Simulation : public math3d::SteppedRun<State, simulation_world, MaxStepMicroseconds> {
 public:
  explicit Simulation(math3d::MillisecondClock clock = math3d::SystemMilliseconds);

  // One frame without drawing: advances the world to the clock in whole sub-steps
  // of MaxStep, recording the history's rows on the way, and writes the orientations reached back
  // into the state, where pause, reset and the scroll bars start from. Nothing without a world.
  void AdvanceFrame();
  // While paused: 10 ms of the motion a run has from the orientation on show (the
  // momentum a start gives, turning at once), recorded as running frames record
  // it, and still paused. Nothing without a world.
  void Step();

 private:
  // What the world reached, into the state.
  void KeepOrientations();
};

// The program's one block, which the window drives.
Simulation& Program();

// Program().ResetWorld() and Program().ReleaseScene(), for the window.
void ResetWorld();
void ReleaseScene();

}  // namespace freebody
