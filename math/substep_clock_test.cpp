#include "math/substep_clock.h"

#include <gtest/gtest.h>

#include <vector>

namespace math3d {
namespace {

std::vector<float> Frame(SubstepClock& clock, std::uint32_t now_ms, std::uint32_t max_us) {
  std::vector<float> steps;
  clock.RunFrame(now_ms, max_us, [&](float h) { steps.push_back(h); });
  return steps;
}

TEST(SubstepClockTest, FirstFrameOnlyStarts) {
  SubstepClock clock;
  EXPECT_TRUE(Frame(clock, 5000, 100).empty());
  EXPECT_TRUE(clock.Started());
  EXPECT_TRUE(Frame(clock, 5000, 100).empty());  // no clock progress, no step
  EXPECT_EQ(clock.LastTime(), 0.0);
}

TEST(SubstepClockTest, SplitsIntoFullStepsThenRemainder) {
  SubstepClock clock;
  Frame(clock, 0, 10000);
  EXPECT_EQ(Frame(clock, 25, 10000), (std::vector<float>{0.01f, 0.01f, 0.005f}));
  // A 1 ms frame at 0.1 ms steps is exactly ten steps, none longer than the maximum.
  EXPECT_EQ(Frame(clock, 26, 100), std::vector<float>(10, 0.0001f));
}

TEST(SubstepClockTest, StaysInStepAcrossLongRunsAndTheWrap) {
  SubstepClock clock;
  // Start a little before the 32-bit counter wraps, then run one-second frames.
  std::uint32_t now = 0xFFFFFF00u;
  Frame(clock, now, 10000);
  std::uint64_t steps = 0;
  for (int i = 0; i < 300; ++i) steps += Frame(clock, now += 1000, 10000).size();
  EXPECT_EQ(steps, 300u * 100u);
  EXPECT_DOUBLE_EQ(clock.LastTime(), 300.0);
  // A frame after a gap past 2^18 s still ends and covers the whole gap.
  now += 300000u * 1000u;
  EXPECT_EQ(Frame(clock, now, 10000).size(), 300000u * 100u);
  EXPECT_DOUBLE_EQ(clock.LastTime(), 300300.0);
}

}  // namespace
}  // namespace math3d
