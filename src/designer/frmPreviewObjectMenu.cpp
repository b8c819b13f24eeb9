// The &Object menu: each command hands the work to the selection controller
// and becomes one step on the undo stack.

#include "designer/COutline.h"
#include "designer/DataPanel.h"
#include "designer/DesignControl.h"
#include "designer/DesignEditing.h"
#include "designer/DesignSelection.h"
#include "designer/frmPreview.h"
#include "settings/CTargetApplications.h"
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QUndoStack>

namespace kyt
{

namespace
{

// Hourglass while a command runs; one undo step for what it changes.
class ObjectCommand
{
public:
    ObjectCommand(frmPreview& w, const char* text)
        : m_window(w)
        , m_cursor(w.cursor())
        , m_edit(w.undoStack(), DesignEditing::of(w), frmPreview::tr(text))
    {
        w.setCursor(Qt::WaitCursor);
    }
    ~ObjectCommand() { m_window.setCursor(m_cursor); }

private:
    frmPreview& m_window;
    QCursor m_cursor;
    DesignEdit m_edit;
};

bool checked(const frmPreview& w, const char* name)
{
    const QAction* a = w.menuAction(QLatin1String(name));
    return a && a->isChecked();
}

void enable(const frmPreview& w, const char* name, bool on)
{
    if (QAction* a = w.menuAction(QLatin1String(name)))
        a->setEnabled(on);
}

} // namespace

void frmPreview::showObjectMenu(DesignControl* c)
{
    if (!c) {
        // The card's own menu.
        updateMenu(QStringLiteral("Pointer"), false, 0, false, false);
        m_mnuMethods->setDefaultAction(nullptr);
        m_mnuMethods->popup(objectMenuPosition());
        return;
    }
    const bool border = c->BorderStyle() != 0;
    QAction* def = nullptr;
    switch (c->kind()) {
    case DesignControl::Kind::Text:
    case DesignControl::Kind::Data:
        updateMenu(c->Name(), border, c->Alignment(), c->BackStyle() == 0, IsBarcodeToken(c->Tag()));
        def = menuAction(c->kind() == DesignControl::Kind::Text ? QStringLiteral("mnuOptionsEditText")
                                                                : QStringLiteral("mnuOptionsUserField"));
        break;
    case DesignControl::Kind::Logo:
        updateMenu(c->Name(), border, 0, false, false);
        // The tick tells this logo's own setting, not the last one's.
        menuAction(QStringLiteral("mnuOptionsStretch"))->setChecked(c->Stretch());
        def = menuAction(QStringLiteral("mnuOptionsLogo"));
        break;
    case DesignControl::Kind::Rectangle:
    case DesignControl::Kind::Line:
        updateMenu(c->Name(), border, 0, false, false);
        def = menuAction(QStringLiteral("mnuOptionsBackColor"));
        break;
    case DesignControl::Kind::Photo:
        updateMenu(c->Name(), border, 0, false, false);
        break;
    }
    m_mnuMethods->setDefaultAction(def);
    m_mnuMethods->popup(objectMenuPosition());
}

void frmPreview::mnuOptionsDelete_Click()
{
    if (!m_outline)
        return;
    {
        ObjectCommand command(*this, QT_TRANSLATE_NOOP("kyt::frmPreview", "Delete"));
        if (m_selection && m_selection->count() > 1)
            m_selection->deleteAll();
        else
            m_outline->Delete();
    }
    DesignEditing::of(*this).clearStatus(); // the geometry shown was the deleted object's
    if (auto* photo = findChild<QAction*>(QStringLiteral("tlbObjectsPhoto")))
        photo->setEnabled(!Photo().Item(0)->Visible());
}

void frmPreview::mnuOptionsLogo_Click()
{
    if (!m_outline)
        return;
    ObjectCommand command(*this, QT_TRANSLATE_NOOP("kyt::frmPreview", "Load Logo"));
    m_outline->LoadLogo();
}

void frmPreview::mnuOptionsUserField_Click()
{
    if (!m_outline)
        return;
    try {
        ObjectCommand command(*this, QT_TRANSLATE_NOOP("kyt::frmPreview", "Data Field"));
        std::shared_ptr<CPrintData> data = m_defaultPrintData;
        if (!data && m_targets && m_template) {
            try {
                if (auto target = m_targets->Item(m_template->TargetApplication()))
                    data = target->PrintData();
            } catch (const std::exception&) {
                // no such target application: an empty field list below
            }
        }
        if (!data)
            data = std::make_shared<CPrintData>();
        if (DataPanel* panel = DataPanel::of(*this))
            data = panel->withSourceFields(data);
        m_outline->LoadDataFields(data);
    } catch (const std::exception& e) {
        report(e, " mnuOptionsUserField_Click");
    }
}

void frmPreview::mnuOptionsEditText_Click()
{
    try {
        if (m_outline)
            m_outline->Edit();
    } catch (const std::exception& e) {
        report(e, " mnuOptionsEditText_Click");
    }
}

void frmPreview::mnuOptionsFront_Click()
{
    if (!m_outline)
        return;
    ObjectCommand command(*this, QT_TRANSLATE_NOOP("kyt::frmPreview", "Bring to Front"));
    m_outline->BringtoFront();
}

void frmPreview::mnuOptionsBack_Click()
{
    if (!m_outline)
        return;
    ObjectCommand command(*this, QT_TRANSLATE_NOOP("kyt::frmPreview", "Send to Back"));
    m_outline->SendtoBack();
}

void frmPreview::mnuOptionsFont_Click()
{
    if (!m_outline)
        return;
    ObjectCommand command(*this, QT_TRANSLATE_NOOP("kyt::frmPreview", "Font"));
    m_outline->ChangeFont();
}

void frmPreview::mnuOptionsFontToFit_Click()
{
    if (!m_outline)
        return;
    ObjectCommand command(*this, QT_TRANSLATE_NOOP("kyt::frmPreview", "Size Font To Fit"));
    m_outline->setFontToFit(checked(*this, "mnuOptionsFontToFit"));
}

void frmPreview::mnuOptionsAlignmentLeft_Click()
{
    ObjectCommand command(*this, QT_TRANSLATE_NOOP("kyt::frmPreview", "Alignment"));
    SetAlignmentChecks(0);
    if (m_outline)
        m_outline->Align(0);
}

void frmPreview::mnuOptionsAlignmentCenter_Click()
{
    ObjectCommand command(*this, QT_TRANSLATE_NOOP("kyt::frmPreview", "Alignment"));
    SetAlignmentChecks(2);
    if (m_outline)
        m_outline->Align(2);
}

void frmPreview::mnuOptionsAlignmentRight_Click()
{
    ObjectCommand command(*this, QT_TRANSLATE_NOOP("kyt::frmPreview", "Alignment"));
    SetAlignmentChecks(1);
    if (m_outline)
        m_outline->Align(1);
}

void frmPreview::mnuOptionsStretch_Click()
{
    if (!m_outline)
        return;
    ObjectCommand command(*this, QT_TRANSLATE_NOOP("kyt::frmPreview", "Stretch"));
    m_outline->Stretch(checked(*this, "mnuOptionsStretch"));
}

void frmPreview::mnuOptionsBorderStyle_Click()
{
    if (!m_outline)
        return;
    ObjectCommand command(*this, QT_TRANSLATE_NOOP("kyt::frmPreview", "Border"));
    m_outline->Border(checked(*this, "mnuOptionsBorderStyle"));
}

void frmPreview::mnuOptionsTransparent_Click()
{
    const bool on = checked(*this, "mnuOptionsTransparent");
    enable(*this, "mnuOptionsBackColor", !on);
    if (!m_outline)
        return;
    ObjectCommand command(*this, QT_TRANSLATE_NOOP("kyt::frmPreview", "Transparent"));
    m_outline->SetControlTransparent(on);
}

void frmPreview::mnuOptionsBackColor_Click()
{
    if (!m_outline)
        return;
    ObjectCommand command(*this, QT_TRANSLATE_NOOP("kyt::frmPreview", "Background Color"));
    m_outline->ChangeColor(QStringLiteral("Back"));
}

void frmPreview::mnuOptionsForeColor_Click()
{
    if (!m_outline)
        return;
    ObjectCommand command(*this, QT_TRANSLATE_NOOP("kyt::frmPreview", "Foreground Color"));
    m_outline->ChangeColor(QStringLiteral("Fore"));
}

void frmPreview::mnuOptionsBarcode_Click()
{
    const bool on = checked(*this, "mnuOptionsBarcode");
    enable(*this, "mnuOptionsBarcodeProp", on);
    if (!m_outline)
        return;
    ObjectCommand command(*this, QT_TRANSLATE_NOOP("kyt::frmPreview", "Barcode"));
    m_outline->SetControlBarcode(on);
    if (on)
        m_outline->BarCodeProp();
}

void frmPreview::mnuOptionsBarcodeProp_Click()
{
    if (!m_outline)
        return;
    ObjectCommand command(*this, QT_TRANSLATE_NOOP("kyt::frmPreview", "Barcode Properties"));
    m_outline->BarCodeProp();
}

} // namespace kyt
