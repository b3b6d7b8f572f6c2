#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "gyroscope/commands.h"

namespace simtrace {
namespace {

using Table = std::vector<std::vector<std::string>>;  // lines split at commas

Table Split(const std::string& csv) {
  Table rows;
  std::istringstream lines(csv);
  for (std::string line; std::getline(lines, line);) {
    rows.emplace_back();
    std::istringstream fields(line);
    for (std::string field; std::getline(fields, field, ',');) rows.back().push_back(field);
  }
  return rows;
}

// The simtrace program's exit status and its standard output and error, together.
std::pair<int, Table> Simtrace(const std::string& args) {
  FILE* pipe = popen((std::string(SIMTRACE_PATH) + " " + args + " 2>&1").c_str(), "r");
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Split(out)};
}

// Each refusal is one line naming what was wrong, and no rows.
TEST(SimtraceTest, BadInputIsOneErrorAndStatus2WithNoOutputAndHelpIsUsage) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "missing subcommand"},
      {"spinner", "unknown subcommand"},
      {"gyroscope --bogus", "unknown option"},
      {"gyroscope --euler 0 90", "--euler needs 3"},
      {"gyroscope --freq 1 2 x", "bad value 'x'"},
      {"gyroscope --gravity 1,5", "bad value '1"},  // the line's first field
      {"gyroscope --gravity inf", "bad value 'inf'"},
      {"gyroscope --gravity 1e39", "--gravity must be between -1000 and 1000"},
      {"gyroscope --euler 1e300 0 0", "--euler must be between -360 and 360"},
      {"gyroscope --every 0.0005", "--every must be a positive whole number of milliseconds"},
      {"gyroscope --every 0.005 --frame-ms 2", "--every must be a whole number of frames"},
      {"gyroscope --every 2 --seconds 1", "--every must be at most --seconds"},
      {"gyroscope --every 2e6", "--every must be between 0 and 1000000"},
      {"gyroscope --integrator rk4", "--integrator takes scheme|exact"},
      {"freebody --example 1.5", "--example takes whole numbers between 1 and 3"},
      {"freebody --euler 0 360 0", "--euler takes whole numbers between 0 and 359"},
      {"freebody --frame-ms 0.5", "--frame-ms takes whole numbers between 1 and 2147483647"}};
  for (const auto& [args, message] : cases) {
    const auto [status, lines] = Simtrace(args);
    EXPECT_EQ(status, 2) << args;
    ASSERT_EQ(lines.size(), 1u) << args;
    EXPECT_NE(lines[0][0].find(message), std::string::npos) << args << ": " << lines[0][0];
  }
  for (const char* args : {"--help", "gyroscope --help", "freebody --help"})
    EXPECT_EQ(Simtrace(args).second.at(0).at(0).substr(0, 15), "usage: simtrace") << args;
}

// Top: 3 is the tip's height, 4 its azimuth, 5 the measured precession. Block: 8
// is b21, 13 the frame's f10, 21 omega_z and 22 the energy.
TEST(SimtraceTest, OneRowPerIntervalAndTheOptionsReachTheSimulations) {
  // The axle turned to -x (azimuth 180), then dipping.
  const Table top =
      Simtrace("gyroscope --euler 90 270 0 --gravity 2.5 --seconds 0.5 --every 0.1").second;
  ASSERT_EQ(top.size(), 1u + 6u);
  EXPECT_NEAR(std::stod(top[1][4]), 180.0, 1e-3);
  EXPECT_LT(std::stod(top.back()[3]), -0.01);
  const Table block = Simtrace("freebody --euler 0 90 0 --momentum 0 0 0.4 --rotating-view").second;
  ASSERT_EQ(block.size(), 1u + 1001u);
  EXPECT_NEAR(std::stod(block[1][8]), 1.0, 1e-6);  // body y up,
  EXPECT_GT(std::stod(block[101][21]), 0.1);       // turning about it,
  EXPECT_LT(std::stod(block[101][13]), -0.1);      // the frame turning back
  // Paused, the tip and the block stand still.
  for (const char* paused : {"gyroscope --paused --gravity 9.8", "freebody --example 2 --paused"}) {
    const Table rows = Simtrace(std::string(paused) + " --seconds 1 --every 1").second;
    EXPECT_TRUE(std::equal(rows[1].begin() + 1, rows[1].begin() + 6, rows[2].begin() + 1))
        << paused;
  }
  // The block's rows are the same to the last digit however long its frames.
  const std::string turning = "freebody --example 2 --seconds 3 --every 0.112 --frame-ms ";
  const Table at_1ms = Simtrace(turning + "1").second;
  ASSERT_EQ(at_1ms.size(), 2u + 3000u / 112u);
  for (const char* frame_ms : {"7", "16"})
    EXPECT_EQ(Simtrace(turning + frame_ms).second, at_1ms) << frame_ms;
  // Without --every, rows come every whole number of frames nearest 10 ms.
  EXPECT_EQ(Simtrace("freebody --frame-ms 3 --seconds 0.02").second.at(2).at(0), "0.009");
}

// A Vorlat run driven as the window does, 10 s in uneven frames, records simtrace's rows every
// 10 ms of running time; only where frames fall could move revolution_count.
TEST(SimtraceTest, VorlatHistoryIsSimtracesRunWhateverTheFrames) {
  std::uint32_t now_ms = 0;
  gyroscope::Simulation top([&] { return now_ms; });
  top.SetUpSimulation();
  top.AdvanceFrame();  // the first frame only starts the clock
  gyroscope::SwitchGravity(top, true);
  gyroscope::Start(top);
  for (std::uint32_t frame = 0; now_ms < 10000; ++frame, top.AdvanceFrame())
    now_ms = std::min(10000u, now_ms + 7 + 13 * (frame % 3));  // 7, 20 and 33 ms in turn
  const Table simtrace = Simtrace("gyroscope --gravity 2.5").second;
  const record::History& history = top.history;
  ASSERT_EQ(simtrace[0], history.Columns());
  ASSERT_EQ(history.Size(), simtrace.size() - 1);
  for (std::size_t i = 0; i < history.Size(); ++i) {
    EXPECT_EQ(history.Row(i)[0], i / 100.0);
    for (std::size_t c = 0; c < simtrace[0].size(); ++c) {
      if (c != history.Column("revolution_count")) {
        EXPECT_NEAR(history.Row(i)[c], std::stod(simtrace[i + 1][c]), 1e-4) << simtrace[0][c];
      }
    }
  }
}

}  // namespace
}  // namespace simtrace
