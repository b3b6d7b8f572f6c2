#include "tools/simtrace/gyroscope_trace.h"

#include "gyroscope/conditions.h"
#include "gyroscope/simulation.h"
#include "gyroscope/state.h"
#include "tools/simtrace/csv.h"
#include "tools/simtrace/frame_loop.h"
#include "tools/simtrace/options.h"

namespace simtrace {

namespace {

constexpr const char* kHeader =
    "t,tip_x,tip_y,tip_z,azimuth,measured_precession,omega_x,omega_y,omega_z,"
    "body_omega_x,body_omega_y,body_omega_z,momentum_x,momentum_y,momentum_z,"
    "kinetic,potential,mechanical,revolution_count\n";

void AddVector(CsvLine& line, const math3d::Vector3& v) {
  line.Add(v.GetX()).Add(v.GetY()).Add(v.GetZ());
}

std::string Row(double t) {
  using namespace gyroscope;
  CsvLine line;
  line.Add(t).Add(TipX).Add(TipY).Add(TipZ).Add(TipAzimuth).Add(MeasuredPrecession);
  AddVector(line, Omega);
  AddVector(line, BodyOmega);
  AddVector(line, Momentum);
  line.Add(KineticEnergy).Add(PotentialEnergy).Add(MechanicalEnergy);
  line.Add(std::int64_t(RevolutionCount));
  return line.Text();
}

}  // namespace

void RunGyroscopeTrace(const std::vector<std::string>& args, std::ostream& out) {
  Timing timing;
  double gravity = 0.0, euler[3] = {0.0, 270.0, 0.0}, freq[3] = {0.0, 0.0, 10.0};
  bool gravity_on = false, paused = false;
  OptionParser parser("gyroscope");
  AddTimingOptions(parser, timing);
  parser.AddNumbers("--gravity", "G", "switch gravity on at t = 0 with this value (m/s2)", &gravity,
                    1, &gravity_on);
  parser.AddNumbers("--euler", "PHI THETA PSI", "Euler angles in degrees (default 0 270 0)", euler,
                    3);
  parser.AddNumbers("--freq", "FX FY FZ", "rotation about the body axes in Hz (default 0 0 10)",
                    freq, 3);
  parser.AddFlag("--paused", "never start the run", &paused);
  if (!parser.Parse(args)) {
    out << parser.Help();
    return;
  }
  SimulatedRun run(timing);

  // As the window does it: set-up, the conditions panel's OK, gravity, start.
  gyroscope::SetClock(run.Clock());
  gyroscope::SetUpSimulation();
  gyroscope::Running = false;
  gyroscope::ShowTrajectory = true;
  gyroscope::SetEulerAngles(float(euler[0]), float(euler[1]), float(euler[2]));
  gyroscope::ApplyInitialConditions(freq[0], freq[1], freq[2],
                                    gravity_on ? gravity : gyroscope::GravitySetting);
  gyroscope::SwitchGravity(gravity_on);
  gyroscope::Running = !paused;

  out << kHeader;
  run.Run(gyroscope::AdvanceFrame, [&out](double t) { out << Row(t); });
  gyroscope::ReleaseScene();
}

}  // namespace simtrace
