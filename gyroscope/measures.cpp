#include "gyroscope/measures.h"

#include <cmath>

#include "gyroscope/parameters.h"

namespace gyroscope {

float Azimuth(float x, float y, float previous) {
  const float rho2 = x * x + y * y;
  if (rho2 == 0.0f)
    return previous;
  const float degrees = std::acos(x / std::sqrt(rho2)) * 180.0f / math3d::Pi;
  return y >= 0.0f ? degrees : 360.0f - degrees;
}

float PrecessionRate(float x0, float y0, float x1, float y1, float h) {
  if (h == 0.0f)
    return 0.0f;
  const double cross = double(x0) * y1 - double(y0) * x1;
  const double dot = double(x0) * x1 + double(y0) * y1;
  return float(std::atan2(cross, dot) / h);
}

double TheoreticalPrecession(const State& state) {
  const float spin = state.BodyOmega.GetZ();
  if (spin == 0.0f)
    return 0.0;
  return double(Mass) * state.Gravity * ArmLength / (double(InertiaZ) * spin);
}

void ComputeEnergies(State& state) {
  const math3d::Vector3& w = state.BodyOmega;
  const float wx = w.GetX(), wy = w.GetY(), wz = w.GetZ();
  state.KineticEnergy = 0.5f * (InertiaX * wx * wx + InertiaY * wy * wy + InertiaZ * wz * wz);
  state.PotentialEnergy = Mass * state.Gravity * state.Centre.GetZ();
  state.MechanicalEnergy = state.KineticEnergy + state.PotentialEnergy;
}

}  // namespace gyroscope
