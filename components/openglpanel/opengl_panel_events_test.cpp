#include "components/openglpanel/panel_test_support.h"

namespace {

using P = TOpenGLPanel;

using PanelEventsTest = FakePanelTest;

TEST_F(PanelEventsTest, UnboundPaintAndResizeNeverTouchOpenGL) {
  Created();
  panel.Paint();
  panel.Resize();
  EXPECT_TRUE(panel.fake.log.empty());
}

TEST_F(PanelEventsTest, PaintAndResizeRunTheirEventWithTheContextCurrent) {
  panel.Bind(&P::OnPaint, "OnPaint");
  panel.Bind(&P::OnResize, "OnResize");
  Created();
  panel.Paint();
  EXPECT_EQ(panel.fake.log,
            (Log{"SelectPalette", "RealizePalette", "wglMakeCurrent", "OnPaint current",
                 "SwapBuffers", "SelectPalette", "wglMakeCurrent(null)"}));
  EXPECT_EQ(panel.last_sender, &panel);
  EXPECT_EQ(panel.fake.selected, HPALETTE{});  // the kept one, back as background
  EXPECT_TRUE(panel.fake.background);
  panel.fake.log.clear();
  panel.Resize();
  EXPECT_EQ(panel.fake.log, (Log{"wglMakeCurrent", "OnResize current", "wglMakeCurrent(null)"}));
  EXPECT_EQ(panel.fake.current, HGLRC{});
}

TEST_F(PanelEventsTest, SingleBufferedPanelNeverSwaps) {
  panel.SetPFDFlags(P::f_PFD_DRAW_TO_WINDOW | P::f_PFD_SUPPORT_OPENGL | P::f_PFD_SUPPORT_GDI);
  panel.Bind(&P::OnPaint, "OnPaint");
  Created();
  panel.Paint();
  panel.SwapBuffers();
  EXPECT_EQ(panel.fake.log, (Log{"SelectPalette", "RealizePalette", "wglMakeCurrent",
                                 "OnPaint current", "SelectPalette", "wglMakeCurrent(null)"}));
}

TEST_F(PanelEventsTest, FailuresStopPaintAndResizeBeforeTheirEvent) {
  panel.Bind(&P::OnPaint, "OnPaint");
  panel.Bind(&P::OnResize, "OnResize");
  Created();
  panel.fake.failures["RealizePalette"] = 13;
  panel.Paint();
  EXPECT_EQ(panel.fake.log, (Log{"SelectPalette", "RealizePalette", "Message RealizePalette:13"}));
  EXPECT_FALSE(panel.fake.background);  // the panel's palette stays selected

  panel.fake.log.clear();
  panel.fake.failures = {{"wglMakeCurrent", 4317}};
  panel.Paint();
  panel.Resize();
  EXPECT_EQ(panel.fake.log,
            (Log{"SelectPalette", "RealizePalette", "wglMakeCurrent", "Message wglMakeCurrent:4317",
                 "wglMakeCurrent", "Message wglMakeCurrent:4317"}));
}

TEST_F(PanelEventsTest, OnInitRunsEvenWhenMakingCurrentFailsAndNothingIsLeftCurrent) {
  panel.Bind(&P::OnInit, "OnInit");
  panel.fake.failures["wglMakeCurrent"] = 170;
  panel.WMCreate();
  EXPECT_EQ(
      Log(panel.fake.log.end() - 4, panel.fake.log.end()),
      (Log{"wglMakeCurrent", "Message wglMakeCurrent:170", "OnInit", "wglMakeCurrent(null)"}));
}

TEST_F(PanelEventsTest, CreationWithoutOnInitLeavesTheContextAlone) {
  panel.WMCreate();
  EXPECT_EQ(panel.fake.log.back(), "wglCreateContext");
  EXPECT_EQ(panel.RenderingContext(), FakeGLPlatform::kContext);
}

TEST_F(PanelEventsTest, MakeCurrentPairLeavesNoContextWhicheverPanelMadeIt) {
  FakePanel other;
  ASSERT_TRUE(other.CreateGLContext());
  Created();
  panel.MakeOpenGLPanelCurrent();
  EXPECT_EQ(panel.fake.current, FakeGLPlatform::kContext);
  other.MakeOpenGLPanelNotCurrent();
  EXPECT_EQ(other.fake.log.back(), "wglMakeCurrent(null)");
  panel.MakeOpenGLPanelNotCurrent();
  EXPECT_EQ(panel.fake.current, HGLRC{});

  panel.fake.failures["wglMakeCurrent"] = 87;
  panel.MakeOpenGLPanelCurrent();
  EXPECT_EQ(panel.fake.log.back(), "Message wglMakeCurrent:87");
}

TEST_F(PanelEventsTest, WithoutAContextNothingIsCalledOrShown) {
  panel.fake.failures["ChoosePixelFormat"] = 2000;
  panel.Bind(&P::OnPaint, "OnPaint");
  panel.Bind(&P::OnResize, "OnResize");
  panel.WMCreate();
  panel.fake.log.clear();
  panel.Paint();
  panel.Resize();
  panel.MakeOpenGLPanelCurrent();
  panel.SwapBuffers();
  EXPECT_TRUE(panel.fake.log.empty());
}

}  // namespace
