#pragma once
// Outline glyphs of a Qt font as display lists, in em units: each list draws its
// character with the baseline origin at (0, 0), the front face in z = 0 and depth
// `extrusion` towards -z, then translates by the character's advance.

#include "components/openglpanel/opengl_font.h"

#include <QFont>

#include <cstdint>

inline constexpr int kFontLines = 0;

// Fills lists listBase ... listBase + count - 1 with the characters first ... first +
// count - 1 and metrics[0 .. count - 1] with their metrics. `format` kFontLines draws
// the outlines of the front and back faces; any other value draws solid glyphs
// (tessellated faces and side walls, with normals).
void UseFontOutlines(const QFont& font, std::int32_t first, std::int32_t count,
                     std::uint32_t listBase, float deviation, float extrusion, int format,
                     GlyphMetricsFloat* metrics);
