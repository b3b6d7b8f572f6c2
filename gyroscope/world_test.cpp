#include "gyroscope/world.h"

#include <gtest/gtest.h>

#include "gyroscope/conditions.h"
#include "gyroscope/parameters.h"
#include "gyroscope/state.h"
#include "gyroscope/test_fixture.h"

namespace gyroscope {
namespace {

using math3d::Vector3;

void ExpectNear(const Vector3& actual, const Vector3& expected, double tolerance) {
  for (unsigned i = 0; i < 3; ++i)
    EXPECT_NEAR(actual[i], expected[i], tolerance) << "component " << i;
}

void ExpectSameMatrix(const math3d::Matrix3x3& a, const math3d::Matrix3x3& b) {
  for (unsigned r = 0; r < 3; ++r)
    for (unsigned c = 0; c < 3; ++c) EXPECT_EQ(a.At(r, c), b.At(r, c)) << r << "," << c;
}

// Angular momentum of the last written level, in body axes.
Vector3 BodyMomentum() {
  const BodyConfiguration& s = pWorld->Body.Configurations[pWorld->SourceIndex];
  return math3d::Transpose(s.Orientation) * s.AngularMomentum;
}

using WorldTest = GyroscopeTest;

TEST_F(WorldTest, DefaultBodyAndStartingState) {
  EXPECT_NEAR(Mass, 1.98804, 1e-5);
  EXPECT_NEAR(InertiaX, 0.186689, 1e-6);
  EXPECT_EQ(InertiaY, InertiaX);
  EXPECT_NEAR(InertiaZ, 0.0155316, 1e-7);
  EXPECT_EQ(GravitySetting, 2.5f);
  ExpectNear(InitialBodyOmega, Vector3(0, 0, 62.8318534f), 1e-5);
  ExpectNear(InitialMomentum, Vector3(0, 0.97588f, 0), 1e-5);
  ExpectNear(Tip, Vector3(0, AxisLength, 0), 1e-6);
  EXPECT_NEAR(ReferenceAzimuth, 90.0, 1e-4);
  EXPECT_EQ(TipAzimuth, ReferenceAzimuth);
  EXPECT_NEAR(KineticEnergy, 30.658, 1e-3);
  EXPECT_EQ(PotentialEnergy, 0.0f);
  for (int i = 0; i < TraceLength; ++i)
    ExpectNear({TraceX[i], TraceY[i], TraceZ[i]}, {0, 0.8f, 0}, 1e-6);
  ASSERT_NE(pWorld, nullptr);
  EXPECT_EQ(pWorld->SourceIndex, 0);
  EXPECT_EQ(pWorld->TargetIndex, 1);
}

TEST_F(WorldTest, ResetBodiesLoadsBothLevelsFromTheCurrentState) {
  Orientation = EulerOrientation(90.0f, 270.0f, 0.0f);  // axle along -x
  Momentum = Vector3(0.1f, 0.2f, 0.3f);
  pWorld->ResetBodies();
  for (const BodyConfiguration& level : pWorld->Body.Configurations) {
    ExpectSameMatrix(level.Orientation, Orientation);
    ExpectNear(level.AngularMomentum, Momentum, 0.0);
  }
  // The reference follows the new axle, not the last stepped tip.
  EXPECT_NEAR(ReferenceAzimuth, 180.0, 1e-3);
  EXPECT_EQ(RevolutionCount, 0);
}

TEST_F(WorldTest, SimulateSwapsOnceForAPositiveStepAndNeverOtherwise) {
  pWorld->Simulate(0.0f);
  pWorld->Simulate(-MaxStep);
  EXPECT_EQ(pWorld->SourceIndex, 0);
  pWorld->Simulate(MaxStep);
  EXPECT_EQ(pWorld->SourceIndex, 1);
  EXPECT_EQ(pWorld->TargetIndex, 0);
}

TEST_F(WorldTest, SpinAboutTheAxleIsPutBackAfterEveryStep) {
  SwitchGravity(true);
  for (bool running : {true, false}) {
    Running = running;
    for (int i = 0; i < 3000; ++i) {
      pWorld->Simulate(MaxStep);
      ASSERT_NEAR(BodyMomentum().GetZ(), InertiaZ * InitialBodyOmega.GetZ(), 1e-6)
          << "running " << running << " step " << i;
    }
  }
  // The tilt of the axle did change while running: the check above was not trivial.
  EXPECT_LT(TipZ, -0.01f);
}

TEST_F(WorldTest, AStepWithoutGravityLeavesTheSpinningTopInPlace) {
  Running = true;
  for (int i = 0; i < 10000; ++i) pWorld->Simulate(MaxStep);
  ExpectNear(Tip, Vector3(0, AxisLength, 0), 1e-5);
  EXPECT_NEAR(TipAzimuth, 90.0, 1e-3);
  EXPECT_NEAR(MeasuredPrecession, 0.0, 1e-3);
  EXPECT_NEAR(KineticEnergy, 30.658, 1e-3);
  EXPECT_EQ(PotentialEnergy, 0.0f);
}

}  // namespace
}  // namespace gyroscope
