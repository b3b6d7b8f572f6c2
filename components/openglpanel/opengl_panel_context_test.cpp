// The panel's steps against the fake platform: every call, [message box] and event in order.
#include "components/openglpanel/gl_platform_testing.h"
#include "components/openglpanel/palette_ramp.h"
#include "framework/messages.h"

#include <cfenv>
#include <cmath>
#include <functional>
#include <iterator>
#include <sstream>

#if defined(__x86_64__) || defined(__i386__)
#include <xmmintrin.h>
#endif

namespace {

using P = TOpenGLPanel;

// Each case: a fresh panel described with the palette format (OnInit, OnPaint and
// OnResize bound unless said otherwise) is created with the calls `failing`, unless the
// first step is the creation; then the steps' log is compared.
TEST(PanelStepsTest, EachStepCallsThePlatformInOrderAndStopsAtAFailure) {
  const std::string made =
      "GetDC ChoosePixelFormat SetPixelFormat DescribePixelFormat CreatePalette wglCreateContext";
  const std::string failed = " ReleaseDC [Open GL Context Create Failed]";
  const std::string query =
      "SelectPalette RealizePalette wglMakeCurrent wglMakeCurrent(null) SelectPalette";
  const struct {
    std::string step, failing, log;
    bool context = true;  // left with one
    qintptr answer = 77;  // a palette message's, 77 before
    int realized = 0;
    int colour_bits = 8;
    bool bound = true;
  } cases[] = {
      {"Create", "", made + " wglMakeCurrent OnInit(current) wglMakeCurrent(null)"},
      {"Create", "ChoosePixelFormat", "GetDC ChoosePixelFormat [ChoosePixelFormat:9]" + failed,
       false},
      {"Create", "SetPixelFormat",
       "GetDC ChoosePixelFormat SetPixelFormat [SetPixelFormat:9]" + failed, false},
      {"Create", "CreatePalette", made.substr(0, made.rfind(' ')) + " [CreatePalette:9]" + failed,
       false},
      // 2^16 entries would wrap a logical palette's 16-bit count.
      {"Create", "",
       "GetDC ChoosePixelFormat SetPixelFormat DescribePixelFormat "
       "[ConstructPalette: Malloc failure]" +
           failed,
       false, 77, 0, 16},
      // The stock palette is selected, in the foreground, before the panel's own is deleted.
      {"Create", "wglCreateContext",
       made + " [wglRenderingContext:9] GetStockObject SelectPalette DeleteObject" + failed, false},
      {"Create", "wglCreateContext DeleteObject",
       made + " [wglRenderingContext:9] GetStockObject SelectPalette DeleteObject " +
           "[DeleteObject: Failed]" + failed,
       false},
      // OnInit runs even when making current fails; without OnInit nothing is made current.
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
      {"MakeCurrent", "wglMakeCurrent", "wglMakeCurrent [wglMakeCurrent:9]"},
      {"SwapBuffers", "", "SwapBuffers"},
      // Realized entries that changed mean a repaint; the answer is their count.
      {"QueryNewPalette", "", query + " InvalidateRect", true, 12, 12},
      {"QueryNewPalette", "", query, true, 0},
      {"QueryNewPalette", "RealizePalette", "SelectPalette RealizePalette [RealizePalette:9]"},
      {"QueryNewPalette", "wglMakeCurrent", "SelectPalette RealizePalette wglMakeCurrent", true, 0,
       12},
      {"PaletteChanged", "", query + " InvalidateRect", true, 77, 3},
      {"OwnPaletteChanged", "", "", true, 77, 3},
      // Without a context (its creation failed) or without their event, steps do nothing.
      {"Paint Resize MakeCurrent SwapBuffers QueryNewPalette", "ChoosePixelFormat", "", false, 0},
      {"Paint Resize", "", "", true, 77, 0, 8, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.step + " failing " + c.failing);
    FakePanel panel;
    framework::SetMessageSink(
        [&](const QString& text) { panel.fake.Note("[" + text.toStdString() + "]"); });
    if (c.bound) {
      panel.Bind(&P::OnInit, "OnInit");
      panel.Bind(&P::OnPaint, "OnPaint");
      panel.Bind(&P::OnResize, "OnResize");
    }
    panel.fake.described = PaletteFormat(c.colour_bits);
    panel.fake.failing = c.failing;
    panel.fake.realize_result = c.realized;
    if (!c.step.starts_with("Create"))
      panel.WMCreate();
    panel.fake.log.clear();
    FakePanel::TMessage message{c.step == "OwnPaletteChanged" ? &panel : nullptr, 77};
    const std::map<std::string, std::function<void()>> steps{
        {"Create", [&] { panel.WMCreate(); }},
        {"Destroy", [&] { panel.WMDestroy(); }},
        {"Paint", [&] { panel.Paint(); }},
        {"Resize", [&] { panel.Resize(); }},
        {"MakeCurrent", [&] { panel.MakeOpenGLPanelCurrent(); }},
        {"SwapBuffers", [&] { panel.SwapBuffers(); }},
        {"QueryNewPalette", [&] { panel.WMQueryNewPalette(message); }},
        {"PaletteChanged", [&] { panel.WMPaletteChanged(message); }},
        {"OwnPaletteChanged", [&] { panel.WMPaletteChanged(message); }}};
    std::istringstream names(c.step);
    for (std::string step; names >> step;) steps.at(step)();
    EXPECT_EQ(panel.fake.log, c.log);
    EXPECT_EQ(message.Result, c.answer);
    EXPECT_EQ(panel.RenderingContext(), c.context ? FakeGLPlatform::kContext : HGLRC{});
    EXPECT_EQ(panel.Palette(), c.context ? FakeGLPlatform::kPalette : HPALETTE{});
    EXPECT_EQ(panel.DeviceContext() == HDC{}, !c.context);
    EXPECT_EQ(panel.fake.current, c.log == "wglMakeCurrent" ? FakeGLPlatform::kContext : HGLRC{});
    // A palette selected for a step goes back, as background, once the step is through.
    std::istringstream entries(c.log);
    const auto selects =
        std::count(std::istream_iterator<std::string>(entries), {}, "SelectPalette");
    const HPALETTE own =
        c.step == "Create" ? FakeGLPlatform::kStockPalette : FakeGLPlatform::kPalette;
    EXPECT_EQ(panel.fake.selected, selects == 1 ? own : HPALETTE{});
    EXPECT_EQ(panel.fake.background, selects == 2);
    panel.fake.failing.clear();  // the panel's own last release shows no box
  }
  framework::SetMessageSink(nullptr);
}

TEST(PanelFormatTest, TheRequestFollowsThePropertiesWhenTheContextIsMade) {
  FakePanel panel;
  ASSERT_TRUE(panel.CreateGLContext());
  const PIXELFORMATDESCRIPTOR first = *panel.fake.requested;
  EXPECT_EQ(std::tuple(first.nSize, first.nVersion, first.dwFlags, first.iPixelType,
                       first.cColorBits, first.cDepthBits, first.cAlphaBits + first.cStencilBits),
            std::tuple(40, 1, PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER,
                       PFD_TYPE_RGBA, 32, 32, 0));
  panel.DestroyGLContext();
  panel.setProperty("PixelType", P::f_PFD_TYPE_COLORINDEX);
  panel.setProperty("cColorBits", 16);
  panel.setProperty("cDepthBits", 24);
  panel.SetPFDFlags(P::f_PFD_DRAW_TO_BITMAP | P::f_PFD_STEREO | P::f_PFD_SUPPORT_GDI);
  ASSERT_TRUE(panel.CreateGLContext());
  const PIXELFORMATDESCRIPTOR pfd = *panel.fake.requested;
  EXPECT_EQ(
      std::tuple(pfd.dwFlags, pfd.iPixelType, pfd.cColorBits, pfd.cDepthBits),
      std::tuple(PFD_DRAW_TO_BITMAP | PFD_STEREO | PFD_SUPPORT_GDI, PFD_TYPE_COLORINDEX, 16, 24));
  // Single buffered, the panel never swaps.
  panel.Bind(&P::OnPaint, "OnPaint");
  panel.Paint();
  panel.SwapBuffers();
  EXPECT_EQ(panel.fake.log.find("SwapBuffers"), std::string::npos);
}

TEST(PanelFormatTest, TheFlagSetHoldsExactlyOneOfGdiAndDoubleBuffer) {
  FakePanel panel;
  const P::TPFDFlagSet base = P::f_PFD_DRAW_TO_WINDOW | P::f_PFD_SUPPORT_OPENGL;
  const P::TPFDFlagSet gdi = base | P::f_PFD_SUPPORT_GDI, twice = base | P::f_PFD_DOUBLEBUFFER;
  // Given both, the one not held wins; given neither, the held one switches over.
  for (const auto& [given, kept] : {std::pair(gdi | twice, gdi), std::pair(gdi | twice, twice),
                                    std::pair(base, gdi), std::pair(base, twice)}) {
    panel.SetPFDFlags(given);
    EXPECT_EQ(panel.PFDFlags(), kept);
  }
  // Double buffered as requested, even when the described format is not.
  panel.fake.described = PIXELFORMATDESCRIPTOR{};
  ASSERT_TRUE(panel.CreateGLContext());
  EXPECT_TRUE(panel.DoubleBuffered());
  EXPECT_EQ(panel.Palette(), HPALETTE{});  // none needed
}

TEST(PanelFormatTest, ConstructionMasksFloatingPointTraps) {
  feenableexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
#if defined(__x86_64__) || defined(__i386__)
  _mm_setcsr(_mm_getcsr() & ~0x100u);  // the denormal-operand trap, outside FE_ALL_EXCEPT
#endif
  FakePanel panel;
  EXPECT_EQ(fegetexcept(), 0);
  volatile float zero = 0.0f;
  EXPECT_TRUE(std::isinf(1.0f / zero) && std::isnan(zero / zero));
#if defined(__x86_64__) || defined(__i386__)
  EXPECT_EQ(_mm_getcsr() & 0x1F80, 0x1F80u);
#endif
}

TEST(PaletteRampTest, EachFieldStretchesOntoTheFullRangeUpTo15Bits) {
  const LOGPALETTE ramp = *BuildPaletteRamp(PaletteFormat());  // 3-3-2: 256 entries
  const auto rgb = [&](int i) {
    const PALETTEENTRY& e = ramp.palPalEntry.at(i);
    return std::array<int, 4>{e.peRed, e.peGreen, e.peBlue, e.peFlags};
  };
  EXPECT_EQ(ramp.palPalEntry.size(), 256u);
  EXPECT_EQ(rgb(5), (std::array{5 * 255 / 7, 0, 0, 0}));
  EXPECT_EQ(rgb(3 << 3), (std::array{0, 3 * 255 / 7, 0, 0}));
  EXPECT_EQ(rgb(1 << 6), (std::array{0, 0, 255 / 3, 0}));
  EXPECT_EQ(rgb(255), (std::array{255, 255, 255, 0}));
  PIXELFORMATDESCRIPTOR red_only = PaletteFormat(4);  // channels without bits stay black
  red_only.cRedBits = 4;
  red_only.cGreenBits = red_only.cBlueBits = 0;
  EXPECT_EQ(BuildPaletteRamp(red_only)->palPalEntry.at(15).peGreen, 0);
  EXPECT_EQ(BuildPaletteRamp(PaletteFormat(15))->palPalEntry.size(), 32768u);
  EXPECT_FALSE(BuildPaletteRamp(PaletteFormat(16)).has_value());
}

}  // namespace
