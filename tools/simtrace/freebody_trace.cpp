#include "tools/simtrace/freebody_trace.h"

#include <cmath>

#include "freebody/commands.h"
#include "tools/simtrace/csv.h"
#include "tools/simtrace/frame_loop.h"
#include "tools/simtrace/options.h"

namespace simtrace {

namespace {

constexpr const char* kHeader =
    "t,b00,b01,b02,b10,b11,b12,b20,b21,b22,f00,f01,f02,f10,f11,f12,f20,f21,f22,"
    "omega_x,omega_y,omega_z,kinetic\n";

void AddMatrix(CsvLine& line, const math3d::Matrix3x3& m) {
  for (unsigned row = 0; row < 3; ++row)
    for (unsigned column = 0; column < 3; ++column) line.Add(m(row, column));
}

std::string Row(double t, const freebody::simulation_world& world) {
  using namespace freebody;
  const BodyConfiguration& block = world.Source(BlockBody);
  const Vector3& L = block.AngularMomentum;
  const Vector3& w = block.AngularVelocity;
  const float kinetic = 0.5f * (L[0] * w[0] + L[1] * w[1] + L[2] * w[2]);
  CsvLine line;
  line.Add(t);
  AddMatrix(line, block.Orientation);
  AddMatrix(line, world.Source(FrameBody).Orientation);
  line.Add(w.GetX()).Add(w.GetY()).Add(w.GetZ()).Add(kinetic);
  return line.Text();
}

}  // namespace

void RunFreeBodyTrace(const std::vector<std::string>& args, std::ostream& out) {
  Timing timing;
  double example = 0.0, euler[3] = {}, momentum[3] = {};
  bool example_given = false, euler_given = false, momentum_given = false;
  bool rotating_view = false, paused = false;
  OptionParser parser("freebody");
  AddTimingOptions(parser, timing);
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

  out << kHeader;
  run.Run([&block] { block.AdvanceFrame(); }, [&](double t) { out << Row(t, *block.World()); });
}

}  // namespace simtrace
