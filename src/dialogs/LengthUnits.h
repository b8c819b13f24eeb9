#pragma once
// The unit the designer and its dialogs show lengths in: inches or
// millimetres, a setting of the person kept in the settings store. Files
// keep inches; only what is shown converts.

#include "kyt/kytwidgets_export.h"
#include <QString>

namespace kyt::units
{

enum class Unit { Inches, Millimetres };

KYTWIDGETS_PRIVATE_EXPORT Unit current();
KYTWIDGETS_PRIVATE_EXPORT void setCurrent(Unit unit);

// Inches to the shown unit and back.
KYTWIDGETS_PRIVATE_EXPORT double fromInches(double inches, Unit unit = current());
KYTWIDGETS_PRIVATE_EXPORT double toInches(double value, Unit unit = current());
// "in" or "mm"; decimals worth showing.
KYTWIDGETS_PRIVATE_EXPORT QString suffix(Unit unit = current());
KYTWIDGETS_PRIVATE_EXPORT int decimals(Unit unit = current());
// A length as text with its unit ("1.250 in", "31.75 mm").
KYTWIDGETS_PRIVATE_EXPORT QString format(double inches, Unit unit = current());
// The status line's forms: one length (1.250" or 31.75 mm) and a point
// ("1.250, 0.500 in").
KYTWIDGETS_PRIVATE_EXPORT QString statusLength(double inches, Unit unit = current());
KYTWIDGETS_PRIVATE_EXPORT QString statusPoint(double x, double y, Unit unit = current());

// A dialog's length box: inches as the dialogs have always shown them
// (3.375"), millimetres with up to mmDecimals decimals (85.725 mm, 54 mm).
KYTWIDGETS_PRIVATE_EXPORT QString boxText(double inches, Unit unit = current(), int mmDecimals = 3);
// The inches such a box holds: its leading number, in the unit ("54" is
// 54 mm when the unit is millimetres); 0 when it holds no number.
KYTWIDGETS_PRIVATE_EXPORT double boxInches(const QString& text, Unit unit = current());

} // namespace kyt::units
