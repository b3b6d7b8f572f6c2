#include "apps/tamsel/pictures.h"

#include <QPolygonF>

#include "shell/picture_frames.h"

namespace tamsel {
namespace {

const QColor Yellow(230, 230, 0);

// The block standing on end, a little turned: its front, its lit top and its
// shaded side, in the unit square.
void DrawBlock(QPainter& painter, const QRectF& box) {
  painter.save();
  shell::MapUnitSquare(painter, box);
  painter.setPen(QPen(QColor(90, 90, 0), 0.02));
  const QPointF depth(0.25, -0.12);
  const QRectF front(0.15, 0.14, 0.55, 0.84);
  painter.setBrush(Yellow);
  painter.drawRect(front);
  painter.setBrush(Yellow.lighter(125));
  painter.drawPolygon(QPolygonF(
      {front.topLeft(), front.topLeft() + depth, front.topRight() + depth, front.topRight()}));
  painter.setBrush(Yellow.darker(150));
  painter.drawPolygon(QPolygonF({front.topRight(), front.topRight() + depth,
                                 front.bottomRight() + depth, front.bottomRight()}));
  painter.restore();
}

// The room's far wall and the edges that run from it towards the viewer.
void DrawRoomEdges(QPainter& painter, const QRectF& far_wall, const QRectF& near) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::white, 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(far_wall);
  painter.drawLine(far_wall.topLeft(), near.topLeft());
  painter.drawLine(far_wall.topRight(), near.topRight());
  painter.drawLine(far_wall.bottomLeft(), near.bottomLeft());
  painter.drawLine(far_wall.bottomRight(), near.bottomRight());
  painter.restore();
}

}  // namespace

QPixmap BlockIcon(int size) {
  QPixmap icon = shell::IconPlate(size);
  QPainter painter(&icon);
  painter.scale(shell::IconScale(size), shell::IconScale(size));
  DrawBlock(painter, shell::IconArea);
  return icon;
}

QPixmap AboutPicture() {
  QPixmap picture = shell::AboutBackdrop();
  QPainter painter(&picture);
  DrawRoomEdges(painter, QRectF(18, 14, 44, shell::FloorTop - 14), QRectF(-1, -1, 82, 94));
  DrawBlock(painter, QRectF(24, 20, 30, 66));
  return picture;
}

}  // namespace tamsel
