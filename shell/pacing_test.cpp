#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "shell/camera.h"
#include "shell/frame_pacer.h"

namespace shell {
namespace {

// A second of held keys moves the view as far whether it comes in 60 frames or 600.
TEST(CameraTest, MovesPerSecondWhateverTheFrameRate) {
  constexpr float Distance = -10.0f, Zoom = 6.0f, T = TurnSpeed;
  const struct {
    int turn, zoom;
    float yaw, pitch, distance;
  } cases[] = {{VK_LEFT, VK_I, T, 0, Distance + Zoom},
               {VK_RIGHT, VK_O, -T, 0, Distance - Zoom},
               {VK_UP, VK_O, 0, T, Distance - Zoom},
               {VK_DOWN, VK_I, 0, -T, Distance + Zoom}};
  for (const int frames : {60, 600})
    for (const auto& [turn, zoom, yaw, pitch, distance] : cases) {
      SCOPED_TRACE(testing::Message() << frames << " frames, keys " << turn << " " << zoom);
      Camera camera(Distance, Zoom);
      camera.KeyDown(turn);
      camera.KeyDown(zoom);
      for (int frame = 0; frame < frames; ++frame) camera.Tick(1.0 / frames);
      EXPECT_NEAR(camera.ViewYaw, yaw, 1e-3f);
      EXPECT_NEAR(camera.ViewPitch, pitch, 1e-3f);
      EXPECT_NEAR(camera.ViewDistance, distance, 1e-3f);  // float sums
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
