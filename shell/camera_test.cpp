#include "shell/camera.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <array>

#include "testing/offscreen_gl.h"

namespace shell {
namespace {

TEST(CameraTest, KeysSetRatesAndAnyReleaseStopsAll) {
  Camera camera(-1.74f, 0.02f);
  camera.KeyDown(VK_LEFT);
  camera.KeyDown(VK_DOWN);
  camera.KeyDown(VK_I);
  camera.Tick();
  camera.Tick();
  EXPECT_FLOAT_EQ(camera.ViewYaw, 2.0f);
  EXPECT_FLOAT_EQ(camera.ViewPitch, -2.0f);
  EXPECT_FLOAT_EQ(camera.ViewDistance, -1.74f + 0.02f + 0.02f);

  camera.KeyDown(VK_O);  // the last of I and O wins
  camera.KeyDown('X');   // other keys change nothing
  camera.KeyDown(VK_RIGHT);
  camera.KeyDown(VK_UP);
  camera.Tick();
  EXPECT_FLOAT_EQ(camera.ViewYaw, 1.0f);
  EXPECT_FLOAT_EQ(camera.ViewPitch, -1.0f);
  EXPECT_NEAR(camera.ViewDistance, -1.74f + 0.02f, 1e-6f);

  camera.KeyUp();
  camera.Tick();
  EXPECT_FLOAT_EQ(camera.ViewYaw, 1.0f);
  EXPECT_FLOAT_EQ(camera.ViewPitch, -1.0f);
  EXPECT_NEAR(camera.ViewDistance, -1.74f + 0.02f, 1e-6f);
}

std::array<float, 3> Transform(const float* m, float x, float y, float z) {
  return {m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
          m[2] * x + m[6] * y + m[10] * z + m[14]};
}

TEST(CameraTest, ShowsSimulationZUpAndYToTheRight) {
  testkit::OffscreenGL gl(8, 8);
  ASSERT_TRUE(gl.IsValid());
  Camera camera(-10.0f, 0.1f);
  camera.Apply();
  float m[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, m);
  const auto z = Transform(m, 0, 0, 1), y = Transform(m, 0, 1, 0), x = Transform(m, 1, 0, 0);
  EXPECT_NEAR(z[1], 1.0f, 1e-6f);    // up
  EXPECT_NEAR(y[0], 1.0f, 1e-6f);    // right
  EXPECT_NEAR(x[2], -9.0f, 1e-6f);   // towards the viewer from -10
  EXPECT_NEAR(z[2], -10.0f, 1e-6f);  // the origin sits at the view distance

  camera.ViewYaw = 90.0f;  // turning about the screen's vertical brings y towards the viewer
  camera.Apply();
  glGetFloatv(GL_MODELVIEW_MATRIX, m);
  EXPECT_NEAR(Transform(m, 0, 1, 0)[2], -11.0f, 1e-5f);
}

}  // namespace
}  // namespace shell
