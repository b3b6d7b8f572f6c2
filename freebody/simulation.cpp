#include "freebody/simulation.h"

namespace freebody {

void Simulation::AdvanceFrame() {
  if (!StepToClock())
    return;
  state.BlockOrientation = World()->Source(BlockBody).Orientation;
  state.FrameOrientation = World()->Source(FrameBody).Orientation;
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

}  // namespace freebody
