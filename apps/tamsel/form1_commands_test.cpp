// Menu commands, examples, views, keys, the Euler-angle scroll bars and the way out.
#include "apps/tamsel/form1.h"

#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>

#include "apps/tamsel/form1_testing.h"
#include "freebody/commands.h"

namespace {

using shell::testing::CountPixels;
using tamsel_testing::SameOrientation;
using tamsel_testing::Screen;
using tamsel_testing::Yellow;

class TamselCommandsTest : public TamselWindowTest {
 protected:
  // The start item's caption, then a letter for each of Comenzar, Reset, Rotacion,
  // Condicion and Opcion that is on, and whether the block runs.
  std::string State() {
    const std::pair<char, bool> items[] = {
        {'C', Item("Comenzar")->isEnabled()},
        {'R', Item("Reset")->isEnabled()},
        {'E', Control<QMenu>("Rotacion")->menuAction()->isEnabled()},
        {'I', Item("Condicion")->isEnabled()},
        {'O', Control<QMenu>("Opcion")->menuAction()->isEnabled()}};
    std::string state = Item("Comenzar")->text().toStdString() + ' ';
    for (const auto& [letter, on] : items) state += on ? letter : '-';
    return state + (freebody::Program().state.Running ? " run" : "");
  }
  // Yellow pixels where the block's long axis lies when upright, and along y.
  std::pair<int, int> UprightAndAlongY() {
    const QImage drawing = Drawing();
    return {CountPixels(drawing, QRect(Screen(-0.1, 1.6), Screen(0.1, 1.4)), Yellow, 60),
            CountPixels(drawing, QRect(Screen(1.4, 0.1), Screen(1.6, -0.1)), Yellow, 60)};
  }
};

TEST_F(TamselCommandsTest, MenusFollowStartPauseResetAndTheConditionsPanel) {
  const std::pair<const char*, const char*> steps[] = {
      {"Comenzar", "&Pausa CR--O run"},
      {"Comenzar", "&Comenzar CR--O"},  // a pause leaves the examples and the panel out of reach
      {"Comenzar", "&Pausa CR--O run"},
      {"Reset", "&Comenzar C-EIO"},
      {"Condicion", "&Comenzar ---I-"},
      {"BitBtn1", "&Comenzar CREIO"},
      {"About", "&Comenzar CREIO"}};
  EXPECT_EQ(State(), "&Comenzar CREIO");
  for (const auto& [command, state] : steps) {
    if (command == std::string("BitBtn1"))
      ClickOk(command);
    else
      Item(command)->trigger();
    EXPECT_EQ(State(), state) << "after " << command;
  }
}

TEST_F(TamselCommandsTest, ExamplesSetTheBarsTheLabelsAndTheStartingState) {
  struct Case {
    const char* item;
    int phi, theta, psi;
  };
  for (const Case& example :
       {Case{"Rotacion2", 0, 265, 0}, Case{"Rotacion3", 0, 85, 90}, Case{"Rotacion1", 0, 175, 0}}) {
    SCOPED_TRACE(example.item);
    Item(example.item)->trigger();
    QStringList shown, angles;  // each bar's value and text
    for (const char* name : {"ScrollBar1", "ScrollBar2", "ScrollBar3"})
      shown << QString::number(Control<QScrollBar>(name)->value());
    for (const char* name : {"FiText", "ThetaText", "PsiText"}) shown << Text(name);
    for (int angle :
         {example.phi, example.theta, example.psi, example.phi, example.theta, example.psi})
      angles << QString::number(angle);
    EXPECT_EQ(shown, angles);
    for (const char* item : {"Rotacion1", "Rotacion2", "Rotacion3"})
      EXPECT_EQ(Item(item)->isChecked(), item == std::string(example.item)) << item;
    const freebody::Matrix3x3 expected =
        math3d::EulerOrientation(float(example.phi), float(example.theta), float(example.psi));
    EXPECT_TRUE(SameOrientation(freebody::Program().state.InitialOrientation, expected));
    EXPECT_TRUE(SameOrientation(freebody::Program().state.BlockOrientation, expected));
    EXPECT_TRUE(SameOrientation(freebody::Program().state.ChosenOrientation, expected));
    EXPECT_FALSE(freebody::Program().state.Running);
  }
  // Example 1 keeps the momentum that example 2 or 3 set.
  EXPECT_EQ(freebody::Program().state.InitialMomentum.GetZ(), 0.5f);
  EXPECT_EQ(freebody::Program().state.InitialMomentum.GetX(), 0.0f);
}

TEST_F(TamselCommandsTest, ExampleOneAloneKeepsTheStartMomentum) {
  Item("Rotacion1")->trigger();
  EXPECT_EQ(freebody::Program().state.InitialMomentum.GetZ(), 0.2f);
  EXPECT_GT(UprightAndAlongY().first, 20);  // upside down, 5 degrees off: still tall
}

TEST_F(TamselCommandsTest, ViewsSwitchAtAnyTime) {
  Item("Comenzar")->trigger();
  for (const char* view : {"Vista2", "Vista2", "Vista1"}) {
    Item(view)->trigger();  // choosing one again keeps it chosen
    EXPECT_EQ(freebody::Program().state.RotatingView, view == std::string("Vista2"));
    EXPECT_EQ(Item("Vista2")->isChecked(), freebody::Program().state.RotatingView);
    EXPECT_NE(Item("Vista1")->isChecked(), freebody::Program().state.RotatingView);
  }
  EXPECT_TRUE(freebody::Program().state.Running);
}

TEST_F(TamselCommandsTest, BarsTurnTheBlockAtOnceAndResetWithoutOkTurnsItBack) {
  Control<QScrollBar>("ScrollBar2")->setValue(90);  // the long axis lies along y
  EXPECT_EQ(Text("ThetaText"), "90");
  EXPECT_TRUE(SameOrientation(freebody::Program().state.InitialOrientation, freebody::Matrix3x3()));
  auto [upright, along_y] = UprightAndAlongY();
  EXPECT_EQ(upright, 0);
  EXPECT_GT(along_y, 20);

  Control<QScrollBar>("ScrollBar1")->setValue(30);
  Control<QScrollBar>("ScrollBar3")->setValue(45);
  EXPECT_EQ(Text("PsiText"), "45");
  EXPECT_TRUE(SameOrientation(freebody::Program().state.BlockOrientation,
                              math3d::EulerOrientation(30, 90, 45)));

  Item("Reset")->trigger();
  EXPECT_TRUE(SameOrientation(freebody::Program().state.BlockOrientation, freebody::Matrix3x3()));
  std::tie(upright, along_y) = UprightAndAlongY();
  EXPECT_GT(upright, 20);
  EXPECT_EQ(along_y, 0);
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
  const shell::Camera stopped = form->ViewCamera();
  EXPECT_EQ(stopped.ViewYaw, float(ticks.count()));
  EXPECT_GT(stopped.ViewDistance, -10.0f + 0.25f);
  ASSERT_TRUE(WaitForTicks(3));
  EXPECT_EQ(form->ViewCamera().ViewYaw, stopped.ViewYaw);
  EXPECT_EQ(form->ViewCamera().ViewDistance, stopped.ViewDistance);
}

// The other ways out are tested on Vorlat's window; they are the shared window's.
TEST_F(TamselWindowTest, SalirReleasesTheSceneOnceWhileTicksStillCome) {
  ExpectExitBy([this] { Item("Salir")->trigger(); },
               [] { return freebody::Program().World() != nullptr; });
}

}  // namespace
