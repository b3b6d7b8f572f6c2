#pragma once
// The RGB colour ramp of a palette-based pixel format: index i is read as a packed pixel
// whose red, green and blue fields are stretched linearly onto 0..255.

#include "components/openglpanel/gl_platform.h"

#include <optional>

// 2^cColorBits entries; nothing when a logical palette cannot hold that many.
std::optional<LOGPALETTE> BuildPaletteRamp(const PIXELFORMATDESCRIPTOR& pfd);
