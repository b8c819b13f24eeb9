#pragma once
// The designer's one action table: every menu item, tool-box button and
// main tool bar button with its object name, caption (and its access
// letter), shortcuts, icon, tip, when it is enabled and what it runs. The
// menus, the main tool bar tlbMain and the tool box tlbObjects are built
// from it, so a command has one definition wherever it shows.

#include "kyt/kytwidgets_export.h"
#include <QKeySequence>
#include <QList>

class QAction;

namespace kyt
{

class frmPreview;

// When an action is enabled.
enum class ActionRule {
    Always,
    Card, // a card is open and shown (EnableIDMenus)
    Open, // a template is current
    Selection, // one object or more is selected
    TwoSelected,
    ThreeSelected,
    Clipboard, // the clipboard holds something to paste
    Undo,
    Redo,
    Never, // present but not offered
    Later, // disabled until the object menu enables it
};

struct KYTWIDGETS_PRIVATE_EXPORT ActionEntry {
    enum class Kind { Command, Separator, Menu, Tool, Adopted };
    enum Flag : unsigned { Checkable = 1, Checked = 2, Hidden = 4 };
    Kind kind = Kind::Command;
    // The action's object name; a menu's QMenu is named menuName (or this
    // name with "Menu" after it).
    const char* name = nullptr;
    // The QMenu it goes into; "mnuBar" for the menu bar.
    const char* parent = nullptr;
    const char* caption = nullptr;
    QList<QKeySequence> keys {};
    // Icon key (DesignIcons), tip for tool bars and the status line.
    const char* icon = nullptr;
    const char* tip = nullptr;
    unsigned flags = 0;
    ActionRule rule = ActionRule::Always;
    // Exclusive group: 0 none, else actions of the same number check one another.
    int group = 0;
    // Place on the main tool bar: 0 not there; a new tens digit starts a new
    // group after a separator.
    int mainBar = 0;
    void (*run)(frmPreview&) = nullptr;
    // For Adopted: the existing action (a dock's or tool bar's toggle).
    QAction* (*adopt)(frmPreview&) = nullptr;
    const char* menuName = nullptr;
};

// The texts are the window's (translation context kyt::frmPreview).
class KYTWIDGETS_PRIVATE_EXPORT DesignActions
{
public:
    // The table, in menu order.
    static const QList<ActionEntry>& table();
    // Builds the menu bar, tlbMain and tlbObjects of the window from it.
    static void build(frmPreview& window);
    // Applies the rules other than Card, Later and the tools' (those follow
    // the document: frmPreview::EnableIDMenus).
    static void updateEnabled(frmPreview& window);
    // The translated caption of an entry.
    static QString caption(const ActionEntry& entry);
};

} // namespace kyt
