#pragma once
// The block's and the room's fixed dimensions and the constants derived from them.

#include <cstdint>
#include <utility>

#include "math/math3d.h"
#include "math/substep_clock.h"

namespace freebody {

// Cubic room centred on the origin.
inline constexpr float WorldSize = 8.0f;
// Half the block's size along its body axes x, y, z.
inline constexpr float dX = 0.2f;
inline constexpr float dY = 0.8f;
inline constexpr float dZ = 1.8f;
inline constexpr float Density = 0.4f;
inline constexpr float Mass = 8.0f * Density * dX * dY * dZ;
static_assert(Mass > 0.0f);

// The angular momentum the program starts with, world axes.
inline constexpr math3d::Vector3 StartMomentum(0.0f, 0.0f, 0.2f);

// Every sub-step is 1 ms whatever the frame rate: the explicit turn gains energy
// in proportion to the step, and longer steps soon tumble example 3.
inline constexpr std::uint32_t MaxStepMicroseconds = 1000;
inline constexpr float MaxStep = math3d::StepSeconds(MaxStepMicroseconds);
static_assert(MaxStep == 0.001f);

// The panel's size in pixels, width and height; the projection is fixed to it.
inline constexpr std::pair<int, int> ViewportSize{400, 400};

}  // namespace freebody
