#pragma once
// A strip of stacked plots against the simulated time of a run's history, the
// last 20 seconds of it, scrolling as the run adds rows. It follows the history
// from the window's frames: rows appended, what scrolled out dropped, a replot at
// most 20 times a second and only when rows came; nothing while hidden but
// noticing that the history was cleared.

#include <QColor>
#include <QElapsedTimer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <span>
#include <utility>
#include <vector>

class QCustomPlot;
class QCPGraph;

namespace record {
class History;
}

namespace shell {

// A number worked out from one row of the history.
using RowValue = std::function<double(std::span<const double> row)>;

// A column's number in each row of `history`.
RowValue ColumnValue(const record::History& history, const char* name);

// A quantity the motion conserves, shown as its drift: its change since the run's first
// row where `size` is not zero, relative to that size; nothing before that row.
struct Drift {
  RowValue quantity, size;
};

// One curve: a column of the history, or a drift, as the plot shows it.
struct Curve {
  const char* column;  // null for a drift
  const char* name;  // the legend's text with the unit, marked in the context "shell::GraphsStrip"
  QColor colour;
  double scale = 1.0;   // from the column's unit to the shown one
  bool change = false;  // shows the change since the run's first row
  Drift drift = {};
};

// A drift's curve, in percent.
Curve DriftCurve(const char* name, QColor colour, Drift drift);

// One plot of the stack: its curves share a value axis, which fits their data in
// view but never spans less than `min_span`, so rounding noise stays flat.
struct Plot {
  double min_span;
  std::vector<Curve> curves;
};

class GraphsStrip : public QWidget {
  Q_OBJECT

 public:
  static constexpr int StripHeight = 320;  // four plots as tall as three were in 250
  static constexpr double SecondsShown = 20.0;

  // The plots come into being when the strip is first shown.
  GraphsStrip(const record::History& history, std::vector<Plot> plots, QWidget* parent);

  // Takes what the history added since the last call; call it on every frame.
  void Follow();

 protected:
  void showEvent(QShowEvent* event) override;
  // The legends in the language just installed.
  void changeEvent(QEvent* event) override;

 private:
  void Build();
  // The drifts' references, from the rows not looked at yet.
  void FindReferences();
  // The value `curve` (the graph-th) shows for `row`.
  double Value(std::size_t graph, const Curve& curve, std::span<const double> row) const;
  // In the language installed now, each legend as wide as its names.
  void NameCurves();
  void Append();
  void Replot();

  const record::History& history_;
  const std::vector<Plot> plots_;
  std::size_t time_column_;
  std::vector<std::size_t> columns_;  // each curve's, in the order of the plots
  std::vector<double> first_row_;     // the run's first row, for the changes
  // Each curve's drift reference, quantity and size; NaN until found, and for columns.
  std::vector<std::pair<double, double>> references_;
  std::uint64_t looked_ = 0;  // rows looked at for the references
  QCustomPlot* plot_ = nullptr;
  std::vector<QCPGraph*> graphs_;
  std::uint64_t seen_ = 0;   // the history's Added() at the last call
  std::uint64_t taken_ = 0;  // rows of the history already appended
  bool stale_ = true;        // the curves no longer show this run's history
  double last_time_ = 0.0;
  QElapsedTimer since_replot_;
};

}  // namespace shell
