#include "freebody/step.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "freebody/test_fixture.h"

namespace freebody {
namespace {

constexpr double kTurn = 2 * std::numbers::pi;

// Angle of body x about the world vertical, and the smallest signed difference of two angles.
double Heading(const Matrix3x3& m) { return std::atan2(m(1, 0), m(0, 0)); }
double AngleBetween(double a, double b) { return std::remainder(a - b, kTurn); }
const Matrix3x3& BlockNow() { return pWorld->Source(BlockBody).Orientation; }
const Matrix3x3& FrameNow() { return pWorld->Source(FrameBody).Orientation; }

using StepTest = FreeBodyTest;

// The start-up turn about the upright long axis, watched from the rotating view that
// cancels it (the view does not change the block's own motion).
TEST_F(StepTest, StartUpTurnAboutTheLongAxisAndTheRotatingViewCancelsIt) {
  Start();
  RotatingView = true;
  double turned = 0.0, previous = 0.0, fullTurnAt = 0.0, worstDrawnHeading = 0.0;
  float lowestLongAxis = 1.0f;
  RunFor(7, 1, [&] {
    const double heading = Heading(BlockNow());
    turned += AngleBetween(heading, previous);
    previous = heading;
    if (fullTurnAt == 0.0 && turned >= kTurn)
      fullTurnAt = LastTime();
    lowestLongAxis = std::min(lowestLongAxis, BlockNow()(2, 2));
    worstDrawnHeading = std::max(worstDrawnHeading, std::fabs(Heading(FrameNow() * BlockNow())));
  });
  EXPECT_NEAR(pWorld->Source(BlockBody).AngularVelocity.GetZ(), 0.957f, 0.001f);
  EXPECT_NEAR(fullTurnAt, 6.56, 0.01);
  EXPECT_GT(lowestLongAxis, 1.0f - 1e-6f);
  EXPECT_LT(worstDrawnHeading, 1e-3);

  // Back on the ground the frame stays where it got to.
  RotatingView = false;
  FrameAfter(1);
  const Matrix3x3 frameStopped = FrameNow();
  RunFor(1, 1);
  EXPECT_TRUE(SameMatrix(FrameNow(), frameStopped));
  EXPECT_TRUE(SameMatrix(FrameOrientation, frameStopped));
}

// Examples 1 and 3 turn about the axes of least and greatest inertia and stay within
// a few degrees (3 swings up to about 25); example 2's intermediate axis turns over.
TEST_F(StepTest, ExamplesOneAndThreeStayBoundedTwoTurnsOver) {
  const auto cosine = [](float degrees) { return std::cos(degrees * math3d::Pi / 180.0f); };
  const struct {
    int example;
    unsigned axis;
    float minAlong;  // least |cos tilt| of the chosen axis allowed; 0 for no bound
  } cases[] = {{1, 2, cosine(10)}, {3, 0, cosine(30)}, {2, 1, 0.0f}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.example);
    ApplyExample(c.example);
    Start();
    float minAlong = 1.0f, worstOrthonormality = 0.0f;
    float previous = BlockNow()(2, c.axis);
    int turnsOver = 0;
    RunFor(60, 1, [&] {
      const Matrix3x3& m = BlockNow();
      const float along = m(2, c.axis);
      minAlong = std::min(minAlong, std::fabs(along));
      turnsOver += (along < 0) != (previous < 0);
      previous = along;
      const Matrix3x3 product = math3d::Transpose(m) * m;
      for (unsigned i = 0; i < 3; ++i)
        for (unsigned j = 0; j < 3; ++j)
          worstOrthonormality =
              std::max(worstOrthonormality, std::fabs(product(i, j) - (i == j ? 1.0f : 0.0f)));
    });
    EXPECT_LT(worstOrthonormality, 1e-6f);
    if (c.minAlong > 0) {
      EXPECT_EQ(turnsOver, 0);
      EXPECT_GT(minAlong, c.minAlong);
    } else {
      EXPECT_GE(turnsOver, 4);
    }
  }
}

// Frames run sub-steps of at most MaxStep, none without time, past the counter's wrap
// and 2^18 s of running.
TEST_F(StepTest, ClockKeepsUpPastTheCounterWrapInSubstepsOfAtMostMaxStep) {
  now_ms_ = 0xFFFFFC18u;  // the 32-bit counter wraps one second in
  SetClock([this] { return now_ms_; });
  AdvanceFrame();
  for (int i = 0; i < 263; ++i) FrameAfter(1000 * 1000);
  EXPECT_DOUBLE_EQ(LastTime(), 263000.0);

  Start();
  simulation_world expected(8, 8, 8);  // same start, stepped by hand
  for (float h : {0.01f, 0.01f, 0.005f}) expected.Simulate(h);
  FrameAfter(25);
  FrameAfter(0);
  EXPECT_DOUBLE_EQ(LastTime(), 263000.025);
  EXPECT_EQ(pWorld->SourceIndex, expected.SourceIndex);  // three swaps, none for the empty frame
  EXPECT_TRUE(SameMatrix(BlockNow(), expected.Source(BlockBody).Orientation));
  EXPECT_NE(BlockNow()(1, 0), 0.0f);  // it did turn, so the comparison means something
  RunFor(1, 10);
  // The first sub-step after a start only finds the velocity.
  EXPECT_NEAR(Heading(BlockNow()), 0.957 * 1.015, 0.002);
}

}  // namespace
}  // namespace freebody
