// The initial-conditions and about panels.
#include "apps/tamsel/form1.h"

#include <QMenu>
#include <QScrollBar>

#include "apps/tamsel/form1_testing.h"
#include "freebody/commands.h"

namespace {

using tamsel_testing::SameOrientation;

class TamselPanelsTest : public TamselWindowTest {
 protected:
  QStringList Boxes() {
    return {Control<QLineEdit>("Edit1")->text(), Control<QLineEdit>("Edit2")->text(),
            Control<QLineEdit>("Edit3")->text()};
  }
  QList<float> Momentum() {
    const math3d::Vector3& m = freebody::Program().state.InitialMomentum;
    return {m.GetX(), m.GetY(), m.GetZ()};
  }
  // Start, Reset, the examples and the options: all on (1), all off (0), or mixed (-1).
  int RunCommands() {
    const bool on[] = {Item("Comenzar")->isEnabled(), Item("Reset")->isEnabled(),
                       Control<QMenu>("Rotacion")->menuAction()->isEnabled(),
                       Control<QMenu>("Opcion")->menuAction()->isEnabled()};
    const int count = int(std::count(std::begin(on), std::end(on), true));
    return count == 4 ? 1 : count == 0 ? 0 : -1;
  }
};

// In a locale with a decimal comma, as the boxes show it.
TEST_F(TamselPanelsTest, MomentumRoundTripInTheGeneralNumberFormat) {
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
  Item("Condicion")->trigger();
  EXPECT_TRUE(PanelShown("Panel2"));
  EXPECT_EQ(RunCommands(), 0);
  EXPECT_EQ(Boxes(), QStringList({"0", "0", "0,200000002980232"}));

  Type("Edit1", "0,25");
  Type("Edit2", "-1e-3");
  Type("Edit3", "0,5");
  ClickOk("BitBtn1");
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_FALSE(PanelShown("Panel2"));
  EXPECT_EQ(RunCommands(), 1);
  EXPECT_EQ(Momentum(), QList<float>({0.25f, -1e-3f, 0.5f}));
  EXPECT_FALSE(freebody::Program().state.Running);  // takes effect at the next start

  Item("Condicion")->trigger();
  EXPECT_EQ(Boxes(), QStringList({"0,25", "-0,00100000004749745", "0,5"}));
}

TEST_F(TamselPanelsTest, OpeningThePanelAgainDiscardsUnconfirmedEdits) {
  Item("Rotacion2")->trigger();
  Item("Condicion")->trigger();
  Type("Edit1", "7");
  Type("Edit3", "9");
  Item("Condicion")->trigger();
  EXPECT_EQ(Boxes(), QStringList({"0", "0", "0.5"}));
  EXPECT_EQ(Momentum(), QList<float>({0.0f, 0.0f, 0.5f}));
}

TEST_F(TamselPanelsTest, ABadNumberStoresNothingAndKeepsThePanelOpen) {
  Item("Condicion")->trigger();
  Type("Edit1", "3");
  Type("Edit2", "abc");
  ClickOk("BitBtn1");
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages.front().contains("abc")) << messages.front().toStdString();
  EXPECT_TRUE(PanelShown("Panel2"));
  EXPECT_EQ(RunCommands(), 0);
  EXPECT_EQ(Boxes(), QStringList({"3", "abc", "0.200000002980232"}));
  EXPECT_EQ(Momentum(), QList<float>({0.0f, 0.0f, 0.2f}));

  Type("Edit2", "4");
  ClickOk("BitBtn1");
  EXPECT_FALSE(PanelShown("Panel2"));
  EXPECT_EQ(Momentum(), QList<float>({3.0f, 4.0f, 0.2f}));
}

TEST_F(TamselPanelsTest, OkMakesTheBarsOrientationTheInitialOne) {
  Item("Condicion")->trigger();
  Control<QScrollBar>("ScrollBar2")->setValue(40);
  EXPECT_TRUE(SameOrientation(freebody::Program().state.InitialOrientation, freebody::Matrix3x3()));
  ClickOk("BitBtn1");
  const freebody::Matrix3x3 tilted = math3d::EulerOrientation(0, 40, 0);
  EXPECT_TRUE(SameOrientation(freebody::Program().state.InitialOrientation, tilted));
  Item("Reset")->trigger();
  EXPECT_TRUE(SameOrientation(freebody::Program().state.BlockOrientation, tilted));
}

TEST_F(TamselPanelsTest, AboutShowsOurTextsAndPictureWhileTheBlockTurns) {
  Item("Comenzar")->trigger();
  Item("About")->trigger();
  EXPECT_TRUE(PanelShown("Panel1"));
  EXPECT_TRUE(freebody::Program().state.Running);
  EXPECT_TRUE(Item("Comenzar")->isEnabled());
  EXPECT_NE(Text("Label1"), "Label1");  // our own text replaced the layout's
  EXPECT_FALSE(Control<QLabel>("Image1")->pixmap().isNull());
  ClickOk("BitBtn2");
  EXPECT_FALSE(PanelShown("Panel1"));
}

}  // namespace
