#include "components/openglpanel/opengl_panel.h"

#include <QOpenGLContext>
#include <QTest>

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PanelDisplay, DepthIsTheScreensAndCannotBeChanged) {
  const int depth = TOpenGLPanel::GetDisplayBPP();
  EXPECT_EQ(depth, 24);  // the test display is started with 24 bits
  EXPECT_FALSE(TOpenGLPanel::SetDisplayBPP(16));
  EXPECT_EQ(TOpenGLPanel::GetDisplayBPP(), depth);
}

TEST(PanelDisplay, ExtensionsOfTheCurrentContextOnly) {
  EXPECT_FALSE(TOpenGLPanel::QueryOpenGLExtention("GL_ARB_multitexture"));  // none current

  QWidget window;
  auto* panel = new TOpenGLPanel(&window);
  panel->resize(50, 50);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  panel->MakeOpenGLPanelCurrent();
  const std::string listed = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  const std::string first = listed.substr(0, listed.find(' '));
  EXPECT_TRUE(TOpenGLPanel::QueryOpenGLExtention(first.c_str()));
  EXPECT_FALSE(TOpenGLPanel::QueryOpenGLExtention(first.substr(0, first.size() - 1).c_str()));
  EXPECT_FALSE(TOpenGLPanel::QueryOpenGLExtention("GL_NO_such_extension"));
  EXPECT_FALSE(TOpenGLPanel::QueryOpenGLExtention(nullptr));
  panel->MakeOpenGLPanelNotCurrent();
  EXPECT_FALSE(TOpenGLPanel::QueryOpenGLExtention(first.c_str()));
}

}  // namespace
