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
      {1.988, 1, "2.0"}, {0.125, 3, "0.125"}, {123.456, 2, "123.46"}, {1.23456789, 6, "1.234600"},
      {0.000123456, 8, "0.00012346"}, {12345.6, 1, "12346.0"}, {0.3f, 2, "0.30"},  // no float tail
      {-62.83, 1, "-62.8"}, {0, 2, "0.00"}, {7, 0, "7"},
      // Halves round away from zero, once, at the coarser place (not 1.04996 -> 1.0500 -> 1.1).
      {0.125, 2, "0.13"}, {-0.125, 2, "-0.13"}, {0.95, 1, "1.0"}, {1.04996, 1, "1.0"},
      // A negative value that rounds to zero shows no minus sign.
      {-0.0001, 1, "0.0"}, {-0.0, 2, "0.00"},
      // Scientific once the integer part needs more than five digits.
      {99999.4, 1, "99999.0"}, {99999.5, 1, "1E+5"}, {1234567, 1, "1.2346E+6"},
      {-2.5e10, 2, "-2.5E+10"}, {3.0e38, 1, "3E+38"},
      {std::nan(""), 2, "NAN"}, {inf, 1, "INF"}, {-inf, 1, "-INF"}};
  for (const auto& c : cases) EXPECT_EQ(FormatReadout(c.value, c.decimals), c.text) << c.value;
}

TEST_F(ConversionsTest, FormatReadoutUsesTheLocaleDecimalSeparatorWithoutGrouping) {
  UseComma();
  EXPECT_EQ(FormatReadout(2.5, 1), "2,5");
  EXPECT_EQ(FormatReadout(1234.5, 1), "1234,5");
  EXPECT_EQ(FormatReadout(1234567, 1), "1,2346E+6");
}

TEST_F(ConversionsTest, FloatToStrShowsUpToFifteenSignificantDigitsOfTheExactValue) {
  EXPECT_EQ(FloatToStr(0.2f), "0.200000002980232");
  EXPECT_EQ(FloatToStr(-3.25f), "-3.25");
  EXPECT_EQ(FloatToStr(100.0f), "100");
  EXPECT_EQ(FloatToStr(0.0f), "0");
  EXPECT_EQ(FloatToStr(1e-5), "0.00001");
  EXPECT_EQ(FloatToStr(1e-6), "1E-6");
  EXPECT_EQ(FloatToStr(1e20f), "1.00000002004088E+20");
  EXPECT_EQ(FloatToStr(123456789012345.0), "123456789012345");
  EXPECT_EQ(FloatToStr(1234567890123456.0), "1.23456789012346E+15");
  EXPECT_EQ(FloatToStr(std::nanf("")), "NAN");
}

TEST_F(ConversionsTest, StrToFloatReadsNumbersWithTheLocaleSeparator) {
  EXPECT_EQ(StrToFloat(" -1.5e3 "), -1500.0f);
  EXPECT_EQ(StrToFloat("10"), 10.0f);
  UseComma();
  EXPECT_EQ(StrToFloat("2,5"), 2.5f);
  EXPECT_THROW(StrToFloat("2.5"), ConversionError);  // a group separator there, not a point
  EXPECT_EQ(FloatToStr(0.5f), "0,5");
  for (float value : {0.2f, -1.0f / 3, 6.28318534f, 1e-7f, 3.0e38f, 123456.7f}) {
    EXPECT_EQ(StrToFloat(FloatToStr(value)), value) << value;  // reads back what it wrote
  }
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
