#include "gyroscope/exact.h"

#include <cmath>

#include "gyroscope/parameters.h"

namespace gyroscope {

namespace {

// Inverse moments: products are cheaper than quotients.
constexpr double InverseI1 = 1.0 / double(InertiaX), InverseI3 = 1.0 / double(InertiaZ);

using Quaternion = double[4];  // w, x, y, z
using Rotation = double[3][3];

// cos x and sin(x) / x from x2 = x^2, by the library.
void LibraryCosSinc(double x2, double& cos, double& sinc) {
  const double x = std::sqrt(x2);
  cos = std::cos(x);
  sinc = std::sin(x) / x;
}

// The same. A sub-step turns by far less than the bound, where the series give both
// to the last bit for a fraction of the library's cost.
void CosSinc(double x2, double& cos, double& sinc) {
  if (x2 >= 0.03 * 0.03)
    return LibraryCosSinc(x2, cos, sinc);
  cos =
      1.0 - x2 * 0.5 * (1.0 - x2 * (1.0 / 12) * (1.0 - x2 * (1.0 / 30) * (1.0 - x2 * (1.0 / 56))));
  sinc = 1.0 - x2 * (1.0 / 6) * (1.0 - x2 * (1.0 / 20) * (1.0 - x2 * (1.0 / 42)));
}

// The third column of the rotation of the unit quaternion q.
Vector3d AxleOf(const Quaternion& q) {
  const double w = q[0], x = q[1], y = q[2], z = q[3];
  return {2.0 * (x * z + w * y), 2.0 * (y * z - w * x), 1.0 - 2.0 * (x * x + y * y)};
}

void ToRotation(const Quaternion& q, Rotation& r) {
  const double w = q[0], x = q[1], y = q[2], z = q[3];
  r[0][0] = 1.0 - 2.0 * (y * y + z * z);
  r[0][1] = 2.0 * (x * y - w * z);
  r[1][0] = 2.0 * (x * y + w * z);
  r[1][1] = 1.0 - 2.0 * (x * x + z * z);
  r[2][0] = 2.0 * (x * z - w * y);
  r[2][1] = 2.0 * (y * z + w * x);
  const Vector3d axle = AxleOf(q);
  r[0][2] = axle.x, r[1][2] = axle.y, r[2][2] = axle.z;
}

}  // namespace

void ExactTop::Load(const math3d::Matrix3x3& orientation, const math3d::Vector3& momentum,
                    double spin_momentum) {
  Rotation r;
  for (unsigned i = 0; i < 3; ++i)
    for (unsigned j = 0; j < 3; ++j) r[i][j] = orientation.At(i, j);
  // Row i holds 4 q_i q_j as the rotation's entries give them; the row of the largest
  // square divides the best (Shepperd's choice).
  const double t = r[0][0] + r[1][1] + r[2][2];
  const double p[4][4] = {
      {1.0 + t, r[2][1] - r[1][2], r[0][2] - r[2][0], r[1][0] - r[0][1]},
      {r[2][1] - r[1][2], 1.0 + 2.0 * r[0][0] - t, r[0][1] + r[1][0], r[0][2] + r[2][0]},
      {r[0][2] - r[2][0], r[0][1] + r[1][0], 1.0 + 2.0 * r[1][1] - t, r[1][2] + r[2][1]},
      {r[1][0] - r[0][1], r[0][2] + r[2][0], r[1][2] + r[2][1], 1.0 + 2.0 * r[2][2] - t}};
  unsigned k = 0;
  for (unsigned i = 1; i < 4; ++i)
    if (p[i][i] > p[k][k])
      k = i;
  double norm2 = 0.0;
  for (unsigned i = 0; i < 4; ++i) norm2 += p[k][i] * p[k][i];
  for (unsigned i = 0; i < 4; ++i) q_[i] = p[k][i] / std::sqrt(norm2);
  ToRotation(q_, r);
  axle_ = AxleOf(q_);

  // The momentum in body axes, its spin replaced, back to space axes.
  const double l[3] = {momentum[0], momentum[1], momentum[2]};
  double body[3] = {0.0, 0.0, spin_momentum};
  for (unsigned j = 0; j < 2; ++j)
    for (unsigned i = 0; i < 3; ++i) body[j] += r[i][j] * l[i];
  double space[3];
  for (unsigned i = 0; i < 3; ++i)
    space[i] = r[i][0] * body[0] + r[i][1] * body[1] + r[i][2] * body[2];
  momentum_ = {space[0], space[1], space[2]};
  spin_momentum_ = spin_momentum;
}

void ExactTop::Step(double h, double gravity) {
  // The free symmetric top turns about its axle by L3 (1/I3 - 1/I1) h (a right factor)
  // and about L by |L| h / I1 (a left factor); the two commute. Each factor is the
  // quaternion (cos, sin * axis) of half its angle. The right factor needs nothing the
  // kick changes: turned first, it stays off the path from one kick to the next.
  const Quaternion& q = q_;
  const double spin = 0.5 * h * spin_momentum_ * (InverseI3 - InverseI1);
  double c, sinc;
  CosSinc(spin * spin, c, sinc);
  // Rounding alone moves |q| away from 1: a Newton step on its norm, folded in, takes it back.
  const double norm = 1.5 - 0.5 * (q[0] * q[0] + q[1] * q[1] + q[2] * q[2] + q[3] * q[3]);
  const double rc = norm * c, rs = norm * spin * sinc;
  const Quaternion b = {q[0] * rc - q[3] * rs, q[1] * rc + q[2] * rs, q[2] * rc - q[1] * rs,
                        q[3] * rc + q[0] * rs};

  // Torque: (ArmLength * axle) x (0, 0, -Mass * gravity) = Mass gravity ArmLength (-a_y, a_x, 0).
  const double kick = 0.5 * h * double(Mass) * gravity * double(ArmLength);
  momentum_.x -= kick * axle_.y;
  momentum_.y += kick * axle_.x;

  const Vector3d& l = momentum_;
  const double half = 0.5 * h * InverseI1;
  CosSinc(half * half * (l.x * l.x + l.y * l.y + l.z * l.z), c, sinc);
  const double along = half * sinc;  // sin(half angle) / |L|
  const Quaternion a = {c, along * l.x, along * l.y, along * l.z};
  q_[0] = a[0] * b[0] - a[1] * b[1] - a[2] * b[2] - a[3] * b[3];
  q_[1] = a[0] * b[1] + a[1] * b[0] + a[2] * b[3] - a[3] * b[2];
  q_[2] = a[0] * b[2] - a[1] * b[3] + a[2] * b[0] + a[3] * b[1];
  q_[3] = a[0] * b[3] + a[1] * b[2] - a[2] * b[1] + a[3] * b[0];
  axle_ = AxleOf(q_);

  momentum_.x -= kick * axle_.y;
  momentum_.y += kick * axle_.x;
}

void ExactTop::Store(State& state) const {
  Rotation r;
  ToRotation(q_, r);
  const Vector3d& l = momentum_;
  const Vector3d& a = axle_;
  for (unsigned i = 0; i < 3; ++i)
    for (unsigned j = 0; j < 3; ++j) state.Orientation.At(i, j) = float(r[i][j]);
  const auto along_axle = [&a](double distance) {
    return math3d::Vector3(float(distance * a.x), float(distance * a.y), float(distance * a.z));
  };
  state.Centre = along_axle(ArmLength);
  state.Tip = along_axle(AxisLength);
  state.Momentum = math3d::Vector3(float(l.x), float(l.y), float(l.z));
  // w = L / I1 + L3 (1/I3 - 1/I1) axle; in body axes (L_body,x / I1, L_body,y / I1, L3 / I3).
  const double spin = spin_momentum_ * (InverseI3 - InverseI1);
  state.Omega =
      math3d::Vector3(float(l.x * InverseI1 + spin * a.x), float(l.y * InverseI1 + spin * a.y),
                      float(l.z * InverseI1 + spin * a.z));
  state.BodyOmega =
      math3d::Vector3(float((r[0][0] * l.x + r[1][0] * l.y + r[2][0] * l.z) * InverseI1),
                      float((r[0][1] * l.x + r[1][1] * l.y + r[2][1] * l.z) * InverseI1),
                      float(spin_momentum_ * InverseI3));
}

}  // namespace gyroscope
