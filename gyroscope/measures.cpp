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

float PrecessionRate(float azimuth, float previous_azimuth, float h) {
  if (h == 0.0f)
    return 0.0f;
  float change = azimuth - previous_azimuth;
  if (change >= 180.0f)
    change -= 360.0f;
  if (change < -180.0f)
    change += 360.0f;
  return change * math3d::Pi / (h * 180.0f);
}

void ComputeEnergies(State& state) {
  const math3d::Vector3& w = state.BodyOmega;
  const float wx = w.GetX(), wy = w.GetY(), wz = w.GetZ();
  state.KineticEnergy = 0.5f * (InertiaX * wx * wx + InertiaY * wy * wy + InertiaZ * wz * wz);
  state.PotentialEnergy = Mass * state.Gravity * state.Centre.GetZ();
  state.MechanicalEnergy = state.KineticEnergy + state.PotentialEnergy;
}

}  // namespace gyroscope
