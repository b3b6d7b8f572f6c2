// Menu commands, examples, views, keys, the Euler-angle scroll bars and the ways out.
#include "apps/tamsel/form1.h"

#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "apps/tamsel/form1_testing.h"
#include "freebody/commands.h"

namespace {

using framework::testing::CountPixels;
using tamsel_testing::SameOrientation;
using tamsel_testing::Screen;

struct MenuState {
  QString comenzar;
  bool comenzar_on, reset, rotacion, condicion, opcion, running;
  bool operator==(const MenuState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const MenuState& s) {
  return out << s.comenzar.toStdString() << " comenzar=" << s.comenzar_on << " reset=" << s.reset
             << " rotacion=" << s.rotacion << " condicion=" << s.condicion << " opcion=" << s.opcion
             << " running=" << s.running;
}

class TamselCommandsTest : public TamselWindowTest {
 protected:
  MenuState State() {
    return {Item("Comenzar")->text(),
            Item("Comenzar")->isEnabled(),
            Item("Reset")->isEnabled(),
            Control<QMenu>("Rotacion")->menuAction()->isEnabled(),
            Item("Condicion")->isEnabled(),
            Control<QMenu>("Opcion")->menuAction()->isEnabled(),
            freebody::Running};
  }

  freebody::EulerAngles Bars() {
    return {Control<QScrollBar>("ScrollBar1")->value(), Control<QScrollBar>("ScrollBar2")->value(),
            Control<QScrollBar>("ScrollBar3")->value()};
  }

  QStringList AngleTexts() { return {Text("FiText"), Text("ThetaText"), Text("PsiText")}; }

