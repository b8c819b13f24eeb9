// The action table and the building of the menus and tool bars from it.

#include "designer/DesignActions.h"

#include "designer/AlignCommands.h"
#include "designer/DesignClipboard.h"
#include "designer/DesignIcons.h"
#include "designer/DesignSelection.h"
#include "designer/DesignTool.h"
#include "designer/DesignUnits.h"
#include "designer/PropertiesPanel.h"
#include "designer/frmPreview.h"
#include <QAction>
#include <QActionGroup>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QUndoStack>
#include <algorithm>

namespace kyt
{

namespace
{

using K = ActionEntry::Kind;
using R = ActionRule;
constexpr unsigned Checkable = ActionEntry::Checkable;
constexpr unsigned Checked = ActionEntry::Checked;
constexpr unsigned Hidden = ActionEntry::Hidden;
// Exclusive groups.
constexpr int ZoomGroup = 1;
constexpr int UnitGroup = 2;
constexpr int ToolGroup = 3;

ActionEntry separator(const char* name, const char* parent, unsigned flags = 0)
{
    return ActionEntry { .kind = K::Separator, .name = name, .parent = parent, .caption = "-", .flags = flags };
}

ActionEntry menu(const char* name, const char* caption, const char* parent = "mnuBar", const char* menuName = nullptr,
    unsigned flags = 0)
{
    return ActionEntry {
        .kind = K::Menu, .name = name, .parent = parent, .caption = caption, .flags = flags, .menuName = menuName
    };
}

ActionEntry tool(const char* key, const char* caption, const char* tip)
{
    return ActionEntry { .kind = K::Tool,
        .name = key,
        .parent = "mnuToolsMenu",
        .caption = caption,
        .icon = key,
        .tip = tip,
        .flags = Checkable,
        .group = ToolGroup };
}

void zoomTo(frmPreview& w, double factor)
{
    w.setZoom(factor);
}

void arrangeBy(frmPreview& w, arrange::Op op)
{
    applyArrange(w, op);
}

QList<ActionEntry> buildTable()
{
    // Captions and tips go through DesignActions::tr when the actions are made.
    return {
        menu("mnuID", QT_TR_NOOP("&ID")),
        { .name = "mnuIDNew",
            .parent = "mnuIDMenu",
            .caption = QT_TR_NOOP("&New"),
            .keys = { QKeySequence::New },
            .icon = "New",
            .tip = QT_TR_NOOP("New template"),
            .mainBar = 11,
            .run = [](frmPreview& w) { w.mnuIDNew_Click(); } },
        { .name = "mnuIDOpen",
            .parent = "mnuIDMenu",
            .caption = QT_TR_NOOP("&Open..."),
            .keys = { QKeySequence::Open },
            .icon = "Open",
            .tip = QT_TR_NOOP("Open a template"),
            .mainBar = 12,
            .run = [](frmPreview& w) { w.mnuIDOpen_Click(); } },
        { .name = "mnuIDClose",
            .parent = "mnuIDMenu",
            .caption = QT_TR_NOOP("&Close ID"),
            .rule = R::Card,
            .run = [](frmPreview& w) { w.mnuIDClose_Click(); } },
        separator("mnuIDSep0", "mnuIDMenu"),
        { .name = "mnuIDSave",
            .parent = "mnuIDMenu",
            .caption = QT_TR_NOOP("&Save"),
            .keys = { QKeySequence::Save },
            .icon = "Save",
            .tip = QT_TR_NOOP("Save the template"),
            .rule = R::Card,
            .mainBar = 13,
            .run = [](frmPreview& w) { w.mnuIDSave_Click(); } },
        { .name = "mnuIDSaveAs",
            .parent = "mnuIDMenu",
            .caption = QT_TR_NOOP("Save &As..."),
            .rule = R::Card,
            .run = [](frmPreview& w) { w.mnuIDSaveAs_Click(); } },
        separator("mnuIDSep", "mnuIDMenu"),
        { .name = "mnuIDPrintSetup",
            .parent = "mnuIDMenu",
            .caption = QT_TR_NOOP("Print Set&up..."),
            .run = [](frmPreview& w) { w.mnuIDPrintSetup_Click(); } },
        { .name = "mnuIDPrint",
            .parent = "mnuIDMenu",
            .caption = QT_TR_NOOP("&Print Preview..."),
            .keys = { QKeySequence::Print },
            .icon = "Print",
            .tip = QT_TR_NOOP("Print preview"),
            .rule = R::Card,
            .mainBar = 61,
            .run = [](frmPreview& w) { w.mnuIDPrint_Click(); } },
        separator("mnuIDSep3", "mnuIDMenu"),
        { .name = "mnuIDShowGrid",
            .parent = "mnuIDMenu",
            .caption = QT_TR_NOOP("&Show Grid"),
            .flags = Checkable | Checked,
            .run = [](frmPreview& w) { w.mnuIDShowGrid_Click(); } },
        { .name = "mnuIDProperties",
            .parent = "mnuIDMenu",
            .caption = QT_TR_NOOP("Properties..."),
            .rule = R::Card,
            .run = [](frmPreview& w) { w.mnuIDProperties_Click(); } },
        menu("mnuIDRecent", QT_TR_NOOP("&Recent Templates"), "mnuIDMenu"),
        separator("mnuIDSep5", "mnuIDMenu"),
        { .name = "mnuIDCloseWin",
            .parent = "mnuIDMenu",
            .caption = QT_TR_NOOP("E&xit"),
            .run = [](frmPreview& w) { w.mnuIDCloseWin_Click(); } },

        menu("mnuEdit", QT_TR_NOOP("&Edit")),
        { .name = "mnuEditUndo",
            .parent = "mnuEditMenu",
            .caption = QT_TR_NOOP("&Undo"),
            .keys = { QKeySequence(Qt::CTRL | Qt::Key_Z) },
            .icon = "Undo",
            .rule = R::Undo,
            .mainBar = 21,
            .run = [](frmPreview& w) { w.undoStack()->undo(); } },
        { .name = "mnuEditRedo",
            .parent = "mnuEditMenu",
            .caption = QT_TR_NOOP("&Redo"),
            .keys = { QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) },
            .icon = "Redo",
            .rule = R::Redo,
            .mainBar = 22,
            .run = [](frmPreview& w) { w.undoStack()->redo(); } },
        separator("mnuEditSep1", "mnuEditMenu"),
        { .name = "mnuEditCut",
            .parent = "mnuEditMenu",
            .caption = QT_TR_NOOP("Cu&t"),
            .keys = { QKeySequence::Cut },
            .icon = "Cut",
            .tip = QT_TR_NOOP("Cut"),
            .rule = R::Selection,
            .mainBar = 31,
            .run = [](frmPreview& w) { clipboard::cut(w); } },
        { .name = "mnuEditCopy",
            .parent = "mnuEditMenu",
            .caption = QT_TR_NOOP("&Copy"),
            .keys = { QKeySequence::Copy },
            .icon = "Copy",
            .tip = QT_TR_NOOP("Copy"),
            .rule = R::Selection,
            .mainBar = 32,
            .run = [](frmPreview& w) { clipboard::copy(w); } },
        { .name = "mnuEditPaste",
            .parent = "mnuEditMenu",
            .caption = QT_TR_NOOP("&Paste"),
            .keys = { QKeySequence::Paste },
            .icon = "Paste",
            .tip = QT_TR_NOOP("Paste"),
            .rule = R::Clipboard,
            .mainBar = 33,
            .run = [](frmPreview& w) { clipboard::paste(w); } },
        { .name = "mnuEditDuplicate",
            .parent = "mnuEditMenu",
            .caption = QT_TR_NOOP("&Duplicate"),
            .keys = { QKeySequence(Qt::CTRL | Qt::Key_D) },
            .rule = R::Selection,
            .run = [](frmPreview& w) { clipboard::duplicate(w); } },
        separator("mnuEditSep2", "mnuEditMenu"),
        { .name = "mnuEditSelectAll",
            .parent = "mnuEditMenu",
            .caption = QT_TR_NOOP("Select &All"),
            .keys = { QKeySequence::SelectAll },
            .rule = R::Open,
            .run =
                [](frmPreview& w) {
                    if (w.currentTemplate() && !w.txtText()->isVisible())
                        w.selection()->selectAll();
                } },

        menu("mnuView", QT_TR_NOOP("&View")),
        { .name = "mnuViewZoom100",
            .parent = "mnuViewMenu",
            .caption = QT_TR_NOOP("&100 %"),
            .keys = { QKeySequence(Qt::CTRL | Qt::Key_1) },
            .flags = Checkable | Checked,
            .group = ZoomGroup,
            .run = [](frmPreview& w) { zoomTo(w, 1.0); } },
        { .name = "mnuViewZoom200",
            .parent = "mnuViewMenu",
            .caption = QT_TR_NOOP("&200 %"),
            .keys = { QKeySequence(Qt::CTRL | Qt::Key_2) },
            .flags = Checkable,
            .group = ZoomGroup,
            .run = [](frmPreview& w) { zoomTo(w, 2.0); } },
        { .name = "mnuViewZoom300",
            .parent = "mnuViewMenu",
            .caption = QT_TR_NOOP("&300 %"),
            .keys = { QKeySequence(Qt::CTRL | Qt::Key_3) },
            .flags = Checkable,
            .group = ZoomGroup,
            .run = [](frmPreview& w) { zoomTo(w, 3.0); } },
        { .name = "mnuViewZoom400",
            .parent = "mnuViewMenu",
            .caption = QT_TR_NOOP("&400 %"),
            .keys = { QKeySequence(Qt::CTRL | Qt::Key_4) },
            .flags = Checkable,
            .group = ZoomGroup,
            .run = [](frmPreview& w) { zoomTo(w, 4.0); } },
        { .name = "mnuViewZoomFit",
            .parent = "mnuViewMenu",
            .caption = QT_TR_NOOP("&Fit to Window"),
            .keys = { QKeySequence(Qt::CTRL | Qt::Key_0) },
            .icon = "ZoomFit",
            .tip = QT_TR_NOOP("Fit to window"),
            .mainBar = 43,
            .run = [](frmPreview& w) { w.zoomToFit(); } },
        separator("mnuViewSep1", "mnuViewMenu"),
        { .name = "mnuViewZoomIn",
            .parent = "mnuViewMenu",
            .caption = QT_TR_NOOP("Zoom &In"),
            .keys = { QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal) },
            .icon = "ZoomIn",
            .tip = QT_TR_NOOP("Zoom in"),
            .mainBar = 42,
            .run = [](frmPreview& w) { zoomTo(w, w.zoom() * 1.25); } },
        { .name = "mnuViewZoomOut",
            .parent = "mnuViewMenu",
            .caption = QT_TR_NOOP("Zoom &Out"),
            .keys = { QKeySequence::ZoomOut },
            .icon = "ZoomOut",
            .tip = QT_TR_NOOP("Zoom out"),
            .mainBar = 41,
            .run = [](frmPreview& w) { zoomTo(w, w.zoom() / 1.25); } },
        separator("mnuViewSep2", "mnuViewMenu"),
        { .kind = K::Adopted,
            .name = "mnuViewMainToolBar",
            .parent = "mnuViewMenu",
            .caption = QT_TR_NOOP("Main &Tool Bar"),
            .flags = Checkable,
            .adopt = [](frmPreview& w) { return w.tlbMain()->toggleViewAction(); } },
        { .kind = K::Adopted,
            .name = "mnuViewProperties",
            .parent = "mnuViewMenu",
            .caption = QT_TR_NOOP("&Properties Panel"),
            .keys = { QKeySequence(Qt::Key_F4) },
            .icon = "Properties",
            .tip = QT_TR_NOOP("Properties panel (F4)"),
            .flags = Checkable,
            .mainBar = 62,
            .adopt = [](frmPreview& w) { return w.propertiesPanel()->toggleViewAction(); } },
        menu("mnuViewUnits", QT_TR_NOOP("&Units"), "mnuViewMenu"),
        { .name = "mnuViewUnitsInches",
            .parent = "mnuViewUnitsMenu",
            .caption = QT_TR_NOOP("&Inches"),
            .flags = Checkable,
            .group = UnitGroup,
            .run = [](frmPreview& w) { w.setUnits(units::Unit::Inches); } },
        { .name = "mnuViewUnitsMillimetres",
            .parent = "mnuViewUnitsMenu",
            .caption = QT_TR_NOOP("&Millimetres"),
            .flags = Checkable,
            .group = UnitGroup,
            .run = [](frmPreview& w) { w.setUnits(units::Unit::Millimetres); } },

