#include "components/openglpanel/fake_gl_platform.h"

bool FakeGLPlatform::Fails(const std::string& call) {
  log.push_back(call);
  const auto failure = failures.find(call);
  if (failure == failures.end())
    return false;
  last_error_ = failure->second;
  return true;
}

HDC FakeGLPlatform::GetDC(HWND) {
  return Fails("GetDC") ? HDC{} : kDC;
}

int FakeGLPlatform::ReleaseDC(HWND, HDC) {
  return Fails("ReleaseDC") ? 0 : 1;
}

int FakeGLPlatform::ChoosePixelFormat(HDC, const PIXELFORMATDESCRIPTOR& pfd) {
  requested = pfd;
  return Fails("ChoosePixelFormat") ? 0 : 1;
}

int FakeGLPlatform::SetPixelFormat(HDC, int, const PIXELFORMATDESCRIPTOR&) {
  return Fails("SetPixelFormat") ? 0 : 1;
}

int FakeGLPlatform::DescribePixelFormat(HDC, int, unsigned, PIXELFORMATDESCRIPTOR* pfd) {
  if (Fails("DescribePixelFormat"))
    return 0;
  if (described)
    *pfd = *described;
  return 1;
}

HGLRC FakeGLPlatform::wglCreateContext(HDC) {
  return Fails("wglCreateContext") ? HGLRC{} : kContext;
}

int FakeGLPlatform::wglMakeCurrent(HDC, HGLRC rc) {
  if (Fails(rc == HGLRC{} ? "wglMakeCurrent(null)" : "wglMakeCurrent"))
    return 0;
  current = rc;
  return 1;
}

int FakeGLPlatform::wglDeleteContext(HGLRC) {
  return Fails("wglDeleteContext") ? 0 : 1;
}

int FakeGLPlatform::wglShareLists(HGLRC, HGLRC) {
  return Fails("wglShareLists") ? 0 : 1;
}

int FakeGLPlatform::SwapBuffers(HDC) {
  return Fails("SwapBuffers") ? 0 : 1;
}

HPALETTE FakeGLPlatform::GetStockObject(int) {
  return Fails("GetStockObject") ? HPALETTE{} : kStockPalette;
}

HPALETTE FakeGLPlatform::CreatePalette(const LOGPALETTE& description) {
  created_palette = description;
  return Fails("CreatePalette") ? HPALETTE{} : kPalette;
}

HPALETTE FakeGLPlatform::SelectPalette(HDC, HPALETTE palette, bool forceBackground) {
  if (Fails("SelectPalette"))
    return HPALETTE{};
  const HPALETTE previous = selected;
  selected = palette;
  background = forceBackground;
  return previous;
}

int FakeGLPlatform::RealizePalette(HDC) {
  return Fails("RealizePalette") ? GDI_ERROR : realize_result;
}

int FakeGLPlatform::DeleteObject(HPALETTE) {
  return Fails("DeleteObject") ? 0 : 1;
}

void FakeGLPlatform::InvalidateRect(HWND, bool) {
  log.push_back("InvalidateRect");
}
