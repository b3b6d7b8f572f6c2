#include "testing/offscreen_gl.h"

#include <GL/gl.h>

#include <cstdlib>
#include <vector>

namespace testkit {

OffscreenGL::OffscreenGL(int width, int height) : width_(width), height_(height) {
  QSurfaceFormat format;
  format.setVersion(2, 1);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setDepthBufferSize(24);
  surface_.setFormat(format);
  surface_.create();
  context_.setFormat(format);
  if (!context_.create() || !context_.makeCurrent(&surface_))
    return;
  fbo_ = std::make_unique<QOpenGLFramebufferObject>(width, height, QOpenGLFramebufferObject::Depth);
  fbo_->bind();
  glViewport(0, 0, width, height);
}

OffscreenGL::~OffscreenGL() {
  if (context_.makeCurrent(&surface_))
    fbo_.reset();
  context_.doneCurrent();
}

void OffscreenGL::MakeCurrent() {
  context_.makeCurrent(&surface_);
  fbo_->bind();
}

Rgb OffscreenGL::Pixel(int x, int y) {
  MakeCurrent();
  unsigned char rgba[4] = {};
  glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  return {rgba[0], rgba[1], rgba[2]};
}

QImage OffscreenGL::Picture() {
  MakeCurrent();
  return fbo_->toImage();
}

int OffscreenGL::Count(Rgb colour, int tolerance) {
  MakeCurrent();
  std::vector<unsigned char> rgba(std::size_t(width_) * height_ * 4);
  glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  int count = 0;
  for (std::size_t i = 0; i < rgba.size(); i += 4) {
    if (std::abs(rgba[i] - colour.r) <= tolerance &&
        std::abs(rgba[i + 1] - colour.g) <= tolerance &&
        std::abs(rgba[i + 2] - colour.b) <= tolerance)
      ++count;
  }
  return count;
}

}  // namespace testkit
