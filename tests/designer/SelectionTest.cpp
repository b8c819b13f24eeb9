// The pointer tool with real mouse events: selecting, moving within the
// card (and onto the back of a duplex card), resizing from each handle,
// arrow keys, Tab and the status line.
#include "EditingFixture.h"

#include "designer/DesignEditing.h"
#include <QContextMenuEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QUndoStack>

using namespace kyt;
using namespace kyt::test;

namespace
{
// Position of a widget among the surface's children (its drawing order).
qsizetype stackPosition(const QWidget* w)
{
    return w->parentWidget()->children().indexOf(w);
}
} // namespace

TEST_F(Editing, ClickSelectsAndDrawsTheOutlineAboveEveryControl)
{
    DesignControl* a = place("Rectangle", 0.5, 0.5, 1, 0.5);
    DesignControl* b = place("Text", 0.75, 0.75, 1, 0.25);
    const qsizetype orderA = stackPosition(a), orderB = stackPosition(b);
    click(a);

    int index = -1;
    QString name;
    outline().GetSelected(index, name);
    EXPECT_EQ(name, QStringLiteral("Rectangle"));
    EXPECT_EQ(index, a->Index());
    EXPECT_EQ(rectOf(*window().shpOutline()), rectOf(*a));
    EXPECT_EQ(stackPosition(a), orderA); // selecting keeps the drawing order
    EXPECT_EQ(stackPosition(b), orderB);
    for (QWidget* w : { static_cast<QWidget*>(window().shpOutline()), static_cast<QWidget*>(window().imgCorner(0)),
             static_cast<QWidget*>(window().imgCorner(3)) }) {
        EXPECT_TRUE(w->isVisible());
        EXPECT_GT(stackPosition(w), stackPosition(b));
    }
    // Handles are centred on the corners.
    const float h = window().imgCorner(3)->itemWidth() / 2;
    EXPECT_FLOAT_EQ(window().imgCorner(3)->itemLeft(), a->left() + a->Width() - h);
    EXPECT_FLOAT_EQ(window().imgCorner(0)->itemTop(), a->top() - h);

    click(&d.surface()); // empty card
    outline().GetSelected(index, name);
    EXPECT_EQ(name, QStringLiteral("Pointer"));
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(window().shpOutline()->isVisible());
}

struct MoveRow {
    const char* name;
    bool duplex;
    float dx, dy;
    InchPoint landed;
};

class MoveByDragging : public Editing, public ::testing::WithParamInterface<MoveRow>
{
};

// A 0.5 inch square at (1, 0.5) on a 3.375 x 2.125 card, dragged by its centre.
TEST_P(MoveByDragging, StaysOnTheCard)
{
    const MoveRow r = GetParam();
    if (r.duplex)
        tpl = d.showBlank(3.375, 2.125, true);
    DesignControl* c = place("Rectangle", 1, 0.5, 0.5, 0.5);
    drag(1.25, 0.75, 1.25 + r.dx, 0.75 + r.dy);
    EXPECT_EQ((InchPoint { c->left(), c->top() }), r.landed);
    EXPECT_EQ(c->Width(), 0.5f);
    EXPECT_TRUE(outline().isSelected());
    EXPECT_TRUE(window().statusLabel()->text().startsWith(QStringLiteral("Rectangle(")));
    window().undoStack()->undo();
    EXPECT_EQ((InchPoint { c->left(), c->top() }), (InchPoint { 1, 0.5f }));
}

INSTANTIATE_TEST_SUITE_P(Edges, MoveByDragging,
    ::testing::Values(MoveRow { "Inside", false, 0.25f, 0.25f, { 1.25f, 0.75f } },
        MoveRow { "PastLeft", false, -1.5f, 0, { 0, 0.5f } }, MoveRow { "PastRight", false, 3, 0, { 2.875f, 0.5f } },
        MoveRow { "PastTop", false, 0, -1, { 1, 0 } }, MoveRow { "PastBottom", false, 0, 2, { 1, 1.625f } },
        MoveRow { "OntoTheBack", true, 0, 2, { 1, 2.5f } }, MoveRow { "PastTheBack", true, 0, 4, { 1, 3.75f } }),
    [](const auto& info) { return std::string(info.param.name); });

