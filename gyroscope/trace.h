#pragma once
// The ring of the tip's recent positions that the drawing shows as the traced path.

#include <cstdint>

#include "gyroscope/state.h"

namespace gyroscope {

// Every slot to the pivot and TracePos to 0.
void ClearTrace(State& state);

// After a frame or a step that advanced the world by `advanced_us`, once at least
// TraceSpacingUs have passed since the last point, and while ShowTrajectory is set:
// stores the tip in the next slot and, when the tip has come back above the
// reference azimuth after passing below it, wipes the ring so that it holds about
// one precession turn.
void RecordTrace(State& state, std::uint64_t advanced_us);

}  // namespace gyroscope
