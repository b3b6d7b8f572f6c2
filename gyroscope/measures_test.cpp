#include "gyroscope/measures.h"

#include <gtest/gtest.h>

#include <cmath>

#include "gyroscope/parameters.h"
#include "gyroscope/state.h"

namespace gyroscope {
namespace {

TEST(AzimuthTest, CountsCounterClockwiseFromPlusXInZeroTo360) {
  EXPECT_NEAR(Azimuth(0.0f, 0.4f, -1.0f), 90.0f, 1e-4);  // not a unit vector
  EXPECT_EQ(Azimuth(0.0f, 0.0f, 123.5f), 123.5f);  // on the vertical: the previous value
  for (int degrees = 0; degrees < 360; ++degrees) {
    const double a = degrees * M_PI / 180.0;
    const float azimuth = Azimuth(float(std::cos(a)), float(std::sin(a)), 0.0f);
    EXPECT_LT(azimuth, 360.0f) << degrees;
    EXPECT_NEAR(azimuth, degrees, 1e-3) << degrees;
  }
}

TEST(PrecessionRateTest, IsTheAzimuthRateTakenTheShortWayRound) {
  const double rate = 0.01 * M_PI / 180.0 / MaxStep;
  EXPECT_NEAR(PrecessionRate(90.01f, 90.0f, MaxStep), rate, 1e-2);
  EXPECT_NEAR(PrecessionRate(0.005f, 359.995f, MaxStep), rate, 1e-2);  // across 360 -> 0
  EXPECT_NEAR(PrecessionRate(359.995f, 0.005f, MaxStep), -rate, 1e-2);
  EXPECT_EQ(PrecessionRate(91.0f, 90.0f, 0.0f), 0.0f);  // no time, no rate
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
