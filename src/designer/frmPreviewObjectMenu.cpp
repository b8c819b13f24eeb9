// The &Object menu: commands on the selected object.

#include "designer/COutline.h"
#include "designer/frmPreview.h"
#include "errors/MessageBox.h"
#include "platform/CommonDialog.h"
#include "settings/CTargetApplications.h"
#include "util/Strings.h"
#include <QAction>
#include <QFileInfo>

namespace kyt
{

namespace
{
const QString PictureFilter = QStringLiteral(
    "Bitmaps(*.bmp)|*.bmp|Icons(*.ico)|*.ico|JPEG(*.jpg)|*.jpg|GIF(*.gif)|*.gif|Metafile(*.wmf)|*.wmf|"
    "Enhanced Meta(*.emf)|*.emf|All Supported Formats|*.bmp;*.ico;*.wmf;*.jpg;*.gif;*.emf;*.png");

QColor qcolor(qint32 v) { return DesignControl::toColor(v); }
qint32 colorValue(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

void setTag(DesignControl* c, const char* key, const QString& value)
{
    QString tag = c->Tag();
    SetTagValue(tag, QLatin1String(key), QStringLiteral(";"), value);
    c->setTag(tag);
}
} // namespace

void frmPreview::mnuOptionsDelete_Click()
{
    DesignControl* c = m_outline ? m_outline->selectedControl() : nullptr;
    if (!c)
        return;
    m_outline->Unselect();
    if (c->Index() > 0)
        c->array()->Unload(c->Index());
    else
        c->clearProperties();
    findChild<QAction*>(QStringLiteral("tlbObjectsPhoto"))->setEnabled(!Photo().Item(0)->Visible());
    setDataChanged();
}

void frmPreview::mnuOptionsLogo_Click()
{
    DesignControl* c = m_outline ? m_outline->selectedControl() : nullptr;
    if (!c || c->kind() != DesignControl::Kind::Logo)
        return;
    const auto file = commonDialog().ShowOpen(QStringLiteral("Load Logo"), PictureFilter, QString(), 0x81004, 7);
    if (!file)
        return;
    QString error;
    const Picture picture = Picture::fromFile(*file, &error);
    if (picture.isNull()) {
        MsgBox(error.isEmpty() ? QStringLiteral("The picture could not be loaded.") : error, vbExclamation,
            QStringLiteral("Load Logo"));
        return;
    }
    c->setPicture(picture);
    setDataChanged();
}

void frmPreview::mnuOptionsUserField_Click()
{
    DesignControl* c = m_outline ? m_outline->selectedControl() : nullptr;
    if (!c || c->kind() != DesignControl::Kind::Data)
        return;
    std::shared_ptr<CPrintData> data = m_defaultPrintData;
    if (!data && m_targets && m_template) {
        try {
            if (auto target = m_targets->Item(m_template->TargetApplication()))
                data = target->PrintData();
        } catch (const std::exception&) {
        }
    }
    if (!data)
        data = std::make_shared<CPrintData>();
    QString field = GetTagValue(c->Tag(), QStringLiteral("Key"));
    if (data->SelectDataField(field)) {
        setTag(c, "Key", field);
        c->setCaption(field);
        setDataChanged();
    }
}

void frmPreview::mnuOptionsEditText_Click()
{
    if (DesignControl* c = m_outline ? m_outline->selectedControl() : nullptr;
        c && c->kind() == DesignControl::Kind::Text)
        EditText(c->Index());
}

void frmPreview::mnuOptionsFront_Click()
{
    if (DesignControl* c = m_outline ? m_outline->selectedControl() : nullptr) {
        c->ZOrder(0);
        m_outline->UpdateZorder(true);
        m_outline->Selected(c);
        setDataChanged();
    }
}

void frmPreview::mnuOptionsBack_Click()
{
    if (DesignControl* c = m_outline ? m_outline->selectedControl() : nullptr) {
        c->ZOrder(1);
        m_outline->UpdateZorder(false);
        setDataChanged();
    }
}

void frmPreview::mnuOptionsFont_Click()
{
    DesignControl* c = m_outline ? m_outline->selectedControl() : nullptr;
    if (!c)
        return;
    QFont initial(c->FontName());
    initial.setPointSizeF(c->FontSize());
    initial.setBold(c->FontBold());
    initial.setItalic(c->FontItalic());
    initial.setUnderline(c->FontUnderline());
    initial.setStrikeOut(c->FontStrikethrough());
    const auto font = commonDialog().ShowFont(initial);
    if (!font)
        return;
    if (!c->setFontName(font->family())) {
        MsgBox(font->family() + QStringLiteral(" Font Not Found"), vbExclamation, QStringLiteral("Font Load Error"));
        return;
    }
    c->setFontSize(font->pointSizeF() > 0 ? font->pointSizeF() : c->FontSize());
    c->setFontBold(font->bold());
    c->setFontItalic(font->italic());
    c->setFontUnderline(font->underline());
    c->setFontStrikethrough(font->strikeOut());
    setDataChanged();
}

void frmPreview::mnuOptionsFontToFit_Click()
{
    if (DesignControl* c = m_outline ? m_outline->lastControl() : nullptr) {
        setTag(c, "FTF", menuAction(QStringLiteral("mnuOptionsFontToFit"))->isChecked() ? QStringLiteral("True")
                                                                                        : QStringLiteral("False"));
        setDataChanged();
    }
}

static void alignSelected(frmPreview& w, COutline* outline, int alignment)
{
    w.SetAlignmentChecks(alignment);
    if (DesignControl* c = outline ? outline->selectedControl() : nullptr) {
        c->setAlignment(alignment);
        w.setDataChanged();
    }
}

void frmPreview::mnuOptionsAlignmentLeft_Click() { alignSelected(*this, m_outline.get(), 0); }
void frmPreview::mnuOptionsAlignmentCenter_Click() { alignSelected(*this, m_outline.get(), 2); }
void frmPreview::mnuOptionsAlignmentRight_Click() { alignSelected(*this, m_outline.get(), 1); }

void frmPreview::mnuOptionsStretch_Click()
{
    if (DesignControl* c = m_outline ? m_outline->selectedControl() : nullptr)
        c->setStretch(menuAction(QStringLiteral("mnuOptionsStretch"))->isChecked());
}

void frmPreview::mnuOptionsBorderStyle_Click()
{
    if (DesignControl* c = m_outline ? m_outline->selectedControl() : nullptr) {
        c->setBorderStyle(menuAction(QStringLiteral("mnuOptionsBorderStyle"))->isChecked() ? 1 : 0);
        setDataChanged();
    }
}

void frmPreview::mnuOptionsTransparent_Click()
{
    const bool on = menuAction(QStringLiteral("mnuOptionsTransparent"))->isChecked();
    menuAction(QStringLiteral("mnuOptionsBackColor"))->setEnabled(!on);
    if (DesignControl* c = m_outline ? m_outline->lastControl() : nullptr) {
        c->setBackStyle(on ? 0 : 1);
        setDataChanged();
    }
}

void frmPreview::mnuOptionsBackColor_Click()
{
    DesignControl* c = m_outline ? m_outline->selectedControl() : nullptr;
    if (!c)
        return;
    const bool line = c->kind() == DesignControl::Kind::Line;
    if (const auto color = commonDialog().ShowColor(qcolor(line ? c->ForeColor() : c->BackColor()))) {
        if (line)
            c->setForeColor(colorValue(*color));
        else
            c->setBackColor(colorValue(*color));
        setDataChanged();
    }
}

void frmPreview::mnuOptionsForeColor_Click()
{
    DesignControl* c = m_outline ? m_outline->selectedControl() : nullptr;
    if (!c)
        return;
    if (const auto color = commonDialog().ShowColor(qcolor(c->ForeColor()))) {
        c->setForeColor(colorValue(*color));
        setDataChanged();
    }
}

void frmPreview::mnuOptionsBarcode_Click()
{
    const bool on = menuAction(QStringLiteral("mnuOptionsBarcode"))->isChecked();
    menuAction(QStringLiteral("mnuOptionsBarcodeProp"))->setEnabled(on);
    if (DesignControl* c = m_outline ? m_outline->lastControl() : nullptr) {
        setTag(c, "BC", on ? QStringLiteral("True") : QStringLiteral("False"));
        setDataChanged();
    }
}

void frmPreview::mnuOptionsBarcodeProp_Click() { }

} // namespace kyt
