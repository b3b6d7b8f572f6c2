#include "components/openglpanel/panel_test_support.h"

namespace {

class PanelPaletteTest : public FakePanelTest {
 protected:
  void SetUp() override {
    panel.fake.described = PaletteFormat();
    Created();
  }

  // The query's result, starting from 77.
  long QueryNewPalette() {
    FakePanel::TMessage message{nullptr, 77};
    panel.WMQueryNewPalette(message);
    return message.Result;
  }
};

TEST_F(PanelPaletteTest, QueryNewPaletteRealizesAndRepaintsWhenEntriesChanged) {
  panel.fake.realize_result = 12;
  EXPECT_EQ(QueryNewPalette(), 12);
  EXPECT_EQ(panel.fake.log, (Log{"SelectPalette", "RealizePalette", "wglMakeCurrent",
                                 "wglMakeCurrent(null)", "SelectPalette", "InvalidateRect"}));
  EXPECT_TRUE(panel.fake.background);
  EXPECT_EQ(panel.fake.current, HGLRC{});
}

TEST_F(PanelPaletteTest, QueryNewPaletteAnswersWithoutRepaintWhenNothingChangedOrFailed) {
  EXPECT_EQ(QueryNewPalette(), 0);
  EXPECT_EQ(panel.fake.log.back(), "SelectPalette");  // no InvalidateRect

  panel.fake.log.clear();
  panel.fake.failures = {{"RealizePalette", 5}};
  EXPECT_EQ(QueryNewPalette(), 77);  // the result is kept
  EXPECT_EQ(panel.fake.log, (Log{"SelectPalette", "RealizePalette", "Message RealizePalette:5"}));

  panel.fake.log.clear();
  panel.fake.realize_result = 12;
  panel.fake.failures = {{"wglMakeCurrent", 5}};
  EXPECT_EQ(QueryNewPalette(), 0);
  EXPECT_EQ(panel.fake.log, (Log{"SelectPalette", "RealizePalette", "wglMakeCurrent"}));
}

TEST_F(PanelPaletteTest, PaletteChangedByOwnWindowIsIgnored) {
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
