#include "freebody/world.h"

#include <utility>

namespace freebody {

Matrix3x3 InverseBodyInertia() {
  Matrix3x3 inverse;
  inverse.At(0, 0) = 3.0f / (Mass * (dY * dY + dZ * dZ));
  inverse.At(1, 1) = 3.0f / (Mass * (dX * dX + dZ * dZ));
  inverse.At(2, 2) = 3.0f / (Mass * (dX * dX + dY * dY));
  return inverse;
}

simulation_world::simulation_world(const State& state) : state_(state) {
  ResetBodies();
}

void simulation_world::ResetBodies() {
  // Stopped or paused, the block holds still: the momentum only comes with a start.
  const Vector3 momentum = state_.Running ? state_.InitialMomentum : Vector3();
  for (BodyConfiguration& block : aBodies[BlockBody].aConfigurations) {
    block.Orientation = state_.BlockOrientation;
    block.AngularVelocity = Vector3();
    block.AngularMomentum = momentum;
  }
  for (BodyConfiguration& frame : aBodies[FrameBody].aConfigurations) {
    frame.Orientation = state_.FrameOrientation;
    frame.AngularVelocity = Vector3();
  }
  for (RigidBody& body : aBodies) body.InverseBodyInertiaTensor = InverseBodyInertia();
  if (integrator_ == math3d::Integrator::Exact)
    ReloadExact();
}

void simulation_world::LoadRunningMotion() {
  RigidBody& block = aBodies[BlockBody];
  for (BodyConfiguration& configuration : block.aConfigurations)
    configuration.AngularMomentum = state_.InitialMomentum;
  BodyConfiguration& now = block.aConfigurations[SourceIndex];
  now.InverseWorldInertiaTensor =
      now.Orientation * block.InverseBodyInertiaTensor * math3d::Transpose(now.Orientation);
  now.AngularVelocity = now.InverseWorldInertiaTensor * now.AngularMomentum;
  aBodies[FrameBody].aConfigurations[SourceIndex].AngularVelocity = FrameTurn(now.AngularVelocity);
  if (integrator_ == math3d::Integrator::Exact)
    ReloadExact();
}

void simulation_world::SetIntegrator(math3d::Integrator integrator) {
  // Back to the scheme needs nothing: every exact sub-step wrote the whole target level.
  if (integrator == math3d::Integrator::Exact && integrator_ != integrator)
    LoadExact();
  integrator_ = integrator;
}

void simulation_world::LoadExact() {
  const BodyConfiguration& block = Source(BlockBody);
  exact_.Load(block.Orientation, block.AngularMomentum, Source(FrameBody).Orientation);
}

void simulation_world::ReloadExact() {
  LoadExact();
  const Matrix3x3 inverse_world_inertia = exact_.InverseWorldInertiaTensor();
  const Vector3 velocity = exact_.AngularVelocity();
  for (BodyConfiguration& level : aBodies[BlockBody].aConfigurations) {
    level.InverseWorldInertiaTensor = inverse_world_inertia;
    level.AngularVelocity = velocity;
  }
  for (BodyConfiguration& level : aBodies[FrameBody].aConfigurations)
    level.AngularVelocity = FrameTurn(velocity);
}

void simulation_world::Simulate(float dt) {
  if (dt <= 0.0f)
    return;
  // Paused, no step: an h = 0 step re-repairs the orientations and moves their last bits.
  if (state_.Running)
    Integrate(dt);
  std::swap(SourceIndex, TargetIndex);
}

void simulation_world::Integrate(float h) {
  if (integrator_ == math3d::Integrator::Exact) {
    IntegrateExact(h);
    return;
  }
  RigidBody& block = aBodies[BlockBody];
  BodyConfiguration& blockSource = block.aConfigurations[SourceIndex];
  BodyConfiguration& blockTarget = block.aConfigurations[TargetIndex];
  const BodyConfiguration& frameSource = aBodies[FrameBody].aConfigurations[SourceIndex];
  BodyConfiguration& frameTarget = aBodies[FrameBody].aConfigurations[TargetIndex];

  // Explicit first-order turn with the source angular velocities.
  const Matrix3x3 blockSkew(blockSource.AngularVelocity, math3d::SkewSymmetric);
  const Matrix3x3 frameSkew(frameSource.AngularVelocity, math3d::SkewSymmetric);
  blockTarget.Orientation = blockSource.Orientation + (h * blockSkew) * blockSource.Orientation;
  frameTarget.Orientation = frameSource.Orientation + (h * frameSkew) * frameSource.Orientation;
  math3d::Orthonormalize(blockTarget.Orientation);
  math3d::Orthonormalize(frameTarget.Orientation);

  // Torque-free: the momentum stays put in world axes, the velocity follows the turn.
  blockTarget.InverseWorldInertiaTensor = blockTarget.Orientation * block.InverseBodyInertiaTensor *
                                          math3d::Transpose(blockTarget.Orientation);
  blockTarget.AngularVelocity = blockTarget.InverseWorldInertiaTensor * blockTarget.AngularMomentum;

  frameTarget.AngularVelocity = FrameTurn(blockTarget.AngularVelocity);
}

void simulation_world::IntegrateExact(float h) {
  exact_.Step(h, state_.RotatingView);
  BodyConfiguration& block = aBodies[BlockBody].aConfigurations[TargetIndex];
  block.Orientation = exact_.Orientation();
  block.AngularMomentum = exact_.AngularMomentum();
  block.InverseWorldInertiaTensor = exact_.InverseWorldInertiaTensor();
  block.AngularVelocity = exact_.AngularVelocity();
  BodyConfiguration& frame = aBodies[FrameBody].aConfigurations[TargetIndex];
  frame.Orientation = exact_.FrameOrientation();
  frame.AngularVelocity = FrameTurn(block.AngularVelocity);
}

Vector3 simulation_world::FrameTurn(const Vector3& block_velocity) const {
  // The rotating frame cancels the block's turn about the vertical.
  return state_.Running && state_.RotatingView ? Vector3(0, 0, -block_velocity.GetZ()) : Vector3();
}

}  // namespace freebody
