#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

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

// The simtrace program's exit status and standard output.
std::pair<int, Table> Simtrace(const std::string& args) {
  FILE* pipe = popen((std::string(SIMTRACE_PATH) + " " + args + " 2>/dev/null").c_str(), "r");
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Split(out)};
}

TEST(SimtraceTest, BadInputIsOneErrorAndStatus2WithNoOutputAndHelpIsUsage) {
  for (const char* args :
       {"", "spinner", "gyroscope --bogus", "gyroscope --gravity", "gyroscope --euler 0 90",
        "gyroscope --freq 1 2 x", "gyroscope --gravity 1,5", "gyroscope --gravity inf",
        "gyroscope --every 0.0005", "gyroscope --every 0.005 --frame-ms 2",
        "gyroscope --seconds -1", "freebody --example 4", "freebody --example 1.5",
        "freebody --euler 0 360 0", "freebody --momentum 1 2", "freebody --frame-ms 0.5"})
    EXPECT_EQ(Simtrace(args), std::pair(2, Table())) << args;
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
}

}  // namespace
}  // namespace simtrace
