#pragma once
// Initial conditions and the physics half of the window's commands, shared by the
// window and the trace tool so that both drive the top the same way.

#include "math/math3d.h"

namespace gyroscope {

// RotationZ(phi) * RotationX(theta) * RotationZ(psi), angles in degrees.
math3d::Matrix3x3 EulerOrientation(float phi, float theta, float psi);

float HertzToRadiansPerSecond(double hertz);

// The start-up conditions: axle horizontal along +y, spin 10 Hz, gravity setting
// 2.5 m/s^2, every trace slot at the initial tip; the current state follows them.
void SetDefaultConditions();

// The Euler-angle scroll bars: current and initial orientation, then the world.
void SetEulerAngles(float phi, float theta, float psi);

// OK of the initial-conditions panel: rotation frequencies about the body axes in
// hertz and the gravity that switching gravity on will apply; the initial and
// current state follow, then the world.
void ApplyInitialConditions(double fx, double fy, double fz, double gravity_setting);

// Back to the initial conditions, paused, gravity off, the trace at the pivot.
void ResetSimulation();

// Gravity on (GravitySetting) or off; the energies follow at once.
void SwitchGravity(bool on);

}  // namespace gyroscope
