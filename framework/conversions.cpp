#include "framework/conversions.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace framework {
namespace {

constexpr int kReadoutDigits = 5;
constexpr int kGeneralDigits = 15;

std::string Print(double value, std::chars_format format, int precision) {
  char buffer[512];  // enough for a fixed 1e308 with any precision used here
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision).ptr;
  return std::string(buffer, end);
}

// to_chars breaks ties to even; people (and the readouts they compare against) expect
// 0.125 to two decimals to give 0.13, so a value that sits on a tie is nudged outward.
std::string Round(double value, std::chars_format format, int precision) {
  const std::string finer = Print(value, format, precision + 1);
  const std::size_t last =
      format == std::chars_format::scientific ? finer.find('e') - 1 : finer.size() - 1;
  double back = 0;
  std::from_chars(finer.data(), finer.data() + finer.size(), back);
  if (finer[last] == '5' && back == value)
    value = std::nextafter(value, std::copysign(std::numeric_limits<double>::infinity(), value));
  return Print(value, format, precision);
}

// Decimal exponent of a text from Round(..., scientific, ...).
int ExponentOf(const std::string& scientific) {
  return std::stoi(scientific.substr(scientific.find('e') + 1));
}

// "1.2300" -> "1.23", "2.000" -> "2"
std::string WithoutTrailingZeros(std::string digits) {
  if (digits.find('.') == std::string::npos)
    return digits;
  digits.erase(digits.find_last_not_of('0') + 1);
  if (digits.back() == '.')
    digits.pop_back();
  return digits;
}

// "1.2340e+07" -> "1.234E+7"
std::string ShortScientific(const std::string& scientific) {
  const int exponent = ExponentOf(scientific);
  return WithoutTrailingZeros(scientific.substr(0, scientific.find('e'))) +
         (exponent < 0 ? "E-" : "E+") + std::to_string(std::abs(exponent));
}

QString Localized(std::string text) {
  // A value that rounds to zero shows no sign.
  if (text.find_first_of("123456789") == std::string::npos && text.front() == '-')
    text.erase(0, 1);
  return QString::fromStdString(text).replace('.', QLocale().decimalPoint());
}

QString NonFinite(double value) {
  if (std::isnan(value))
    return "NAN";
  return value < 0 ? "-INF" : "INF";
}

}  // namespace

ConversionError::ConversionError(const QString& text)
    : std::runtime_error(QCoreApplication::translate("framework", "'%1' no es un número válido")
                             .arg(text)
                             .toStdString()) {}

QString FormatReadout(double value, int decimals) {
  if (!std::isfinite(value))
    return NonFinite(value);
  const std::string scientific = Round(value, std::chars_format::scientific, kReadoutDigits - 1);
  const int exponent = ExponentOf(scientific);
  if (exponent >= kReadoutDigits)
    return Localized(ShortScientific(scientific));
  // Round once, at whichever comes first: the fifth significant digit or the last decimal.
  const int places = std::min(decimals, kReadoutDigits - 1 - exponent);
  std::string text = Round(value, std::chars_format::fixed, places);
  if (places < decimals) {
    if (places == 0)
      text += '.';
    text.append(decimals - places, '0');
  }
  return Localized(text);
}

QString FloatToStr(double value) {
  if (!std::isfinite(value))
    return NonFinite(value);
  if (value == 0)
    return "0";
  const std::string scientific = Round(value, std::chars_format::scientific, kGeneralDigits - 1);
  const int exponent = ExponentOf(scientific);
  if (exponent >= kGeneralDigits || exponent < -5)
    return Localized(ShortScientific(scientific));
  return Localized(
      WithoutTrailingZeros(Round(value, std::chars_format::fixed, kGeneralDigits - 1 - exponent)));
}

float StrToFloat(const QString& text) {
  QLocale locale;
  locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
  bool ok = false;
  const double value = locale.toDouble(text, &ok);
  if (!ok || !std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max())
    throw ConversionError(text);
  return static_cast<float>(value);
}

}  // namespace framework
