#include "components/openglpanel/fake_gl_platform.h"

bool FakeGLPlatform::Fails(const std::string& call) {
  log.push_back(call);
  const auto failure = failures.find(call);
  if (failure == failures.end())
    return false;
  last_error_ = failure->second;
  return true;
}

int FakeGLPlatform::DescribePixelFormat(HDC, int, unsigned, PIXELFORMATDESCRIPTOR* pfd) {
  if (Fails("DescribePixelFormat"))
    return 0;
  if (described)
    *pfd = *described;
  return 1;
}

int FakeGLPlatform::wglMakeCurrent(HDC, HGLRC rc) {
  if (Fails(rc == HGLRC{} ? "wglMakeCurrent(null)" : "wglMakeCurrent"))
    return 0;
  current = rc;
  return 1;
}

HPALETTE FakeGLPlatform::SelectPalette(HDC, HPALETTE palette, bool forceBackground) {
  if (Fails("SelectPalette"))
    return HPALETTE{};
  const HPALETTE previous = selected;
  selected = palette;
  background = forceBackground;
  return previous;
}
