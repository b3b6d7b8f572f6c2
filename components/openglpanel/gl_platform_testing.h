#pragma once
// A GLPlatform for tests that logs every call by name and fails the chosen ones, and a
// panel on it.

#include "components/openglpanel/gl_platform.h"
#include "components/openglpanel/opengl_panel.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

class FakeGLPlatform : public GLPlatform {
 public:
  static constexpr HGLRC kContext{200};
  static constexpr HPALETTE kPalette{300};
  static constexpr HPALETTE kStockPalette{15};
  static constexpr int kError = 9;  // what GetLastError reports

  std::string log;      // entries in order, space separated; "wglMakeCurrent(null)" releases
  std::string failing;  // the calls that fail, space separated
  std::optional<PIXELFORMATDESCRIPTOR> described;  // what DescribePixelFormat reports
  std::optional<PIXELFORMATDESCRIPTOR> requested;  // what ChoosePixelFormat was given
  int realize_result = 0;
  HGLRC current{};
  HPALETTE selected{};
  bool background = false;  // how `selected` was selected

  void Note(const std::string& entry) { log += (log.empty() ? "" : " ") + entry; }

  HDC GetDC(HWND) override { return Call("GetDC") ? HDC{100} : HDC{}; }
  int ReleaseDC(HWND, HDC) override { return Call("ReleaseDC"); }
  int ChoosePixelFormat(HDC, const PIXELFORMATDESCRIPTOR& pfd) override {
    requested = pfd;
    return Call("ChoosePixelFormat");
  }
  int SetPixelFormat(HDC, int, const PIXELFORMATDESCRIPTOR&) override {
    return Call("SetPixelFormat");
  }
  int DescribePixelFormat(HDC, int, unsigned, PIXELFORMATDESCRIPTOR* pfd) override {
    *pfd = described.value_or(*pfd);
    return Call("DescribePixelFormat");
  }
  HGLRC wglCreateContext(HDC) override { return Call("wglCreateContext") ? kContext : HGLRC{}; }
  int wglMakeCurrent(HDC, HGLRC rc) override {
    const bool made = Call(rc == HGLRC{} ? "wglMakeCurrent(null)" : "wglMakeCurrent");
    current = made ? rc : current;
    return made;
  }
  int wglDeleteContext(HGLRC) override { return Call("wglDeleteContext"); }
  int wglShareLists(HGLRC, HGLRC) override { return Call("wglShareLists"); }
  int SwapBuffers(HDC) override { return Call("SwapBuffers"); }
  HPALETTE GetStockObject(int) override {
    return Call("GetStockObject") ? kStockPalette : HPALETTE{};
  }
  HPALETTE CreatePalette(const LOGPALETTE&) override {
    return Call("CreatePalette") ? kPalette : HPALETTE{};
  }
  HPALETTE SelectPalette(HDC, HPALETTE palette, bool forceBackground) override {
    background = forceBackground;
    return Call("SelectPalette") ? std::exchange(selected, palette) : HPALETTE{};
  }
  int RealizePalette(HDC) override { return Call("RealizePalette") ? realize_result : GDI_ERROR; }
  int DeleteObject(HPALETTE) override { return Call("DeleteObject"); }
  void InvalidateRect(HWND, bool) override { Note("InvalidateRect"); }
  int GetLastError() override { return kError; }

 private:
  // Logs the call; false when it is to fail.
  bool Call(const std::string& name) {
    Note(name);
    return (" " + failing + " ").find(" " + name + " ") == std::string::npos;
  }
};

// A panel on the fake platform; its bound events log their name, marked "(current)"
// when the fake's context was current.
class FakePanel : public TOpenGLPanel {
 public:
  FakePanel() : FakePanel(new FakeGLPlatform) {}

  FakeGLPlatform& fake;

  using TOpenGLPanel::Paint;
  using TOpenGLPanel::Resize;
  using TOpenGLPanel::TMessage;
  using TOpenGLPanel::WMCreate;
  using TOpenGLPanel::WMDestroy;
  using TOpenGLPanel::WMPaletteChanged;
  using TOpenGLPanel::WMQueryNewPalette;

  template <typename Signal>
  void Bind(Signal signal, const std::string& name) {
    QObject::connect(this, signal, [this, name](QObject* sender) {
      EXPECT_EQ(sender, this);
      fake.Note(name + (fake.current == FakeGLPlatform::kContext ? "(current)" : ""));
    });
  }

 private:
  explicit FakePanel(FakeGLPlatform* platform)
      : TOpenGLPanel(std::unique_ptr<GLPlatform>(platform)), fake(*platform) {}
};

// A described format that needs the 3-3-2 palette (red lowest, blue highest).
inline PIXELFORMATDESCRIPTOR PaletteFormat(int colour_bits = 8) {
  PIXELFORMATDESCRIPTOR pfd;
  pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER | PFD_NEED_PALETTE;
  pfd.cColorBits = colour_bits;
  pfd.cRedBits = pfd.cGreenBits = pfd.cGreenShift = 3;
  pfd.cBlueBits = 2;
  pfd.cBlueShift = 6;
  return pfd;
}
