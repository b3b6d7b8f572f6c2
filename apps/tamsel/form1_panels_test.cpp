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

  bool RunCommandsEnabled() {
    return Item("Comenzar")->isEnabled() && Item("Reset")->isEnabled() &&
           Control<QMenu>("Rotacion")->menuAction()->isEnabled() &&
           Control<QMenu>("Opcion")->menuAction()->isEnabled();
  }
};

TEST_F(TamselPanelsTest, MomentumRoundTripInTheGeneralNumberFormat) {
  Item("Condicion")->trigger();
  EXPECT_TRUE(PanelShown("Panel2"));
  EXPECT_FALSE(RunCommandsEnabled());
  EXPECT_EQ(Boxes(), QStringList({"0", "0", "0.200000002980232"}));

  Type("Edit1", "0.25");
  Type("Edit2", "-1e-3");
  Type("Edit3", "0.5");
  ClickOk("BitBtn1");
  EXPECT_FALSE(PanelShown("Panel2"));
  EXPECT_TRUE(RunCommandsEnabled());
  EXPECT_EQ(freebody::InitialMomentum.GetX(), 0.25f);
  EXPECT_EQ(freebody::InitialMomentum.GetY(), -1e-3f);
  EXPECT_EQ(freebody::InitialMomentum.GetZ(), 0.5f);
  EXPECT_FALSE(freebody::Running);  // takes effect at the next start

  Item("Condicion")->trigger();
  EXPECT_EQ(Boxes(), QStringList({"0.25", "-0.00100000004749745", "0.5"}));
}

TEST_F(TamselPanelsTest, OpeningThePanelAgainDiscardsUnconfirmedEdits) {
  Item("Rotacion2")->trigger();
  Item("Condicion")->trigger();
  Type("Edit1", "7");
  Type("Edit3", "9");
  Item("Condicion")->trigger();
  EXPECT_EQ(Boxes(), QStringList({"0", "0", "0.5"}));
  EXPECT_EQ(freebody::InitialMomentum.GetZ(), 0.5f);
}

TEST_F(TamselPanelsTest, ABadNumberStoresNothingAndKeepsThePanelOpen) {
  Item("Condicion")->trigger();
  Type("Edit1", "3");
  Type("Edit2", "abc");
  ClickOk("BitBtn1");

  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages.front().contains("abc")) << messages.front().toStdString();
  EXPECT_TRUE(PanelShown("Panel2"));
  EXPECT_FALSE(RunCommandsEnabled());
  EXPECT_EQ(Boxes(), QStringList({"3", "abc", "0.200000002980232"}));
  EXPECT_EQ(freebody::InitialMomentum.GetX(), 0.0f);
  EXPECT_EQ(freebody::InitialMomentum.GetZ(), 0.2f);

  Type("Edit2", "");  // an empty box is not a number either
  ClickOk("BitBtn1");
  EXPECT_EQ(messages.size(), 2);
  EXPECT_TRUE(PanelShown("Panel2"));
  EXPECT_EQ(freebody::InitialMomentum.GetX(), 0.0f);

  Type("Edit2", "4");
  ClickOk("BitBtn1");
  EXPECT_FALSE(PanelShown("Panel2"));
  EXPECT_EQ(freebody::InitialMomentum.GetX(), 3.0f);
  EXPECT_EQ(freebody::InitialMomentum.GetY(), 4.0f);
}

TEST_F(TamselPanelsTest, NumbersUseTheLocalesDecimalSeparator) {
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
  Item("Condicion")->trigger();
  EXPECT_EQ(Boxes().last(), "0,200000002980232");
  Type("Edit3", "0,75");
  ClickOk("BitBtn1");
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(freebody::InitialMomentum.GetZ(), 0.75f);
}

TEST_F(TamselPanelsTest, OkMakesTheBarsOrientationTheInitialOne) {
  Item("Condicion")->trigger();
  Control<QScrollBar>("ScrollBar2")->setValue(40);
  EXPECT_TRUE(SameOrientation(freebody::InitialOrientation, freebody::Matrix3x3()));
  ClickOk("BitBtn1");
  const freebody::Matrix3x3 tilted = freebody::EulerOrientation(0, 40, 0);
  EXPECT_TRUE(SameOrientation(freebody::InitialOrientation, tilted));
  Item("Reset")->trigger();
  EXPECT_TRUE(SameOrientation(freebody::BlockOrientation, tilted));
}

TEST_F(TamselPanelsTest, AboutShowsOurTextsAndPictureWhileTheBlockTurns) {
  Item("Comenzar")->trigger();
  Item("About")->trigger();
  EXPECT_TRUE(PanelShown("Panel1"));
  EXPECT_TRUE(freebody::Running);
  EXPECT_TRUE(Item("Comenzar")->isEnabled());
  for (const char* name : {"Label1", "Label2"}) {
    QLabel* text = Control<QLabel>(name);
    EXPECT_NE(text->text(), name);
    // Wrapped, the text still fits its fixed box.
    const QRect needed = text->fontMetrics().boundingRect(
        text->contentsRect(), Qt::TextWordWrap | Qt::AlignHCenter, text->text());
    EXPECT_LE(needed.height(), text->height()) << name;
  }
  EXPECT_FALSE(Control<QLabel>("Image1")->pixmap().isNull());
  ClickOk("BitBtn2");
  EXPECT_FALSE(PanelShown("Panel1"));
}

}  // namespace
