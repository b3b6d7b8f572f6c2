#pragma once
// A real OpenGL context drawing into an offscreen framebuffer, for tests that check
// the pixels a scene leaves. Needs the application object and an X display.

#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <memory>

namespace testkit {

struct Rgb {
  int r, g, b;
};

class OffscreenGL {
 public:
  // Compatibility profile, so fixed-function GL and GLU work; the framebuffer has
  // a depth buffer and is bound and current on return.
  OffscreenGL(int width, int height);
  ~OffscreenGL();

  bool IsValid() const { return fbo_ != nullptr; }
  void MakeCurrent();
  // Pixel (x, y) with y counted from the bottom row, as glReadPixels does.
  Rgb Pixel(int x, int y);
  // The picture drawn so far, top row first, for testkit::CountPixels.
  QImage Picture();
  // Number of pixels whose colour is within `tolerance` of `colour` per channel.
  int Count(Rgb colour, int tolerance = 8);

 private:
  int width_, height_;
  QOffscreenSurface surface_;
  QOpenGLContext context_;
  std::unique_ptr<QOpenGLFramebufferObject> fbo_;
};

}  // namespace testkit
