#pragma once
// Turns a text into the string that prints it as a Code 128 barcode in the
// barcode font: start symbol, data, check symbol, stop symbol, each one
// character (Windows-1252 codes held as their Unicode characters).

#include "errors/CError.h"
#include "kyt/kytcore_export.h"
#include <QString>

namespace kyt
{

// Error raised (and handled) inside CreateCode128C for a text that is not a
// digit string.
inline constexpr qint32 kCode128CAlphaError = vbObjectError + 99999; // 0x8005869F
inline constexpr char kCode128CAlphaSource[] = "modBarCodeRoutines.CreateCode128C";
inline constexpr char kCode128CAlphaDescription[]
    = "Passed in barcode text contains alpha characters.  Code128C can only use numerals";

// Sets the start A (135), start B (136), start C (137) and stop (138)
// characters. The encoders call it themselves; calling it again is harmless.
KYTCORE_PRIVATE_EXPORT void InitCode128Chars();
KYTCORE_PRIVATE_EXPORT QString Code128StartA();
KYTCORE_PRIVATE_EXPORT QString Code128StartB();
KYTCORE_PRIVATE_EXPORT QString Code128StartC();
KYTCORE_PRIVATE_EXPORT QString Code128Stop();

// Blanks (spaces only) removed from both ends, as the encoders trim.
KYTCORE_PRIVATE_EXPORT QString TrimBarcodeBlanks(const QString& text);

// Whether the trimmed text can be encoded: code set B holds the characters
// with codes 32 to 127; code set C holds an empty text or digits 0-9 only.
KYTCORE_PRIVATE_EXPORT bool IsCode128BText(const QString& text);
KYTCORE_PRIVATE_EXPORT bool IsCode128CText(const QString& text);

// Code set B. The text is trimmed; each character prints as itself. A text
// holding a character code set B has no symbol for (outside codes 32..127)
// gives the empty string, as a bad code set C text does, so no symbol with
// a wrong check character is ever printed.
KYTCORE_PRIVATE_EXPORT QString CreateCode128B(const QString& text);

// Code set C. The text is trimmed and padded with a leading "0" to an even
// length; each digit pair prints as its symbol-table character. The empty
// text, and any text that is not a plain digit string (letters, a sign, a
// decimal point, an exponent, inner blanks), give the empty string.
KYTCORE_PRIVATE_EXPORT QString CreateCode128C(const QString& text);

} // namespace kyt
