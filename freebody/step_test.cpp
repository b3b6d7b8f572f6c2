#include "freebody/step.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "freebody/test_fixture.h"

namespace freebody {
namespace {

constexpr double kTurn = 2 * std::numbers::pi;

// Angle of body x about the world vertical.
double Heading(const Matrix3x3& m) {
  return std::atan2(m(1, 0), m(0, 0));
}

// Smallest signed difference of two angles.
double AngleBetween(double a, double b) {
  return std::remainder(a - b, kTurn);
}

const Matrix3x3& BlockNow() {
  return pWorld->Source(BlockBody).Orientation;
}
const Matrix3x3& FrameNow() {
  return pWorld->Source(FrameBody).Orientation;
}

using StepTest = FreeBodyTest;

TEST_F(StepTest, AFrameRunsSubstepsOfAtMostMaxStep) {
  Start();
  simulation_world expected(8, 8, 8);  // same start, stepped by hand
  for (float h : {0.01f, 0.01f, 0.005f}) expected.Simulate(h);

  FrameAfter(25);
  EXPECT_DOUBLE_EQ(LastTime(), 0.025);
  EXPECT_EQ(pWorld->SourceIndex, 1);  // three swaps
  EXPECT_TRUE(SameMatrix(BlockNow(), expected.Source(BlockBody).Orientation));
  EXPECT_NE(BlockNow()(1, 0), 0.0f);  // it did turn, so the comparison means something
}

TEST_F(StepTest, NoTimeNoSubstepNoSwap) {
  FrameAfter(3);
  const int source = pWorld->SourceIndex;
  FrameAfter(0);
  EXPECT_EQ(pWorld->SourceIndex, source);
  EXPECT_DOUBLE_EQ(LastTime(), 0.003);
}

TEST_F(StepTest, StoppedBlockNeverMoves) {
  SetEulerAngles({30, 40, 50});
  const Matrix3x3 shown = BlockNow();
  RunFor(20, 7, [] {});
  EXPECT_TRUE(SameMatrix(BlockNow(), shown));
  EXPECT_TRUE(SameMatrix(BlockOrientation, shown));
}

TEST_F(StepTest, StartUpTurnIsAboutTheUprightLongAxis) {
  Start();
  double turned = 0.0, previous = 0.0, fullTurnAt = 0.0;
  float lowestLongAxis = 1.0f;
  RunFor(7, 1, [&] {
    const double heading = Heading(BlockNow());
    turned += AngleBetween(heading, previous);
    previous = heading;
    if (fullTurnAt == 0.0 && turned >= kTurn)
      fullTurnAt = LastTime();
    lowestLongAxis = std::min(lowestLongAxis, BlockNow()(2, 2));
  });
  EXPECT_NEAR(pWorld->Source(BlockBody).AngularVelocity.GetZ(), 0.957f, 0.001f);
  EXPECT_NEAR(fullTurnAt, 6.56, 0.01);
  EXPECT_GT(lowestLongAxis, 1.0f - 1e-6f);
}

TEST_F(StepTest, RotatingViewCancelsTheVerticalTurn) {
  Start();
  RotatingView = true;
  double blockTurned = 0.0, previous = 0.0, worstDrawnHeading = 0.0;
  RunFor(5, 1, [&] {
    const double heading = Heading(BlockNow());
    blockTurned += AngleBetween(heading, previous);
    previous = heading;
    const double drawn = std::fabs(Heading(FrameNow() * BlockNow()));
    worstDrawnHeading = std::max(worstDrawnHeading, drawn);
  });
  EXPECT_GT(blockTurned, 4.7);
  EXPECT_LT(worstDrawnHeading, 1e-3);
  EXPECT_NEAR(AngleBetween(Heading(FrameNow()), -Heading(BlockNow())), 0.0, 1e-3);

  // Back on the ground the frame stays where it got to.
  RotatingView = false;
  FrameAfter(1);
  const Matrix3x3 frameStopped = FrameNow();
  RunFor(1, 1, [] {});
  EXPECT_TRUE(SameMatrix(FrameNow(), frameStopped));
  EXPECT_TRUE(SameMatrix(FrameOrientation, frameStopped));
}

// Chosen body axis's component along the world vertical, sampled every frame.
struct AxisWatch {
  float minAlong = 1.0f;  // closest approach to horizontal, |cos tilt|
  int turnsOver = 0;      // times the axis crossed the horizontal
  float worstOrthonormality = 0.0f;
};

class ExampleTest : public FreeBodyTest {
 protected:
  AxisWatch Run(int example, unsigned axis, double seconds) {
    ApplyExample(example);
    Start();
    AxisWatch watch;
    float previous = BlockNow()(2, axis);
    RunFor(seconds, 1, [&] {
      const Matrix3x3& m = BlockNow();
      const float along = m(2, axis);
      watch.minAlong = std::min(watch.minAlong, std::fabs(along));
      if ((along < 0) != (previous < 0))
        ++watch.turnsOver;
      previous = along;
      const Matrix3x3 product = math3d::Transpose(m) * m;
      for (unsigned i = 0; i < 3; ++i)
        for (unsigned j = 0; j < 3; ++j)
          watch.worstOrthonormality = std::max(watch.worstOrthonormality,
                                               std::fabs(product(i, j) - (i == j ? 1.0f : 0.0f)));
    });
    return watch;
  }
};

const float kTenDegrees = std::cos(10.0f * math3d::Pi / 180.0f);

TEST_F(ExampleTest, LongAxisTurnStaysBounded) {
  const AxisWatch watch = Run(1, 2, 60);
  EXPECT_EQ(watch.turnsOver, 0);
  EXPECT_GT(watch.minAlong, kTenDegrees);
}

// The tilt swings between 5 degrees towards body z and about 25 towards body y.
TEST_F(ExampleTest, ThinAxisTurnStaysBounded) {
  const AxisWatch watch = Run(3, 0, 60);
  EXPECT_EQ(watch.turnsOver, 0);
  EXPECT_GT(watch.minAlong, std::cos(30.0f * math3d::Pi / 180.0f));
}

TEST_F(ExampleTest, IntermediateAxisTurnsOverAgainAndAgain) {
  const AxisWatch watch = Run(2, 1, 60);
  EXPECT_GE(watch.turnsOver, 4);
  EXPECT_LT(watch.worstOrthonormality, 1e-6f);
}

TEST_F(StepTest, ClockKeepsUpPastSeventyThreeHoursAndTheCounterWrap) {
  now_ms_ = 0xFFFFFC18u;  // the 32-bit counter wraps one second in
  SetClock([this] { return now_ms_; });
  AdvanceFrame();
  for (int i = 0; i < 263; ++i) FrameAfter(1000 * 1000);  // past 2^18 s
  EXPECT_DOUBLE_EQ(LastTime(), 263000.0);

  Start();
  RunFor(1, 10, [] {});
  EXPECT_DOUBLE_EQ(LastTime(), 263001.0);
  // 0.99 s of turning: the first sub-step after a start only finds the velocity.
  EXPECT_NEAR(Heading(BlockNow()), 0.957 * 0.99, 0.002);
}

}  // namespace
}  // namespace freebody
