#pragma once
// Fonts built as display lists, one list per character code: character c is drawn by
// list ListBase + (c - FirstGlyph). The panel owns one of each kind and destroys them
// with its context; fonts an application builds are the application's.

#include <cstdint>
#include <vector>

// Outline metrics of one character, in em units.
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

// Calls the lists of the text's characters in order. Nothing is drawn for a null font,
// a null or empty text, or a text with any character outside the font's range. The list
// base is kept; so is the front-face winding when `keepFrontFace`.
void CallGlyphLists(std::int32_t first, std::int32_t count, std::uint32_t listBase,
                    const char* text, bool keepFrontFace);

// Width (advances of all characters but the last, plus the last one's black box),
// height the same way, and depth the extrusion. Untouched for a null font, text or
// size, or an empty text; (0, 0, 0) when a character is outside the range.
void MeasureText(const OpenGLFont3D* font, const char* text, double* size);
