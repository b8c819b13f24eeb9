#pragma once
// A designer window for tests: quiet error reporter, sandboxed defaults,
// scripted message boxes, common dialogs and modal dialogs, and mouse
// helpers that drag on the surface in inches.

#include "designer/DesignSurface.h"
#include "designer/frmPreview.h"
#include "platform/CommonDialog.h"
#include "platform/widgets/ModalRunner.h"
#include "settings/CProperties.h"
#include "support/TestSupport.h"
#include "template/CPrintTemplate.h"
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <memory>

namespace kyt::test
{

// Answers the library's modal dialogs with a function for the life of the object.
class ModalScope
{
public:
    explicit ModalScope(ModalRunner runner)
        : m_previous(setModalRunner(std::move(runner)))
    {
    }
    ~ModalScope() { setModalRunner(m_previous); }

private:
    ModalRunner m_previous;
};

// Presses or releases a mouse button at a widget's local point. QTest's
// functions take the point (0, 0) to mean the widget's centre, so a press at
// a surface's top-left pixel would land in its middle; this sends the point
// as given.
inline void sendMouse(QEvent::Type type, QWidget* target, QPoint local, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent e(type, QPointF(local), target->mapToGlobal(QPointF(local)), button, held, Qt::NoModifier);
    QSpontaneKeyEvent::setSpontaneous(&e); // as from the window system: click focus and all
    qApp->notify(target, &e);
}

struct Designer {
    ScriptedBoxScope boxes;
    ScriptedDialogScope dialogs;
    std::shared_ptr<CError> error = quietError();
    CProperties properties { error };
    frmPreview window;

    Designer()
    {
        window.setError(error);
        window.setProperties(&properties);
        window.Setup();
        window.resize(900, 640);
        window.show();
    }

    // Shows a new blank template of the given size.
    std::shared_ptr<CPrintTemplate> showBlank(double w = 3.375, double h = 2.125, bool duplex = false)
    {
        auto t = std::make_shared<CPrintTemplate>();
        t->setError(error);
        t->setWidth(w);
        t->setHeight(h);
        t->setDuplex(duplex);
        window.ShowID(t);
        return t;
    }

    DesignSurface& surface() { return *window.picID(); }

    QPoint px(double x, double y) { return QPoint(surface().toPixels(x), surface().toPixels(y)); }

    // Presses at (x0, y0) inches on the surface, moves to (x1, y1), releases.
    void drag(double x0, double y0, double x1, double y1)
    {
        QWidget* target = surface().childAt(px(x0, y0));
        if (!target)
            target = &surface();
        const QPoint from = target->mapFrom(&surface(), px(x0, y0));
        const QPoint to = target->mapFrom(&surface(), px(x1, y1));
        sendMouse(QEvent::MouseButtonPress, target, from);
        if (to != from) {
            QMouseEvent move(QEvent::MouseMove, QPointF(to), target->mapToGlobal(QPointF(to)), Qt::NoButton,
                Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(target, &move);
        }
        sendMouse(QEvent::MouseButtonRelease, target, to);
    }

    // Chooses a tool and drags its rubber band.
    DesignControl* place(const QString& tool, double x0, double y0, double x1, double y1)
    {
        window.pressTool(tool);
        drag(x0, y0, x1, y1);
        ControlArray* a = window.controlArray(tool);
        DesignControl* last = nullptr;
        for (DesignControl* c : a->elements())
            if (c->Visible() && (!last || c->useOrder() > last->useOrder()))
                last = c;
        return last;
    }
};

} // namespace kyt::test
