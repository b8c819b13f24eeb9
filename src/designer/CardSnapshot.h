#pragma once
// The card as the designer shows it, written into a template file of its
// own (the person's file is not touched) and read back as the command line
// reads one: what the preflight checks and Print Records prints.

#include "kyt/kytwidgets_export.h"
#include "template/CPrintTemplate.h"
#include <QByteArray>
#include <QString>

namespace kyt
{

class frmPreview;

// The template file's bytes of the shown card; empty with *error.
KYTWIDGETS_PRIVATE_EXPORT QByteArray shownCardBytes(frmPreview& window, QString* error);
// Writes them to fileName; false with *error.
KYTWIDGETS_PRIVATE_EXPORT bool writeShownCard(frmPreview& window, const QString& fileName, QString* error);
// The shown card read back from fileName (written by writeShownCard), with
// the placeholder photo; null with *error.
KYTWIDGETS_PRIVATE_EXPORT CPrintTemplatePtr readShownCard(const QString& fileName, QString* error);

} // namespace kyt
