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
#include "util/Strings.h"
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

template <typename F> void step(F&& f)
{
    try {
        f();
    } catch (const std::exception&) {
    }
}

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
    step([&] { ctl.settop(o.top()); });
    step([&] { ctl.setleft(o.left()); });
    step([&] { ctl.setWidth(o.Width()); });
    step([&] { ctl.setHeight(o.Height()); });
}

void startTag(const CDesignObject& o, IDesignControl& ctl)
{
    step([&] {
        QString tag;
        SetTagValue(tag, QStringLiteral("Zorder"), Sep, QString::number(o.ZOrder()));
        ctl.setTag(tag);
    });
}

void finishShow(IDesignControl& ctl)
{
    step([&] { ctl.ZOrder(0); });
    step([&] { ctl.setVisible(true); });
}

// The start shared by the kinds with an outline.
void startOutlined(const CDesignObject& o, IDesignControl& ctl)
{
    startTag(o, ctl);
    step([&] { ctl.setBorderStyle(std::abs(o.Border())); });
}

// Photo and logo show alike on the designer; for a photo the picture is the
// placeholder that shows where the photo goes.
void copyPicture(const CDesignObject& o, IDesignControl& ctl, const kyt::Picture& image, bool stretch)
{
    startOutlined(o, ctl);
    copyBox(o, ctl);
    step([&] { ctl.setPicture(image); });
    step([&] { ctl.setStretch(stretch); });
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
        step([&] { o.setBorder(clamp16(ctl.BorderStyle())); });
    step([&] { o.settop(ctl.top()); });
    step([&] { o.setleft(ctl.left()); });
    step([&] { o.setWidth(ctl.Width()); });
    step([&] { o.setHeight(ctl.Height()); });
    step([&] { o.setZOrder(clamp16(tagNumber(ctl.Tag(), QStringLiteral("Zorder"), o.ZOrder()))); });
}

// --- Photo -----------------------------------------------------------------

void CPhotoObject::CopyToControl(IDesignControl& ctl)
{
    copyPicture(*this, ctl, m_image, m_stretchToFit);
}

void CPhotoObject::GetPropertiesFromControl(IDesignControl& ctl)
{
    readCommon(*this, ctl, true);
    step([&] {
        const kyt::Picture p = ctl.Picture();
        if (!p.isNull())
            m_image = p;
    });
    // Carried so a round trip through the designer keeps the photo's fit.
    step([&] { m_stretchToFit = ctl.Stretch(); });
}

// --- Logo ------------------------------------------------------------------

void CLogoObject::CopyToControl(IDesignControl& ctl)
{
    copyPicture(*this, ctl, m_image, m_stretchToFit);
}

void CLogoObject::GetPropertiesFromControl(IDesignControl& ctl)
{
    readCommon(*this, ctl, true);
    step([&] { m_image = ctl.Picture(); });
    step([&] { m_stretchToFit = ctl.Stretch(); });
}

// --- Rectangle -------------------------------------------------------------

void CRectangleObject::CopyToControl(IDesignControl& ctl)
{
    startOutlined(*this, ctl);
    step([&] { ctl.setBackColor(m_backColor); });
    // The outline colour is kept on the control too, or a save would lose it.
    step([&] { ctl.setForeColor(m_foreColor); });
    copyBox(*this, ctl);
    finishShow(ctl);
}

void CRectangleObject::GetPropertiesFromControl(IDesignControl& ctl)
{
    readCommon(*this, ctl, true);
    step([&] { m_backColor = ctl.BackColor(); });
    step([&] { m_foreColor = ctl.ForeColor(); });
}

// --- Line ------------------------------------------------------------------

void CLineObject::CopyToControl(IDesignControl& ctl)
{
    startTag(*this, ctl);
    step([&] { ctl.setForeColor(m_lineColor); });
    copyBox(*this, ctl);
    finishShow(ctl);
}

void CLineObject::GetPropertiesFromControl(IDesignControl& ctl)
{
    readCommon(*this, ctl, false);
    step([&] { m_lineColor = ctl.ForeColor(); });
}

// --- Static text and data field ---------------------------------------------

void CTextObjectBase::CopyToControl(IDesignControl& ctl)
{
    const auto* data = dynamic_cast<const CDataObject*>(this);
    step([&] {
        QString tag;
        if (data)
            SetTagValue(tag, QStringLiteral("Key"), Sep, data->DataFieldName());
        SetTagValue(tag, QStringLiteral("Zorder"), Sep, QString::number(m_zOrder));
        ctl.setTag(tag);
    });
    step([&] { ctl.setBorderStyle(std::abs(m_border)); });
    step([&] { ctl.setBackStyle(m_transparent ? 0 : 1); });
    step([&] { ctl.setAlignment(m_alignment); });
    step([&] { ctl.setForeColor(m_foreColor); });
    step([&] { ctl.setBackColor(m_backColor); });
    copyBox(*this, ctl);
    step([&] { ctl.setFontBold(m_bold); });
    step([&] { ctl.setFontItalic(m_italic); });
    step([&] { ctl.setFontUnderline(m_underline); });
    step([&] { ctl.setFontStrikethrough(m_strikethrough); });
    step([&] { ctl.setFontSize(m_fontSize); });
    step([&] {
        if (!ctl.setFontName(m_fontName)) {
            const QString what = data ? data->DataFieldName() : m_text;
            MsgBox(m_fontName + QStringLiteral(" Font Not Found: Using MS San Serif for ") + what, vbExclamation,
                QStringLiteral("Font Load Error"));
            ctl.setFontName(IDesignControl::FallbackFontName);
        }
    });
    step([&] { ctl.setCaption(m_text); });
    step([&] { ctl.ZOrder(0); });
    step([&] {
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
    step([&] { ctl.setVisible(true); });
}

void CTextObjectBase::GetPropertiesFromControl(IDesignControl& ctl)
{
    readCommon(*this, ctl, true);
    const QString tag = ctl.Tag();
    step([&] { m_alignment = clamp16(ctl.Alignment()); });
    step([&] { m_foreColor = ctl.ForeColor(); });
    step([&] { m_backColor = ctl.BackColor(); });
    step([&] { setTokenText(ctl.Caption()); });
    if (auto* data = dynamic_cast<CDataObject*>(this)) {
        // The field name lives in the tag; the caption is what the designer shows.
        step([&] { data->setDataFieldName(GetTagValue(tag, QStringLiteral("Key"), Sep)); });
        step([&] { m_text = ctl.Caption(); });
    }
    step([&] { m_bold = ctl.FontBold(); });
    step([&] { m_italic = ctl.FontItalic(); });
    step([&] { m_underline = ctl.FontUnderline(); });
    step([&] { m_fontName = ctl.FontName(); });
    step([&] { m_fontSize = clamp16(static_cast<qint32>(std::lrint(ctl.FontSize()))); });
    step([&] { m_strikethrough = ctl.FontStrikethrough(); });
    step([&] { m_transparent = ctl.BackStyle() == 0; });
    step([&] { m_barcode = tagFlag(tag, QStringLiteral("BC")); });
    if (m_barcode) {
        step([&] { m_barcodeType = tagNumber(tag, QStringLiteral("BCType"), m_barcodeType); });
        step([&] { m_barcodePrefix = GetTagValue(tag, QStringLiteral("Pre"), Sep); });
        step([&] { m_barcodePostfix = GetTagValue(tag, QStringLiteral("Post"), Sep); });
    }
    step([&] { m_fontToFit = tagFlag(tag, QStringLiteral("FTF")); });
    step([&] { setOptionsText(tag); });
}

} // namespace kyt
