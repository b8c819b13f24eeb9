// The select tool: selecting, moving by dragging, resizing with the handles,
// the selection band and the object menu on a right click. Every change goes
// onto the undo stack as one command.

#include "designer/SelectTool.h"

#include "designer/COutline.h"
#include "designer/DesignControl.h"
#include "designer/DesignEditing.h"
#include "designer/DesignSelection.h"
#include "designer/DesignSurface.h"
#include "designer/SurfaceItem.h"
#include "designer/frmPreview.h"
#include <QLineEdit>
#include <QUndoStack>
#include <algorithm>
#include <cmath>

namespace kyt
{

namespace
{

InchRect rectOf(const SurfaceItem& item)
{
    return InchRect { item.itemLeft(), item.itemTop(), item.itemWidth(), item.itemHeight() };
}

} // namespace

SelectTool::SelectTool(frmPreview& window)
    : DesignTool(window, QStringLiteral("Pointer"))
{
    m_band = new OutlineShape(window.picID());
    m_band->setObjectName(QStringLiteral("shpBand"));
    m_band->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_band->hide();
}

SelectTool::~SelectTool() = default;

void SelectTool::start(float, float)
{
    if (COutline* outline = window().outline())
        outline->Unselect();
}

void SelectTool::surfacePress(Qt::MouseButton button, float x, float y)
{
    if (button != Qt::LeftButton)
        return;
    window().DrawStart(x, y);
    m_banding = window().currentTemplate() != nullptr;
    m_bandX = x;
    m_bandY = y;
}

void SelectTool::surfaceMove(Qt::MouseButtons buttons, float x, float y)
{
    if (!m_banding || !(buttons & Qt::LeftButton))
        return;
    m_band->setItemGeometry(std::min(m_bandX, x), std::min(m_bandY, y), std::abs(x - m_bandX), std::abs(y - m_bandY));
    m_band->show();
    m_band->raise();
}

void SelectTool::surfaceRelease(Qt::MouseButton button, float, float)
{
    if (button != Qt::LeftButton || !m_banding)
        return;
    m_banding = false;
    // A band of a pixel or two is a click on the empty card.
    const bool drawn = m_band->isVisible() && (m_band->width() > 2 || m_band->height() > 2);
    const InchRect band = rectOf(*m_band);
    m_band->hide();
    if (drawn)
        if (DesignSelection* selection = window().selection())
            selection->selectInside(band);
}

void SelectTool::controlPress(DesignControl* c, Qt::MouseButton button, float x, float y)
{
    frmPreview& w = window();
    if (w.txtText()->isVisible())
        w.TextUpdate();
    if (COutline* outline = w.outline())
        outline->Selected(c);
    w.picID()->setFocus(Qt::MouseFocusReason);
    if (button == Qt::LeftButton) {
        m_x0 = c->left() + x;
        m_y0 = c->top() + y;
        m_moving = true;
        m_dragging = false;
    }
}

void SelectTool::controlMove(DesignControl* c, Qt::MouseButtons buttons, float x, float y)
{
    if (!(buttons & Qt::LeftButton) || !m_moving)
        return;
    frmPreview& w = window();
    const float x1 = c->left() + x;
    const float y1 = c->top() + y;
    if (!m_dragging) {
        // A press that has not moved yet is still a click.
        if (w.picID()->toPixels(std::abs(x1 - m_x0)) < 2 && w.picID()->toPixels(std::abs(y1 - m_y0)) < 2)
            return;
        m_dragging = true;
        if (COutline* outline = w.outline())
            outline->Unselect();
    }
    // The outline rectangle shows where the object will land.
    float width = 0, height = 0;
    designAreaSize(w, width, height);
    const InchRect r = rectOf(*c);
    InchPoint p = outline::dropPosition(r, { m_x0, m_y0 }, { x1, y1 }, width, height);
    if (DesignSelection* selection = w.selection())
        p = selection->snapDrag(c, p, true);
    w.shpOutline()->setItemGeometry(p.x, p.y, r.width, r.height);
    w.shpOutline()->show();
    w.shpOutline()->raise();
    DesignEditing::of(w).showGeometry(c->Name(), c->Index(), InchRect { p.x, p.y, r.width, r.height });
}

void SelectTool::controlRelease(DesignControl* c, Qt::MouseButton button, float x, float y)
{
    frmPreview& w = window();
    if (button != Qt::LeftButton) {
        m_moving = false;
        w.showObjectMenu(c);
        return;
    }
    if (m_moving && m_dragging) {
        w.shpOutline()->hide();
        float x1 = c->left() + x, y1 = c->top() + y;
        if (DesignSelection* selection = w.selection()) {
            // The drop lands where the outline showed it, snapped.
            float width = 0, height = 0;
            designAreaSize(w, width, height);
            const InchPoint p = selection->snapDrag(
                c, outline::dropPosition(rectOf(*c), { m_x0, m_y0 }, { x1, y1 }, width, height), false);
            x1 = m_x0 + (p.x - c->left());
            y1 = m_y0 + (p.y - c->top());
        }
        w.DropControl(c, m_x0, m_y0, x1, y1);
    }
    m_moving = false;
    m_dragging = false;
}

void SelectTool::drop(DesignControl* c, float x0, float y0, float x1, float y1)
{
    if (!c)
        return;
    frmPreview& w = window();
    float width = 0, height = 0;
    designAreaSize(w, width, height);
    const InchRect r = rectOf(*c);
    const InchPoint p = outline::dropPosition(r, { x0, y0 }, { x1, y1 }, width, height);
    {
        DesignEdit edit(w.undoStack(), DesignEditing::of(w), frmPreview::tr("Move"));
        c->hide();
        c->settop(p.y);
        c->setleft(p.x);
        c->show();
        if (DesignSelection* selection = w.selection()) // the rest of the selection goes along
            selection->moveOthers(c, p.x - r.left, p.y - r.top);
    }
    m_moving = false;
    if (COutline* outline = w.outline())
        outline->Selected(c);
    DesignEditing::of(w).showGeometry(c->Name(), c->Index(), InchRect { p.x, p.y, r.width, r.height });
}

void SelectTool::controlClick(DesignControl* c)
{
    frmPreview& w = window();
    if (COutline* outline = w.outline())
        outline->Selected(c);
    if (w.txtText()->isVisible())
        w.TextUpdate();
}

void SelectTool::controlDoubleClick(DesignControl* c)
{
    frmPreview& w = window();
    switch (c->kind()) {
    case DesignControl::Kind::Text:
        w.EditText(c->Index());
        break;
    case DesignControl::Kind::Data:
        w.mnuOptionsUserField_Click();
        break;
    case DesignControl::Kind::Logo:
        w.mnuOptionsLogo_Click();
        break;
    case DesignControl::Kind::Rectangle:
        w.mnuOptionsBackColor_Click();
        break;
    default:
        break;
    }
}

void SelectTool::cancel()
{
    m_band->hide();
    m_banding = false;
}

void SelectTool::handlePress(CornerHandle*, Qt::MouseButton button)
{
    COutline* outline = window().outline();
    if (button == Qt::LeftButton && outline && outline->selectedControl())
        DesignEditing::of(window()).beginPending(frmPreview::tr("Resize"));
}

void SelectTool::handleMove(CornerHandle* handle, Qt::MouseButtons buttons, float x, float y)
{
    frmPreview& w = window();
    COutline* outline = w.outline();
    DesignControl* c = outline ? outline->selectedControl() : nullptr;
    if (!(buttons & Qt::LeftButton) || !c)
        return;
    // The corner stays on the surface (just inside its far edges).
    const float width = w.picID()->surfaceWidth();
    const float height = w.picID()->surfaceHeight();
    x = std::clamp(x, 0.0f, std::max(0.0f, width - 0.001f));
    y = std::clamp(y, 0.0f, std::max(0.0f, height - 0.001f));
    outline->DragMove(handle, x, y);
    outline->DragDrop(handle, x, y);
    DesignEditing::of(w).showGeometry(c->Name(), c->Index(), outline->outlineRect());
}

void SelectTool::handleRelease(CornerHandle* handle, Qt::MouseButton button, float x, float y)
{
    if (button != Qt::LeftButton)
        return;
    COutline* outline = window().outline();
    // The outline already follows the last move; the drop copies it.
    if (DesignControl* c = outline ? outline->selectedControl() : nullptr) {
        outline->DragDrop(handle, x, y);
        outline->Selected(c);
    }
    DesignEditing::of(window()).commitPending();
}

} // namespace kyt
