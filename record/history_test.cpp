#include "record/history.h"

#include <gtest/gtest.h>

#include <locale>
#include <sstream>
#include <vector>

namespace record {
namespace {

// A decimal comma on the stream must not reach the numbers.
struct DecimalComma : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(HistoryTest, KeepsTheLastRowsAndWritesThemWithNineDigitsAndADecimalPoint) {
  History history({"t", "x"}, 3);
  for (int k = 1; k <= 5; ++k) history.Add(std::vector<double>{double(k), k / 3.0});
  EXPECT_EQ(history.Size(), 3u);
  EXPECT_EQ(history.Added(), 5u);  // two dropped
  std::ostringstream out;
  out.imbue(std::locale(out.getloc(), new DecimalComma));
  WriteCsv(out, history);
  EXPECT_EQ(out.str(), "t,x\n3,1\n4,1.33333333\n5,1.66666667\n");
}

}  // namespace
}  // namespace record
