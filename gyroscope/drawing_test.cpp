#include "gyroscope/drawing.h"

#include <gtest/gtest.h>

#include "gyroscope/commands.h"
#include "scene/scene_testing.h"

namespace gyroscope {
namespace {

using testkit::CountPixels;
using TopDrawingTest = scene::SceneTest<Simulation, Drawing, 1.74>;

const QColor Red(255, 0, 0), White(255, 255, 255), Green(0, 255, 0);
constexpr float DiscFace = ArmLength + DiscThickness;

// The red disc right of the pivot, the cross's arm past its rim and the dipping trace
// of a run, each while shown. Qt re-creates the panel's context at times: initialising
// again rebuilds the display lists only, the conditions and the run stay.
TEST_F(TopDrawingTest, DrawsTheStateAndInitialisingAgainKeepsTheConditionsAndTheRun) {
  QImage picture = Paint();
  const int red = CountPixels(picture, Red, 80);
  EXPECT_GT(red, 200);
  EXPECT_EQ(CountPixels(picture, Red, 80, QRect(Screen(DiscFace, 0).x() - 12, 0, 25, 400)), red);
  EXPECT_GT(CountPixels(picture, White, 40, Around(DiscFace, 0.17, 2)), 0);
  s.ShowAxes = false;
  EXPECT_EQ(CountPixels(Paint(), White, 40, Around(DiscFace, 0.17, 2)), 0);
  SwitchGravity(run, true);
  Start(run);
  RunFor(1.5, 10);
  picture = Paint();
  EXPECT_GT(CountPixels(picture, Green, 40), 100);
  EXPECT_GT(CountPixels(picture, Green, 40, QRect(0, Screen(0, -0.03).y(), 400, 200)), 0);
  s.ShowTrajectory = false;
  EXPECT_EQ(CountPixels(Paint(), Green, 40), 0);
  SetEulerAngles(run, 0.0f, 0.0f, 0.0f);  // the axle upright
  ApplyInitialConditions(run, 0.0, 0.0, 5.0, 9.8);
  SwitchGravity(run, true);
  Frame(300);
  const simulation_world* world = run.World();
  const State before = s;
  scene::InitializeScene(run, drawing, ViewportSize);
  EXPECT_EQ(run.World(), world);
  EXPECT_TRUE(math3d::SameBits(before.Orientation, s.Orientation));
  EXPECT_EQ(s.InitialBodyOmega.GetZ(), HertzToRadiansPerSecond(5.0));
  EXPECT_TRUE(s.Running && s.Gravity == 9.8f && s.TracePos == before.TracePos);
  Pause(run);
  picture = Paint();  // the disc lies level above the pivot
  const QRect level(Screen(-0.1, DiscFace) - QPoint(0, 6), QSize(24, 12));
  EXPECT_GT(CountPixels(picture, Red, 80, level), 30);
  EXPECT_EQ(CountPixels(picture, Red, 80, QRect(Screen(0.25, 0.15), Screen(0.4, -0.15))), 0);
}

// The axle turned 45 degrees away from the eye: L and omega along it to the right, the
// weight's torque to the left, each in its colour while shown, the torque with gravity only.
TEST_F(TopDrawingTest, ArrowsOfMomentumVelocityAndTorqueInTheirColours) {
  SetEulerAngles(run, 45.0f, 270.0f, 0.0f);
  const float* colours[] = {scene::MomentumColour, scene::VelocityColour, scene::TorqueColour};
  const QRect right(205, 0, 195, 400), left(0, 0, 195, 400);
  for (const auto& [shown, gravity] : {std::pair{false, true}, {true, false}, {true, true}}) {
    s.ShowVectors = shown;
    SwitchGravity(run, gravity);
    const QImage picture = Paint();
    for (int i = 0; i < 3; ++i) {
      const QColor colour = QColor::fromRgbF(colours[i][0], colours[i][1], colours[i][2]);
      EXPECT_EQ(CountPixels(picture, colour, 60, i < 2 ? right : left) > 40,
                shown && (i < 2 || gravity))
          << i;
      EXPECT_EQ(CountPixels(picture, colour, 60, i < 2 ? left : right), 0) << i;
    }
  }
}

}  // namespace
}  // namespace gyroscope
