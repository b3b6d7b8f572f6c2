#include "framework/conversions.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace framework {
namespace {

// Each case starts in the C locale and restores the previous one.
class ConversionsTest : public testing::Test {
 protected:
  void SetUp() override { QLocale::setDefault(QLocale::c()); }
  void TearDown() override { QLocale::setDefault(saved_); }
  static void UseComma() { QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Argentina)); }

 private:
  QLocale saved_;
};

TEST_F(ConversionsTest, FormatReadoutRoundsToFiveSignificantDigitsThenFillsTheDecimals) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double value;
    int decimals;
    const char* text;
  } cases[] = {
      {1.988, 1, "2.0"},
      {123.456, 2, "123.46"},
      {1.23456789, 6, "1.234600"},
      {0.000123456, 8, "0.00012346"},
      {0.3f, 2, "0.30"},  // no float tail
      {7, 0, "7"},
      // Halves round away from zero, once, at the coarser place (not 1.04996 -> 1.0500 -> 1.1).
      {0.125, 2, "0.13"},
      {-0.125, 2, "-0.13"},
      {0.95, 1, "1.0"},
      {1.04996, 1, "1.0"},
      // A negative value that rounds to zero shows no minus sign.
      {-0.0001, 1, "0.0"},
      {-0.0, 2, "0.00"},
      // Scientific once the integer part needs more than five digits.
      {99999.4, 1, "99999.0"},
      {99999.5, 1, "1E+5"},
      {1234567, 1, "1.2346E+6"},
      {-2.5e10, 2, "-2.5E+10"},
      {std::nan(""), 2, "NAN"},
      {inf, 1, "INF"},
      {-inf, 1, "-INF"}};
  for (const auto& c : cases) EXPECT_EQ(FormatReadout(c.value, c.decimals), c.text) << c.value;
}

TEST_F(ConversionsTest, FloatToStrShowsUpToFifteenSignificantDigitsOfTheExactValue) {
  const std::pair<double, const char*> cases[] = {{0.2f, "0.200000002980232"},
                                                  {-3.25f, "-3.25"},
                                                  {100.0f, "100"},
                                                  {0.0f, "0"},
                                                  {1e-5, "0.00001"},
                                                  {1e-6, "1E-6"},
                                                  {1e20f, "1.00000002004088E+20"},
                                                  {123456789012345.0, "123456789012345"},
                                                  {1234567890123456.0, "1.23456789012346E+15"},
                                                  {std::nan(""), "NAN"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(FloatToStr(value), text) << value;
}

TEST_F(ConversionsTest, NumbersFollowTheLocaleSeparatorAndReadBackWhatWasWritten) {
  EXPECT_EQ(StrToFloat(" -1.5e3 "), -1500.0f);
  UseComma();
  EXPECT_EQ(FormatReadout(1234.5, 1), "1234,5");  // no grouping
  EXPECT_EQ(FormatReadout(1234567, 1), "1,2346E+6");
  EXPECT_EQ(FloatToStr(0.5f), "0,5");
  EXPECT_EQ(StrToFloat("2,5"), 2.5f);
  EXPECT_THROW(StrToFloat("2.5"), ConversionError);  // a group separator there, not a point
  for (float value : {0.2f, -1.0f / 3, 6.28318534f, 1e-7f, 3.0e38f, 123456.7f})
    EXPECT_EQ(StrToFloat(FloatToStr(value)), value) << value;
}

TEST_F(ConversionsTest, StrToFloatRejectsTextThatIsNotAFiniteSingleAndNamesIt) {
  for (const char* text :
       {"", "   ", "abc", "1,5", "2.5x", "inf", "-inf", "nan", "1e39", "-1e39", "1e400"}) {
    EXPECT_THROW(StrToFloat(text), ConversionError) << text;
  }
  try {
    StrToFloat("doce");
    FAIL() << "no error raised";
  } catch (const ConversionError& error) {
    EXPECT_EQ(QString::fromUtf8(error.what()), "'doce' no es un número válido");
  }
}

}  // namespace
}  // namespace framework
