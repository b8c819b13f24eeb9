// Printer set-up, print preview and the options dialog from the designer.

#include "designer/frmPreview.h"
#include "platform/CommonDialog.h"

namespace kyt
{

void frmPreview::mnuIDPrintSetup_Click()
{
    commonDialog().ShowPrinter(QString(), m_template ? m_template->Orientation() : 1);
}

void frmPreview::mnuIDPrint_Click() { }

void frmPreview::mnuToolsOptions_Click() { }

void frmPreview::closePrintPreview() { }

} // namespace kyt
