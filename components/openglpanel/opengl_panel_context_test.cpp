// The panel's steps against a fake platform: every call, [message box] and event in order.
#include "components/openglpanel/gl_platform.h"
#include "components/openglpanel/opengl_panel.h"
#include "components/openglpanel/palette_ramp.h"
#include "framework/messages.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <utility>

#if defined(__x86_64__) || defined(__i386__)
#include <xmmintrin.h>
#endif

namespace {

using P = TOpenGLPanel;
using PFD = PIXELFORMATDESCRIPTOR;

// A GLPlatform that logs every call by name and fails the chosen ones.
class FakeGLPlatform : public GLPlatform {
 public:
  static constexpr HGLRC kContext{200};
  static constexpr HPALETTE kPalette{300}, kStock{15};

  std::string log;      // entries in order, space separated; "wglMakeCurrent(null)" releases
  std::string failing;  // the calls that fail, space separated; GetLastError then gives 9
  std::optional<PFD> described;  // what DescribePixelFormat reports
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
  int ChoosePixelFormat(HDC, const PFD&) override { return Call("ChoosePixelFormat"); }
  int SetPixelFormat(HDC, int, const PFD&) override { return Call("SetPixelFormat"); }
  int DescribePixelFormat(HDC, int, unsigned, PFD* pfd) override {
    *pfd = described.value_or(*pfd);
    return Call("DescribePixelFormat");
  }
  HGLRC wglCreateContext(HDC) override { return Call("wglCreateContext") ? kContext : HGLRC{}; }
  bool CanCreateContexts() override { return Call("CanCreateContexts"); }
  int wglMakeCurrent(HDC, HGLRC rc) override {
    return Call(rc == HGLRC{} ? "wglMakeCurrent(null)" : "wglMakeCurrent") ? (current = rc, 1) : 0;
  }
  int wglDeleteContext(HGLRC) override { return Call("wglDeleteContext"); }
  int wglShareLists(HGLRC, HGLRC) override { return Call("wglShareLists"); }
  int SwapBuffers(HDC) override { return Call("SwapBuffers"); }
  HPALETTE GetStockObject(int) override { return Call("GetStockObject") ? kStock : HPALETTE{}; }
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

// A panel on the fake platform; bound events log their name, "(current)" if so, and boxes [text].
class FakePanel : public TOpenGLPanel {
 public:
  explicit FakePanel(bool bind_events = true) : FakePanel(new FakeGLPlatform) {
    framework::SetMessageSink(
        [this](const QString& text) { fake.Note("[" + text.toStdString() + "]"); });
    for (auto [signal, name] :
         {std::pair(&P::OnInit, "OnInit"), {&P::OnPaint, "OnPaint"}, {&P::OnResize, "OnResize"}})
      if (bind_events)
        QObject::connect(this, signal, [this, name] {
          fake.Note(name + std::string(fake.current != HGLRC{} ? "(current)" : ""));
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
        {"Swap", [&] { SwapBuffers(); }},
        {"Query", [&] { WMQueryNewPalette(message); }},
        {"Change", [&] { WMPaletteChanged(message); }},
        {"OwnChange", [&] { WMPaletteChanged(message = TMessage(DrawingSurface(), 77)); }},
        {"Check", [&] { message.Result = OpenGLAvailable(fake); }}};
    steps.at(step)();
  }
  FakeGLPlatform& fake;
  TMessage message{nullptr, 77};

 private:
  explicit FakePanel(FakeGLPlatform* platform)
      : TOpenGLPanel(std::unique_ptr<GLPlatform>(platform)), fake(*platform) {}
};

// A described format that needs the 3-3-2 palette (red lowest, blue highest).
PFD PaletteFormat(std::uint8_t colour_bits = 8) {
  PFD pfd;
  pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER | PFD_NEED_PALETTE;
  pfd.cColorBits = colour_bits;
  pfd.cRedBits = pfd.cGreenBits = pfd.cGreenShift = 3;
  pfd.cBlueBits = 2;
  pfd.cBlueShift = 6;
  return pfd;
}

// Each case: a fresh panel (events bound unless said), a palette format, created (unless
// that is the first step) with the calls `failing`; then the steps run.
TEST(PanelStepsTest, EachStepCallsThePlatformInOrderAndStopsAtAFailure) {
  const std::string described = "GetDC ChoosePixelFormat SetPixelFormat DescribePixelFormat";
  const std::string made = described + " CreatePalette wglCreateContext";
  const std::string failed = " ReleaseDC [Open GL Context Create Failed]";
  const std::string query =
      "SelectPalette RealizePalette wglMakeCurrent wglMakeCurrent(null) SelectPalette";
  const struct {
    std::string step, failing, log;
    bool context = true;  // left with one
    qintptr answer = 77;  // a palette message's, 77 before
    int realized = 0, colour_bits = 8;
    bool bound = true;
  } cases[] = {
      {"Create", "", made + " wglMakeCurrent OnInit(current) wglMakeCurrent(null)"},
      {"Create", "ChoosePixelFormat", "GetDC ChoosePixelFormat [ChoosePixelFormat:9]" + failed,
       false},
      {"Create", "SetPixelFormat",
       "GetDC ChoosePixelFormat SetPixelFormat [SetPixelFormat:9]" + failed, false},
      {"Create", "CreatePalette", described + " CreatePalette [CreatePalette:9]" + failed, false},
      // 2^16 entries would wrap a logical palette's 16-bit count.
      {"Create", "", described + " [ConstructPalette: Malloc failure]" + failed, false, 77, 0, 16},
      // The stock palette is selected, in the foreground, before the panel's own is deleted.
      {"Create", "wglCreateContext",
       made + " [wglRenderingContext:9] GetStockObject SelectPalette DeleteObject" + failed, false},
      {"Create", "wglCreateContext DeleteObject",
       made + " [wglRenderingContext:9] GetStockObject SelectPalette DeleteObject " +
           "[DeleteObject: Failed]" + failed,
       false},
      // OnInit runs even when making current fails; unbound, nothing is made current.
      {"Create", "wglMakeCurrent",
       made + " wglMakeCurrent [wglMakeCurrent:9] OnInit wglMakeCurrent(null)"},
      {"Create Paint Resize", "", made, true, 77, 0, 8, false},
      {"Destroy", "", "wglMakeCurrent(null) wglDeleteContext DeleteObject ReleaseDC", false},
      {"Destroy", "wglDeleteContext DeleteObject ReleaseDC",
       "wglMakeCurrent(null) wglDeleteContext [wglDeleteContext:9] DeleteObject "
       "[DeleteObject: Failed] ReleaseDC [ReleaseDC: Failed]",
       false},
      {"Destroy", "ChoosePixelFormat", "wglMakeCurrent(null)", false},
      {"Paint", "",
       "SelectPalette RealizePalette wglMakeCurrent OnPaint(current) SwapBuffers SelectPalette "
       "wglMakeCurrent(null)"},
      {"Paint", "RealizePalette", "SelectPalette RealizePalette [RealizePalette:9]"},
      {"Paint", "wglMakeCurrent", "SelectPalette RealizePalette wglMakeCurrent [wglMakeCurrent:9]"},
      {"Resize", "", "wglMakeCurrent OnResize(current) wglMakeCurrent(null)"},
      {"Resize", "wglMakeCurrent", "wglMakeCurrent [wglMakeCurrent:9]"},
      {"MakeCurrent", "", "wglMakeCurrent"},
      {"Swap", "", "SwapBuffers"},
      // Realized entries that changed mean a repaint; the answer is their count.
      {"Query", "", query + " InvalidateRect", true, 12, 12},
      {"Query", "", query, true, 0},
      {"Query", "RealizePalette", "SelectPalette RealizePalette [RealizePalette:9]"},
      {"Query", "wglMakeCurrent", "SelectPalette RealizePalette wglMakeCurrent", true, 0, 12},
      {"Change", "", query + " InvalidateRect", true, 77, 3},
      {"OwnChange", "", "", true, 77, 3},
      {"Check", "CanCreateContexts", "CanCreateContexts [Open GL Context Create Failed]", true, 0},
      // Without a context (its creation failed) or without their event, steps do nothing.
      {"Paint Resize MakeCurrent Swap Query", "ChoosePixelFormat", "", false, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.step + " failing " + c.failing);
    FakePanel panel(c.bound);
    panel.fake.described = PaletteFormat(c.colour_bits);
    panel.fake.failing = c.failing;
    panel.fake.realize_result = c.realized;
    if (!c.step.starts_with("Create"))
      panel.Run("Create");
    panel.fake.log.clear();
    std::istringstream steps(c.step);
    for (std::string step; steps >> step;) panel.Run(step);
    EXPECT_EQ(panel.fake.log, c.log);
    EXPECT_EQ(panel.message.Result, c.answer);
    EXPECT_EQ(panel.RenderingContext(), c.context ? FakeGLPlatform::kContext : HGLRC{});
    EXPECT_EQ(panel.Palette(), c.context ? FakeGLPlatform::kPalette : HPALETTE{});
    EXPECT_EQ(panel.DeviceContext() == HDC{}, !c.context);
    EXPECT_EQ(panel.fake.current, c.log == "wglMakeCurrent" ? FakeGLPlatform::kContext : HGLRC{});
    // A palette selected for a step goes back, as background, once the step is through.
    const auto first = c.log.find("SelectPalette"), last = c.log.rfind("SelectPalette");
    const HPALETTE own = c.step == "Create" ? FakeGLPlatform::kStock : FakeGLPlatform::kPalette;
    EXPECT_EQ(panel.fake.selected, first != std::string::npos && first == last ? own : HPALETTE{});
    EXPECT_EQ(panel.fake.background, first != last);
  }
}

// Construction masks the floating-point traps. The flag set holds exactly one of GDI and
// double buffering: given both, the one not held wins; given neither, the held one switches
// over. The request decides buffering.
TEST(PanelFormatTest, TrapsMaskedAndExactlyOneOfGdiAndDoubleBufferingIsRequested) {
  feenableexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
#if defined(__x86_64__) || defined(__i386__)
  _mm_setcsr(_mm_getcsr() & ~0x100u);  // the denormal-operand trap, outside FE_ALL_EXCEPT
#endif
  FakePanel panel;
  EXPECT_EQ(fegetexcept(), 0);
#if defined(__x86_64__) || defined(__i386__)
  EXPECT_EQ(_mm_getcsr() & 0x1F80, 0x1F80u);
#endif
  const P::TPFDFlagSet base = P::f_PFD_DRAW_TO_WINDOW | P::f_PFD_SUPPORT_OPENGL;
  const P::TPFDFlagSet gdi = base | P::f_PFD_SUPPORT_GDI, twice = base | P::f_PFD_DOUBLEBUFFER;
  for (const auto& [given, kept] :
       {std::pair(gdi | twice, gdi), std::pair(gdi | twice, twice), std::pair(base, gdi),
        std::pair(base, twice), std::pair(base, gdi)}) {
    panel.SetPFDFlags(given);
    EXPECT_EQ(panel.PFDFlags(), kept);
  }
  EXPECT_EQ(panel.RequestedPixelFormat().dwFlags & (PFD_SUPPORT_GDI | PFD_DOUBLEBUFFER),
            PFD_SUPPORT_GDI);
  ASSERT_TRUE(panel.CreateGLContext());
  EXPECT_FALSE(panel.DoubleBuffered());
  panel.Run("Paint");
  panel.Run("Swap");
  EXPECT_EQ(panel.fake.log.find("SwapBuffers"), std::string::npos);
  // Double buffered as requested, even when the described format is not.
  panel.DestroyGLContext();
  panel.SetPFDFlags(twice);
  panel.fake.described = PFD{};
  ASSERT_TRUE(panel.CreateGLContext());
  EXPECT_TRUE(panel.DoubleBuffered());
}

// Each field stretched onto 0..255: 3-3-2 with red lowest; channels without bits black;
// up to 15 bits, as a logical palette counts its entries in 16.
TEST(PaletteRampTest, EachFieldStretchesOntoTheFullRange) {
  const std::vector<PALETTEENTRY> ramp = BuildPaletteRamp(PaletteFormat())->palPalEntry;
  ASSERT_EQ(ramp.size(), 256u);
  const PALETTEENTRY &red5 = ramp[5], &green3 = ramp[3 << 3], &blue1 = ramp[1 << 6];
  EXPECT_EQ(std::tuple(red5.peRed, red5.peGreen, red5.peBlue), std::tuple(5 * 255 / 7, 0, 0));
  EXPECT_EQ(std::tuple(green3.peRed, green3.peGreen, green3.peBlue), std::tuple(0, 3 * 255 / 7, 0));
  EXPECT_EQ(std::tuple(blue1.peRed, blue1.peGreen, blue1.peBlue, blue1.peFlags),
            std::tuple(0, 0, 255 / 3, 0));
  const PFD red_only{.cColorBits = 4, .cRedBits = 4};
  EXPECT_EQ(BuildPaletteRamp(red_only)->palPalEntry.at(15).peGreen, 0);
  EXPECT_EQ(BuildPaletteRamp(PaletteFormat(15))->palPalEntry.size(), 32768u);
}

}  // namespace
