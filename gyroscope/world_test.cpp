#include "gyroscope/world.h"

#include <gtest/gtest.h>

#include "gyroscope/conditions.h"
#include "gyroscope/parameters.h"
#include "gyroscope/test_fixture.h"

namespace gyroscope {
namespace {

using math3d::Vector3;
using WorldTest = GyroscopeTest;

TEST_F(WorldTest, DefaultBodyAndStartingState) {
  EXPECT_NEAR(Mass, 1.98804, 1e-5);
  EXPECT_NEAR(InertiaX, 0.186689, 1e-6);
  EXPECT_EQ(InertiaY, InertiaX);
  EXPECT_NEAR(InertiaZ, 0.0155316, 1e-7);
  ExpectNear(InitialMomentum, Vector3(0, 0.97588f, 0), 1e-5);
  EXPECT_NEAR(ReferenceAzimuth, 90.0, 1e-4);
  EXPECT_NEAR(KineticEnergy, 30.658, 1e-3);
  ASSERT_EQ(TraceLength, 2000);
  for (int i = 0; i < TraceLength; ++i) ExpectNear({TraceX[i], TraceY[i], TraceZ[i]}, {0, 0.8f, 0}, 1e-6);
}

TEST_F(WorldTest, SpinAboutTheAxleIsPutBackAfterEveryStep) {
  SwitchGravity(true);
  for (bool running : {true, false}) {
    Running = running;
    for (int i = 0; i < 3000; ++i) {
      pWorld->Simulate(MaxStep);
      const BodyConfiguration& s = pWorld->Body.Configurations[pWorld->SourceIndex];
      ASSERT_NEAR((math3d::Transpose(s.Orientation) * s.AngularMomentum).GetZ(),
                  InertiaZ * InitialBodyOmega.GetZ(), 1e-6)
          << "running " << running << " step " << i;
    }
  }
  EXPECT_LT(TipZ, -0.01f);  // the axle did tilt while running: the check was not trivial
}

TEST_F(WorldTest, StepsWithoutGravityLeaveTheSpinningTopInPlace) {
  Running = true;
  pWorld->Simulate(0.0f);  // no step and no swap for these two
  pWorld->Simulate(-MaxStep);
  EXPECT_EQ(pWorld->SourceIndex, 0);
  for (int i = 0; i < 10001; ++i) pWorld->Simulate(MaxStep);
  EXPECT_EQ(pWorld->SourceIndex, 1);  // one swap per step
  ExpectNear(Tip, Vector3(0, AxisLength, 0), 1e-5);
  EXPECT_NEAR(TipAzimuth, 90.0, 1e-3);
  EXPECT_NEAR(MeasuredPrecession, 0.0, 1e-3);
  EXPECT_NEAR(KineticEnergy, 30.658, 1e-3);
}

}  // namespace
}  // namespace gyroscope
