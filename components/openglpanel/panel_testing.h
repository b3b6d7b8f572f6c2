#pragma once
// A shown panel in a real window: reading back what it presents (its framebuffer, and
// the window's pixels on the X server, child widgets included), message boxes collected.

#include "components/openglpanel/opengl_panel.h"
#include "framework/messages.h"
#include "testing/pixels.h"

#include <QScreen>
#include <QTest>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// Pixel (x, y) of the panel's shown picture, y counted from the top.
inline QColor FrontPixel(TOpenGLPanel& panel, int x, int y) {
  panel.makeCurrent();  // the widget's framebuffer, as Qt composes it
  const qreal ratio = panel.devicePixelRatioF();
  unsigned char rgba[4] = {};
  glReadPixels(int(x * ratio), int((panel.height() - 1 - y) * ratio), 1, 1, GL_RGBA,
               GL_UNSIGNED_BYTE, rgba);
  panel.doneCurrent();
  return QColor(rgba[0], rgba[1], rgba[2]);
}

// Pixel `at` of `widget` as the X server shows it.
inline QColor ScreenPixel(QWidget& widget, QPoint at) {
  QWidget* window = widget.window();
  const QImage image = window->screen()->grabWindow(window->winId()).toImage();
  return image.pixelColor((QPointF(widget.mapTo(window, at)) * image.devicePixelRatio()).toPoint());
}

// Collects message boxes instead of showing them.
struct CollectedMessages {
  CollectedMessages() {
    framework::SetMessageSink([this](const QString& text) { texts.push_back(text.toStdString()); });
  }
  ~CollectedMessages() { framework::SetMessageSink(nullptr); }
  CollectedMessages(const CollectedMessages&) = delete;
  CollectedMessages& operator=(const CollectedMessages&) = delete;

  std::vector<std::string> texts;
};

// A 260 x 200 window with a 200 x 160 panel in its top-left corner.
class PanelWindowTest : public testing::Test {
 protected:
  PanelWindowTest() : panel(new TOpenGLPanel(&window)) {
    window.resize(260, 200);
    panel->setGeometry(0, 0, 200, 160);
  }

  void Show() {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    panel->repaint();
  }

  CollectedMessages messages;
  QWidget window;
  TOpenGLPanel* panel;
};
