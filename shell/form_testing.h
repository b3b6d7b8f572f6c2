#pragma once
// Driving a real main window under Xvfb as a user would: shown, active and ticking, its
// controls found by their layout names, message boxes captured instead of shown.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>

#include "framework/messages.h"
#include "math/integrator.h"
#include "record/history.h"
#include "shell/scene_form.h"

namespace shell::testing {

// Shown and active: without a window manager keys reach only the active window.
bool ShowActive(QWidget& window);

// Waits for `count` ticks that presented a frame (drawing and readouts).
bool WaitForTicks(const SceneForm& form, int count);

// Every label shows its whole text inside the window, wrapped if it wraps.
void ExpectLabelsFit(const QMainWindow& window);

// `leave` releases the scene and ends the loop; later ticks, keys and paints leave it alone.
void ExpectExitBy(SceneForm& form, const std::function<void()>& leave,
                  const std::function<bool()>& scene_exists);

// After seeded random keys, access keys, clicks and typing (never "Salir", nor Space or Return
// in a menu) the program lives on, ticking and painting, and "Salir" still ends it cleanly.
void ExpectToOutliveAStorm(SceneForm& form, unsigned seed,
                           const std::function<bool()>& scene_exists);

// The items at the end of "Opciones" show the strip under the window, growing it, save the
// history and picture through dialogs suggesting names after `program`, and show the arrows.
void ExpectRunTools(SceneForm& form, const record::History& history, const QString& program);

// Slow motion, the single step and the exact integration close "Opciones": by access keys, the
// speed chosen and the integration, switched mid-run, hold over a reset; the step, on only while
// the run stands still, records one row, stays paused. The integration is left exact.
void ExpectTimeTools(SceneForm& form, const record::History& history,
                     const std::function<std::uint32_t()>& slowdown,
                     const std::function<math3d::Integrator()>& integrator);

// Through "Idioma / &Language", at once: every text in English, none empty, all fitting, the
// locale and the choice kept; and back in Spanish, every text as it was, the state's too.
void ExpectBothLanguages(SceneForm& form);

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
  }

  // The child called `name`; the test fails when there is none.
  template <class T>
  T* Control(const char* name) {
    T* control = form->template findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << "no control named " << name;
    return control;
  }
  // A menu command, or the item of a menu.
  QAction* Item(const char* name) {
    const QMenu* menu = form->template findChild<QMenu*>(QString::fromLatin1(name));
    return menu ? menu->menuAction() : Control<QAction>(name);
  }
  // What a label, button or edit box says, or where a scroll bar stands.
  QString Text(const char* name) {
    const QWidget* control = Control<QWidget>(name);
    return control->property(control->inherits("QScrollBar") ? "value" : "text").toString();
  }
  QStringList Texts(std::initializer_list<const char*> names) {
    QStringList texts;
    for (const char* name : names) texts << Text(name);
    return texts;
  }
  bool Shown(const char* name) { return Control<QWidget>(name)->isVisible(); }
  // The first item's caption, then each item's first letter when it is on.
  std::string Menus(std::initializer_list<const char*> items) {
    std::string menus = Item(*items.begin())->text().toStdString() + ' ';
    for (const char* item : items) menus += Item(item)->isEnabled() ? item[0] : '-';
    return menus;
  }

  bool WaitForTicks(int count) { return testing::WaitForTicks(*form, count); }
  // Replaces an edit box's text as a user would.
  void Type(const char* name, const QString& text) {
    Control<QLineEdit>(name)->clear();
    QTest::keyClicks(Control<QLineEdit>(name), text);
  }
  void Click(const char* button) {
    QTest::mouseClick(Control<QPushButton>(button), Qt::LeftButton);
  }

  // Each panel, opened by its access key and closed by its Ok, leaves the keys to the window.
  void ExpectKeysBackAfterPanels(std::initializer_list<std::pair<char, const char*>> panels) {
    for (const auto& [access_key, ok] : panels) {
      SCOPED_TRACE(std::string("Alt+") + access_key);
      QTest::keyClick(form->windowHandle(), access_key, Qt::AltModifier);
      ASSERT_TRUE(Shown(ok));
      Click(ok);
      QTest::keyPress(form->windowHandle(), Qt::Key_Right);
      EXPECT_NE(form->ViewCamera().ViewYawRate, 0.0f);  // the view turns
      QSignalSpy clicks(Control<QPushButton>(ok), &QPushButton::clicked);
      QTest::keyClick(form->windowHandle(), Qt::Key_Space);  // whose release stops the turn
      EXPECT_EQ(clicks.count(), 0);                          // on no hidden button
    }
  }

  std::unique_ptr<Form> form;
  QStringList messages;
};

}  // namespace shell::testing
