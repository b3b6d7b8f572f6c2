#include "freebody/record.h"

#include <cmath>
#include <numbers>

namespace freebody {

std::vector<std::string> RecordColumns() {
  std::vector<std::string> columns{"t"};
  for (const char* matrix : {"b", "f"})
    for (const char* row : {"0", "1", "2"})
      for (const char* column : {"0", "1", "2"})
        columns.push_back(std::string(matrix) + row + column);
  for (const char* name : {"omega_x", "omega_y", "omega_z", "kinetic", "body_omega_x",
                           "body_omega_y", "body_omega_z", "axis_angle"})
    columns.push_back(name);
  return columns;
}

std::array<double, RecordWidth> RecordRow(double t, const simulation_world& world) {
  const BodyConfiguration& block = world.Source(BlockBody);
  const Matrix3x3& r = block.Orientation;
  const Vector3& L = block.AngularMomentum;
  const Vector3& w = block.AngularVelocity;
  std::array<double, RecordWidth> row;
  auto next = row.begin();
  *next++ = t;
  for (const Matrix3x3* m : {&r, &world.Source(FrameBody).Orientation})
    for (unsigned i = 0; i < 3; ++i)
      for (unsigned j = 0; j < 3; ++j) *next++ = (*m)(i, j);
  for (unsigned i = 0; i < 3; ++i) *next++ = w[i];
  *next++ = 0.5f * (L[0] * w[0] + L[1] * w[1] + L[2] * w[2]);
  const Vector3 body_omega = math3d::Transpose(r) * w;
  for (unsigned i = 0; i < 3; ++i) *next++ = body_omega[i];
  // The momentum in body axes, where body y is (0, 1, 0).
  double body_momentum[3];
  for (unsigned i = 0; i < 3; ++i)
    body_momentum[i] = double(r(0, i)) * L[0] + double(r(1, i)) * L[1] + double(r(2, i)) * L[2];
  *next = std::atan2(std::hypot(body_momentum[0], body_momentum[2]), body_momentum[1]) * 180.0 /
          std::numbers::pi;
  return row;
}

}  // namespace freebody
