#include "components/openglpanel/qt_gl_platform.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLWidget>

#include <GL/gl.h>

namespace {

constexpr HPALETTE kStockPalette{1};

// The platform whose context this thread made current, so that releasing it from any
// panel keeps that context's viewport.
thread_local QtGLPlatform* current_platform = nullptr;

// Makes the widget's context current for a platform-internal step and puts back
// whatever was current before.
class InternalCurrent {
 public:
  explicit InternalCurrent(QOpenGLWidget* widget)
      : previous_(QOpenGLContext::currentContext()),
        previous_surface_(previous_ ? previous_->surface() : nullptr) {
    widget->makeCurrent();
  }
  ~InternalCurrent() {
    if (previous_ != nullptr)
      previous_->makeCurrent(previous_surface_);
    else if (QOpenGLContext* now = QOpenGLContext::currentContext())
      now->doneCurrent();
  }
  InternalCurrent(const InternalCurrent&) = delete;
  InternalCurrent& operator=(const InternalCurrent&) = delete;

 private:
  QOpenGLContext* previous_;
  QSurface* previous_surface_;
};

std::uint8_t Bits(GLenum which) {
  GLint bits = 0;
  glGetIntegerv(which, &bits);
  return static_cast<std::uint8_t>(bits);
}

}  // namespace

QtGLPlatform::~QtGLPlatform() {
  if (current_platform == this)
    current_platform = nullptr;
}

bool QtGLPlatform::Fail(int error) {
  last_error_ = error;
  return false;
}

bool QtGLPlatform::IsOwnDC(HDC dc) {
  if (dc_issued_ && dc == HDC{reinterpret_cast<std::uintptr_t>(widget_)})
    return true;
  return Fail(ERROR_INVALID_HANDLE);
}

QSize QtGLPlatform::DeviceSize() const {
  const QSize size = widget_->size() * widget_->devicePixelRatioF();
  return size.expandedTo(QSize(1, 1));
}

HDC QtGLPlatform::GetDC(HWND window) {
  widget_ = qobject_cast<QOpenGLWidget*>(window);
  dc_issued_ = widget_ != nullptr;
  if (!dc_issued_)
    Fail(ERROR_INVALID_HANDLE);
  return HDC{reinterpret_cast<std::uintptr_t>(widget_)};
}

int QtGLPlatform::ReleaseDC(HWND window, HDC dc) {
  if (window != widget_ || !IsOwnDC(dc))
    return 0;
  dc_issued_ = false;
  format_ = kNone;
  return 1;
}

int QtGLPlatform::ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR& pfd) {
  if (!IsOwnDC(dc))
    return 0;
  if (pfd.iPixelType != PFD_TYPE_RGBA)
    return Fail(ERROR_INVALID_PIXEL_FORMAT);
  return (pfd.dwFlags & PFD_DOUBLEBUFFER) ? kDoubleBuffered : kSingleBuffered;
}

int QtGLPlatform::SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR&) {
  if (!IsOwnDC(dc))
    return 0;
  if (format < kDoubleBuffered || format > kFormatCount)
    return Fail(ERROR_INVALID_PIXEL_FORMAT);
  format_ = static_cast<Format>(format);
  return 1;
}

int QtGLPlatform::DescribePixelFormat(HDC dc, int format, unsigned size,
                                      PIXELFORMATDESCRIPTOR* pfd) {
  if (!IsOwnDC(dc))
    return 0;
  if (format < kDoubleBuffered || format > kFormatCount || size != sizeof(*pfd) || !pfd)
    return Fail(ERROR_INVALID_PARAMETER);
  if (widget_->context() == nullptr)
    return Fail(ERROR_INVALID_OPERATION);

  // Both formats draw into framebuffers of the kind the widget shows: measure one.
  InternalCurrent current(widget_);
  QOpenGLFramebufferObject probe(1, 1, QOpenGLFramebufferObject::CombinedDepthStencil);
  probe.bind();
  *pfd = PIXELFORMATDESCRIPTOR{};
  pfd->dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
  if (format == kDoubleBuffered)
    pfd->dwFlags |= PFD_DOUBLEBUFFER;
  pfd->iPixelType = PFD_TYPE_RGBA;
  pfd->cRedBits = Bits(GL_RED_BITS);
  pfd->cGreenBits = Bits(GL_GREEN_BITS);
  pfd->cBlueBits = Bits(GL_BLUE_BITS);
  pfd->cAlphaBits = Bits(GL_ALPHA_BITS);
  // Bytes in memory order red, green, blue, alpha.
  pfd->cGreenShift = pfd->cRedBits;
  pfd->cBlueShift = pfd->cGreenShift + pfd->cGreenBits;
  pfd->cAlphaShift = pfd->cBlueShift + pfd->cBlueBits;
  pfd->cColorBits = pfd->cRedBits + pfd->cGreenBits + pfd->cBlueBits;
  pfd->cDepthBits = Bits(GL_DEPTH_BITS);
  pfd->cStencilBits = Bits(GL_STENCIL_BITS);
  probe.release();
  return kFormatCount;
}

HGLRC QtGLPlatform::wglCreateContext(HDC dc) {
  if (!IsOwnDC(dc))
    return HGLRC{};
  QOpenGLContext* context = widget_->context();
  if (format_ == kNone || context == nullptr || !context->isValid()) {
    Fail(ERROR_INVALID_PIXEL_FORMAT);
    return HGLRC{};
  }
  context_ = context;
  viewport_known_ = false;
  return HGLRC{reinterpret_cast<std::uintptr_t>(context_)};
}

bool QtGLPlatform::CanCreateContexts() {
  // No widget's context exists yet; a context of our own fails exactly when Qt has no
  // OpenGL to give any widget.
  QOpenGLContext probe;
  return probe.create() || Fail(ERROR_INVALID_OPERATION);
}

