#pragma once
// Bitmap files as texture pixels: tightly packed RGB or RGBA bytes, bottom row first,
// with the values glTexImage2D takes. No OpenGL call is made.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

inline constexpr std::uint32_t kGLRGB = 0x1907;           // GL_RGB
inline constexpr std::uint32_t kGLRGBA = 0x1908;          // GL_RGBA
inline constexpr std::uint32_t kGLUnsignedByte = 0x1401;  // GL_UNSIGNED_BYTE

struct BMPTexture {
  std::uint32_t Reserved = 0;
  std::int32_t Components = 0;  // 3, or 4 with alpha
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::uint32_t Format = 0;  // kGLRGB or kGLRGBA
  std::uint32_t Type = 0;    // kGLUnsignedByte
  // Width x Height x Components bytes: red, green, blue and with alpha a fourth byte,
  // always 255.
  std::vector<std::uint8_t> Data;
};

// Null when the file is missing, is not a bitmap this reader takes (uncompressed or
// bit-field BMP of 1, 4, 8, 16, 24 or 32 bits a pixel), is truncated or malformed, or
// memory runs out.
std::unique_ptr<BMPTexture> LoadBMPTexture(const std::string& fileName, bool alpha);

// The same for a file's bytes already in memory.
std::unique_ptr<BMPTexture> DecodeBMPTexture(std::span<const std::uint8_t> file, bool alpha);
