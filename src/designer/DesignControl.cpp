// One design object on the surface: its properties and how it paints.

#include "designer/DesignControl.h"

#include "designer/ControlArray.h"
#include "designer/ControlPicture.h"
#include "designer/DesignEvents.h"
#include "designer/DesignSurface.h"
#include "objects/CTextObject.h"
#include "platform/surface/PictureBoxSurface.h"
#include "platform/surface/Surface.h"
#include "util/Strings.h"
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <atomic>
#include <cmath>

namespace kyt
{

namespace
{
std::atomic<quint64> g_useCounter { 0 };
} // namespace

DesignControl::DesignControl(DesignSurface* surface, ControlArray* array, Kind kind, int index)
    : SurfaceItem(surface)
    , m_array(array)
    , m_kind(kind)
    , m_index(index)
{
    setObjectName(QStringLiteral("%1(%2)").arg(kindName(kind)).arg(index));
    setMouseTracking(false);
    hide();
}

QString DesignControl::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Photo:
        return QStringLiteral("Photo");
    case Kind::Logo:
        return QStringLiteral("Logo");
    case Kind::Rectangle:
        return QStringLiteral("Rectangle");
    case Kind::Text:
        return QStringLiteral("Text");
    case Kind::Data:
        return QStringLiteral("Data");
    case Kind::Line:
        return QStringLiteral("Line");
    }
    return QString();
}

QColor DesignControl::toColor(qint32 value)
{
    const auto v = static_cast<quint32>(value);
    if (v & 0x80000000u) {
        // System colours: window background, button face, window text.
        switch (v & 0xFF) {
        case 5:
            return Qt::white;
        case 15:
            return QColor(240, 240, 240);
        default:
            return Qt::black;
        }
    }
    return Surface::toQColor(v);
}

void DesignControl::markUsed()
{
    m_useOrder = ++g_useCounter;
}

void DesignControl::setTag(const QString& tag)
{
    m_tag = tag;
    lookChanged();
}

void DesignControl::setCaption(const QString& caption)
{
    m_caption = caption;
    lookChanged();
}

void DesignControl::setBackStyle(int v)
{
    m_backStyle = v;
    lookChanged();
}

void DesignControl::setBorderStyle(int v)
{
    m_borderStyle = v;
    lookChanged();
}

void DesignControl::setAlignment(int v)
{
    m_alignment = v;
    lookChanged();
}

void DesignControl::setBackColor(qint32 v)
{
    m_backColor = v;
    lookChanged();
}

void DesignControl::setForeColor(qint32 v)
{
    m_foreColor = v;
    lookChanged();
}

bool DesignControl::setFontName(const QString& name)
{
    if (name != FallbackFontName && !Surface::fontInstalled(name))
        return false;
    m_fontName = name;
    lookChanged();
    return true;
}

void DesignControl::setFontSize(double points)
{
    m_fontSize = points;
    lookChanged();
}

void DesignControl::setFontBold(bool v)
{
    m_bold = v;
    lookChanged();
}

void DesignControl::setFontItalic(bool v)
{
    m_italic = v;
    lookChanged();
}

void DesignControl::setFontUnderline(bool v)
{
    m_underline = v;
    lookChanged();
}

void DesignControl::setFontStrikethrough(bool v)
{
    m_strikethrough = v;
    lookChanged();
}

void DesignControl::setPicture(const kyt::Picture& picture)
{
    m_picture = picture;
    lookChanged();
}

void DesignControl::setStretch(bool v)
{
    m_stretch = v;
    lookChanged();
}

void DesignControl::ZOrder(int position)
{
    if (position == 0)
        raise();
    else
        lower();
}

void DesignControl::copyPropertiesFrom(const DesignControl& o)
{
    setItemGeometry(o.left(), o.top(), o.Width(), o.Height());
    m_tag = o.m_tag;
    m_caption = o.m_caption;
    m_backStyle = o.m_backStyle;
    m_borderStyle = o.m_borderStyle;
    m_alignment = o.m_alignment;
    m_backColor = o.m_backColor;
    m_foreColor = o.m_foreColor;
    m_fontName = o.m_fontName;
    m_fontSize = o.m_fontSize;
    m_bold = o.m_bold;
    m_italic = o.m_italic;
    m_underline = o.m_underline;
    m_strikethrough = o.m_strikethrough;
    m_picture = o.m_picture;
    m_stretch = o.m_stretch;
    m_useOrder = o.m_useOrder;
    m_objectType = o.m_objectType;
    QWidget::setVisible(o.Visible());
    lookChanged();
}

void DesignControl::clearProperties()
{
    QWidget::setVisible(false);
    m_tag.clear();
    m_caption.clear();
    m_backStyle = 1;
    m_borderStyle = 0;
    m_alignment = 0;
    m_backColor = 0xFFFFFF;
    m_foreColor = 0;
    m_fontName = QStringLiteral("Arial");
    m_fontSize = 8;
    m_bold = m_italic = m_underline = m_strikethrough = false;
    m_picture = kyt::Picture();
    m_stretch = false;
    m_useOrder = 0;
    m_objectType.clear();
    lookChanged();
}

bool DesignControl::isTextKind() const
{
    return m_kind == Kind::Text || m_kind == Kind::Data;
}

QString DesignControl::shownText() const
{
    const bool barcode
        = GetTagValue(m_tag, QStringLiteral("BC")).compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
    if (!barcode || m_caption.isEmpty())
        return m_caption;
    // Shown encoded, as it prints in the chosen barcode font.
    CTextObject shown;
    shown.GetPropertiesFromControl(const_cast<DesignControl&>(*this)); // only reads the control
    return shown.BarcodeText(m_caption);
}

