#include "components/openglpanel/panel_test_support.h"

#include <cfenv>

namespace {

using P = TOpenGLPanel;

class PanelContextTest : public FakePanelTest {
 protected:
  std::uint32_t RequestedFlags() {
    panel.CreateGLContext();
    return panel.fake.requested ? panel.fake.requested->dwFlags : 0;
  }

  void ExpectNoHandles() {
    EXPECT_EQ(panel.DeviceContext(), HDC{});
    EXPECT_EQ(panel.RenderingContext(), HGLRC{});
    EXPECT_EQ(panel.Palette(), HPALETTE{});
    EXPECT_EQ(panel.fake.current, HGLRC{});
  }

  // Window creation with OnInit bound; returns what was logged.
  Log Create() {
    panel.Bind(&P::OnInit, "OnInit");
    panel.fake.log.clear();
    panel.WMCreate();
    return panel.fake.log;
  }
};

TEST_F(PanelContextTest, DefaultFormatRequestsTheDescriptorOf0x25) {
  EXPECT_EQ(RequestedFlags(), 0x25u);
  const PIXELFORMATDESCRIPTOR& pfd = *panel.fake.requested;
  EXPECT_EQ(pfd.nSize, 40);
  EXPECT_EQ(pfd.nVersion, 1);
  EXPECT_EQ(pfd.iPixelType, PFD_TYPE_RGBA);
  EXPECT_EQ(pfd.cColorBits, 32);
  EXPECT_EQ(pfd.cDepthBits, 32);
  EXPECT_EQ(pfd.cAlphaBits + pfd.cAccumBits + pfd.cStencilBits + pfd.cAuxBuffers, 0);
  EXPECT_EQ(pfd.iLayerType, 0);
  EXPECT_TRUE(panel.DoubleBuffered());
}

TEST_F(PanelContextTest, EachFlagMemberRequestsItsDescriptorFlag) {
  const std::pair<P::TPFDFlags, std::uint32_t> table[] = {
      {P::f_PFD_DRAW_TO_WINDOW, 0x4},        {P::f_PFD_DRAW_TO_BITMAP, 0x8},
      {P::f_PFD_SUPPORT_OPENGL, 0x20},       {P::f_PFD_GENERIC_ACCELERATED, 0x1000},
      {P::f_PFD_GENERIC_FORMAT, 0x40},       {P::f_PFD_NEED_PALETTE, 0x80},
      {P::f_PFD_NEED_SYSTEM_PALETTE, 0x100}, {P::f_PFD_STEREO, 0x2},
      {P::f_PFD_SWAP_LAYER_BUFFERS, 0x800}};
  std::uint32_t all = 0;
  P::TPFDFlagSet members = P::f_PFD_DOUBLEBUFFER;
  for (const auto& [member, flag] : table) {
    SCOPED_TRACE(flag);
    panel.SetPFDFlags(member | P::f_PFD_DOUBLEBUFFER);
    EXPECT_EQ(RequestedFlags(), flag | PFD_DOUBLEBUFFER);
    all |= flag;
    members |= member;
  }
  panel.SetPFDFlags(members);
  EXPECT_EQ(panel.PFDFlags(), members);
  EXPECT_EQ(RequestedFlags(), all | PFD_DOUBLEBUFFER);
}

TEST_F(PanelContextTest, SetPFDFlagsKeepsExactlyOneOfGdiAndDoubleBuffer) {
  const P::TPFDFlagSet base = P::f_PFD_DRAW_TO_WINDOW | P::f_PFD_SUPPORT_OPENGL;
  const P::TPFDFlagSet both = base | P::f_PFD_SUPPORT_GDI | P::f_PFD_DOUBLEBUFFER;
  panel.SetPFDFlags(both);  // held double buffer: GDI wins
  EXPECT_EQ(panel.PFDFlags(), base | P::f_PFD_SUPPORT_GDI);
  EXPECT_EQ(RequestedFlags(), PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_SUPPORT_GDI);
  EXPECT_FALSE(panel.DoubleBuffered());
  panel.SetPFDFlags(both);  // held GDI: double buffer wins
  EXPECT_EQ(panel.PFDFlags(), base | P::f_PFD_DOUBLEBUFFER);
  panel.SetPFDFlags(base);  // held double buffer, neither given: switches to GDI
  EXPECT_EQ(panel.PFDFlags(), base | P::f_PFD_SUPPORT_GDI);
  panel.SetPFDFlags(base);  // held GDI, neither given: switches back
  EXPECT_EQ(panel.PFDFlags(), base | P::f_PFD_DOUBLEBUFFER);
}

TEST_F(PanelContextTest, PixelTypeAndDepthsAreReadOnlyWhenTheContextIsMade) {
  panel.setProperty("PixelType", P::f_PFD_TYPE_COLORINDEX);
  RequestedFlags();
  EXPECT_EQ(panel.fake.requested->iPixelType, PFD_TYPE_COLORINDEX);
  panel.setProperty("cColorBits", 16);
  panel.setProperty("cDepthBits", 24);
  panel.SetPFDPixelType(P::f_PFD_TYPE_RGBA);
  EXPECT_EQ(panel.fake.requested->cColorBits, 32);  // nothing asked of the platform yet
  panel.DestroyGLContext();
  RequestedFlags();
  EXPECT_EQ(panel.fake.requested->iPixelType, PFD_TYPE_RGBA);
  EXPECT_EQ(panel.fake.requested->cColorBits, 16);
  EXPECT_EQ(panel.fake.requested->cDepthBits, 24);
}

TEST_F(PanelContextTest, DoubleBufferingFollowsTheRequestNotTheDescription) {
  panel.fake.described = PIXELFORMATDESCRIPTOR{};
  panel.fake.described->dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
  ASSERT_TRUE(panel.CreateGLContext());
  EXPECT_TRUE(panel.DoubleBuffered());
  EXPECT_FALSE(panel.fake.created_palette.has_value());  // no palette needed
  EXPECT_EQ(panel.Palette(), HPALETTE{});
}

TEST_F(PanelContextTest, SuccessfulCreationCallsOnInitWithTheContextCurrentAndReleasesIt) {
  panel.fake.described = PaletteFormat();
  EXPECT_EQ(Create(), (Log{"GetDC", "ChoosePixelFormat", "SetPixelFormat", "DescribePixelFormat",
                           "CreatePalette", "wglCreateContext", "wglMakeCurrent", "OnInit current",
                           "wglMakeCurrent(null)"}));
  EXPECT_EQ(panel.last_sender, &panel);
  EXPECT_EQ(panel.Palette(), FakeGLPlatform::kPalette);
  ASSERT_EQ(panel.fake.created_palette->palPalEntry.size(), 256u);  // the 3-3-2 ramp
  EXPECT_EQ(panel.fake.created_palette->palPalEntry[5].peRed, 182);
  EXPECT_EQ(panel.fake.current, HGLRC{});
}

TEST_F(PanelContextTest, EachCreationFailureShowsItsMessageThenCreateFailed) {
  const Log described{"GetDC", "ChoosePixelFormat", "SetPixelFormat", "DescribePixelFormat"};
  auto then = [&](Log tail) {
    Log log = described;
    log.insert(log.end(), tail.begin(), tail.end());
    return log;
  };
  auto expect_failure = [&](const char* call, int code, Log expected, int colour_bits = 8) {
    SCOPED_TRACE(call);
    panel.fake.described = PaletteFormat(colour_bits);
    panel.fake.failures = {{call, code}};
    expected.insert(expected.end(), {"ReleaseDC", "Message Open GL Context Create Failed"});
    EXPECT_EQ(Create(), expected);
    ExpectNoHandles();
  };
  expect_failure("ChoosePixelFormat", 2000,
                 {"GetDC", "ChoosePixelFormat", "Message ChoosePixelFormat:2000"});
  expect_failure("SetPixelFormat", -5,
                 {"GetDC", "ChoosePixelFormat", "SetPixelFormat", "Message SetPixelFormat:-5"});
  expect_failure("CreatePalette", 8, then({"CreatePalette", "Message CreatePalette:8"}));
  expect_failure("palette too large", 0, then({"Message ConstructPalette: Malloc failure"}), 16);
  // The stock palette is selected before the panel's own is deleted.
  expect_failure("wglCreateContext", 1450,
                 then({"CreatePalette", "wglCreateContext", "Message wglRenderingContext:1450",
                       "GetStockObject", "SelectPalette", "DeleteObject"}));
  // A failed palette deletion there is reported too; the stock palette is in the foreground.
  panel.fake.described = PaletteFormat();
  panel.fake.failures = {{"wglCreateContext", 1450}, {"DeleteObject", 6}};
  const Log log = Create();
  EXPECT_EQ(Log(log.end() - 4, log.end()),
            (Log{"DeleteObject", "Message DeleteObject: Failed", "ReleaseDC",
                 "Message Open GL Context Create Failed"}));
  EXPECT_EQ(panel.fake.selected, FakeGLPlatform::kStockPalette);
  EXPECT_FALSE(panel.fake.background);
  ExpectNoHandles();
  // Releasing after a failed creation only makes nothing current.
  panel.fake.log.clear();
  panel.DestroyGLContext();
  EXPECT_EQ(panel.fake.log, (Log{"wglMakeCurrent(null)"}));
}

TEST_F(PanelContextTest, ReleaseGivesBackEverythingInOrderEvenWhenCallsFail) {
  panel.fake.described = PaletteFormat();
  Create();
  panel.fake.log.clear();
  panel.WMDestroy();
  EXPECT_EQ(panel.fake.log,
            (Log{"wglMakeCurrent(null)", "wglDeleteContext", "DeleteObject", "ReleaseDC"}));
  ExpectNoHandles();

  Create();
  panel.fake.failures = {{"wglDeleteContext", 170}, {"DeleteObject", 6}, {"ReleaseDC", 1}};
  panel.fake.log.clear();
  panel.DestroyGLContext();
  EXPECT_EQ(panel.fake.log,
            (Log{"wglMakeCurrent(null)", "wglDeleteContext", "Message wglDeleteContext:170",
                 "DeleteObject", "Message DeleteObject: Failed", "ReleaseDC",
                 "Message ReleaseDC: Failed"}));
  ExpectNoHandles();
}

TEST(PanelConstructionTest, MasksFloatingPointTraps) {
  feenableexcept(FE_DIVBYZERO | FE_INVALID);
  FakePanel panel;
  EXPECT_EQ(fegetexcept(), 0);
}

}  // namespace
