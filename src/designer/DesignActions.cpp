// The action table and the building of the menus and tool bars from it.

#include "designer/DesignActions.h"

#include "designer/AlignCommands.h"
#include "designer/DesignClipboard.h"
#include "designer/DesignIcons.h"
#include "designer/DesignSelection.h"
#include "designer/DesignTool.h"
#include "designer/PropertiesPanel.h"
#include "designer/frmPreview.h"
#include "dialogs/LengthUnits.h"
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
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
    // Captions and tips are the window's texts, translated when the actions
    // are made.
    return {
        menu("mnuID", QT_TRANSLATE_NOOP("kyt::frmPreview", "&ID")),
        { .name = "mnuIDNew",
            .parent = "mnuIDMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&New"),
            .keys = { QKeySequence::New },
            .icon = "New",
            .tip = QT_TRANSLATE_NOOP("kyt::frmPreview", "New template"),
            .mainBar = 11,
            .run = [](frmPreview& w) { w.mnuIDNew_Click(); } },
        { .name = "mnuIDOpen",
            .parent = "mnuIDMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Open..."),
            .keys = { QKeySequence::Open },
            .icon = "Open",
            .tip = QT_TRANSLATE_NOOP("kyt::frmPreview", "Open a template"),
            .mainBar = 12,
            .run = [](frmPreview& w) { w.mnuIDOpen_Click(); } },
        { .name = "mnuIDClose",
            .parent = "mnuIDMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Close ID"),
            .rule = R::Card,
            .run = [](frmPreview& w) { w.mnuIDClose_Click(); } },
        separator("mnuIDSep0", "mnuIDMenu"),
        { .name = "mnuIDSave",
            .parent = "mnuIDMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Save"),
            .keys = { QKeySequence::Save },
            .icon = "Save",
            .tip = QT_TRANSLATE_NOOP("kyt::frmPreview", "Save the template"),
            .rule = R::Card,
            .mainBar = 13,
            .run = [](frmPreview& w) { w.mnuIDSave_Click(); } },
        { .name = "mnuIDSaveAs",
            .parent = "mnuIDMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Save &As..."),
            .rule = R::Card,
            .run = [](frmPreview& w) { w.mnuIDSaveAs_Click(); } },
        separator("mnuIDSep", "mnuIDMenu"),
        { .name = "mnuIDPrintSetup",
            .parent = "mnuIDMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Print Set&up..."),
            .run = [](frmPreview& w) { w.mnuIDPrintSetup_Click(); } },
        { .name = "mnuIDPrint",
            .parent = "mnuIDMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Print Preview..."),
            .keys = { QKeySequence::Print },
            .icon = "Print",
            .tip = QT_TRANSLATE_NOOP("kyt::frmPreview", "Print preview"),
            .rule = R::Card,
            .mainBar = 61,
            .run = [](frmPreview& w) { w.mnuIDPrint_Click(); } },
        separator("mnuIDSep3", "mnuIDMenu"),
        { .name = "mnuIDShowGrid",
            .parent = "mnuIDMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Show Grid"),
            .flags = Checkable | Checked,
            .run = [](frmPreview& w) { w.mnuIDShowGrid_Click(); } },
        { .name = "mnuIDProperties",
            .parent = "mnuIDMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Properties..."),
            .rule = R::Card,
            .run = [](frmPreview& w) { w.mnuIDProperties_Click(); } },
        menu("mnuIDRecent", QT_TRANSLATE_NOOP("kyt::frmPreview", "&Recent Templates"), "mnuIDMenu"),
        separator("mnuIDSep5", "mnuIDMenu"),
        { .name = "mnuIDCloseWin",
            .parent = "mnuIDMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "E&xit"),
            .run = [](frmPreview& w) { w.mnuIDCloseWin_Click(); } },

        menu("mnuEdit", QT_TRANSLATE_NOOP("kyt::frmPreview", "&Edit")),
        { .name = "mnuEditUndo",
            .parent = "mnuEditMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Undo"),
            .keys = { QKeySequence(Qt::CTRL | Qt::Key_Z) },
            .icon = "Undo",
            .rule = R::Undo,
            .mainBar = 21,
            .run = [](frmPreview& w) { w.undoStack()->undo(); } },
        { .name = "mnuEditRedo",
            .parent = "mnuEditMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Redo"),
            .keys = { QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) },
            .icon = "Redo",
            .rule = R::Redo,
            .mainBar = 22,
            .run = [](frmPreview& w) { w.undoStack()->redo(); } },
        separator("mnuEditSep1", "mnuEditMenu"),
        { .name = "mnuEditCut",
            .parent = "mnuEditMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Cu&t"),
            .keys = { QKeySequence::Cut },
            .icon = "Cut",
            .tip = QT_TRANSLATE_NOOP("kyt::frmPreview", "Cut"),
            .rule = R::Selection,
            .mainBar = 31,
            .run = [](frmPreview& w) { clipboard::cut(w); } },
        { .name = "mnuEditCopy",
            .parent = "mnuEditMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Copy"),
            .keys = { QKeySequence::Copy },
            .icon = "Copy",
            .tip = QT_TRANSLATE_NOOP("kyt::frmPreview", "Copy"),
            .rule = R::Selection,
            .mainBar = 32,
            .run = [](frmPreview& w) { clipboard::copy(w); } },
        { .name = "mnuEditPaste",
            .parent = "mnuEditMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Paste"),
            .keys = { QKeySequence::Paste },
            .icon = "Paste",
            .tip = QT_TRANSLATE_NOOP("kyt::frmPreview", "Paste"),
            .rule = R::Clipboard,
            .mainBar = 33,
            .run = [](frmPreview& w) { clipboard::paste(w); } },
        { .name = "mnuEditDuplicate",
            .parent = "mnuEditMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Duplicate"),
            .keys = { QKeySequence(Qt::CTRL | Qt::Key_D) },
            .rule = R::Selection,
            .run = [](frmPreview& w) { clipboard::duplicate(w); } },
        separator("mnuEditSep2", "mnuEditMenu"),
        { .name = "mnuEditSelectAll",
            .parent = "mnuEditMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Select &All"),
            .keys = { QKeySequence::SelectAll },
            .rule = R::Open,
            .run =
                [](frmPreview& w) {
                    if (w.currentTemplate() && !w.txtText()->isVisible())
                        w.selection()->selectAll();
                } },

        menu("mnuView", QT_TRANSLATE_NOOP("kyt::frmPreview", "&View")),
        { .name = "mnuViewZoom100",
            .parent = "mnuViewMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&100 %"),
            .keys = { QKeySequence(Qt::CTRL | Qt::Key_1) },
            .flags = Checkable | Checked,
            .group = ZoomGroup,
            .run = [](frmPreview& w) { zoomTo(w, 1.0); } },
        { .name = "mnuViewZoom200",
            .parent = "mnuViewMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&200 %"),
            .keys = { QKeySequence(Qt::CTRL | Qt::Key_2) },
            .flags = Checkable,
            .group = ZoomGroup,
            .run = [](frmPreview& w) { zoomTo(w, 2.0); } },
        { .name = "mnuViewZoom300",
            .parent = "mnuViewMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&300 %"),
            .keys = { QKeySequence(Qt::CTRL | Qt::Key_3) },
            .flags = Checkable,
            .group = ZoomGroup,
            .run = [](frmPreview& w) { zoomTo(w, 3.0); } },
        { .name = "mnuViewZoom400",
            .parent = "mnuViewMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&400 %"),
            .keys = { QKeySequence(Qt::CTRL | Qt::Key_4) },
            .flags = Checkable,
            .group = ZoomGroup,
            .run = [](frmPreview& w) { zoomTo(w, 4.0); } },
        { .name = "mnuViewZoomFit",
            .parent = "mnuViewMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Fit to Window"),
            .keys = { QKeySequence(Qt::CTRL | Qt::Key_0) },
            .icon = "ZoomFit",
            .tip = QT_TRANSLATE_NOOP("kyt::frmPreview", "Fit to window"),
            .mainBar = 43,
            .run = [](frmPreview& w) { w.zoomToFit(); } },
        separator("mnuViewSep1", "mnuViewMenu"),
        { .name = "mnuViewZoomIn",
            .parent = "mnuViewMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Zoom &In"),
            .keys = { QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal) },
            .icon = "ZoomIn",
            .tip = QT_TRANSLATE_NOOP("kyt::frmPreview", "Zoom in"),
            .mainBar = 42,
            .run = [](frmPreview& w) { zoomTo(w, w.zoom() * 1.25); } },
        { .name = "mnuViewZoomOut",
            .parent = "mnuViewMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Zoom &Out"),
            .keys = { QKeySequence::ZoomOut },
            .icon = "ZoomOut",
            .tip = QT_TRANSLATE_NOOP("kyt::frmPreview", "Zoom out"),
            .mainBar = 41,
            .run = [](frmPreview& w) { zoomTo(w, w.zoom() / 1.25); } },
        separator("mnuViewSep2", "mnuViewMenu"),
        { .kind = K::Adopted,
            .name = "mnuViewMainToolBar",
            .parent = "mnuViewMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Main &Tool Bar"),
            .flags = Checkable,
            .adopt = [](frmPreview& w) { return w.tlbMain()->toggleViewAction(); } },
        { .kind = K::Adopted,
            .name = "mnuViewProperties",
            .parent = "mnuViewMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Properties Panel"),
            .keys = { QKeySequence(Qt::Key_F4) },
            .icon = "Properties",
            .tip = QT_TRANSLATE_NOOP("kyt::frmPreview", "Properties panel (F4)"),
            .flags = Checkable,
            .mainBar = 62,
            .adopt = [](frmPreview& w) { return w.propertiesPanel()->toggleViewAction(); } },
        menu("mnuViewUnits", QT_TRANSLATE_NOOP("kyt::frmPreview", "&Units"), "mnuViewMenu"),
        { .name = "mnuViewUnitsInches",
            .parent = "mnuViewUnitsMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Inches"),
            .flags = Checkable,
            .group = UnitGroup,
            .run = [](frmPreview& w) { w.setUnits(units::Unit::Inches); } },
        { .name = "mnuViewUnitsMillimetres",
            .parent = "mnuViewUnitsMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Millimetres"),
            .flags = Checkable,
            .group = UnitGroup,
            .run = [](frmPreview& w) { w.setUnits(units::Unit::Millimetres); } },

        // The object menu lives in the bar but only shows as a context menu;
        // most of its items show only for the kinds they apply to.
        menu("mnuMethodsAction", QT_TRANSLATE_NOOP("kyt::frmPreview", "&Object"), "mnuBar", "mnuMethods", Hidden),
        { .name = "mnuOptionsDelete",
            .parent = "mnuMethods",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Delete"),
            .run = [](frmPreview& w) { w.mnuOptionsDelete_Click(); } },
        { .name = "mnuOptionsLogo",
            .parent = "mnuMethods",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Load Logo..."),
            .flags = Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsLogo_Click(); } },
        { .name = "mnuOptionsUserField",
            .parent = "mnuMethods",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Data &Field..."),
            .flags = Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsUserField_Click(); } },
        { .name = "mnuOptionsEditText",
            .parent = "mnuMethods",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Edit Text"),
            .flags = Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsEditText_Click(); } },
        separator("mnuOptionsSep1", "mnuMethods", Hidden),
        { .name = "mnuOptionsFront",
            .parent = "mnuMethods",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Bring to Front"),
            .flags = Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsFront_Click(); } },
        { .name = "mnuOptionsBack",
            .parent = "mnuMethods",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Send to Back"),
            .flags = Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsBack_Click(); } },
        separator("mnuOptionsSep2", "mnuMethods", Hidden),
        { .name = "mnuOptionsFont",
            .parent = "mnuMethods",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Font..."),
            .flags = Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsFont_Click(); } },
        { .name = "mnuOptionsFontToFit",
            .parent = "mnuMethods",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Size Font To Fit"),
            .flags = Checkable | Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsFontToFit_Click(); } },
        menu("mnuOptionsAlign", QT_TRANSLATE_NOOP("kyt::frmPreview", "&Alignment..."), "mnuMethods", nullptr, Hidden),
        { .name = "mnuOptionsAlignmentLeft",
            .parent = "mnuOptionsAlignMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Left"),
            .flags = Checkable,
            .run = [](frmPreview& w) { w.mnuOptionsAlignmentLeft_Click(); } },
        { .name = "mnuOptionsAlignmentCenter",
            .parent = "mnuOptionsAlignMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Center"),
            .flags = Checkable,
            .run = [](frmPreview& w) { w.mnuOptionsAlignmentCenter_Click(); } },
        { .name = "mnuOptionsAlignmentRight",
            .parent = "mnuOptionsAlignMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Right"),
            .flags = Checkable,
            .run = [](frmPreview& w) { w.mnuOptionsAlignmentRight_Click(); } },
        separator("mnuOptionsSep3", "mnuMethods", Hidden),
        { .name = "mnuOptionsStretch",
            .parent = "mnuMethods",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Stretch"),
            .flags = Checkable | Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsStretch_Click(); } },
        { .name = "mnuOptionsBorderStyle",
            .parent = "mnuMethods",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Border"),
            .flags = Checkable | Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsBorderStyle_Click(); } },
        { .name = "mnuOptionsTransparent",
            .parent = "mnuMethods",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Transparent"),
            .flags = Checkable | Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsTransparent_Click(); } },
        { .name = "mnuOptionsBackColor",
            .parent = "mnuMethods",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Background &Color..."),
            .flags = Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsBackColor_Click(); } },
        { .name = "mnuOptionsForeColor",
            .parent = "mnuMethods",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Fore&ground Color..."),
            .flags = Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsForeColor_Click(); } },
        separator("mnuOptionsSep4", "mnuMethods", Hidden),
        { .name = "mnuOptionsBarcode",
            .parent = "mnuMethods",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Barcode"),
            .flags = Checkable | Hidden,
            .run = [](frmPreview& w) { w.mnuOptionsBarcode_Click(); } },
        { .name = "mnuOptionsBarcodeProp",
            .parent = "mnuMethods",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Properties..."),
            .flags = Hidden,
            .rule = R::Later,
            .run = [](frmPreview& w) { w.mnuOptionsBarcodeProp_Click(); } },
        separator("mnuOptionsSep5", "mnuMethods", Hidden),
        { .name = "mnuOptionsMagstripe",
            .parent = "mnuMethods",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Magstripe..."),
            .flags = Hidden,
            .rule = R::Never },
        { .name = "mnuOptionsSmartCard",
            .parent = "mnuMethods",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "SmartCard..."),
            .flags = Hidden,
            .rule = R::Never },

        // Several objects at once, and snapping.
        menu("mnuArrange", QT_TRANSLATE_NOOP("kyt::frmPreview", "&Arrange")),
        { .name = "mnuArrangeAlignLeft",
            .parent = "mnuArrangeMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Align &Left"),
            .icon = "AlignLeft",
            .tip = QT_TRANSLATE_NOOP("kyt::frmPreview", "Align left edges"),
            .rule = R::TwoSelected,
            .mainBar = 51,
            .run = [](frmPreview& w) { arrangeBy(w, arrange::Op::AlignLeft); } },
        { .name = "mnuArrangeAlignCenter",
            .parent = "mnuArrangeMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Align &Centres"),
            .rule = R::TwoSelected,
            .run = [](frmPreview& w) { arrangeBy(w, arrange::Op::AlignCentresAcross); } },
        { .name = "mnuArrangeAlignRight",
            .parent = "mnuArrangeMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Align &Right"),
            .rule = R::TwoSelected,
            .run = [](frmPreview& w) { arrangeBy(w, arrange::Op::AlignRight); } },
        separator("mnuArrangeSep2", "mnuArrangeMenu"),
        { .name = "mnuArrangeAlignTop",
            .parent = "mnuArrangeMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Align &Top"),
            .icon = "AlignTop",
            .tip = QT_TRANSLATE_NOOP("kyt::frmPreview", "Align top edges"),
            .rule = R::TwoSelected,
            .mainBar = 52,
            .run = [](frmPreview& w) { arrangeBy(w, arrange::Op::AlignTop); } },
        { .name = "mnuArrangeAlignMiddle",
            .parent = "mnuArrangeMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Align &Middles"),
            .rule = R::TwoSelected,
            .run = [](frmPreview& w) { arrangeBy(w, arrange::Op::AlignCentresDown); } },
        { .name = "mnuArrangeAlignBottom",
            .parent = "mnuArrangeMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Align &Bottom"),
            .rule = R::TwoSelected,
            .run = [](frmPreview& w) { arrangeBy(w, arrange::Op::AlignBottom); } },
        separator("mnuArrangeSep3", "mnuArrangeMenu"),
        { .name = "mnuArrangeDistributeAcross",
            .parent = "mnuArrangeMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Distribute &Horizontally"),
            .icon = "DistributeAcross",
            .tip = QT_TRANSLATE_NOOP("kyt::frmPreview", "Distribute horizontally"),
            .rule = R::ThreeSelected,
            .mainBar = 53,
            .run = [](frmPreview& w) { arrangeBy(w, arrange::Op::DistributeAcross); } },
        { .name = "mnuArrangeDistributeDown",
            .parent = "mnuArrangeMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Distribute &Vertically"),
            .icon = "DistributeDown",
            .tip = QT_TRANSLATE_NOOP("kyt::frmPreview", "Distribute vertically"),
            .rule = R::ThreeSelected,
            .mainBar = 54,
            .run = [](frmPreview& w) { arrangeBy(w, arrange::Op::DistributeDown); } },
        separator("mnuArrangeSep4", "mnuArrangeMenu"),
        { .name = "mnuArrangeSameWidth",
            .parent = "mnuArrangeMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Same &Width"),
            .rule = R::TwoSelected,
            .run = [](frmPreview& w) { arrangeBy(w, arrange::Op::SameWidth); } },
        { .name = "mnuArrangeSameHeight",
            .parent = "mnuArrangeMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Same H&eight"),
            .rule = R::TwoSelected,
            .run = [](frmPreview& w) { arrangeBy(w, arrange::Op::SameHeight); } },
        separator("mnuArrangeSep1", "mnuArrangeMenu"),
        { .name = "mnuArrangeSnapGrid",
            .parent = "mnuArrangeMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Snap to &Grid"),
            .flags = Checkable,
            .run =
                [](frmPreview& w) {
                    w.selection()->setSnapToGrid(w.menuAction(QStringLiteral("mnuArrangeSnapGrid"))->isChecked());
                } },
        { .name = "mnuArrangeSnapObjects",
            .parent = "mnuArrangeMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Snap to &Objects"),
            .flags = Checkable | Checked,
            .run =
                [](frmPreview& w) {
                    w.selection()->setSnapToObjects(w.menuAction(QStringLiteral("mnuArrangeSnapObjects"))->isChecked());
                } },

        // The tools stand in the Tools menu too, so a tool can be chosen from
        // the keyboard (Alt+T and the letter).
        menu("mnuTools", QT_TRANSLATE_NOOP("kyt::frmPreview", "&Tools")),
        { .name = "mnuToolsOptions",
            .parent = "mnuToolsMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Options"),
            .run = [](frmPreview& w) { w.mnuToolsOptions_Click(); } },
        separator("mnuToolsSep1", "mnuToolsMenu"),
        tool("Pointer", QT_TRANSLATE_NOOP("kyt::frmPreview", "&Select Objects"),
            QT_TRANSLATE_NOOP("kyt::frmPreview", "Select Objects")),
        tool("Photo", QT_TRANSLATE_NOOP("kyt::frmPreview", "&Photo Place Holder"),
            QT_TRANSLATE_NOOP("kyt::frmPreview", "Photo Place Holder")),
        tool("Logo", QT_TRANSLATE_NOOP("kyt::frmPreview", "&Logo or Image"),
            QT_TRANSLATE_NOOP("kyt::frmPreview", "Logo or Image")),
        tool("Rectangle", QT_TRANSLATE_NOOP("kyt::frmPreview", "&Rectangle"),
            QT_TRANSLATE_NOOP("kyt::frmPreview", "Rectangle")),
        tool("Data", QT_TRANSLATE_NOOP("kyt::frmPreview", "&Data Field"),
            QT_TRANSLATE_NOOP("kyt::frmPreview", "Data Field")),
        tool("Text", QT_TRANSLATE_NOOP("kyt::frmPreview", "Single Static &Text Line"),
            QT_TRANSLATE_NOOP("kyt::frmPreview", "Single Static Text Line")),
        tool("Line", QT_TRANSLATE_NOOP("kyt::frmPreview", "L&ine"), QT_TRANSLATE_NOOP("kyt::frmPreview", "Line")),

        menu("mnuHelp", QT_TRANSLATE_NOOP("kyt::frmPreview", "&Help")),
        { .name = "mnuHelpConstant",
            .parent = "mnuHelpMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&Contents"),
            .keys = { QKeySequence::HelpContents },
            .run = [](frmPreview& w) { w.mnuHelpConstant_Click(); } },
        { .name = "mnuHelpSearch",
            .parent = "mnuHelpMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "Search for Help On..."),
            .run = [](frmPreview& w) { w.mnuHelpSearch_Click(); } },
        separator("mnuHelpSep2", "mnuHelpMenu"),
        { .name = "mnuHelpAbout",
            .parent = "mnuHelpMenu",
            .caption = QT_TRANSLATE_NOOP("kyt::frmPreview", "&About Previewer"),
            .run = [](frmPreview& w) { w.mnuHelpAbout_Click(); } },
    };
}

