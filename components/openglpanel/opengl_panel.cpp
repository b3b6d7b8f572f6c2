#include "components/openglpanel/opengl_panel.h"

#include "components/openglpanel/fpu_mask.h"
#include "components/openglpanel/panel_surface.h"
#include "components/openglpanel/qt_gl_platform.h"
#include "framework/messages.h"

#include <QCoreApplication>
#include <QMetaMethod>

namespace {

const QString kCreateFailed = QStringLiteral("Open GL Context Create Failed");

QFont DefaultPanelFont() {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(9);
  return font;
}

}  // namespace

TOpenGLPanel::TOpenGLPanel(QWidget* parent)
    : TOpenGLPanel(std::make_unique<QtGLPlatform>(), parent) {}

TOpenGLPanel::TOpenGLPanel(std::unique_ptr<GLPlatform> platform, QWidget* parent)
    : QWidget(parent),
      FPlatform(std::move(platform)),
      FSurface(new PanelSurface(this)),
      FContainer(QWidget::createWindowContainer(FSurface, this)) {
  MaskFloatingPointExceptions();
  FPFDFlags = f_PFD_DRAW_TO_WINDOW | f_PFD_SUPPORT_OPENGL | f_PFD_DOUBLEBUFFER;
  FFont3D_Type = DefaultPanelFont();
  FFont2D_Type = DefaultPanelFont();
  FContainer->setFocusPolicy(Qt::NoFocus);
  // The in-window panels placed over the drawing get native windows of their own;
  // their siblings elsewhere in the window must stay plain widgets.
  QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
}

TOpenGLPanel::~TOpenGLPanel() {
  WMDestroy();
  delete FContainer;  // and the surface with it, while this panel still answers it
}

QWindow* TOpenGLPanel::DrawingSurface() const {
  return FSurface;
}

template <typename Signal>
bool TOpenGLPanel::IsBound(Signal signal) const {
  return isSignalConnected(QMetaMethod::fromSignal(signal));
}

void TOpenGLPanel::ShowWithError(const char* prefix) {
  framework::ShowMessage(QString::fromLatin1(prefix) + QString::number(FPlatform->GetLastError()));
}

bool TOpenGLPanel::MakeCurrentOrReport() {
  if (FPlatform->wglMakeCurrent(FDeviceContext, FRenderingContext) != 0)
    return true;
  ShowWithError("wglMakeCurrent:");
  return false;
}

void TOpenGLPanel::MakeNotCurrent() {
  FPlatform->wglMakeCurrent(HDC{}, HGLRC{});
}

void TOpenGLPanel::CreateParams() {
  emit OnPreInit(this);
}

void TOpenGLPanel::WMCreate() {
  if (!CreateGLContext()) {
    framework::ShowMessage(kCreateFailed);
    return;
  }
  if (!IsBound(&TOpenGLPanel::OnInit))
    return;
  MakeCurrentOrReport();  // OnInit runs even when this fails
  if (FFont3D_Enabled)
    Create3DFont();
  if (FFont2D_Enabled)
    Create2DFont();
  emit OnInit(this);
  MakeNotCurrent();
}

bool TOpenGLPanel::OpenGLAvailable() {
  QtGLPlatform platform;
  return OpenGLAvailable(platform);
}

bool TOpenGLPanel::OpenGLAvailable(GLPlatform& platform) {
  if (platform.CanCreateContexts())
    return true;
  framework::ShowMessage(kCreateFailed);
  return false;
}

void TOpenGLPanel::WMDestroy() {
  DestroyGLContext();
}

// Without a rendering context (its creation failed) painting, resizing and making
// current do nothing: the handlers expect a current context whenever they run.
void TOpenGLPanel::Paint() {
  if (!IsBound(&TOpenGLPanel::OnPaint) || FRenderingContext == HGLRC{})
    return;
  const HPALETTE previous = FPlatform->SelectPalette(FDeviceContext, FPalette, false);
  if (FPlatform->RealizePalette(FDeviceContext) == GDI_ERROR) {
    ShowWithError("RealizePalette:");
    return;
  }
  if (!MakeCurrentOrReport())
    return;
  emit OnPaint(this);
  if (FCapture != nullptr)
    ReadDrawing(*FCapture);
  if (FGLSwapBuffers == Auto && FDoubleBuffered)
    FPlatform->SwapBuffers(FDeviceContext);
  FPlatform->SelectPalette(FDeviceContext, previous, true);
  MakeNotCurrent();
}

void TOpenGLPanel::Resize() {
  if (!IsBound(&TOpenGLPanel::OnResize) || FRenderingContext == HGLRC{})
    return;
  if (!MakeCurrentOrReport())
    return;
  emit OnResize(this);
  MakeNotCurrent();
}

void TOpenGLPanel::MakeOpenGLPanelCurrent() {
  if (FRenderingContext != HGLRC{})
    MakeCurrentOrReport();
}

void TOpenGLPanel::MakeOpenGLPanelNotCurrent() {
  MakeNotCurrent();
}

void TOpenGLPanel::SwapBuffers() {
  if (FDoubleBuffered && FRenderingContext != HGLRC{})
    FPlatform->SwapBuffers(FDeviceContext);
}

void TOpenGLPanel::repaint() {
  SurfaceExposed();
}

bool TOpenGLPanel::PanelShareLists(TOpenGLPanel* other) {
  return other != nullptr &&
         FPlatform->wglShareLists(FRenderingContext, other->FRenderingContext) != 0;
}

void TOpenGLPanel::SurfaceExposed() {
  if (!FSurface->isExposed())
    return;
  if (!FWindowCreated) {
    FWindowCreated = true;
    CreateParams();
    WMCreate();
    Resize();
  }
  Paint();
}

void TOpenGLPanel::SurfaceResized() {
  if (FWindowCreated)
    Resize();
}

void TOpenGLPanel::SurfaceDestroyed() {
  WMDestroy();
  FWindowCreated = false;
}

void TOpenGLPanel::resizeEvent(QResizeEvent*) {
  FContainer->setGeometry(rect());
}

// A child widget placed over the drawing needs a native window stacked above the
// surface's, or the surface would hide it.
bool TOpenGLPanel::event(QEvent* event) {
  if (event->type() == QEvent::ChildPolished) {
    auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
    if (child != nullptr && child != FContainer && !child->isWindow()) {
      child->setAttribute(Qt::WA_DontCreateNativeAncestors);
      child->setAttribute(Qt::WA_NativeWindow);
      child->installEventFilter(this);
      if (child->isVisible())
        child->windowHandle()->raise();
    }
  }
  return QWidget::event(event);
}

bool TOpenGLPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show)
    if (QWindow* handle = static_cast<QWidget*>(watched)->windowHandle())
      handle->raise();
  return QWidget::eventFilter(watched, event);
}
