#pragma once
// Vorlat's own pictures, drawn when they are first needed rather than stored:
// the window icon and the about panel's image, both a heavy top on its pivot.

#include <QPixmap>

namespace vorlat {

QPixmap TopIcon(int size = 32);  // size x size; the window shows it at 32
QPixmap AboutPicture();          // 80 x 92

}  // namespace vorlat
