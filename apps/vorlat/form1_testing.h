#pragma once
// The real Vorlat window for the tests: shown, active, its scene set up and its
// timer ticking, with message boxes captured instead of shown.

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QStringList>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "apps/vorlat/form1.h"
#include "components/animtimer/animtimer.h"
#include "components/openglpanel/opengl_panel.h"
#include "framework/messages.h"
#include "framework/window/window_testing.h"

namespace vorlat_testing {

// Where a point of the simulation's y-z plane lands in the drawing with the camera
// at rest: a 45 degree field of view over 400 pixels, the pivot 1.74 away.
inline QPoint Screen(double y, double z) {
  const double pixels_per_unit = 200.0 / (std::tan(22.5 * M_PI / 180.0) * 1.74);
  return QPoint(int(std::lround(200 + y * pixels_per_unit)),
                int(std::lround(200 - z * pixels_per_unit)));
}

}  // namespace vorlat_testing

class VorlatWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale::c());
    framework::SetMessageSink([this](const QString& text) { messages.append(text); });
    form = std::make_unique<TForm1>();
    ASSERT_TRUE(framework::testing::ShowActive(*form));
    ASSERT_TRUE(WaitForTicks(2));
  }

  void TearDown() override {
    form.reset();
    framework::SetMessageSink(nullptr);
    QLocale::setDefault(QLocale::c());
  }

  template <class T>
  T* Control(const char* name) {
    return framework::testing::Control<T>(*form, name);
  }
  QString Text(const char* label) { return Control<QLabel>(label)->text(); }
  QAction* Item(const char* name) { return Control<QAction>(name); }

  bool WaitForTicks(int count) {
    return framework::testing::WaitForSignals(*Control<TAnimTimer>("AnimTimer1"),
                                              SIGNAL(OnTimer(TAnimTimer*)), count);
  }

  // What the drawing panel shows now, freshly painted.
  QImage Drawing() { return Control<TOpenGLPanel>("OpenGLPanel1")->grabFramebuffer(); }

  std::unique_ptr<TForm1> form;
  QStringList messages;
};
