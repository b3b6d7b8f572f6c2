#include "components/openglpanel/palette_ramp.h"

namespace {

// A logical palette counts its entries in 16 bits.
constexpr int kMaxPaletteBits = 15;

struct Channel {
  unsigned mask;
  unsigned shift;

  std::uint8_t Level(unsigned index) const {
    if (mask == 0)
      return 0;
    const unsigned field = shift < 16 ? (index >> shift) & mask : 0;
    return static_cast<std::uint8_t>(field * 255u / mask);
  }
};

Channel MakeChannel(std::uint8_t bits, std::uint8_t shift) {
  // Fields wider than the index carry no more than its 16 bits.
  const unsigned width = bits < 16 ? bits : 16;
  return {(1u << width) - 1u, shift};
}

}  // namespace

std::optional<LOGPALETTE> BuildPaletteRamp(const PIXELFORMATDESCRIPTOR& pfd) {
  if (pfd.cColorBits > kMaxPaletteBits)
    return std::nullopt;
  const unsigned count = 1u << pfd.cColorBits;
  const Channel red = MakeChannel(pfd.cRedBits, pfd.cRedShift);
  const Channel green = MakeChannel(pfd.cGreenBits, pfd.cGreenShift);
  const Channel blue = MakeChannel(pfd.cBlueBits, pfd.cBlueShift);

  LOGPALETTE palette;
  palette.palPalEntry.resize(count);
  for (unsigned i = 0; i < count; ++i)
    palette.palPalEntry[i] = {red.Level(i), green.Level(i), blue.Level(i), 0};
  return palette;
}
