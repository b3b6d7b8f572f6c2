#pragma once
// A GLPlatform for tests: logs every call by name, can fail any of them with a chosen
// error code, and tracks which context is current and which palette is selected.

#include "components/openglpanel/gl_platform.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

class FakeGLPlatform : public GLPlatform {
 public:
  static constexpr HDC kDC{100};
  static constexpr HGLRC kContext{200};
  static constexpr HPALETTE kPalette{300};
  static constexpr HPALETTE kStockPalette{15};

  // Calls, in order, with "wglMakeCurrent(null)" for a release; tests may append
  // their own entries (message boxes, events).
  std::vector<std::string> log;
  std::map<std::string, int> failures;             // call name -> error code
  std::optional<PIXELFORMATDESCRIPTOR> described;  // what DescribePixelFormat reports
  std::optional<PIXELFORMATDESCRIPTOR> requested;  // what ChoosePixelFormat was given
  std::optional<LOGPALETTE> created_palette;
  int realize_result = 0;
  HGLRC current{};
  HPALETTE selected{};
  bool background = false;  // how `selected` was selected

  HDC GetDC(HWND window) override;
  int ReleaseDC(HWND window, HDC dc) override;
  int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR& pfd) override;
  int SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR& pfd) override;
  int DescribePixelFormat(HDC dc, int format, unsigned size, PIXELFORMATDESCRIPTOR* pfd) override;
  HGLRC wglCreateContext(HDC dc) override;
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
  // Logs the call; true when the test asked it to fail.
  bool Fails(const std::string& call);

  int last_error_ = 0;
};