        // The object menu lives in the bar but only shows as a context menu;
        // most of its items show only for the kinds they apply to.
        menu("mnuMethodsAction", QT_TR_NOOP("&Object"), "mnuBar", "mnuMethods", Hidden),
        { .name = "mnuOptionsDelete",
            .parent = "mnuMethods",
            .caption = QT_TR_NOOP("&Delete"),
            .run = [](frmPreview& w) { w.mnuOptionsDelete_Click(); } },
        { .name = "mnuOptionsLogo",
            .parent = "mnuMethods",
            .caption = QT_TR_NOOP("&Load Logo..."),
            .flags = Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsLogo_Click(); } },
        { .name = "mnuOptionsUserField",
            .parent = "mnuMethods",
            .caption = QT_TR_NOOP("Data &Field..."),
            .flags = Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsUserField_Click(); } },
        { .name = "mnuOptionsEditText",
            .parent = "mnuMethods",
            .caption = QT_TR_NOOP("&Edit Text"),
            .flags = Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsEditText_Click(); } },
        separator("mnuOptionsSep1", "mnuMethods", Hidden),
        { .name = "mnuOptionsFront",
            .parent = "mnuMethods",
            .caption = QT_TR_NOOP("&Bring to Front"),
            .flags = Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsFront_Click(); } },
        { .name = "mnuOptionsBack",
            .parent = "mnuMethods",
            .caption = QT_TR_NOOP("&Send to Back"),
            .flags = Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsBack_Click(); } },
        separator("mnuOptionsSep2", "mnuMethods", Hidden),
        { .name = "mnuOptionsFont",
            .parent = "mnuMethods",
            .caption = QT_TR_NOOP("&Font..."),
            .flags = Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsFont_Click(); } },
        { .name = "mnuOptionsFontToFit",
            .parent = "mnuMethods",
            .caption = QT_TR_NOOP("Size Font To Fit"),
            .flags = Checkable | Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsFontToFit_Click(); } },
        menu("mnuOptionsAlign", QT_TR_NOOP("&Alignment..."), "mnuMethods", nullptr, Hidden),
        { .name = "mnuOptionsAlignmentLeft",
            .parent = "mnuOptionsAlignMenu",
            .caption = QT_TR_NOOP("&Left"),
            .flags = Checkable,
            .run = [](frmPreview& w) { w.mnuOptionsAlignmentLeft_Click(); } },
        { .name = "mnuOptionsAlignmentCenter",
            .parent = "mnuOptionsAlignMenu",
            .caption = QT_TR_NOOP("&Center"),
            .flags = Checkable,
            .run = [](frmPreview& w) { w.mnuOptionsAlignmentCenter_Click(); } },
        { .name = "mnuOptionsAlignmentRight",
            .parent = "mnuOptionsAlignMenu",
            .caption = QT_TR_NOOP("&Right"),
            .flags = Checkable,
            .run = [](frmPreview& w) { w.mnuOptionsAlignmentRight_Click(); } },
        separator("mnuOptionsSep3", "mnuMethods", Hidden),
        { .name = "mnuOptionsStretch",
            .parent = "mnuMethods",
            .caption = QT_TR_NOOP("&Stretch"),
            .flags = Checkable | Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsStretch_Click(); } },
        { .name = "mnuOptionsBorderStyle",
            .parent = "mnuMethods",
            .caption = QT_TR_NOOP("&Border"),
            .flags = Checkable | Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsBorderStyle_Click(); } },
        { .name = "mnuOptionsTransparent",
            .parent = "mnuMethods",
            .caption = QT_TR_NOOP("&Transparent"),
            .flags = Checkable | Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsTransparent_Click(); } },
        { .name = "mnuOptionsBackColor",
            .parent = "mnuMethods",
            .caption = QT_TR_NOOP("Background &Color..."),
            .flags = Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsBackColor_Click(); } },
        { .name = "mnuOptionsForeColor",
            .parent = "mnuMethods",
            .caption = QT_TR_NOOP("Fore&ground Color..."),
            .flags = Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsForeColor_Click(); } },
        separator("mnuOptionsSep4", "mnuMethods", Hidden),
        { .name = "mnuOptionsBarcode",
            .parent = "mnuMethods",
            .caption = QT_TR_NOOP("Barcode"),
            .flags = Checkable | Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsBarcode_Click(); } },
        { .name = "mnuOptionsBarcodeProp",
            .parent = "mnuMethods",
            .caption = QT_TR_NOOP("Properties..."),
            .flags = Hidden,
            .rule = R::Later,
            .run = [](frmPreview& w) { w.mnuOptionsBarcodeProp_Click(); } },
        separator("mnuOptionsSep5", "mnuMethods", Hidden),
        { .name = "mnuOptionsMagstripe",
            .parent = "mnuMethods",
            .caption = QT_TR_NOOP("Magstripe..."),
            .flags = Hidden,
            .rule = R::Never },
        { .name = "mnuOptionsSmartCard",
            .parent = "mnuMethods",
            .caption = QT_TR_NOOP("SmartCard..."),
            .flags = Hidden,
            .rule = R::Never },

        // Several objects at once, and snapping.
        menu("mnuArrange", QT_TR_NOOP("&Arrange")),
        { .name = "mnuArrangeAlignLeft",
            .parent = "mnuArrangeMenu",
            .caption = QT_TR_NOOP("Align &Left"),
            .icon = "AlignLeft",
            .tip = QT_TR_NOOP("Align left edges"),
            .rule = R::TwoSelected,
            .mainBar = 51,
            .run = [](frmPreview& w) { arrangeBy(w, arrange::Op::AlignLeft); } },
        { .name = "mnuArrangeAlignCenter",
            .parent = "mnuArrangeMenu",
            .caption = QT_TR_NOOP("Align &Centres"),
            .rule = R::TwoSelected,
            .run = [](frmPreview& w) { arrangeBy(w, arrange::Op::AlignCentresAcross); } },
        { .name = "mnuArrangeAlignRight",
            .parent = "mnuArrangeMenu",
            .caption = QT_TR_NOOP("Align &Right"),
            .rule = R::TwoSelected,
            .run = [](frmPreview& w) { arrangeBy(w, arrange::Op::AlignRight); } },
        separator("mnuArrangeSep2", "mnuArrangeMenu"),
        { .name = "mnuArrangeAlignTop",
            .parent = "mnuArrangeMenu",
            .caption = QT_TR_NOOP("Align &Top"),
            .icon = "AlignTop",
            .tip = QT_TR_NOOP("Align top edges"),
            .rule = R::TwoSelected,
            .mainBar = 52,
            .run = [](frmPreview& w) { arrangeBy(w, arrange::Op::AlignTop); } },
        { .name = "mnuArrangeAlignMiddle",
            .parent = "mnuArrangeMenu",
            .caption = QT_TR_NOOP("Align &Middles"),
            .rule = R::TwoSelected,
            .run = [](frmPreview& w) { arrangeBy(w, arrange::Op::AlignCentresDown); } },
        { .name = "mnuArrangeAlignBottom",
            .parent = "mnuArrangeMenu",
            .caption = QT_TR_NOOP("Align &Bottom"),
            .rule = R::TwoSelected,
            .run = [](frmPreview& w) { arrangeBy(w, arrange::Op::AlignBottom); } },
        separator("mnuArrangeSep3", "mnuArrangeMenu"),
        { .name = "mnuArrangeDistributeAcross",
            .parent = "mnuArrangeMenu",
            .caption = QT_TR_NOOP("Distribute &Horizontally"),
            .icon = "DistributeAcross",
            .tip = QT_TR_NOOP("Distribute horizontally"),
            .rule = R::ThreeSelected,
            .mainBar = 53,
            .run = [](frmPreview& w) { arrangeBy(w, arrange::Op::DistributeAcross); } },
        { .name = "mnuArrangeDistributeDown",
            .parent = "mnuArrangeMenu",
            .caption = QT_TR_NOOP("Distribute &Vertically"),
            .icon = "DistributeDown",
            .tip = QT_TR_NOOP("Distribute vertically"),
            .rule = R::ThreeSelected,
            .mainBar = 54,
            .run = [](frmPreview& w) { arrangeBy(w, arrange::Op::DistributeDown); } },
        separator("mnuArrangeSep4", "mnuArrangeMenu"),
        { .name = "mnuArrangeSameWidth",
            .parent = "mnuArrangeMenu",
            .caption = QT_TR_NOOP("Same &Width"),
            .rule = R::TwoSelected,
            .run = [](frmPreview& w) { arrangeBy(w, arrange::Op::SameWidth); } },
        { .name = "mnuArrangeSameHeight",
            .parent = "mnuArrangeMenu",
            .caption = QT_TR_NOOP("Same H&eight"),
            .rule = R::TwoSelected,
            .run = [](frmPreview& w) { arrangeBy(w, arrange::Op::SameHeight); } },
        separator("mnuArrangeSep1", "mnuArrangeMenu"),
        { .name = "mnuArrangeSnapGrid",
            .parent = "mnuArrangeMenu",
            .caption = QT_TR_NOOP("Snap to &Grid"),
            .flags = Checkable,
            .run =
                [](frmPreview& w) {
                    w.selection()->setSnapToGrid(w.menuAction(QStringLiteral("mnuArrangeSnapGrid"))->isChecked());
                } },
        { .name = "mnuArrangeSnapObjects",
            .parent = "mnuArrangeMenu",
            .caption = QT_TR_NOOP("Snap to &Objects"),
            .flags = Checkable | Checked,
            .run =
                [](frmPreview& w) {
                    w.selection()->setSnapToObjects(w.menuAction(QStringLiteral("mnuArrangeSnapObjects"))->isChecked());
                } },

        // The tools stand in the Tools menu too, so a tool can be chosen from
        // the keyboard (Alt+T and the letter).
        menu("mnuTools", QT_TR_NOOP("&Tools")),
        { .name = "mnuToolsOptions",
            .parent = "mnuToolsMenu",
            .caption = QT_TR_NOOP("&Options"),
            .run = [](frmPreview& w) { w.mnuToolsOptions_Click(); } },
        separator("mnuToolsSep1", "mnuToolsMenu"),
        tool("Pointer", QT_TR_NOOP("&Select Objects"), QT_TR_NOOP("Select Objects")),
        tool("Photo", QT_TR_NOOP("&Photo Place Holder"), QT_TR_NOOP("Photo Place Holder")),
        tool("Logo", QT_TR_NOOP("&Logo or Image"), QT_TR_NOOP("Logo or Image")),
        tool("Rectangle", QT_TR_NOOP("&Rectangle"), QT_TR_NOOP("Rectangle")),
        tool("Data", QT_TR_NOOP("&Data Field"), QT_TR_NOOP("Data Field")),
        tool("Text", QT_TR_NOOP("Single Static &Text Line"), QT_TR_NOOP("Single Static Text Line")),
        tool("Line", QT_TR_NOOP("L&ine"), QT_TR_NOOP("Line")),

        menu("mnuHelp", QT_TR_NOOP("&Help")),
        { .name = "mnuHelpConstant",
            .parent = "mnuHelpMenu",
            .caption = QT_TR_NOOP("&Contents"),
            .keys = { QKeySequence::HelpContents },
            .run = [](frmPreview& w) { w.mnuHelpConstant_Click(); } },
        { .name = "mnuHelpSearch",
            .parent = "mnuHelpMenu",
            .caption = QT_TR_NOOP("Search for Help On..."),
            .run = [](frmPreview& w) { w.mnuHelpSearch_Click(); } },
        separator("mnuHelpSep2", "mnuHelpMenu"),
        { .name = "mnuHelpAbout",
            .parent = "mnuHelpMenu",
            .caption = QT_TR_NOOP("&About Previewer"),
            .run = [](frmPreview& w) { w.mnuHelpAbout_Click(); } },
    };
}

