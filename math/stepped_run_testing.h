#pragma once
// Tests of a simulation on an instance of their own: default conditions, a world,
// and a millisecond clock the test moves by hand.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "math/math3d.h"

namespace math3d {

inline void ExpectNear(const Vector3& actual, const Vector3& expected, double tolerance) {
  for (unsigned i = 0; i < 3; ++i) EXPECT_NEAR(actual[i], expected[i], tolerance) << i;
}
inline bool SameBits(const Matrix3x3& a, const Matrix3x3& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

template <class Simulation>
class SteppedRunTest : public ::testing::Test {
 protected:
  SteppedRunTest() {
    run.SetUpSimulation();
    run.AdvanceFrame();  // the first frame only starts the clock
  }
  void Frame(std::uint32_t ms) {
    now_ms += ms;
    run.AdvanceFrame();
  }
  void RunFor(double seconds, std::uint32_t frame_ms = 1) {
    for (auto i = std::uint64_t(seconds * 1000.0 / frame_ms + 0.5); i > 0; --i) Frame(frame_ms);
  }

  std::uint32_t now_ms = 1000;
  Simulation run{[this] { return now_ms; }};
  decltype(run.state)& s = run.state;
};

}  // namespace math3d
