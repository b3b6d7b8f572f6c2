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
#include <vector>

class QCustomPlot;
class QCPGraph;

namespace record {
class History;
}

namespace shell {

// One curve: a column of the history, as the plot shows it.
struct Curve {
  const char* column;
  const char* name;  // the legend's text with the unit, marked in the context "shell::GraphsStrip"
  QColor colour;
  double scale = 1.0;   // from the column's unit to the shown one
  bool change = false;  // shows the change since the run's first row
};

// One plot of the stack: its curves share a value axis, which fits their data in
// view but never spans less than `min_span`, so rounding noise stays flat.
struct Plot {
  double min_span;
  std::vector<Curve> curves;
};

class GraphsStrip : public QWidget {
  Q_OBJECT

 public:
  static constexpr int StripHeight = 250;
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
  // In the language installed now, each legend as wide as its names.
  void NameCurves();
  void Append();
  void Replot();

  const record::History& history_;
  const std::vector<Plot> plots_;
  std::size_t time_column_;
  std::vector<std::size_t> columns_;  // each curve's, in the order of the plots
  std::vector<double> first_row_;     // the run's first row, for the changes
  QCustomPlot* plot_ = nullptr;
  std::vector<QCPGraph*> graphs_;
  std::uint64_t seen_ = 0;   // the history's Added() at the last call
  std::uint64_t taken_ = 0;  // rows of the history already appended
  bool stale_ = true;        // the curves no longer show this run's history
  double last_time_ = 0.0;
  QElapsedTimer since_replot_;
};

}  // namespace shell
