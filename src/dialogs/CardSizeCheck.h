#pragma once
// The card size boxes of the options and template properties dialogs: both
// take only sizes a card can have, since rendering refuses the others.

#include "kyt/kytwidgets_export.h"
#include <QString>

class QWidget;

namespace kyt
{

class LengthBox;

// Larger than any card; a size box holding more is a typing mistake.
inline constexpr double MaxCardInches = 60.0;

// Whether a side of this many inches is one a card can have.
KYTWIDGETS_PRIVATE_EXPORT bool cardSideValid(double inches);

// Checks the width box, then the height box. On the first bad one, says so
// (in the box's unit) in a message box titled after the dialog, focuses and
// selects the box and returns false. `whose` names the template in the
// message ("a new template").
KYTWIDGETS_PRIVATE_EXPORT bool cardSizesValid(
    QWidget* dialog, const LengthBox& width, const LengthBox& height, const QString& whose);

} // namespace kyt
