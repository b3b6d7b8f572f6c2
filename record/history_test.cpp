#include "record/history.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace record {
namespace {

TEST(HistoryTest, KeepsTheLastRowsAndWritesThemWithNineDigits) {
  History history({"t", "x"}, 3);
  for (int k = 1; k <= 5; ++k) history.Add(std::vector<double>{double(k), k / 3.0});
  EXPECT_EQ(history.Size(), 3u);
  std::ostringstream out;
  WriteCsv(out, history);
  EXPECT_EQ(out.str(), "t,x\n3,1\n4,1.33333333\n5,1.66666667\n");
}

}  // namespace
}  // namespace record
