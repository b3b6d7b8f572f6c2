#include "tools/simtrace/csv.h"

#include <charconv>

namespace simtrace {

void CsvLine::Separate() {
  if (!text_.empty())
    text_ += ',';
}

CsvLine& CsvLine::Add(double value) {
  Separate();
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 9);
  text_.append(buffer, result.ptr);
  return *this;
}

CsvLine& CsvLine::Add(std::int64_t value) {
  Separate();
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  text_.append(buffer, result.ptr);
  return *this;
}

}  // namespace simtrace
