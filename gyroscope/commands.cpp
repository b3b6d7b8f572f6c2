#include "gyroscope/commands.h"

#include "gyroscope/measures.h"
#include "gyroscope/parameters.h"
#include "gyroscope/trace.h"

namespace gyroscope {

using math3d::Vector3;

namespace {

// New initial conditions or a reset: the history starts over with the next run.
void StartOver(Simulation& top) {
  top.history.Clear();
  top.ResetWorld();
}

void CurrentFromInitial(State& state) {
  state.Orientation = state.InitialOrientation;
  state.Centre = state.InitialCentre;
  state.Omega = state.InitialOmega;
  state.BodyOmega = state.InitialBodyOmega;
  state.Momentum = state.InitialMomentum;
}

}  // namespace

void SetEulerAngles(Simulation& top, float phi, float theta, float psi) {
  top.state.InitialOrientation = math3d::EulerOrientation(phi, theta, psi);
  top.state.Orientation = top.state.InitialOrientation;
  StartOver(top);
}

void ApplyInitialConditions(Simulation& top, double fx, double fy, double fz,
                            double gravity_setting) {
  State& state = top.state;
  state.InitialBodyOmega = Vector3(HertzToRadiansPerSecond(fx), HertzToRadiansPerSecond(fy),
                                   HertzToRadiansPerSecond(fz));
  state.GravitySetting = static_cast<float>(gravity_setting);
  // Velocity and momentum in space axes from the initial orientation and body rates.
  state.InitialOmega = state.InitialOrientation * state.InitialBodyOmega;
  state.InitialMomentum = SpaceMomentum(state.InitialOrientation, state.InitialBodyOmega);
  CurrentFromInitial(state);
  StartOver(top);
}

void Start(Simulation& top) {
  top.state.Running = true;
}

void Pause(Simulation& top) {
  top.state.Running = false;
}

void ResetSimulation(Simulation& top) {
  CurrentFromInitial(top.state);
  top.state.Gravity = 0.0f;
  top.state.Running = false;
  ClearTrace(top.state);
  StartOver(top);
}

void SwitchGravity(Simulation& top, bool on) {
  top.state.Gravity = on ? top.state.GravitySetting : 0.0f;
  ComputeEnergies(top.state);
}

}  // namespace gyroscope
