#pragma once
// The block in the room: its fixed dimensions and inertia, the world holding the
// block and the observer frame, and the state the window's commands set.

#include <memory>

#include "math/math3d.h"

namespace freebody {

using math3d::Matrix3x3;
using math3d::Vector3;

// Cubic room centred on the origin.
inline constexpr float WorldSize = 8.0f;
// Half the block's size along its body axes x, y, z.
inline constexpr float dX = 0.2f;
inline constexpr float dY = 0.8f;
inline constexpr float dZ = 1.8f;
inline constexpr float Density = 0.4f;
inline constexpr float Mass = 8.0f * Density * dX * dY * dZ;
static_assert(Mass > 0.0f);
inline constexpr int NumberOfWalls = 6;

// Body coordinates, principal axes: the diagonal of the inverse inertia tensor.
Matrix3x3 InverseBodyInertia();

struct Wall {
  Vector3 Normal;
  float Distance = 0.0f;
};

struct BodyConfiguration {
  Vector3 Position;                     // world; the block turns about its centre
  Matrix3x3 Orientation;                // body to world
  Vector3 AngularMomentum;              // world
  Matrix3x3 InverseWorldInertiaTensor;  // world
  Vector3 AngularVelocity;              // world, rad/s
};

struct RigidBody {
  float OneOverMass = 0.0f;
  Matrix3x3 InverseBodyInertiaTensor;
  BodyConfiguration aConfigurations[2];
};

// Body 0 is the block, body 1 the observer frame, which only turns.
inline constexpr int BlockBody = 0;
inline constexpr int FrameBody = 1;

class simulation_world {
 public:
  simulation_world(float sizeX, float sizeY, float sizeZ);

  // Loads the shared state into both configurations of both bodies.
  void ResetBodies();
  // One real-time sub-step: integrates only while running, then swaps.
  void Simulate(float dt);
  void Integrate(float h);
  // Draws the room and the block seen from the observer frame (needs a GL context).
  void Render();
  // Makes the state just reached the one later resets start from.
  void WriteBackOrientations() const;

  const BodyConfiguration& Source(int body) const {
    return aBodies[body].aConfigurations[SourceIndex];
  }

  int SourceIndex = 0;
  int TargetIndex = 1;
  Wall aWalls[NumberOfWalls];
  RigidBody aBodies[2];
};

// phi, theta, psi in degrees: RotationZ(phi) * RotationX(theta) * RotationZ(psi).
Matrix3x3 EulerOrientation(float phi, float theta, float psi);

// Shared with the window. Render writes the drawn orientations back into
// BlockOrientation and FrameOrientation every frame.
inline std::unique_ptr<simulation_world> pWorld;
inline Matrix3x3 BlockOrientation;
inline Matrix3x3 FrameOrientation;
inline Matrix3x3 InitialOrientation;
inline const Vector3 StartMomentum(0.0f, 0.0f, 0.2f);
inline Vector3 InitialMomentum = StartMomentum;
inline bool Running = false;
inline bool ShowAxes = false;
inline bool RotatingView = false;

// Creates the room (8 x 8 x 8) with the bodies reset; replaces any previous world.
void SetUpSimulation();
// Safe to call again; nothing steps or draws without a world.
void ReleaseScene();
void ResetWorld();

}  // namespace freebody
