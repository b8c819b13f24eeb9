// The window's panels and what follows the selection: the several-object
// selection, the Properties panel, the menus and tool bars from the action
// table, recent templates, the chosen unit and the rules that enable the
// commands as the selection and the clipboard change.

#include "designer/DesignActions.h"
#include "designer/DesignCanvas.h"
#include "designer/DesignSelection.h"
#include "designer/PropertiesPanel.h"
#include "designer/WindowState.h"
#include "designer/frmPreview.h"
#include "dialogs/LengthUnits.h"
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QScrollArea>
#include <QUndoStack>

namespace kyt
{

void frmPreview::buildConveniences()
{
    // The card sits in the middle of a view larger than it.
    m_scroll->setAlignment(Qt::AlignCenter);
    m_selection = new DesignSelection(*this);
    m_propertiesPanel = new PropertiesPanel(*this);
    addDockWidget(Qt::RightDockWidgetArea, m_propertiesPanel);

    DesignActions::build(*this);
    const char* unit = units::current() == units::Unit::Millimetres ? "mnuViewUnitsMillimetres" : "mnuViewUnitsInches";
    menuAction(QLatin1String(unit))->setChecked(true);
    new WindowState(*this, findChild<QMenu*>(QStringLiteral("mnuIDRecentMenu")));

    // What can be done follows the selection and the clipboard.
    const auto enableCommands = [this] { DesignActions::updateEnabled(*this); };
    connect(m_selection, &DesignSelection::changed, this, enableCommands);
    connect(m_undoStack, &QUndoStack::indexChanged, this, enableCommands);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, enableCommands);
    connect(this, &QWidget::windowTitleChanged, this, enableCommands); // another template shown
    for (const char* name : { "mnuIDMenu", "mnuEditMenu", "mnuArrangeMenu" })
        connect(findChild<QMenu*>(QLatin1String(name)), &QMenu::aboutToShow, this, enableCommands);
    enableCommands();
}

void frmPreview::setUnits(units::Unit unit)
{
    units::setCurrent(unit);
    m_propertiesPanel->refresh();
    refreshRulers();
}

} // namespace kyt
