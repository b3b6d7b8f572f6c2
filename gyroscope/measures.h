#pragma once
// Quantities derived from the top's state after every step: the azimuth of the
// axle's end, the precession rate measured from it, and the energies.

#include "gyroscope/state.h"

namespace gyroscope {

// Azimuth in degrees, in [0, 360), of the point (x, y) seen from above, counted
// counter-clockwise from +x. A point on the vertical axis has none: `previous` is kept.
float Azimuth(float x, float y, float previous);

// Rate of change of the azimuth over a step of h seconds, in rad/s. The change is
// taken the short way round, so crossing 0/360 is not a full turn in one step; a
// step that does not advance time (paused) measures no motion.
float PrecessionRate(float azimuth, float previous_azimuth, float h);

// KineticEnergy, PotentialEnergy and MechanicalEnergy from BodyOmega, Centre and Gravity.
void ComputeEnergies(State& state);

}  // namespace gyroscope
