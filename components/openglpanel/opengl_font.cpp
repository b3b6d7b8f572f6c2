#include "components/openglpanel/opengl_font.h"

#include <GL/gl.h>

#include <cstring>

namespace {

template <typename Font>
void DeleteListsAndRecord(Font* font) {
  if (font == nullptr)
    return;
  glDeleteLists(font->ListBase, font->NumGlyphs);
  delete font;
}

// Index of character `c` in a font, or -1 when the font has no list for it. Wide
// arithmetic: FirstGlyph may be anywhere in the 32-bit range.
std::int64_t GlyphIndex(std::int32_t first, std::int32_t count, char c) {
  const std::int64_t index = std::int64_t{static_cast<unsigned char>(c)} - first;
  return index >= 0 && index < count ? index : -1;
}

bool AllInRange(std::int32_t first, std::int32_t count, const char* text, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i)
    if (GlyphIndex(first, count, text[i]) < 0)
      return false;
  return true;
}

}  // namespace

void DestroyFont(OpenGLFont2D* font) {
  DeleteListsAndRecord(font);
}
void DestroyFont(OpenGLFont3D* font) {
  DeleteListsAndRecord(font);
}

void CallGlyphLists(std::int32_t first, std::int32_t count, std::uint32_t listBase,
                    const char* text, bool keepFrontFace) {
  const std::size_t length = text ? std::strlen(text) : 0;
  if (length == 0 || !AllInRange(first, count, text, length))
    return;
  glPushAttrib(GL_LIST_BIT);
  GLint front_face = GL_CCW;
  if (keepFrontFace)
    glGetIntegerv(GL_FRONT_FACE, &front_face);
  glListBase(listBase - static_cast<std::uint32_t>(first));  // wraps as list names do
  glCallLists(static_cast<GLsizei>(length), GL_UNSIGNED_BYTE, text);
  if (keepFrontFace)
    glFrontFace(static_cast<GLenum>(front_face));
  glPopAttrib();
}

void MeasureText(const OpenGLFont3D* font, const char* text, double* size) {
  if (font == nullptr || size == nullptr || text == nullptr || *text == '\0')
    return;
  size[0] = size[1] = 0;
  size[2] = font->Extrusion;
  for (const char* c = text; *c != '\0'; ++c) {
    const std::int64_t index = GlyphIndex(font->FirstGlyph, font->NumGlyphs, *c);
    if (index < 0) {
      size[0] = size[1] = size[2] = 0;
      return;
    }
    const GlyphMetricsFloat& m = font->GlyphMetrics[static_cast<std::size_t>(index)];
    const bool last = c[1] == '\0';
    size[0] += last ? m.gmfBlackBoxX : m.gmfCellIncX;
    size[1] += last ? m.gmfBlackBoxY : m.gmfCellIncY;
  }
}
