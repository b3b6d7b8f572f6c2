// The initial-conditions, help and about panels.
#include "apps/vorlat/form1.h"

#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include "apps/vorlat/form1_testing.h"
#include "gyroscope/state.h"

namespace {

class VorlatPanelsTest : public VorlatWindowTest {
 protected:
  QString Box(const char* name) { return Control<QLineEdit>(name)->text(); }

  bool RunCommandsEnabled() {
    return Item("Comenzar")->isEnabled() && Item("Reset")->isEnabled() &&
           Control<QMenu>("Opcion")->menuAction()->isEnabled();
  }
};

TEST_F(VorlatPanelsTest, ConditionsRoundTrip) {
  Item("Condicion")->trigger();
  EXPECT_TRUE(PanelShown("Panel2"));
  EXPECT_FALSE(Item("Comenzar")->isEnabled());
  EXPECT_FALSE(Item("Reset")->isEnabled());
  EXPECT_FALSE(Control<QMenu>("Opcion")->menuAction()->isEnabled());
  EXPECT_TRUE(Item("Condicion")->isEnabled());
  EXPECT_EQ(QStringList({Box("Edit1"), Box("Edit2"), Box("Edit3"), Box("Edit4")}),
            QStringList({"0.0", "0.0", "10.0", "2.5"}));

  Type("Edit1", "1.234");
  Type("Edit4", "9.8");
  ClickOk("BitBtn1");
  EXPECT_FALSE(PanelShown("Panel2"));
  EXPECT_TRUE(RunCommandsEnabled());
  EXPECT_FLOAT_EQ(gyroscope::InitialBodyOmega.GetX(), 1.234f * math3d::TwoPi);
  EXPECT_FLOAT_EQ(gyroscope::GravitySetting, 9.8f);
  EXPECT_EQ(gyroscope::Gravity, 0.0f);  // takes effect when gravity is next switched on
  ASSERT_TRUE(WaitForTicks(1));
  EXPECT_EQ(Text("LabelfxPrima"), "1.2");

  // Opened again the panel shows what the readouts show; OK then stores that.
  Item("Condicion")->trigger();
  EXPECT_EQ(Box("Edit1"), "1.2");
  ClickOk("BitBtn1");
  EXPECT_FLOAT_EQ(gyroscope::InitialBodyOmega.GetX(), 1.2f * math3d::TwoPi);
}

TEST_F(VorlatPanelsTest, ABadNumberStoresNothingAndKeepsThePanelOpen) {
  Item("Condicion")->trigger();
  const math3d::Vector3 spin = gyroscope::InitialBodyOmega;
  const math3d::Vector3 momentum = gyroscope::InitialMomentum;
  Type("Edit1", "3");
  Type("Edit4", "abc");
  ClickOk("BitBtn1");

  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages.front().contains("abc")) << messages.front().toStdString();
  EXPECT_TRUE(PanelShown("Panel2"));
  EXPECT_FALSE(RunCommandsEnabled());
  EXPECT_EQ(Box("Edit1"), "3");
  EXPECT_EQ(Box("Edit4"), "abc");
  EXPECT_EQ(gyroscope::InitialBodyOmega.GetX(), spin.GetX());
  EXPECT_EQ(gyroscope::InitialMomentum.GetY(), momentum.GetY());
  EXPECT_FLOAT_EQ(gyroscope::GravitySetting, 2.5f);

  Type("Edit4", "");  // an empty box is not a number either
  ClickOk("BitBtn1");
  EXPECT_EQ(messages.size(), 2);
  EXPECT_TRUE(PanelShown("Panel2"));

  Type("Edit4", "4");
  ClickOk("BitBtn1");
  EXPECT_FALSE(PanelShown("Panel2"));
  EXPECT_FLOAT_EQ(gyroscope::InitialBodyOmega.GetX(), 3.0f * math3d::TwoPi);
  EXPECT_FLOAT_EQ(gyroscope::GravitySetting, 4.0f);
}

TEST_F(VorlatPanelsTest, ConditionsUseTheLocalesDecimalSeparator) {
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
  Item("Condicion")->trigger();
  EXPECT_EQ(Box("Edit3"), "10,0");
  EXPECT_EQ(Box("Edit4"), "2,5");
  Type("Edit3", "7,5");
  ClickOk("BitBtn1");
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_FLOAT_EQ(gyroscope::InitialBodyOmega.GetZ(), 7.5f * math3d::TwoPi);
}

TEST_F(VorlatPanelsTest, TheScrollBarsSetTheOrientationTheConditionsStartFrom) {
  Item("Condicion")->trigger();
  Control<QScrollBar>("ScrollBar2")->setValue(0);  // the axle upright
  ClickOk("BitBtn1");
  // Spin about the body's z axis, now the space's z axis.
  EXPECT_NEAR(gyroscope::InitialOmega.GetZ(), 10.0f * math3d::TwoPi, 1e-3f);
  EXPECT_NEAR(gyroscope::InitialOmega.GetY(), 0.0f, 1e-3f);
  ASSERT_TRUE(WaitForTicks(1));
  EXPECT_EQ(Text("Labelfz"), "10.0");
}

TEST_F(VorlatPanelsTest, HelpShowsItsSeventeenLinesWithoutPausing) {
  Item("Comenzar")->trigger();
  Item("Ayuda")->trigger();
  EXPECT_TRUE(PanelShown("Panel3"));
  EXPECT_TRUE(gyroscope::Running);
  EXPECT_TRUE(RunCommandsEnabled());

  const QTextDocument* help = Control<QPlainTextEdit>("Memo1")->document();
  ASSERT_EQ(help->blockCount(), 17);
  EXPECT_EQ(help->findBlockByNumber(0).text(), "Ayuda");
  EXPECT_EQ(help->findBlockByNumber(3).text(),
            "- Para acercar la imagen emplear la tecla \" i \",  (zoom in).");
  EXPECT_EQ(help->findBlockByNumber(12).text(), "son respecto de los ejes del Vorlat. ");
  EXPECT_EQ(help->findBlockByNumber(16).text(), " ");

  ClickOk("BitBtn3");
  EXPECT_FALSE(PanelShown("Panel3"));
}

TEST_F(VorlatPanelsTest, AboutShowsOurTextsAndPicture) {
  EXPECT_EQ(Text("LabelRegistro1"), "Label1");
  Item("Acerca")->trigger();
  EXPECT_TRUE(PanelShown("Panel1"));
  for (const char* name : {"LabelRegistro1", "LabelRegistro2"}) {
    QLabel* text = Control<QLabel>(name);
    EXPECT_NE(text->text(), "Label1");
    // Wrapped, the text still fits its fixed box.
    const QRect needed = text->fontMetrics().boundingRect(
        text->contentsRect(), Qt::TextWordWrap | Qt::AlignHCenter, text->text());
    EXPECT_LE(needed.height(), text->height()) << name;
  }
  ClickOk("BitBtn2");
  EXPECT_FALSE(PanelShown("Panel1"));
}

}  // namespace
