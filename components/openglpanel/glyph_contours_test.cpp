#include "components/openglpanel/glyph_contours.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Points of the flattened circle of radius r; each chord's midpoint, where a chord
// strays most, stays within a positive deviation (Qt's cubic circle is itself within
// 3e-4 r of the true one).
std::size_t CirclePoints(double r, double deviation) {
  QPainterPath path;
  path.addEllipse(QPointF(0, 0), r, r);
  const Contour circle = FlattenPath(path, deviation).at(0);
  for (std::size_t i = 0; i < circle.size() && deviation > 0; ++i) {
    const QPointF mid = (circle[i] + circle[(i + 1) % circle.size()]) / 2;
    EXPECT_LE(std::abs(r - std::hypot(mid.x(), mid.y())), deviation + 3e-4 * r);
  }
  return circle.size();
}

TEST(FlattenPath, CurvesStayWithinTheDeviationWithFewerPointsForALargerOne) {
  EXPECT_GT(CirclePoints(1, 0.001), CirclePoints(1, 0.01));
  EXPECT_GT(CirclePoints(1, 0.01), CirclePoints(1, 0.05));
  // No positive deviation means the finest; a huge one leaves each curve its chord.
  for (double deviation : {0.0, -1.0, std::nan("")})
    EXPECT_GE(CirclePoints(1, deviation), CirclePoints(1, 0.001)) << deviation;
  EXPECT_EQ(CirclePoints(1, 10), 4u);
  EXPECT_LE(CirclePoints(1e6, 1e-300), 4u << 12);  // bounded work for a tiny one
}

TEST(FlattenPath, EachSubpathIsOneOpenPolygon) {
  QPainterPath path;
  path.addRect(0, 0, 2, 1);
  path.addRect(5, 5, 1, 1);
  path.moveTo(9, 9);  // a lone point is no contour
  path.moveTo(8, 8);
  path.lineTo(9, 8);  // neither is a segment
  const std::vector<Contour> contours = FlattenPath(path, 0.01);
  ASSERT_EQ(contours.size(), 2u);
  EXPECT_EQ(contours[0], (Contour{{0, 0}, {2, 0}, {2, 1}, {0, 1}}));
  EXPECT_EQ(contours[1].size(), 4u);
  EXPECT_TRUE(FlattenPath(QPainterPath(), 0.01).empty());
}

}  // namespace
