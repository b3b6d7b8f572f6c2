#pragma once
// One run of the block: its State, its world and the clock its frames follow.
// Nothing here draws: the drawing library adds the GL set-up and the frame's paint.

#include "freebody/parameters.h"
#include "freebody/state.h"
#include "freebody/world.h"
#include "math/stepped_run.h"
#include "record/history.h"

namespace freebody {

// SetUpSimulation (the room, 8 x 8 x 8), ResetWorld, ReleaseScene, LastTime,
// World, Reset and SetClock come from SteppedRun.
class Simulation : public math3d::SteppedRun<State, simulation_world, MaxStepMicroseconds> {
 public:
  using SteppedRun::SteppedRun;

  // One frame without drawing: advances the world to the clock in whole sub-steps
  // of MaxStep and writes the orientations reached back into the state, where
  // pause, reset and the scroll bars start from. Nothing without a world.
  void AdvanceFrame();

  record::History history{
      {"t",       "b00",     "b01",          "b02",          "b10",          "b11",       "b12",
       "b20",     "b21",     "b22",          "f00",          "f01",          "f02",       "f10",
       "f11",     "f12",     "f20",          "f21",          "f22",          "omega_x",   "omega_y",
       "omega_z", "kinetic", "body_omega_x", "body_omega_y", "body_omega_z", "axis_angle"}};
};

// The program's one block, which the window drives.
Simulation& Program();

// Program().ResetWorld() and Program().ReleaseScene(), for the window.
void ResetWorld();
void ReleaseScene();

}  // namespace freebody
