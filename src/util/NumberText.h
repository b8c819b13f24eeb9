#pragma once
// Numbers as text the way the card files have always held them: "." as the
// decimal separator whatever the locale; readers also accept ",".

#include "kyt/kytcore_export.h"
#include <QString>
#include <optional>

namespace kyt
{

// Shortest text of a single-precision value, up to 7 significant digits:
// 1.5, 0.25, 3.375, 0.3333333, 1.234568E+07, 1E-05.
KYTCORE_PRIVATE_EXPORT QString singleToText(float value);
// The same with up to 15 significant digits, for double-precision values.
KYTCORE_PRIVATE_EXPORT QString doubleToText(double value);

// Fixed pattern such as "0.000" (intDigits 1, decimals 3) or "000.000"
// (intDigits 3, decimals 3).
KYTCORE_PRIVATE_EXPORT QString formatFixed(double value, int intDigits, int decimals);

// Pattern "##0.0###": at least one and at most four decimals.
KYTCORE_PRIVATE_EXPORT QString formatInchText(double value);

// Whole text as a number ("." or "," as separator, surrounding blanks
// allowed); nullopt when it is not a number.
KYTCORE_PRIVATE_EXPORT std::optional<double> parseNumber(const QString& text);

// The leading numeric part of a text, 0 when there is none ("3.375\"" -> 3.375).
KYTCORE_PRIVATE_EXPORT double leadingNumber(const QString& text);

// Round to the nearest integer, halves to even.
KYTCORE_PRIVATE_EXPORT long long roundHalfEven(double value);

} // namespace kyt
