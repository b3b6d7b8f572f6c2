// TOpenGLPanel: fonts as display lists, and drawing and measuring text with them.
#include "components/openglpanel/glyph_bitmaps.h"
#include "components/openglpanel/glyph_outlines.h"
#include "components/openglpanel/opengl_font.h"
#include "components/openglpanel/opengl_panel.h"

#include <GL/gl.h>

namespace {

// Every 16-bit character code; a larger block would only build empty lists, for ever.
constexpr std::int32_t kMaxGlyphs = 0x10000;

// A block of `count` new lists, 0 when none can be had.
GLuint GenLists(std::int32_t count) {
  return count > 0 && count <= kMaxGlyphs ? glGenLists(count) : 0;
}

}  // namespace

OpenGLFont3D* TOpenGLPanel::Create3DFont(const QFont* font, std::int32_t first, std::int32_t count,
                                         float deviation, float extrusion, std::int32_t format) {
  if (font == nullptr)
    return nullptr;
  const GLuint base = GenLists(count);
  if (base == 0)
    return nullptr;
  auto* record = new OpenGLFont3D{first, count, base, extrusion, {}};
  record->GlyphMetrics.resize(static_cast<std::size_t>(count));
  UseFontOutlines(*font, first, count, base, deviation, extrusion, format,
                  record->GlyphMetrics.data());
  return record;
}

void TOpenGLPanel::Create3DFont() {
  DestroyFont(FFont3D);
  FFont3D = Create3DFont(&FFont3D_Type, FFont3D_FirstGylph, FFont3D_NumGylph, FFont3D_MaxDeviation,
                         FFont3D_Extrustion, FWGLFontFormat);
}

OpenGLFont2D* TOpenGLPanel::Create2DFont(const QFont* font, std::int32_t first,
                                         std::int32_t count) {
  if (font == nullptr)
    return nullptr;
  const GLuint base = GenLists(count);
  if (base == 0)
    return nullptr;
  UseFontBitmaps(*font, first, count, base);
  return new OpenGLFont2D{first, count, base};
}

void TOpenGLPanel::Create2DFont() {
  DestroyFont(FFont2D);
  FFont2D = Create2DFont(&FFont2D_Type, FFont2D_FirstGylph, FFont2D_NumGylph);
}

void TOpenGLPanel::Draw3DText(const OpenGLFont3D* font, const char* text) {
  if (font != nullptr)
    CallGlyphLists(font->FirstGlyph, font->NumGlyphs, font->ListBase, text, true);
}

void TOpenGLPanel::Draw3DText(const char* text) {
  Draw3DText(FFont3D, text);
}

void TOpenGLPanel::Draw2DText(const OpenGLFont2D* font, const char* text) {
  if (font != nullptr)
    CallGlyphLists(font->FirstGlyph, font->NumGlyphs, font->ListBase, text, false);
}

void TOpenGLPanel::Draw2DText(const char* text) {
  Draw2DText(FFont2D, text);
}

void TOpenGLPanel::Get3DTextSize(const OpenGLFont3D* font, const char* text, double* size) {
  MeasureText(font, text, size);
}

void TOpenGLPanel::Get3DTextSize(const char* text, double* size) {
  MeasureText(FFont3D, text, size);
}

void TOpenGLPanel::SetFont3DType(const QFont& font) {
  FFont3D_Type = font;
}

void TOpenGLPanel::SetFont(const QFont& font) {
  FFont2D_Type = font;
}

void TOpenGLPanel::SetFont3DFormat(TFont3DFormat value) {
  FFont3D_Format = value;
  FWGLFontFormat = value == f_WGL_FONT_LINES ? 0 : 1;
}
