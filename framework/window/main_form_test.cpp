#include "framework/window/main_form.h"

#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace framework {
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

TEST(MainFormTest, AutoRepeatIsNotARelease) {
  TestForm form;
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  Camera& camera = form.ViewCamera();

  QTest::sendKeyEvent(QTest::Press, &form, Qt::Key_Left, QString(), Qt::NoModifier);
  QKeyEvent repeat_release(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(&form, &repeat_release);
  camera.Tick();
  EXPECT_EQ(camera.ViewYaw, 1.0f);

  // Any real release stops the motion, even of another key.
  QTest::sendKeyEvent(QTest::Press, &form, Qt::Key_Shift, QString(), Qt::NoModifier);
  QTest::sendKeyEvent(QTest::Release, &form, Qt::Key_Shift, QString(), Qt::NoModifier);
  camera.Tick();
  EXPECT_EQ(camera.ViewYaw, 1.0f);

  QTest::sendKeyEvent(QTest::Press, &form, Qt::Key_I, QString("i"), Qt::NoModifier);
  camera.Tick();
  EXPECT_FLOAT_EQ(camera.ViewDistance, -9.9f);
}

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
}  // namespace framework
