#include "components/openglpanel/bmp_texture.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

namespace {

using Bytes = std::vector<std::uint8_t>;

// The 2 x 2 picture: red, green on top; blue, white below.
QImage Quad() {
  QImage image(2, 2, QImage::Format_RGB32);
  image.setPixel(0, 0, qRgb(255, 0, 0));
  image.setPixel(1, 0, qRgb(0, 255, 0));
  image.setPixel(0, 1, qRgb(0, 0, 255));
  image.setPixel(1, 1, qRgb(255, 255, 255));
  return image;
}
const Bytes kQuadRgb = {0, 0, 255, 255, 255, 255, 255, 0, 0, 0, 255, 0};

// The file Qt's own BMP writer makes of `image`.
Bytes QtBmp(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, "BMP"));
  return Bytes(bytes.begin(), bytes.end());
}

void Put(Bytes& b, std::size_t at, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) b[at + i] = std::uint8_t(value >> (8 * i));
}

// A bitmap file with a 40-byte header (bit-field masks after it when given) and the
// stored rows as they come.
Bytes Bmp(std::int32_t width, std::int32_t height, int bits, const Bytes& rows,
          std::vector<std::uint32_t> masks = {}) {
  const std::size_t pixels_at = 14 + 40 + 4 * masks.size();
  Bytes b(pixels_at);
  Put(b, 0, 0x4D42, 2);
  Put(b, 2, std::uint32_t(pixels_at + rows.size()), 4);
  Put(b, 10, std::uint32_t(pixels_at), 4);
  Put(b, 14, 40, 4);
  Put(b, 18, std::uint32_t(width), 4);
  Put(b, 22, std::uint32_t(height), 4);
  Put(b, 26, 1, 2);
  Put(b, 28, std::uint32_t(bits), 2);
  Put(b, 30, masks.empty() ? 0 : 3, 4);
  for (std::size_t i = 0; i < masks.size(); ++i) Put(b, 54 + 4 * i, masks[i], 4);
  b.insert(b.end(), rows.begin(), rows.end());
  return b;
}

TEST(BMPTexture, TwoByTwoComesBottomRowFirst) {
  const auto rgb = DecodeBMPTexture(QtBmp(Quad()), false);
  ASSERT_NE(rgb, nullptr);
  EXPECT_EQ(rgb->Data, kQuadRgb);
  EXPECT_EQ(rgb->Components, 3);
  EXPECT_EQ(rgb->Format, 0x1907u);  // GL_RGB
  EXPECT_EQ(std::pair(rgb->Width, rgb->Height), std::pair(2, 2));

  const auto rgba = DecodeBMPTexture(QtBmp(Quad()), true);
  ASSERT_NE(rgba, nullptr);
  ASSERT_EQ(rgba->Data.size(), 16u);
  EXPECT_EQ(rgba->Components, 4);
  EXPECT_EQ(rgba->Format, 0x1908u);  // GL_RGBA
  for (std::size_t i = 0; i < 16; ++i)
    EXPECT_EQ(rgba->Data[i], i % 4 == 3 ? 255 : kQuadRgb[i / 4 * 3 + i % 4]) << i;
}

TEST(BMPTexture, OddWidthRowsArePackedWithoutGaps) {
  QImage image(3, 2, QImage::Format_RGB32);
  for (int x = 0; x < 3; ++x) {
    image.setPixel(x, 0, qRgb(10 * x, 1, 2));
    image.setPixel(x, 1, qRgb(100 + x, 3, 4));
  }
  const auto t = DecodeBMPTexture(QtBmp(image), false);
  ASSERT_NE(t, nullptr);
  ASSERT_EQ(t->Data.size(), 3 * 2 * 3u);  // 9-byte rows, no padding to 4
  for (std::size_t x = 0; x < 3; ++x) {
    EXPECT_EQ(t->Data[3 * x], 100 + x);  // bottom row first
    EXPECT_EQ(t->Data[3 * (3 + x)], 10 * x);
  }
}

