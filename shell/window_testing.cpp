#include "shell/window_testing.h"

#include <QColor>
#include <QRect>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include <cstdlib>

namespace shell::testing {
namespace {
// Software GL under a sanitizer can be slow; a failure still shows in seconds.
constexpr int WaitLimitMs = 30000;
}  // namespace

bool ShowActive(QWidget& window) {
  window.show();
  window.activateWindow();
  return QTest::qWaitForWindowActive(&window, WaitLimitMs);
}

void PressAccessKey(QWidget& window, char letter) {
  QTest::keyClick(&window, letter, Qt::AltModifier);
}

bool WaitForSignals(QObject& sender, const char* signal, int count) {
  QSignalSpy spy(&sender, signal);
  return QTest::qWaitFor([&] { return spy.count() >= count; }, WaitLimitMs);
}

int CountPixels(const QImage& picture, const QRect& area, const QColor& colour, int tolerance) {
  int count = 0;
  const QRect inside = area & picture.rect();
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      const QColor pixel = picture.pixelColor(x, y);
      if (std::abs(pixel.red() - colour.red()) <= tolerance &&
          std::abs(pixel.green() - colour.green()) <= tolerance &&
          std::abs(pixel.blue() - colour.blue()) <= tolerance)
        ++count;
    }
  }
  return count;
}

}  // namespace shell::testing
