#pragma once
// A GLPlatform for tests that logs every call by name and fails the chosen ones, and a
// panel on it.

#include "components/openglpanel/gl_platform.h"
#include "components/openglpanel/opengl_panel.h"
#include "framework/messages.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>

class FakeGLPlatform : public GLPlatform {
 public:
  static constexpr HGLRC kContext{200};
  static constexpr HPALETTE kPalette{300}, kStockPalette{15};

  std::string log;      // entries in order, space separated; "wglMakeCurrent(null)" releases
  std::string failing;  // the calls that fail, space separated; GetLastError then gives 9
  std::optional<PIXELFORMATDESCRIPTOR> described;  // what DescribePixelFormat reports
  int realize_result = 0;
  HGLRC current{};
  HPALETTE selected{};
  bool background = false;  // how `selected` was selected

  void Note(const std::string& entry) { log += (log.empty() ? "" : " ") + entry; }
  // Logs the call; false when it is to fail.
  bool Call(const std::string& name) {
    Note(name);
    return (" " + failing + " ").find(" " + name + " ") == std::string::npos;
  }

  HDC GetDC(HWND) override { return Call("GetDC") ? HDC{100} : HDC{}; }
  int ReleaseDC(HWND, HDC) override { return Call("ReleaseDC"); }
  int ChoosePixelFormat(HDC, const PIXELFORMATDESCRIPTOR&) override {
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
  int GetLastError() override { return 9; }
};

// A panel on the fake platform. Its bound events log their name, marked "(current)" when
// the fake's context was current; while it lives, message boxes go to the log as [text].
class FakePanel : public TOpenGLPanel {
 public:
  explicit FakePanel(bool bind_events = true) : FakePanel(new FakeGLPlatform) {
    framework::SetMessageSink(
        [this](const QString& text) { fake.Note("[" + text.toStdString() + "]"); });
    for (auto [signal, name] : {std::pair(&TOpenGLPanel::OnInit, "OnInit"),
                                {&TOpenGLPanel::OnPaint, "OnPaint"},
                                {&TOpenGLPanel::OnResize, "OnResize"}})
      if (bind_events)
        QObject::connect(this, signal, [this, name] {
          fake.Note(name +
                    std::string(fake.current == FakeGLPlatform::kContext ? "(current)" : ""));
        });
  }
  ~FakePanel() override {
    fake.failing.clear();  // the last release shows no box
    framework::SetMessageSink(nullptr);
  }

  // Runs the named step; palette messages use `message`.
  void Run(const std::string& step) {
    const std::map<std::string, std::function<void()>> steps{
        {"Create", [&] { WMCreate(); }},
        {"Destroy", [&] { WMDestroy(); }},
        {"Paint", [&] { Paint(); }},
        {"Resize", [&] { Resize(); }},
        {"MakeCurrent", [&] { MakeOpenGLPanelCurrent(); }},
        {"SwapBuffers", [&] { SwapBuffers(); }},
        {"QueryNewPalette", [&] { WMQueryNewPalette(message); }},
        {"PaletteChanged", [&] { WMPaletteChanged(message); }},
        {"OwnPaletteChanged", [&] {
           WMPaletteChanged(message = {this, message.Result});
         }}};
    steps.at(step)();
  }
  FakeGLPlatform& fake;
  TMessage message{nullptr, 77};

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
