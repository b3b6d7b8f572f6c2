#pragma once
// One run of the top: its State, its world and the clock its frames follow.
// Nothing here draws: the drawing library adds the GL set-up and the frame's paint.

#include "gyroscope/parameters.h"
#include "gyroscope/state.h"
#include "gyroscope/world.h"
#include "math/stepped_run.h"
#include "record/history.h"

namespace gyroscope {

// SetUpSimulation, ResetWorld, ReleaseScene, LastTime, World, Reset and SetClock
// come from SteppedRun.
class Simulation : public math3d::SteppedRun<State, simulation_world, MaxStepMicroseconds> {
 public:
  using SteppedRun::SteppedRun;

  // One frame without drawing: advances the world to the clock in whole sub-steps
  // of MaxStep, then records the tip into the trace. Nothing without a world.
  void AdvanceFrame();

  record::History history{{"t",
                           "tip_x",
                           "tip_y",
                           "tip_z",
                           "azimuth",
                           "measured_precession",
                           "omega_x",
                           "omega_y",
                           "omega_z",
                           "body_omega_x",
                           "body_omega_y",
                           "body_omega_z",
                           "momentum_x",
                           "momentum_y",
                           "momentum_z",
                           "kinetic",
                           "potential",
                           "mechanical",
                           "revolution_count",
                           "theoretical_precession"}};
};

// The program's one top, which the window drives.
Simulation& Program();

// Program().ResetWorld() and Program().ReleaseScene(), for the window.
void ResetWorld();
void ReleaseScene();

}  // namespace gyroscope
