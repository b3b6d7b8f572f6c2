#pragma once
// The narrow set of window-system calls the panel makes for its device context, pixel
// format, rendering context and palette. QtGLPlatform provides them on Qt; tests use a
// fake that can fail any step.

#include "components/openglpanel/pixel_format_descriptor.h"

#include <cstdint>
#include <vector>

class QWindow;

// The native window a panel draws on.
using HWND = QWindow*;
enum class HDC : std::uintptr_t {};
enum class HGLRC : std::uintptr_t {};
enum class HPALETTE : std::uintptr_t {};

inline constexpr int GDI_ERROR = -1;
inline constexpr int DEFAULT_PALETTE = 15;

// Error codes this layer reports through GetLastError, numbered as the window system
// numbers them.
inline constexpr int ERROR_INVALID_HANDLE = 6;
inline constexpr int ERROR_INVALID_PARAMETER = 87;
inline constexpr int ERROR_INVALID_PIXEL_FORMAT = 2000;
inline constexpr int ERROR_INVALID_OPERATION = 4317;

struct PALETTEENTRY {
  std::uint8_t peRed = 0;
  std::uint8_t peGreen = 0;
  std::uint8_t peBlue = 0;
  std::uint8_t peFlags = 0;
};

// A logical palette description; its entry count is palPalEntry.size().
struct LOGPALETTE {
  std::uint16_t palVersion = 0x300;
  std::vector<PALETTEENTRY> palPalEntry;
};

class GLPlatform {
 public:
  virtual ~GLPlatform() = default;

  virtual HDC GetDC(HWND window) = 0;
  virtual int ReleaseDC(HWND window, HDC dc) = 0;
  virtual int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR& pfd) = 0;
  virtual int SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR& pfd) = 0;
  // Overwrites *pfd with the actual values of `format`; returns the number of formats,
  // 0 on failure.
  virtual int DescribePixelFormat(HDC dc, int format, unsigned size,
                                  PIXELFORMATDESCRIPTOR* pfd) = 0;

  virtual HGLRC wglCreateContext(HDC dc) = 0;
  // Whether this system can make rendering contexts at all, asked before any window
  // holds a panel.
  virtual bool CanCreateContexts() = 0;
  // Null and null leave the calling thread without a current context.
  virtual int wglMakeCurrent(HDC dc, HGLRC rc) = 0;
  virtual int wglDeleteContext(HGLRC rc) = 0;
  virtual int wglShareLists(HGLRC first, HGLRC second) = 0;
  virtual int SwapBuffers(HDC dc) = 0;

  virtual HPALETTE GetStockObject(int object) = 0;
  virtual HPALETTE CreatePalette(const LOGPALETTE& description) = 0;
  virtual HPALETTE SelectPalette(HDC dc, HPALETTE palette, bool forceBackground) = 0;
  virtual int RealizePalette(HDC dc) = 0;
  virtual int DeleteObject(HPALETTE palette) = 0;
  virtual void InvalidateRect(HWND window, bool erase) = 0;

  virtual int GetLastError() = 0;
};
