#pragma once
// Text from input files (names, field values, paths) on its way to a
// terminal: control characters are shown as escapes so a file cannot move
// the cursor, change colours or retitle the window.

#include "kyt/kytcore_export.h"
#include <QString>

namespace kyt
{

// C0 controls other than line feed and tab, DEL, and C1 controls as \xHH
// (\u{HHHH} above 0xFF: the bidirectional overrides and isolates, which can
// make a line read differently from its bytes). A carriage return is kept
// only before a line feed.
KYTCORE_PRIVATE_EXPORT QString escapeControls(const QString& text);

} // namespace kyt
