#include "shell/graphs_strip.h"

#include <qcustomplot.h>

#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

#include "record/history.h"

namespace shell {
namespace {

// At least this long between replots, 20 a second whatever the frame rate: curves
// scroll smoothly, and a replot (about 1.3 ms on llvmpipe) stays a small share of a frame.
constexpr qint64 ReplotMs = 50;

constexpr double Unknown = std::numeric_limits<double>::quiet_NaN();

}  // namespace

RowValue ColumnValue(const record::History& history, const char* name) {
  return [column = history.Column(name)](std::span<const double> row) { return row[column]; };
}

Curve DriftCurve(const char* name, QColor colour, Drift drift) {
  return {nullptr, name, colour, 100.0, false, std::move(drift)};
}

GraphsStrip::GraphsStrip(const record::History& history, std::vector<Plot> plots, QWidget* parent)
    : QWidget(parent),
      history_(history),
      plots_(std::move(plots)),
      time_column_(history.Column("t")) {
  for (const Plot& plot : plots_)
    for (const Curve& curve : plot.curves)
      columns_.push_back(curve.column ? history.Column(curve.column) : 0);
  references_.assign(columns_.size(), {Unknown, Unknown});
  setFixedHeight(StripHeight);
}

void GraphsStrip::showEvent(QShowEvent* event) {
  if (!plot_)
    Build();
  stale_ = true;  // hidden, it followed nothing
  QWidget::showEvent(event);
}

void GraphsStrip::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange && plot_) {
    NameCurves();
    plot_->replot();
  }
  QWidget::changeEvent(event);
}

