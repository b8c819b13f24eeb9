#pragma once
// Rules for the designer's controls that the template and the designer
// window share.

#include "kyt/kytcore_export.h"
#include <QString>

namespace kyt
{

class IDesignControl;

// Why a control cannot become an object of a saved template (the message a
// save shows), or an empty text when it can: a static text without text, a
// data field without a field name, a logo without a picture.
KYTCORE_PRIVATE_EXPORT QString unsaveableReason(const IDesignControl& control);

} // namespace kyt