QString menuObjectName(const ActionEntry& e)
{
    return e.menuName ? QLatin1String(e.menuName) : QLatin1String(e.name) + QLatin1String("Menu");
}

// Alt and a menu's letter opens that menu. The panels beside the card show
// controls whose letters may be a menu's too (Italic, Bold, Verify); Qt
// treats such a key as ambiguous and opens nothing, so the menu bar takes
// its letters before the panels' controls are asked.
class MenuBarKeysFirst : public QObject
{
public:
    explicit MenuBarKeysFirst(QMenuBar* bar)
        : QObject(bar)
        , m_bar(bar)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        if (!widget || widget->window() != m_bar->window() || key->modifiers() != Qt::AltModifier)
            return false;
        QAction* menu = menuFor(key->key());
        if (!menu)
            return false;
        if (type == QEvent::ShortcutOverride) {
            event->accept(); // delivered as a key press, which opens the menu below
            return true;
        }
        m_bar->setActiveAction(menu);
        return true;
    }

private:
    QAction* menuFor(int key) const
    {
        const QKeySequence pressed(Qt::ALT | Qt::Key(key));
        for (QAction* a : m_bar->actions())
            if (a->isVisible() && a->isEnabled() && a->menu() && QKeySequence::mnemonic(a->text()) == pressed)
                return a;
        return nullptr;
    }

    QMenuBar* m_bar;
};

} // namespace

