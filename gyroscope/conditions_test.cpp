#include "gyroscope/conditions.h"

#include <gtest/gtest.h>

#include "gyroscope/parameters.h"
#include "gyroscope/test_fixture.h"

namespace gyroscope {
namespace {

using math3d::Vector3;
using ConditionsTest = GyroscopeTest;

TEST_F(ConditionsTest, EulerAnglesTurnBothLevelsAtOnceAndOkSetsTheMomentum) {
  SetEulerAngles(90.0f, 270.0f, 0.0f);  // the horizontal axle turned to -x
  for (const BodyConfiguration& level : pWorld->Body.Configurations) {
    ExpectNear(level.Orientation.Column(2), Vector3(-1, 0, 0), 1e-6);
    ExpectNear(level.AngularMomentum, Vector3(0, 0.97588f, 0), 1e-5);  // waits for OK
  }
  EXPECT_NEAR(ReferenceAzimuth, 180.0, 1e-3);  // follows the new axle
  ApplyInitialConditions(0.0, 0.0, 10.0, 9.8);
  ExpectNear(InitialMomentum, Vector3(-0.97588f, 0, 0), 1e-5);
  for (const BodyConfiguration& level : pWorld->Body.Configurations)
    ExpectNear(level.AngularMomentum, InitialMomentum, 0.0);
}

TEST_F(ConditionsTest, OkTakesFrequenciesInHertzAndKeepsGravityForTheSwitch) {
  ApplyInitialConditions(1.0, -2.0, 0.5, 9.8);
  ExpectNear(BodyOmega, Vector3(6.28318534f, -12.5663707f, 3.14159267f), 1e-5);
  // Body x is space x, body y is space -z, body z is space y.
  ExpectNear(InitialOmega, Vector3(6.28318534f, 3.14159267f, 12.5663707f), 1e-5);
  ExpectNear(InitialMomentum,
             Vector3(InertiaX * 6.28318534f, InertiaZ * 3.14159267f, InertiaY * 12.5663707f), 1e-5);
  EXPECT_EQ(Gravity, 0.0f);
  // The switch brings the setting in and updates the energies at once; axle straight up
  // puts the centre ArmLength above the pivot.
  SetEulerAngles(0.0f, 0.0f, 0.0f);
  SwitchGravity(true);
  EXPECT_EQ(Gravity, 9.8f);
  EXPECT_NEAR(PotentialEnergy, Mass * 9.8 * ArmLength, 1e-5);
  EXPECT_FLOAT_EQ(MechanicalEnergy, KineticEnergy + PotentialEnergy);
  SwitchGravity(false);
  EXPECT_EQ(PotentialEnergy, 0.0f);
}

TEST_F(ConditionsTest, ResetReturnsToTheInitialConditionsPausedWithoutGravity) {
  SwitchGravity(true);
  Running = true;
  Frame(0);
  Frame(2000);  // azimuth well past 180
  ResetSimulation();
  EXPECT_FALSE(Running);
  EXPECT_EQ(Gravity, 0.0f);
  EXPECT_EQ(GravitySetting, 2.5f);
  EXPECT_EQ(TracePos, 0);
  for (int i = 0; i < TraceLength; ++i) ExpectNear({TraceX[i], TraceY[i], TraceZ[i]}, {}, 0.0);
  ExpectNear(Orientation.Column(2), Vector3(0, 1, 0), 1e-6);
  ExpectNear(Momentum, InitialMomentum, 0.0);
  EXPECT_NEAR(ReferenceAzimuth, 90.0, 1e-3);
  EXPECT_EQ(RevolutionCount, 0);
}

}  // namespace
}  // namespace gyroscope
