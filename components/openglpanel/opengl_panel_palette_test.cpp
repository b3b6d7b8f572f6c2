#include "components/openglpanel/panel_test_support.h"

namespace {

using Log = std::vector<std::string>;

class PanelPaletteTest : public FakePanelTest {
 protected:
  void CreatedWithPalette() {
    PIXELFORMATDESCRIPTOR pfd;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_NEED_PALETTE;
    pfd.cColorBits = 8;
    pfd.cRedBits = 3;
    pfd.cGreenBits = 3;
    pfd.cGreenShift = 3;
    pfd.cBlueBits = 2;
    pfd.cBlueShift = 6;
    panel.fake.described = pfd;
    ASSERT_TRUE(panel.CreateGLContext());
    panel.fake.log.clear();
  }
};

TEST_F(PanelPaletteTest, FormatNeedingAPaletteGetsTheRamp) {
  CreatedWithPalette();
  EXPECT_EQ(panel.Palette(), FakeGLPlatform::kPalette);
  const LOGPALETTE& ramp = *panel.fake.created_palette;
  ASSERT_EQ(ramp.palPalEntry.size(), 256u);
  EXPECT_EQ(ramp.palPalEntry[5].peRed, 182);
  EXPECT_EQ(ramp.palPalEntry[64].peBlue, 85);
  EXPECT_EQ(ramp.palPalEntry[255].peGreen, 255);
}

TEST_F(PanelPaletteTest, QueryNewPaletteRealizesAndRepaintsWhenEntriesChanged) {
  CreatedWithPalette();
  panel.fake.realize_result = 12;
  FakePanel::TMessage message;
  panel.WMQueryNewPalette(message);
  EXPECT_EQ(panel.fake.log, (Log{"SelectPalette", "RealizePalette", "wglMakeCurrent",
                                 "wglMakeCurrent(null)", "SelectPalette", "InvalidateRect"}));
  EXPECT_EQ(message.Result, 12);
  EXPECT_TRUE(panel.fake.background);
  EXPECT_EQ(panel.fake.current, HGLRC{});
}

TEST_F(PanelPaletteTest, QueryNewPaletteAnswersZeroWithoutRepaintWhenNothingChanged) {
  CreatedWithPalette();
  FakePanel::TMessage message{nullptr, 99};
  panel.WMQueryNewPalette(message);
  EXPECT_EQ(message.Result, 0);
  EXPECT_EQ(std::count(panel.fake.log.begin(), panel.fake.log.end(), "InvalidateRect"), 0);
}

TEST_F(PanelPaletteTest, QueryNewPaletteReportsRealizeFailureAndKeepsTheResult) {
  CreatedWithPalette();
  panel.fake.failures["RealizePalette"] = 5;
  FakePanel::TMessage message{nullptr, 77};
  panel.WMQueryNewPalette(message);
  EXPECT_EQ(panel.fake.log, (Log{"SelectPalette", "RealizePalette", "Message RealizePalette:5"}));
  EXPECT_EQ(message.Result, 77);
}

TEST_F(PanelPaletteTest, QueryNewPaletteAnswersZeroWhenMakingCurrentFails) {
  CreatedWithPalette();
  panel.fake.realize_result = 12;
  panel.fake.failures["wglMakeCurrent"] = 5;
  FakePanel::TMessage message{nullptr, 77};
  panel.WMQueryNewPalette(message);
  EXPECT_EQ(panel.fake.log, (Log{"SelectPalette", "RealizePalette", "wglMakeCurrent"}));
  EXPECT_EQ(message.Result, 0);
}

TEST_F(PanelPaletteTest, PaletteChangedByOwnWindowIsIgnored) {
  CreatedWithPalette();
  panel.fake.realize_result = 3;
  FakePanel::TMessage own{&panel, 0};
  panel.WMPaletteChanged(own);
  EXPECT_TRUE(panel.fake.log.empty());

  QWidget elsewhere;
  FakePanel::TMessage other{&elsewhere, 0};
  panel.WMPaletteChanged(other);
  EXPECT_EQ(panel.fake.log.back(), "InvalidateRect");
}

}  // namespace
