#pragma once
// CSV lines whose numbers read the same in every locale: what simtrace prints and
// the windows export.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace record {

class CsvLine {
 public:
  // 9 significant digits, enough to read a float back exactly; a whole number
  // under a billion reads as an integer.
  CsvLine& Add(double value);
  // As it is: a column's name.
  CsvLine& Add(std::string_view text);
  // The line with its newline.
  std::string Text() const { return text_ + "\n"; }

 private:
  void Separate();
  std::string text_;
};

// The names, comma-separated, with the newline.
std::string CsvHeader(const std::vector<std::string>& columns);
// The numbers, comma-separated, with the newline.
std::string CsvRow(std::span<const double> row);

}  // namespace record
