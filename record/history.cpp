#include "record/history.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

namespace record {

History::History(std::vector<std::string> columns, std::size_t capacity)
    : columns_(std::move(columns)), capacity_(capacity) {}

std::size_t History::Column(std::string_view name) const {
  const auto found = std::find(columns_.begin(), columns_.end(), name);
  if (found == columns_.end())
    throw std::out_of_range("no column " + std::string(name));
  return std::size_t(found - columns_.begin());
}

void History::Add(std::span<const double> row) {
  const std::size_t width = columns_.size();
  if (values_.empty())
    values_.resize(capacity_ * width);
  const std::size_t slot = (first_ + size_) % capacity_;
  std::copy(row.begin(), row.end(), values_.begin() + std::ptrdiff_t(slot * width));
  if (size_ < capacity_)
    ++size_;
  else
    first_ = (first_ + 1) % capacity_;
  ++added_;
}

void History::Clear() {
  first_ = size_ = 0;
  added_ = 0;
}

std::span<const double> History::Row(std::size_t i) const {
  const std::size_t width = columns_.size();
  return {values_.data() + (first_ + i) % capacity_ * width, width};
}

void WriteCsv(std::ostream& out, const History& history) {
  const auto& columns = history.Columns();
  for (std::size_t c = 0; c < columns.size(); ++c) out << (c ? "," : "") << columns[c];
  out << '\n';
  std::string line;
  char number[32];
  for (std::size_t i = 0; i < history.Size(); ++i) {
    line.clear();
    for (const double value : history.Row(i)) {
      if (!line.empty())
        line += ',';
      const auto end =
          std::to_chars(number, number + sizeof number, value, std::chars_format::general, 9).ptr;
      line.append(number, end);
    }
    out << line << '\n';
  }
}

}  // namespace record
