#pragma once
// The ring of the tip's recent positions that the drawing shows as the traced path.

#include "gyroscope/state.h"

namespace gyroscope {

// Every slot to the pivot and TracePos to 0.
void ClearTrace(State& state);

// Once per frame while ShowTrajectory is set: stores the tip in the next slot and,
// when the tip has come back above the reference azimuth after passing below it,
// wipes the ring so that it holds about one precession turn.
void RecordTrace(State& state);

}  // namespace gyroscope
