#pragma once
// What the programs' own pictures have in common: the window icon's dark plate,
// the about picture's night-blue room with its grey floor, and a way to draw a
// figure once for every size.

#include <QPainter>
#include <QPixmap>

namespace shell {

// 32 x 32, a rounded dark-blue plate; figures go inside IconArea.
QPixmap IconPlate();
inline const QRectF IconArea(2, 1, 28, 30);

// 80 x 92: a dark blue back fading down to a grey floor, which starts at FloorTop.
QPixmap AboutBackdrop();
inline constexpr int FloorTop = 74;

// Maps the unit square (0..1 across, 0..1 down) onto `box` and turns on
// antialiasing; save and restore the painter around it.
void MapUnitSquare(QPainter& painter, const QRectF& box);

}  // namespace shell
