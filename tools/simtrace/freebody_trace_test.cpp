#include "tools/simtrace/freebody_trace.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "tools/simtrace/options.h"

namespace simtrace {
namespace {

// Columns of the trace, after the header.
enum Column { T = 0, B10 = 4, B21 = 8, B22 = 9, F10 = 13, OmegaZ = 21, Kinetic = 22, Count };

struct Trace {
  std::string header;
  std::vector<std::vector<double>> rows;
};

Trace TraceOf(const std::vector<std::string>& args) {
  std::ostringstream out;
  RunFreeBodyTrace(args, out);
  std::istringstream lines(out.str());
  Trace trace;
  std::getline(lines, trace.header);
  for (std::string line; std::getline(lines, line);) {
    trace.rows.emplace_back();
    std::istringstream fields(line);
    for (std::string field; std::getline(fields, field, ',');)
      trace.rows.back().push_back(std::stod(field));
  }
  return trace;
}

TEST(FreeBodyTraceTest, BadValuesStopBeforeAnyOutput) {
  const std::vector<std::vector<std::string>> bad = {
      {"--example", "4"}, {"--example", "1.5"},   {"--euler", "0", "360", "0"},
      {"--euler", "0", "-1", "0"}, {"--momentum", "1", "2"}, {"--frame-ms", "0.5"}};
  for (const auto& args : bad) {
    std::ostringstream out;
    EXPECT_THROW(RunFreeBodyTrace(args, out), UsageError) << args[0] << " " << args[1];
    EXPECT_EQ(out.str(), "");
  }
}

TEST(FreeBodyTraceTest, StartUpTurnAboutTheUprightLongAxis) {
  const Trace trace = TraceOf({"--seconds", "0.2", "--every", "0.1"});
  EXPECT_EQ(trace.header,
            "t,b00,b01,b02,b10,b11,b12,b20,b21,b22,f00,f01,f02,f10,f11,f12,f20,f21,f22,"
            "omega_x,omega_y,omega_z,kinetic");
  ASSERT_EQ(trace.rows.size(), 3u);
  for (const auto& row : trace.rows) {
    ASSERT_EQ(row.size(), std::size_t(Count));
    EXPECT_EQ(row[B22], 1.0);
  }
  const auto& last = trace.rows.back();
  EXPECT_EQ(last[T], 0.2);
  EXPECT_NEAR(last[OmegaZ], 0.957, 0.001);
  EXPECT_NEAR(last[Kinetic], 0.5 * 0.2 * 0.957, 1e-4);
}

TEST(FreeBodyTraceTest, ExampleTwoTurnsOverWhilePausedItStays) {
  const Trace turning = TraceOf({"--example", "2", "--seconds", "8", "--every", "0.5"});
  EXPECT_LT(turning.rows.front()[B21], -0.99);  // body y near straight down
  EXPECT_GT(turning.rows.back()[B21], 0.0);     // and then turned over
  const Trace paused = TraceOf({"--example", "2", "--paused", "--seconds", "2", "--every", "1"});
  EXPECT_EQ(paused.rows.back()[B21], paused.rows.front()[B21]);
  EXPECT_EQ(paused.rows.back()[Kinetic], 0.0);
}

TEST(FreeBodyTraceTest, AnglesMomentumAndTheRotatingFrame) {
  const Trace trace = TraceOf({"--euler", "0", "90", "0", "--momentum", "0", "0", "0.4",
                               "--rotating-view", "--seconds", "1", "--every", "1"});
  EXPECT_NEAR(trace.rows.front()[B21], 1.0, 1e-6);  // body y up
  const auto& last = trace.rows.back();
  // About the vertical through body y: omega = Lz / Imed.
  EXPECT_NEAR(last[OmegaZ], 0.4 / 1.00762, 1e-3);
  EXPECT_GT(last[B10], 0.35);
  EXPECT_NEAR(last[F10], -last[B10], 1e-5);  // the frame turned back as far
}

}  // namespace
}  // namespace simtrace
