#include "components/openglpanel/opengl_font.h"

#include <GL/gl.h>

namespace {
template <typename Font>
void DeleteListsAndRecord(Font* font) {
  if (font == nullptr)
    return;
  glDeleteLists(font->ListBase, font->NumGlyphs);
  delete font;
}
}  // namespace

void DestroyFont(OpenGLFont2D* font) {
  DeleteListsAndRecord(font);
}
void DestroyFont(OpenGLFont3D* font) {
  DeleteListsAndRecord(font);
}
