#include "framework/conversions.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace framework {
namespace {

// Runs each case under a given default locale and restores the previous one.
class ConversionsTest : public testing::Test {
 protected:
  void UseLocale(const QLocale& locale) { QLocale::setDefault(locale); }
  void SetUp() override { UseLocale(QLocale::c()); }
  void TearDown() override { QLocale::setDefault(saved_); }

 private:
  QLocale saved_;
};

using FormatReadoutTest = ConversionsTest;

TEST_F(FormatReadoutTest, RoundsToFiveSignificantDigitsThenFillsTheDecimals) {
  EXPECT_EQ(FormatReadout(1.988, 1), "2.0");
  EXPECT_EQ(FormatReadout(0.125, 3), "0.125");
  EXPECT_EQ(FormatReadout(123.456, 2), "123.46");
  EXPECT_EQ(FormatReadout(1.23456789, 6), "1.234600");
  EXPECT_EQ(FormatReadout(0.000123456, 8), "0.00012346");
  EXPECT_EQ(FormatReadout(12345.6, 1), "12346.0");
  EXPECT_EQ(FormatReadout(2.7, 1), "2.7");
  EXPECT_EQ(FormatReadout(0.3f, 2), "0.30");  // a single's tail does not show
  EXPECT_EQ(FormatReadout(-62.83, 1), "-62.8");
  EXPECT_EQ(FormatReadout(0, 2), "0.00");
  EXPECT_EQ(FormatReadout(7, 0), "7");
}

TEST_F(FormatReadoutTest, RoundsHalvesAwayFromZeroOnce) {
  EXPECT_EQ(FormatReadout(0.125, 2), "0.13");
  EXPECT_EQ(FormatReadout(-0.125, 2), "-0.13");
  EXPECT_EQ(FormatReadout(2.5, 0), "3");
  EXPECT_EQ(FormatReadout(0.95, 1), "1.0");
  // One rounding at the coarser place, not 1.04996 -> 1.0500 -> 1.1.
  EXPECT_EQ(FormatReadout(1.04996, 1), "1.0");
  // A negative value that rounds to zero shows no minus sign.
  EXPECT_EQ(FormatReadout(-0.0001, 1), "0.0");
  EXPECT_EQ(FormatReadout(-0.0, 2), "0.00");
}

TEST_F(FormatReadoutTest, GoesScientificWhenTheIntegerPartNeedsMoreThanFiveDigits) {
  EXPECT_EQ(FormatReadout(99999.4, 1), "99999.0");
  EXPECT_EQ(FormatReadout(99999.5, 1), "1E+5");  // rounding to 5 digits carries over
  EXPECT_EQ(FormatReadout(1234567, 1), "1.2346E+6");
  EXPECT_EQ(FormatReadout(-2.5e10, 2), "-2.5E+10");
  EXPECT_EQ(FormatReadout(3.0e38, 1), "3E+38");
}

TEST_F(FormatReadoutTest, NonFiniteValuesReadPlainly) {
  EXPECT_EQ(FormatReadout(std::nan(""), 2), "NAN");
  EXPECT_EQ(FormatReadout(std::numeric_limits<double>::infinity(), 1), "INF");
  EXPECT_EQ(FormatReadout(-std::numeric_limits<double>::infinity(), 1), "-INF");
}

TEST_F(FormatReadoutTest, UsesTheLocaleDecimalSeparatorWithoutGrouping) {
  UseLocale(QLocale(QLocale::Spanish, QLocale::Argentina));
  EXPECT_EQ(FormatReadout(2.5, 1), "2,5");
  EXPECT_EQ(FormatReadout(1234.5, 1), "1234,5");
  EXPECT_EQ(FormatReadout(1234567, 1), "1,2346E+6");
}

using FloatToStrTest = ConversionsTest;

TEST_F(FloatToStrTest, ShowsUpToFifteenSignificantDigitsOfTheExactValue) {
  EXPECT_EQ(FloatToStr(0.2f), "0.200000002980232");
  EXPECT_EQ(FloatToStr(0.5f), "0.5");
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

TEST_F(FloatToStrTest, UsesTheLocaleDecimalSeparator) {
  UseLocale(QLocale(QLocale::Spanish, QLocale::Argentina));
  EXPECT_EQ(FloatToStr(0.5f), "0,5");
}

using StrToFloatTest = ConversionsTest;

TEST_F(StrToFloatTest, ReadsNumbersWithTheLocaleSeparator) {
  EXPECT_EQ(StrToFloat("2.5"), 2.5f);
  EXPECT_EQ(StrToFloat(" -1.5e3 "), -1500.0f);
  EXPECT_EQ(StrToFloat("10"), 10.0f);
  UseLocale(QLocale(QLocale::Spanish, QLocale::Argentina));
  EXPECT_EQ(StrToFloat("2,5"), 2.5f);
  EXPECT_THROW(StrToFloat("2.5"), ConversionError);  // a group separator there, not a point
}

TEST_F(StrToFloatTest, RejectsTextThatIsNotAFiniteSingle) {
  for (const char* text :
       {"", "   ", "abc", "1,5", "2.5x", "inf", "-inf", "nan", "1e39", "-1e39", "1e400"}) {
    SCOPED_TRACE(text);
    EXPECT_THROW(StrToFloat(text), ConversionError);
  }
}

TEST_F(StrToFloatTest, TheErrorNamesTheText) {
  try {
    StrToFloat("doce");
    FAIL() << "no error raised";
  } catch (const ConversionError& error) {
    EXPECT_EQ(QString::fromUtf8(error.what()), "'doce' no es un número válido");
  }
}

TEST_F(StrToFloatTest, ReadsBackWhatFloatToStrWrote) {
  UseLocale(QLocale(QLocale::Spanish, QLocale::Argentina));
  for (float value : {0.2f, -1.0f / 3, 6.28318534f, 1e-7f, 3.0e38f, 123456.7f}) {
    SCOPED_TRACE(value);
    EXPECT_EQ(StrToFloat(FloatToStr(value)), value);
  }
}

}  // namespace
}  // namespace framework
