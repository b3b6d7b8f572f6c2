#include "math/math3d.h"

#include <gtest/gtest.h>

#include "math/stepped_run_testing.h"
#include "math/substep_clock.h"

namespace math3d {
namespace {

// Products run over rows of the left and columns of the right; Euler angles turn
// psi about z, then theta about x, then phi about z, all about the fixed axes.
TEST(Math3dTest, ProductsNormalizeEulerOrientationAndOrthonormalize) {
  const Vector3 p(0.3f, -1.7f, 2.5f), u(4.0f, 0.5f, -1.25f);
  ExpectNear(Vector3(3, 0, 4).Normalize(), {0.6f, 0, 0.8f}, 1e-6);
  ExpectNear(Vector3().Normalize(), {}, 0);  // no division by a zero length
  ExpectNear(Matrix3x3(p, SkewSymmetric) * u, CrossProduct(p, u), 1e-6);
  Matrix3x3 a, b;
  for (unsigned i = 0; i < 9; ++i) a(i / 3, i % 3) = float(i + 1), b(i / 3, i % 3) = float(9 - i);
  EXPECT_EQ((a * b)(2, 1), 7 * 8 + 8 * 5 + 9 * 2);
  const Matrix3x3 m = EulerOrientation(90, 90, 0);  // body z to -y, then on to +x
  ExpectNear(m.Column(1), {0, 0, 1}, 1e-6);
  ExpectNear(m.Column(2), {1, 0, 0}, 1e-6);
  ExpectNear(EulerOrientation(0, 0, 90).Column(0), {0, 1, 0}, 1e-6);  // counter-clockwise
  // Orthonormalize: a right-handed rotation, column 0 keeping its direction.
  Matrix3x3 drifted = RotationZ(30) * RotationX(50);
  drifted(0, 0) *= 1.01f;
  drifted(1, 2) += 0.02f;
  const Vector3 x = drifted.Column(0) * (1.0f / drifted.Column(0).Length());
  Orthonormalize(drifted);
  const Matrix3x3 product = Transpose(drifted) * drifted;
  for (unsigned i = 0; i < 9; ++i) EXPECT_NEAR(product(i / 3, i % 3), i % 4 == 0, 2e-6) << i;
  ExpectNear(drifted.Column(0), x, 1e-6);
  ExpectNear(drifted.Column(2), CrossProduct(drifted.Column(0), drifted.Column(1)), 1e-6);
}

// The first frame only starts; then whole sub-steps, the rest carried on, across long runs, a
// gap past 2^18 s and the counter's wrap, slowed or not. A change of speed takes the `lead` ms
// since the last frame at the speed before it.
TEST(SubstepClockTest, WholeStepsCarryTheRestAcrossLongRunsSlowMotionAndTheWrap) {
  const struct {
    std::uint32_t lead, slowdown, frames, ms, step_us;
    std::uint64_t steps;  // in all these frames
    double time;          // stepped by their end
  } cases[] = {{0, 1, 2, 0, 10000, 0, 0.0},
               {0, 1, 1, 25, 10000, 2, 0.02},
               {0, 1, 1, 5, 10000, 1, 0.03},
               {0, 1, 1, 1, 400, 2, 0.0308},
               {0, 1, 2, 1, 400, 5, 0.0328},
               {0, 1, 1, 1, 100, 12, 0.0340},
               {300, 4, 1, 5, 100, 3012, 0.3352},  // 300 ms at 1 and 5 at 1/4
               {0, 10, 300, 1000, 10000, 3000, 30.3352},
               {0, 1, 300, 1000, 10000, 30000, 330.3352},
               {0, 1, 1, 300000u * 1000u, 10000, 300000u * 100u, 300330.3352},
               {0, 2, 1, 300000u * 1000u, 10000, 300000u * 50u, 450330.3352}};
  SubstepClock clock;
  std::uint32_t now = 0xFFFFFF00u;  // the counter wraps in the first second
  for (const auto& c : cases) {
    clock.ChangeSpeed(now += c.lead, c.slowdown);
    std::uint64_t steps = 0;
    for (std::uint32_t i = 0; i < c.frames; ++i)
      clock.RunFrame(now += c.ms, c.step_us, [&steps](float) { ++steps; });
    EXPECT_EQ(steps, c.steps) << c.time;
    EXPECT_DOUBLE_EQ(clock.LastTime(), c.time);
  }
}

}  // namespace
}  // namespace math3d
