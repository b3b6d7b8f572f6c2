#pragma once
// Where the captured picture goes on a printed page.

#include "components/openglpanel/opengl_panel.h"

// Printer pixels from the printable area's top-left corner; right and bottom exclusive.
struct PrintPlacement {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// A margin of 0.18 inch, then by `scale`: pglNone one printer pixel per picture pixel;
// pglProportional the picture's size in inches at `pixelsPerInch` (set to 96 when it is
// not positive); pglPrintToFit the whole printable height (or width, whichever is
// smaller) with the other side a whole multiple of the picture's, or, when no whole
// multiple fits, the picture scaled down to fit with its proportions kept.
PrintPlacement PlacePrintedImage(TOpenGLPanel::TOpenGLPrintScale scale, int width, int height,
                                 int dpiX, int dpiY, int printableWidth, int printableHeight,
                                 int& pixelsPerInch);