double DesignControl::shownFontSize() const
{
    const bool fit = GetTagValue(m_tag, QStringLiteral("FTF")).compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
    const QString text = isTextKind() && fit ? shownText() : QString();
    if (text.isEmpty())
        return m_fontSize;
    try {
        // The card's render fits the text to its box whatever size is
        // stored; measure it the same way at the surface's resolution.
        CTextObject object;
        object.GetPropertiesFromControl(const_cast<DesignControl&>(*this)); // only reads the control
        PictureBoxSurface measure(QSize(1, 1), pixelsPerInch());
        measure.setScaleMode(Surface::vbInches);
        measure.setFontName(object.FontName());
        measure.setFontItalic(object.Italic());
        measure.setFontUnderline(object.Underline());
        measure.setFontBold(object.Bold());
        measure.setFontStrikethru(object.Strikethrough());
        const int fitted = CTextObjectBase::FontToFitSize(measure, object.FontSize(), Width(), Height(), text);
        return std::max(1, object.ShrinkToFit() ? std::min<int>(fitted, object.FontSize()) : fitted);
    } catch (const std::exception&) {
        return m_fontSize; // nothing to measure with: the stored size
    }
}

QFont DesignControl::displayFont() const
{
    QFont f(m_fontName == FallbackFontName ? QStringLiteral("Sans Serif") : m_fontName);
    // Points to pixels at the surface's zoom, so text keeps its size on the card.
    f.setPixelSize(std::max(1, int(std::lround(shownFontSize() * pixelsPerInch() / 72.0))));
    f.setBold(m_bold);
    f.setItalic(m_italic);
    f.setUnderline(m_underline);
    f.setStrikeOut(m_strikethrough);
    return f;
}

void DesignControl::lookChanged()
{
    ++m_lookVersion;
    update();
    surface()->update(lookRect());
}

int DesignControl::lookMargin() const
{
    return 4 + std::max(0, m_borderStyle);
}

QRect DesignControl::lookRect() const
{
    const int m = lookMargin();
    return geometry().adjusted(-m, -m, m, m);
}

QRect DesignControl::lookArea() const
{
    // Only what can be seen on the card is drawn: a damaged file can hold a
    // box thousands of inches tall, which would otherwise need a picture of
    // gigabytes on every repaint.
    return lookRect().intersected(surface()->rect());
}

const QImage& DesignControl::look()
{
    const LookKey key { lookArea(), pixelsPerInch(), m_lookVersion, surface()->dataVersion(), itemLeft(), itemTop(),
        itemWidth(), itemHeight() };
    if (!m_look || !(m_look->key == key))
        m_look = Look { key, renderControlPicture(*this, key.geometry, key.ppi, surface()->shownData()) };
    return m_look->image;
}

bool DesignControl::showsRecordPhoto() const
{
    // A photo reads the print data's "Image" (the designer keeps the
    // default name); the shown record's picture is drawn in its box.
    const std::shared_ptr<FieldValues> data = m_kind == Kind::Photo ? surface()->shownData() : nullptr;
    if (!data)
        return false;
    try {
        const QVariant value = data->fieldValue(QStringLiteral("Image"));
        return value.metaType() == QMetaType::fromType<kyt::Picture>() && value.value<kyt::Picture>().Type() > 0;
    } catch (const std::exception&) {
        return false;
    }
}

void DesignControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // The card's own drawing of the object, so the designer never has
    // drawing rules of its own. What it draws beyond the box (an outline's
    // far edge, a text too long for it) the surface shows.
    p.drawImage(lookArea().topLeft() - pos(), look());
    if ((m_kind == Kind::Photo || m_kind == Kind::Logo) && m_picture.isNull() && !showsRecordPhoto()) {
        // Where a picture goes until one is loaded (a logo without one
        // cannot be saved, so this never prints).
        const QRect box = rect();
        p.fillRect(box, QColor(235, 235, 235));
        p.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
        p.drawRect(box.adjusted(0, 0, -1, -1));
        p.drawText(box, Qt::AlignCenter, Name());
    }
}

void DesignControl::moveEvent(QMoveEvent* event)
{
    const int m = lookMargin();
    surface()->update(QRect(event->oldPos(), size()).adjusted(-m, -m, m, m));
    surface()->update(lookRect());
}

void DesignControl::resizeEvent(QResizeEvent* event)
{
    const int m = lookMargin();
    surface()->update(QRect(pos(), event->oldSize()).adjusted(-m, -m, m, m));
    surface()->update(lookRect());
}

QPointF DesignControl::controlInches(const QPointF& pixels) const
{
    return pixels / pixelsPerInch();
}

void DesignControl::mousePressEvent(QMouseEvent* event)
{
    m_pressedLeft = event->button() == Qt::LeftButton;
    if (auto* sink = surface()->events()) {
        const QPointF in = controlInches(event->position());
        sink->controlMouseDown(this, event->button(), float(in.x()), float(in.y()));
    }
}

void DesignControl::mouseMoveEvent(QMouseEvent* event)
{
    if (auto* sink = surface()->events()) {
        const QPointF in = controlInches(event->position());
        sink->controlMouseMove(this, event->buttons(), float(in.x()), float(in.y()));
    }
}

void DesignControl::mouseReleaseEvent(QMouseEvent* event)
{
    auto* sink = surface()->events();
    if (!sink)
        return;
    const QPointF in = controlInches(event->position());
    const bool click
        = event->button() == Qt::LeftButton && m_pressedLeft && rect().contains(event->position().toPoint());
    m_pressedLeft = false;
    sink->controlMouseUp(this, event->button(), float(in.x()), float(in.y()));
    if (click)
        sink->controlClick(this);
}

void DesignControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (auto* sink = surface()->events())
        sink->controlDoubleClick(this);
}

} // namespace kyt
