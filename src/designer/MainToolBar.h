#pragma once
// The designer's main tool bar and the commands that came with it: cut,
// copy, paste, duplicate and select-all in the Edit menu, the Arrange menu
// (align, distribute, same size, snapping), the Properties panel and the
// unit in the View menu, recent templates in the ID menu, and undo and redo
// that name what they undo. frmPreview::buildConveniences builds them all;
// this header offers the icons.

#include "kyt/kytwidgets_export.h"
#include <QIcon>
#include <QString>

class QPalette;

namespace kyt
{

// The project's own icons for the main tool bar ("New", "Open", "Save",
// "Undo", "Redo", "Cut", "Copy", "Paste", "ZoomIn", "ZoomOut", "ZoomFit",
// "Print", "Properties", "AlignLeft", "AlignTop", "DistributeAcross",
// "DistributeDown"): vector outlines in the palette's text colour, drawn
// for each device pixel ratio so they stay sharp on HiDPI screens and
// readable on dark themes. A null icon for an unknown key.
KYTWIDGETS_PRIVATE_EXPORT QIcon mainToolIcon(const QString& key, const QPalette& palette);

} // namespace kyt
