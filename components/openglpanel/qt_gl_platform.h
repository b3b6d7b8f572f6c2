#pragma once
// GLPlatform on Qt, for one panel's native surface. Each rendering context is a
// compatibility-profile QOpenGLContext of the platform's own; all of them share one
// group of display lists and textures. The surface is double-buffered: a
// single-buffered format shows what was drawn whenever its context is let go.
// Colour-index formats are not offered, so no format ever needs a palette here.

#include "components/openglpanel/gl_platform.h"

#include <memory>
#include <set>

class QOpenGLContext;

class QtGLPlatform : public GLPlatform {
 public:
  QtGLPlatform();
  ~QtGLPlatform() override;

  HDC GetDC(HWND window) override;
  int ReleaseDC(HWND window, HDC dc) override;
  int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR& pfd) override;
  int SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR& pfd) override;
  int DescribePixelFormat(HDC dc, int format, unsigned size, PIXELFORMATDESCRIPTOR* pfd) override;

  HGLRC wglCreateContext(HDC dc) override;
  bool CanCreateContexts() override;
  int wglMakeCurrent(HDC dc, HGLRC rc) override;
  int wglDeleteContext(HGLRC rc) override;
  int wglShareLists(HGLRC first, HGLRC second) override;
  int SwapBuffers(HDC dc) override;

  HPALETTE GetStockObject(int object) override;
  HPALETTE CreatePalette(const LOGPALETTE& description) override;
  HPALETTE SelectPalette(HDC dc, HPALETTE palette, bool forceBackground) override;
  int RealizePalette(HDC dc) override;
  int DeleteObject(HPALETTE palette) override;
  void InvalidateRect(HWND window, bool erase) override;

  int GetLastError() override { return last_error_; }

 private:
  enum Format { kNone, kDoubleBuffered, kSingleBuffered, kFormatCount = kSingleBuffered };

  bool Fail(int error);
  bool IsOwnDC(HDC dc);
  bool IsOwnContext(HGLRC rc) const;
  static void ReleaseCurrent();

  QWindow* surface_ = nullptr;
  bool dc_issued_ = false;
  Format format_ = kNone;
  std::unique_ptr<QOpenGLContext> context_;
  bool viewport_set_ = false;

  HPALETTE selected_palette_{};
  std::set<HPALETTE> palettes_;
  std::uintptr_t next_palette_ = 2;
  int last_error_ = 0;
};
