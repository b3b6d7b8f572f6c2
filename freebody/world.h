#pragma once
// The block and the observer frame as rigid bodies, each held at two time levels:
// each sub-step writes the target level from the source level, then the two swap.
// The world reads the program's State.

#include "freebody/state.h"
#include "math/integrator.h"
#include "math/math3d.h"

namespace freebody {

// Body coordinates, principal axes: the diagonal of the inverse inertia tensor.
Matrix3x3 InverseBodyInertia();

// One time level; the block turns about its centre, at the origin.
struct BodyConfiguration {
  Matrix3x3 Orientation;                // body to world
  Vector3 AngularMomentum;              // world
  Matrix3x3 InverseWorldInertiaTensor;  // world
  Vector3 AngularVelocity;              // world, rad/s
};

struct RigidBody {
  Matrix3x3 InverseBodyInertiaTensor;
  BodyConfiguration aConfigurations[2];
};

// Body 0 is the block, body 1 the observer frame, which only turns.
inline constexpr int BlockBody = 0;
inline constexpr int FrameBody = 1;

class simulation_world {
 public:
  // Loads the bodies from `state`, which must outlive the world.
  explicit simulation_world(const State& state);

  // Loads the state into both configurations of both bodies; the block gets
  // InitialMomentum only while running.
  void ResetBodies();
  // Running, the motion a running sub-step leaves at the orientation on show:
  // InitialMomentum, the velocity it gives there and the view's turn against it.
  // A start instead begins at rest for one sub-step.
  void LoadRunningMotion();
  // One real-time sub-step: integrates only while running, then swaps.
  void Simulate(float dt);
  // From the next sub-step on the body moves by `integrator`, going on from where it stands.
  void SetIntegrator(math3d::Integrator integrator) { integrator_ = integrator; }
  void Integrate(float h);

  const BodyConfiguration& Source(int body) const {
    return aBodies[body].aConfigurations[SourceIndex];
  }

  int SourceIndex = 0;
  int TargetIndex = 1;
  RigidBody aBodies[2];

 private:
  math3d::Integrator integrator_ = math3d::Integrator::Scheme;
  // The observer frame's velocity against the block's.
  Vector3 FrameTurn(const Vector3& block_velocity) const;

  const State& state_;
};

}  // namespace freebody
