#pragma once
// The real Tamsel window for the tests, and where the room's points land on it.

#include <QColor>
#include <QPoint>

#include <cmath>

#include "apps/tamsel/form1.h"
#include "shell/form_fixture.h"
#include "freebody/world.h"

using TamselWindowTest = shell::testing::FormFixture<tamsel::TForm1>;

namespace tamsel_testing {

// The lit block is yellow; the room and the axes are drawn unlit.
inline const QColor Yellow(230, 230, 0);

inline bool SameOrientation(const freebody::Matrix3x3& a, const freebody::Matrix3x3& b) {
  for (unsigned row = 0; row < 3; ++row)
    for (unsigned column = 0; column < 3; ++column)
      if (std::abs(a(row, column) - b(row, column)) > 1e-5f)
        return false;
  return true;
}

inline QPoint Screen(double y, double z) {
  return shell::testing::ScreenPoint(y, z, 10.0);
}

}  // namespace tamsel_testing
