#include "components/openglpanel/panel_surface.h"

#include "components/openglpanel/opengl_panel.h"

#include <QMouseEvent>
#include <QPlatformSurfaceEvent>
#include <QWheelEvent>

PanelSurface::PanelSurface(TOpenGLPanel* panel) : panel_(panel) {
  setSurfaceType(QSurface::OpenGLSurface);
  setFlag(Qt::WindowDoesNotAcceptFocus);
  // Fixed-function OpenGL 1.1 and GLU need a compatibility context.
  QSurfaceFormat format = QSurfaceFormat::defaultFormat();
  format.setVersion(2, 1);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setDepthBufferSize(24);
  format.setStencilBufferSize(8);
  format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  setFormat(format);
}

void PanelSurface::exposeEvent(QExposeEvent*) {
  panel_->SurfaceExposed();
}

void PanelSurface::resizeEvent(QResizeEvent*) {
  panel_->SurfaceResized();
}

bool PanelSurface::event(QEvent* event) {
  if (event->type() == QEvent::UpdateRequest)
    panel_->SurfaceExposed();
  else if (event->type() == QEvent::PlatformSurface &&
           static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
               QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
    panel_->SurfaceDestroyed();
  return QWindow::event(event);
}

void PanelSurface::mousePressEvent(QMouseEvent* event) {
  emit panel_->OnMouseDown(panel_, event->button(), event->position().toPoint());
}

void PanelSurface::mouseMoveEvent(QMouseEvent* event) {
  emit panel_->OnMouseMove(panel_, event->buttons(), event->position().toPoint());
}

void PanelSurface::wheelEvent(QWheelEvent* event) {
  emit panel_->OnMouseWheel(panel_, event->angleDelta().y());
}
