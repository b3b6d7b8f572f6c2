#include "shell/ok_glyph.h"

#include <QPainter>
#include <QPixmap>

namespace shell {

QIcon OkGlyph() {
  QPixmap tick(16, 16);
  tick.fill(Qt::transparent);
  QPainter painter(&tick);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0, 128, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
  return QIcon(tick);
}

}  // namespace shell