void QtGLPlatform::BindDrawTarget() {
  if (format_ != kDoubleBuffered)
    return;  // the widget's framebuffer is already bound
  if (!back_ || back_->size() != DeviceSize())
    back_ = std::make_unique<QOpenGLFramebufferObject>(
        DeviceSize(), QOpenGLFramebufferObject::CombinedDepthStencil);
  back_->bind();
}

void QtGLPlatform::SaveViewport() {
  glGetIntegerv(GL_VIEWPORT, viewport_.data());
  viewport_known_ = true;
}

void QtGLPlatform::ReleaseCurrent() {
  if (current_platform != nullptr && QOpenGLContext::currentContext() == current_platform->context_)
    current_platform->SaveViewport();
  current_platform = nullptr;
  if (QOpenGLContext* context = QOpenGLContext::currentContext())
    context->doneCurrent();
}

int QtGLPlatform::wglMakeCurrent(HDC dc, HGLRC rc) {
  if (dc == HDC{} && rc == HGLRC{}) {
    ReleaseCurrent();
    return 1;
  }
  if (!IsOwnDC(dc))
    return 0;
  if (context_ == nullptr || rc != HGLRC{reinterpret_cast<std::uintptr_t>(context_)})
    return Fail(ERROR_INVALID_HANDLE);
  ReleaseCurrent();  // keeps the viewport of whichever panel was current
  widget_->makeCurrent();
  if (QOpenGLContext::currentContext() != context_)
    return Fail(ERROR_INVALID_OPERATION);
  BindDrawTarget();
  if (viewport_known_) {
    glViewport(viewport_[0], viewport_[1], viewport_[2], viewport_[3]);
  } else {
    // A new context starts with the viewport covering the window.
    const QSize size = DeviceSize();
    glViewport(0, 0, size.width(), size.height());
  }
  current_platform = this;
  return 1;
}

int QtGLPlatform::wglDeleteContext(HGLRC rc) {
  if (context_ == nullptr || rc != HGLRC{reinterpret_cast<std::uintptr_t>(context_)})
    return Fail(ERROR_INVALID_HANDLE);
  if (back_) {
    InternalCurrent current(widget_);
    back_.reset();
  }
  if (current_platform == this)
    current_platform = nullptr;
  context_ = nullptr;
  return 1;
}

int QtGLPlatform::wglShareLists(HGLRC first, HGLRC second) {
  // Qt fixes sharing when a context is made: the widgets of one top-level window (or
  // all, with Qt::AA_ShareOpenGLContexts) share; others cannot be joined later.
  if (first == HGLRC{} || second == HGLRC{})
    return Fail(ERROR_INVALID_HANDLE);
  auto* a = reinterpret_cast<QOpenGLContext*>(static_cast<std::uintptr_t>(first));
  auto* b = reinterpret_cast<QOpenGLContext*>(static_cast<std::uintptr_t>(second));
  if (!QOpenGLContext::areSharing(a, b))
    return Fail(ERROR_INVALID_OPERATION);
  return 1;
}

int QtGLPlatform::SwapBuffers(HDC dc) {
  if (!IsOwnDC(dc))
    return 0;
  if (format_ != kDoubleBuffered || !back_ || widget_->defaultFramebufferObject() == 0)
    return 1;
  const bool was_current = QOpenGLContext::currentContext() == context_;
  std::unique_ptr<InternalCurrent> internal;
  if (!was_current)
    internal = std::make_unique<InternalCurrent>(widget_);

  QOpenGLExtraFunctions* gl = context_->extraFunctions();
  const GLboolean scissor = gl->glIsEnabled(GL_SCISSOR_TEST);
  gl->glDisable(GL_SCISSOR_TEST);  // a blit is clipped by the scissor box
  gl->glBindFramebuffer(GL_READ_FRAMEBUFFER, back_->handle());
  gl->glBindFramebuffer(GL_DRAW_FRAMEBUFFER, widget_->defaultFramebufferObject());
  const QSize size = back_->size();
  gl->glBlitFramebuffer(0, 0, size.width(), size.height(), 0, 0, size.width(), size.height(),
                        GL_COLOR_BUFFER_BIT, GL_NEAREST);
  back_->bind();
  if (scissor)
    gl->glEnable(GL_SCISSOR_TEST);
  return 1;
}

HPALETTE QtGLPlatform::GetStockObject(int object) {
  if (object == DEFAULT_PALETTE)
    return kStockPalette;
  Fail(ERROR_INVALID_PARAMETER);
  return HPALETTE{};
}

HPALETTE QtGLPlatform::CreatePalette(const LOGPALETTE& description) {
  if (description.palPalEntry.empty()) {
    Fail(ERROR_INVALID_PARAMETER);
    return HPALETTE{};
  }
  const HPALETTE palette{next_palette_++};
  palettes_.insert(palette);
  return palette;
}

HPALETTE QtGLPlatform::SelectPalette(HDC dc, HPALETTE palette, bool) {
  if (!IsOwnDC(dc))
    return HPALETTE{};
  const HPALETTE previous = selected_palette_;
  selected_palette_ = palette;
  return previous;
}

int QtGLPlatform::RealizePalette(HDC dc) {
  // A true-colour display has no system palette entries to map.
  return IsOwnDC(dc) ? 0 : GDI_ERROR;
}

int QtGLPlatform::DeleteObject(HPALETTE palette) {
  if (palette == kStockPalette || palettes_.erase(palette) == 1)
    return 1;
  return Fail(ERROR_INVALID_HANDLE);
}

void QtGLPlatform::InvalidateRect(HWND window, bool) {
  if (window != nullptr)
    window->update();
}
