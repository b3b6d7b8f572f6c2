#pragma once
// Tests share the program-wide state: each starts from the start-up state with a
// new world and a clock it moves by hand.

#include <gtest/gtest.h>

#include <cstdint>

#include "freebody/commands.h"
#include "freebody/step.h"
#include "freebody/world.h"

namespace freebody {

inline bool SameMatrix(const Matrix3x3& a, const Matrix3x3& b) {
  for (unsigned i = 0; i < 3; ++i)
    for (unsigned j = 0; j < 3; ++j)
      if (a(i, j) != b(i, j))
        return false;
  return true;
}

inline bool IsIdentity(const Matrix3x3& m) { return SameMatrix(m, Matrix3x3()); }

class FreeBodyTest : public testing::Test {
 protected:
  void SetUp() override {
    RestoreStartUpState();
    SetClock([this] { return now_ms_; });
    SetUpSimulation();
    AdvanceFrame();  // the first frame only starts the clock
  }
  void TearDown() override {
    ReleaseScene();
    SetClock(math3d::SystemMilliseconds);
  }

  // Moves the clock on and advances the world to it, as a paint does.
  void FrameAfter(std::uint32_t ms) {
    now_ms_ += ms;
    AdvanceFrame();
    pWorld->WriteBackOrientations();
  }
  // Frames of `frame_ms` until `seconds` have passed; calls `watch` after each.
  template <class Watch = void (*)()>
  void RunFor(double seconds, std::uint32_t frame_ms, Watch&& watch = [] {}) {
    for (auto i = std::uint64_t(seconds * 1000.0 / frame_ms + 0.5); i > 0; --i) {
      FrameAfter(frame_ms);
      watch();
    }
  }

  std::uint32_t now_ms_ = 1000;
};

}  // namespace freebody
