// What the Tamsel window adds to the shell and the block: menus, examples, panels, layout.
#include "apps/tamsel/form1.h"

#include <QScrollBar>

#include "freebody/simulation.h"
#include "shell/form_testing.h"

namespace {

struct TamselWindowTest : shell::testing::FormFixture<tamsel::TForm1> {
  std::string State() {
    return Menus({"Comenzar", "Reset", "Rotacion", "Condicion", "Opcion"}) +
           (freebody::Program().state.Running ? " run" : "");
  }
};

TEST_F(TamselWindowTest, MenusPanelsAndExamplesFollowTheirCommands) {
  EXPECT_EQ(State(), "&Comenzar CRRCO");
  // A pause leaves the examples and the conditions out of reach; only Reset brings them back.
  const std::pair<const char*, const char*> steps[] = {
      {"Comenzar", "&Pausa CR--O run"}, {"Comenzar", "&Comenzar CR--O"},
      {"Comenzar", "&Pausa CR--O run"}, {"Reset", "&Comenzar C-RCO"},
      {"Condicion", "&Comenzar ---C-"}, {"BitBtn1", "&Comenzar CRRCO"}};
  for (const auto& [command, state] : steps) {
    command[0] == 'B' ? Click(command) : Item(command)->trigger();
    EXPECT_EQ(State(), state) << "after " << command;
  }
  for (const char* view : {"Vista2", "Vista2", "Vista1"}) {
    Item(view)->trigger();  // choosing one again keeps it chosen
    EXPECT_EQ(std::pair(Item("Vista1")->isChecked(), Item("Vista2")->isChecked()),
              std::pair(view[5] == '1', view[5] == '2'));
  }
  for (const char* caption : {"Borrar ejes", "&Dibujar ejes"}) {
    Item("Opcion1")->trigger();
    EXPECT_EQ(Item("Opcion1")->text(), caption);
  }
  // About opens while the block turns; all texts fit, the conditions covering the help.
  const QPoint help = Control<QWidget>("Label3")->geometry().center();
  Item("Comenzar")->trigger();
  Item("About")->trigger();
  EXPECT_EQ(State(), "&Pausa CR--O run");
  EXPECT_FALSE(Control<QLabel>("Image1")->pixmap().isNull());
  EXPECT_FALSE(Control<QPushButton>("BitBtn2")->icon().isNull());
  Control<QWidget>("Panel2")->show();  // which covers the help text
  shell::testing::ExpectLabelsFit(*form);
  EXPECT_TRUE(Control<QWidget>("Panel2")->isAncestorOf(form->centralWidget()->childAt(help)));
  Item("Reset")->trigger();  // the conditions open only before a run
  ExpectKeysBackAfterPanels({{'A', "BitBtn2"}, {'I', "BitBtn1"}});
  // The examples show their angles on the bars and their labels.
  const auto bars_and_labels = {"ScrollBar1", "ScrollBar2", "ScrollBar3",
                                "FiText",     "ThetaText",  "PsiText"};
  for (const auto& [example, angles] :
       {std::pair{"Rotacion2", "0 265 0"}, {"Rotacion3", "0 85 90"}, {"Rotacion1", "0 175 0"}}) {
    Item(example)->trigger();
    EXPECT_EQ(Texts(bars_and_labels).join(' '), QString("%1 %1").arg(angles));
    for (const char* item : {"Rotacion1", "Rotacion2", "Rotacion3"})
      EXPECT_EQ(Item(item)->isChecked(), item == std::string(example)) << item;
  }
  Control<QScrollBar>("ScrollBar2")->setValue(90);
  EXPECT_EQ(Text("ThetaText"), "90");
}

// In a locale with a decimal comma, as the boxes show it.
TEST_F(TamselWindowTest, MomentumRoundTripsAndABadNumberKeepsThePanelOpen) {
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
  const auto boxes = {"Edit1", "Edit2", "Edit3"};
  Item("Condicion")->trigger();
  EXPECT_EQ(Texts(boxes), QStringList({"0", "0", "0,200000002980232"}));
  EXPECT_EQ(Control<QLineEdit>("Edit3")->cursorPosition(), 0);  // the leading digits in view
  Type("Edit1", "0,25");
  Type("Edit2", "abc");
  Click("BitBtn1");
  EXPECT_EQ(messages.size(), 1);
  EXPECT_EQ(Texts(boxes), QStringList({"0,25", "abc", "0,200000002980232"}));
  Item("Condicion")->trigger();  // opened again: unconfirmed edits go, nothing was stored
  EXPECT_EQ(Texts(boxes), QStringList({"0", "0", "0,200000002980232"}));
  Type("Edit1", "0,25");
  Type("Edit2", "-1e-3");
  Click("BitBtn1");
  EXPECT_FALSE(Shown("Panel2"));
  Item("Condicion")->trigger();
  EXPECT_EQ(Texts(boxes), QStringList({"0,25", "-0,00100000004749745", "0,200000002980232"}));
}

TEST_F(TamselWindowTest, OpcionesToolsThenAStormOfUserInput) {
  shell::testing::ExpectTimeTools(
      *form, freebody::Program().history, [] { return freebody::Program().Slowdown(); },
      [] { return freebody::Program().CurrentIntegrator(); });
  Item("Rotacion2")->trigger();  // an example keeps the exact integration, unchecked it goes
  EXPECT_TRUE(Item("Exacta")->isChecked());
  EXPECT_EQ(freebody::Program().CurrentIntegrator(), math3d::Integrator::Exact);
  Item("Exacta")->trigger();
  EXPECT_EQ(freebody::Program().CurrentIntegrator(), math3d::Integrator::Scheme);
  shell::testing::ExpectRunTools(*form, freebody::Program().history, "tamsel");
  for (const char* panel : {"Panel1", "Panel2"}) Control<QWidget>(panel)->show();
  shell::testing::ExpectBothLanguages(*form);
  shell::testing::ExpectToOutliveAStorm(*form, 4,
                                        [] { return freebody::Program().World() != nullptr; });
}

}  // namespace
