// Start-up, layout, readouts and drawing of the Vorlat window.
#include "apps/vorlat/form1.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "apps/vorlat/form1_testing.h"
#include "components/animtimer/animtimer.h"
#include "components/openglpanel/opengl_panel.h"
#include "gyroscope/simulation.h"
#include "gyroscope/state.h"

namespace {

using framework::testing::CountPixels;
using vorlat_testing::Screen;

const QColor Red(255, 0, 0), Green(0, 255, 0), Grey(128, 128, 128), White(255, 255, 255);

// A small square around a point of the drawing.
QRect Around(QPoint centre, int half) {
  return QRect(centre - QPoint(half, half), centre + QPoint(half, half));
}

TEST_F(VorlatWindowTest, WindowIsLaidOutAsStored) {
  EXPECT_EQ(form->windowTitle(), "Vorlat");
  EXPECT_EQ(form->centralWidget()->size(), QSize(560, 397));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  EXPECT_EQ(form->pos(), QPoint(50, 50));
  EXPECT_EQ(form->palette().color(QPalette::Window), QColor(192, 192, 192));
  EXPECT_EQ(form->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
  EXPECT_EQ(Control<QLabel>("Image1")->pixmap().size(), QSize(80, 92));

  auto* panel = Control<TOpenGLPanel>("OpenGLPanel1");
  EXPECT_EQ(panel->geometry(), QRect(-4, 4, 405, 400));
  EXPECT_EQ(panel->PFDFlags(), TOpenGLPanel::f_PFD_DRAW_TO_WINDOW |
                                   TOpenGLPanel::f_PFD_SUPPORT_OPENGL |
                                   TOpenGLPanel::f_PFD_DOUBLEBUFFER);
  EXPECT_EQ(Control<TAnimTimer>("AnimTimer1")->Interval(), 1u);
  for (const char* name : {"Panel1", "Panel3"}) {
    EXPECT_EQ(Control<QWidget>(name)->parentWidget(), panel) << name;
    EXPECT_FALSE(Control<QWidget>(name)->isVisible()) << name;
  }
  EXPECT_FALSE(Control<QWidget>("Panel2")->isVisible());
  EXPECT_EQ(Control<QWidget>("Panel2")->geometry(), QRect(408, 0, 161, 401));

  QStringList captions;
  for (QAction* item : form->menuBar()->actions()) captions << item->text();
  EXPECT_EQ(captions, QStringList({"&Comenzar", "&Reset", "&Opciones", "Condiciones &iniciales",
                                   "&Activar gravedad ", "Acerca &de", "A&yuda", "&Salir"}));
  for (QAction* item : form->menuBar()->actions()) EXPECT_TRUE(item->isEnabled());

  // Tab goes round the conditions panel in its stored order.
  Control<QWidget>("Panel2")->show();
  QWidget* control = Control<QWidget>("ScrollBar1");
  for (const char* next :
       {"ScrollBar2", "ScrollBar3", "BitBtn1", "Edit1", "Edit2", "Edit3", "Edit4"}) {
    do {
      control = control->nextInFocusChain();
    } while (!(control->focusPolicy() & Qt::TabFocus));
    EXPECT_EQ(control->objectName().toStdString(), next);
  }
}

TEST_F(VorlatWindowTest, EveryTextFitsItsBoxInsideTheWindow) {
  Control<QWidget>("Panel2")->show();
  ASSERT_TRUE(WaitForTicks(2));
  ExpectLabelsFit();
}

TEST_F(VorlatWindowTest, StartUpReadoutsShowTheDefaultTop) {
  EXPECT_EQ(Text("LabelMasa"), "2.0");
  EXPECT_EQ(Text("LabelLargo"), "0.30");
  EXPECT_EQ(Text("LabelRadio"), "0.125");
  EXPECT_EQ(Text("LabelEspesor"), "0.015");
  EXPECT_EQ(Text("LabelDensidad"), "2.7");
  EXPECT_EQ(Text("Labelgravedad"), "0.0");
  EXPECT_EQ(Text("LabelfzPrima"), "10.0");
  EXPECT_EQ(Text("Labelfy"), "10.0");  // the axle lies along +y
  EXPECT_EQ(Text("LabelEc"), "30.7");
  EXPECT_EQ(Text("LabelEp"), "0.0");
  EXPECT_EQ(Text("Labelfp"), "0.00");
}

TEST_F(VorlatWindowTest, GravityShowsItsSettingAndTheTheoreticalPrecession) {
  Item("About")->trigger();
  ASSERT_TRUE(WaitForTicks(1));
  EXPECT_EQ(Text("Labelgravedad"), "2.5");
  EXPECT_EQ(Text("Labelfp"), "1.53");

  Item("About")->trigger();
  ASSERT_TRUE(WaitForTicks(1));
  EXPECT_EQ(Text("Labelgravedad"), "0.0");
  EXPECT_EQ(Text("Labelfp"), "0.00");
}

TEST_F(VorlatWindowTest, ReadoutsUseTheLocalesDecimalSeparator) {
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
  ASSERT_TRUE(WaitForTicks(1));
  EXPECT_EQ(Text("LabelMasa"), "2,0");
  EXPECT_EQ(Text("LabelRadio"), "0,125");
}

TEST_F(VorlatWindowTest, DrawsTheDiscAroundTheAxleAlongPlusY) {
  const QImage drawing = Drawing();
  const QPoint disc = Screen(gyroscope::ArmLength + gyroscope::DiscThickness, 0.0);
  EXPECT_GT(CountPixels(drawing, Around(disc, 10), Red, 80), 20);
  // Nothing red on the other side of the pivot.
  EXPECT_EQ(CountPixels(drawing, Around(Screen(-0.3, 0.0), 40), Red, 80), 0);
}

TEST_F(VorlatWindowTest, HiddenAxesTakeTheCrossAway) {
  // The cross's arm along the body's y axis stands above the disc's rim.
  const QPoint above_rim = Screen(gyroscope::ArmLength + gyroscope::DiscThickness, 0.165);
  EXPECT_GT(CountPixels(Drawing(), Around(above_rim, 5), White, 40), 3);

  Item("Opcion1")->trigger();
  EXPECT_EQ(CountPixels(Drawing(), Around(above_rim, 5), White, 40), 0);
}

TEST_F(VorlatWindowTest, HeldArrowTurnsTheViewEveryTickUntilReallyReleased) {
  QSignalSpy ticks(Control<TAnimTimer>("AnimTimer1"), SIGNAL(OnTimer(TAnimTimer*)));
  QTest::keyPress(form.get(), Qt::Key_Up);
  ASSERT_TRUE(WaitForTicks(5));
  QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(form.get(), &repeat);  // auto-repeat, the key is still held
  ASSERT_TRUE(WaitForTicks(5));
  QTest::keyClick(form.get(), Qt::Key_Shift);  // any real release stops the turn
  const int ticks_held = ticks.count();
  EXPECT_FLOAT_EQ(form->ViewCamera().ViewPitch, float(ticks_held));
  ASSERT_TRUE(WaitForTicks(3));
  EXPECT_FLOAT_EQ(form->ViewCamera().ViewPitch, float(ticks_held));

  // Seen from above the grey floor shows.
  EXPECT_GT(CountPixels(Drawing(), QRect(0, 0, 400, 400), Grey, 6), 1000);
}

TEST_F(VorlatWindowTest, ARunWithGravityTracesTheAxlesEndAndResetWipesIt) {
  const QRect everywhere(0, 0, 400, 400);
  const int at_start = CountPixels(Drawing(), everywhere, Green, 40);
  EXPECT_LE(at_start, 4);  // all 2000 points sit at one place

  // A clock that moves 10 ms a frame gives the same run however fast frames come.
  gyroscope::SetClock([ms = std::uint32_t(0)]() mutable { return ms += 10; });
  struct RealClockAfterwards {
    ~RealClockAfterwards() { gyroscope::SetClock(math3d::SystemMilliseconds); }
  } real_clock_afterwards;

  Item("About")->trigger();
  Item("Comenzar")->trigger();
  // One point per frame while the axle's end swings down and round, in well under
  // the 4.6 s of a precession turn that would wipe the trace.
  ASSERT_TRUE(WaitForTicks(150));
  EXPECT_GT(CountPixels(Drawing(), everywhere, Green, 40), 40);

  Item("Reset")->trigger();
  EXPECT_LE(CountPixels(Drawing(), everywhere, Green, 40), 4);
}

}  // namespace
