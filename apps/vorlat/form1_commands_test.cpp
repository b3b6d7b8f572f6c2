// Menu commands, access keys, the Euler-angle scroll bars and the ways out.
#include "apps/vorlat/form1.h"

#include <QScrollBar>

#include "apps/vorlat/form1_testing.h"
#include "gyroscope/simulation.h"

namespace {

using shell::testing::CountPixels;
using vorlat_testing::Screen;

class VorlatCommandsTest : public VorlatWindowTest {
 protected:
  // The start item's caption, then which of Reset and Condicion are on, and the run.
  std::string State() {
    return Item("Comenzar")->text().toStdString() + (Item("Reset")->isEnabled() ? " R" : " -") +
           (Item("Condicion")->isEnabled() ? "C" : "-") +
           (gyroscope::Program().state.Running ? " run" : "");
  }
};

TEST_F(VorlatCommandsTest, StartPauseContinueAndResetFollowTheMenuStates) {
  EXPECT_EQ(State(), "&Comenzar RC");
  for (const char* expected : {"&Pausa R- run", "&Seguir R-", "&Pausa R- run"}) {
    Item("Comenzar")->trigger();
    EXPECT_EQ(State(), expected);
  }
  Item("Reset")->trigger();
  EXPECT_EQ(State(), "&Comenzar -C");
  Item("Comenzar")->trigger();
  EXPECT_EQ(State(), "&Pausa R- run");
}

TEST_F(VorlatCommandsTest, AccessKeysPickTheMenuCommands) {
  shell::testing::PressAccessKey(*form, 'C');
  EXPECT_EQ(Item("Comenzar")->text(), "&Pausa");
  shell::testing::PressAccessKey(*form, 'A');
  EXPECT_TRUE(QTest::qWaitFor([&] { return Item("About")->text() == "&Desactivar gravedad"; }));
  shell::testing::PressAccessKey(*form, 'R');
  EXPECT_TRUE(QTest::qWaitFor([&] { return Item("Comenzar")->text() == "&Comenzar"; }));
  EXPECT_FALSE(gyroscope::Program().state.Running);
}

TEST_F(VorlatCommandsTest, AScrollBarTurnsTheDrawnTopAtOnce) {
  Control<QScrollBar>("ScrollBar2")->setValue(0);
  EXPECT_EQ(Text("ThetaText"), "0");
  // The axle now stands upright: the disc lies level above the pivot.
  const QImage drawing = Drawing();
  const QRect level(Screen(-0.1, 0.315) - QPoint(0, 6), Screen(0.1, 0.315) + QPoint(0, 6));
  EXPECT_GT(CountPixels(drawing, level, QColor(255, 0, 0), 80), 50);
  EXPECT_EQ(
      CountPixels(drawing, QRect(Screen(0.25, 0.15), Screen(0.4, -0.15)), QColor(255, 0, 0), 80),
      0);
  Control<QScrollBar>("ScrollBar3")->setValue(45);
  EXPECT_EQ(Text("PsiText"), "45");
}

// Each way out releases the scene once and ends the message loop; ticks that still
// come leave the released scene alone.
class VorlatExitTest : public VorlatWindowTest {
 protected:
  void ExitBy(const std::function<void()>& leave) {
    ExpectExitBy(leave, [] { return gyroscope::Program().World() != nullptr; });
  }
};

TEST_F(VorlatExitTest, Salir) {
  ExitBy([this] { Item("Salir")->trigger(); });
}
TEST_F(VorlatExitTest, CloseButton) {
  ExitBy([this] { form->close(); });
}
TEST_F(VorlatExitTest, ExitAndThenDeactivation) {
  ExitBy([this] {
    Item("Salir")->trigger();
    form->FormDeactivate();
  });
}
TEST_F(VorlatExitTest, AnotherWindowOfTheProgramBecomingActive) {
  QWidget other;
  ExitBy([&] {
    other.show();
    other.activateWindow();
  });
}

}  // namespace
