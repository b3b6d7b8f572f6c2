// What the Vorlat window adds to the shell and the top: menus, readouts, panels, layout.
#include "apps/vorlat/form1.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScrollBar>
#include <QStandardPaths>
#include <QWindow>

#include <numbers>

#include "components/openglpanel/opengl_panel.h"
#include "framework/conversions.h"
#include "gyroscope/simulation.h"
#include "shell/form_testing.h"

namespace {

struct VorlatWindowTest : shell::testing::FormFixture<TForm1> {
  std::string State() {
    return Menus({"Comenzar", "Reset", "Opcion", "Condicion"}) +
           (gyroscope::Program().state.Running ? " run" : "");
  }
};

TEST_F(VorlatWindowTest, MenusFollowTheirCommandsAndAccessKeysAndThePanelsOpenOverTheRun) {
  EXPECT_EQ(State(), "&Comenzar CROC");
  for (const auto& [key, state] : {std::pair{'C', "&Pausa CRO- run"},
                                   {'P', "&Seguir CRO-"},
                                   {'R', "&Comenzar C-OC"},
                                   {'C', "&Pausa CRO- run"}}) {
    QTest::keyClick(form->windowHandle(), key, Qt::AltModifier);
    EXPECT_EQ(State(), state) << "after Alt+" << key;
  }
  const std::pair<const char*, const char*> captions[] = {
      {"Opcion1", "&Mostrar ejes"},       {"Opcion1", "&Ocultar ejes"},
      {"Opcion2", "&Marcar trayectoria"}, {"Opcion2", "&Ocultar trayectoria"},
      {"About", "&Desactivar gravedad"},  {"About", "&Activar gravedad"}};
  for (const auto& [item, caption] : captions) {
    Item(item)->trigger();
    EXPECT_EQ(Item(item)->text(), caption);
  }
  // Help and about open while the top runs on; all texts fit, with the conditions open too.
  for (const auto& [item, panel, ok] :
       {std::tuple{"Ayuda", "Panel3", "BitBtn3"}, {"Acerca", "Panel1", "BitBtn2"}}) {
    Item(item)->trigger();
    EXPECT_TRUE(Shown(panel));
    EXPECT_EQ(State(), "&Pausa CRO- run");
    EXPECT_FALSE(Control<QPushButton>(ok)->icon().isNull());
  }
  const QScrollBar* help_bar = Control<QPlainTextEdit>("Memo1")->verticalScrollBar();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !help_bar->isVisible(); }));  // the whole help
  Control<QWidget>("Panel2")->show();
  shell::testing::ExpectLabelsFit(*form);
  EXPECT_FALSE(Control<QLabel>("Image1")->pixmap().isNull());
  Item("Reset")->trigger();  // the conditions open only before a run
  ExpectKeysBackAfterPanels({{'Y', "BitBtn3"}, {'D', "BitBtn2"}, {'I', "BitBtn1"}});
}

