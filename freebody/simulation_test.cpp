#include "freebody/commands.h"

#include <gtest/gtest.h>

#include <cmath>

#include "freebody/test_fixture.h"

namespace freebody {
namespace {

const BodyConfiguration& Block() { return pWorld->Source(BlockBody); }

using CommandsTest = FreeBodyTest;

// Each example tilts its axis 5 degrees from the vertical; the block rests until started.
TEST_F(CommandsTest, ExamplesSetAnglesOrientationAndMomentum) {
  const float cos5 = std::cos(5.0f * math3d::Pi / 180.0f);
  EXPECT_EQ(ApplyExample(2).theta, 265);
  EXPECT_FLOAT_EQ(InitialMomentum.GetZ(), 0.5f);
  EXPECT_TRUE(SameMatrix(InitialOrientation, BlockOrientation));
  EXPECT_TRUE(SameMatrix(Block().Orientation, BlockOrientation));
  EXPECT_NEAR(Block().Orientation(2, 1), -cos5, 1e-6f);  // body y near straight down
  EXPECT_EQ(Block().AngularMomentum.GetZ(), 0.0f);

  EXPECT_EQ(ApplyExample(1).theta, 175);
  EXPECT_FLOAT_EQ(InitialMomentum.GetZ(), 0.5f);  // example 1 keeps the momentum set
  EXPECT_EQ(ApplyExample(3).psi, 90);
}

TEST_F(CommandsTest, PauseStopsWhereTheBlockIsAndStartGoesOn) {
  Start();
  RunFor(2, 1);
  const Matrix3x3 turned = Block().Orientation;
  ASSERT_FALSE(IsIdentity(turned));

  Pause();
  RunFor(1, 1);
  EXPECT_TRUE(SameMatrix(Block().Orientation, turned));
  EXPECT_EQ(Block().AngularMomentum.GetZ(), 0.0f);

  Start();
  EXPECT_TRUE(SameMatrix(Block().Orientation, turned));
  EXPECT_FLOAT_EQ(Block().AngularMomentum.GetZ(), 0.2f);
  RunFor(0.1, 1);
  EXPECT_FALSE(SameMatrix(Block().Orientation, turned));
}

TEST_F(CommandsTest, ResetReturnsBlockAndRoomButKeepsTheView) {
  ApplyExample(3);
  Start();
  RotatingView = true;
  RunFor(2, 1);
  ASSERT_FALSE(IsIdentity(FrameOrientation));
  ResetSimulation();
  EXPECT_FALSE(Running);
  EXPECT_TRUE(RotatingView);
  EXPECT_TRUE(IsIdentity(pWorld->Source(FrameBody).Orientation));
  EXPECT_TRUE(SameMatrix(Block().Orientation, InitialOrientation));
  EXPECT_EQ(Block().AngularMomentum.GetZ(), 0.0f);
}

TEST_F(CommandsTest, BarsMoveTheBlockAndOnlyOkMakesItInitial) {
  SetEulerAngles({0, 90, 0});
  EXPECT_TRUE(SameMatrix(Block().Orientation, EulerOrientation(0, 90, 0)));
  ResetSimulation();
  EXPECT_TRUE(IsIdentity(Block().Orientation));  // no Ok: back to the old initial one

  SetEulerAngles({0, 90, 0});
  ResetSimulation();  // the bars still show (0, 90, 0)
  AcceptInitialConditions(Vector3(0.3f, 0, 0));
  EXPECT_TRUE(IsIdentity(Block().Orientation));  // Ok does not reset
  ResetSimulation();
  EXPECT_TRUE(SameMatrix(Block().Orientation, EulerOrientation(0, 90, 0)));
  Start();
  EXPECT_FLOAT_EQ(Block().AngularMomentum.GetX(), 0.3f);
}

}  // namespace
}  // namespace freebody
