#pragma once
// Life of the one simulation world and its advance in step with a millisecond clock.
// Nothing here draws: the drawing library adds the GL set-up and the frame's paint.

#include "gyroscope/world.h"
#include "math/substep_clock.h"

namespace gyroscope {

// The one world, from set-up to ReleaseScene; null before and after.
inline simulation_world* pWorld = nullptr;

// The clock the frames follow (the system's by default). Setting one restarts
// the frame timing: the next frame only reads it.
void SetClock(math3d::MillisecondClock clock);

// Default initial conditions, the current state from them, and a new world.
void SetUpSimulation();

// Loads the world from the shared state again after the window has changed it.
void ResetWorld();

// Deletes the world and leaves pWorld null; safe to call again.
void ReleaseScene();

// One frame without drawing: advances the world to the clock in sub-steps of at
// most MaxStep, then records the tip into the trace. Does nothing without a world.
void AdvanceFrame();

}  // namespace gyroscope