struct ResizeRow {
    const char* name;
    int handle;
    float x, y;
    InchRect result;
};

class ResizeByHandle : public Editing, public ::testing::WithParamInterface<ResizeRow>
{
};

// The rectangle (1, 0.5) to (2, 1); each handle dragged from its corner.
TEST_P(ResizeByHandle, KeepsTheMinimumSize)
{
    const ResizeRow r = GetParam();
    DesignControl* c = place("Rectangle", 1, 0.5, 1, 0.5);
    click(c);
    const float cx = r.handle % 2 ? 2 : 1;
    const float cy = r.handle >= 2 ? 1 : 0.5f;
    ASSERT_EQ(d.surface().childAt(d.px(cx, cy)), window().imgCorner(r.handle));
    drag(cx, cy, r.x, r.y);
    EXPECT_EQ(rectOf(*c), r.result);
    EXPECT_EQ(rectOf(*window().shpOutline()), r.result);
    ASSERT_EQ(window().undoStack()->undoText(), QStringLiteral("Resize"));
    window().undoStack()->undo();
    EXPECT_EQ(rectOf(*c), (InchRect { 1, 0.5f, 1, 0.5f }));
}

INSTANTIATE_TEST_SUITE_P(Handles, ResizeByHandle,
    ::testing::Values(ResizeRow { "UpperLeft", 0, 0.5f, 0.25f, { 0.5f, 0.25f, 1.5f, 0.75f } },
        ResizeRow { "UpperRight", 1, 2.5f, 0.25f, { 1, 0.25f, 1.5f, 0.75f } },
        ResizeRow { "LowerLeft", 2, 0.5f, 1.5f, { 0.5f, 0.5f, 1.5f, 1 } },
        ResizeRow { "LowerRight", 3, 2.5f, 1.5f, { 1, 0.5f, 1.5f, 1 } },
        ResizeRow { "UpperLeftPastOpposite", 0, 2.5f, 1.5f, { 1.96875f, 0.96875f, 0.03125f, 0.03125f } },
        ResizeRow { "UpperRightPastOpposite", 1, 0.5f, 1.5f, { 1, 0.96875f, 0.03125f, 0.03125f } },
        ResizeRow { "LowerLeftPastOpposite", 2, 2.5f, 0.25f, { 1.96875f, 0.5f, 0.03125f, 0.03125f } },
        ResizeRow { "LowerRightPastOpposite", 3, 0.5f, 0.25f, { 1, 0.5f, 0.03125f, 0.03125f } }),
    [](const auto& info) { return std::string(info.param.name); });

struct KeyRow {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    InchPoint landed;
};

class ArrowKeys : public Editing, public ::testing::WithParamInterface<KeyRow>
{
};

// A 0.5 inch square at (0.0625, 1.5) on a 3.375 x 2.125 card.
TEST_P(ArrowKeys, MoveByStepsWithinTheCard)
{
    const KeyRow r = GetParam();
    DesignControl* c = place("Rectangle", 0.0625f, 1.5f, 0.5f, 0.5f);
    click(c);
    key(r.key, r.modifiers);
    EXPECT_EQ((InchPoint { c->left(), c->top() }), r.landed);
}