QString menuObjectName(const ActionEntry& e)
{
    return e.menuName ? QLatin1String(e.menuName) : QLatin1String(e.name) + QLatin1String("Menu");
}

} // namespace

const QList<ActionEntry>& DesignActions::table()
{
    static const QList<ActionEntry> entries = buildTable();
    return entries;
}

QString DesignActions::caption(const ActionEntry& entry)
{
    return tr(entry.caption);
}

void DesignActions::build(frmPreview& w)
{
    QMenuBar* bar = w.menuBar();
    bar->setObjectName(QStringLiteral("mnuBar"));

    w.m_tlbObjects = new QToolBar(tr("Objects"), &w);
    w.m_tlbObjects->setObjectName(QStringLiteral("tlbObjects"));
    w.m_tlbObjects->setMovable(false);
    w.m_tlbObjects->setIconSize(QSize(24, 24));
    w.addToolBar(Qt::LeftToolBarArea, w.m_tlbObjects);
    w.m_tlbMain = new QToolBar(tr("Main"), &w);
    w.m_tlbMain->setObjectName(QStringLiteral("tlbMain"));
    w.m_tlbMain->setMovable(false);
    w.m_tlbMain->setIconSize(QSize(22, 22));
    w.m_tlbMain->setToolButtonStyle(Qt::ToolButtonIconOnly);
    w.addToolBar(Qt::TopToolBarArea, w.m_tlbMain);

    QMap<QString, QMenu*> menus;
    QMap<int, QActionGroup*> groups;
    std::vector<std::pair<int, QAction*>> onMainBar;
    const QPalette palette = w.palette();
    for (const ActionEntry& e : table()) {
        const QString name = QLatin1String(e.name);
        QMenu* parent = menus.value(QLatin1String(e.parent));
        QAction* a = nullptr;
        switch (e.kind) {
        case ActionEntry::Kind::Menu: {
            auto* m = new QMenu(caption(e), &w);
            m->setObjectName(menuObjectName(e));
            if (parent)
                parent->addMenu(m);
            else
                bar->addMenu(m);
            menus.insert(m->objectName(), m);
            if (e.name == std::string_view("mnuMethodsAction"))
                w.m_mnuMethods = m;
            a = m->menuAction();
            break;
        }
        case ActionEntry::Kind::Separator:
            a = parent->addSeparator();
            break;
        case ActionEntry::Kind::Adopted:
            a = e.adopt(w);
            a->setText(caption(e));
            parent->addAction(a);
            break;
        case ActionEntry::Kind::Tool: {
            const QString key = name;
            a = w.m_tlbObjects->addAction(caption(e));
            parent->addAction(a);
            a->setData(key);
            QObject::connect(a, &QAction::triggered, &w, [&w, key] { w.tlbObjects_ButtonClick(key); });
            QObject::connect(a, &QAction::toggled, &w, [&w] {
                if (w.m_tools)
                    w.m_tools->applyCursor();
            });
            break;
        }
        case ActionEntry::Kind::Command:
            a = parent->addAction(caption(e));
            if (e.run) {
                const auto run = e.run;
                QObject::connect(a, &QAction::triggered, &w, [&w, run] { run(w); });
            }
            break;
        }
        a->setObjectName(e.kind == ActionEntry::Kind::Tool ? QStringLiteral("tlbObjects") + name : name);
        if (!e.keys.isEmpty())
            a->setShortcuts(e.keys);
        if (e.icon)
            a->setIcon(designIcon(QLatin1String(e.icon), palette));
        if (e.tip) {
            a->setToolTip(tr(e.tip));
            a->setStatusTip(tr(e.tip));
        }
        // An adopted toggle already follows its panel's visibility.
        if (e.flags & ActionEntry::Checkable && e.kind != ActionEntry::Kind::Adopted) {
            a->setCheckable(true);
            a->setChecked(e.flags & ActionEntry::Checked);
        }
        if (e.flags & ActionEntry::Hidden)
            a->setVisible(false);
        if (e.rule == ActionRule::Never || e.rule == ActionRule::Later || e.rule == ActionRule::Undo
            || e.rule == ActionRule::Redo)
            a->setEnabled(false);
        if (e.group) {
            QActionGroup*& g = groups[e.group];
            if (!g) {
                g = new QActionGroup(&w);
                g->setExclusive(true);
            }
            g->addAction(a);
        }
        if (e.mainBar)
            onMainBar.emplace_back(e.mainBar, a);
    }
    w.m_toolGroup = groups.value(ToolGroup);

    std::sort(onMainBar.begin(), onMainBar.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    for (size_t i = 0; i < onMainBar.size(); ++i) {
        if (i > 0 && onMainBar[i].first / 10 != onMainBar[i - 1].first / 10)
            w.m_tlbMain->addSeparator();
        w.m_tlbMain->addAction(onMainBar[i].second);
    }

    // Undo and redo follow the history and say what they undo and redo.
    QUndoStack* stack = w.undoStack();
    QAction* undo = w.menuAction(QStringLiteral("mnuEditUndo"));
    QAction* redo = w.menuAction(QStringLiteral("mnuEditRedo"));
    QObject::connect(stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    QObject::connect(stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    QObject::connect(stack, &QUndoStack::undoTextChanged, undo, [undo](const QString& text) {
        undo->setText(text.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(text));
        undo->setToolTip(text.isEmpty() ? tr("Undo") : tr("Undo %1").arg(text));
    });
    QObject::connect(stack, &QUndoStack::redoTextChanged, redo, [redo](const QString& text) {
        redo->setText(text.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(text));
        redo->setToolTip(text.isEmpty() ? tr("Redo") : tr("Redo %1").arg(text));
    });
}

void DesignActions::updateEnabled(frmPreview& w)
{
    const bool open = w.currentTemplate() != nullptr;
    const int selected = open && w.selection() ? w.selection()->count() : 0;
    const bool pasteable = clipboard::canPaste(w);
    for (const ActionEntry& e : table()) {
        bool on = false;
        switch (e.rule) {
        case ActionRule::Open:
            on = open;
            break;
        case ActionRule::Selection:
            on = selected >= 1;
            break;
        case ActionRule::TwoSelected:
            on = selected >= 2;
            break;
        case ActionRule::ThreeSelected:
            on = selected >= 3;
            break;
        case ActionRule::Clipboard:
            on = pasteable;
            break;
        default:
            continue; // the others follow their own events
        }
        if (QAction* a = w.menuAction(QLatin1String(e.name)))
            a->setEnabled(on);
    }
}

} // namespace kyt
