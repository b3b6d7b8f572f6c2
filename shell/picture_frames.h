#pragma once
// What the programs' own pictures have in common: the window icon's dark plate,
// the about picture's night-blue room with its grey floor, and a way to draw a
// figure once for every size.

#include <QPainter>
#include <QPixmap>

namespace shell {

// `size` x `size`, a rounded dark-blue plate; figures go inside IconArea, which is
// laid out for 32 x 32: scale the painter by IconScale(size) before drawing there.
QPixmap IconPlate(int size);
inline const QRectF IconArea(2, 1, 28, 30);
inline qreal IconScale(int size) {
  return size / 32.0;
}

// 80 x 92: a dark blue back fading down to a grey floor, which starts at FloorTop.
QPixmap AboutBackdrop();
inline constexpr int FloorTop = 74;

// Maps the unit square (0..1 across, 0..1 down) onto `box` and turns on
// antialiasing; save and restore the painter around it.
void MapUnitSquare(QPainter& painter, const QRectF& box);

}  // namespace shell
