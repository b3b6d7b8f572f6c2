#include "tools/simtrace/freebody_trace.h"

#include "freebody/commands.h"
#include "freebody/record.h"
#include "record/csv.h"
#include "tools/simtrace/frame_loop.h"
#include "tools/simtrace/options.h"

namespace simtrace {

void RunFreeBodyTrace(const std::vector<std::string>& args, std::ostream& out) {
  Timing timing;
  double example = 0.0, euler[3] = {}, momentum[3] = {};
  bool example_given = false, euler_given = false, momentum_given = false;
  bool rotating_view = false, paused = false;
  OptionParser parser("freebody");
  AddTimingOptions(parser, timing);
  math3d::Integrator integrator = math3d::Integrator::Scheme;
  AddIntegratorOption(parser, integrator);
  parser.AddNumbers("--example", "N", "example 1, 2 or 3 (about Imin, Imed, Imax)", &example, 1,
                    {1, 3, true}, &example_given);
  parser.AddNumbers("--euler", "PHI THETA PSI", "Euler angles, whole degrees 0 to 359", euler, 3,
                    {0, 359, true}, &euler_given);
  parser.AddNumbers("--momentum", "LX LY LZ", "initial angular momentum (default 0 0 0.2)",
                    momentum, 3, {-1000, 1000}, &momentum_given);
  parser.AddFlag("--rotating-view", "watch from the frame turning with the block", &rotating_view);
  parser.AddFlag("--paused", "never start the run", &paused);
  if (!parser.Parse(args)) {
    out << parser.Help();
    return;
  }
  SimulatedRun run(timing);

  // As the window does it: an example, the scroll bars and the panel's Ok, start.
  freebody::Simulation block(run.Clock());
  block.SetIntegrator(integrator);
  block.SetUpSimulation();
  if (example_given)
    freebody::ApplyExample(block, int(example));
  if (euler_given)
    freebody::SetEulerAngles(block, {int(euler[0]), int(euler[1]), int(euler[2])});
  if (euler_given || momentum_given) {
    freebody::AcceptInitialConditions(
        block, momentum_given
                   ? math3d::Vector3(float(momentum[0]), float(momentum[1]), float(momentum[2]))
                   : block.state.InitialMomentum);
  }
  block.state.RotatingView = rotating_view;
  if (!paused)
    freebody::Start(block);

  out << record::CsvHeader(freebody::RecordColumns());
  run.Run([&block] { block.AdvanceFrame(); },
          [&](double t) { out << record::CsvRow(freebody::RecordRow(t, *block.World())); });
}

}  // namespace simtrace
