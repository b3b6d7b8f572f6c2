#include "components/openglpanel/glyph_contours.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace {

// Finest flattening, in the em units the outlines come in: well below a pixel at any
// size text is read at.
constexpr double kFinestDeviation = 1.0 / 1024;
// Bounds the work on a hostile or degenerate curve: 2^12 chords per curve at most.
constexpr int kMaxDepth = 12;

double DistanceToChord(QPointF p, QPointF a, QPointF b) {
  const QPointF d = b - a;
  const double length = std::hypot(d.x(), d.y());
  if (length == 0)
    return QLineF(a, p).length();
  return std::abs(d.x() * (p.y() - a.y()) - d.y() * (p.x() - a.x())) / length;
}

// A cubic lies within its control polygon's hull, so when both inner control points are
// within `deviation` of the chord, so is the curve.
void FlattenCubic(QPointF p0, QPointF p1, QPointF p2, QPointF p3, double deviation, int depth,
                  Contour& out) {
  if (depth == kMaxDepth ||
      std::max(DistanceToChord(p1, p0, p3), DistanceToChord(p2, p0, p3)) <= deviation) {
    out.push_back(p3);
    return;
  }
  const QPointF p01 = (p0 + p1) / 2, p12 = (p1 + p2) / 2, p23 = (p2 + p3) / 2;
  const QPointF p012 = (p01 + p12) / 2, p123 = (p12 + p23) / 2;
  const QPointF mid = (p012 + p123) / 2;
  FlattenCubic(p0, p01, p012, mid, deviation, depth + 1, out);
  FlattenCubic(mid, p123, p23, p3, deviation, depth + 1, out);
}

void CloseContour(Contour& contour, std::vector<Contour>& contours) {
  if (contour.size() > 1 && contour.back() == contour.front())
    contour.pop_back();
  if (contour.size() >= 3)
    contours.push_back(std::move(contour));
  contour.clear();
}

}  // namespace

std::vector<Contour> FlattenPath(const QPainterPath& path, double deviation) {
  if (!(deviation > 0))
    deviation = kFinestDeviation;
  std::vector<Contour> contours;
  Contour contour;
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    if (e.isMoveTo()) {
      CloseContour(contour, contours);
      contour.push_back(e);
    } else if (e.isLineTo()) {
      contour.push_back(e);
    } else if (e.isCurveTo() && i + 2 < path.elementCount() && !contour.empty()) {
      FlattenCubic(contour.back(), e, path.elementAt(i + 1), path.elementAt(i + 2), deviation, 0,
                   contour);
      i += 2;
    }
  }
  CloseContour(contour, contours);
  return contours;
}
