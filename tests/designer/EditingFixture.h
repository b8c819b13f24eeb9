#pragma once
// A designer window with a blank card, and mouse and key helpers for the
// pointer tool: clicking, dragging objects and handles, the context menu.

#include <gtest/gtest.h>

#include "designer/COutline.h"
#include "designer/DataPanel.h"
#include "designer/DesignControl.h"
#include "designer/DesignerTestSupport.h"
#include "designer/SurfaceItem.h"
#include "util/Strings.h"
#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

namespace kyt::test
{

// Notes when a widget is hidden, even for a moment.
struct HideWatch : QObject {
    bool seen = false;
    explicit HideWatch(QObject* watched) { watched->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        seen = seen || e->type() == QEvent::Hide;
        return false;
    }
};

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

    // Places a data field showing the named field.
    DesignControl* field(const char* name, double left, double top, double width, double height)
    {
        DesignControl* c = place("Data", left, top, width, height);
        QString tag = c->Tag();
        SetTagValue(tag, QStringLiteral("Key"), QStringLiteral(";"), QString::fromLatin1(name));
        c->setTag(tag);
        c->setCaption(QString::fromLatin1(name));
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

    // Drags from a point in surface inches to another with the left button,
    // as a mouse does: several moves, each delivered to the pressed widget
    // at its position of the moment; a widget hidden meanwhile has lost the
    // mouse, which then goes to whatever lies under it.
    void drag(double x0, double y0, double x1, double y1, int steps = 4)
    {
        QWidget* target = d.surface().childAt(d.px(x0, y0));
        if (!target)
            target = &d.surface();
        HideWatch hidden(target);
        sendMouse(QEvent::MouseButtonPress, target, target->mapFrom(&d.surface(), d.px(x0, y0)));
        for (int i = 1; i <= steps; ++i) {
            const double f = double(i) / steps;
            const QPoint p = d.px(x0 + (x1 - x0) * f, y0 + (y1 - y0) * f);
            if (hidden.seen) {
                target = d.surface().childAt(p);
                if (!target)
                    target = &d.surface();
            }
            const QPointF local = target->mapFrom(&d.surface(), p);
            QMouseEvent move(
                QEvent::MouseMove, local, target->mapToGlobal(local), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &move);
        }
        sendMouse(QEvent::MouseButtonRelease, target, target->mapFrom(&d.surface(), d.px(x1, y1)));
    }

    QAction* action(const char* name) { return window().menuAction(QLatin1String(name)); }

    static InchRect rectOf(const SurfaceItem& c)
    {
        return InchRect { c.itemLeft(), c.itemTop(), c.itemWidth(), c.itemHeight() };
    }
};

// The same window with its Data panel, and a folder for the sources the
// tests make.
struct WithDataPanel : Editing {
    QTemporaryDir dir;
    DataPanel* panel = nullptr;

    void SetUp() override
    {
        Editing::SetUp();
        panel = DataPanel::of(window());
        ASSERT_NE(panel, nullptr);
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
