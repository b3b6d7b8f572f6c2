#pragma once
// Which character a font's list for a code draws.

#include <QChar>
#include <QString>

#include <cstdint>

// Codes 0-255 are Latin-1, as the 8-bit texts the fonts draw are; codes without a
// printable character (controls, beyond 16 bits) get an empty list.
inline QString GlyphText(std::int64_t code) {
  if (code < 0 || code > 0xFFFF || !QChar(static_cast<char16_t>(code)).isPrint())
    return {};
  return QString(QChar(static_cast<char16_t>(code)));
}
