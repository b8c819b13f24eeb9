// The pointer tool on objects: selecting, the context menu, double clicks,
// the in-place text editor and the editing keys.

#include "designer/COutline.h"
#include "designer/frmPreview.h"
#include "util/Strings.h"
#include <QAction>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>

namespace kyt
{

namespace
{
bool tagFlag(const QString& tag, const char* key)
{
    return GetTagValue(tag, QLatin1String(key)).compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
}
} // namespace

void frmPreview::pointerMouseDown(DesignControl* c, Qt::MouseButton button, float x, float y)
{
    if (m_outline)
        m_outline->Selected(c);
    if (button == Qt::LeftButton) {
        m_x0 = c->left() + x;
        m_y0 = c->top() + y;
        m_moving = true;
    }
}

void frmPreview::pointerMouseMove(DesignControl*, Qt::MouseButtons, float, float) { }

void frmPreview::pointerMouseUp(DesignControl* c, Qt::MouseButton button, float, float)
{
    m_moving = false;
    if (button == Qt::LeftButton)
        return;
    const bool border = c->BorderStyle() != 0;
    QAction* def = nullptr;
    switch (c->kind()) {
    case DesignControl::Kind::Text:
    case DesignControl::Kind::Data:
        updateMenu(c->Name(), border, c->Alignment(), c->BackStyle() == 0, tagFlag(c->Tag(), "BC"));
        def = menuAction(c->kind() == DesignControl::Kind::Text ? QStringLiteral("mnuOptionsEditText")
                                                                 : QStringLiteral("mnuOptionsUserField"));
        break;
    case DesignControl::Kind::Logo:
        updateMenu(c->Name(), border, 0, false, false);
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
    m_mnuMethods->popup(QCursor::pos());
}

void frmPreview::controlClick(DesignControl* c)
{
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

void frmPreview::handleMouseDown(CornerHandle*, Qt::MouseButton, float, float) { }
void frmPreview::handleMouseMove(CornerHandle*, Qt::MouseButtons, float, float) { }
void frmPreview::handleMouseUp(CornerHandle*, Qt::MouseButton, float, float) { }

void frmPreview::objectPlaced(DesignControl*) { }

bool frmPreview::Form_KeyDown(int key, Qt::KeyboardModifiers)
{
    switch (key) {
    case Qt::Key_F2:
        if (DesignControl* c = m_outline ? m_outline->selectedControl() : nullptr;
            c && c->kind() == DesignControl::Kind::Text)
            EditText(c->Index());
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_txtText->isVisible()) {
            TextUpdate();
            setDataChanged();
            return true;
        }
        return false;
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
        if (!label)
            return;
        m_txtText->setGeometry(label->geometry());
        m_txtText->setFont(label->displayFont());
        m_txtText->setText(label->Caption());
        m_txtText->setProperty("Tag", QString::number(index));
        m_txtText->raise();
        label->hide();
        m_txtText->show();
        m_txtText->setFocus();
        m_txtText->selectAll();
    } catch (const std::exception& e) {
        report(e, "EditText");
    }
}

void frmPreview::TextUpdate()
{
    try {
        DesignControl* label = Text().Item(m_txtText->property("Tag").toString().toInt());
        if (label) {
            if (label->Caption() != m_txtText->text())
                setDataChanged();
            label->setCaption(m_txtText->text());
            label->show();
        }
        m_txtText->hide();
    } catch (const std::exception& e) {
        report(e, "TextUpdate");
    }
}

} // namespace kyt
