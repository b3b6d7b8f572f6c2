#pragma once
// For tests that drive a real main window under Xvfb as a user would: find its
// controls by their layout names, give it the keyboard, pick menu commands by
// their access keys, wait for its ticks and read back the pixels it drew.

#include <QImage>
#include <QObject>
#include <QString>

#include <gtest/gtest.h>

class QAction;
class QColor;
class QRect;
class QWidget;

namespace shell::testing {

// The child called `name`; the test fails when there is none.
template <class T>
T* Control(const QObject& root, const char* name) {
  T* control = root.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(control, nullptr) << "no control named " << name;
  return control;
}

// Shows the window and makes it the active one: bare Xvfb has no window manager,
// and keys and access keys reach only the active window.
bool ShowActive(QWidget& window);

// Alt plus the letter, as a user picks a menu command by its underlined letter.
void PressAccessKey(QWidget& window, char letter);

// Waits (up to a generous limit) until `sender` has emitted `signal` `count` more
// times; `signal` as SIGNAL() writes it.
bool WaitForSignals(QObject& sender, const char* signal, int count);

// Pixels of `picture` inside `area` within `tolerance` of `colour` in each channel.
int CountPixels(const QImage& picture, const QRect& area, const QColor& colour, int tolerance = 24);

}  // namespace shell::testing