TEST(BMPTexture, StoredVariantsGiveTheSamePixels) {
  // 8-bit and 1-bit paletted, as Qt writes them.
  EXPECT_EQ(DecodeBMPTexture(QtBmp(Quad().convertToFormat(QImage::Format_Indexed8)), false)->Data,
            kQuadRgb);
  QImage mono(9, 1, QImage::Format_Mono);  // a row across a byte boundary
  mono.setColor(0, qRgb(0, 0, 0));
  mono.setColor(1, qRgb(255, 255, 255));
  mono.fill(0);
  mono.setPixel(8, 0, 1);
  const auto t = DecodeBMPTexture(QtBmp(mono), false);
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->Data[3 * 7], 0);
  EXPECT_EQ(t->Data[3 * 8], 255);

  // Rows stored top first, 24 bits: red green / blue white, each row padded to 8 bytes.
  EXPECT_EQ(DecodeBMPTexture(Bmp(2, -2, 24,
                                 {0, 0, 255, 0, 255, 0, 0, 0,  //
                                  255, 0, 0, 255, 255, 255, 0, 0}),
                             false)
                ->Data,
            kQuadRgb);
  // 16 bits, 5-5-5 by default: blue white / red green.
  EXPECT_EQ(DecodeBMPTexture(Bmp(2, 2, 16, {0x1F, 0x00, 0xFF, 0x7F, 0x00, 0x7C, 0xE0, 0x03}), false)
                ->Data,
            kQuadRgb);
  // 32 bits with the channels in unusual places: red in the top byte, blue in the second.
  EXPECT_EQ(DecodeBMPTexture(Bmp(2, 2, 32,
                                 {0, 0xFF, 0, 0, 0, 0xFF, 0xFF, 0xFF,  //
                                  0, 0, 0, 0xFF, 0, 0, 0xFF, 0},
                                 {0xFF000000, 0x00FF0000, 0x0000FF00}),
                             false)
                ->Data,
            kQuadRgb);
}

TEST(BMPTexture, BadFilesGiveNull) {
  EXPECT_EQ(LoadBMPTexture("/nonexistent/picture.bmp", false), nullptr);
  const Bytes good = QtBmp(Quad());
  for (std::size_t length = 0; length < good.size(); ++length)
    EXPECT_EQ(DecodeBMPTexture(std::span(good).first(length), false), nullptr) << length;

  Bytes wrong = good;
  wrong[0] = 'X';
  EXPECT_EQ(DecodeBMPTexture(wrong, false), nullptr);
  EXPECT_EQ(DecodeBMPTexture(Bmp(0, 2, 24, Bytes(16)), false), nullptr);
  EXPECT_EQ(DecodeBMPTexture(Bmp(2, 0, 24, Bytes(16)), false), nullptr);
  EXPECT_EQ(DecodeBMPTexture(Bmp(2, 2, 7, Bytes(16)), false), nullptr);
  // Dimensions far beyond the bytes the file holds.
  EXPECT_EQ(DecodeBMPTexture(Bmp(0x7FFFFFFF, -0x7FFFFFFF, 32, Bytes(16)), false), nullptr);
  EXPECT_EQ(DecodeBMPTexture(Bmp(2, std::numeric_limits<std::int32_t>::min(), 8, Bytes(16)), false),
            nullptr);
  // Run-length compression is not read.
  Bytes rle = Bmp(2, 2, 8, Bytes(1024 + 8));
  Put(rle, 30, 1, 4);
  EXPECT_EQ(DecodeBMPTexture(rle, false), nullptr);
}

TEST(BMPTexture, IndexPastAShortPaletteReadsAsBlack) {
  Bytes file = Bmp(2, 1, 8, {0, 0, 0, 0, /* row: */ 0, 1, 0, 0});
  Put(file, 46, 1, 4);  // one colour used: white, then the row
  file[54] = file[55] = file[56] = 255;
  Put(file, 10, 58, 4);
  const auto t = DecodeBMPTexture(file, false);
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->Data, (Bytes{255, 255, 255, 0, 0, 0}));
}

TEST(BMPTexture, LoadsAFileButNotAFolder) {
  QTemporaryDir dir;
  const QString name = dir.filePath(QStringLiteral("quad.bmp"));
  ASSERT_TRUE(Quad().save(name, "BMP"));
  const auto t = LoadBMPTexture(name.toStdString(), false);
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->Data, kQuadRgb);
  EXPECT_EQ(LoadBMPTexture(dir.path().toStdString(), false), nullptr);
}

}  // namespace
