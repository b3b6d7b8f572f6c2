#include "gyroscope/simulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "gyroscope/commands.h"
#include "gyroscope/record.h"
#include "math/stepped_run_testing.h"

namespace gyroscope {
namespace {

using math3d::ExpectNear;
using math3d::SameBits;
using TopTest = math3d::SteppedRunTest<Simulation>;

const float Spin = HertzToRadiansPerSecond(10.0), SpinMomentum = InertiaZ * Spin;  // at start

const BodyConfiguration& Now(const Simulation& top) {
  return top.World()->Body.Configurations[top.World()->SourceIndex];
}

// Level along +y at 10 Hz, it stays so without gravity; without a world nothing steps; a
// reset brings the start back, the clock to be started again.
TEST_F(TopTest, StartsLevelAlongPlusYStaysThereWithoutGravityAndResetsToTheStart) {
  Start(run);
  RunFor(1.0);
  ExpectNear(s.Tip, {0, AxisLength, 0}, 1e-5);
  ExpectNear(s.Momentum, {0, SpinMomentum, 0}, 1e-5);
  run.ReleaseScene();
  run.ReleaseScene();
  ResetSimulation(run);  // loads no world
  EXPECT_EQ(run.history.Added(), 0u);
  Frame(5);
  EXPECT_EQ(run.LastTime(), 1.0);
  run.Reset();
  EXPECT_TRUE(run.World() == nullptr && !s.Running && s.TraceY[0] == InitialTipDistance);
  run.SetUpSimulation();
  Frame(5);
  EXPECT_EQ(run.LastTime(), 0.0);
}

TEST_F(TopTest, CommandsSetTheConditionsAndTheWorldFollowsAtOnce) {
  SetEulerAngles(run, 90.0f, 270.0f, 0.0f);  // the level axle turned to -x
  EXPECT_NEAR(s.ReferenceAzimuth, 180.0, 1e-3);
  // OK: hertz about body x (now space +y), y (space -z) and z (space -x).
  ApplyInitialConditions(run, 1.0, -2.0, 10.0, 9.8);
  const float w[] = {HertzToRadiansPerSecond(1.0), HertzToRadiansPerSecond(-2.0), Spin};
  ExpectNear(s.InitialMomentum, {-InertiaZ * w[2], InertiaX * w[0], -InertiaY * w[1]}, 1e-5);
  ExpectNear(Now(run).AngularMomentum, s.InitialMomentum, 0.0);
  // Upright, the tip has no azimuth: the reference stays. The setting waited for
  // the switch, which brings it in with the energies: the centre ArmLength up.
  const float reference = s.ReferenceAzimuth;
  SetEulerAngles(run, 0.0f, 0.0f, 0.0f);
  EXPECT_EQ(s.ReferenceAzimuth, reference);
  SwitchGravity(run, s.Gravity == 0.0f);
  EXPECT_NEAR(s.PotentialEnergy, Mass * 9.8 * ArmLength, 1e-5);
  Start(run);
  RunFor(2.0);
  ResetSimulation(run);  // the initial conditions, paused, gravity off, the trace at the pivot
  EXPECT_TRUE(!s.Running && s.Gravity == 0.0f && s.TraceX[1] == 0.0f && s.TraceY[1] == 0.0f);
  ExpectNear(Now(run).Orientation.Column(2), {0, 0, 1}, 1e-6);
  ExpectNear(Now(run).AngularMomentum, s.InitialMomentum, 0.0);
}

// Released level with no precession, the axle dips and precesses counter-clockwise.
// With L3 = Iz w3 and k = Ix m g l, the lowest point's u = cos(theta) solves
// 2k u^2 - L3^2 u - 2k = 0, and there the precession peaks at -L3 u / (Ix (1 - u^2)).
TEST_F(TopTest, HeavyTopNutatesBetweenTheClosedFormLimits) {
  SwitchGravity(run, true);
  Start(run);
  const double k = double(InertiaX) * Mass * s.Gravity * ArmLength, L3 = SpinMomentum;
  const double u = (L3 * L3 - std::sqrt(L3 * L3 * L3 * L3 + 16 * k * k)) / (4 * k);
  float lowest_tip = 0.0f, azimuth_at_wrap = 999.0f, azimuth_at_wipe = -1.0f;
  double max_rate = 0.0, azimuth = std::atan2(s.TipY, s.TipX), turned = 0.0, measured = 0.0;
  for (int ms = 0; ms < 12000; ++ms) {
    Frame(1);
    const double previous = std::exchange(azimuth, std::atan2(s.TipY, s.TipX));
    const double change = std::remainder(azimuth - previous, 2 * M_PI);
    turned += change;
    max_rate = std::max(max_rate, change / 0.001);
    measured += s.MeasuredPrecession * 0.001;
    ASSERT_NEAR((math3d::Transpose(Now(run).Orientation) * Now(run).AngularMomentum).GetZ(),
                SpinMomentum, 1e-6);  // the spin is put back every step
    lowest_tip = std::min(lowest_tip, s.TipZ);
    if (s.RevolutionCount == 1 && s.RevolutionMark == 0)  // past 360, below the reference
      azimuth_at_wrap = std::min(azimuth_at_wrap, s.TipAzimuth - s.ReferenceAzimuth);
    if (s.RevolutionMark == 1 && s.TracePos == 0)  // back above it: the trace starts again
      azimuth_at_wipe = std::max(azimuth_at_wipe, s.TipAzimuth - s.ReferenceAzimuth);
  }
  EXPECT_LT(azimuth_at_wrap, 0.0f);
  EXPECT_GE(azimuth_at_wipe, 0.0f);
  EXPECT_NEAR(lowest_tip, AxisLength * u, 0.005);
  EXPECT_NEAR(max_rate, -L3 * u / (InertiaX * (1 - u * u)), 0.05);
  EXPECT_NEAR(measured, turned, 0.02);  // with never the spike of a wrap
}

// The exact mode, released level with gravity 2.5, nutates as the closed form for 10
// minutes. With a = L3 / Ix and b = 2 m g l / Ix, u = cos(theta) moves by
// u'^2 = b u (u - u1)(u - u3) between u1 < 0 and 0, and the axle turns at -a u / (1 - u^2)
// about the vertical. u = u1 cos^2 s makes du / |u'| = 2 ds / sqrt(b (u3 - u)), even and
// of period pi in s: the midpoint rule sums it to the last digits.
TEST_F(TopTest, ExactModeNutatesAsTheClosedFormForTenMinutes) {
  run.SetIntegrator(math3d::Integrator::Exact);
  SwitchGravity(run, true);
  Start(run);
  const double a = SpinMomentum / InertiaX, b = 2 * Mass * s.Gravity * ArmLength / InertiaX;
  const double root = std::sqrt(a * a * a * a + 4 * b * b);
  const double u1 = (a * a - root) / (2 * b), u3 = (a * a + root) / (2 * b);
  double period = 0.0, turn = 0.0;  // of one nutation: its time and the azimuth it turns
  for (int k = 0; k < 100; ++k) {
    const double c = std::cos((k + 0.5) * M_PI / 200), u = u1 * c * c;
    const double dt = 2 * (M_PI / 100) / std::sqrt(b * (u3 - u));  // down and up again
    period += dt;
    turn += -a * u / (1 - u * u) * dt;
  }
  const float energy = s.MechanicalEnergy;
  float before = s.TipZ, previous = s.TipZ;
  double azimuth = std::atan2(s.TipY, s.TipX), turned = 0.0;
  std::pair<double, double> first{}, last{};  // time and azimuth turned at a dip
  int dips = 0;
  for (int ms = 1; ms <= 600000; ++ms) {
    Frame(1);
    const double previous_azimuth = std::exchange(azimuth, std::atan2(s.TipY, s.TipX));
    turned += std::remainder(azimuth - previous_azimuth, 2 * M_PI);
    ASSERT_NEAR(s.Momentum.GetZ(), 0.0, 1e-6) << ms;
    ASSERT_NEAR(s.MechanicalEnergy, energy, 1e-5) << ms;
    if (previous < before && previous <= s.TipZ) {  // a dip, one frame ago
      ASSERT_NEAR(previous, AxisLength * u1, 0.25e-3) << ms;
      last = {ms / 1e3, turned};
      if (dips++ == 0)
        first = last;
    }
    before = std::exchange(previous, s.TipZ);
  }
  const double nutations = dips - 1, seconds = last.first - first.first;
  EXPECT_NEAR(seconds / nutations, period, 1e-3 * period);
  EXPECT_NEAR(2 * M_PI * seconds / (last.second - first.second), 2 * M_PI * period / turn,
              2e-3 * M_PI * period / turn);
}

// Switched mid-run, the state stays as it was and the motion goes on from it: the next
// millisecond moves the tip as a twin run that kept its mode moves it, within the
// scheme's own error. Reset in the exact mode, the world loads the initial conditions.
TEST_F(TopTest, SwitchingModesMidRunGoesOnWithoutAJump) {
  std::uint32_t twin_ms = now_ms;
  Simulation twin([&] { return twin_ms; });
  twin.SetUpSimulation();
  twin.AdvanceFrame();
  for (Simulation* top : {&run, &twin}) SwitchGravity(*top, true), Start(*top);
  using enum math3d::Integrator;
  for (const auto mode : {Exact, Scheme, Exact}) {
    for (int ms = 0; ms < 500; ++ms, ++twin_ms, twin.AdvanceFrame()) Frame(1);
    const auto row = RecordRow(0.0, s);
    const math3d::Matrix3x3 orientation = s.Orientation;
    const math3d::Vector3 tip = s.Tip, twin_tip = twin.state.Tip;
    run.SetIntegrator(mode);
    EXPECT_TRUE(RecordRow(0.0, s) == row && SameBits(s.Orientation, orientation));
    Frame(1);
    ++twin_ms;
    twin.AdvanceFrame();
    for (unsigned i = 0; i < 3; ++i)
      EXPECT_NEAR(s.Tip[i] - tip[i], twin.state.Tip[i] - twin_tip[i], 1e-5) << i;
    twin.SetIntegrator(mode);
  }
  ResetSimulation(run);
  Frame(1);
  ExpectNear(s.Tip, {0, AxisLength, 0}, 1e-6);
  ExpectNear(s.Momentum, s.InitialMomentum, 1e-6);
}

// Slowed, and more so mid-run, the top runs its normal run's sub-steps and trace (a
// point per ms of its time); a step while paused is 10 ms more of that run, recorded.
TEST_F(TopTest, SlowMotionAndASingleStepRunTheSameSubsteps) {
  std::uint32_t slow_ms = 0;
  Simulation slow([&] { return slow_ms; });
  slow.SetUpSimulation();
  for (Simulation* top : {&run, &slow}) SwitchGravity(*top, true), Start(*top);
  slow.AdvanceFrame();
  RunFor(1.0);
  for (const auto& [slowdown, until_ms] : {std::pair{4u, 2000u}, {10u, 7000u}})
    for (slow.SetSlowdown(slowdown); slow_ms < until_ms; slow.AdvanceFrame()) ++slow_ms;
  EXPECT_TRUE(s.TraceX == slow.state.TraceX && s.TracePos == slow.state.TracePos);
  Pause(run);
  run.Step();
  for (; slow_ms < 7100; slow.AdvanceFrame()) ++slow_ms;
  EXPECT_TRUE(!s.Running && SameBits(s.Orientation, slow.state.Orientation));
  ASSERT_TRUE(run.history.Added() == 102 && slow.history.Added() == 102);
  EXPECT_TRUE(std::ranges::equal(run.history.Row(101), slow.history.Row(101)));
}

// A fast top precesses at m g l / (Iz w3), nutation swinging the rate from 0 to twice that,
// also across azimuths 0 and 180, where an angle taken through acos loses its precision.
TEST(TopPrecessionTest, MeasuredRateHoldsAcrossAzimuthsZeroAndHalfATurn) {
  for (const float phi : {-91.0f, 89.0f}) {  // level, 1 degree short of +x and of -x
    std::uint32_t now_ms = 0;
    Simulation top([&] { return now_ms; });
    State& s = top.state;
    top.SetUpSimulation();
    SetEulerAngles(top, phi, 270.0f, 0.0f);
    ApplyInitialConditions(top, 0.0, 0.0, 100.0, 2.5);
    SwitchGravity(top, true);
    Start(top);
    const double rate = Mass * s.Gravity * ArmLength / (InertiaZ * HertzToRadiansPerSecond(100.0));
    for (; now_ms <= 300; ++now_ms) {  // about 2.6 degrees on
      top.AdvanceFrame();
      ASSERT_GE(s.MeasuredPrecession, -0.01) << phi << " " << s.TipAzimuth;
      ASSERT_LE(s.MeasuredPrecession, 2 * rate + 0.01) << phi << " " << s.TipAzimuth;
    }
    EXPECT_NEAR(std::remainder(s.TipAzimuth - phi - 91.0, 360.0), 2.6, 1.0);
  }
}

}  // namespace
}  // namespace gyroscope