INSTANTIATE_TEST_SUITE_P(Keys, ArrowKeys,
    ::testing::Values(KeyRow { "Right", Qt::Key_Right, Qt::NoModifier, { 0.09375f, 1.5f } },
        KeyRow { "ShiftDown", Qt::Key_Down, Qt::ShiftModifier, { 0.0625f, 1.625f } },
        KeyRow { "ShiftLeftStopsAtTheEdge", Qt::Key_Left, Qt::ShiftModifier, { 0, 1.5f } },
        KeyRow { "Up", Qt::Key_Up, Qt::NoModifier, { 0.0625f, 1.46875f } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Editing, ArrowMovesOfOneObjectAreOneUndoStep)
{
    DesignControl* c = place("Rectangle", 1, 1, 0.5f, 0.5f);
    click(c);
    const int steps = window().undoStack()->count();
    for (int i = 0; i < 4; ++i)
        key(Qt::Key_Right);
    EXPECT_EQ(c->left(), 1.125f);
    EXPECT_EQ(window().undoStack()->count(), steps + 1);
    window().undoStack()->undo();
    EXPECT_EQ(c->left(), 1.0f);
}

TEST_F(Editing, CtrlArrowsResizeAsOneUndoStep)
{
    DesignControl* c = place("Rectangle", 1, 1, 0.5f, 0.5f);
    click(c);
    const int steps = window().undoStack()->count();
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_Right, Qt::ControlModifier);
    key(Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(rectOf(*c), (InchRect { 1, 1, 0.59375f, 0.375f }));
    EXPECT_EQ(outline().selectedControl(), c);
    EXPECT_EQ(window().undoStack()->count(), steps + 1);
    window().undoStack()->undo();
    EXPECT_EQ(rectOf(*c), (InchRect { 1, 1, 0.5f, 0.5f }));
}

// Every tool can be chosen from the Tools menu (its own letter there) and
// its object placed with Enter: in the middle of the card, selected, one
// undo step, the pointer tool pressed again.
TEST_F(Editing, ToolsFromTheMenuPlaceTheirObjectWithEnter)
{
    const struct {
        const char* tool;
        InchRect placed;
    } rows[] = {
        { "Photo", { 1.3125f, 0.5625f, 0.75f, 1 } },
        { "Logo", { 1.3125f, 0.6875f, 0.75f, 0.75f } },
        { "Rectangle", { 1.1875f, 0.8125f, 1, 0.5f } },
        { "Data", { 0.9375f, 0.9375f, 1.5f, 0.25f } },
        { "Text", { 0.9375f, 0.9375f, 1.5f, 0.25f } },
        { "Line", { 0.9375f, 0.9375f, 1.5f, 0.02f } },
    };
    QMenu* tools = window().findChild<QMenu*>(QStringLiteral("mnuToolsMenu"));
    ASSERT_TRUE(tools);
    QSet<QChar> letters;
    for (QAction* a : tools->actions()) {
        if (a->isSeparator())
            continue;
        const qsizetype amp = a->text().indexOf(QLatin1Char('&'));
        ASSERT_GE(amp, 0) << a->text().toStdString();
        EXPECT_FALSE(letters.contains(a->text().at(amp + 1).toLower())) << a->text().toStdString();
        letters.insert(a->text().at(amp + 1).toLower());
    }
    for (const auto& row : rows) {
        SCOPED_TRACE(row.tool);
        QAction* tool = window().findChild<QAction*>(QStringLiteral("tlbObjects") + QLatin1String(row.tool));
        ASSERT_TRUE(tool && tools->actions().contains(tool));
        const int steps = window().undoStack()->count();
        tool->trigger();
        key(Qt::Key_Return);
        DesignControl* c = outline().selectedControl();
        ASSERT_TRUE(c);
        EXPECT_EQ(c->Name(), QLatin1String(row.tool));
        EXPECT_EQ(rectOf(*c), row.placed);
        EXPECT_EQ(window().WhichButtonDown(), QStringLiteral("Pointer"));
        EXPECT_EQ(window().undoStack()->count(), steps + 1);
    }
    // One photo per card: the menu item goes grey with the button.
    EXPECT_FALSE(window().findChild<QAction*>(QStringLiteral("tlbObjectsPhoto"))->isEnabled());
}

TEST_F(Editing, EscapeGivesUpADrawingToolAndEnterThenPlacesNothing)
{
    window().findChild<QAction*>(QStringLiteral("tlbObjectsText"))->trigger();
    key(Qt::Key_Escape);
    EXPECT_EQ(window().WhichButtonDown(), QStringLiteral("Pointer"));
    key(Qt::Key_Return);
    EXPECT_EQ(window().undoStack()->count(), 0);
    EXPECT_FALSE(window().controlArray(QStringLiteral("Text"))->Item(0)->Visible());
}

// The Menu key arrives as a context-menu request when the focus is not on
// the card (say on the menu bar after Alt): still the object's menu.
TEST_F(Editing, KeyboardContextMenuRequestOpensTheObjectMenuNotTheToolBarMenu)
{
    DesignControl* text = place("Text", 0.5, 0.5, 1.5, 0.4);
    click(text);
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(5, 5), window().mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(&window(), &request);
    EXPECT_TRUE(window().mnuMethods()->isVisible());
    window().mnuMethods()->hide();
    EXPECT_EQ(static_cast<QMainWindow&>(window()).createPopupMenu(), nullptr);
}

// Zoomed in, the keyboard alone reaches every part of the card: the view
// follows the selection, and the page keys scroll.
TEST_F(Editing, ViewFollowsTheSelectionAndPageKeysScroll)
{
    DesignControl* near = place("Rectangle", 0.1f, 0.1f, 0.3f, 0.3f);
    DesignControl* far = place("Rectangle", 3.0f, 1.75f, 0.3f, 0.3f);
    window().resize(500, 400);
    window().setZoom(4.0);
    QCoreApplication::processEvents();
    QScrollArea* scroll = window().scrollArea();
    QScrollBar* vertical = scroll->verticalScrollBar();
    ASSERT_GT(vertical->maximum(), 0);
    click(near);
    ASSERT_EQ(vertical->value(), 0);
    key(Qt::Key_Tab);
    ASSERT_EQ(outline().selectedControl(), far);
    const QRect shown(far->mapTo(scroll->viewport(), QPoint(0, 0)), far->size());
    EXPECT_TRUE(scroll->viewport()->rect().contains(shown)) << shown.x() << "," << shown.y();
    const int at = vertical->value();
    EXPECT_GT(at, 0);
    key(Qt::Key_PageUp);
    EXPECT_EQ(vertical->value(), std::max(0, at - vertical->pageStep()));
    key(Qt::Key_PageDown);
    EXPECT_EQ(vertical->value(),
        std::min(vertical->maximum(), std::max(0, at - vertical->pageStep()) + vertical->pageStep()));
}

TEST_F(Editing, TabSelectsTheNextObjectInDrawingOrder)
{
    DesignControl* a = place("Rectangle", 0.25, 0.25, 0.5, 0.5);
    DesignControl* b = place("Logo", 1, 0.25, 0.5, 0.5);
    DesignControl* c = place("Text", 2, 0.25, 1, 0.25);
    click(a);
    key(Qt::Key_Tab);
    EXPECT_EQ(outline().selectedControl(), b);
    key(Qt::Key_Tab);
    EXPECT_EQ(outline().selectedControl(), c);
    key(Qt::Key_Tab); // wraps round
    EXPECT_EQ(outline().selectedControl(), a);
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(outline().selectedControl(), c);
    EXPECT_EQ(window().statusLabel()->text(),
        QStringLiteral("Text(%1)  left 2.000\"  top 0.250\"  width 1.000\"  height 0.250\"").arg(c->Index()));
}

TEST_F(Editing, MenuKeyAndShiftF10OpenTheObjectMenuBesideTheSelection)
{
    DesignControl* text = place("Text", 0.5, 0.5, 1.5, 0.4);
    struct Press {
        int key;
        Qt::KeyboardModifiers modifiers;
    };
    for (const Press& p : { Press { Qt::Key_Menu, Qt::NoModifier }, Press { Qt::Key_F10, Qt::ShiftModifier } }) {
        click(text);
        QMenu* menu = window().mnuMethods();
        ASSERT_FALSE(menu->isVisible());
        key(p.key, p.modifiers);
        EXPECT_TRUE(menu->isVisible()) << p.key;
        EXPECT_TRUE(action("mnuOptionsEditText")->isVisible()) << p.key;
        EXPECT_EQ(menu->defaultAction(), action("mnuOptionsEditText")) << p.key;
        EXPECT_TRUE(text->rect().contains(text->mapFromGlobal(menu->pos()))) << p.key;
        menu->hide();
    }
    // Without a selection the card's own menu opens at the surface.
    outline().Unselect();
    key(Qt::Key_Menu);
    EXPECT_TRUE(window().mnuMethods()->isVisible());
    EXPECT_FALSE(action("mnuOptionsEditText")->isVisible());
    window().mnuMethods()->hide();
    // F10 alone is left to the window.
    key(Qt::Key_F10);
    EXPECT_FALSE(window().mnuMethods()->isVisible());
}
