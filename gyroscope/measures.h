#pragma once
// Quantities derived from the top's state after every step: the azimuth of the
// axle's end, the precession rate measured from it, and the energies.

#include "gyroscope/state.h"

namespace gyroscope {

// Azimuth in degrees, in [0, 360), of the point (x, y) seen from above, counted
// counter-clockwise from +x. A point on the vertical axis has none: `previous` is kept.
float Azimuth(float x, float y, float previous);

// Turn rate about the vertical, in rad/s, of the tip moving from (x0, y0) to
// (x1, y1) seen from above over a step of h seconds: the signed angle between the
// two horizontal directions, taken in double precision so that it stays exact at
// every azimuth. A step that does not advance time (paused) measures no motion.
float PrecessionRate(float x0, float y0, float x1, float y1, float h);

// The precession rate of a fast top, m g d / (I3 w3) in rad/s; 0 without spin.
double TheoreticalPrecession(const State& state);

// KineticEnergy, PotentialEnergy and MechanicalEnergy from BodyOmega, Centre and Gravity.
void ComputeEnergies(State& state);

}  // namespace gyroscope
