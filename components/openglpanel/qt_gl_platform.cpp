#include "components/openglpanel/qt_gl_platform.h"

#include <QOpenGLContext>
#include <QWindow>

#include <GL/gl.h>

namespace {

constexpr HPALETTE kStockPalette{1};

// Every live context of every panel, so that a new one joins their share group.
std::set<QOpenGLContext*>& LiveContexts() {
  static std::set<QOpenGLContext*> contexts;
  return contexts;
}

// The platform whose single-buffered context this thread made current: letting it go
// shows what was drawn.
thread_local QtGLPlatform* current_single = nullptr;

// Makes the platform's context current for an internal step and puts back whatever
// was current before.
class InternalCurrent {
 public:
  InternalCurrent(QOpenGLContext& context, QWindow* surface)
      : previous_(QOpenGLContext::currentContext()),
        previous_surface_(previous_ ? previous_->surface() : nullptr) {
    if (previous_ != &context)
      context.makeCurrent(surface);
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

// Mesa's software rasteriser hands every frame to worker threads of its own; for one
// small panel the hand-over costs more than it saves (a third of the CPU per frame of
// a moving top). Mesa reads it once, when the first OpenGL window or context is made,
// so every panel's platform sets it first; a user's own setting wins.
void PreferOneRasterThread() {
  if (!qEnvironmentVariableIsSet("LP_NUM_THREADS"))
    qputenv("LP_NUM_THREADS", "0");
}

HGLRC Handle(const QOpenGLContext* context) {
  return HGLRC{reinterpret_cast<std::uintptr_t>(context)};
}

}  // namespace

QtGLPlatform::QtGLPlatform() {
  PreferOneRasterThread();
}

QtGLPlatform::~QtGLPlatform() {
  if (current_single == this)
    current_single = nullptr;
  if (context_)
    LiveContexts().erase(context_.get());
}

bool QtGLPlatform::Fail(int error) {
  last_error_ = error;
  return false;
}

bool QtGLPlatform::IsOwnDC(HDC dc) {
  if (dc_issued_ && dc == HDC{reinterpret_cast<std::uintptr_t>(surface_)})
    return true;
  return Fail(ERROR_INVALID_HANDLE);
}

bool QtGLPlatform::IsOwnContext(HGLRC rc) const {
  return context_ && rc == Handle(context_.get());
}

HDC QtGLPlatform::GetDC(HWND window) {
  surface_ = window;
  dc_issued_ = surface_ != nullptr;
  if (!dc_issued_)
    Fail(ERROR_INVALID_HANDLE);
  return HDC{reinterpret_cast<std::uintptr_t>(surface_)};
}

int QtGLPlatform::ReleaseDC(HWND window, HDC dc) {
  if (window != surface_ || !IsOwnDC(dc))
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
  if (surface_->handle() == nullptr)
    return Fail(ERROR_INVALID_OPERATION);

  // Once the surface exists, its format is what the window system gave it.
  const QSurfaceFormat actual = surface_->format();
  *pfd = PIXELFORMATDESCRIPTOR{};
  pfd->dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
  if (format == kDoubleBuffered)
    pfd->dwFlags |= PFD_DOUBLEBUFFER;
  pfd->iPixelType = PFD_TYPE_RGBA;
  const auto bits = [](int n) { return static_cast<std::uint8_t>(n > 0 ? n : 0); };
  pfd->cRedBits = bits(actual.redBufferSize());
  pfd->cGreenBits = bits(actual.greenBufferSize());
  pfd->cBlueBits = bits(actual.blueBufferSize());
  pfd->cAlphaBits = bits(actual.alphaBufferSize());
  // Bytes in memory order red, green, blue, alpha.
  pfd->cGreenShift = pfd->cRedBits;
  pfd->cBlueShift = pfd->cGreenShift + pfd->cGreenBits;
  pfd->cAlphaShift = pfd->cBlueShift + pfd->cBlueBits;
  pfd->cColorBits = pfd->cRedBits + pfd->cGreenBits + pfd->cBlueBits;
  pfd->cDepthBits = bits(actual.depthBufferSize());
  pfd->cStencilBits = bits(actual.stencilBufferSize());
  return kFormatCount;
}

HGLRC QtGLPlatform::wglCreateContext(HDC dc) {
  if (!IsOwnDC(dc))
    return HGLRC{};
  auto context = std::make_unique<QOpenGLContext>();
  context->setFormat(surface_->format());
  if (!LiveContexts().empty())
    context->setShareContext(*LiveContexts().begin());
  if (format_ == kNone || surface_->handle() == nullptr || !context->create()) {
    Fail(ERROR_INVALID_PIXEL_FORMAT);
    return HGLRC{};
  }
  if (context_)
    LiveContexts().erase(context_.get());
  context_ = std::move(context);
  viewport_set_ = false;
  LiveContexts().insert(context_.get());
  return Handle(context_.get());
}

bool QtGLPlatform::CanCreateContexts() {
  // A context fails exactly when Qt has no OpenGL to give any surface.
  QOpenGLContext probe;
  return probe.create() || Fail(ERROR_INVALID_OPERATION);
}

void QtGLPlatform::ReleaseCurrent() {
  if (current_single != nullptr && current_single->context_ &&
      QOpenGLContext::currentContext() == current_single->context_.get())
    current_single->context_->swapBuffers(current_single->surface_);
  current_single = nullptr;
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
  if (!IsOwnContext(rc))
    return Fail(ERROR_INVALID_HANDLE);
  ReleaseCurrent();  // shows what another single-buffered panel drew
  if (!context_->makeCurrent(surface_))
    return Fail(ERROR_INVALID_OPERATION);
  if (!viewport_set_) {
    // A new context starts with the viewport covering the surface as it is now.
    viewport_set_ = true;
    const QSize size = surface_->size() * surface_->devicePixelRatio();
    glViewport(0, 0, size.width(), size.height());
  }
  if (format_ == kSingleBuffered)
    current_single = this;
  return 1;
}

int QtGLPlatform::wglDeleteContext(HGLRC rc) {
  if (!IsOwnContext(rc))
    return Fail(ERROR_INVALID_HANDLE);
  if (current_single == this)
    current_single = nullptr;
  LiveContexts().erase(context_.get());
  context_.reset();
  return 1;
}

int QtGLPlatform::wglShareLists(HGLRC first, HGLRC second) {
  // Qt fixes sharing when a context is made; every panel's context joins one group.
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
  if (format_ != kDoubleBuffered || !context_)
    return 1;
  InternalCurrent current(*context_, surface_);
  context_->swapBuffers(surface_);
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
    window->requestUpdate();
}
