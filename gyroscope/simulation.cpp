#include "gyroscope/simulation.h"

#include "gyroscope/trace.h"

namespace gyroscope {

void Simulation::AdvanceFrame() {
  if (StepToClock())
    RecordTrace(state);
}

Simulation& Program() {
  static Simulation program;
  return program;
}

void ResetWorld() {
  Program().ResetWorld();
}

void ReleaseScene() {
  Program().ReleaseScene();
}

}  // namespace gyroscope
