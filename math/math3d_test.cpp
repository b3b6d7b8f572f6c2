#include "math/math3d.h"

#include <gtest/gtest.h>

#include <vector>

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

// The first frame only starts; then whole steps and the remainder, none without
// progress, in step across long runs and the 32-bit counter's wrap.
TEST(SubstepClockTest, StepsTheTimeSinceTheLastFrameAcrossLongRunsAndTheWrap) {
  SubstepClock clock;
  const auto frame = [&clock](std::uint32_t now_ms, std::uint32_t max_us) {
    std::vector<float> steps;
    clock.RunFrame(now_ms, max_us, [&](float h) { steps.push_back(h); });
    return steps;
  };
  std::uint32_t now = 0xFFFFFF00u;  // the counter wraps in the first second
  EXPECT_TRUE(frame(now, 10000).empty());
  EXPECT_TRUE(frame(now, 10000).empty());
  EXPECT_EQ(frame(now += 25, 10000), (std::vector<float>{0.01f, 0.01f, 0.005f}));
  EXPECT_EQ(frame(now += 1, 100), std::vector<float>(10, 0.0001f));
  std::uint64_t steps = 0;
  for (int i = 0; i < 300; ++i) steps += frame(now += 1000, 10000).size();
  EXPECT_EQ(steps, 300u * 100u);
  EXPECT_DOUBLE_EQ(clock.LastTime(), 300.026);
  now += 300000u * 1000u;  // a gap past 2^18 s still ends and is caught up whole
  EXPECT_EQ(frame(now, 10000).size(), 300000u * 100u);
  EXPECT_DOUBLE_EQ(clock.LastTime(), 300300.026);
}

}  // namespace
}  // namespace math3d
