#pragma once
// The top moved as its equations move it, in double precision. A sub-step is half a
// kick of the weight's torque, the exact motion of the free symmetric top, and another
// half kick (Strang splitting). The torque is horizontal and perpendicular to the axle
// and the free motion keeps the angular momentum, so L_z and the spin about the axle
// stay as they were; the energy's error stays bounded instead of drifting.

#include "gyroscope/state.h"
#include "math/math3d.h"

namespace gyroscope {

struct Vector3d {
  double x = 0.0, y = 0.0, z = 0.0;
};

class ExactTop {
 public:
  // The body turned by `orientation` (as nearly as a rotation can be), with the space
  // angular momentum `momentum` whose part along the axle becomes `spin_momentum`.
  void Load(const math3d::Matrix3x3& orientation, const math3d::Vector3& momentum,
            double spin_momentum);

  // Advances by h seconds under the gravitational acceleration `gravity`; h = 0 moves nothing.
  void Step(double h, double gravity);

  // Orientation, Centre, Tip, Momentum, Omega and BodyOmega, rounded to the state's floats.
  void Store(State& state) const;

 private:
  double q_[4] = {1.0, 0.0, 0.0, 0.0};  // unit quaternion w, x, y, z: body to space
  Vector3d axle_{0.0, 0.0, 1.0};        // the rotation's third column
  Vector3d momentum_;                   // space axes
  double spin_momentum_ = 0.0;
};

}  // namespace gyroscope
