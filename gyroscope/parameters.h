#pragma once
// The top's fixed dimensions and the constants derived from them, in SI units.

#include <cstdint>
#include <utility>

#include "math/math3d.h"
#include "math/substep_clock.h"

namespace gyroscope {

inline constexpr float DiscRadius = 0.125f;
inline constexpr float ArmLength = 0.3f;   // pivot to the disc's centre of mass
inline constexpr float AxisLength = 0.4f;  // drawn axle; the tip lies at its end
inline constexpr float DiscThickness = 0.015f;
inline constexpr float Density = 2700.0f;
inline constexpr float BoxSize = 1.0f;

inline constexpr float Mass = Density * math3d::Pi * DiscRadius * DiscRadius * DiscThickness;
// Principal moments about the pivot: a thin disc about a diameter carried to the
// pivot (thickness neglected), and about its own axis.
inline constexpr float InertiaX =
    Mass * DiscRadius * DiscRadius / 4.0f + Mass * ArmLength * ArmLength;
inline constexpr float InertiaY = InertiaX;
inline constexpr float InertiaZ = Mass * DiscRadius * DiscRadius / 2.0f;

// Every sub-step is 0.1 ms; the catch-up loop counts it in whole microseconds.
inline constexpr std::uint32_t MaxStepMicroseconds = 100;
inline constexpr float MaxStep = math3d::StepSeconds(MaxStepMicroseconds);
static_assert(MaxStep == 0.0001f);

inline constexpr int TraceLength = 2000;
// World time between two points of the trace at least: frames at normal speed come
// a millisecond or more apart, slowed ones are gathered into one point per millisecond.
inline constexpr std::uint32_t TraceSpacingUs = 1000;
// Where the trace starts: twice the axle's length along the initial axle.
inline constexpr float InitialTipDistance = 0.8f;

// The panel's size in pixels, width and height; the projection is fixed to it.
inline constexpr std::pair<int, int> ViewportSize{400, 400};

inline float HertzToRadiansPerSecond(double hertz) {
  return static_cast<float>(hertz * double(math3d::TwoPi));
}

}  // namespace gyroscope
