#include "components/openglpanel/print_layout.h"

#include <gtest/gtest.h>

namespace {

using P = TOpenGLPanel;

PrintPlacement Place(P::TOpenGLPrintScale scale, int w, int h, int dpi, int pw, int ph,
                     int ppi = 96) {
  return PlacePrintedImage(scale, w, h, dpi, dpi, pw, ph, ppi);
}

void ExpectRect(const PrintPlacement& p, int left, int top, int right, int bottom) {
  EXPECT_EQ(p.left, left);
  EXPECT_EQ(p.top, top);
  EXPECT_EQ(p.right, right);
  EXPECT_EQ(p.bottom, bottom);
}

// A 405 x 400 panel on a 720 dpi printer, letter paper printable 7920 x 5760 (landscape)
// or 5760 x 7920 (portrait); the margin is 129 (720 x 0.18 = 129.6).
TEST(PrintLayout, ThreeScalesAt720Dpi) {
  ExpectRect(Place(P::pglNone, 405, 400, 720, 5760, 7920), 129, 129, 534, 529);
  // 405 / 96 x 720 = 3037.5 and 400 / 96 x 720 = 3000.
  ExpectRect(Place(P::pglProportional, 405, 400, 720, 5760, 7920), 129, 129, 129 + 3037,
             129 + 3000);
  // Landscape: 7662 x 5502 inside the margins; 400 fits 13 times into 5502.
  ExpectRect(Place(P::pglPrintToFit, 405, 400, 720, 7920, 5760), 129, 129, 129 + 13 * 405,
             129 + 5502);
  // Portrait: 405 fits 13 times into 5502.
  ExpectRect(Place(P::pglPrintToFit, 405, 400, 720, 5760, 7920), 129, 129, 129 + 5502,
             129 + 13 * 400);
  // Any other value prints pixel for pixel.
  ExpectRect(Place(P::TOpenGLPrintScale(7), 405, 400, 720, 5760, 7920), 129, 129, 534, 529);
}

TEST(PrintLayout, NonPositivePixelsPerInchBecomes96) {
  for (int bad : {0, -5}) {
    int ppi = bad;
    const PrintPlacement p =
        PlacePrintedImage(P::pglProportional, 192, 96, 300, 600, 2000, 2000, ppi);
    EXPECT_EQ(ppi, 96);
    ExpectRect(p, 54, 108, 54 + 600, 108 + 600);  // 2 x 1 inches, margins 0.18 x dpi
  }
  int kept = 72;
  PlacePrintedImage(P::pglProportional, 10, 10, 300, 300, 2000, 2000, kept);
  EXPECT_EQ(kept, 72);
}

TEST(PrintLayout, FitScalesDownWhatWouldNotFit) {
  // At 72 dpi the margin is 12; 276 x 226 are left, where 400 does not fit once.
  const PrintPlacement p = Place(P::pglPrintToFit, 405, 400, 72, 300, 250);
  ExpectRect(p, 12, 12, 12 + 228, 12 + 226);  // 0.565 of the picture
  // A wide picture on a landscape page: 13 times its height would run off the width.
  const PrintPlacement wide = Place(P::pglPrintToFit, 1000, 100, 720, 7920, 5760);
  EXPECT_EQ(wide.right - wide.left, 7662);
  EXPECT_EQ(wide.bottom - wide.top, 766);
  // An empty picture gives an empty rectangle, not a division by zero.
  ExpectRect(Place(P::pglPrintToFit, 0, 0, 720, 7920, 5760), 129, 129, 129, 129);
}

}  // namespace
