#pragma once
// The one way tests compare colours: per channel, with room for the renderer's rounding.

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdlib>

namespace testkit {

inline bool Near(const QColor& a, const QColor& b, int tolerance = 4) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

// Pixels of `picture` inside `area` (all of it when empty) near `colour`.
inline int CountPixels(const QImage& picture, const QColor& colour, int tolerance = 8,
                       QRect area = {}) {
  const QRect inside = area.isNull() ? picture.rect() : area & picture.rect();
  int count = 0;
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x)
      count += Near(picture.pixelColor(x, y), colour, tolerance);
  return count;
}

}  // namespace testkit
