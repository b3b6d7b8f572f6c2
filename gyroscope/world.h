#pragma once
// The simulation world: the top as a rigid body turning about a fixed pivot, held
// at two time levels. Each sub-step writes the target level from the source level,
// then the two swap.

#include <cstdint>

#include "math/math3d.h"

namespace gyroscope {

// One time level of the body; vectors in space axes.
struct BodyConfiguration {
  math3d::Vector3 Position;  // origin of the body frame: the pivot
  math3d::Matrix3x3 Orientation;
  math3d::Vector3 AngularMomentum;
  math3d::Vector3 Torque;
  math3d::Matrix3x3 InverseWorldInertia;
  math3d::Vector3 AngularVelocity;
};

struct RigidBody {
  math3d::Matrix3x3 InverseBodyInertia;
  BodyConfiguration Configurations[2];
};

class simulation_world {
 public:
  // Loads the body from the shared state.
  simulation_world();

  // Loads the body again from Orientation and Momentum and restarts the azimuth
  // reference, the revolution count and the energies from them.
  void ResetBodies();

  // Advances by DeltaTime seconds: one integration step and a swap of the two
  // levels; nothing for DeltaTime <= 0.
  void Simulate(float DeltaTime);

  // One semi-implicit Euler step under the weight's torque; a zero step while the
  // window's Running flag is clear.
  void Integrate(float DeltaTime);

  // Draws the scene with the current GL context (the drawing library).
  void Render();

  std::int32_t SourceIndex = 0;
  std::int32_t TargetIndex = 1;
  RigidBody Body;
};

}  // namespace gyroscope
