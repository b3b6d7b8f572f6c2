#pragma once
// The block's exact mode: the torque-free motion held in double precision and moved by a
// symplectic splitting of the free rigid body into rotations (McLachlan 1993; Dullweber,
// Leimkuhler, McLachlan 1997). With L_b = R^T L the body momentum, the energy splits into
// |L|^2 / (2 I_y), whose flow turns the body about L by |L| h / I_y, and the remainder
// (1/I_k - 1/I_y) L_bk^2 / 2 for k = x, z, whose flows turn it about its axis k. Every piece
// keeps the world momentum and |L|; the energy error stays bounded, with no drift.
// The observer frame's angle about the vertical follows the block's omega_z.

#include "freebody/state.h"

namespace freebody {

class ExactMotion {
 public:
  // From the block's orientation (made orthonormal in double) and world momentum, and the
  // frame's orientation, whose turn starts again from there.
  void Load(const Matrix3x3& block, const Vector3& momentum, const Matrix3x3& frame);
  // One sub-step of h seconds; the frame turns against the block's omega_z when `turn_frame`.
  void Step(double h, bool turn_frame);

  // The double state rounded to the world's levels.
  Matrix3x3 Orientation() const;
  // Fixed while torque-free: the world momentum loaded.
  const Vector3& AngularMomentum() const { return momentum_; }
  Matrix3x3 InverseWorldInertiaTensor() const;
  Vector3 AngularVelocity() const;
  const Matrix3x3& FrameOrientation() const { return frame_; }

 private:
  using Rows = double[3][3];
  // The flow of |L|^2 / (2 I_y) for h seconds, a fixed turn of the world about L.
  void TurnAboutMomentum(double h);
  // The flow of (1/I_k - 1/I_y) L_bk^2 / 2 for h seconds.
  void TurnAbout(int k, double h);
  double VerticalVelocity() const;
  // frame_ from the start and the angle.
  void TurnFrame();

  double inverse_inertia_[3] = {};  // body axes, from InverseBodyInertia()
  Rows orientation_ = {};           // body to world
  Vector3 momentum_;                // world
  double body_momentum_[3] = {};    // R^T L, turned with R: R L_b stays L to rounding
  // The turn about L for the last h, which stays the same while L does.
  double momentum_turn_step_ = 0.0;
  Rows momentum_turn_ = {};
  // The last body turn's angle and its cosine and sine: each step's first half-turn about z
  // repeats the last one of the step before, L_bz being the same.
  double angle_ = 0.0, cos_ = 1.0, sin_ = 0.0;
  Rows frame_start_ = {};     // the frame's orientation at the load
  double frame_angle_ = 0.0;  // its turn about the vertical since, radians
  Matrix3x3 frame_;           // rounded
};

}  // namespace freebody
