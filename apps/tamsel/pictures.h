#pragma once
// Tamsel's own pictures, drawn when they are first needed rather than stored:
// the window icon and the about panel's image, both the yellow block in its room.

#include <QPixmap>

namespace tamsel {

QPixmap BlockIcon(int size = 32);  // size x size; the window shows it at 32
QPixmap AboutPicture();            // 80 x 92

}  // namespace tamsel
