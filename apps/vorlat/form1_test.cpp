// Start-up, readouts and drawing of the Vorlat window.
#include "apps/vorlat/form1.h"

#include "apps/vorlat/form1_testing.h"
#include "gyroscope/simulation.h"

namespace {

using shell::testing::CountPixels;
using vorlat_testing::Screen;

const QColor Red(255, 0, 0), Green(0, 255, 0), Grey(128, 128, 128), White(255, 255, 255);
const QRect Everywhere(0, 0, 400, 400);

QRect Around(QPoint centre, int half) {
  return QRect(centre - QPoint(half, half), centre + QPoint(half, half));
}

TEST_F(VorlatWindowTest, EveryTextFitsItsBoxInsideTheWindow) {
  Control<QWidget>("Panel2")->show();
  Item("Acerca")->trigger();
  ASSERT_TRUE(WaitForTicks(2));
  ExpectLabelsFit({"LabelRegistro1", "LabelRegistro2"});
}

TEST_F(VorlatWindowTest, StartUpReadoutsShowTheDefaultTop) {
  const std::pair<const char*, const char*> readouts[] = {
      {"LabelMasa", "2.0"},      {"LabelLargo", "0.30"},   {"LabelRadio", "0.125"},
      {"LabelEspesor", "0.015"}, {"LabelDensidad", "2.7"}, {"Labelgravedad", "0.0"},
      {"LabelfzPrima", "10.0"},  {"Labelfy", "10.0"},  // the axle lies along +y
      {"LabelEc", "30.7"},       {"LabelEp", "0.0"},       {"Labelfp", "0.00"}};
  for (const auto& [label, text] : readouts) EXPECT_EQ(Text(label), text) << label;
}

TEST_F(VorlatWindowTest, GravityShowsItsSettingAndTheTheoreticalPrecession) {
  for (const auto& [gravity, precession] : {std::pair{"2.5", "1.53"}, {"0.0", "0.00"}}) {
    Item("About")->trigger();
    ASSERT_TRUE(WaitForTicks(1));
    EXPECT_EQ(Text("Labelgravedad"), gravity);
    EXPECT_EQ(Text("Labelfp"), precession);
  }
  // Reset before the first start switches gravity off too.
  Item("About")->trigger();
  EXPECT_EQ(Item("About")->text(), "&Desactivar gravedad");
  EXPECT_EQ(gyroscope::Program().state.Gravity, gyroscope::Program().state.GravitySetting);
  Item("Reset")->trigger();
  EXPECT_EQ(Item("About")->text(), "&Activar gravedad");  // no trailing blank now
  EXPECT_EQ(gyroscope::Program().state.Gravity, 0.0f);
  ASSERT_TRUE(WaitForTicks(1));
  EXPECT_EQ(Text("Labelgravedad"), "0.0");
}

TEST_F(VorlatWindowTest, DrawsTheDiscAlongPlusYAndTheCrossUntilAxesAreHidden) {
  const QImage drawing = Drawing();
  const QPoint disc = Screen(gyroscope::ArmLength + gyroscope::DiscThickness, 0.0);
  EXPECT_GT(CountPixels(drawing, Around(disc, 10), Red, 80), 20);
  EXPECT_EQ(CountPixels(drawing, Around(Screen(-0.3, 0.0), 40), Red, 80), 0);

  // The cross's arm along the body's y axis stands above the disc's rim.
  const QPoint above_rim = Screen(gyroscope::ArmLength + gyroscope::DiscThickness, 0.165);
  EXPECT_GT(CountPixels(drawing, Around(above_rim, 5), White, 40), 3);
  Item("Opcion1")->trigger();
  EXPECT_EQ(Item("Opcion1")->text(), "&Mostrar ejes");
  EXPECT_EQ(CountPixels(Drawing(), Around(above_rim, 5), White, 40), 0);
}

TEST_F(VorlatWindowTest, SeenFromAboveTheGreyFloorShows) {
  form->ViewCamera().ViewPitch = 15.0f;
  EXPECT_GT(CountPixels(Drawing(), Everywhere, Grey, 6), 1000);
}

TEST_F(VorlatWindowTest, ARunWithGravityTracesTheAxlesEndUnlessHiddenAndResetWipesIt) {
  EXPECT_LE(CountPixels(Drawing(), Everywhere, Green, 40), 4);  // all points at one place

  // A clock that moves 10 ms a frame gives the same run however fast frames come.
  gyroscope::Program().SetClock([ms = std::uint32_t(0)]() mutable { return ms += 10; });
  struct RealClockAfterwards {
    ~RealClockAfterwards() { gyroscope::Program().SetClock(math3d::SystemMilliseconds); }
  } real_clock_afterwards;

  Item("About")->trigger();
  Item("Comenzar")->trigger();
  // Well under the 4.6 s of a precession turn that would wipe the trace.
  ASSERT_TRUE(WaitForTicks(150));
  EXPECT_GT(CountPixels(Drawing(), Everywhere, Green, 40), 40);

  Item("Opcion2")->trigger();  // hidden, the trace is not drawn
  EXPECT_EQ(Item("Opcion2")->text(), "&Marcar trayectoria");
  EXPECT_LE(CountPixels(Drawing(), Everywhere, Green, 40), 4);
  Item("Opcion2")->trigger();
  Item("Reset")->trigger();
  EXPECT_LE(CountPixels(Drawing(), Everywhere, Green, 40), 4);
}

}  // namespace
