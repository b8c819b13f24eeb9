#pragma once
// Windows-1252 ("ANSI") text conversion. Template files and the barcode font
// map are Windows-1252, which differs from Latin-1 in codes 128-159.

#include "kyt/kytcore_export.h"
#include <QByteArray>
#include <QString>

namespace kyt
{

// Each byte becomes one character; the five codes Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the same-numbered C1 controls.
KYTCORE_PRIVATE_EXPORT QString fromAnsi(const QByteArray& bytes);
KYTCORE_PRIVATE_EXPORT QString fromAnsi(const char* data, qsizetype size);

// Characters Windows-1252 cannot hold become '?'.
KYTCORE_PRIVATE_EXPORT QByteArray toAnsi(const QString& text);

// The Unicode character for one Windows-1252 code, and back (-1 when the
// character has no code).
KYTCORE_PRIVATE_EXPORT QChar ansiChar(unsigned char code);
KYTCORE_PRIVATE_EXPORT int ansiCode(QChar ch);

} // namespace kyt
