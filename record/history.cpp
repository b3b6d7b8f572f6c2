#include "record/history.h"

#include <algorithm>
#include <ostream>
#include <stdexcept>
#include <utility>

#include "record/csv.h"

namespace record {

History::History(std::vector<std::string> columns, std::size_t capacity)
    : columns_(std::move(columns)), capacity_(capacity) {
  if (columns_.empty() || capacity_ == 0)
    throw std::invalid_argument("a history needs columns and room for a row");
  // Address space only: the pages come as the rows reach them.
  values_.reserve(capacity_ * columns_.size());
}

std::size_t History::Column(std::string_view name) const {
  const auto found = std::find(columns_.begin(), columns_.end(), name);
  if (found == columns_.end())
    throw std::out_of_range("no column " + std::string(name));
  return std::size_t(found - columns_.begin());
}

void History::Add(std::span<const double> row) {
  const std::size_t width = columns_.size();
  if (row.size() != width)
    throw std::invalid_argument("a row needs one number per column");
  if (added_ < capacity_)
    values_.insert(values_.end(), row.begin(), row.end());
  else
    std::copy(row.begin(), row.end(), values_.begin() + std::ptrdiff_t(added_ % capacity_ * width));
  ++added_;
}

void History::Clear() {
  values_.clear();
  added_ = 0;
}

std::span<const double> History::Row(std::size_t i) const {
  // Once full, the oldest row sits where the next one will be written.
  const std::size_t slot = added_ > capacity_ ? std::size_t((added_ + i) % capacity_) : i;
  return std::span<const double>(values_).subspan(slot * columns_.size(), columns_.size());
}

void WriteCsv(std::ostream& out, const History& history) {
  out << CsvHeader(history.Columns());
  for (std::size_t i = 0; i < history.Size(); ++i) out << CsvRow(history.Row(i));
}

}  // namespace record