  QList<bool> ExamplesChecked() {
    return {Item("Rotacion1")->isChecked(), Item("Rotacion2")->isChecked(),
            Item("Rotacion3")->isChecked()};
  }
};

TEST_F(TamselCommandsTest, MenusFollowStartPauseResetAndTheConditionsPanel) {
  EXPECT_EQ(State(), (MenuState{"&Comenzar", true, true, true, true, true, false}));
  Item("Comenzar")->trigger();
  EXPECT_EQ(State(), (MenuState{"&Pausa", true, true, false, false, true, true}));
  Item("Comenzar")->trigger();  // a pause leaves the examples and the panel out of reach
  EXPECT_EQ(State(), (MenuState{"&Comenzar", true, true, false, false, true, false}));
  Item("Comenzar")->trigger();
  EXPECT_EQ(State(), (MenuState{"&Pausa", true, true, false, false, true, true}));
  Item("Reset")->trigger();
  EXPECT_EQ(State(), (MenuState{"&Comenzar", true, false, true, true, true, false}));
  Item("Condicion")->trigger();
  EXPECT_EQ(State(), (MenuState{"&Comenzar", false, false, false, true, false, false}));
  Control<QPushButton>("BitBtn1")->click();
  EXPECT_EQ(State(), (MenuState{"&Comenzar", true, true, true, true, true, false}));
  Item("About")->trigger();
  EXPECT_EQ(State(), (MenuState{"&Comenzar", true, true, true, true, true, false}));
}

TEST_F(TamselCommandsTest, ExamplesSetTheBarsTheLabelsAndTheStartingState) {
  struct Case {
    const char* item;
    freebody::EulerAngles angles;
    QList<bool> checked;
  };
  for (const Case& example : {Case{"Rotacion2", {0, 265, 0}, {false, true, false}},
                              Case{"Rotacion3", {0, 85, 90}, {false, false, true}},
                              Case{"Rotacion1", {0, 175, 0}, {true, false, false}},
                              Case{"Rotacion1", {0, 175, 0}, {true, false, false}}}) {
    SCOPED_TRACE(example.item);
    Item(example.item)->trigger();
    const freebody::EulerAngles bars = Bars();
    EXPECT_EQ(std::tie(bars.phi, bars.theta, bars.psi),
              std::tie(example.angles.phi, example.angles.theta, example.angles.psi));
    EXPECT_EQ(AngleTexts(), QStringList({QString::number(example.angles.phi),
                                         QString::number(example.angles.theta),
                                         QString::number(example.angles.psi)}));
    EXPECT_EQ(ExamplesChecked(), example.checked);
    const freebody::Matrix3x3 expected = freebody::EulerOrientation(
        float(example.angles.phi), float(example.angles.theta), float(example.angles.psi));
    EXPECT_TRUE(SameOrientation(freebody::InitialOrientation, expected));
    EXPECT_TRUE(SameOrientation(freebody::BlockOrientation, expected));
    EXPECT_TRUE(SameOrientation(freebody::ChosenOrientation, expected));
    EXPECT_FALSE(freebody::Running);
  }
  // Example 1 keeps the momentum that example 2 or 3 set.
  EXPECT_EQ(freebody::InitialMomentum.GetZ(), 0.5f);
  EXPECT_EQ(freebody::InitialMomentum.GetX(), 0.0f);
}

TEST_F(TamselCommandsTest, ExampleOneAloneKeepsTheStartMomentum) {
  Item("Rotacion1")->trigger();
  EXPECT_EQ(freebody::InitialMomentum.GetZ(), 0.2f);
  // Upside down, 5 degrees off: still tall on the screen.
  EXPECT_GT(
      CountPixels(Drawing(), QRect(Screen(-0.1, 1.6), Screen(0.1, 1.4)), QColor(230, 230, 0), 60),
      20);
}

TEST_F(TamselCommandsTest, ViewsAndAxesSwitchAtAnyTime) {
  Item("Comenzar")->trigger();
  Item("Vista2")->trigger();
  EXPECT_TRUE(freebody::RotatingView);
  EXPECT_TRUE(Item("Vista2")->isChecked());
  EXPECT_FALSE(Item("Vista1")->isChecked());
  Item("Vista2")->trigger();  // choosing it again keeps it chosen
  EXPECT_TRUE(Item("Vista2")->isChecked());
  EXPECT_TRUE(freebody::Running);
  Item("Vista1")->trigger();
  EXPECT_FALSE(freebody::RotatingView);
  EXPECT_TRUE(Item("Vista1")->isChecked());
  EXPECT_FALSE(Item("Vista2")->isChecked());

  Item("Opcion1")->trigger();
  EXPECT_TRUE(freebody::ShowAxes);
  EXPECT_EQ(Item("Opcion1")->text(), "Borrar ejes");
  Item("Opcion1")->trigger();
  EXPECT_FALSE(freebody::ShowAxes);
  EXPECT_EQ(Item("Opcion1")->text(), "&Dibujar ejes");
}

TEST_F(TamselCommandsTest, BarsTurnTheBlockAtOnceAndResetWithoutOkTurnsItBack) {
  const QColor yellow(230, 230, 0);
  Control<QScrollBar>("ScrollBar2")->setValue(90);  // the long axis lies along y
  EXPECT_EQ(Text("ThetaText"), "90");
  EXPECT_TRUE(SameOrientation(freebody::BlockOrientation, freebody::EulerOrientation(0, 90, 0)));
  EXPECT_TRUE(SameOrientation(freebody::InitialOrientation, freebody::Matrix3x3()));
  QImage drawing = Drawing();
  EXPECT_GT(CountPixels(drawing, QRect(Screen(1.4, 0.1), Screen(1.6, -0.1)), yellow, 60), 20);
  EXPECT_EQ(CountPixels(drawing, QRect(Screen(-0.1, 1.6), Screen(0.1, 1.4)), yellow, 60), 0);

  Control<QScrollBar>("ScrollBar1")->setValue(30);
  EXPECT_EQ(Text("FiText"), "30");
  Control<QScrollBar>("ScrollBar3")->setValue(45);
  EXPECT_EQ(Text("PsiText"), "45");
  EXPECT_TRUE(SameOrientation(freebody::BlockOrientation, freebody::EulerOrientation(30, 90, 45)));

  Item("Reset")->trigger();
  EXPECT_TRUE(SameOrientation(freebody::BlockOrientation, freebody::Matrix3x3()));
  drawing = Drawing();
  EXPECT_GT(CountPixels(drawing, QRect(Screen(-0.1, 1.6), Screen(0.1, 1.4)), yellow, 60), 20);
  EXPECT_EQ(CountPixels(drawing, QRect(Screen(1.4, 0.1), Screen(1.6, -0.1)), yellow, 60), 0);
}

TEST_F(TamselCommandsTest, ReleasingAnyKeyStopsEveryMotionButAutoRepeatDoesNot) {
  QSignalSpy ticks(Control<QObject>("AnimTimer1"), SIGNAL(OnTimer(TAnimTimer*)));
  QTest::keyPress(form.get(), Qt::Key_Left);
  ASSERT_TRUE(WaitForTicks(3));
  QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(form.get(), &repeat);  // the key is still held
  QTest::keyPress(form.get(), Qt::Key_I);
  ASSERT_TRUE(WaitForTicks(3));
  QTest::keyRelease(form.get(), Qt::Key_I);  // the arrow is still down, yet all stops
  const framework::Camera stopped = form->ViewCamera();
  EXPECT_EQ(stopped.ViewYaw, float(ticks.count()));
  EXPECT_GT(stopped.ViewDistance, -10.0f + 0.25f);
  ASSERT_TRUE(WaitForTicks(3));
  EXPECT_EQ(form->ViewCamera().ViewYaw, stopped.ViewYaw);
  EXPECT_EQ(form->ViewCamera().ViewDistance, stopped.ViewDistance);
}

class TamselExitTest : public TamselWindowTest {
 protected:
  void ExitBy(const std::function<void()>& leave) {
    ExpectExitBy(leave, [] { return freebody::pWorld != nullptr; });
  }
};

TEST_F(TamselExitTest, Salir) {
  ExitBy([this] { Item("Salir")->trigger(); });
}

TEST_F(TamselExitTest, CloseButton) {
  ExitBy([this] { form->close(); });
}

TEST_F(TamselExitTest, AnotherWindowOfTheProgramBecomingActive) {
  QWidget other;
  ExitBy([&] {
    other.show();
    other.activateWindow();
  });
}

TEST_F(TamselExitTest, ExitAndThenDeactivation) {
  ExitBy([this] {
    Item("Salir")->trigger();
    form->FormDeactivate();
  });
}

}  // namespace
