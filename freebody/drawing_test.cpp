#include "freebody/drawing.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "freebody/commands.h"
#include "scene/scene_testing.h"

namespace freebody {
namespace {

using testkit::CountPixels;
using BlockDrawingTest = scene::SceneTest<Simulation, Drawing, 10.0>;

const QColor Yellow(230, 230, 0), White(255, 255, 255), Grey(128, 128, 128);

// Upright, 1.6 wide and 3.6 tall, facing the viewer until the bars lay it along y;
// its axes stick out when shown; the room's floor lies below the far top edge.
TEST_F(BlockDrawingTest, BlockAxesRoomAndRotatingViewFollowTheState) {
  QImage picture = Paint();
  const auto yellow = [&](double y, double z) {
    return CountPixels(picture, Yellow, 60, Around(y, z, 4));
  };
  EXPECT_GT(std::min(yellow(0.6, 0), yellow(0, 1.6)), 40);
  EXPECT_EQ(yellow(1.0, 0) + yellow(0, 2.1), 0);
  EXPECT_EQ(CountPixels(picture, White, 40, Around(0, 2.3, 4)), 0);
  // The far top edge and the far floor edge, 14 from the eye, 4 above and below.
  const int far_edge = Screen(0.0, 4.0 * 10.0 / 14.0).y();
  EXPECT_GT(CountPixels(picture, White, 40, QRect(180, far_edge - 1, 40, 3)), 35);
  EXPECT_GT(CountPixels(picture, Grey, 6, QRect(0, 404 - far_edge, 400, 400)), 20 * (far_edge - 4));
  s.ShowAxes = true;
  SetEulerAngles(run, {0, 90, 0});  // the long axis along -y, body y up
  picture = Paint();
  EXPECT_GT(std::min(yellow(1.6, 0), yellow(-1.6, 0)), 40);
  EXPECT_EQ(yellow(0, 1.0), 0);
  EXPECT_GT(CountPixels(picture, White, 40, Around(0, 1.5, 4)), 3);
  // A quarter turn at the start-up rate would show the block's thin side; the
  // rotating view turns the room instead.
  SetEulerAngles(run, {0, 0, 0});
  Start(run);
  s.RotatingView = true;
  now_ms += 1641;
  picture = Paint();
  EXPECT_GT(std::min(yellow(0.6, 0), yellow(-0.6, 0)), 40);
  EXPECT_LT(s.BlockOrientation(0, 0), 0.5f);  // the block did turn, and the room with it
  EXPECT_LT(s.FrameOrientation(0, 0), 0.5f);
}

// Tilted, the block turns and omega circles L, which stands still in the ground
// view, above all the block can reach; paused, the arrows are those the run goes on with.
TEST_F(BlockDrawingTest, MomentumStandsStillWhileTheBlockTurns) {
  s.ShowVectors = true;
  SetEulerAngles(run, {0, 30, 0});
  Start(run);
  const float* rgb = scene::MomentumColour;
  const QColor cyan = QColor::fromRgbF(rgb[0], rgb[1], rgb[2]);
  const QRect above(0, 0, 400, Screen(0, 2.4).y()), column(192, 0, 17, above.height());
  const QImage before = Paint();
  now_ms += 1500;
  const QImage after = Paint();
  EXPECT_NE(after, before);
  EXPECT_GT(CountPixels(after, cyan, 60, column), 40);
  EXPECT_EQ(CountPixels(after, cyan, 60, above), CountPixels(after, cyan, 60, column));
  EXPECT_EQ(after.copy(above), before.copy(above));
  Pause(run);
  EXPECT_EQ(Paint(), after);
}

}  // namespace
}  // namespace freebody
