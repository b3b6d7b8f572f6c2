// TOpenGLPanel: pixel-format request, creation and release of the context, palette.
#include "components/openglpanel/opengl_font.h"
#include "components/openglpanel/opengl_panel.h"
#include "components/openglpanel/palette_ramp.h"
#include "framework/messages.h"

namespace {

constexpr int kTrue = 1;

struct FlagBit {
  TOpenGLPanel::TPFDFlags member;
  std::uint32_t pfd;
};

// f_PFD_SUPPORT_GDI and f_PFD_DOUBLEBUFFER are handled apart: see RequestedPixelFormat.
constexpr FlagBit kFlagBits[] = {
    {TOpenGLPanel::f_PFD_DRAW_TO_WINDOW, PFD_DRAW_TO_WINDOW},
    {TOpenGLPanel::f_PFD_DRAW_TO_BITMAP, PFD_DRAW_TO_BITMAP},
    {TOpenGLPanel::f_PFD_SUPPORT_OPENGL, PFD_SUPPORT_OPENGL},
    {TOpenGLPanel::f_PFD_GENERIC_ACCELERATED, PFD_GENERIC_ACCELERATED},
    {TOpenGLPanel::f_PFD_GENERIC_FORMAT, PFD_GENERIC_FORMAT},
    {TOpenGLPanel::f_PFD_NEED_PALETTE, PFD_NEED_PALETTE},
    {TOpenGLPanel::f_PFD_NEED_SYSTEM_PALETTE, PFD_NEED_SYSTEM_PALETTE},
    {TOpenGLPanel::f_PFD_STEREO, PFD_STEREO},
    {TOpenGLPanel::f_PFD_SWAP_LAYER_BUFFERS, PFD_SWAP_LAYER_BUFFERS},
};

}  // namespace

void TOpenGLPanel::SetPFDPixelType(TPFDPixelTypes value) {
  FPixelType = value;
  FPFDPixelType = value == f_PFD_TYPE_RGBA ? PFD_TYPE_RGBA : PFD_TYPE_COLORINDEX;
}

// The set always holds exactly one of f_PFD_SUPPORT_GDI and f_PFD_DOUBLEBUFFER: given
// both, the one not held before wins; given neither, the held one switches over.
void TOpenGLPanel::SetPFDFlags(TPFDFlagSet value) {
  const bool held_gdi = FPFDFlags.testFlag(f_PFD_SUPPORT_GDI);
  const bool gdi = value.testFlag(f_PFD_SUPPORT_GDI);
  const bool doublebuffer = value.testFlag(f_PFD_DOUBLEBUFFER);
  if (gdi && doublebuffer)
    value.setFlag(held_gdi ? f_PFD_SUPPORT_GDI : f_PFD_DOUBLEBUFFER, false);
  else if (!gdi && !doublebuffer)
    value.setFlag(held_gdi ? f_PFD_DOUBLEBUFFER : f_PFD_SUPPORT_GDI);
  FPFDFlags = value;
}

PIXELFORMATDESCRIPTOR TOpenGLPanel::RequestedPixelFormat() const {
  PIXELFORMATDESCRIPTOR pfd;
  pfd.iPixelType = FPFDPixelType;
  pfd.cColorBits = FcColorBits;
  pfd.cDepthBits = FcDepthBits;
  for (const FlagBit& bit : kFlagBits)
    if (FPFDFlags.testFlag(bit.member))
      pfd.dwFlags |= bit.pfd;
  // Double buffering is requested exactly when GDI drawing is not.
  pfd.dwFlags |= FPFDFlags.testFlag(f_PFD_SUPPORT_GDI) ? PFD_SUPPORT_GDI : PFD_DOUBLEBUFFER;
  return pfd;
}

bool TOpenGLPanel::ReleaseDeviceContext() {
  const bool released = FPlatform->ReleaseDC(DrawingSurface(), FDeviceContext) != 0;
  FDeviceContext = HDC{};
  return released;
}

