#include "testing/offscreen_gl.h"

#include <GL/gl.h>

namespace testkit {

OffscreenGL::OffscreenGL(int width, int height) {
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

}  // namespace testkit
