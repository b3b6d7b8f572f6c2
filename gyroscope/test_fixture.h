#pragma once
// For the tests: a fresh default world, paused, gravity off, window flags at their
// start values, driven by a millisecond clock the test moves by hand.

#include <gtest/gtest.h>

#include <cstdint>

#include "gyroscope/simulation.h"
#include "gyroscope/state.h"

namespace gyroscope {

inline void ExpectNear(const math3d::Vector3& actual, const math3d::Vector3& expected,
                       double tolerance) {
  for (unsigned i = 0; i < 3; ++i) EXPECT_NEAR(actual[i], expected[i], tolerance) << "component " << i;
}

class GyroscopeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Gravity = 0.0f;
    Running = false;
    ShowAxes = true;
    ShowTrajectory = true;
    SetClock([this] { return now_ms_; });
    SetUpSimulation();
  }
  void TearDown() override {
    ReleaseScene();
    SetClock(math3d::SystemMilliseconds);
  }

  // Moves the clock on by `ms` and runs a frame; the very first frame only starts the clock.
  void Frame(std::uint32_t ms = 1) {
    now_ms_ += ms;
    AdvanceFrame();
  }

  std::uint32_t now_ms_ = 0;
};

}  // namespace gyroscope
