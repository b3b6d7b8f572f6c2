#pragma once
// GLPlatform on Qt, for one QOpenGLWidget. The rendering context is the widget's own
// compatibility-profile context; the widget's framebuffer is what the window shows.
// A double-buffered format draws into a back framebuffer of its own that SwapBuffers
// copies onto the shown one, so a paint that does not swap leaves the old picture.
// Colour-index formats are not offered, so no format ever needs a palette here.

#include "components/openglpanel/gl_platform.h"

#include <QOpenGLFramebufferObject>

#include <array>
#include <memory>
#include <set>

class QOpenGLContext;
class QOpenGLWidget;

class QtGLPlatform : public GLPlatform {
 public:
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
  QSize DeviceSize() const;
  void BindDrawTarget();
  void SaveViewport();
  static void ReleaseCurrent();

  QOpenGLWidget* widget_ = nullptr;
  bool dc_issued_ = false;
  Format format_ = kNone;
  QOpenGLContext* context_ = nullptr;
  std::unique_ptr<QOpenGLFramebufferObject> back_;
  // Qt resets the viewport before every paint; the application's own is kept here
  // while the context is not current.
  std::array<int, 4> viewport_{};
  bool viewport_known_ = false;

  HPALETTE selected_palette_{};
  std::set<HPALETTE> palettes_;
  std::uintptr_t next_palette_ = 2;
  int last_error_ = 0;
};
