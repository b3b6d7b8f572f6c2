#pragma once
// Reading back what a shown panel presents: its shown framebuffer, and the window's
// pixels on the X server (child widgets included).

#include "components/openglpanel/opengl_panel.h"
#include "framework/messages.h"

#include <QColor>
#include <QOpenGLContext>
#include <QScreen>

#include <GL/gl.h>

#include <cstdlib>
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
  const QPoint in_window = widget.mapTo(window, at);
  const QImage image = window->screen()->grabWindow(window->winId()).toImage();
  return image.pixelColor((QPointF(in_window) * image.devicePixelRatio()).toPoint());
}

// Colour comparison with room for rounding in the renderer.
inline bool Near(const QColor& a, const QColor& b, int tolerance = 4) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

// Collects message boxes instead of showing them.
class CollectedMessages {
 public:
  CollectedMessages() {
    framework::SetMessageSink([this](const QString& text) { texts.push_back(text.toStdString()); });
  }
  ~CollectedMessages() { framework::SetMessageSink(nullptr); }
  CollectedMessages(const CollectedMessages&) = delete;
  CollectedMessages& operator=(const CollectedMessages&) = delete;

  std::vector<std::string> texts;
};