// In a locale with a decimal comma, as the boxes and the readouts show it. All or nothing: the
// first box without a number takes the focus with its text selected.
TEST_F(VorlatWindowTest, ReadoutsFollowTheConditionsAndGravityAndABadNumberStoresNothing) {
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
  Item("Condicion")->trigger();
  EXPECT_EQ(State(), "&Comenzar ---C");
  const auto boxes = {"Edit1", "Edit2", "Edit3", "Edit4"};
  EXPECT_EQ(Texts(boxes), QStringList({"0,0", "0,0", "10,0", "2,5"}));
  Type("Edit1", "1,234");
  Type("Edit3", "x");
  Type("Edit4", "abc");
  Click("BitBtn1");
  EXPECT_EQ(messages, QStringList{framework::ConversionError("x").what()});
  EXPECT_TRUE(Shown("Panel2"));
  EXPECT_EQ(Texts(boxes), QStringList({"1,234", "0,0", "x", "abc"}));
  EXPECT_EQ(QApplication::focusWidget(), Control<QLineEdit>("Edit3"));
  EXPECT_EQ(Control<QLineEdit>("Edit3")->selectedText(), "x");
  ASSERT_TRUE(WaitForTicks(1));
  EXPECT_EQ(Text("LabelfxPrima"), "0,0");  // nothing stored

  Type("Edit3", "10,0");
  Type("Edit4", "9,8");
  Control<QScrollBar>("ScrollBar2")->setValue(0);  // the axle upright
  Click("BitBtn1");
  EXPECT_EQ(State(), "&Comenzar CROC");
  auto* panel = Control<TOpenGLPanel>("OpenGLPanel1");  // a new surface keeps the conditions
  panel->DrawingSurface()->destroy();
  panel->hide();
  panel->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(panel->DrawingSurface()));
  Item("About")->trigger();  // gravity on, at its new setting
  ASSERT_TRUE(WaitForTicks(1));
  // The precession rates in hertz, as captioned: m g d / (I3 w3) for the theoretical one.
  const double turn = 2 * std::numbers::pi;
  const double precession =
      gyroscope::Mass * 9.8 * gyroscope::ArmLength / (gyroscope::InertiaZ * 10 * turn) / turn;
  EXPECT_EQ(Texts({"LabelfxPrima", "Labelfz", "LabelRadio", "Labelgravedad", "Labelfp"}),
            QStringList({"1,2", "10,0", "0,125", "9,8", QLocale().toString(precession, 'f', 2)}));
  Item("Reset")->trigger();  // before the first start, it switches gravity off too
  EXPECT_EQ(Item("About")->text(), "&Activar gravedad");
  ASSERT_TRUE(WaitForTicks(1));
  EXPECT_EQ(Texts({"Labelgravedad", "Labelfp"}), QStringList({"0,0", "0,00"}));
  Item("Condicion")->trigger();  // shows what the readouts show
  EXPECT_EQ(Texts(boxes), QStringList({"1,2", "0,0", "10,0", "9,8"}));
  Control<QScrollBar>("ScrollBar2")->setValue(30);  // tilted, the top precesses as it falls
  Click("BitBtn1");
  Item("About")->trigger();
  Item("Comenzar")->trigger();
  const float& measured = gyroscope::Program().state.MeasuredPrecession;  // rad/s
  ASSERT_TRUE(QTest::qWaitFor([&] { return WaitForTicks(1) && measured > 1; }));
  EXPECT_EQ(Text("Labelfpreal"), QLocale().toString(measured / turn, 'f', 2));
}

// The drawing is part of the window: a real drag on it starts nothing and leaves the
// keys with the window, and no window inside it counts as another window of the program.
TEST_F(VorlatWindowTest, TheDrawingNeverTakesTheKeysNorEndsTheProgram) {
  if (QStandardPaths::findExecutable("xdotool").isEmpty())
    GTEST_SKIP() << "xdotool makes the real drag";
  QSignalSpy deactivated(form.get(), &shell::MainForm::Deactivated);
  const QPoint at = Control<QWidget>("OpenGLPanel1")->mapToGlobal(QPoint(100, 100));
  QProcess::execute("xdotool", {"mousemove", "--sync", QString::number(at.x()),
                                QString::number(at.y()), "mousedown", "1", "mousemove_relative",
                                "40", "20", "mouseup", "1", "keydown", "Left"});
  EXPECT_TRUE(QTest::qWaitFor([&] { return form->ViewCamera().ViewYawRate != 0.0f; }));
  QProcess::execute("xdotool", {"keyup", "Left"});
  EXPECT_EQ(State(), "&Comenzar CROC");
  EXPECT_EQ(QGuiApplication::focusWindow(), form->windowHandle());
  QWindow inner(form->windowHandle());
  inner.show(), inner.requestActivate();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == &inner; }));
  EXPECT_EQ(deactivated.count(), 0);
}

TEST_F(VorlatWindowTest, OpcionesToolsThenAStormOfUserInput) {
  shell::testing::ExpectTimeTools(
      *form, gyroscope::Program().history, [] { return gyroscope::Program().Slowdown(); },
      [] { return gyroscope::Program().CurrentIntegrator(); });
  shell::testing::ExpectRunTools(*form, gyroscope::Program().history, "vorlat");
  // Paused after a start, with the graphs' legends built and every panel open.
  for (const char* item : {"Comenzar", "Comenzar"}) Item(item)->trigger();
  for (const char* panel : {"Panel1", "Panel2", "Panel3"}) Control<QWidget>(panel)->show();
  ASSERT_TRUE(WaitForTicks(1));  // the readouts stand still from now on
  shell::testing::ExpectBothLanguages(*form);
  shell::testing::ExpectToOutliveAStorm(*form, 1,
                                        [] { return gyroscope::Program().World() != nullptr; });
}

}  // namespace
