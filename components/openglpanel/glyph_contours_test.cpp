#include "components/openglpanel/glyph_contours.h"

#include <QLineF>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Largest distance from a chord's midpoint to the circle of radius r about the origin:
// for a circle that is where a chord strays most.
double LargestDeviation(const Contour& contour, double r) {
  double worst = 0;
  for (std::size_t i = 0; i < contour.size(); ++i) {
    const QPointF mid = (contour[i] + contour[(i + 1) % contour.size()]) / 2;
    worst = std::max(worst, std::abs(r - std::hypot(mid.x(), mid.y())));
  }
  return worst;
}

QPainterPath Circle(double r) {
  QPainterPath path;
  path.addEllipse(QPointF(0, 0), r, r);
  return path;
}

TEST(FlattenPath, CurvesStayWithinTheDeviation) {
  std::size_t previous_points = std::numeric_limits<std::size_t>::max();
  for (double deviation : {0.001, 0.01, 0.05}) {
    const std::vector<Contour> contours = FlattenPath(Circle(1), deviation);
    ASSERT_EQ(contours.size(), 1u);
    // Qt's cubic circle is itself within 3e-4 of the true one.
    EXPECT_LE(LargestDeviation(contours[0], 1), deviation + 3e-4) << deviation;
    EXPECT_LT(contours[0].size(), previous_points);  // coarser with a larger deviation
    previous_points = contours[0].size();
  }
}

TEST(FlattenPath, NoPositiveDeviationMeansTheFinest) {
  const std::size_t finest = FlattenPath(Circle(1), 0.001)[0].size();
  for (double deviation : {0.0, -1.0, std::nan("")})
    EXPECT_GE(FlattenPath(Circle(1), deviation)[0].size(), finest) << deviation;
  // A huge deviation leaves each curve its chord; the work stays bounded for a tiny one.
  EXPECT_EQ(FlattenPath(Circle(1), 10)[0].size(), 4u);
  EXPECT_LE(FlattenPath(Circle(1e6), 1e-300)[0].size(), 4u << 12);
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
