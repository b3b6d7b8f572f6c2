#include "freebody/step.h"

#include <utility>

#include "freebody/world.h"

namespace freebody {
namespace {

math3d::MillisecondClock Clock = math3d::SystemMilliseconds;
math3d::SubstepClock FrameClock;

}  // namespace

void SetClock(math3d::MillisecondClock clock) {
  Clock = std::move(clock);
  FrameClock = {};
}

void AdvanceFrame() {
  if (!pWorld)
    return;
  FrameClock.RunFrame(Clock(), MaxStepMicroseconds, [](float h) { pWorld->Simulate(h); });
}

double LastTime() {
  return FrameClock.LastTime();
}

void simulation_world::Simulate(float dt) {
  if (dt <= 0.0f)
    return;
  if (Running)
    Integrate(dt);
  std::swap(SourceIndex, TargetIndex);
}

void simulation_world::Integrate(float h) {
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

  // The rotating frame cancels the block's turn about the vertical.
  frameTarget.AngularVelocity =
      Running && RotatingView ? Vector3(0, 0, -blockTarget.AngularVelocity.GetZ()) : Vector3();
}

}  // namespace freebody
