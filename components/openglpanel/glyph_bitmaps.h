#pragma once
// Bitmap glyphs of a Qt font as display lists: each list draws its character with
// glBitmap from the current raster position (on the baseline) and advances the raster
// position by the character's advance.

#include <QFont>

#include <cstdint>

// Fills lists listBase ... listBase + count - 1 with the characters first ... first +
// count - 1, rasterised without antialiasing at the font's size.
void UseFontBitmaps(const QFont& font, std::int32_t first, std::int32_t count,
                    std::uint32_t listBase);
