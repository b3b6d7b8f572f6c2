#include "gyroscope/world.h"

#include "gyroscope/measures.h"
#include "gyroscope/parameters.h"

namespace gyroscope {

using math3d::Matrix3x3;
using math3d::Vector3;

namespace {

// The products below leave out the terms whose factor is a zero entry. With finite
// factors such a term is a signed zero, and a signed zero added to a sum that
// started at +0 (as every math3d product's does) leaves it unchanged: each result
// has the bits of the full product.

// orientation * (0, 0, distance).
Vector3 AlongAxle(const Matrix3x3& orientation, float distance) {
  return Vector3(0.0f + orientation.At(0, 2) * distance, 0.0f + orientation.At(1, 2) * distance,
                 0.0f + orientation.At(2, 2) * distance);
}

// (h * Matrix3x3(w, SkewSymmetric)) * m, whose diagonal is zero.
Matrix3x3 SkewTimes(float h, const Vector3& w, const Matrix3x3& m) {
  const float a01 = h * -w[2], a02 = h * w[1];
  const float a10 = h * w[2], a12 = h * -w[0];
  const float a20 = h * -w[1], a21 = h * w[0];
  Matrix3x3 p;
  for (unsigned j = 0; j < 3; ++j) {
    p.At(0, j) = (0.0f + a01 * m.At(1, j)) + a02 * m.At(2, j);
    p.At(1, j) = (0.0f + a10 * m.At(0, j)) + a12 * m.At(2, j);
    p.At(2, j) = (0.0f + a20 * m.At(0, j)) + a21 * m.At(1, j);
  }
  return p;
}

// The inverse of the principal moments, the diagonal of the body's inverse inertia.
constexpr float InverseInertia[3] = {1.0f / InertiaX, 1.0f / InertiaY, 1.0f / InertiaZ};

// m * diag(d). Only a factor of the next product, where the sign of a zero entry
// makes no difference, so the +0 each sum starts at is left out too.
Matrix3x3 ScaledColumns(const Matrix3x3& m, const float (&d)[3]) {
  Matrix3x3 p;
  for (unsigned i = 0; i < 3; ++i)
    for (unsigned j = 0; j < 3; ++j) p.At(i, j) = m.At(i, j) * d[j];
  return p;
}

void StoreTip(State& state) {
  state.TipX = state.Tip.GetX();
  state.TipY = state.Tip.GetY();
  state.TipZ = state.Tip.GetZ();
}

// Once Tip holds the new position: the precession measured from the tip's position
// and azimuth before the step of h seconds, TipX/Y/Z, the azimuth, the revolution
// count and the energies.
void StoreTipMotion(State& s, float h, float tip_x, float tip_y, float azimuth) {
  s.MeasuredPrecession = PrecessionRate(tip_x, tip_y, s.Tip.GetX(), s.Tip.GetY(), h);
  StoreTip(s);
  s.TipAzimuth = Azimuth(s.TipX, s.TipY, azimuth);
  if (s.TipAzimuth < s.ReferenceAzimuth && s.RevolutionCount == s.RevolutionMark)
    s.RevolutionCount = s.RevolutionMark + 1;
  ComputeEnergies(s);
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

  for (BodyConfiguration& configuration : Body.Configurations) {
    configuration.Orientation = s.Orientation;
    configuration.AngularMomentum = s.Momentum;
  }
  if (integrator_ == math3d::Integrator::Exact)
    LoadExact();
}

void simulation_world::SetIntegrator(math3d::Integrator integrator) {
  if (integrator == integrator_)
    return;
  integrator_ = integrator;
  if (integrator == math3d::Integrator::Exact) {
    LoadExact();
    return;
  }
  // The scheme goes on from the state the exact steps have written.
  for (BodyConfiguration& configuration : Body.Configurations) {
    configuration.Orientation = state_.Orientation;
    configuration.AngularMomentum = state_.Momentum;
    configuration.AngularVelocity = state_.Omega;
  }
}

void simulation_world::LoadExact() {
  const BodyConfiguration& source = Body.Configurations[SourceIndex];
  exact_.Load(source.Orientation, source.AngularMomentum,
              double(InertiaZ) * state_.InitialBodyOmega.GetZ());
}

void simulation_world::StepExact(float DeltaTime) {
  State& s = state_;
  const float h = s.Running ? DeltaTime : 0.0f;
  const float tip_x = s.TipX, tip_y = s.TipY, azimuth = s.TipAzimuth;
  exact_.Step(h, s.Gravity);
  exact_.Store(s);
  StoreTipMotion(s, h, tip_x, tip_y, azimuth);
}

void simulation_world::Simulate(float DeltaTime) {
  if (DeltaTime <= 0.0f)
    return;
  if (integrator_ == math3d::Integrator::Exact) {
    StepExact(DeltaTime);
    return;
  }
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
  // The step computes everything before it writes anything: the state and the two
  // levels never share memory, but the compiler cannot know it and would reload
  // after every store. The source level is read in place: a copy of it first
  // measured slower (more spills to the stack).
  const Matrix3x3& r = source.Orientation;
  const Vector3& w = source.AngularVelocity;
  const Vector3& momentum = source.AngularMomentum;
  const float gravity = s.Gravity, spin = s.InitialBodyOmega.GetZ();
  const float tip_x = s.TipX, tip_y = s.TipY, azimuth = s.TipAzimuth;

  // dR/dt = w~ R, explicit, then repaired.
  Matrix3x3 orientation = r + SkewTimes(h, w, r);
  math3d::Orthonormalize(orientation);

  const Vector3 weight(0.0f, 0.0f, -Mass * gravity);
  const Vector3 centre = AlongAxle(orientation, ArmLength);
  const Vector3 tip = AlongAxle(orientation, AxisLength);

  // The torque comes from the new orientation: semi-implicit.
  const Vector3 torque = math3d::CrossProduct(centre, weight);
  const Vector3 new_momentum = momentum + h * torque;
  const Matrix3x3 inverse_world_inertia =
      ScaledColumns(orientation, InverseInertia) * math3d::Transpose(orientation);
  const Vector3 omega = inverse_world_inertia * new_momentum;
  const Vector3 body_omega = math3d::Transpose(orientation) * omega;

  // The spin about the symmetry axis is a constant of motion (the torque is
  // perpendicular to the axle): put it back exactly every step.
  const Vector3 body_momentum(InertiaX * body_omega.GetX(), InertiaY * body_omega.GetY(),
                              InertiaZ * spin);

  target.Orientation = orientation;
  source.Torque = torque;
  target.InverseWorldInertia = inverse_world_inertia;
  target.AngularVelocity = omega;
  target.AngularMomentum = orientation * body_momentum;

  s.Orientation = orientation;
  s.Centre = centre;
  s.Tip = tip;
  s.Momentum = new_momentum;
  s.Omega = omega;
  s.BodyOmega = body_omega;
  StoreTipMotion(s, h, tip_x, tip_y, azimuth);
}

}  // namespace gyroscope
