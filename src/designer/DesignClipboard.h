#pragma once
// Cut, copy, paste and duplicate of design objects through the system
// clipboard. The selected objects go there under the designer's own type,
// every property with their pictures, so they paste into any designer
// window and any template; their texts go along as plain text for other
// programs. A picture copied in another program pastes as a new logo.

#include "kyt/kytwidgets_export.h"
#include <QByteArray>
#include <QString>

class QMimeData;

namespace kyt
{

class frmPreview;

namespace clipboard
{

// The clipboard type of design objects.
inline const QString MimeType = QStringLiteral("application/x-kytpreview-objects");

// The selected objects in the clipboard's form; empty when none.
KYTWIDGETS_PRIVATE_EXPORT QByteArray encodeSelection(frmPreview& window);
// Places encoded objects on the window's card as one undo step ("Paste" or
// "Duplicate"), each shifted by offset inches when it would cover an equal
// object; the pasted objects end up selected. Returns how many were placed.
KYTWIDGETS_PRIVATE_EXPORT int placeObjects(frmPreview& window, const QByteArray& encoded, const QString& text);

// True when the clipboard holds something the window can paste.
KYTWIDGETS_PRIVATE_EXPORT bool canPaste(const frmPreview& window);

KYTWIDGETS_PRIVATE_EXPORT void copy(frmPreview& window);
KYTWIDGETS_PRIVATE_EXPORT void cut(frmPreview& window);
KYTWIDGETS_PRIVATE_EXPORT void paste(frmPreview& window);
KYTWIDGETS_PRIVATE_EXPORT void duplicate(frmPreview& window);

} // namespace clipboard
} // namespace kyt
