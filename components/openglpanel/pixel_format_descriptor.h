#pragma once
// The 40-byte pixel-format descriptor the panel hands to its platform layer, with the
// flag and pixel-type values of the window system's OpenGL binding.

#include <cstdint>

struct PIXELFORMATDESCRIPTOR {
  std::uint16_t nSize = sizeof(PIXELFORMATDESCRIPTOR);
  std::uint16_t nVersion = 1;
  std::uint32_t dwFlags = 0;
  std::uint8_t iPixelType = 0;
  std::uint8_t cColorBits = 0;
  std::uint8_t cRedBits = 0;
  std::uint8_t cRedShift = 0;
  std::uint8_t cGreenBits = 0;
  std::uint8_t cGreenShift = 0;
  std::uint8_t cBlueBits = 0;
  std::uint8_t cBlueShift = 0;
  std::uint8_t cAlphaBits = 0;
  std::uint8_t cAlphaShift = 0;
  std::uint8_t cAccumBits = 0;
  std::uint8_t cAccumRedBits = 0;
  std::uint8_t cAccumGreenBits = 0;
  std::uint8_t cAccumBlueBits = 0;
  std::uint8_t cAccumAlphaBits = 0;
  std::uint8_t cDepthBits = 0;
  std::uint8_t cStencilBits = 0;
  std::uint8_t cAuxBuffers = 0;
  std::uint8_t iLayerType = 0;
  std::uint8_t bReserved = 0;
  std::uint32_t dwLayerMask = 0;
  std::uint32_t dwVisibleMask = 0;
  std::uint32_t dwDamageMask = 0;
};
static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40);

inline constexpr std::uint8_t PFD_TYPE_RGBA = 0;
inline constexpr std::uint8_t PFD_TYPE_COLORINDEX = 1;

inline constexpr std::uint32_t PFD_DOUBLEBUFFER = 0x1;
inline constexpr std::uint32_t PFD_STEREO = 0x2;
inline constexpr std::uint32_t PFD_DRAW_TO_WINDOW = 0x4;
inline constexpr std::uint32_t PFD_DRAW_TO_BITMAP = 0x8;
inline constexpr std::uint32_t PFD_SUPPORT_GDI = 0x10;
inline constexpr std::uint32_t PFD_SUPPORT_OPENGL = 0x20;
inline constexpr std::uint32_t PFD_GENERIC_FORMAT = 0x40;
inline constexpr std::uint32_t PFD_NEED_PALETTE = 0x80;
inline constexpr std::uint32_t PFD_NEED_SYSTEM_PALETTE = 0x100;
inline constexpr std::uint32_t PFD_SWAP_LAYER_BUFFERS = 0x800;
inline constexpr std::uint32_t PFD_GENERIC_ACCELERATED = 0x1000;
