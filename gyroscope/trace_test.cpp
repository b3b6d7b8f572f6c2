#include "gyroscope/trace.h"

#include <gtest/gtest.h>

#include "gyroscope/parameters.h"
#include "gyroscope/test_fixture.h"

namespace gyroscope {
namespace {

using TraceTest = GyroscopeTest;

TEST_F(TraceTest, RecordsOnePointPerFrameRoundTheRing) {
  Frame(0);
  for (int i = 1; i < TraceLength; ++i) {
    TipX = float(i);
    RecordTrace();
  }
  EXPECT_EQ(TracePos, 0);
  EXPECT_EQ(TraceX[TraceLength - 1], float(TraceLength - 1));
  EXPECT_NEAR(TraceY[0], AxisLength, 1e-6);  // the first frame's tip
  TipX = -1.0f;
  RecordTrace();
  EXPECT_EQ(TraceX[0], -1.0f);  // the oldest point goes first
  EXPECT_EQ(TracePos, 1);
}

TEST_F(TraceTest, WipedOnceWhenTheTipComesBackAboveTheReferenceAndOnlyWhenShown) {
  RevolutionCount = 1;
  TipAzimuth = ReferenceAzimuth + 1.0f;
  ShowTrajectory = false;
  RecordTrace();
  EXPECT_EQ(TracePos, 0);  // hidden: neither recorded nor wiped
  EXPECT_EQ(RevolutionMark, 0);
  ShowTrajectory = true;
  TipAzimuth = ReferenceAzimuth - 1.0f;
  RecordTrace();
  EXPECT_EQ(TracePos, 1);  // still below: kept
  TipAzimuth = ReferenceAzimuth + 1.0f;
  RecordTrace();
  EXPECT_EQ(TracePos, 0);
  EXPECT_EQ(RevolutionMark, 1);
  EXPECT_EQ(TraceY[TraceLength - 1], 0.0f);
  RecordTrace();
  EXPECT_EQ(TracePos, 1);  // once per turn only
}

}  // namespace
}  // namespace gyroscope
