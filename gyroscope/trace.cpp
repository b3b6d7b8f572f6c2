#include "gyroscope/trace.h"

#include <algorithm>
#include <iterator>

#include "gyroscope/state.h"

namespace gyroscope {

void FillTrace(const math3d::Vector3& point) {
  std::fill(std::begin(TraceX), std::end(TraceX), point.GetX());
  std::fill(std::begin(TraceY), std::end(TraceY), point.GetY());
  std::fill(std::begin(TraceZ), std::end(TraceZ), point.GetZ());
}

void ClearTrace() {
  FillTrace(math3d::Vector3());
  TracePos = 0;
}

void RecordTrace() {
  if (!ShowTrajectory)
    return;
  TraceX[TracePos] = TipX;
  TraceY[TracePos] = TipY;
  TraceZ[TracePos] = TipZ;
  TracePos = (TracePos + 1) % TraceLength;
  if (RevolutionMark + 1 == RevolutionCount && TipAzimuth > ReferenceAzimuth) {
    ClearTrace();
    RevolutionMark = RevolutionCount;
  }
}

}  // namespace gyroscope
