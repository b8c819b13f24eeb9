#pragma once
// A designer window with a blank card, and mouse and key helpers for the
// pointer tool: clicking, dragging objects and handles, the context menu.

#include <gtest/gtest.h>

#include "designer/COutline.h"
#include "designer/DesignControl.h"
#include "designer/DesignerTestSupport.h"
#include "designer/SurfaceItem.h"
#include "util/Strings.h"
#include <QAction>
#include <QMenu>
#include <QTest>

namespace kyt::test
{

struct Editing : ::testing::Test {
    Designer d;
    std::shared_ptr<CPrintTemplate> tpl;

    void SetUp() override { tpl = d.showBlank(); }

    COutline& outline() { return *d.window.outline(); }
    frmPreview& window() { return d.window; }

    // Places an object with its tool and selects the pointer again.
    DesignControl* place(const char* tool, double left, double top, double width, double height)
    {
        DesignControl* c = d.place(QString::fromLatin1(tool), left, top, left + width, top + height);
        window().pressTool(QStringLiteral("Pointer"));
        return c;
    }

    static QPoint centre(const QWidget* w) { return w->rect().center(); }
    void click(QWidget* w, Qt::MouseButton button = Qt::LeftButton) { QTest::mouseClick(w, button, {}, centre(w)); }
    void doubleClick(QWidget* w) { QTest::mouseDClick(w, Qt::LeftButton, {}, centre(w)); }
    void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(&d.surface(), Qt::Key(k), m); }

    // Right-clicks an object: its context menu pops up; closed again here.
    QMenu* contextMenu(DesignControl* c)
    {
        click(c, Qt::RightButton);
        QMenu* menu = window().mnuMethods();
        menu->hide();
        return menu;
    }

    // Drags from a point in surface inches to another with the left button.
    void drag(double x0, double y0, double x1, double y1) { d.drag(x0, y0, x1, y1); }

    QAction* action(const char* name) { return window().menuAction(QLatin1String(name)); }

    static InchRect rectOf(const SurfaceItem& c)
    {
        return InchRect { c.itemLeft(), c.itemTop(), c.itemWidth(), c.itemHeight() };
    }
};

} // namespace kyt::test

namespace kyt
{
// Printed by gtest in failure messages.
inline std::ostream& operator<<(std::ostream& os, const InchRect& r)
{
    return os << "(" << r.left << ", " << r.top << ", " << r.width << " x " << r.height << ")";
}
} // namespace kyt
