#include "gyroscope/simulation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "gyroscope/conditions.h"
#include "gyroscope/parameters.h"
#include "gyroscope/test_fixture.h"

namespace gyroscope {
namespace {

bool SameBits(const math3d::Matrix3x3& a, const math3d::Matrix3x3& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

class SimulationTest : public GyroscopeTest {
 protected:
  void SetUp() override {
    GyroscopeTest::SetUp();
    SwitchGravity(true);
    Running = true;
  }
};

// Frames step whole MaxSteps of the milliseconds since the last frame and none
// without progress, also across the 32-bit counter's wrap: the same as stepping by hand.
TEST_F(SimulationTest, FramesAcrossTheCounterWrapStepWholeMaxSteps) {
  now_ms_ = 0xFFFFFFFFu - 700;
  Frame(0);
  for (int i = 0; i < 1000; ++i) {
    Frame(1 + i % 3);
    const math3d::Matrix3x3 before = Orientation;
    const std::int32_t source = pWorld->SourceIndex;
    Frame(0);
    ASSERT_TRUE(SameBits(Orientation, before)) << i;
    ASSERT_EQ(pWorld->SourceIndex, source) << i;
  }
  EXPECT_DOUBLE_EQ(LastTime, 1.999);
  const math3d::Matrix3x3 by_frames = Orientation;
  const float momentum_y = Momentum.GetY();

  SetUpSimulation();
  SwitchGravity(true);
  for (int i = 0; i < 19990; ++i) pWorld->Simulate(MaxStep);
  EXPECT_TRUE(SameBits(Orientation, by_frames));
  EXPECT_EQ(Momentum.GetY(), momentum_y);
}

TEST_F(SimulationTest, PausedFramesMoveNothingAndMeasureNoPrecession) {
  Frame(0);
  Frame(500);  // tilt the top first
  Running = false;
  const math3d::Matrix3x3 orientation = Orientation;
  const math3d::Vector3 momentum = Momentum;
  for (int i = 0; i < 1000; ++i) {
    Frame();
    ASSERT_EQ(MeasuredPrecession, 0.0f);
  }
  ExpectNear(Momentum, momentum, 1e-4);
  for (unsigned c = 0; c < 3; ++c) ExpectNear(Orientation.Column(c), orientation.Column(c), 1e-4);
}

TEST_F(SimulationTest, NoWorldNoFrame) {
  ReleaseScene();
  ReleaseScene();
  EXPECT_EQ(pWorld, nullptr);
  Frame(0);
  Frame(5);
  EXPECT_EQ(LastTime, 0.0);
}

// Gravity on at t = 0 with the default conditions: precession counter-clockwise
// from azimuth 90, a strong nutation, and a slow loss of energy.
TEST_F(SimulationTest, HeavyTopPrecessesAndNutates) {
  Frame(0);
  const float start_energy = MechanicalEnergy;
  double wrap_time = -1, back_above_time = -1, lowest_tip = 0, energy_at_5s = 0;
  float max_rate = -1e9f, min_rate = 1e9f;
  for (int ms = 1; ms <= 12000; ++ms) {
    const float previous_azimuth = TipAzimuth;
    Frame();
    const double t = ms * 0.001;
    if (ms == 200) {
      EXPECT_GT(TipAzimuth, 91.0f);  // counter-clockwise seen from above
    }
    if (wrap_time < 0 && TipAzimuth < previous_azimuth - 180.0f) {
      wrap_time = t;
      EXPECT_EQ(RevolutionCount, 1);
    }
    if (wrap_time < 0) {
      EXPECT_EQ(RevolutionCount, 0) << t;
    }
    if (back_above_time < 0 && RevolutionMark == 1) {
      back_above_time = t;
      EXPECT_EQ(TracePos, 0);  // the trace was wiped
      EXPECT_GT(TipAzimuth, ReferenceAzimuth);
    }
    ASSERT_NEAR(BodyOmega.GetZ(), 62.832, 1e-3) << t;
    lowest_tip = std::min(lowest_tip, double(TipZ));
    max_rate = std::max(max_rate, MeasuredPrecession);
    min_rate = std::min(min_rate, MeasuredPrecession);
    if (ms == 5000)
      energy_at_5s = MechanicalEnergy;
  }
  EXPECT_NEAR(wrap_time, 3.5, 0.3);
  EXPECT_NEAR(back_above_time, 4.6, 0.3);
  EXPECT_NEAR(lowest_tip, -0.18, 0.03);
  EXPECT_GT(min_rate, -0.5f);  // never the spike of a wrap or of a degenerate step
  EXPECT_NEAR(max_rate, 3.0, 0.5);
  EXPECT_GT(start_energy - energy_at_5s, 0.0);
  EXPECT_LT(start_energy - energy_at_5s, 0.15);
}

}  // namespace
}  // namespace gyroscope
