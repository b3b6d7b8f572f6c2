// What the Tamsel window adds to the shell and the block's simulation: menu states,
// examples, panels and layout; and that it outlives a storm of input.
#include "apps/tamsel/form1.h"

#include <QScrollBar>

#include "freebody/commands.h"
#include "freebody/world.h"
#include "shell/form_testing.h"

namespace {

struct TamselWindowTest : shell::testing::FormFixture<tamsel::TForm1> {
  std::string State() {
    return Menus({"Comenzar", "Reset", "Rotacion", "Condicion", "Opcion"}) +
           (freebody::Running ? " run" : "");
  }
};

TEST_F(TamselWindowTest, MenusFollowStartPauseResetTheConditionsPanelAndTheOptions) {
  EXPECT_EQ(State(), "&Comenzar CRRCO");
  for (const auto& [command, state] :
       {std::pair{"Comenzar", "&Pausa CR--O run"},
        {"Comenzar", "&Comenzar CR--O"},  // a pause leaves the examples and the panel out of reach
        {"Comenzar", "&Pausa CR--O run"},
        {"Reset", "&Comenzar C-RCO"},
        {"Condicion", "&Comenzar ---C-"},
        {"BitBtn1", "&Comenzar CRRCO"}}) {
    command[0] == 'B' ? Click(command) : Item(command)->trigger();
    EXPECT_EQ(State(), state) << "after " << command;
  }
  for (const char* view : {"Vista2", "Vista2", "Vista1"}) {
    Item(view)->trigger();  // choosing one again keeps it chosen
    EXPECT_EQ(Item("Vista2")->isChecked(), view[5] == '2');
    EXPECT_NE(Item("Vista1")->isChecked(), Item("Vista2")->isChecked());
  }
  for (const char* caption : {"Borrar ejes", "&Dibujar ejes"}) {
    Item("Opcion1")->trigger();
    EXPECT_EQ(Item("Opcion1")->text(), caption);
  }
}

TEST_F(TamselWindowTest, ExamplesShowTheirAnglesOnTheBarsAndTheirLabels) {
  for (const auto& [example, angles] : {std::pair{"Rotacion2", QStringList{"0", "265", "0"}},
                                        {"Rotacion3", {"0", "85", "90"}},
                                        {"Rotacion1", {"0", "175", "0"}}}) {
    Item(example)->trigger();
    EXPECT_EQ(Texts({"ScrollBar1", "ScrollBar2", "ScrollBar3", "FiText", "ThetaText", "PsiText"}),
              angles + angles)
        << example;
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

TEST_F(TamselWindowTest, AboutOpensWhileTheBlockTurnsAndEveryTextFits) {
  QWidget* help = Control<QWidget>("Label3");
  const QPoint middle = help->geometry().center();
  EXPECT_EQ(form->centralWidget()->childAt(middle), help);
  Item("Comenzar")->trigger();
  Item("About")->trigger();
  EXPECT_EQ(State(), "&Pausa CR--O run");
  EXPECT_NE(Text("Label1"), "Label1");  // our own text replaced the layout's
  EXPECT_FALSE(Control<QLabel>("Image1")->pixmap().isNull());
  EXPECT_FALSE(Control<QPushButton>("BitBtn2")->icon().isNull());
  Control<QWidget>("Panel2")->show();  // which covers the help text
  shell::testing::ExpectLabelsFit(*form);
  EXPECT_TRUE(Control<QWidget>("Panel2")->isAncestorOf(form->centralWidget()->childAt(middle)));
  EXPECT_TRUE(Shown("Panel1"));
  Click("BitBtn2");
  EXPECT_FALSE(Shown("Panel1"));
}

TEST_F(TamselWindowTest, OutlivesAStormOfUserInput) {
  shell::testing::ExpectToOutliveAStorm(*form, 4, [] { return freebody::pWorld != nullptr; });
}

}  // namespace
