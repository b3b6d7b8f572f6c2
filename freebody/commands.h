#pragma once
// What the window's commands do to the simulation; the window adds its captions
// and menu states, the trace tool repeats the same calls.

#include "freebody/world.h"

namespace freebody {

// Whole degrees, as the Euler-angle scroll bars hold them.
struct EulerAngles {
  int phi = 0, theta = 0, psi = 0;
};

// Orientation last computed from the scroll bars or an example; Ok makes it the
// initial one.
inline Matrix3x3 ChosenOrientation;

// The shared state as the program starts, before any command; leaves the world.
void RestoreStartUpState();

// Start (or resume) with InitialMomentum from the orientation on show.
void Start();
// Stop where the block stands.
void Pause();
// Stop and go back to the initial orientation, the room to the ground position.
void ResetSimulation();

// Examples 1 to 3 start about the axis of least, intermediate and greatest moment
// of inertia. Returns the angles the scroll bars must show.
EulerAngles ApplyExample(int example);
// A scroll bar moved: the block, at rest, shows the new orientation at once.
void SetEulerAngles(const EulerAngles& angles);
// Ok on the initial-conditions panel; the momentum takes effect at the next start.
void AcceptInitialConditions(const Vector3& momentum);

}  // namespace freebody
