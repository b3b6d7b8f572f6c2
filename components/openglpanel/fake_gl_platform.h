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

  HDC GetDC(HWND) override { return Fails("GetDC") ? HDC{} : kDC; }
  int ReleaseDC(HWND, HDC) override { return Fails("ReleaseDC") ? 0 : 1; }
  int ChoosePixelFormat(HDC, const PIXELFORMATDESCRIPTOR& pfd) override {
    requested = pfd;
    return Fails("ChoosePixelFormat") ? 0 : 1;
  }
  int SetPixelFormat(HDC, int, const PIXELFORMATDESCRIPTOR&) override {
    return Fails("SetPixelFormat") ? 0 : 1;
  }
  int DescribePixelFormat(HDC dc, int format, unsigned size, PIXELFORMATDESCRIPTOR* pfd) override;
  HGLRC wglCreateContext(HDC) override { return Fails("wglCreateContext") ? HGLRC{} : kContext; }
  int wglMakeCurrent(HDC dc, HGLRC rc) override;
  int wglDeleteContext(HGLRC) override { return Fails("wglDeleteContext") ? 0 : 1; }
  int wglShareLists(HGLRC, HGLRC) override { return Fails("wglShareLists") ? 0 : 1; }
  int SwapBuffers(HDC) override { return Fails("SwapBuffers") ? 0 : 1; }
  HPALETTE GetStockObject(int) override {
    return Fails("GetStockObject") ? HPALETTE{} : kStockPalette;
  }
  HPALETTE CreatePalette(const LOGPALETTE& description) override {
    created_palette = description;
    return Fails("CreatePalette") ? HPALETTE{} : kPalette;
  }
  HPALETTE SelectPalette(HDC dc, HPALETTE palette, bool forceBackground) override;
  int RealizePalette(HDC) override { return Fails("RealizePalette") ? GDI_ERROR : realize_result; }
  int DeleteObject(HPALETTE) override { return Fails("DeleteObject") ? 0 : 1; }
  void InvalidateRect(HWND, bool) override { log.push_back("InvalidateRect"); }
  int GetLastError() override { return last_error_; }

 private:
  // Logs the call; true when the test asked it to fail.
  bool Fails(const std::string& call);

  int last_error_ = 0;
};
