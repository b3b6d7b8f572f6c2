#pragma once
// A real main window for the tests: shown, active, its scene set up and its
// timer ticking, with message boxes captured instead of shown. Both programs'
// windows have their drawing in OpenGLPanel1 and their tick in AnimTimer1.

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QOpenGLWidget>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <initializer_list>
#include <memory>

#include "framework/messages.h"
#include "shell/window_testing.h"

namespace shell::testing {

// Where a point of the simulation's y-z plane (x = 0) lands in the 400 x 400
// drawing with the camera at rest `distance` away: a 45 degree field of view.
inline QPoint ScreenPoint(double y, double z, double distance) {
  const double pixels_per_unit = 200.0 / (std::tan(22.5 * M_PI / 180.0) * distance);
  return QPoint(int(std::lround(200 + y * pixels_per_unit)),
                int(std::lround(200 - z * pixels_per_unit)));
}

template <class Form>
class FormFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale::c());
    framework::SetMessageSink([this](const QString& text) { messages.append(text); });
    form = std::make_unique<Form>();
    ASSERT_TRUE(ShowActive(*form));
    ASSERT_TRUE(WaitForTicks(2));
  }

  void TearDown() override {
    form.reset();
    framework::SetMessageSink(nullptr);
    QLocale::setDefault(QLocale::c());
  }

  template <class T>
  T* Control(const char* name) {
    return testing::Control<T>(*form, name);
  }
  QString Text(const char* label) { return Control<QLabel>(label)->text(); }
  QAction* Item(const char* name) { return Control<QAction>(name); }

  bool WaitForTicks(int count) {
    return WaitForSignals(*Control<QObject>("AnimTimer1"), SIGNAL(OnTimer(TAnimTimer*)), count);
  }

  bool PanelShown(const char* name) { return Control<QWidget>(name)->isVisible(); }

  // Replaces an edit box's text as a user types it.
  void Type(const char* name, const QString& text) {
    QLineEdit* box = Control<QLineEdit>(name);
    box->clear();
    QTest::keyClicks(box, text);
  }

  void ClickOk(const char* button) {
    QTest::mouseClick(Control<QPushButton>(button), Qt::LeftButton);
  }

  // What the drawing panel shows now, freshly painted.
  QImage Drawing() { return Control<QOpenGLWidget>("OpenGLPanel1")->grabFramebuffer(); }

  // Every label without word wrap shows its whole text, inside the window; the
  // word-wrapped `wrapped` ones fit their fixed boxes.
  void ExpectLabelsFit(std::initializer_list<const char*> wrapped = {}) {
    const QRect window = form->centralWidget()->rect();
    for (QLabel* label : form->template findChildren<QLabel*>()) {
      if (label->wordWrap() || !label->pixmap().isNull())
        continue;
      const std::string name = label->objectName().toStdString();
      const QSize needed = label->fontMetrics().size(0, label->text());
      EXPECT_LE(needed.width(), label->width()) << name;
      EXPECT_LE(needed.height(), label->height() + 1) << name;
      const QRect place(label->mapTo(form->centralWidget(), QPoint(0, 0)), label->size());
      EXPECT_TRUE(window.contains(place)) << name;
    }
    for (const char* name : wrapped) {
      QLabel* label = Control<QLabel>(name);
      const QRect needed = label->fontMetrics().boundingRect(
          label->contentsRect(), Qt::TextWordWrap | label->alignment(), label->text());
      EXPECT_LE(needed.height(), label->height() + 1) << name;
    }
  }

  // `leave` releases the scene once and ends the message loop; ticks, keys and
  // paints that still come leave the released scene alone.
  void ExpectExitBy(const std::function<void()>& leave, const std::function<bool()>& scene_exists) {
    ASSERT_TRUE(scene_exists());
    QTimer::singleShot(0, form.get(), leave);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(scene_exists());

    QTest::keyPress(form.get(), Qt::Key_Left);
    for (int i = 0; i < 3; ++i) form->AnimTimer1Timer();
    EXPECT_EQ(form->ViewCamera().ViewYaw, 0.0f);
    form->repaint();
    EXPECT_FALSE(scene_exists());
  }

  std::unique_ptr<Form> form;
  QStringList messages;
};

}  // namespace shell::testing
