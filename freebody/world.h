#pragma once
// The block and the observer frame as rigid bodies, each held at two time levels:
// each sub-step writes the target level from the source level, then the two swap.
// In the exact mode the motion is held in double precision and written to the target
// level. The world reads the program's State.

#include "freebody/exact.h"
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
  // InitialMomentum only while running. The scheme begins at rest for one sub-step,
  // the exact mode with the velocity the momentum gives.
  void ResetBodies();
  // Running, the motion a running sub-step leaves at the orientation on show:
  // InitialMomentum, the velocity it gives there and the view's turn against it.
  void LoadRunningMotion();
  // One real-time sub-step: integrates only while running, then swaps.
  void Simulate(float dt);
  // From the next sub-step on the body moves by `integrator`, going on from the
  // source level, which the switch leaves as it is.
  void SetIntegrator(math3d::Integrator integrator);
  void Integrate(float h);

  const BodyConfiguration& Source(int body) const {
    return aBodies[body].aConfigurations[SourceIndex];
  }

  int SourceIndex = 0;
  int TargetIndex = 1;
  RigidBody aBodies[2];

 private:
  // The observer frame's velocity against the block's.
  Vector3 FrameTurn(const Vector3& block_velocity) const;
  // The exact motion from the source level.
  void LoadExact();
  // The same, and both levels get the velocities it gives.
  void ReloadExact();
  // One exact sub-step, written to the whole target level.
  void IntegrateExact(float h);

  math3d::Integrator integrator_ = math3d::Integrator::Scheme;
  ExactMotion exact_;  // moves the block in the exact mode only

  const State& state_;
};

}  // namespace freebody
