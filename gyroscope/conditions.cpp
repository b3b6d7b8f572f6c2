#include "gyroscope/conditions.h"

#include "gyroscope/measures.h"
#include "gyroscope/parameters.h"
#include "gyroscope/simulation.h"
#include "gyroscope/state.h"
#include "gyroscope/trace.h"

namespace gyroscope {

using math3d::Vector3;

namespace {

// Where the trace starts: twice the axle's length along the initial axle.
constexpr float InitialTipDistance = 0.8f;

void CurrentFromInitial() {
  Orientation = InitialOrientation;
  Centre = InitialCentre;
  Omega = InitialOmega;
  BodyOmega = InitialBodyOmega;
  Momentum = InitialMomentum;
}

// Initial velocity and momentum in space axes from the initial orientation and
// body rates, and the current state from them.
void StartFromInitialConditions() {
  const Vector3& w = InitialBodyOmega;
  InitialOmega = InitialOrientation * w;
  InitialMomentum =
      InitialOrientation * Vector3(InertiaX * w.GetX(), InertiaY * w.GetY(), InertiaZ * w.GetZ());
  CurrentFromInitial();
}

void SetInitialBodyOmega(double fx, double fy, double fz) {
  InitialBodyOmega = Vector3(HertzToRadiansPerSecond(fx), HertzToRadiansPerSecond(fy),
                             HertzToRadiansPerSecond(fz));
}

}  // namespace

math3d::Matrix3x3 EulerOrientation(float phi, float theta, float psi) {
  return math3d::RotationZ(phi) * math3d::RotationX(theta) * math3d::RotationZ(psi);
}

float HertzToRadiansPerSecond(double hertz) {
  return static_cast<float>(hertz * double(math3d::TwoPi));
}

void SetDefaultConditions() {
  InitialOrientation = EulerOrientation(0.0f, 270.0f, 0.0f);
  InitialCentre = InitialOrientation * Vector3(0.0f, 0.0f, ArmLength);
  InitialTip = InitialOrientation * Vector3(0.0f, 0.0f, InitialTipDistance);
  GravitySetting = 2.5f;
  FillTrace(InitialTip);
  TracePos = 0;
  SetInitialBodyOmega(0.0, 0.0, 10.0);
  StartFromInitialConditions();
}

void SetEulerAngles(float phi, float theta, float psi) {
  InitialOrientation = EulerOrientation(phi, theta, psi);
  Orientation = InitialOrientation;
  ResetWorld();
}

void ApplyInitialConditions(double fx, double fy, double fz, double gravity_setting) {
  SetInitialBodyOmega(fx, fy, fz);
  GravitySetting = static_cast<float>(gravity_setting);
  StartFromInitialConditions();
  ResetWorld();
}

void ResetSimulation() {
  CurrentFromInitial();
  Gravity = 0.0f;
  Running = false;
  ClearTrace();
  ResetWorld();
}

void SwitchGravity(bool on) {
  Gravity = on ? GravitySetting : 0.0f;
  ComputeEnergies();
}

}  // namespace gyroscope
