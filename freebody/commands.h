#pragma once
// What the window's commands do to the simulation; the window adds its captions
// and menu states, the trace tool repeats the same calls.

#include "freebody/simulation.h"

namespace freebody {

// Whole degrees, as the Euler-angle scroll bars hold them.
struct EulerAngles {
  int phi = 0, theta = 0, psi = 0;
};

// Reset, an example, the scroll bars and Ok also clear the history.

// Start (or resume) with InitialMomentum from the orientation on show.
void Start(Simulation& block);
// Stop where the block stands.
void Pause(Simulation& block);
// Stop and go back to the initial orientation, the room to the ground position.
void ResetSimulation(Simulation& block);

// Examples 1 to 3 start about the axis of least, intermediate and greatest moment
// of inertia. Returns the angles the scroll bars must show.
EulerAngles ApplyExample(Simulation& block, int example);
// A scroll bar moved: the block, at rest, shows the new orientation at once.
void SetEulerAngles(Simulation& block, const EulerAngles& angles);
// Ok on the initial-conditions panel; the momentum takes effect at the next start.
void AcceptInitialConditions(Simulation& block, const Vector3& momentum);

}  // namespace freebody
