#include "shell/main_form.h"

#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace shell {
namespace {

class TestForm : public MainForm {
 public:
  TestForm() : MainForm(-10.0f, 0.1f) {
    auto* central = new QWidget(this);
    label = new QLabel("Masa = ", central);
    QFont font("MS Sans Serif");
    font.setPointSize(8);
    label->setFont(font);
    setCentralWidget(central);
    setMenuBar(new QMenuBar(this));
    menuBar()->addMenu("&Salir");
    FinishLayout(200, 150);
  }
  QLabel* label;
};

TEST(MainFormTest, LayoutIsFixedWithPixelFonts) {
  TestForm form;
  form.FormCreate(&form);
  EXPECT_EQ(form.pos(), QPoint(50, 50));
  EXPECT_EQ(form.centralWidget()->size(), QSize(200, 150));
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_EQ(form.label->font().pixelSize(), 11);
}

TEST(MainFormTest, OnlyAnotherOrdinaryWindowDeactivates) {
  TestForm form;
  QSignalSpy deactivated(&form, &MainForm::Deactivated);
  form.show();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

  QMessageBox box(QMessageBox::NoIcon, "t", "modal", QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.show();
  box.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
  box.hide();
  form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  EXPECT_EQ(deactivated.count(), 0);

  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_EQ(deactivated.count(), 1);
}

}  // namespace
}  // namespace shell
