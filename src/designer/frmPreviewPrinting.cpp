// The designer's printer set-up, print preview and options dialog.

#include "designer/DesignerPrinter.h"
#include "designer/frmPreview.h"
#include "designer/frmPrintPreview.h"
#include "dialogs/frmOptions.h"
#include "platform/CommonDialog.h"
#include "platform/widgets/ModalRunner.h"
#include "settings/CProperties.h"
#include "settings/CTargetApplications.h"
#include <QApplication>
#include <QPointer>

namespace kyt
{

namespace
{

// The hourglass while a command prepares; gone before a modal window shows.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { release(); }
    void release()
    {
        if (m_on)
            QApplication::restoreOverrideCursor();
        m_on = false;
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool m_on = true;
};

// The preview while it is shown (one at a time: it is modal).
QPointer<frmPrintPreview>& openPreview()
{
    static QPointer<frmPrintPreview> preview;
    return preview;
}

} // namespace

void frmPreview::mnuIDPrintSetup_Click()
{
    WaitCursor wait;
    try {
        // The printer starts in the card's orientation.
        if (m_template)
            DesignerPrinter::setOrientation(m_template->Orientation());
        wait.release();
        DesignerPrinter::SelectPrinter(commonDialog());
    } catch (const std::exception& e) {
        report(e, "SelectPrinter");
    }
}

void frmPreview::mnuIDPrint_Click()
{
    if (!m_template)
        return;
    TextUpdate(); // the text being typed is printed too
    WaitCursor wait;
    try {
        // The preview shows the controls as they are now. Rebuilding the
        // objects is no edit: the document's changed state stays as it was.
        const bool dirty = m_template->Dirty();
        m_template->ControlstoAttributes(*this);
        if (!dirty && m_template->Dirty())
            m_template->setDataChanged(false);

        frmPrintPreview preview(this);
        preview.setError(m_error);
        preview.setCommonBox(&commonDialog());
        preview.setID(m_template);
        // Shown even when the card could not be drawn in full.
        preview.Render();
        wait.release();
        openPreview() = &preview;
        execModal(preview);
        openPreview().clear();
    } catch (const std::exception& e) {
        report(e, "PrintPreview");
    }
}

void frmPreview::mnuToolsOptions_Click()
{
    try {
        frmOptions options(this);
        options.setError(m_error);
        options.setProperties(m_properties);
        options.setTargetApplications(m_targets.get());
        options.LoadSettings();
        execModal(options);
    } catch (const std::exception& e) {
        report(e, "mnuToolsOptions_Click");
    }
}

void frmPreview::closePrintPreview()
{
    if (openPreview())
        openPreview()->hide();
}

} // namespace kyt
