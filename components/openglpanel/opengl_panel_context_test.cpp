#include "components/openglpanel/panel_test_support.h"

#include <cfenv>

namespace {

using Log = std::vector<std::string>;
using P = TOpenGLPanel;

// A described format that needs the 3-3-2 palette.
PIXELFORMATDESCRIPTOR PaletteFormat(int colour_bits = 8) {
  PIXELFORMATDESCRIPTOR pfd;
  pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER | PFD_NEED_PALETTE;
  pfd.cColorBits = colour_bits;
  pfd.cRedBits = 3;
  pfd.cGreenBits = 3;
  pfd.cGreenShift = 3;
  pfd.cBlueBits = 2;
  pfd.cBlueShift = 6;
  return pfd;
}

class PanelContextTest : public FakePanelTest {
 protected:
  std::uint32_t RequestedFlags() {
    panel.fake.log.clear();
    panel.CreateGLContext();
    EXPECT_TRUE(panel.fake.requested.has_value());
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

TEST_F(PanelContextTest, DefaultsAreThePublishedOnes) {
  EXPECT_EQ(panel.property("PixelType").value<P::TPFDPixelTypes>(), P::f_PFD_TYPE_RGBA);
  EXPECT_EQ(panel.PFDFlags(),
            P::f_PFD_DRAW_TO_WINDOW | P::f_PFD_SUPPORT_OPENGL | P::f_PFD_DOUBLEBUFFER);
  EXPECT_EQ(panel.property("cColorBits").toInt(), 32);
  EXPECT_EQ(panel.property("cDepthBits").toInt(), 32);
  EXPECT_EQ(panel.property("GLSwapBuffers").value<P::TOpenGLSwapBuffers>(), P::Auto);
  EXPECT_EQ(panel.property("PixelsPerInch").toInt(), 96);
  EXPECT_EQ(panel.property("PrintScale").value<P::TOpenGLPrintScale>(), P::pglProportional);
  EXPECT_EQ(panel.property("Font3D_Format").value<P::TFont3DFormat>(), P::f_WGL_FONT_POLYGONS);
  EXPECT_FLOAT_EQ(panel.property("Font3D_Extrustion").toFloat(), 0.1f);
  EXPECT_FLOAT_EQ(panel.property("Font3D_MaxDeviation").toFloat(), 0.0f);
  for (const char* prefix : {"Font3D_", "Font2D_"}) {
    const QString name = QString::fromLatin1(prefix);
    SCOPED_TRACE(prefix);
    EXPECT_FALSE(panel.property(qPrintable(name + "Enabled")).toBool());
    EXPECT_EQ(panel.property(qPrintable(name + "FirstGylph")).toInt(), 32);
    EXPECT_EQ(panel.property(qPrintable(name + "NumGylph")).toInt(), 96);
    const QFont font = panel.property(qPrintable(name + "Type")).value<QFont>();
    EXPECT_EQ(font.family(), "Arial");
    EXPECT_EQ(font.pixelSize(), 9);
    EXPECT_FALSE(font.bold() || font.italic() || font.underline() || font.strikeOut());
  }
}

TEST_F(PanelContextTest, LayoutFlagsAreStoredUnchangedAndRequest0x25) {
  const P::TPFDFlagSet layout =
      P::f_PFD_DRAW_TO_WINDOW | P::f_PFD_SUPPORT_OPENGL | P::f_PFD_DOUBLEBUFFER;
  ASSERT_TRUE(panel.setProperty("PFDFlags", QVariant::fromValue(layout)));
  EXPECT_EQ(panel.PFDFlags(), layout);
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
  EXPECT_EQ(RequestedFlags(), 0x25u);
  EXPECT_TRUE(panel.DoubleBuffered());
}

TEST_F(PanelContextTest, PixelTypeAndDepthsAreReadOnlyWhenTheContextIsMade) {
  panel.setProperty("PixelType", P::f_PFD_TYPE_COLORINDEX);
  RequestedFlags();
  EXPECT_EQ(panel.fake.requested->iPixelType, PFD_TYPE_COLORINDEX);

  panel.setProperty("cColorBits", 16);
  panel.setProperty("cDepthBits", 24);
  panel.SetPFDPixelType(P::f_PFD_TYPE_RGBA);
  EXPECT_EQ(panel.fake.requested->cColorBits, 32);  // nothing asked of the platform yet
  EXPECT_EQ(panel.RenderingContext(), FakeGLPlatform::kContext);

  panel.DestroyGLContext();
  RequestedFlags();
  EXPECT_EQ(panel.fake.requested->iPixelType, PFD_TYPE_RGBA);
  EXPECT_EQ(panel.fake.requested->cColorBits, 16);
  EXPECT_EQ(panel.fake.requested->cDepthBits, 24);
}

TEST_F(PanelContextTest, DoubleBufferingFollowsTheRequestNotTheDescription) {
  PIXELFORMATDESCRIPTOR single;
  single.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
  panel.fake.described = single;
  ASSERT_TRUE(panel.CreateGLContext());
  EXPECT_TRUE(panel.DoubleBuffered());
  EXPECT_FALSE(panel.fake.created_palette.has_value());  // no palette needed
  EXPECT_EQ(panel.Palette(), HPALETTE{});
}

TEST_F(PanelContextTest, SuccessfulCreationCallsOnInitWithTheContextCurrentAndReleasesIt) {
  panel.fake.described = PaletteFormat();
  const Log log = Create();
  EXPECT_EQ(log, (Log{"GetDC", "ChoosePixelFormat", "SetPixelFormat", "DescribePixelFormat",
                      "CreatePalette", "wglCreateContext", "wglMakeCurrent", "OnInit current",
                      "wglMakeCurrent(null)"}));
  EXPECT_EQ(panel.last_sender, &panel);
  EXPECT_EQ(panel.Palette(), FakeGLPlatform::kPalette);
  EXPECT_EQ(panel.fake.current, HGLRC{});
}

TEST_F(PanelContextTest, FailedChoosePixelFormatShowsCodeThenCreateFailed) {
  panel.fake.failures["ChoosePixelFormat"] = 2000;
  EXPECT_EQ(Create(), (Log{"GetDC", "ChoosePixelFormat", "Message ChoosePixelFormat:2000",
                           "ReleaseDC", "Message Open GL Context Create Failed"}));
  ExpectNoHandles();
}

TEST_F(PanelContextTest, FailedSetPixelFormatShowsSignedCode) {
  panel.fake.failures["SetPixelFormat"] = -5;
  EXPECT_EQ(Create(),
            (Log{"GetDC", "ChoosePixelFormat", "SetPixelFormat", "Message SetPixelFormat:-5",
                 "ReleaseDC", "Message Open GL Context Create Failed"}));
  ExpectNoHandles();
}

TEST_F(PanelContextTest, FailedCreatePaletteShowsCode) {
  panel.fake.described = PaletteFormat();
  panel.fake.failures["CreatePalette"] = 8;
  EXPECT_EQ(Create(), (Log{"GetDC", "ChoosePixelFormat", "SetPixelFormat", "DescribePixelFormat",
                           "CreatePalette", "Message CreatePalette:8", "ReleaseDC",
                           "Message Open GL Context Create Failed"}));
  ExpectNoHandles();
}

TEST_F(PanelContextTest, PaletteTooLargeIsAMallocFailure) {
  panel.fake.described = PaletteFormat(16);
  EXPECT_EQ(Create(), (Log{"GetDC", "ChoosePixelFormat", "SetPixelFormat", "DescribePixelFormat",
                           "Message ConstructPalette: Malloc failure", "ReleaseDC",
                           "Message Open GL Context Create Failed"}));
  ExpectNoHandles();
}

TEST_F(PanelContextTest, FailedContextDeletesThePaletteAfterSelectingTheStockOne) {
  panel.fake.described = PaletteFormat();
  panel.fake.failures["wglCreateContext"] = 1450;
  EXPECT_EQ(Create(), (Log{"GetDC", "ChoosePixelFormat", "SetPixelFormat", "DescribePixelFormat",
                           "CreatePalette", "wglCreateContext", "Message wglRenderingContext:1450",
                           "GetStockObject", "SelectPalette", "DeleteObject", "ReleaseDC",
                           "Message Open GL Context Create Failed"}));
  EXPECT_EQ(panel.fake.selected, FakeGLPlatform::kStockPalette);
  EXPECT_FALSE(panel.fake.background);
  ExpectNoHandles();
}

TEST_F(PanelContextTest, FailedPaletteDeletionOnTheFailurePathIsReportedAndCreationGoesOn) {
  panel.fake.described = PaletteFormat();
  panel.fake.failures["wglCreateContext"] = 1450;
  panel.fake.failures["DeleteObject"] = 6;
  const Log log = Create();
  const Log tail(log.end() - 4, log.end());
  EXPECT_EQ(tail, (Log{"DeleteObject", "Message DeleteObject: Failed", "ReleaseDC",
                       "Message Open GL Context Create Failed"}));
  ExpectNoHandles();
}

TEST_F(PanelContextTest, ReleaseGivesBackEverythingInOrder) {
  panel.fake.described = PaletteFormat();
  Create();
  panel.fake.log.clear();
  panel.WMDestroy();
  EXPECT_EQ(panel.fake.log,
            (Log{"wglMakeCurrent(null)", "wglDeleteContext", "DeleteObject", "ReleaseDC"}));
  ExpectNoHandles();
}

TEST_F(PanelContextTest, ReleaseFailuresAreReportedAndTheRestStillReleased) {
  panel.fake.described = PaletteFormat();
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

TEST_F(PanelContextTest, ReleasingAfterFailedCreationOnlyMakesNothingCurrent) {
  panel.fake.failures["ChoosePixelFormat"] = 2000;
  Create();
  panel.fake.log.clear();
  panel.DestroyGLContext();
  EXPECT_EQ(panel.fake.log, (Log{"wglMakeCurrent(null)"}));
}

TEST_F(PanelContextTest, RecreationBuildsAFreshContextFromCurrentProperties) {
  panel.Bind(&P::OnPreInit, "OnPreInit");
  Create();
  panel.WMDestroy();
  panel.SetPFDFlags(P::f_PFD_DRAW_TO_WINDOW | P::f_PFD_SUPPORT_OPENGL | P::f_PFD_SUPPORT_GDI);
  panel.fake.log.clear();
  panel.CreateParams();
  panel.WMCreate();
  EXPECT_EQ(panel.fake.log.front(), "OnPreInit");
  EXPECT_EQ(panel.fake.log.at(panel.fake.log.size() - 2), "OnInit current");
  EXPECT_EQ(panel.fake.requested->dwFlags & (PFD_SUPPORT_GDI | PFD_DOUBLEBUFFER), PFD_SUPPORT_GDI);
  EXPECT_FALSE(panel.DoubleBuffered());
}

TEST(PanelConstructionTest, MasksFloatingPointTraps) {
  feenableexcept(FE_DIVBYZERO | FE_INVALID);
  FakePanel panel;
  EXPECT_EQ(fegetexcept(), 0);
}

}  // namespace
