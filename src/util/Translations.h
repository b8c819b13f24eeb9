#pragma once
// The library's texts in the user's language. English is built in; other
// languages are catalogues embedded in the core library. Qt's own texts
// (standard buttons, common dialogs) come from Qt's catalogue where the
// system has it installed.

#include "kyt/kytcore_export.h"
#include <QLocale>

namespace kyt
{

// Loads the catalogues for `locale` into the running application, replacing
// any loaded before; English (or any language without a catalogue) loads
// none. Returns true when the library's own catalogue was found.
KYTCORE_EXPORT bool installTranslations(const QLocale& locale = QLocale());
// Loads the catalogues for the default locale (QLocale(): the system's,
// from LANG, LC_ALL or LC_MESSAGES, unless a host set another) once per
// application. The designer, the Preview control and the CLI call it.
KYTCORE_EXPORT void ensureTranslations();

} // namespace kyt
