#pragma once
// The component's icon (a badge), drawn so no image file must ship.

#include "kyt/kytwidgets_export.h"
#include <QIcon>

namespace kyt
{

KYTWIDGETS_PRIVATE_EXPORT QIcon appIcon();

} // namespace kyt
