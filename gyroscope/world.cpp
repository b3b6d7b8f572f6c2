#include "gyroscope/world.h"

#include "gyroscope/measures.h"
#include "gyroscope/parameters.h"

namespace gyroscope {

using math3d::Matrix3x3;
using math3d::Vector3;

namespace {

math3d::Vector3 AlongAxle(const Matrix3x3& orientation, float distance) {
  return orientation * Vector3(0.0f, 0.0f, distance);
}

void StoreTip(State& state) {
  state.TipX = state.Tip.GetX();
  state.TipY = state.Tip.GetY();
  state.TipZ = state.Tip.GetZ();
}

}  // namespace

simulation_world::simulation_world(State& state) : state_(state) {
  ResetBodies();
}

void simulation_world::ResetBodies() {
  State& s = state_;
  // Centre and tip follow the orientation being loaded, so the reference azimuth
  // and the energies describe it rather than the last stepped pose.
  s.Centre = AlongAxle(s.Orientation, ArmLength);
  s.Tip = AlongAxle(s.Orientation, AxisLength);
  StoreTip(s);
  s.ReferenceAzimuth = Azimuth(s.TipX, s.TipY, s.ReferenceAzimuth);
  s.TipAzimuth = s.ReferenceAzimuth;
  s.RevolutionMark = 0;
  s.RevolutionCount = 0;
  ComputeEnergies(s);

  Body.InverseBodyInertia.At(0, 0) = 1.0f / InertiaX;
  Body.InverseBodyInertia.At(1, 1) = 1.0f / InertiaY;
  Body.InverseBodyInertia.At(2, 2) = 1.0f / InertiaZ;
  for (BodyConfiguration& configuration : Body.Configurations) {
    configuration.Orientation = s.Orientation;
    configuration.AngularMomentum = s.Momentum;
  }
}

void simulation_world::Simulate(float DeltaTime) {
  if (DeltaTime <= 0.0f)
    return;
  Integrate(DeltaTime);
  SourceIndex = SourceIndex ? 0 : 1;
  TargetIndex = TargetIndex ? 0 : 1;
}

void simulation_world::Integrate(float DeltaTime) {
  State& s = state_;
  // Paused, still a step with h = 0: it fills the velocity the first running step turns by.
  const float h = s.Running ? DeltaTime : 0.0f;
  BodyConfiguration& source = Body.Configurations[SourceIndex];
  BodyConfiguration& target = Body.Configurations[TargetIndex];

  // dR/dt = w~ R, explicit, then repaired.
  target.Orientation =
      source.Orientation +
      (h * Matrix3x3(source.AngularVelocity, math3d::SkewSymmetric)) * source.Orientation;
  math3d::Orthonormalize(target.Orientation);
  s.Orientation = target.Orientation;

  const Vector3 weight(0.0f, 0.0f, -Mass * s.Gravity);
  s.Centre = AlongAxle(target.Orientation, ArmLength);
  s.Tip = AlongAxle(target.Orientation, AxisLength);

  // The torque comes from the new orientation: semi-implicit.
  source.Torque = math3d::CrossProduct(s.Centre, weight);
  target.AngularMomentum = source.AngularMomentum + h * source.Torque;
  target.InverseWorldInertia =
      target.Orientation * Body.InverseBodyInertia * math3d::Transpose(target.Orientation);
  target.AngularVelocity = target.InverseWorldInertia * target.AngularMomentum;

  s.MeasuredPrecession = PrecessionRate(s.TipX, s.TipY, s.Tip.GetX(), s.Tip.GetY(), h);
  StoreTip(s);
  s.TipAzimuth = Azimuth(s.TipX, s.TipY, s.TipAzimuth);
  if (s.TipAzimuth < s.ReferenceAzimuth && s.RevolutionCount == s.RevolutionMark)
    s.RevolutionCount = s.RevolutionMark + 1;

  s.Momentum = target.AngularMomentum;
  s.Omega = target.AngularVelocity;
  s.BodyOmega = math3d::Transpose(s.Orientation) * target.AngularVelocity;

  // The spin about the symmetry axis is a constant of motion (the torque is
  // perpendicular to the axle): put it back exactly every step.
  const Vector3 body_momentum(InertiaX * s.BodyOmega.GetX(), InertiaY * s.BodyOmega.GetY(),
                              InertiaZ * s.InitialBodyOmega.GetZ());
  target.AngularMomentum = s.Orientation * body_momentum;

  ComputeEnergies(s);
}

}  // namespace gyroscope
