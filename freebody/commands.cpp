#include "freebody/commands.h"

#include "math/check.h"

namespace freebody {
namespace {

struct Example {
  EulerAngles angles;
  bool setsMomentum;
};

// Each chosen axis is tilted 5 degrees from the vertical, along which the momentum
// points: the perturbation that shows whether the turn is stable.
constexpr Example Examples[] = {
    {{0, 175, 0}, false},  // long axis near straight down
    {{0, 265, 0}, true},   // body y near straight down
    {{0, 85, 90}, true},   // thin axis near straight up
};

// New initial conditions, an example or a reset: the history starts over with the next run.
void StartOver(Simulation& block) {
  block.history.Clear();
  block.ResetWorld();
}

Matrix3x3 Orientation(const EulerAngles& angles) {
  return math3d::EulerOrientation(float(angles.phi), float(angles.theta), float(angles.psi));
}

}  // namespace

void Start(Simulation& block) {
  block.state.Running = true;
  block.ResetWorld();
}

void Pause(Simulation& block) {
  block.state.Running = false;
  block.ResetWorld();
}

void ResetSimulation(Simulation& block) {
  State& state = block.state;
  state.Running = false;
  state.BlockOrientation = state.InitialOrientation;
  state.FrameOrientation = Matrix3x3();
  StartOver(block);
}

EulerAngles ApplyExample(Simulation& block, int example) {
  RB_CHECK(example >= 1 && example <= 3, "Physics");
  const Example& chosen = Examples[example - 1];
  State& state = block.state;
  if (chosen.setsMomentum)
    state.InitialMomentum = Vector3(0.0f, 0.0f, 0.5f);
  state.ChosenOrientation = Orientation(chosen.angles);
  state.BlockOrientation = state.InitialOrientation = state.ChosenOrientation;
  StartOver(block);
  return chosen.angles;
}

void SetEulerAngles(Simulation& block, const EulerAngles& angles) {
  block.state.ChosenOrientation = Orientation(angles);
  block.state.BlockOrientation = block.state.ChosenOrientation;
  StartOver(block);
}

void AcceptInitialConditions(Simulation& block, const Vector3& momentum) {
  block.state.InitialOrientation = block.state.ChosenOrientation;
  block.state.InitialMomentum = momentum;
  block.history.Clear();
}

}  // namespace freebody
