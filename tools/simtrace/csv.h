#pragma once
// CSV lines whose numbers read the same in every locale.

#include <cstdint>
#include <string>

namespace simtrace {

class CsvLine {
 public:
  // 9 significant digits: enough to read a float back exactly.
  CsvLine& Add(double value);
  CsvLine& Add(std::int64_t value);
  // The line with its newline.
  std::string Text() const { return text_ + "\n"; }

 private:
  void Separate();
  std::string text_;
};

}  // namespace simtrace