void GraphsStrip::Build() {
  plot_ = new QCustomPlot(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(plot_);
  plot_->setPlottingHints(QCP::phFastPolylines | QCP::phCacheLabels);
  plot_->setAutoAddPlottableToLegend(false);
  plot_->plotLayout()->clear();
  plot_->plotLayout()->setRowSpacing(0);
  auto* aligned = new QCPMarginGroup(plot_);
  QFont text = font();
  text.setPixelSize(11);
  for (std::size_t p = 0; p < plots_.size(); ++p) {
    auto* rect = new QCPAxisRect(plot_);
    plot_->plotLayout()->addElement(int(p), 0, rect);
    rect->setMarginGroup(QCP::msLeft | QCP::msRight, aligned);
    QCPAxis* time = rect->axis(QCPAxis::atBottom);
    QCPAxis* value = rect->axis(QCPAxis::atLeft);
    for (QCPAxis* axis : {time, value}) {
      axis->setTickLabelFont(text);
      axis->setLabelFont(text);
      axis->ticker()->setTickCount(3);
    }
    // The plots share the time axis, labelled under the last one only.
    const bool last = p + 1 == plots_.size();
    time->setTickLabels(last);
    rect->setAutoMargins(last ? QCP::msLeft | QCP::msBottom : QCP::msLeft);
    rect->setMargins(QMargins(0, 6, 8, 2));
    if (last)
      time->setLabel("t (s)");
    // Beside its plot, so that it never hides a curve.
    auto* legend = new QCPLegend;
    plot_->plotLayout()->addElement(int(p), 1, legend);
    legend->setLayer("legend");
    legend->setFont(text);
    legend->setBorderPen(Qt::NoPen);
    legend->setBrush(Qt::NoBrush);
    legend->setRowSpacing(0);
    legend->setIconSize(14, 8);
    legend->setMargins(QMargins(0, 6, 4, 0));
    for (const Curve& curve : plots_[p].curves) {
      QCPGraph* graph = plot_->addGraph(time, value);
      graph->setPen(QPen(curve.colour, 1.5));
      graph->setAntialiased(false);  // a quarter of the replot's time, and as legible
      graph->addToLegend(legend);
      graphs_.push_back(graph);
      QCPAbstractLegendItem* item = legend->itemWithPlottable(graph);
      item->setMaximumSize(QWIDGETSIZE_MAX, item->minimumOuterSizeHint().height());
    }
    // Takes the height the items leave, keeping them at the top.
    legend->addElement(legend->rowCount(), 0, new QCPLayoutElement(plot_));
  }
  NameCurves();
}

void GraphsStrip::NameCurves() {
  std::size_t graph = 0;
  for (std::size_t p = 0; p < plots_.size(); ++p) {
    for (const Curve& curve : plots_[p].curves) graphs_[graph++]->setName(tr(curve.name));
    // As wide as its longest name, the plot taking the rest.
    auto* legend = static_cast<QCPLegend*>(plot_->plotLayout()->element(int(p), 1));
    legend->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    legend->setMaximumSize(legend->minimumOuterSizeHint().width(), QWIDGETSIZE_MAX);
  }
}

void GraphsStrip::Follow() {
  const std::uint64_t added = history_.Added();
  if (added < seen_) {  // cleared: a reset, an example, new conditions
    first_row_.clear();
    references_.assign(references_.size(), {Unknown, Unknown});
    looked_ = 0;
    stale_ = true;
  }
  seen_ = added;
  if (first_row_.empty() && history_.Size() > 0) {
    const std::span<const double> first = history_.Row(0);
    first_row_.assign(first.begin(), first.end());
  }
  FindReferences();
  if (!isVisible() || (!stale_ && added == taken_))
    return;  // hidden, or paused: the curves stand still
  if (!stale_ && since_replot_.isValid() && since_replot_.elapsed() < ReplotMs)
    return;
  Append();
  Replot();
}

void GraphsStrip::FindReferences() {
  const std::uint64_t dropped = history_.Added() - history_.Size();
  for (looked_ = std::max(looked_, dropped); looked_ < history_.Added(); ++looked_) {
    const std::span<const double> row = history_.Row(std::size_t(looked_ - dropped));
    bool missing = false;
    std::size_t graph = 0;
    for (const Plot& plot : plots_)
      for (const Curve& curve : plot.curves) {
        auto& [quantity, size] = references_[graph++];
        if (curve.column || !std::isnan(size))
          continue;
        if (const double here = curve.drift.size(row); here != 0.0)
          quantity = curve.drift.quantity(row), size = std::abs(here);
        else
          missing = true;
      }
    if (!missing) {
      looked_ = history_.Added();
      return;
    }
  }
}

double GraphsStrip::Value(std::size_t graph, const Curve& curve,
                          std::span<const double> row) const {
  if (curve.column) {
    const std::size_t column = columns_[graph];
    return (row[column] - (curve.change ? first_row_[column] : 0.0)) * curve.scale;
  }
  // The rows before the reference have no size; NaN leaves them out of the curve.
  const auto [quantity, size] = references_[graph];
  if (std::isnan(size) || curve.drift.size(row) == 0.0)
    return Unknown;
  return (curve.drift.quantity(row) - quantity) / size * curve.scale;
}

void GraphsStrip::Append() {
  if (stale_) {
    for (QCPGraph* graph : graphs_) graph->data()->clear();
    taken_ = 0;
    stale_ = false;
  }
  const std::size_t size = history_.Size();
  const std::uint64_t fresh = std::min<std::uint64_t>(size, history_.Added() - taken_);
  taken_ = history_.Added();
  if (size == 0) {
    last_time_ = 0.0;
    return;
  }
  const auto time = [&](std::size_t row) { return history_.Row(row)[time_column_]; };
  last_time_ = time(size - 1);
  // Of rows that would scroll out at once, only the one that reaches the left edge.
  std::size_t from = size - 1;
  while (from > size - fresh && time(from) > last_time_ - SecondsShown) --from;
  const qsizetype count = qsizetype(size - from);
  QVector<double> keys(count), values(count);
  for (qsizetype i = 0; i < count; ++i) keys[i] = time(from + std::size_t(i));
  std::size_t graph = 0;
  for (const Plot& plot : plots_)
    for (const Curve& curve : plot.curves) {
      for (qsizetype i = 0; i < count; ++i)
        values[i] = Value(graph, curve, history_.Row(from + std::size_t(i)));
      graphs_[graph++]->addData(keys, values, true);
    }
}

void GraphsStrip::Replot() {
  const double right = std::max(SecondsShown, last_time_), left = right - SecondsShown;
  std::size_t graph = 0;
  for (std::size_t p = 0; p < plots_.size(); ++p) {
    QCPAxisRect* rect = plot_->axisRect(int(p));
    rect->axis(QCPAxis::atBottom)->setRange(left, right);
    QCPRange range;
    bool any = false;
    for (std::size_t c = 0; c < plots_[p].curves.size(); ++c, ++graph) {
      graphs_[graph]->data()->removeBefore(left - 1.0);
      bool found = false;
      const QCPRange own = graphs_[graph]->getValueRange(found, QCP::sdBoth, QCPRange(left, right));
      if (!found)
        continue;
      if (any)
        range.expand(own);
      else
        range = own;
      any = true;
    }
    const double span = plots_[p].min_span;
    if (range.size() < span)
      range = QCPRange(range.center() - span / 2, range.center() + span / 2);
    else
      range = QCPRange(range.lower - 0.05 * range.size(), range.upper + 0.05 * range.size());
    rect->axis(QCPAxis::atLeft)->setRange(range);
  }
  // Painted before the frame's tick returns, so no update waits for the next frame.
  plot_->replot(QCustomPlot::rpImmediateRefresh);
  since_replot_.start();
}

}  // namespace shell
