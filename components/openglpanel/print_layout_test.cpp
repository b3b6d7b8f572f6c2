#include "components/openglpanel/print_layout.h"

#include <gtest/gtest.h>

namespace {

using P = TOpenGLPanel;
using Rect = std::array<int, 4>;  // left, top, right, bottom

TEST(PrintLayout, EachScalePlacesThePictureInsideTheMargins) {
  int ppi = 96;
  const auto place = [&](P::TOpenGLPrintScale scale, int w, int h, int dpi, int pw, int ph) {
    const PrintPlacement p = PlacePrintedImage(scale, w, h, dpi, dpi, pw, ph, ppi);
    return Rect{p.left, p.top, p.right, p.bottom};
  };
  // Letter paper at 720 dpi is printable 7920 x 5760; the margin is int(720 x 0.18) = 129.
  EXPECT_EQ(place(P::pglNone, 405, 400, 720, 5760, 7920), (Rect{129, 129, 534, 529}));
  // 405 / 96 x 720 = 3037.5 and 400 / 96 x 720 = 3000.
  EXPECT_EQ(place(P::pglProportional, 405, 400, 720, 5760, 7920), (Rect{129, 129, 3166, 3129}));
  // 7662 x 5502 inside the margins: 400 fits 13 times into 5502, and so does 405.
  EXPECT_EQ(place(P::pglPrintToFit, 405, 400, 720, 7920, 5760), (Rect{129, 129, 5394, 5631}));
  EXPECT_EQ(place(P::pglPrintToFit, 405, 400, 720, 5760, 7920), (Rect{129, 129, 5631, 5329}));
  // No whole multiple fits (at 72 dpi, margin 12; or 13 heights run off the width): the
  // picture is scaled down to fit. An empty one gives an empty rectangle.
  EXPECT_EQ(place(P::pglPrintToFit, 405, 400, 72, 300, 250), (Rect{12, 12, 12 + 228, 12 + 226}));
  EXPECT_EQ(place(P::pglPrintToFit, 1000, 100, 720, 7920, 5760), (Rect{129, 129, 7791, 895}));
  EXPECT_EQ(place(P::pglPrintToFit, 0, 0, 720, 7920, 5760), (Rect{129, 129, 129, 129}));
  // Pixels per inch that are not positive become 96.
  ppi = -5;
  EXPECT_EQ(place(P::pglProportional, 192, 96, 300, 2000, 2000), (Rect{54, 54, 654, 354}));
  EXPECT_EQ(ppi, 96);
}

}  // namespace
