#include "tools/simtrace/gyroscope_trace.h"

#include "gyroscope/commands.h"
#include "gyroscope/record.h"
#include "record/csv.h"
#include "tools/simtrace/frame_loop.h"
#include "tools/simtrace/options.h"

namespace simtrace {

void RunGyroscopeTrace(const std::vector<std::string>& args, std::ostream& out) {
  Timing timing;
  double gravity = 0.0, euler[3] = {0.0, 270.0, 0.0}, freq[3] = {0.0, 0.0, 10.0};
  bool gravity_on = false, paused = false;
  OptionParser parser("gyroscope");
  AddTimingOptions(parser, timing);
  math3d::Integrator integrator = math3d::Integrator::Scheme;
  AddIntegratorOption(parser, integrator);
  parser.AddNumbers("--gravity", "G", "switch gravity on at t = 0 with this value (m/s2)", &gravity,
                    1, {-1000, 1000}, &gravity_on);
  parser.AddNumbers("--euler", "PHI THETA PSI", "Euler angles in degrees (default 0 270 0)", euler,
                    3, {-360, 360});
  parser.AddNumbers("--freq", "FX FY FZ", "rotation about the body axes in Hz (default 0 0 10)",
                    freq, 3, {-1000, 1000});
  parser.AddFlag("--paused", "never start the run", &paused);
  if (!parser.Parse(args)) {
    out << parser.Help();
    return;
  }
  SimulatedRun run(timing);

  // As the window does it: set-up, the scroll bars, the conditions panel's OK,
  // gravity, start.
  gyroscope::Simulation top(run.Clock());
  top.SetIntegrator(integrator);
  top.SetUpSimulation();
  gyroscope::SetEulerAngles(top, float(euler[0]), float(euler[1]), float(euler[2]));
  gyroscope::ApplyInitialConditions(top, freq[0], freq[1], freq[2],
                                    gravity_on ? gravity : top.state.GravitySetting);
  gyroscope::SwitchGravity(top, gravity_on);
  if (!paused)
    gyroscope::Start(top);

  out << record::CsvHeader(gyroscope::RecordColumns());
  run.Run([&top] { top.AdvanceFrame(); },
          [&](double t) { out << record::CsvRow(gyroscope::RecordRow(t, top.state)); });
}

}  // namespace simtrace
