#pragma once
// A run's recorded rows, bounded, and the one CSV writer for them.

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace record {

// The rows a run recorded since its last reset, oldest first; at most `capacity` are
// kept, the oldest dropped when more come.
class History {
 public:
  explicit History(std::vector<std::string> columns, std::size_t capacity = 60000);
  const std::vector<std::string>& Columns() const { return columns_; }
  // Index of a column; throws std::out_of_range.
  std::size_t Column(std::string_view name) const;
  // row.size() == Columns().size()
  void Add(std::span<const double> row);
  void Clear();
  // Rows kept.
  std::size_t Size() const { return size_; }
  // Rows added since the last Clear.
  std::uint64_t Added() const { return added_; }
  // 0 = oldest kept.
  std::span<const double> Row(std::size_t i) const;

 private:
  std::vector<std::string> columns_;
  std::size_t capacity_;
  std::vector<double> values_;  // a ring of capacity_ rows
  std::size_t first_ = 0, size_ = 0;
  std::uint64_t added_ = 0;
};

// The header line and every kept row, '.' decimal point, 9 significant digits.
void WriteCsv(std::ostream& out, const History& history);

}  // namespace record
