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

Matrix3x3 Orientation(const EulerAngles& angles) {
  return EulerOrientation(float(angles.phi), float(angles.theta), float(angles.psi));
}

}  // namespace

void RestoreStartUpState() {
  BlockOrientation = FrameOrientation = InitialOrientation = ChosenOrientation = Matrix3x3();
  InitialMomentum = StartMomentum;
  Running = ShowAxes = RotatingView = false;
}

void Start() {
  Running = true;
  ResetWorld();
}

void Pause() {
  Running = false;
  ResetWorld();
}

void ResetSimulation() {
  Running = false;
  BlockOrientation = InitialOrientation;
  FrameOrientation = Matrix3x3();
  ResetWorld();
}

EulerAngles ApplyExample(int example) {
  RB_CHECK(example >= 1 && example <= 3, "Physics");
  const Example& chosen = Examples[example - 1];
  if (chosen.setsMomentum)
    InitialMomentum = Vector3(0.0f, 0.0f, 0.5f);
  ChosenOrientation = Orientation(chosen.angles);
  BlockOrientation = InitialOrientation = ChosenOrientation;
  ResetWorld();
  return chosen.angles;
}

void SetEulerAngles(const EulerAngles& angles) {
  ChosenOrientation = Orientation(angles);
  BlockOrientation = ChosenOrientation;
  ResetWorld();
}

void AcceptInitialConditions(const Vector3& momentum) {
  InitialOrientation = ChosenOrientation;
  InitialMomentum = momentum;
}

}  // namespace freebody
