#pragma once
// Real-time advance of the block world: each frame catches the world up with the
// clock in sub-steps of at most MaxStep.

#include <cstdint>

#include "math/substep_clock.h"

namespace freebody {

inline constexpr float MaxStep = 0.01f;  // seconds
inline constexpr std::uint32_t MaxStepMicroseconds = std::uint32_t(MaxStep * 1e6f + 0.5f);

// Seconds the world has been advanced since the clock started.
double LastTime();

// The clock frames read; replacing it starts the timing afresh at the next frame.
void SetClock(math3d::MillisecondClock clock);

// Steps pWorld up to the clock's present; the first frame only starts the clock.
// Does nothing without a world.
void AdvanceFrame();

}  // namespace freebody
