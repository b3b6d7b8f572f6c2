#include "components/openglpanel/opengl_panel.h"

#include "components/openglpanel/fpu_mask.h"
#include "components/openglpanel/qt_gl_platform.h"
#include "framework/messages.h"

#include <QCoreApplication>
#include <QMetaMethod>
#include <QOpenGLContext>

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
    : QOpenGLWidget(parent), FPlatform(std::move(platform)) {
  MaskFloatingPointExceptions();
  FPFDFlags = f_PFD_DRAW_TO_WINDOW | f_PFD_SUPPORT_OPENGL | f_PFD_DOUBLEBUFFER;
  FFont3D_Type = DefaultPanelFont();
  FFont2D_Type = DefaultPanelFont();

  // Fixed-function OpenGL 1.1 and GLU need a compatibility context.
  QSurfaceFormat format = QSurfaceFormat::defaultFormat();
  format.setVersion(2, 1);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  setFormat(format);
  // Between paints the window shows what the last paint left.
  setUpdateBehavior(QOpenGLWidget::PartialUpdate);
  // Qt's composition of the window leaves its own context current; between events
  // no context is.
  connect(this, &QOpenGLWidget::frameSwapped, this, [] {
    if (QOpenGLContext* current = QOpenGLContext::currentContext())
      current->doneCurrent();
  });
}

TOpenGLPanel::~TOpenGLPanel() {
  // The base class deletes the context after this object is gone: release it now.
  if (context() != nullptr)
    disconnect(context(), nullptr, this, nullptr);
  WMDestroy();
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
  FPainting = true;
  emit OnPaint(this);
  FPainting = false;
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
  if (!FDoubleBuffered || FRenderingContext == HGLRC{})
    return;
  FPlatform->SwapBuffers(FDeviceContext);
  // A swap outside a paint is shown when the window next composes.
  if (!FPainting)
    update();
}

void TOpenGLPanel::repaint() {
  QOpenGLWidget::repaint();
  QCoreApplication::sendPostedEvents(window(), QEvent::UpdateRequest);
}

bool TOpenGLPanel::PanelShareLists(TOpenGLPanel* other) {
  return other != nullptr &&
         FPlatform->wglShareLists(FRenderingContext, other->FRenderingContext) != 0;
}

// Qt calls these three with the widget's context current; the panel's own steps decide
// when its context is current, so each starts by releasing it.

void TOpenGLPanel::initializeGL() {
  doneCurrent();
  // Qt deletes the context when the widget moves to another top-level window.
  connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &TOpenGLPanel::WMDestroy);
  CreateParams();
  WMCreate();
}

void TOpenGLPanel::resizeGL(int, int) {
  doneCurrent();
  Resize();
}

void TOpenGLPanel::paintGL() {
  doneCurrent();
  Paint();
}
