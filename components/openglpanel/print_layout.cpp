#include "components/openglpanel/print_layout.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr double kMarginInches = 0.18;
constexpr int kDefaultPixelsPerInch = 96;

QSize FitSize(int width, int height, int pw, int ph) {
  if (width <= 0 || height <= 0)
    return {0, 0};
  QSize size;
  int k = 0;
  if (pw > ph) {
    k = ph / height;
    size = {k * width, ph};
  } else {
    k = pw / width;
    size = {pw, k * height};
  }
  if (k > 0 && size.width() <= pw && size.height() <= ph)
    return size;
  // No whole multiple fits: a picture larger than the page would otherwise print empty
  // or run off it. Scale to the side that binds, in exact integer arithmetic.
  pw = std::max(pw, 0);
  ph = std::max(ph, 0);
  if (std::int64_t{pw} * height <= std::int64_t{ph} * width)
    return {pw, int(std::int64_t{height} * pw / width)};
  return {int(std::int64_t{width} * ph / height), ph};
}

}  // namespace

PrintPlacement PlacePrintedImage(TOpenGLPanel::TOpenGLPrintScale scale, int width, int height,
                                 int dpiX, int dpiY, int printableWidth, int printableHeight,
                                 int& pixelsPerInch) {
  const int mx = int(dpiX * kMarginInches);
  const int my = int(dpiY * kMarginInches);
  QSize size(width, height);
  switch (scale) {
    case TOpenGLPanel::pglPrintToFit:
      size = FitSize(width, height, printableWidth - 2 * mx, printableHeight - 2 * my);
      break;
    case TOpenGLPanel::pglProportional:
      if (pixelsPerInch <= 0)
        pixelsPerInch = kDefaultPixelsPerInch;
      size = {int(double(width) / pixelsPerInch * dpiX),
              int(double(height) / pixelsPerInch * dpiY)};
      break;
    default:
      break;
  }
  return {mx, my, mx + size.width(), my + size.height()};
}
