#include "framework/conversions.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>

namespace framework {
namespace {

// Each case starts in the C locale and restores the previous one.
class ConversionsTest : public testing::Test {
 protected:
  void SetUp() override { QLocale::setDefault(QLocale::c()); }
  void TearDown() override { QLocale::setDefault(saved_); }
  QLocale saved_;
};

// Halves round away from zero once, at the coarser place (1.04996 is not 1.1); a zero
// after rounding has no sign; scientific once the integer part needs more than 5 digits.
TEST_F(ConversionsTest, FormatReadoutRoundsToFiveSignificantDigitsThenFillsTheDecimals) {
  const std::tuple<double, int, const char*> cases[] = {
      {1.23456789, 6, "1.234600"}, {0.000123456, 8, "0.00012346"},
      {0.3f, 2, "0.30"},           {-0.125, 2, "-0.13"},
      {1.04996, 1, "1.0"},         {-0.0001, 1, "0.0"},
      {99999.4, 1, "99999.0"},     {99999.5, 1, "1E+5"},
      {-2.5e10, 2, "-2.5E+10"},    {std::nan(""), 2, "NAN"},
      {-HUGE_VAL, 1, "-INF"}};
  for (const auto& [value, decimals, text] : cases)
    EXPECT_EQ(FormatReadout(value, decimals), text) << value;
}

TEST_F(ConversionsTest, FloatToStrShowsUpToFifteenSignificantDigitsInTheLocalesWay) {
  EXPECT_EQ(FloatToStr(0.2f), "0.200000002980232");
  EXPECT_EQ(FloatToStr(1e-6), "1E-6");
  EXPECT_EQ(FloatToStr(1234567890123456.0), "1.23456789012346E+15");
  QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina));
  EXPECT_EQ(FloatToStr(0.5f), "0,5");
  EXPECT_EQ(FormatReadout(1234.5, 1), "1234,5");  // no grouping
  EXPECT_EQ(StrToFloat("2,5"), 2.5f);
  EXPECT_THROW(StrToFloat("2.5"), ConversionError);  // a group separator there
  for (float value : {0.2f, -1.0f / 3, 1e-7f, 3.0e38f, 123456.7f})
    EXPECT_EQ(StrToFloat(FloatToStr(value)), value) << value;  // reads back what it wrote
}

TEST_F(ConversionsTest, StrToFloatRejectsTextThatIsNotAFiniteSingleAndNamesIt) {
  EXPECT_EQ(StrToFloat(" -1.5e3 "), -1500.0f);
  for (const char* text : {"", "   ", "abc", "1,5", "2.5x", "inf", "-inf", "nan", "1e39", "1e400"})
    EXPECT_THROW(StrToFloat(text), ConversionError) << text;
  try {
    StrToFloat("doce");
    FAIL() << "no error raised";
  } catch (const ConversionError& error) {
    EXPECT_EQ(QString::fromUtf8(error.what()), "'doce' no es un número válido");
  }
}

}  // namespace
}  // namespace framework
