// The initial-conditions, help and about panels.
#include "apps/vorlat/form1.h"

#include <QMenu>
#include <QScrollBar>

#include "apps/vorlat/form1_testing.h"
#include "gyroscope/simulation.h"

namespace {

class VorlatPanelsTest : public VorlatWindowTest {
 protected:
  QStringList Boxes() {
    QStringList texts;
    for (const char* name : {"Edit1", "Edit2", "Edit3", "Edit4"})
      texts << Control<QLineEdit>(name)->text();
    return texts;
  }
  // Start, Reset and the options menu: all on (1), all off (0), or mixed (-1).
  int RunCommands() {
    const bool on[] = {Item("Comenzar")->isEnabled(), Item("Reset")->isEnabled(),
                       Control<QMenu>("Opcion")->menuAction()->isEnabled()};
    return on[0] && on[1] && on[2] ? 1 : !on[0] && !on[1] && !on[2] ? 0 : -1;
  }
};

// In a locale with a decimal comma, as the boxes and the readouts show it.
TEST_F(VorlatPanelsTest, ConditionsRoundTrip) {
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
  Item("Condicion")->trigger();
  EXPECT_TRUE(PanelShown("Panel2"));
  EXPECT_EQ(RunCommands(), 0);
  EXPECT_TRUE(Item("Condicion")->isEnabled());
  EXPECT_EQ(Boxes(), QStringList({"0,0", "0,0", "10,0", "2,5"}));

  Type("Edit1", "1,234");
  Type("Edit4", "9,8");
  ClickOk("BitBtn1");
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_FALSE(PanelShown("Panel2"));
  EXPECT_EQ(RunCommands(), 1);
  EXPECT_FLOAT_EQ(gyroscope::Program().state.InitialBodyOmega.GetX(), 1.234f * math3d::TwoPi);
  EXPECT_FLOAT_EQ(gyroscope::Program().state.GravitySetting, 9.8f);
  EXPECT_EQ(gyroscope::Program().state.Gravity,
            0.0f);  // takes effect when gravity is next switched on
  ASSERT_TRUE(WaitForTicks(1));
  EXPECT_EQ(Text("LabelfxPrima"), "1,2");
  EXPECT_EQ(Text("LabelRadio"), "0,125");

  // Opened again the panel shows what the readouts show; OK then stores that.
  Item("Condicion")->trigger();
  EXPECT_EQ(Boxes().first(), "1,2");
  ClickOk("BitBtn1");
  EXPECT_FLOAT_EQ(gyroscope::Program().state.InitialBodyOmega.GetX(), 1.2f * math3d::TwoPi);
}

TEST_F(VorlatPanelsTest, ABadNumberStoresNothingAndKeepsThePanelOpen) {
  Item("Condicion")->trigger();
  const math3d::Vector3 spin = gyroscope::Program().state.InitialBodyOmega;
  Type("Edit1", "3");
  Type("Edit4", "abc");
  ClickOk("BitBtn1");
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages.front().contains("abc")) << messages.front().toStdString();
  EXPECT_TRUE(PanelShown("Panel2"));
  EXPECT_EQ(RunCommands(), 0);
  EXPECT_EQ(Boxes(), QStringList({"3", "0.0", "10.0", "abc"}));
  EXPECT_EQ(gyroscope::Program().state.InitialBodyOmega.GetX(), spin.GetX());
  EXPECT_FLOAT_EQ(gyroscope::Program().state.GravitySetting, 2.5f);

  Type("Edit4", "4");
  ClickOk("BitBtn1");
  EXPECT_FALSE(PanelShown("Panel2"));
  EXPECT_FLOAT_EQ(gyroscope::Program().state.InitialBodyOmega.GetX(), 3.0f * math3d::TwoPi);
  EXPECT_FLOAT_EQ(gyroscope::Program().state.GravitySetting, 4.0f);
}

TEST_F(VorlatPanelsTest, TheScrollBarsSetTheOrientationTheConditionsStartFrom) {
  Item("Condicion")->trigger();
  Control<QScrollBar>("ScrollBar2")->setValue(0);  // the axle upright
  ClickOk("BitBtn1");
  // Spin about the body's z axis, now the space's z axis.
  EXPECT_NEAR(gyroscope::Program().state.InitialOmega.GetZ(), 10.0f * math3d::TwoPi, 1e-3f);
  EXPECT_NEAR(gyroscope::Program().state.InitialOmega.GetY(), 0.0f, 1e-3f);
  ASSERT_TRUE(WaitForTicks(1));
  EXPECT_EQ(Text("Labelfz"), "10.0");
}

TEST_F(VorlatPanelsTest, HelpAndAboutOpenAndCloseWithoutPausing) {
  Item("Comenzar")->trigger();
  for (const auto& [item, panel, ok] :
       {std::tuple{"Ayuda", "Panel3", "BitBtn3"}, {"Acerca", "Panel1", "BitBtn2"}}) {
    Item(item)->trigger();
    EXPECT_TRUE(PanelShown(panel)) << panel;
    EXPECT_TRUE(gyroscope::Program().state.Running);
    EXPECT_EQ(RunCommands(), 1);
    ClickOk(ok);
    EXPECT_FALSE(PanelShown(panel)) << panel;
  }
  EXPECT_NE(Text("LabelRegistro1"), "Label1");  // our own text replaced the layout's
}

}  // namespace
