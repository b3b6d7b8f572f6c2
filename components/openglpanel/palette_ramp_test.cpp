#include "components/openglpanel/palette_ramp.h"

#include <gtest/gtest.h>

namespace {

PIXELFORMATDESCRIPTOR Format(int colour, int red, int red_shift, int green, int green_shift,
                             int blue, int blue_shift) {
  PIXELFORMATDESCRIPTOR pfd;
  pfd.cColorBits = colour;
  pfd.cRedBits = red;
  pfd.cRedShift = red_shift;
  pfd.cGreenBits = green;
  pfd.cGreenShift = green_shift;
  pfd.cBlueBits = blue;
  pfd.cBlueShift = blue_shift;
  return pfd;
}

void ExpectEntry(const LOGPALETTE& palette, int index, int r, int g, int b) {
  SCOPED_TRACE(index);
  const PALETTEENTRY& entry = palette.palPalEntry.at(index);
  EXPECT_EQ(entry.peRed, r);
  EXPECT_EQ(entry.peGreen, g);
  EXPECT_EQ(entry.peBlue, b);
  EXPECT_EQ(entry.peFlags, 0);
}

TEST(PaletteRampTest, ThreeThreeTwoFormatStretchesEachFieldOntoFullRange) {
  const auto palette = BuildPaletteRamp(Format(8, 3, 0, 3, 3, 2, 6));
  ASSERT_TRUE(palette.has_value());
  EXPECT_EQ(palette->palVersion, 0x300);
  ASSERT_EQ(palette->palPalEntry.size(), 256u);
  ExpectEntry(*palette, 0, 0, 0, 0);
  ExpectEntry(*palette, 5, 182, 0, 0);
  ExpectEntry(*palette, 64, 0, 0, 85);
  ExpectEntry(*palette, 8 * 3, 0, 109, 0);
  ExpectEntry(*palette, 7 + 7 * 8, 255, 255, 0);
  ExpectEntry(*palette, 255, 255, 255, 255);
}

TEST(PaletteRampTest, ChannelWithoutBitsStaysBlack) {
  const auto palette = BuildPaletteRamp(Format(4, 4, 0, 0, 0, 0, 4));
  ASSERT_TRUE(palette.has_value());
  ASSERT_EQ(palette->palPalEntry.size(), 16u);
  ExpectEntry(*palette, 15, 255, 0, 0);
  ExpectEntry(*palette, 3, 3 * 255 / 15, 0, 0);
}

TEST(PaletteRampTest, FormatsTooDeepForALogicalPaletteGiveNone) {
  EXPECT_EQ(BuildPaletteRamp(Format(15, 5, 0, 5, 5, 5, 10))->palPalEntry.size(), 32768u);
  EXPECT_FALSE(BuildPaletteRamp(Format(16, 5, 0, 6, 5, 5, 11)).has_value());
  EXPECT_FALSE(BuildPaletteRamp(Format(32, 8, 16, 8, 8, 8, 0)).has_value());
}

}  // namespace
