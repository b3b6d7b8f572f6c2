#include "record/csv.h"

#include <charconv>

namespace record {

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

CsvLine& CsvLine::Add(std::string_view text) {
  Separate();
  text_ += text;
  return *this;
}

std::string CsvHeader(const std::vector<std::string>& columns) {
  CsvLine line;
  for (const std::string& name : columns) line.Add(name);
  return line.Text();
}

std::string CsvRow(std::span<const double> row) {
  CsvLine line;
  for (const double value : row) line.Add(value);
  return line.Text();
}

}  // namespace record
