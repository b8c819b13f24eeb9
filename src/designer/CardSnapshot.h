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

// The template file's bytes of the shown card. Throws KytError.
KYTWIDGETS_PRIVATE_EXPORT QByteArray shownCardBytes(frmPreview& window);
// The shown card written to fileName and read back from it as the command
// line reads a template, with the placeholder photo. Throws KytError.
KYTWIDGETS_PRIVATE_EXPORT CPrintTemplatePtr shownCardCopy(frmPreview& window, const QString& fileName);
// Another copy read from the file shownCardCopy wrote. Throws KytError.
KYTWIDGETS_PRIVATE_EXPORT CPrintTemplatePtr readCardCopy(const QString& fileName);

} // namespace kyt
