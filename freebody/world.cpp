#include "freebody/world.h"

namespace freebody {

Matrix3x3 InverseBodyInertia() {
  Matrix3x3 inverse;
  inverse.At(0, 0) = 3.0f / (Mass * (dY * dY + dZ * dZ));
  inverse.At(1, 1) = 3.0f / (Mass * (dX * dX + dZ * dZ));
  inverse.At(2, 2) = 3.0f / (Mass * (dX * dX + dY * dY));
  return inverse;
}

simulation_world::simulation_world(float sizeX, float sizeY, float sizeZ) {
  ResetBodies();
  aWalls[0] = {Vector3(0, -1, 0), sizeY / 2};
  aWalls[1] = {Vector3(0, 1, 0), sizeY / 2};
  aWalls[2] = {Vector3(-1, 0, 0), sizeX / 2};
  aWalls[3] = {Vector3(1, 0, 0), sizeX / 2};
  aWalls[4] = {Vector3(0, 0, -1), sizeZ / 2};
  aWalls[5] = {Vector3(0, 0, 1), sizeZ / 2};
}

void simulation_world::ResetBodies() {
  // Stopped or paused, the block holds still: the momentum only comes with a start.
  const Vector3 momentum = Running ? InitialMomentum : Vector3();
  for (BodyConfiguration& block : aBodies[BlockBody].aConfigurations) {
    block.Orientation = BlockOrientation;
    block.AngularVelocity = Vector3();
    block.AngularMomentum = momentum;
  }
  for (BodyConfiguration& frame : aBodies[FrameBody].aConfigurations) {
    frame.Orientation = FrameOrientation;
    frame.AngularVelocity = Vector3();
  }
  for (RigidBody& body : aBodies) {
    body.OneOverMass = 1.0f / Mass;
    body.InverseBodyInertiaTensor = InverseBodyInertia();
  }
}

void simulation_world::WriteBackOrientations() const {
  BlockOrientation = Source(BlockBody).Orientation;
  FrameOrientation = Source(FrameBody).Orientation;
}

Matrix3x3 EulerOrientation(float phi, float theta, float psi) {
  return math3d::RotationZ(phi) * math3d::RotationX(theta) * math3d::RotationZ(psi);
}

void SetUpSimulation() {
  pWorld = std::make_unique<simulation_world>(WorldSize, WorldSize, WorldSize);
}

void ReleaseScene() {
  pWorld.reset();
}

void ResetWorld() {
  if (pWorld)
    pWorld->ResetBodies();
}

}  // namespace freebody
