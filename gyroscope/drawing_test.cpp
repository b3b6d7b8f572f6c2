#include <GL/gl.h>
#include <GL/glu.h>

#include <gtest/gtest.h>

#include <vector>

#include "testing/offscreen_gl.h"
#include "gyroscope/conditions.h"
#include "gyroscope/scene.h"
#include "gyroscope/test_fixture.h"

namespace gyroscope {
namespace {

constexpr int Size = 400;

struct Point {
  int x, y;
};
using PixelTest = bool (*)(int r, int g, int b);

class RenderTest : public GyroscopeTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(gl_.IsValid());
    GyroscopeTest::SetUp();
    InitializeScene();
  }
  // The window's camera at its start values, then the frame.
  void Paint(std::uint32_t ms = 1) {
    now_ms_ += ms;
    gl_.MakeCurrent();
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -1.74f);  // no pitch or yaw yet
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
    glRotatef(-90.0f, 0.0f, 0.0f, 1.0f);
    RunFrame();
    pixels_.resize(Size * Size * 4);
    glReadPixels(0, 0, Size, Size, GL_RGBA, GL_UNSIGNED_BYTE, pixels_.data());
  }

  // Where a point of the simulation's space lands with the camera of the last paint.
  Point Project(float x, float y, float z) {
    GLdouble model[16], projection[16], wx, wy, wz;
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluProject(x, y, z, model, projection, viewport, &wx, &wy, &wz);
    return {int(wx), int(wy)};
  }

  // Pixels passing `test` within `radius` of `centre` (by default the whole picture).
  std::vector<Point> Find(const PixelTest& test, Point centre = {Size / 2, Size / 2},
                          int radius = Size) {
    std::vector<Point> found;
    for (int y = std::max(0, centre.y - radius); y < std::min(Size, centre.y + radius + 1); ++y)
      for (int x = std::max(0, centre.x - radius); x < std::min(Size, centre.x + radius + 1); ++x) {
        const unsigned char* p = &pixels_[(y * Size + x) * 4];
        if (test(p[0], p[1], p[2]))
          found.push_back({x, y});
      }
    return found;
  }

  testkit::OffscreenGL gl_{Size, Size};
  std::vector<unsigned char> pixels_;
};

const PixelTest kRed = [](int r, int g, int b) { return r > 40 && g < 16 && b < 16; };
const PixelTest kWhite = [](int r, int g, int b) { return r > 240 && g > 240 && b > 240; };
const PixelTest kGreen = [](int r, int g, int b) { return g > 240 && r < 16 && b < 16; };
const PixelTest kGrey = [](int r, int g, int b) {
  return std::abs(r - 128) < 4 && std::abs(g - 128) < 4 && std::abs(b - 128) < 4;
};

TEST_F(RenderTest, DiscAxleCrossAndFloorFollowTheSettings) {
  Paint(0);
  // Lit red disc around the axle, on the right of the pivot (simulation +y is screen right).
  const auto red = Find(kRed);
  ASSERT_GT(red.size(), 300u);
  const Point disc = Project(0.0f, ArmLength + DiscThickness, 0.0f);
  for (const Point& p : red) ASSERT_NEAR(p.x, disc.x, 12) << p.x << "," << p.y;
  EXPECT_FALSE(Find(kWhite, Project(0.0f, 0.15f, 0.0f), 1).empty());  // the white axle
  // The grey floor, wholly below the pivot's level.
  const auto grey = Find(kGrey);
  EXPECT_GT(grey.size(), 5000u);
  const int pivot_row = Project(0.0f, 0.0f, 0.0f).y;
  for (const Point& p : grey) ASSERT_LT(p.y, pivot_row);
  // The cross's body-y arm stands vertical beyond the disc's rim, only while axes are shown.
  const Point arm_ends[] = {Project(0.0f, ArmLength + DiscThickness, 0.17f),
                            Project(0.0f, ArmLength + DiscThickness, -0.17f)};
  for (const Point& end : arm_ends) EXPECT_FALSE(Find(kWhite, end, 2).empty());
  ShowAxes = false;
  Paint();
  for (const Point& end : arm_ends) EXPECT_TRUE(Find(kWhite, end, 2).empty());
  EXPECT_GT(Find(kRed).size(), 300u);  // only the cross went
  // The Euler angles turn the drawn top at once: axle straight up.
  SetEulerAngles(0.0f, 0.0f, 0.0f);
  Paint(0);
  const auto upright = Find(kRed);
  ASSERT_GT(upright.size(), 50u);
  const Point top = Project(0.0f, 0.0f, ArmLength + DiscThickness);
  for (const Point& p : upright) ASSERT_NEAR(p.y, top.y, 12) << p.x << "," << p.y;
}

TEST_F(RenderTest, GravityRunLeavesAGreenTraceOnlyWhileItIsShown) {
  Paint(0);
  // One point at the axle's end; the start point 0.8 m out is off the picture.
  const auto start = Find(kGreen);
  EXPECT_LE(start.size(), 4u);
  for (const Point& p : start) EXPECT_NEAR(p.x, Project(0.0f, AxisLength, 0.0f).x, 2);
  SwitchGravity(true);
  Running = true;
  for (int i = 0; i < 150; ++i) Paint(10);
  const auto green = Find(kGreen);
  EXPECT_GT(green.size(), 100u);
  // The axle's end has swung towards -x and dipped: points below the pivot's level.
  EXPECT_TRUE(
      std::any_of(green.begin(), green.end(), [](const Point& p) { return p.y < Size / 2 - 10; }));
  ShowTrajectory = false;
  Paint();
  EXPECT_TRUE(Find(kGreen).empty());
}

}  // namespace
}  // namespace gyroscope
