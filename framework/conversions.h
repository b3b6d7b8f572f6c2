#pragma once
// Number <-> text conversions with the user's locale, as the windows show and read them.

#include <QString>

#include <stdexcept>

namespace framework {

// Raised by StrToFloat; the message (UTF-8, Spanish) names the offending text.
class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(const QString& text);
};

// Fixed notation with `decimals` decimals after rounding to 5 significant digits;
// scientific when the integer part needs more than 5 digits.
QString FormatReadout(double value, int decimals);

// General form: up to 15 significant digits, no trailing zeros; scientific for very
// large or very small magnitudes.
QString FloatToStr(double value);

// Reads a single with the locale's decimal separator. Empty text, infinity, NaN and
// values beyond the range of a single raise ConversionError.
float StrToFloat(const QString& text);

}  // namespace framework
