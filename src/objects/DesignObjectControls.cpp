// Copying design objects onto the designer's controls and back. Each step
// is independent: a step that fails is passed over, so one bad property
// never keeps an object off the design surface.

#include "errors/MessageBox.h"
#include "objects/CDataObject.h"
#include "objects/CDesignObject.h"
#include "objects/CLineObject.h"
#include "objects/CLogoObject.h"
#include "objects/CPhotoObject.h"
#include "objects/CRectangleObject.h"
#include "objects/CTextObject.h"
#include "objects/IDesignControl.h"
#include "objects/TokenFields.h"
#include "util/PassOver.h"
#include "util/Strings.h"
#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <exception>

namespace kyt
{

IDesignControl::~IDesignControl() = default;
IDesignForm::~IDesignForm() = default;

namespace
{
const QString Sep = QStringLiteral(";");

QString boolText(bool v)
{
    return v ? QStringLiteral("True") : QStringLiteral("False");
}

bool tagFlag(const QString& tag, const QString& key)
{
    const QString v = GetTagValue(tag, key, Sep);
    if (v.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok && d != 0;
}

// The numeric value of a tag item rounded to an integer; fallback when it
// is absent or not a number.
qint32 tagNumber(const QString& tag, const QString& key, qint32 fallback)
{
    bool ok = false;
    const double d = GetTagValue(tag, key, Sep).toDouble(&ok);
    if (!ok || !std::isfinite(d) || std::fabs(d) > 2147483647.0)
        return fallback;
    return static_cast<qint32>(std::lrint(d));
}

void copyBox(const CDesignObject& o, IDesignControl& ctl)
{
    passOver([&] { ctl.settop(o.top()); });
    passOver([&] { ctl.setleft(o.left()); });
    passOver([&] { ctl.setWidth(o.Width()); });
    passOver([&] { ctl.setHeight(o.Height()); });
}

void startTag(const CDesignObject& o, IDesignControl& ctl)
{
    passOver([&] {
        QString tag;
        SetTagValue(tag, QStringLiteral("Zorder"), Sep, QString::number(o.ZOrder()));
        ctl.setTag(tag);
    });
}

void finishShow(IDesignControl& ctl)
{
    passOver([&] { ctl.ZOrder(0); });
    passOver([&] { ctl.setVisible(true); });
}

// The start shared by the kinds with an outline.
void startOutlined(const CDesignObject& o, IDesignControl& ctl)
{
    startTag(o, ctl);
    passOver([&] { ctl.setBorderStyle(std::abs(o.Border())); });
}

// Photo and logo show alike on the designer; for a photo the picture is the
// placeholder that shows where the photo goes.
void copyPicture(const CDesignObject& o, IDesignControl& ctl, const kyt::Picture& image, bool stretch)
{
    startOutlined(o, ctl);
    copyBox(o, ctl);
    passOver([&] { ctl.setPicture(image); });
    passOver([&] { ctl.setStretch(stretch); });
    finishShow(ctl);
}

qint16 clamp16(qint32 v)
{
    return static_cast<qint16>(std::clamp<qint32>(v, -32768, 32767));
}
} // namespace

void CDesignObject::CopyToControl(IDesignControl&) { }
void CDesignObject::GetPropertiesFromControl(IDesignControl&) { }

// Reads what every control kind shares: outline, box and drawing order.
static void readCommon(CDesignObject& o, IDesignControl& ctl, bool withBorder)
{
    if (withBorder)
        passOver([&] { o.setBorder(clamp16(ctl.BorderStyle())); });
    passOver([&] { o.settop(ctl.top()); });
    passOver([&] { o.setleft(ctl.left()); });
    passOver([&] { o.setWidth(ctl.Width()); });
    passOver([&] { o.setHeight(ctl.Height()); });
    passOver([&] { o.setZOrder(clamp16(tagNumber(ctl.Tag(), QStringLiteral("Zorder"), o.ZOrder()))); });
}

// --- Photo -----------------------------------------------------------------

void CPhotoObject::CopyToControl(IDesignControl& ctl)
{
    copyPicture(*this, ctl, m_image, m_stretchToFit);
}

void CPhotoObject::GetPropertiesFromControl(IDesignControl& ctl)
{
    readCommon(*this, ctl, true);
    passOver([&] {
        const kyt::Picture p = ctl.Picture();
        if (!p.isNull())
            m_image = p;
    });
    // Carried so a round trip through the designer keeps the photo's fit.
    passOver([&] { m_stretchToFit = ctl.Stretch(); });
}

// --- Logo ------------------------------------------------------------------

void CLogoObject::CopyToControl(IDesignControl& ctl)
{
    copyPicture(*this, ctl, m_image, m_stretchToFit);
}

void CLogoObject::GetPropertiesFromControl(IDesignControl& ctl)
{
    readCommon(*this, ctl, true);
    passOver([&] { m_image = ctl.Picture(); });
    passOver([&] { m_stretchToFit = ctl.Stretch(); });
}

// --- Rectangle -------------------------------------------------------------

void CRectangleObject::CopyToControl(IDesignControl& ctl)
{
    startOutlined(*this, ctl);
    passOver([&] { ctl.setBackColor(m_backColor); });
    // The outline colour is kept on the control too, or a save would lose it.
    passOver([&] { ctl.setForeColor(m_foreColor); });
    copyBox(*this, ctl);
    finishShow(ctl);
}

void CRectangleObject::GetPropertiesFromControl(IDesignControl& ctl)
{
    readCommon(*this, ctl, true);
    passOver([&] { m_backColor = ctl.BackColor(); });
    passOver([&] { m_foreColor = ctl.ForeColor(); });
}

// --- Line ------------------------------------------------------------------

void CLineObject::CopyToControl(IDesignControl& ctl)
{
    startTag(*this, ctl);
    passOver([&] { ctl.setForeColor(m_lineColor); });
    copyBox(*this, ctl);
    finishShow(ctl);
}

void CLineObject::GetPropertiesFromControl(IDesignControl& ctl)
{
    readCommon(*this, ctl, false);
    passOver([&] { m_lineColor = ctl.ForeColor(); });
}

// --- Static text and data field ---------------------------------------------

void CTextObjectBase::CopyToControl(IDesignControl& ctl)
{
    const auto* data = dynamic_cast<const CDataObject*>(this);
    passOver([&] {
        QString tag;
        if (data)
            SetTagValue(tag, QStringLiteral("Key"), Sep, data->DataFieldName());
        SetTagValue(tag, QStringLiteral("Zorder"), Sep, QString::number(m_zOrder));
        ctl.setTag(tag);
    });
    passOver([&] { ctl.setBorderStyle(std::abs(m_border)); });
    passOver([&] { ctl.setBackStyle(m_transparent ? 0 : 1); });
    passOver([&] { ctl.setAlignment(m_alignment); });
    passOver([&] { ctl.setForeColor(m_foreColor); });
    passOver([&] { ctl.setBackColor(m_backColor); });
    copyBox(*this, ctl);
    passOver([&] { ctl.setFontBold(m_bold); });
    passOver([&] { ctl.setFontItalic(m_italic); });
    passOver([&] { ctl.setFontUnderline(m_underline); });
    passOver([&] { ctl.setFontStrikethrough(m_strikethrough); });
    passOver([&] { ctl.setFontSize(m_fontSize); });
    passOver([&] {
        if (!ctl.setFontName(m_fontName)) {
            const QString what = data ? data->DataFieldName() : m_text;
            MsgBox(m_fontName
                    + QCoreApplication::translate("kyt::CDesignObject", " Font Not Found: Using MS San Serif for ")
                    + what,
                vbExclamation, QCoreApplication::translate("kyt::CDesignObject", "Font Load Error"));
            ctl.setFontName(IDesignControl::FallbackFontName);
        }
    });
    passOver([&] { ctl.setCaption(m_text); });
    passOver([&] { ctl.ZOrder(0); });
    passOver([&] {
        QString tag = ctl.Tag();
        SetTagValue(tag, QStringLiteral("BC"), Sep, boolText(m_barcode));
        if (m_barcode) {
            SetTagValue(tag, QStringLiteral("BCType"), Sep, tokens::barcodeTypeText(m_barcodeType));
            SetTagValue(tag, QStringLiteral("Pre"), Sep, m_barcodePrefix);
            SetTagValue(tag, QStringLiteral("Post"), Sep, m_barcodePostfix);
        }
        SetTagValue(tag, QStringLiteral("FTF"), Sep, boolText(m_fontToFit));
        // Symbol options and the shrink-only fit, as items of their own.
        for (const QString& item : optionsText().split(Sep, Qt::SkipEmptyParts)) {
            const qsizetype eq = item.indexOf(QLatin1Char('='));
            if (eq > 0)
                SetTagValue(tag, item.left(eq), Sep, item.mid(eq + 1));
        }
        ctl.setTag(tag);
    });
    passOver([&] { ctl.setVisible(true); });
}

void CTextObjectBase::GetPropertiesFromControl(IDesignControl& ctl)
{
    readCommon(*this, ctl, true);
    const QString tag = ctl.Tag();
    passOver([&] { m_alignment = clamp16(ctl.Alignment()); });
    passOver([&] { m_foreColor = ctl.ForeColor(); });
    passOver([&] { m_backColor = ctl.BackColor(); });
    passOver([&] { setTokenText(ctl.Caption()); });
    if (auto* data = dynamic_cast<CDataObject*>(this)) {
        // The field name lives in the tag; the caption is what the designer shows.
        passOver([&] { data->setDataFieldName(GetTagValue(tag, QStringLiteral("Key"), Sep)); });
        passOver([&] { m_text = ctl.Caption(); });
    }
    passOver([&] { m_bold = ctl.FontBold(); });
    passOver([&] { m_italic = ctl.FontItalic(); });
    passOver([&] { m_underline = ctl.FontUnderline(); });
    passOver([&] { m_fontName = ctl.FontName(); });
    passOver([&] { m_fontSize = clamp16(static_cast<qint32>(std::lrint(ctl.FontSize()))); });
    passOver([&] { m_strikethrough = ctl.FontStrikethrough(); });
    passOver([&] { m_transparent = ctl.BackStyle() == 0; });
    passOver([&] { m_barcode = tagFlag(tag, QStringLiteral("BC")); });
    if (m_barcode) {
        passOver([&] { m_barcodeType = tagNumber(tag, QStringLiteral("BCType"), m_barcodeType); });
        passOver([&] { m_barcodePrefix = GetTagValue(tag, QStringLiteral("Pre"), Sep); });
        passOver([&] { m_barcodePostfix = GetTagValue(tag, QStringLiteral("Post"), Sep); });
    }
    passOver([&] { m_fontToFit = tagFlag(tag, QStringLiteral("FTF")); });
    passOver([&] { setOptionsText(tag); });
}

} // namespace kyt
