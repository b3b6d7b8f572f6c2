#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "tools/simtrace/csv.h"
#include "tools/simtrace/frame_loop.h"
#include "tools/simtrace/options.h"

namespace simtrace {
namespace {

struct Result {
  int status;
  std::string out;
};

// Runs the simtrace program; standard error is dropped.
Result Simtrace(const std::string& args) {
  FILE* pipe = popen((std::string(SIMTRACE_PATH) + " " + args + " 2>/dev/null").c_str(), "r");
  Result result{-1, ""};
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    result.out.append(buffer, n);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::vector<std::vector<std::string>> Rows(const std::string& csv) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(csv);
  for (std::string line; std::getline(lines, line);) {
    rows.emplace_back();
    std::istringstream fields(line);
    for (std::string field; std::getline(fields, field, ',');) rows.back().push_back(field);
  }
  return rows;
}

TEST(CsvLineTest, NumbersReadBackAsTheSameFloat) {
  const float values[] = {0.1f, -62.8318520f, 1e-30f, 3.4e38f, 0.0f};
  CsvLine line;
  for (float v : values) line.Add(v);
  line.Add(std::int64_t(-7));
  const auto fields = Rows(line.Text()).at(0);
  ASSERT_EQ(fields.size(), 6u);  // and one line
  for (int i = 0; i < 5; ++i) EXPECT_EQ(std::stof(fields[i]), values[i]) << fields[i];
  EXPECT_EQ(fields[5], "-7");
}

TEST(OptionsTest, NumbersAreReadTheCWayOnlyAndWhole) {
  EXPECT_EQ(ParseNumber("--g", "-2.5e1"), -25.0);
  for (const char* bad : {"", "1,5", "2.5x", "abc", "inf", "nan"})
    EXPECT_THROW(ParseNumber("--g", bad), UsageError) << bad;
  double values[3] = {1, 2, 3};
  bool flag = false;
  OptionParser parser("test");
  parser.AddNumbers("--v", "A B C", "", values, 3);
  parser.AddFlag("--f", "", &flag);
  EXPECT_TRUE(parser.Parse({"--f", "--v", "4", "5", "6"}));
  EXPECT_TRUE(flag);
  EXPECT_EQ(values[2], 6.0);
  EXPECT_THROW(parser.Parse({"--v", "4", "5"}), UsageError);
  EXPECT_THROW(parser.Parse({"--w"}), UsageError);
  EXPECT_FALSE(parser.Parse({"--help"}));
}

TEST(SimulatedRunTest, RowsAtZeroAndEveryIntervalOnWholeFrames) {
  SimulatedRun run(Timing{0.05, 0.01, 2.0});
  const auto clock = run.Clock();
  std::vector<double> rows;
  std::vector<std::uint32_t> frames;
  run.Run([&] { frames.push_back(clock()); }, [&](double t) { rows.push_back(t); });
  EXPECT_EQ(rows, (std::vector<double>{0.0, 0.01, 0.02, 0.03, 0.04, 0.05}));
  ASSERT_EQ(frames.size(), 26u);
  EXPECT_EQ(frames.back(), 50u);
  EXPECT_THROW(SimulatedRun(Timing{1.0, 0.005, 2.0}), UsageError);  // half a frame
  EXPECT_THROW(SimulatedRun(Timing{1.0, 0.01, 0.5}), UsageError);
  EXPECT_THROW(SimulatedRun(Timing{-1.0, 0.01, 1.0}), UsageError);
}

TEST(SimtraceProgramTest, BadInputIsOneErrorAndStatus2WithNoOutput) {
  for (const char* args :
       {"", "spinner", "gyroscope --bogus", "gyroscope --gravity", "gyroscope --euler 0 90",
        "gyroscope --freq 1 2 x", "gyroscope --every 0.0005"}) {
    const Result result = Simtrace(args);
    EXPECT_EQ(result.status, 2) << args;
    EXPECT_EQ(result.out, "") << args;
  }
}

// Column 3 is the tip's height, 4 its azimuth, 5 the measured precession.
TEST(SimtraceProgramTest, HeaderThenOneRowPerIntervalAndTheOptionsReachTheTop) {
  // Axle turned to -x (azimuth 180), then precessing counter-clockwise and dipping.
  const Result result = Simtrace("gyroscope --euler 90 270 0 --gravity 2.5 --seconds 0.5 --every 0.1");
  ASSERT_EQ(result.status, 0);
  const auto rows = Rows(result.out);
  ASSERT_EQ(rows.size(), 1u + 6u);
  EXPECT_EQ(rows[0].front(), "t");
  EXPECT_EQ(rows[0].back(), "revolution_count");
  for (const auto& row : rows) ASSERT_EQ(row.size(), 19u);
  EXPECT_EQ(rows.back()[0], "0.5");
  EXPECT_NEAR(std::stod(rows[1][4]), 180.0, 1e-3);
  EXPECT_GT(std::stod(rows.back()[4]), 181.0);
  EXPECT_LT(std::stod(rows.back()[3]), -0.01);

  const auto paused = Rows(Simtrace("gyroscope --paused --gravity 9.8 --seconds 1 --every 0.5").out);
  ASSERT_EQ(paused.size(), 4u);
  for (std::size_t i = 1; i < paused.size(); ++i) {
    EXPECT_NEAR(std::stod(paused[i][4]), 90.0, 1e-3);
    EXPECT_EQ(std::stod(paused[i][5]), 0.0);
  }
}

}  // namespace
}  // namespace simtrace
