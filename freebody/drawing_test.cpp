#include "freebody/drawing.h"

#include <gtest/gtest.h>

#include "testing/offscreen_gl.h"
#include "freebody/test_fixture.h"

namespace freebody {
namespace {

constexpr int kCentre = 200;  // of the 400 x 400 panel

bool IsYellow(testkit::Rgb c) { return c.r > 200 && c.g > 200 && c.b < 50; }
bool IsWhite(testkit::Rgb c) { return c.r > 200 && c.g > 200 && c.b > 200; }
bool IsGrey(testkit::Rgb c) { return c.r == c.g && c.g == c.b && c.r > 100 && c.r < 160; }

class DrawingTest : public FreeBodyTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(gl_.IsValid());
    FreeBodyTest::SetUp();
    InitializeScene();
  }

  // The window's paint: its camera, then the frame.
  void Paint(float pitch = 0) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0, 0, -10);
    glRotatef(pitch, 1, 0, 0);  // no yaw
    glRotatef(-90, 1, 0, 0);
    glRotatef(-90, 0, 0, 1);
    RunFrame();
  }

  bool YellowAt(int dx, int dy) { return IsYellow(gl_.Pixel(kCentre + dx, kCentre + dy)); }

  // Pixels of columns [x0, x1] with white in one of rows y - 1 .. y + 1.
  int WhiteAlongRow(int y, int x0, int x1) {
    int count = 0;
    for (int x = x0; x <= x1; ++x)
      if (IsWhite(gl_.Pixel(x, y - 1)) || IsWhite(gl_.Pixel(x, y)) || IsWhite(gl_.Pixel(x, y + 1)))
        ++count;
    return count;
  }

  testkit::OffscreenGL gl_{400, 400};
};

// The front face, 1.6 x 3.6 at 9.8 from the eye, covers about 79 x 177 pixels;
// turned by the bars it lies across the screen.
TEST_F(DrawingTest, BlockStandsUprightFacingTheViewerUntilTurned) {
  Paint();
  EXPECT_TRUE(YellowAt(0, 0) && YellowAt(35, 0) && YellowAt(-35, 0));
  EXPECT_TRUE(YellowAt(0, 85) && YellowAt(0, -85));
  EXPECT_FALSE(YellowAt(45, 0) || YellowAt(-45, 0) || YellowAt(0, 95) || YellowAt(0, -95));
  SetEulerAngles({0, 90, 0});  // long axis along world -y
  Paint();
  EXPECT_TRUE(YellowAt(85, 0) && YellowAt(-85, 0));
  EXPECT_FALSE(YellowAt(0, 45) || YellowAt(0, -45));
}

TEST_F(DrawingTest, AxesStickOutOfTheBlockWhenShown) {
  // Body y runs across the screen: from the block's edge (39 px) to 2.667 (129 px).
  Paint();
  EXPECT_EQ(WhiteAlongRow(kCentre, kCentre + 50, kCentre + 120), 0);
  ShowAxes = true;
  Paint();
  EXPECT_GE(WhiteAlongRow(kCentre, kCentre + 50, kCentre + 120), 65);
  EXPECT_GE(WhiteAlongRow(kCentre, kCentre - 120, kCentre - 50), 65);
  EXPECT_TRUE(YellowAt(20, 20));  // lines, not a white block
}

TEST_F(DrawingTest, RoomHasTopEdgesAboveAndTheFloorBelow) {
  Paint();
  // The far top edge, 14 from the eye at height 4, passes about 138 px up.
  EXPECT_GE(WhiteAlongRow(kCentre + 138, kCentre - 20, kCentre + 20), 35);
  // The far floor edge is as far down; the floor fills what lies below it.
  EXPECT_TRUE(IsGrey(gl_.Pixel(kCentre - 100, 30)));
  EXPECT_FALSE(IsGrey(gl_.Pixel(kCentre - 100, 100)));
  // Looking down from above shows much more of it.
  Paint(30);
  EXPECT_TRUE(IsGrey(gl_.Pixel(kCentre - 100, 100)));
  EXPECT_GT(gl_.Count({128, 128, 128}, 2), 40000);
}

// A quarter turn at 0.957 rad/s would show the block's thin side from the ground.
TEST_F(DrawingTest, RotatingViewKeepsTheBlockFacingTheViewer) {
  Start();
  RotatingView = true;
  Paint();
  now_ms_ += 1641;
  Paint();
  EXPECT_TRUE(YellowAt(35, 0) && YellowAt(-35, 0));
  EXPECT_FALSE(IsIdentity(FrameOrientation));  // the room turned instead
  EXPECT_FALSE(IsIdentity(BlockOrientation));
}

}  // namespace
}  // namespace freebody
