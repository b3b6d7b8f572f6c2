#pragma once
// The simulation world: the top as a rigid body turning about a fixed pivot, held
// at two time levels. Each sub-step writes the target level from the source level,
// then the two swap. The world reads and writes the program's State.

#include <cstdint>

#include "gyroscope/exact.h"
#include "gyroscope/state.h"
#include "math/integrator.h"
#include "math/math3d.h"

namespace gyroscope {

// One time level of the body; vectors in space axes, the pivot at the origin.
struct BodyConfiguration {
  math3d::Matrix3x3 Orientation;
  math3d::Vector3 AngularMomentum;
  math3d::Vector3 Torque;
  math3d::Matrix3x3 InverseWorldInertia;
  math3d::Vector3 AngularVelocity;
};

struct RigidBody {
  BodyConfiguration Configurations[2];
};

class simulation_world {
 public:
  // Loads the body from `state`, which must outlive the world.
  explicit simulation_world(State& state);

  // Loads the body again from Orientation and Momentum and restarts the azimuth
  // reference, the revolution count and the energies from them.
  void ResetBodies();

  // Advances by DeltaTime seconds: one integration step and a swap of the two
  // levels, or one exact step; nothing for DeltaTime <= 0.
  void Simulate(float DeltaTime);
  // From the next sub-step on the body moves by `integrator`, going on from where it
  // stands; the state is left as it is.
  void SetIntegrator(math3d::Integrator integrator);

  // One semi-implicit Euler step under the weight's torque; a zero step while
  // paused, which still fills the angular velocity the first running step turns by.
  void Integrate(float DeltaTime);

  std::int32_t SourceIndex = 0;
  std::int32_t TargetIndex = 1;
  RigidBody Body;

 private:
  // The exact mode's step, with its time frozen while paused like the scheme's.
  void StepExact(float DeltaTime);
  // The exact mode's body from the source level, the spin from the initial conditions.
  void LoadExact();

  math3d::Integrator integrator_ = math3d::Integrator::Scheme;
  ExactTop exact_;
  State& state_;
};

}  // namespace gyroscope
