#include "apps/vorlat/pictures.h"

#include <QPainter>
#include <QPainterPath>

#include "shell/picture_frames.h"

namespace vorlat {
namespace {

// A red disc on a tilted axle whose end rests on a pivot, drawn in a unit box
// (0..1 across, 0..1 down) so one drawing serves every size.
void DrawTop(QPainter& painter, const QRectF& box) {
  painter.save();
  shell::MapUnitSquare(painter, box);

  const QPointF pivot(0.30, 0.92);
  const QPointF tip(0.82, 0.16);
  const QPointF centre = pivot + (tip - pivot) * 0.62;

  painter.setPen(QPen(QColor(90, 90, 90), 0.03));
  painter.setBrush(QColor(150, 150, 150));
  painter.drawEllipse(QRectF(0.10, 0.86, 0.40, 0.10));  // the pivot's stand

  painter.setPen(QPen(Qt::white, 0.05, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(pivot, tip);

  // The disc seen almost edge-on, square to the axle.
  painter.translate(centre);
  painter.rotate(36.0);
  QLinearGradient shade(QPointF(-0.3, 0.0), QPointF(0.3, 0.0));
  shade.setColorAt(0.0, QColor(255, 90, 90));
  shade.setColorAt(1.0, QColor(150, 0, 0));
  painter.setPen(QPen(QColor(110, 0, 0), 0.02));
  painter.setBrush(shade);
  painter.drawEllipse(QRectF(-0.36, -0.11, 0.72, 0.22));
  painter.restore();
}

// The path the axle's end traces while the top precesses.
void DrawTrace(QPainter& painter, const QRectF& box) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0, 200, 0), 1.5, Qt::DotLine));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(box);
  painter.restore();
}

}  // namespace

QPixmap TopIcon(int size) {
  QPixmap icon = shell::IconPlate(size);
  QPainter painter(&icon);
  painter.scale(shell::IconScale(size), shell::IconScale(size));
  DrawTop(painter, shell::IconArea);
  return icon;
}

QPixmap AboutPicture() {
  QPixmap picture = shell::AboutBackdrop();
  QPainter painter(&picture);
  DrawTrace(painter, QRectF(34, 8, 40, 14));
  DrawTop(painter, QRectF(4, 6, 72, 80));
  return picture;
}

}  // namespace vorlat
