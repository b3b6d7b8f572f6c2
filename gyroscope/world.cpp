#include "gyroscope/world.h"

#include "gyroscope/measures.h"
#include "gyroscope/parameters.h"
#include "gyroscope/state.h"

namespace gyroscope {

using math3d::Matrix3x3;
using math3d::Vector3;

namespace {

math3d::Vector3 AlongAxle(const Matrix3x3& orientation, float distance) {
  return orientation * Vector3(0.0f, 0.0f, distance);
}

void StoreTip() {
  TipX = Tip.GetX();
  TipY = Tip.GetY();
  TipZ = Tip.GetZ();
}

}  // namespace

simulation_world::simulation_world() {
  ResetBodies();
}

void simulation_world::ResetBodies() {
  // Centre and tip follow the orientation being loaded, so the reference azimuth
  // and the energies describe it rather than the last stepped pose.
  Centre = AlongAxle(Orientation, ArmLength);
  Tip = AlongAxle(Orientation, AxisLength);
  StoreTip();
  ReferenceAzimuth = Azimuth(TipX, TipY, ReferenceAzimuth);
  TipAzimuth = ReferenceAzimuth;
  RevolutionMark = 0;
  RevolutionCount = 0;
  ComputeEnergies();

  Body.InverseBodyInertia.At(0, 0) = 1.0f / InertiaX;
  Body.InverseBodyInertia.At(1, 1) = 1.0f / InertiaY;
  Body.InverseBodyInertia.At(2, 2) = 1.0f / InertiaZ;
  for (BodyConfiguration& configuration : Body.Configurations) {
    configuration.Orientation = Orientation;
    configuration.AngularMomentum = Momentum;
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
  const float h = Running ? DeltaTime : 0.0f;
  BodyConfiguration& source = Body.Configurations[SourceIndex];
  BodyConfiguration& target = Body.Configurations[TargetIndex];

  // dR/dt = w~ R, explicit, then repaired.
  target.Orientation =
      source.Orientation +
      (h * Matrix3x3(source.AngularVelocity, math3d::SkewSymmetric)) * source.Orientation;
  math3d::Orthonormalize(target.Orientation);
  Orientation = target.Orientation;

  const Vector3 weight(0.0f, 0.0f, -Mass * Gravity);
  Centre = AlongAxle(target.Orientation, ArmLength);
  Tip = AlongAxle(target.Orientation, AxisLength);

  // The torque comes from the new orientation: semi-implicit.
  source.Torque = math3d::CrossProduct(Centre, weight);
  target.AngularMomentum = source.AngularMomentum + h * source.Torque;
  target.InverseWorldInertia =
      target.Orientation * Body.InverseBodyInertia * math3d::Transpose(target.Orientation);
  target.AngularVelocity = target.InverseWorldInertia * target.AngularMomentum;

  StoreTip();
  PreviousTipAzimuth = TipAzimuth;
  TipAzimuth = Azimuth(TipX, TipY, TipAzimuth);
  if (TipAzimuth < ReferenceAzimuth && RevolutionCount == RevolutionMark)
    RevolutionCount = RevolutionMark + 1;
  MeasuredPrecession = PrecessionRate(TipAzimuth, PreviousTipAzimuth, h);

  Momentum = target.AngularMomentum;
  Omega = target.AngularVelocity;
  BodyOmega = math3d::Transpose(Orientation) * target.AngularVelocity;

  // The spin about the symmetry axis is a constant of motion (the torque is
  // perpendicular to the axle): put it back exactly every step.
  const Vector3 body_momentum(InertiaX * BodyOmega.GetX(), InertiaY * BodyOmega.GetY(),
                              InertiaZ * InitialBodyOmega.GetZ());
  target.AngularMomentum = Orientation * body_momentum;

  ComputeEnergies();
}

}  // namespace gyroscope
