#include "gyroscope/simulation.h"

#include <new>
#include <utility>

#include "gyroscope/conditions.h"
#include "gyroscope/parameters.h"
#include "gyroscope/state.h"
#include "gyroscope/trace.h"
#include "math/check.h"

namespace gyroscope {

namespace {

math3d::MillisecondClock Clock = math3d::SystemMilliseconds;
math3d::SubstepClock Frames;

}  // namespace

void SetClock(math3d::MillisecondClock clock) {
  Clock = std::move(clock);
  Frames = math3d::SubstepClock();
  LastTime = 0.0;
}

void SetUpSimulation() {
  ReleaseScene();  // a second set-up replaces the world instead of leaking it
  SetDefaultConditions();
  pWorld = new (std::nothrow) simulation_world();
  RB_CHECK(pWorld, "Physics");
}

void ResetWorld() {
  RB_CHECK(pWorld, "Physics");
  pWorld->ResetBodies();
}

void ReleaseScene() {
  delete pWorld;
  pWorld = nullptr;
}

void AdvanceFrame() {
  if (!pWorld)
    return;
  Frames.RunFrame(Clock(), MaxStepMicroseconds, [](float h) { pWorld->Simulate(h); });
  LastTime = Frames.LastTime();
  RecordTrace();
}

}  // namespace gyroscope
