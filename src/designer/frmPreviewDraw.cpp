// The window's side of the tools: the described drawing members and the
// routing of the surface's mouse events to the chosen tool.

#include "designer/DesignControl.h"
#include "designer/DesignEditing.h"
#include "designer/DesignTool.h"
#include "designer/SelectTool.h"
#include "designer/frmPreview.h"
#include "dialogs/LengthUnits.h"
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace kyt
{

void frmPreview::ObjectCopy(const QWidget& source, QWidget& destination)
{
    for (const char* name : { "left", "top", "Width", "Height" })
        destination.setProperty(name, source.property(name));
}

void frmPreview::DrawStart(float x, float y)
{
    try {
        m_tools->current().start(x, y);
    } catch (const std::exception& e) {
        report(e, "DrawStart");
    }
}

void frmPreview::DrawMove(float x, float y)
{
    try {
        m_tools->current().drag(x, y);
    } catch (const std::exception& e) {
        report(e, "DrawMove");
    }
}

void frmPreview::DrawDone(float x, float y)
{
    try {
        m_tools->current().finish(x, y);
    } catch (const std::exception& e) {
        report(e, "DrawDone");
    }
}

bool frmPreview::placeFromKeyboard()
{
    return m_tools->current().placeFromKeyboard();
}

void frmPreview::objectPlaced(DesignControl* c)
{
    DesignEditing::of(*this).pushPlaced(c);
}

void frmPreview::DropControl(DesignControl* c, float x0, float y0, float x1, float y1)
{
    m_tools->select().drop(c, x0, y0, x1, y1);
}

// --- Mouse routing ----------------------------------------------------------------
// The left button belongs to the chosen tool; the other buttons select and
// open the object menu whatever the tool.

void frmPreview::surfaceMouseDown(Qt::MouseButton button, float x, float y)
{
    m_tools->current().surfacePress(button, x, y);
}

void frmPreview::surfaceMouseMove(Qt::MouseButtons buttons, float x, float y)
{
    m_status->setText(units::statusPoint(x, y));
    m_tools->current().surfaceMove(buttons, x, y);
}

void frmPreview::surfaceMouseUp(Qt::MouseButton button, float x, float y)
{
    if (button == Qt::LeftButton)
        m_tools->current().surfaceRelease(button, x, y);
    else if (m_template)
        showObjectMenu(nullptr);
}

void frmPreview::surfaceClick()
{
    if (m_txtText->isVisible())
        TextUpdate();
}

void frmPreview::controlMouseDown(DesignControl* c, Qt::MouseButton button, float x, float y)
{
    m_tools->takeSwallowedClick(); // a new press: an old band's click is gone
    (button == Qt::LeftButton ? m_tools->current() : m_tools->select()).controlPress(c, button, x, y);
}

void frmPreview::controlMouseMove(DesignControl* c, Qt::MouseButtons buttons, float x, float y)
{
    m_status->setText(units::statusPoint(c->left() + x, c->top() + y));
    ((buttons & Qt::LeftButton) ? m_tools->current() : m_tools->select()).controlMove(c, buttons, x, y);
}

void frmPreview::controlMouseUp(DesignControl* c, Qt::MouseButton button, float x, float y)
{
    (button == Qt::LeftButton ? m_tools->current() : m_tools->select()).controlRelease(c, button, x, y);
}

void frmPreview::controlClick(DesignControl* c)
{
    if (m_tools->takeSwallowedClick())
        return;
    m_tools->current().controlClick(c);
}

void frmPreview::controlDoubleClick(DesignControl* c)
{
    m_tools->current().controlDoubleClick(c);
}

void frmPreview::handleMouseDown(CornerHandle* handle, Qt::MouseButton button, float, float)
{
    m_tools->select().handlePress(handle, button);
}

void frmPreview::handleMouseMove(CornerHandle* handle, Qt::MouseButtons buttons, float x, float y)
{
    m_tools->select().handleMove(handle, buttons, x, y);
}

void frmPreview::handleMouseUp(CornerHandle* handle, Qt::MouseButton button, float x, float y)
{
    m_tools->select().handleRelease(handle, button, x, y);
}

} // namespace kyt
