// Start-up layout and drawing of the Tamsel window.
#include "apps/tamsel/form1.h"

#include "apps/tamsel/form1_testing.h"
#include "freebody/simulation.h"

namespace {

using shell::testing::CountPixels;
using tamsel_testing::Screen;

const QColor White(255, 255, 255), Grey(128, 128, 128);

QRect Around(QPoint centre, int half) {
  return QRect(centre - QPoint(half, half), centre + QPoint(half, half));
}

int YellowAround(const QImage& drawing, double y, double z) {
  return CountPixels(drawing, Around(Screen(y, z), 4), tamsel_testing::Yellow, 60);
}

TEST_F(TamselWindowTest, EveryTextFitsAndTheConditionsPanelCoversTheHelpText) {
  QWidget* central = form->centralWidget();
  const QPoint help = Control<QWidget>("Label3")->geometry().center();
  EXPECT_EQ(central->childAt(help), Control<QWidget>("Label3"));
  Item("About")->trigger();
  Control<QWidget>("Panel2")->show();
  ExpectLabelsFit({"Label1", "Label2", "Label3"});
  const QWidget* on_top = central->childAt(help);
  EXPECT_TRUE(on_top == Control<QWidget>("Panel2") ||
              Control<QWidget>("Panel2")->isAncestorOf(on_top));
}

TEST_F(TamselWindowTest, AtStartUpTheYellowBlockStandsUprightAboveTheFloor) {
  const QImage drawing = Drawing();
  // Tall along z (half 1.8), narrower along y (half 0.8).
  for (const auto& [y, z] : {std::pair{0.0, 0.0}, {0.0, 1.6}, {0.0, -1.6}, {0.6, 0.0}})
    EXPECT_GT(YellowAround(drawing, y, z), 60) << y << ", " << z;
  for (const auto& [y, z] : {std::pair{0.0, 2.2}, {1.2, 0.0}, {-1.2, 0.0}})
    EXPECT_EQ(YellowAround(drawing, y, z), 0) << y << ", " << z;

  // From 10 away the floor's far edge lies 4 units below the centre, 14 away.
  const int far_edge = Screen(0.0, -4.0 * 10.0 / 14.0).y();
  EXPECT_GT(CountPixels(drawing, QRect(0, far_edge + 4, 400, 400 - far_edge - 4), Grey, 6),
            20 * (400 - far_edge - 4));
  EXPECT_EQ(CountPixels(drawing, QRect(0, 0, 400, far_edge - 4), Grey, 6), 0);
}

TEST_F(TamselWindowTest, AxesShowWhenAskedFor) {
  // The block's z axis sticks out above its top.
  const QRect above_top = Around(Screen(0.0, 2.3), 4);
  for (int shown : {0, 1, 0}) {
    const int white = CountPixels(Drawing(), above_top, White, 40);
    EXPECT_TRUE(shown ? white > 3 : white == 0) << white;
    EXPECT_EQ(Item("Opcion1")->text(), shown ? "Borrar ejes" : "&Dibujar ejes");
    Item("Opcion1")->trigger();
  }
}

TEST_F(TamselWindowTest, TheDrawingFollowsTheWorldWhileRunning) {
  // A turn of about 0.96 rad/s about the vertical shows the block's narrow side.
  Item("Comenzar")->trigger();
  EXPECT_GT(YellowAround(Drawing(), 0.6, 0.0), 0);
  EXPECT_TRUE(QTest::qWaitFor([&] { return YellowAround(Drawing(), 0.6, 0.0) == 0; }, 30000));
  EXPECT_FALSE(tamsel_testing::SameOrientation(freebody::Program().state.BlockOrientation,
                                               freebody::Program().state.InitialOrientation));
}

}  // namespace
