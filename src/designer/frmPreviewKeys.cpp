// The window's keys (F2, Enter, Delete, Esc, the menu key) and the in-place
// editor of static texts.

#include "designer/COutline.h"
#include "designer/DesignEditing.h"
#include "designer/DesignTool.h"
#include "designer/frmPreview.h"
#include <QCursor>
#include <QLabel>
#include <QLineEdit>

namespace kyt
{

bool frmPreview::showObjectMenuFromKeyboard()
{
    if (!m_template || m_txtText->isVisible())
        return false;
    m_menuByKeyboard = true;
    showObjectMenu(m_outline ? m_outline->selectedControl() : nullptr);
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
        m_tools->current().cancel();
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
