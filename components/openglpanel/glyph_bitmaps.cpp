#include "components/openglpanel/glyph_bitmaps.h"

#include "components/openglpanel/glyph_code.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <GL/gl.h>

#include <vector>

namespace {

// One glyph as glBitmap takes it: rows bottom first, 8 pixels a byte, high bit leftmost,
// rows padded to whole bytes.
struct GlyphBitmap {
  int width = 0, height = 0;
  float xorig = 0, yorig = 0;
  std::vector<GLubyte> bits;
};

GlyphBitmap Rasterise(const QFont& font, const QFontMetrics& metrics, const QString& text) {
  // The ink box relative to the baseline origin (y down), with a pixel to spare
  // on every side for rounding in the rasteriser.
  const QRect box = metrics.boundingRect(text).adjusted(-1, -1, 1, 1);
  QImage image(box.size(), QImage::Format_Grayscale8);
  image.fill(0);
  {
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(-box.left(), -box.top(), text);
  }
  GlyphBitmap glyph;
  glyph.width = box.width();
  glyph.height = box.height();
  // Image row y covers [top + y, top + y + 1) below the baseline, so the bottom row
  // sits top + height pixels under the raster position.
  glyph.xorig = float(-box.left());
  glyph.yorig = float(box.top() + box.height());
  const int stride = (glyph.width + 7) / 8;
  glyph.bits.assign(std::size_t(stride) * glyph.height, 0);
  for (int row = 0; row < glyph.height; ++row) {
    const uchar* line = image.constScanLine(glyph.height - 1 - row);
    for (int x = 0; x < glyph.width; ++x)
      if (line[x] >= 128)
        glyph.bits[std::size_t(row) * stride + x / 8] |= GLubyte(0x80 >> (x % 8));
  }
  return glyph;
}

}  // namespace

void UseFontBitmaps(const QFont& font, std::int32_t first, std::int32_t count,
                    std::uint32_t listBase) {
  QFont crisp(font);
  crisp.setStyleStrategy(QFont::NoAntialias);
  const QFontMetrics metrics(crisp);

  // Pixel storage is read when a list is compiled: make it match the bitmaps.
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
  glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
  for (std::int32_t i = 0; i < count; ++i) {
    const QString text = GlyphText(std::int64_t{first} + i);
    glNewList(listBase + static_cast<std::uint32_t>(i), GL_COMPILE);
    if (!text.isEmpty()) {
      const GlyphBitmap glyph = Rasterise(crisp, metrics, text);
      glBitmap(glyph.width, glyph.height, glyph.xorig, glyph.yorig,
               float(metrics.horizontalAdvance(text)), 0, glyph.bits.data());
    }
    glEndList();
  }
  glPopClientAttrib();
}
