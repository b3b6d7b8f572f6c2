#pragma once
// A real OpenGL context drawing into an offscreen framebuffer, for tests that check
// the pixels a scene leaves. Needs the application object and an X display.

#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <memory>

namespace testkit {

class OffscreenGL {
 public:
  // Compatibility profile, so fixed-function GL and GLU work; the framebuffer has
  // a depth buffer and is bound and current on return.
  OffscreenGL(int width, int height);
  ~OffscreenGL();

  bool IsValid() const { return fbo_ != nullptr; }
  void MakeCurrent() {
    context_.makeCurrent(&surface_);
    fbo_->bind();
  }
  // What the framebuffer holds, top row first.
  QImage Image() {
    MakeCurrent();
    return fbo_->toImage();
  }

 private:
  QOffscreenSurface surface_;
  QOpenGLContext context_;
  std::unique_ptr<QOpenGLFramebufferObject> fbo_;
};

}  // namespace testkit
