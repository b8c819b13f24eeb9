#pragma once
// The barcode fonts the project builds (fonts/generate_barcode_fonts.py):
// "KYT 3of9" (Code 39: digits, capitals, - . space $ / + % and "*" as
// start/stop; lower case prints as capitals) and "KYT Code128" (every
// character the Code 128 encoders produce, with the quiet zone built into
// the start and stop glyphs).

#include "kyt/kytcore_export.h"
#include <QString>

namespace kyt
{

inline constexpr char kBarcode39Family[] = "KYT 3of9";
inline constexpr char kBarcode128Family[] = "KYT Code128";
inline constexpr char kBarcode39File[] = "KYT3of9.ttf";
inline constexpr char kBarcode128File[] = "KYTCode128.ttf";

// Makes both fonts available to the application's font database, taking
// each from the first of paths::fontDirectories() that holds it. Safe to call
// from any thread and any number of times; a font not found yet is looked
// for again on the next call. Needs a QGuiApplication. Returns whether both
// families are available.
KYTCORE_PRIVATE_EXPORT bool registerBarcodeFonts();

// Whether a family is one of the two above (any letter case).
KYTCORE_PRIVATE_EXPORT bool isBundledBarcodeFamily(const QString& family);

// Path of the font file registered for a family, empty when none was.
KYTCORE_PRIVATE_EXPORT QString registeredBarcodeFontFile(const QString& family);

} // namespace kyt
