// Menu commands, access keys, the Euler-angle scroll bars and the ways out.
#include "apps/vorlat/form1.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "apps/vorlat/form1_testing.h"
#include "gyroscope/simulation.h"
#include "gyroscope/state.h"

namespace {

using framework::testing::CountPixels;
using framework::testing::PressAccessKey;
using vorlat_testing::Screen;

struct MenuState {
  QString comenzar;
  bool reset, condicion, running;
  bool operator==(const MenuState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const MenuState& s) {
  return out << s.comenzar.toStdString() << " reset=" << s.reset << " condicion=" << s.condicion
             << " running=" << s.running;
}

class VorlatCommandsTest : public VorlatWindowTest {
 protected:
  MenuState State() {
    return {Item("Comenzar")->text(), Item("Reset")->isEnabled(), Item("Condicion")->isEnabled(),
            gyroscope::Running};
  }
};

TEST_F(VorlatCommandsTest, StartPauseContinueAndResetFollowTheMenuStates) {
  EXPECT_EQ(State(), (MenuState{"&Comenzar", true, true, false}));
  Item("Comenzar")->trigger();
  EXPECT_EQ(State(), (MenuState{"&Pausa", true, false, true}));
  Item("Comenzar")->trigger();
  EXPECT_EQ(State(), (MenuState{"&Seguir", true, false, false}));
  Item("Comenzar")->trigger();
  EXPECT_EQ(State(), (MenuState{"&Pausa", true, false, true}));
  Item("Reset")->trigger();
  EXPECT_EQ(State(), (MenuState{"&Comenzar", false, true, false}));
  Item("Comenzar")->trigger();
  EXPECT_EQ(State(), (MenuState{"&Pausa", true, false, true}));
}

TEST_F(VorlatCommandsTest, ResetBeforeTheFirstStartSwitchesGravityOff) {
  Item("About")->trigger();
  EXPECT_EQ(Item("About")->text(), "&Desactivar gravedad");
  EXPECT_EQ(gyroscope::Gravity, gyroscope::GravitySetting);
  Item("Reset")->trigger();
  EXPECT_FALSE(Item("Reset")->isEnabled());
  EXPECT_EQ(Item("About")->text(), "&Activar gravedad");  // no trailing blank now
  EXPECT_EQ(gyroscope::Gravity, 0.0f);
  ASSERT_TRUE(WaitForTicks(1));
  EXPECT_EQ(Text("Labelgravedad"), "0.0");
}

TEST_F(VorlatCommandsTest, OptionsHideAndShowAxesAndTrajectory) {
  Item("Opcion1")->trigger();
  EXPECT_EQ(Item("Opcion1")->text(), "&Mostrar ejes");
  EXPECT_FALSE(gyroscope::ShowAxes);
  Item("Opcion1")->trigger();
  EXPECT_EQ(Item("Opcion1")->text(), "&Ocultar ejes");
  EXPECT_TRUE(gyroscope::ShowAxes);

  Item("Opcion2")->trigger();
  EXPECT_EQ(Item("Opcion2")->text(), "&Marcar trayectoria");
  EXPECT_FALSE(gyroscope::ShowTrajectory);
  Item("Opcion2")->trigger();
  EXPECT_EQ(Item("Opcion2")->text(), "&Ocultar trayectoria");
  EXPECT_TRUE(gyroscope::ShowTrajectory);
}

TEST_F(VorlatCommandsTest, AccessKeysPickTheMenuCommands) {
  PressAccessKey(*form, 'C');
  EXPECT_EQ(Item("Comenzar")->text(), "&Pausa");
  PressAccessKey(*form, 'A');
  EXPECT_TRUE(QTest::qWaitFor([&] { return Item("About")->text() == "&Desactivar gravedad"; }));
  PressAccessKey(*form, 'R');
  EXPECT_TRUE(QTest::qWaitFor([&] { return Item("Comenzar")->text() == "&Comenzar"; }));
  EXPECT_FALSE(gyroscope::Running);
}

TEST_F(VorlatCommandsTest, IAndOZoomAndTheLastPressedWins) {
  const float start = form->ViewCamera().ViewDistance;
  QTest::keyPress(form.get(), Qt::Key_I);
  QTest::keyPress(form.get(), Qt::Key_O);
  ASSERT_TRUE(WaitForTicks(3));
  QTest::keyRelease(form.get(), Qt::Key_O);
  EXPECT_LT(form->ViewCamera().ViewDistance, start - 0.05f);
}

TEST_F(VorlatCommandsTest, AScrollBarTurnsTheDrawnTopAtOnce) {
  Control<QScrollBar>("ScrollBar2")->setValue(0);
  EXPECT_EQ(Text("ThetaText"), "0");
  // The axle now stands upright: the disc lies level above the pivot.
  const QImage drawing = Drawing();
  EXPECT_GT(
      CountPixels(drawing,
                  QRect(Screen(-0.1, 0.315) - QPoint(0, 6), Screen(0.1, 0.315) + QPoint(0, 6)),
                  QColor(255, 0, 0), 80),
      50);
  EXPECT_EQ(
      CountPixels(drawing, QRect(Screen(0.25, 0.15), Screen(0.4, -0.15)), QColor(255, 0, 0), 80),
      0);

  Control<QScrollBar>("ScrollBar1")->setValue(90);
  EXPECT_EQ(Text("FiText"), "90");
  Control<QScrollBar>("ScrollBar3")->setValue(45);
  EXPECT_EQ(Text("PsiText"), "45");
  EXPECT_EQ(Text("ThetaText"), "0");
}

// Each way out releases the scene once and ends the message loop; ticks that still
// come leave the released scene alone.
class VorlatExitTest : public VorlatWindowTest {
 protected:
  void ExitBy(const std::function<void()>& leave) {
    ExpectExitBy(leave, [] { return gyroscope::pWorld != nullptr; });
  }
};

TEST_F(VorlatExitTest, Salir) {
  ExitBy([this] { Item("Salir")->trigger(); });
}

TEST_F(VorlatExitTest, CloseButton) {
  ExitBy([this] { form->close(); });
}

TEST_F(VorlatExitTest, AnotherWindowOfTheProgramBecomingActive) {
  QWidget other;
  ExitBy([&] {
    other.show();
    other.activateWindow();
  });
}

TEST_F(VorlatExitTest, ExitAndThenDeactivation) {
  ExitBy([this] {
    Item("Salir")->trigger();
    form->FormDeactivate();
  });
}

}  // namespace
