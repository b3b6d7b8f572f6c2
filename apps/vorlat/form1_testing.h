#pragma once
// The real Vorlat window for the tests, and where the top's points land on it.

#include <QPoint>

#include "apps/vorlat/form1.h"
#include "shell/form_fixture.h"

using VorlatWindowTest = shell::testing::FormFixture<TForm1>;

namespace vorlat_testing {

// The camera rests 1.74 from the pivot.
inline QPoint Screen(double y, double z) {
  return shell::testing::ScreenPoint(y, z, 1.74);
}

}  // namespace vorlat_testing
