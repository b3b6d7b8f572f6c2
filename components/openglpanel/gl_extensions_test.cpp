#include "components/openglpanel/gl_extensions.h"

#include <gtest/gtest.h>

namespace {

TEST(ExtensionListed, WholeTokensOnly) {
  const char* list = "GL_EXT_bgra GL_EXT_abgr ";
  EXPECT_TRUE(ExtensionListed(list, "GL_EXT_abgr"));
  EXPECT_TRUE(ExtensionListed(list, "GL_EXT_bgra"));
  EXPECT_FALSE(ExtensionListed(list, "GL_EXT"));
  EXPECT_FALSE(ExtensionListed(list, "abgr"));
  EXPECT_FALSE(ExtensionListed(list, "GL_EXT_abgr "));
  EXPECT_FALSE(ExtensionListed(list, "gl_ext_abgr"));
  EXPECT_TRUE(ExtensionListed("GL_A", "GL_A"));  // the last token without a space
}

TEST(ExtensionListed, EmptyNameOnlyBetweenTwoSpacesOrAtALeadingOne) {
  EXPECT_FALSE(ExtensionListed("GL_A GL_B ", ""));
  EXPECT_FALSE(ExtensionListed("", ""));
  EXPECT_TRUE(ExtensionListed("GL_A  GL_B", ""));
  EXPECT_TRUE(ExtensionListed(" GL_A", ""));
}

}  // namespace
