#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "shell/camera.h"
#include "shell/frame_pacer.h"

namespace shell {
namespace {

// A second of held keys moves the view as far whether it comes in 60 frames or 600
// (the window's test covers each key's rate).
TEST(CameraTest, MovesPerSecondWhateverTheFrameRate) {
  constexpr float Distance = -10.0f, Zoom = 6.0f;
  for (const int frames : {60, 600}) {
    Camera camera(Distance, Zoom);
    camera.KeyDown(VK_LEFT);
    camera.KeyDown(VK_I);
    for (int frame = 0; frame < frames; ++frame) camera.Tick(1.0 / frames);
    EXPECT_NEAR(camera.ViewYaw, TurnSpeed, 1e-3f) << frames;  // float sums
    EXPECT_NEAR(camera.ViewDistance, Distance + Zoom, 1e-3f) << frames;
  }
}

// Times in refresh periods of a 60 Hz display.
constexpr double P = 1.0 / 60.0;

// One pacer through a run of ticks: what each one presents, and the seconds it covers.
TEST(FramePacerTest, PresentsAtMostOneFramePerRefresh) {
  const struct {
    double at;                      // in periods
    std::optional<double> elapsed;  // in periods; nothing when the tick presents nothing
  } ticks[] = {
      {0.0, 0.0},     // the first tick presents
      {0.5, {}},      // before the next refresh
      {1.0, 1.0},     // at it
      {2.2, 1.2},     // late
      {2.9, {}},      // the next refresh keeps the rhythm: not yet...
      {3.01, 0.81},   // ...but sooner than a period after the late frame
      {13.5, 10.49},  // after a stall, one frame...
      {14.4, {}},     // ...and no burst to catch up
      {14.51, 1.01},
  };
  double now = 0.0;
  FramePacer pacer([&] { return now; });
  for (const auto& [at, elapsed] : ticks) {
    now = at * P;
    const double none = -1.0;
    EXPECT_NEAR(pacer.FrameDue(60.0).value_or(none), elapsed ? *elapsed * P : none, 1e-12) << at;
  }
}

// A screen's rate sets the period; one that is unknown or absurd counts as 60 Hz.
// Unpaced, every tick presents.
TEST(FramePacerTest, PeriodFollowsTheScreenUnlessUnpaced) {
  const struct {
    double refresh_rate, period;
    bool paced;
  } cases[] = {{144.0, 1 / 144.0, true}, {0.0, P, true}, {-60.0, P, true},  {NAN, P, true},
               {1e6, P, true},           {5.0, P, true}, {60.0, 0.0, false}};
  for (const auto& [refresh_rate, period, paced] : cases) {
    SCOPED_TRACE(refresh_rate);
    double now = 0.0;
    FramePacer pacer([&] { return now; });
    pacer.SetPaced(paced);
    ASSERT_TRUE(pacer.FrameDue(refresh_rate));
    now = period * 0.99;
    EXPECT_EQ(pacer.FrameDue(refresh_rate).has_value(), !paced);
    now = period * 1.01;
    EXPECT_TRUE(pacer.FrameDue(refresh_rate));
  }
}

}  // namespace
}  // namespace shell
