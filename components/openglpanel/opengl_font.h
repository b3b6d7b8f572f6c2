#pragma once
// Fonts built as display lists, one list per character. The panel owns one of each
// kind and destroys them with its context.

#include <cstdint>
#include <vector>

struct GlyphMetricsFloat {
  float gmfBlackBoxX, gmfBlackBoxY;
  float gmfptGlyphOriginX, gmfptGlyphOriginY;
  float gmfCellIncX, gmfCellIncY;
};

struct OpenGLFont2D {
  std::int32_t FirstGlyph = 0;
  std::int32_t NumGlyphs = 0;
  std::uint32_t ListBase = 0;
};

struct OpenGLFont3D {
  std::int32_t FirstGlyph = 0;
  std::int32_t NumGlyphs = 0;
  std::uint32_t ListBase = 0;
  float Extrusion = 0;
  std::vector<GlyphMetricsFloat> GlyphMetrics;
};

// Delete the font's display lists in whatever context is current, then the record.
// Null does nothing.
void DestroyFont(OpenGLFont2D* font);
void DestroyFont(OpenGLFont3D* font);
