#pragma once
// The designer's icons: small SVG drawings compiled into the library
// (resources/icons), drawn in the palette's text colour wherever they say
// "currentColor", so they stay readable on dark themes, and rendered afresh
// for every size and pixel ratio, so they stay sharp on HiDPI screens.

#include "kyt/kytwidgets_export.h"
#include <QIcon>
#include <QString>

class QPalette;

namespace kyt
{

// The icon for a key ("New", "Open", "Save", "Undo", "Redo", "Cut", "Copy",
// "Paste", "ZoomIn", "ZoomOut", "ZoomFit", "Print", "Properties",
// "AlignLeft", "AlignTop", "DistributeAcross", "DistributeDown", and the
// tools "Pointer", "Photo", "Logo", "Rectangle", "Data", "Text", "Line"); a
// null icon for a key without a drawing.
KYTWIDGETS_PRIVATE_EXPORT QIcon designIcon(const QString& key, const QPalette& palette);

} // namespace kyt
