#include "gyroscope/trace.h"

namespace gyroscope {

void ClearTrace(State& state) {
  state.TraceX = state.TraceY = state.TraceZ = FilledRing(0.0f);
  state.TracePos = 0;
}

void RecordTrace(State& state, std::uint64_t advanced_us) {
  if (state.UntracedUs + advanced_us < TraceSpacingUs) {
    state.UntracedUs += std::uint32_t(advanced_us);
    return;
  }
  state.UntracedUs = 0;
  if (!state.ShowTrajectory)
    return;
  const int slot = state.TracePos;
  state.TraceX[slot] = state.TipX;
  state.TraceY[slot] = state.TipY;
  state.TraceZ[slot] = state.TipZ;
  state.TracePos = (slot + 1) % TraceLength;
  if (state.RevolutionMark + 1 == state.RevolutionCount &&
      state.TipAzimuth > state.ReferenceAzimuth) {
    ClearTrace(state);
    state.RevolutionMark = state.RevolutionCount;
  }
}

}  // namespace gyroscope
