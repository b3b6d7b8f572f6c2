#pragma once
// A run's recorded rows: one number per named column, oldest first, kept in one
// flat buffer of `capacity` rows, reserved up front, that turns into a ring once
// full: a long run neither grows without bound nor allocates per row.

#include <cstddef>
#include <cstdint>
#include <iosfwd>
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
  // row.size() == Columns().size(), else std::invalid_argument.
  void Add(std::span<const double> row);
  // Drops every row; the buffer keeps its memory for the next run.
  void Clear();
  std::size_t Size() const { return added_ < capacity_ ? std::size_t(added_) : capacity_; }
  // Rows added since the last Clear; more than Size() once some were dropped.
  std::uint64_t Added() const { return added_; }
  // 0 = oldest kept.
  std::span<const double> Row(std::size_t i) const;

 private:
  std::vector<std::string> columns_;
  std::size_t capacity_;
  std::vector<double> values_;  // rows one after another; a ring once full
  std::uint64_t added_ = 0;
};

// The header line and every kept row, '.' decimal point, 9 significant digits: the one
// CSV writer, which simtrace uses too.
void WriteCsv(std::ostream& out, const History& history);

}  // namespace record
