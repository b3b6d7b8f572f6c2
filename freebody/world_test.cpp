#include "freebody/world.h"

#include <gtest/gtest.h>

#include "freebody/test_fixture.h"

namespace freebody {
namespace {

void ExpectVector(const Vector3& v, float x, float y, float z, float eps = 1e-6f) {
  EXPECT_NEAR(v.GetX(), x, eps);
  EXPECT_NEAR(v.GetY(), y, eps);
  EXPECT_NEAR(v.GetZ(), z, eps);
}

TEST(BlockTest, MassAndPrincipalMoments) {
  EXPECT_FLOAT_EQ(Mass, 0.9216f);
  const Matrix3x3 inverse = InverseBodyInertia();
  EXPECT_NEAR(1.0f / inverse(0, 0), 1.19194f, 1e-5f);   // Imax, the thin axis
  EXPECT_NEAR(1.0f / inverse(1, 1), 1.00762f, 1e-5f);   // Imed
  EXPECT_NEAR(1.0f / inverse(2, 2), 0.208896f, 1e-6f);  // Imin, the long axis
}

TEST(EulerOrientationTest, TurnsPsiThenThetaThenPhiAboutWorldAxes) {
  // theta about x takes body z to -y, then phi about z takes it to +x.
  const Matrix3x3 m = EulerOrientation(90, 90, 0);
  ExpectVector(m.Column(0), 0, 1, 0);
  ExpectVector(m.Column(1), 0, 0, 1);
  ExpectVector(m.Column(2), 1, 0, 0);
  ExpectVector(EulerOrientation(0, 0, 90).Column(0), 0, 1, 0);
}

using WorldTest = FreeBodyTest;

TEST_F(WorldTest, ReleaseIsSafeTwiceAndStopsEverything) {
  ReleaseScene();
  ReleaseScene();
  ResetWorld();
  AdvanceFrame();
  EXPECT_EQ(pWorld, nullptr);
}

}  // namespace
}  // namespace freebody
