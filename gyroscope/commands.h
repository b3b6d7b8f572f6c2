#pragma once
// The physics half of the window's commands, shared by the window and the trace
// tool so that both drive the top the same way.

#include "gyroscope/simulation.h"

namespace gyroscope {

// The commands that set new initial conditions or reset also clear the history.

// The Euler-angle scroll bars, in degrees: current and initial orientation, then the world.
void SetEulerAngles(Simulation& top, float phi, float theta, float psi);

// OK of the initial-conditions panel: rotation frequencies about the body axes in
// hertz and the gravity that switching gravity on will apply; the initial and
// current state follow, then the world.
void ApplyInitialConditions(Simulation& top, double fx, double fy, double fz,
                            double gravity_setting);

// Start (or go on) and pause: the world keeps stepping while paused, with no time.
void Start(Simulation& top);
void Pause(Simulation& top);

// Back to the initial conditions, paused, gravity off, the trace at the pivot.
void ResetSimulation(Simulation& top);

// Gravity on (GravitySetting) or off; the energies follow at once.
void SwitchGravity(Simulation& top, bool on);

}  // namespace gyroscope
