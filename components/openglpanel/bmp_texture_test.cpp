#include "components/openglpanel/bmp_texture.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

QImage Quad() {  // red, green on top; blue, white below
  QImage image(2, 2, QImage::Format_RGB32);
  const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)};
  for (int i = 0; i < 4; ++i) image.setPixel(i % 2, i / 2, colours[i]);
  return image;
}

// The picture's pixels as a texture holds them: packed RGB, bottom row first.
Bytes TextureBytes(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888).mirrored();
  Bytes bytes;
  for (int y = 0; y < rgb.height(); ++y)
    bytes.insert(bytes.end(), rgb.constScanLine(y), rgb.constScanLine(y) + 3 * rgb.width());
  return bytes;
}

// The file Qt's own BMP writer makes of `image`.
Bytes QtBmp(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, "BMP"));
  return Bytes(bytes.begin(), bytes.end());
}

// A bitmap file: a 40-byte header, the bit-field masks when given, the stored rows.
Bytes Bmp(std::int32_t width, std::int32_t height, int bits, const Bytes& rows,
          std::vector<std::uint32_t> masks = {}) {
  const std::uint32_t pixels_at = 54 + 4 * masks.size();
  Bytes b{'B', 'M'};
  const auto put = [&](std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) b.push_back(std::uint8_t(value >> (8 * i)));
  };
  for (std::uint32_t field : {pixels_at + std::uint32_t(rows.size()), 0u, pixels_at, 40u,
                              std::uint32_t(width), std::uint32_t(height)})
    put(field, 4);
  put(1, 2);
  put(bits, 2);
  put(masks.empty() ? 0 : 3, 4);
  b.resize(54);
  for (std::uint32_t mask : masks) put(mask, 4);
  b.insert(b.end(), rows.begin(), rows.end());
  return b;
}

TEST(BMPTexture, EveryStoredVariantGivesThePicturesPixels) {
  QImage odd(3, 2, QImage::Format_RGB32);  // 9-byte texture rows, no padding to 4
  for (int x = 0; x < 6; ++x) odd.setPixel(x % 3, x / 3, qRgb(40 * x, x, 2));
  QImage mono(9, 1, QImage::Format_Mono);  // a row across a byte boundary
  mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  mono.fill(0);
  mono.setPixel(8, 0, 1);
  for (const QImage& image : {Quad(), odd, mono, Quad().convertToFormat(QImage::Format_Indexed8)}) {
    const auto t = DecodeBMPTexture(QtBmp(image), false);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(std::tuple(t->Width, t->Height, t->Components, t->Format),
              std::tuple(image.width(), image.height(), 3, kGLRGB));
    EXPECT_EQ(t->Data, TextureBytes(image)) << image.format();
  }
  // Rows stored top first in 24 bits; 5-5-5 in 16 bits; 32 bits with red in the top
  // byte and blue in the second.
  const Bytes quad = TextureBytes(Quad());
  for (const Bytes& file :
       {Bmp(2, -2, 24, {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0}),
        Bmp(2, 2, 16, {0x1F, 0x00, 0xFF, 0x7F, 0x00, 0x7C, 0xE0, 0x03}),
        Bmp(2, 2, 32, {0, 0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0xFF, 0},
            {0xFF000000, 0x00FF0000, 0x0000FF00})})
    EXPECT_EQ(DecodeBMPTexture(file, false)->Data, quad);
  // With alpha, always opaque.
  const auto rgba = DecodeBMPTexture(QtBmp(Quad()), true);
  EXPECT_EQ(std::pair(rgba->Components, rgba->Format), std::pair(4, kGLRGBA));
  EXPECT_EQ(rgba->Data,
            (Bytes{0, 0, 255, 255, 255, 255, 255, 255, 255, 0, 0, 255, 0, 255, 0, 255}));
}

TEST(BMPTexture, TruncatedMalformedOrOversizedFilesGiveNull) {
  QTemporaryDir dir;  // files: a folder is none; a missing one neither
  ASSERT_TRUE(Quad().save(dir.filePath(QStringLiteral("quad.bmp")), "BMP"));
  EXPECT_EQ(LoadBMPTexture(dir.filePath(QStringLiteral("quad.bmp")).toStdString(), false)->Data,
            TextureBytes(Quad()));
  EXPECT_EQ(LoadBMPTexture(dir.path().toStdString(), false), nullptr);
  EXPECT_EQ(LoadBMPTexture("/nonexistent/picture.bmp", false), nullptr);
  const Bytes good = QtBmp(Quad());
  for (std::size_t length = 0; length < good.size(); ++length)
    EXPECT_EQ(DecodeBMPTexture(std::span(good).first(length), false), nullptr) << length;
  Bytes wrong = good, rle = Bmp(2, 2, 8, Bytes(1024 + 8));
  wrong[0] = 'X';
  rle[30] = 1;  // run-length compression is not read
  // Neither are zero sizes, 7 bits a pixel, or dimensions far beyond the file's bytes.
  for (const Bytes& file : {wrong, rle, Bmp(0, 2, 24, Bytes(16)), Bmp(2, 0, 24, Bytes(16)),
                            Bmp(2, 2, 7, Bytes(16)), Bmp(0x7FFFFFFF, -0x7FFFFFFF, 32, Bytes(16)),
                            Bmp(2, std::numeric_limits<std::int32_t>::min(), 8, Bytes(16))})
    EXPECT_EQ(DecodeBMPTexture(file, false), nullptr);
  // An index past a short palette reads as black.
  Bytes short_palette = Bmp(2, 1, 8, {255, 255, 255, 0, /* row: */ 0, 1, 0, 0});
  short_palette[46] = 1;  // one colour used: white, then the row
  short_palette[10] = 58;
  EXPECT_EQ(DecodeBMPTexture(short_palette, false)->Data, (Bytes{255, 255, 255, 0, 0, 0}));
}

}  // namespace
