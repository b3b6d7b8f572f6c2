#include "freebody/exact.h"

#include <cmath>
#include <limits>

#include "freebody/world.h"

namespace freebody {
namespace {

void Normalize(double (&v)[3]) {
  const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  for (double& c : v) c /= length;
}

void Cross(const double (&a)[3], const double (&b)[3], double (&out)[3]) {
  out[0] = a[1] * b[2] - a[2] * b[1];
  out[1] = a[2] * b[0] - a[0] * b[2];
  out[2] = a[0] * b[1] - a[1] * b[0];
}

// As math3d::Orthonormalize, in double: column 0 keeps its direction, the result is a rotation.
void LoadRotation(const Matrix3x3& m, double (&out)[3][3]) {
  double x[3], y[3], z[3];
  for (unsigned i = 0; i < 3; ++i) x[i] = m(i, 0), y[i] = m(i, 1);
  Normalize(x);
  Cross(x, y, z);
  Normalize(z);
  Cross(z, x, y);
  for (unsigned i = 0; i < 3; ++i) out[i][0] = x[i], out[i][1] = y[i], out[i][2] = z[i];
}

Matrix3x3 Rounded(const double (&m)[3][3]) {
  Matrix3x3 r;
  for (unsigned i = 0; i < 3; ++i)
    for (unsigned j = 0; j < 3; ++j) r.At(i, j) = float(m[i][j]);
  return r;
}

}  // namespace

void ExactMotion::Load(const Matrix3x3& block, const Vector3& momentum, const Matrix3x3& frame) {
  const Matrix3x3 inverse = InverseBodyInertia();
  LoadRotation(block, orientation_);
  momentum_ = momentum;
  for (unsigned k = 0; k < 3; ++k) {
    inverse_inertia_[k] = inverse(k, k);
    body_momentum_[k] = orientation_[0][k] * momentum[0] + orientation_[1][k] * momentum[1] +
                        orientation_[2][k] * momentum[2];
  }
  momentum_turn_step_ = std::numeric_limits<double>::quiet_NaN();  // none yet
  LoadRotation(frame, frame_start_);
  frame_angle_ = 0.0;
  TurnFrame();
}

void ExactMotion::Step(double h, bool turn_frame) {
  const double vertical_before = turn_frame ? VerticalVelocity() : 0.0;
  // The turn about L commutes with the rest, so only the two remainder pieces are split, by
  // Strang's symmetric composition with z outside. Measured over 10 minutes of the examples at
  // 1 ms, the energy error stays below 3e-9 relative, as with the best of the six orders of
  // planar rotations about x, y and z (Fasso 2003: the order matters; the worst gives 6e-8),
  // at two sines and cosines a step instead of five.
  TurnAboutMomentum(h);
  TurnAbout(2, h / 2);
  TurnAbout(0, h);
  TurnAbout(2, h / 2);
  if (turn_frame) {
    // The trapezoid rule on the block's omega_z, which is constant when L is vertical.
    frame_angle_ -= h * (vertical_before + VerticalVelocity()) / 2;
    TurnFrame();
  }
}

void ExactMotion::TurnAboutMomentum(double h) {
  if (h != momentum_turn_step_) {
    // Rodrigues: c I + s [u]x + (1 - c) u u^T, u along L.
    const double length = momentum_.Length();
    const double angle = length * inverse_inertia_[1] * h, c = std::cos(angle), s = std::sin(angle);
    const double scale = length > 0 ? 1 / length : 0;
    const double u[3] = {momentum_[0] * scale, momentum_[1] * scale, momentum_[2] * scale};
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) momentum_turn_[i][j] = (i == j ? c : 0.0) + (1 - c) * u[i] * u[j];
    for (int i = 0; i < 3; ++i) {
      const int j = (i + 1) % 3, k = (i + 2) % 3;
      momentum_turn_[j][k] -= s * u[i];
      momentum_turn_[k][j] += s * u[i];
    }
    momentum_turn_step_ = h;
  }
  for (int j = 0; j < 3; ++j) {
    double column[3];
    for (int i = 0; i < 3; ++i)
      column[i] = momentum_turn_[i][0] * orientation_[0][j] +
                  momentum_turn_[i][1] * orientation_[1][j] +
                  momentum_turn_[i][2] * orientation_[2][j];
    for (int i = 0; i < 3; ++i) orientation_[i][j] = column[i];
  }
}

void ExactMotion::TurnAbout(int k, double h) {
  // R exp(a [e_k]x): columns i and j of R turn by a within their plane, L_b by -a; L_bk stays.
  const int i = (k + 1) % 3, j = (k + 2) % 3;
  const double a = body_momentum_[k] * (inverse_inertia_[k] - inverse_inertia_[1]) * h;
  if (a != angle_)
    angle_ = a, cos_ = std::cos(a), sin_ = std::sin(a);
  const double c = cos_, s = sin_;
  for (double(&row)[3] : orientation_) {
    const double x = row[i], y = row[j];
    row[i] = c * x + s * y;
    row[j] = c * y - s * x;
  }
  const double x = body_momentum_[i], y = body_momentum_[j];
  body_momentum_[i] = c * x + s * y;
  body_momentum_[j] = c * y - s * x;
}

double ExactMotion::VerticalVelocity() const {
  double sum = 0.0;
  for (int k = 0; k < 3; ++k) sum += orientation_[2][k] * inverse_inertia_[k] * body_momentum_[k];
  return sum;
}

Matrix3x3 ExactMotion::Orientation() const {
  return Rounded(orientation_);
}

Matrix3x3 ExactMotion::InverseWorldInertiaTensor() const {
  Rows m;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      m[i][j] = 0.0;
      for (int k = 0; k < 3; ++k)
        m[i][j] += orientation_[i][k] * inverse_inertia_[k] * orientation_[j][k];
    }
  return Rounded(m);
}

Vector3 ExactMotion::AngularVelocity() const {
  // R (I^-1 L_b).
  double body[3];
  for (int k = 0; k < 3; ++k) body[k] = inverse_inertia_[k] * body_momentum_[k];
  Vector3 w;
  for (unsigned i = 0; i < 3; ++i)
    w[i] = float(orientation_[i][0] * body[0] + orientation_[i][1] * body[1] +
                 orientation_[i][2] * body[2]);
  return w;
}

void ExactMotion::TurnFrame() {
  // Turned by frame_angle_ counter-clockwise about the world's vertical.
  const double c = std::cos(frame_angle_), s = std::sin(frame_angle_);
  Rows m;
  for (int j = 0; j < 3; ++j) {
    m[0][j] = c * frame_start_[0][j] - s * frame_start_[1][j];
    m[1][j] = s * frame_start_[0][j] + c * frame_start_[1][j];
    m[2][j] = frame_start_[2][j];
  }
  frame_ = Rounded(m);
}

}  // namespace freebody
