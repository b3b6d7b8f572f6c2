#include "testing/offscreen_gl.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

namespace testkit {
namespace {

TEST(OffscreenGLTest, ReadsBackWhatWasDrawn) {
  OffscreenGL gl(64, 32);
  ASSERT_TRUE(gl.IsValid());
  glClearColor(0, 0, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, 64, 0, 32, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glColor3f(1, 0, 0);
  glRecti(0, 0, 16, 32);  // left quarter red
  EXPECT_EQ(gl.Pixel(2, 2).r, 255);
  EXPECT_EQ(gl.Pixel(40, 30).b, 255);
  EXPECT_EQ(gl.Count({255, 0, 0}), 16 * 32);
}

}  // namespace
}  // namespace testkit
