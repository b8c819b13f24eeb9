// The pointer tool on objects: selecting, moving by dragging, resizing with
// the handles, the context menu, double clicks, the in-place text editor and
// the editing keys. Every change goes onto the undo stack as one command.

#include "designer/COutline.h"
#include "designer/DesignEditing.h"
#include "designer/DesignSelection.h"
#include "designer/DesignSurface.h"
#include "designer/frmPreview.h"
#include "util/Strings.h"
#include <QAction>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QUndoStack>
#include <utility>

namespace kyt
{

namespace
{

InchRect rectOf(const SurfaceItem& item)
{
    return InchRect { item.itemLeft(), item.itemTop(), item.itemWidth(), item.itemHeight() };
}

// The surface the objects may be moved on: the card, twice its height when
// it has a back.
void surfaceSize(const frmPreview& w, float& width, float& height)
{
    if (const auto t = w.currentTemplate()) {
        width = static_cast<float>(t->Width());
        height = static_cast<float>(t->Height() * (t->Duplex() ? 2 : 1));
    } else {
        width = w.picID()->surfaceWidth();
        height = w.picID()->surfaceHeight();
    }
}

} // namespace

void frmPreview::pointerMouseDown(DesignControl* c, Qt::MouseButton button, float x, float y)
{
    if (m_txtText->isVisible())
        TextUpdate();
    if (m_outline)
        m_outline->Selected(c);
    m_picID->setFocus(Qt::MouseFocusReason);
    if (button == Qt::LeftButton) {
        m_x0 = c->left() + x;
        m_y0 = c->top() + y;
        m_moving = true;
        DesignEditing::of(*this).dragging = false;
    }
}

void frmPreview::pointerMouseMove(DesignControl* c, Qt::MouseButtons buttons, float x, float y)
{
    if (!(buttons & Qt::LeftButton) || !m_moving)
        return;
    DesignEditing& editing = DesignEditing::of(*this);
    const float x1 = c->left() + x;
    const float y1 = c->top() + y;
    if (!editing.dragging) {
        // A press that has not moved yet is still a click.
        if (m_picID->toPixels(std::abs(x1 - m_x0)) < 2 && m_picID->toPixels(std::abs(y1 - m_y0)) < 2)
            return;
        editing.dragging = true;
        if (m_outline)
            m_outline->Unselect();
    }
    // The outline rectangle shows where the object will land.
    float width = 0, height = 0;
    surfaceSize(*this, width, height);
    const InchRect r = rectOf(*c);
    InchPoint p = outline::dropPosition(r, { m_x0, m_y0 }, { x1, y1 }, width, height);
    if (m_selection)
        p = m_selection->snapDrag(c, p, true);
    m_shpOutline->setItemGeometry(p.x, p.y, r.width, r.height);
    m_shpOutline->show();
    m_shpOutline->raise();
    editing.showGeometry(c->Name(), c->Index(), InchRect { p.x, p.y, r.width, r.height });
}

void frmPreview::pointerMouseUp(DesignControl* c, Qt::MouseButton button, float x, float y)
{
    DesignEditing& editing = DesignEditing::of(*this);
    if (button == Qt::LeftButton) {
        if (m_moving && editing.dragging) {
            m_shpOutline->hide();
            float x1 = c->left() + x, y1 = c->top() + y;
            if (m_selection) {
                // The drop lands where the outline showed it, snapped.
                float width = 0, height = 0;
                surfaceSize(*this, width, height);
                const InchPoint p = m_selection->snapDrag(
                    c, outline::dropPosition(rectOf(*c), { m_x0, m_y0 }, { x1, y1 }, width, height), false);
                x1 = m_x0 + (p.x - c->left());
                y1 = m_y0 + (p.y - c->top());
            }
            DropControl(c, m_x0, m_y0, x1, y1);
        }
        m_moving = false;
        editing.dragging = false;
        return;
    }
    m_moving = false;
    const bool border = c->BorderStyle() != 0;
    QAction* def = nullptr;
    switch (c->kind()) {
    case DesignControl::Kind::Text:
    case DesignControl::Kind::Data:
        updateMenu(c->Name(), border, c->Alignment(), c->BackStyle() == 0, IsBarcodeToken(c->Tag()));
        def = menuAction(c->kind() == DesignControl::Kind::Text ? QStringLiteral("mnuOptionsEditText")
                                                                : QStringLiteral("mnuOptionsUserField"));
        break;
    case DesignControl::Kind::Logo:
        updateMenu(c->Name(), border, 0, false, false);
        // The tick tells this logo's own setting, not the last one's.
        menuAction(QStringLiteral("mnuOptionsStretch"))->setChecked(c->Stretch());
        def = menuAction(QStringLiteral("mnuOptionsLogo"));
        break;
    case DesignControl::Kind::Rectangle:
    case DesignControl::Kind::Line:
        updateMenu(c->Name(), border, 0, false, false);
        def = menuAction(QStringLiteral("mnuOptionsBackColor"));
        break;
    case DesignControl::Kind::Photo:
        updateMenu(c->Name(), border, 0, false, false);
        break;
    }
    m_mnuMethods->setDefaultAction(def);
    m_mnuMethods->popup(objectMenuPosition());
}

void frmPreview::DropControl(DesignControl* c, float x0, float y0, float x1, float y1)
{
    if (!c)
        return;
    float width = 0, height = 0;
    surfaceSize(*this, width, height);
    const InchRect r = rectOf(*c);
    const InchPoint p = outline::dropPosition(r, { x0, y0 }, { x1, y1 }, width, height);
    {
        DesignEdit edit(m_undoStack, DesignEditing::of(*this), tr("Move"));
        c->hide();
        c->settop(p.y);
        c->setleft(p.x);
        c->show();
        if (m_selection) // the rest of the selection goes along
            m_selection->moveOthers(c, p.x - r.left, p.y - r.top);
    }
    m_moving = false;
    if (m_outline)
        m_outline->Selected(c);
    DesignEditing::of(*this).showGeometry(c->Name(), c->Index(), InchRect { p.x, p.y, r.width, r.height });
}

void frmPreview::controlClick(DesignControl* c)
{
    if (std::exchange(m_bandEndedOnControl, false))
        return;
    if (WhichButtonDown() != QLatin1String("Pointer"))
        return;
    if (m_outline)
        m_outline->Selected(c);
    if (m_txtText->isVisible())
        TextUpdate();
}

void frmPreview::pointerDoubleClick(DesignControl* c)
{
    switch (c->kind()) {
    case DesignControl::Kind::Text:
        EditText(c->Index());
        break;
    case DesignControl::Kind::Data:
        mnuOptionsUserField_Click();
        break;
    case DesignControl::Kind::Logo:
        mnuOptionsLogo_Click();
        break;
    case DesignControl::Kind::Rectangle:
        mnuOptionsBackColor_Click();
        break;
    default:
        break;
    }
}

void frmPreview::handleMouseDown(CornerHandle*, Qt::MouseButton button, float, float)
{
    if (button == Qt::LeftButton && m_outline && m_outline->selectedControl())
        DesignEditing::of(*this).beginPending(tr("Resize"));
}

void frmPreview::handleMouseMove(CornerHandle* handle, Qt::MouseButtons buttons, float x, float y)
{
    DesignControl* c = m_outline ? m_outline->selectedControl() : nullptr;
    if (!(buttons & Qt::LeftButton) || !c)
        return;
    // The corner stays on the surface (just inside its far edges).
    const float width = m_picID->surfaceWidth();
    const float height = m_picID->surfaceHeight();
    x = std::clamp(x, 0.0f, std::max(0.0f, width - 0.001f));
    y = std::clamp(y, 0.0f, std::max(0.0f, height - 0.001f));
    m_outline->DragMove(handle, x, y);
    m_outline->DragDrop(handle, x, y);
    DesignEditing::of(*this).showGeometry(c->Name(), c->Index(), m_outline->outlineRect());
}

void frmPreview::handleMouseUp(CornerHandle* handle, Qt::MouseButton button, float x, float y)
{
    if (button != Qt::LeftButton)
        return;
    // The outline already follows the last move; the drop copies it.
    if (DesignControl* c = m_outline ? m_outline->selectedControl() : nullptr) {
        m_outline->DragDrop(handle, x, y);
        m_outline->Selected(c);
    }
    DesignEditing::of(*this).commitPending();
}

void frmPreview::objectPlaced(DesignControl* c)
{
    DesignEditing::of(*this).pushPlaced(c);
}

bool frmPreview::showObjectMenuFromKeyboard()
{
    if (!m_template || m_txtText->isVisible())
        return false;
    m_menuByKeyboard = true;
    if (DesignControl* c = m_outline ? m_outline->selectedControl() : nullptr)
        pointerMouseUp(c, Qt::RightButton, 0, 0);
    else
        surfaceMouseUp(Qt::RightButton, 0, 0);
    m_menuByKeyboard = false;
    return true;
}

QPoint frmPreview::objectMenuPosition() const
{
    if (!m_menuByKeyboard)
        return QCursor::pos();
    if (const DesignControl* c = m_outline ? m_outline->selectedControl() : nullptr)
        return c->mapToGlobal(c->rect().center());
    return m_picID->mapToGlobal(QPoint(0, 0));
}

bool frmPreview::Form_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    switch (key) {
    case Qt::Key_Menu:
        return showObjectMenuFromKeyboard();
    case Qt::Key_F10:
        return (modifiers & Qt::ShiftModifier) && showObjectMenuFromKeyboard();
    case Qt::Key_F2:
        if (m_outline && !m_txtText->isVisible())
            m_outline->Edit();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_txtText->isVisible()) {
            TextUpdate();
            return true;
        }
        return placeFromKeyboard();
    case Qt::Key_Escape:
        if (m_txtText->isVisible() || WhichButtonDown() == QLatin1String("Pointer"))
            return false;
        m_shpOutline->hide();
        pressTool(QStringLiteral("Pointer"));
        m_status->clear();
        return true;
    case Qt::Key_Delete:
        if (!m_txtText->isVisible()) {
            mnuOptionsDelete_Click();
            return true;
        }
        return false;
    default:
        return false;
    }
}