void TOpenGLPanel::DeletePalette() {
  if (FPlatform->DeleteObject(FPalette) == 0)
    framework::ShowMessage(QStringLiteral("DeleteObject: Failed"));
  FPalette = HPALETTE{};
}

bool TOpenGLPanel::CreateGLContext() {
  PIXELFORMATDESCRIPTOR pfd = RequestedPixelFormat();
  FDeviceContext = FPlatform->GetDC(DrawingSurface());

  const int format = FPlatform->ChoosePixelFormat(FDeviceContext, pfd);
  if (format == 0) {
    ShowWithError("ChoosePixelFormat:");
    ReleaseDeviceContext();
    return false;
  }
  if (FPlatform->SetPixelFormat(FDeviceContext, format, pfd) != kTrue) {
    ShowWithError("SetPixelFormat:");
    ReleaseDeviceContext();
    return false;
  }
  // The request decides, even when the described format lacks double buffering.
  FDoubleBuffered = (pfd.dwFlags & PFD_DOUBLEBUFFER) != 0;
  FPlatform->DescribePixelFormat(FDeviceContext, format, sizeof(pfd), &pfd);

  FPalette = HPALETTE{};
  if ((pfd.dwFlags & PFD_NEED_PALETTE) != 0 && !ConstructPalette(pfd)) {
    ReleaseDeviceContext();
    return false;
  }

  FRenderingContext = FPlatform->wglCreateContext(FDeviceContext);
  if (FRenderingContext != HGLRC{})
    return true;
  ShowWithError("wglRenderingContext:");
  if (FPalette != HPALETTE{}) {
    FPlatform->SelectPalette(FDeviceContext, FPlatform->GetStockObject(DEFAULT_PALETTE), false);
    DeletePalette();
  }
  ReleaseDeviceContext();
  return false;
}

void TOpenGLPanel::DestroyGLContext() {
  DestroyFont(FFont3D);
  FFont3D = nullptr;
  DestroyFont(FFont2D);
  FFont2D = nullptr;
  MakeNotCurrent();
  if (FRenderingContext == HGLRC{})
    return;

  if (FPlatform->wglDeleteContext(FRenderingContext) == 0)
    ShowWithError("wglDeleteContext:");
  FRenderingContext = HGLRC{};
  if (FPalette != HPALETTE{})
    DeletePalette();
  if (!ReleaseDeviceContext())
    framework::ShowMessage(QStringLiteral("ReleaseDC: Failed"));
}

bool TOpenGLPanel::ConstructPalette(const PIXELFORMATDESCRIPTOR& pfd) {
  const std::optional<LOGPALETTE> ramp = BuildPaletteRamp(pfd);
  if (!ramp) {
    framework::ShowMessage(QStringLiteral("ConstructPalette: Malloc failure"));
    return false;
  }
  FPalette = FPlatform->CreatePalette(*ramp);
  if (FPalette != HPALETTE{})
    return true;
  ShowWithError("CreatePalette:");
  return false;
}

void TOpenGLPanel::WMQueryNewPalette(TMessage& message) {
  if (FRenderingContext == HGLRC{}) {
    message.Result = 0;
    return;
  }
  const HPALETTE previous = FPlatform->SelectPalette(FDeviceContext, FPalette, false);
  const int mapped = FPlatform->RealizePalette(FDeviceContext);
  if (mapped == GDI_ERROR) {
    ShowWithError("RealizePalette:");
    return;
  }
  if (FPlatform->wglMakeCurrent(FDeviceContext, FRenderingContext) == 0) {
    message.Result = 0;
    return;
  }
  MakeNotCurrent();
  FPlatform->SelectPalette(FDeviceContext, previous, true);
  if (mapped != 0)
    FPlatform->InvalidateRect(DrawingSurface(), true);
  message.Result = mapped;
}

void TOpenGLPanel::WMPaletteChanged(TMessage& message) {
  if (message.Window == DrawingSurface())
    return;
  TMessage own;
  WMQueryNewPalette(own);
}
