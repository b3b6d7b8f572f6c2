#include "components/openglpanel/glyph_contours.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The unit circle has fewer points for a larger deviation; no positive deviation means
// the finest; a huge one leaves each curve its chord; a tiny one takes bounded work.
TEST(FlattenPath, TheDeviationSetsHowFinelyCurvesAreCut) {
  QPainterPath circle;
  circle.addEllipse(QPointF(0, 0), 1, 1);
  const auto points = [&](double deviation) { return FlattenPath(circle, deviation).at(0).size(); };
  EXPECT_GT(points(0.01), points(0.05));
  for (double deviation : {0.0, -1.0, std::nan("")}) EXPECT_GT(points(deviation), points(0.01));
  EXPECT_EQ(points(10), 4u);
  EXPECT_LE(points(1e-300), 4u << 12);
}

}  // namespace