void frmPreview::EditText(int index)
{
    try {
        DesignControl* label = Text().Item(index);
        if (!label || m_txtText->isVisible())
            return;
        DesignEditing::of(*this).beginPending(tr("Edit Text"));
        m_txtText->setGeometry(label->geometry());
        QFont font = label->displayFont();
        font.setStrikeOut(label->FontStrikethrough());
        m_txtText->setFont(font);
        // Where the label draws its text, so the text does not jump.
        const int a = label->Alignment();
        m_txtText->setAlignment(Qt::AlignTop | (a == 1 ? Qt::AlignRight : a == 2 ? Qt::AlignHCenter : Qt::AlignLeft));
        m_txtText->setTextMargins(0, 0, 0, 0);
        m_txtText->setText(label->Caption());
        m_txtText->setProperty("Tag", QString::number(index));
        m_txtText->setProperty("captionBefore", label->Caption()); // for Esc
        m_txtText->raise();
        label->hide();
        m_txtText->show();
        m_txtText->setFocus(Qt::OtherFocusReason);
        m_txtText->selectAll();
    } catch (const std::exception& e) {
        report(e, " EditText");
    }
}

void frmPreview::TextUpdate()
{
    static bool updating = false; // hiding the editor takes its focus away
    if (updating || !m_txtText->isVisible())
        return;
    updating = true;
    try {
        DesignControl* label = Text().Item(m_txtText->property("Tag").toString().toInt());
        if (label) {
            label->setCaption(m_txtText->text());
            COutline::refitFont(*label);
            label->show();
        }
        m_txtText->hide();
        if (m_outline)
            m_outline->refresh();
        m_picID->setFocus(Qt::OtherFocusReason);
    } catch (const std::exception& e) {
        report(e, " TextUpdate");
    }
    DesignEditing::of(*this).commitPending();
    updating = false;
}

} // namespace kyt
