#include "gyroscope/measures.h"

#include <gtest/gtest.h>

#include <cmath>

#include "gyroscope/parameters.h"
#include "gyroscope/state.h"

namespace gyroscope {
namespace {

TEST(AzimuthTest, CountsCounterClockwiseFromPlusX) {
  EXPECT_FLOAT_EQ(Azimuth(1.0f, 0.0f, -1.0f), 0.0f);
  EXPECT_NEAR(Azimuth(0.0f, 0.4f, -1.0f), 90.0f, 1e-4);
  EXPECT_NEAR(Azimuth(-1.0f, 0.0f, -1.0f), 180.0f, 1e-4);
  EXPECT_NEAR(Azimuth(0.0f, -1.0f, -1.0f), 270.0f, 1e-4);
  // A whole turn in one-degree steps grows steadily and stays in [0, 360).
  float previous = -1.0f;
  for (int degrees = 0; degrees < 360; ++degrees) {
    const double a = degrees * M_PI / 180.0;
    const float azimuth = Azimuth(float(std::cos(a)), float(std::sin(a)), 0.0f);
    EXPECT_GT(azimuth, previous) << degrees;
    EXPECT_LT(azimuth, 360.0f) << degrees;
    EXPECT_NEAR(azimuth, degrees, 1e-3) << degrees;
    previous = azimuth;
  }
}

TEST(AzimuthTest, PointOnTheVerticalKeepsThePreviousValue) {
  EXPECT_EQ(Azimuth(0.0f, 0.0f, 123.5f), 123.5f);
}

TEST(PrecessionRateTest, IsTheAzimuthRateTakenTheShortWayRound) {
  const float h = MaxStep;
  EXPECT_NEAR(PrecessionRate(90.01f, 90.0f, h), 0.01 * M_PI / 180.0 / h, 1e-2);
  // Crossing 360 -> 0 either way is a small step, not a full turn.
  EXPECT_NEAR(PrecessionRate(0.005f, 359.995f, h), 0.01 * M_PI / 180.0 / h, 1e-2);
  EXPECT_NEAR(PrecessionRate(359.995f, 0.005f, h), -0.01 * M_PI / 180.0 / h, 1e-2);
  // A step that does not advance time measures nothing.
  EXPECT_EQ(PrecessionRate(91.0f, 90.0f, 0.0f), 0.0f);
}

TEST(EnergiesTest, KineticFromBodyRatesPotentialFromTheCentresHeight) {
  BodyOmega = math3d::Vector3(1.0f, -2.0f, 3.0f);
  Centre = math3d::Vector3(0.1f, 0.2f, -0.25f);
  Gravity = 9.8f;
  ComputeEnergies();
  EXPECT_NEAR(KineticEnergy, 0.5 * (InertiaX * 1 + InertiaY * 4 + InertiaZ * 9), 1e-6);
  EXPECT_NEAR(PotentialEnergy, Mass * 9.8 * -0.25, 1e-5);
  EXPECT_FLOAT_EQ(MechanicalEnergy, KineticEnergy + PotentialEnergy);
  Gravity = 0.0f;
}

}  // namespace
}  // namespace gyroscope
