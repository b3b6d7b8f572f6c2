#include "shell/picture_frames.h"

#include <QLinearGradient>

namespace shell {

QPixmap IconPlate(int size) {
  QPixmap icon(size, size);
  icon.fill(Qt::transparent);
  QPainter painter(&icon);
  painter.scale(IconScale(size), IconScale(size));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 96));
  painter.drawRoundedRect(QRectF(0, 0, 32, 32), 5, 5);
  return icon;
}

QPixmap AboutBackdrop() {
  QPixmap picture(80, 92);
  QPainter painter(&picture);
  QLinearGradient back(0, 0, 0, picture.height());
  back.setColorAt(0.0, QColor(0, 0, 64));
  back.setColorAt(1.0, QColor(40, 40, 120));
  painter.fillRect(picture.rect(), back);
  painter.fillRect(QRectF(0, FloorTop, 80, 92 - FloorTop), QColor(128, 128, 128));
  return picture;
}

void MapUnitSquare(QPainter& painter, const QRectF& box) {
  painter.translate(box.topLeft());
  painter.scale(box.width(), box.height());
  painter.setRenderHint(QPainter::Antialiasing);
}

}  // namespace shell