const QList<ActionEntry>& DesignActions::table()
{
    static const QList<ActionEntry> entries = buildTable();
    return entries;
}

QString DesignActions::caption(const ActionEntry& entry)
{
    return QCoreApplication::translate("kyt::frmPreview", entry.caption);
}

void DesignActions::build(frmPreview& w)
{
    QMenuBar* bar = w.menuBar();
    bar->setObjectName(QStringLiteral("mnuBar"));
    new MenuBarKeysFirst(bar);

    w.m_tlbObjects = new QToolBar(QCoreApplication::translate("kyt::frmPreview", "Objects"), &w);
    w.m_tlbObjects->setObjectName(QStringLiteral("tlbObjects"));
    w.m_tlbObjects->setMovable(false);
    w.m_tlbObjects->setIconSize(QSize(24, 24));
    w.addToolBar(Qt::LeftToolBarArea, w.m_tlbObjects);
    w.m_tlbMain = new QToolBar(QCoreApplication::translate("kyt::frmPreview", "Main"), &w);
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
            a->setToolTip(QCoreApplication::translate("kyt::frmPreview", e.tip));
            a->setStatusTip(QCoreApplication::translate("kyt::frmPreview", e.tip));
        }
        // An adopted toggle already follows its panel's visibility.
        if (e.flags & ActionEntry::Checkable && e.kind != ActionEntry::Kind::Adopted) {
            a->setCheckable(true);
            a->setChecked(e.flags & ActionEntry::Checked);
        }
        // A toggle in a menu shows its check mark, as the others do; its
        // icon stays on the tool bar.
        if (a->isCheckable() && e.icon && e.kind != ActionEntry::Kind::Tool)
            a->setIconVisibleInMenu(false);
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
        undo->setText(text.isEmpty() ? QCoreApplication::translate("kyt::frmPreview", "&Undo")
                                     : QCoreApplication::translate("kyt::frmPreview", "&Undo ") + text);
        undo->setToolTip(text.isEmpty() ? QCoreApplication::translate("kyt::frmPreview", "Undo")
                                        : QCoreApplication::translate("kyt::frmPreview", "Undo ") + text);
    });
    QObject::connect(stack, &QUndoStack::redoTextChanged, redo, [redo](const QString& text) {
        redo->setText(text.isEmpty() ? QCoreApplication::translate("kyt::frmPreview", "&Redo")
                                     : QCoreApplication::translate("kyt::frmPreview", "&Redo ") + text);
        redo->setToolTip(text.isEmpty() ? QCoreApplication::translate("kyt::frmPreview", "Redo")
                                        : QCoreApplication::translate("kyt::frmPreview", "Redo ") + text);
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
