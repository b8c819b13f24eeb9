#include "platform/surface/Surface.h"

#include "errors/CError.h"
#include "platform/BarcodeFonts.h"
#include "platform/Picture.h"
#include <QColor>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <mutex>

namespace kyt
{

namespace
{

// Device coordinates beyond this are off any page; clamping keeps the
// painter's fixed-point arithmetic away from overflow.
constexpr double MaxDeviceCoordinate = 1.0e6;
constexpr double MaxFontSize = 2160.0;

double clampPx(double v)
{
    return std::clamp(v, -MaxDeviceCoordinate, MaxDeviceCoordinate);
}

void requireFinite(double v, const char* member)
{
    if (!std::isfinite(v))
        throw KytError(
            380, QCoreApplication::translate("kyt::Surface", "Invalid property value (%1)").arg(QLatin1String(member)));
}

QStringList splitLines(const QString& text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    return text.split(breaks);
}

QPainter::CompositionMode compositionFor(int drawMode)
{
    switch (drawMode) {
    case 2:
        return QPainter::RasterOp_NotSourceAndNotDestination; // not (pen or screen)
    case 3:
        return QPainter::RasterOp_NotSourceAndDestination; // screen and not pen
    case 4:
        return QPainter::RasterOp_NotSource; // not pen
    case 5:
        return QPainter::RasterOp_SourceAndNotDestination; // pen and not screen
    case 6:
        return QPainter::RasterOp_NotDestination; // invert
    case 7:
        return QPainter::RasterOp_SourceXorDestination;
    case 8:
        return QPainter::RasterOp_NotSourceOrNotDestination; // not (pen and screen)
    case 9:
        return QPainter::RasterOp_SourceAndDestination;
    case 10:
        return QPainter::RasterOp_NotSourceXorDestination;
    case 12:
        return QPainter::RasterOp_NotSourceOrDestination;
    case 14:
        return QPainter::RasterOp_SourceOrNotDestination;
    case 15:
        return QPainter::RasterOp_SourceOrDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

Qt::PenStyle penStyleFor(int drawStyle)
{
    switch (drawStyle) {
    case 1:
        return Qt::DashLine;
    case 2:
        return Qt::DotLine;
    case 3:
        return Qt::DashDotLine;
    case 4:
        return Qt::DashDotDotLine;
    case 5:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

Qt::BrushStyle brushStyleFor(int fillStyle)
{
    switch (fillStyle) {
    case 0:
        return Qt::SolidPattern;
    case 2:
        return Qt::HorPattern;
    case 3:
        return Qt::VerPattern;
    case 4:
        return Qt::BDiagPattern; // upward diagonal
    case 5:
        return Qt::FDiagPattern; // downward diagonal
    case 6:
        return Qt::CrossPattern;
    case 7:
        return Qt::DiagCrossPattern;
    default:
        return Qt::NoBrush;
    }
}

// Font lookups are asked for every card; their answers are kept. A family
// found stays found (fonts are added while a program runs, not removed), so
// only those answers are kept for fontInstalled; a family's faces are
// known once it is found.
struct FontAnswers {
    std::mutex mutex;
    QHash<QString, QString> installed; // name in lower case -> resolved family
    QHash<QString, bool> realBold;
};

FontAnswers& fontAnswers()
{
    static FontAnswers answers;
    return answers;
}

QString defaultFamily()
{
    if (Surface::fontInstalled(QStringLiteral("Arial")))
        return QStringLiteral("Arial");
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

// Whether the family has a bold face of its own; a synthesized bold would
// thicken barcode bars and make them unreadable.
bool hasRealBold(const QString& family)
{
    FontAnswers& answers = fontAnswers();
    {
        std::lock_guard lock(answers.mutex);
        if (auto it = answers.realBold.constFind(family); it != answers.realBold.constEnd())
            return it.value();
    }
    bool bold = false;
    // A family of its own is known by name; only a name fontconfig maps onto
    // another family needs a font loaded to see which.
    QString resolved;
    if (!Surface::fontInstalled(family, &resolved))
        resolved = QFontInfo(QFont(family)).family();
    for (const QString& style : QFontDatabase::styles(resolved)) {
        if (QFontDatabase::weight(resolved, style) >= QFont::DemiBold)
            bold = true;
    }
    std::lock_guard lock(answers.mutex);
    answers.realBold.insert(family, bold);
    return bold;
}

} // namespace

// The default family is found when it is first needed: a card whose
// objects all name their fonts never asks fontconfig about Arial.
Surface::Surface() = default;

const QString& Surface::fontFamily() const
{
    if (m_fontName.isNull())
        m_fontName = defaultFamily();
    return m_fontName;
}

Surface::~Surface() = default;

void Surface::invalidValue(const char* member)
{
    throw KytError(
        380, QCoreApplication::translate("kyt::Surface", "Invalid property value (%1)").arg(QLatin1String(member)));
}

QColor Surface::toQColor(quint32 color)
{
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

double Surface::unitsPerInch(int mode, double dpi, bool vertical)
{
    switch (mode) {
    case vbTwips:
        return 1440.0;
    case vbPoints:
        return 72.0;
    case vbPixels:
        return dpi;
    case vbCharacters:
        return vertical ? 1440.0 / 240.0 : 1440.0 / 120.0;
    case vbInches:
        return 1.0;
    case vbMillimeters:
        return 25.4;
    case vbCentimeters:
        return 2.54;
    default:
        return 0.0;
    }
}

bool Surface::fontInstalled(const QString& family, QString* resolved)
{
    const QString name = family.trimmed();
    if (name.isEmpty())
        return false;
    FontAnswers& answers = fontAnswers();
    const QString key = name.toLower();
    {
        std::lock_guard lock(answers.mutex);
        if (auto it = answers.installed.constFind(key); it != answers.installed.constEnd()) {
            if (resolved)
                *resolved = it.value();
            return true;
        }
    }
    auto found = [&](const QString& f) {
        std::lock_guard lock(answers.mutex);
        answers.installed.insert(key, f);
        if (resolved)
            *resolved = f;
        return true;
    };
    const QStringList families = QFontDatabase::families();
    for (const QString& f : families) {
        if (f.compare(name, Qt::CaseInsensitive) == 0)
            return found(f);
    }
    // Not a family of its own: fontconfig may still map it onto a metric
    // alias (Arial -> Liberation Sans). An unknown name falls back to the
    // default face, the same face a name that surely does not exist gets.
    const QString matched = QFontInfo(QFont(name)).family();
    const QString fallback = QFontInfo(QFont(QStringLiteral("kyt-no-such-family-7f3c1"))).family();
    if (matched.isEmpty() || matched.compare(fallback, Qt::CaseInsensitive) == 0)
        return false;
    return found(matched);
}

// ---- scale ------------------------------------------------------------

int Surface::ScaleMode() const
{
    return m_scaleMode;
}

void Surface::setScaleMode(int mode)
{
    if (unitsPerInch(mode, 96, false) <= 0)
        invalidValue("ScaleMode");
    m_scaleMode = mode;
}

double Surface::toDeviceX(double x) const
{
    return x / unitsPerInch(m_scaleMode, dpiX(), false) * dpiX();
}

double Surface::toDeviceY(double y) const
{
    return y / unitsPerInch(m_scaleMode, dpiY(), true) * dpiY();
}

double Surface::fromDeviceX(double px) const
{
    return px / dpiX() * unitsPerInch(m_scaleMode, dpiX(), false);
}

double Surface::fromDeviceY(double py) const
{
    return py / dpiY() * unitsPerInch(m_scaleMode, dpiY(), true);
}

double Surface::ScaleWidth() const
{
    return fromDeviceX(deviceSize().width());
}

double Surface::ScaleHeight() const
{
    return fromDeviceY(deviceSize().height());
}

double Surface::TwipsPerPixelX() const
{
    return 1440.0 / dpiX();
}

double Surface::TwipsPerPixelY() const
{
    return 1440.0 / dpiY();
}

// ---- position ---------------------------------------------------------

double Surface::CurrentX() const
{
    return fromDeviceX(m_x);
}

void Surface::setCurrentX(double x)
{
    requireFinite(x, "CurrentX");
    m_x = clampPx(toDeviceX(x));
}

double Surface::CurrentY() const
{
    return fromDeviceY(m_y);
}

void Surface::setCurrentY(double y)
{
    requireFinite(y, "CurrentY");
    m_y = clampPx(toDeviceY(y));
}

// ---- drawing ----------------------------------------------------------

void Surface::preparePainter(QPainter& p) const
{
    // Edges of boxes and bars stay on whole pixels; text and pictures are smoothed.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // Raster operations exist only on raster devices; a printer draws with the pen as it is.
    const QPainter::CompositionMode mode = compositionFor(m_drawMode);
    const bool rasterOp = mode != QPainter::CompositionMode_SourceOver;
    if (!rasterOp || (p.paintEngine() && p.paintEngine()->hasFeature(QPaintEngine::RasterOpModes)))
        p.setCompositionMode(mode);
}

void Surface::Line(double x1, double y1, double x2, double y2, std::optional<quint32> color, LineKind kind)
{
    requireFinite(x1, "Line");
    requireFinite(y1, "Line");
    requireFinite(x2, "Line");
    requireFinite(y2, "Line");
    const QPointF a(clampPx(toDeviceX(x1)), clampPx(toDeviceY(y1)));
    const QPointF b(clampPx(toDeviceX(x2)), clampPx(toDeviceY(y2)));
    m_x = b.x();
    m_y = b.y();

    QPainter* p = painter();
    if (!p || m_drawMode == 11) // 11: no operation
        return;
    QColor c = toQColor(color.value_or(m_foreColor));
    if (m_drawMode == 1)
        c = Qt::black;
    else if (m_drawMode == 16)
        c = Qt::white;

    p->save();
    preparePainter(*p);
    const QRectF rect = QRectF(a, b).normalized();
    if (kind == LineKind::FilledBox) {
        // As the platform's pen does, a box thinner than a device pixel
        // still covers one: a line of height 0 is one pixel high.
        QRectF fill = rect;
        if (fill.width() < 1)
            fill = QRectF(fill.center().x() - 0.5, fill.top(), 1, fill.height());
        if (fill.height() < 1)
            fill = QRectF(fill.left(), fill.center().y() - 0.5, fill.width(), 1);
        p->fillRect(fill, c);
    } else {
        QPen pen(c, m_drawWidth, penStyleFor(m_drawStyle));
        if (kind == LineKind::Plain) {
            pen.setCapStyle(m_drawWidth > 1 ? Qt::RoundCap : Qt::SquareCap);
            pen.setJoinStyle(Qt::RoundJoin);
            p->setPen(pen);
            if (a == b)
                p->drawPoint(a);
            else
                p->drawLine(a, b);
        } else {
            if (m_fillStyle != vbFSTransparent) {
                QColor fill = toQColor(m_fillColor);
                if (m_drawMode == 1)
                    fill = Qt::black;
                else if (m_drawMode == 16)
                    fill = Qt::white;
                p->fillRect(rect, QBrush(fill, brushStyleFor(m_fillStyle)));
            }
            pen.setJoinStyle(Qt::MiterJoin);
            p->setPen(pen);
            p->setBrush(Qt::NoBrush);
            QRectF outline = rect;
            if (m_drawStyle == 6) { // inside solid: the outline stays within the box
                const double h = m_drawWidth / 2.0;
                outline = rect.adjusted(h, h, -h, -h);
                if (!outline.isValid())
                    outline = QRectF(rect.center(), QSizeF(0, 0));
            }
            p->drawRect(outline);
        }
    }
    p->restore();
}

void Surface::PaintPicture(
    const Picture& picture, double x, double y, std::optional<double> width, std::optional<double> height)
{
    if (picture.isNull())
        throw KytError(481, QCoreApplication::translate("kyt::Surface", "Invalid picture"));
    requireFinite(x, "PaintPicture");
    requireFinite(y, "PaintPicture");
    double wPx = picture.Width() / 2540.0 * dpiX();
    double hPx = picture.Height() / 2540.0 * dpiY();
    if (width) {
        requireFinite(*width, "PaintPicture");
        wPx = toDeviceX(*width);
    }
    if (height) {
        requireFinite(*height, "PaintPicture");
        hPx = toDeviceY(*height);
    }
    const double px = clampPx(toDeviceX(x));
    const double py = clampPx(toDeviceY(y));
    wPx = clampPx(wPx);
    hPx = clampPx(hPx);
    QPainter* p = painter();
    if (!p || wPx == 0 || hPx == 0)
        return;
    p->save();
    preparePainter(*p);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    // Mirroring goes through the painter so the image itself (and its
    // identity in a document) stays the same.
    p->translate(px, py);
    p->scale(wPx < 0 ? -1 : 1, hPx < 0 ? -1 : 1);
    p->drawImage(QRectF(0, 0, std::abs(wPx), std::abs(hPx)), drawnImage(picture));
    p->restore();
}

QImage Surface::drawnImage(const Picture& picture)
{
    return picture.image();
}

QFont Surface::deviceFont() const
{
    QFont f(fontFamily());
    f.setPointSizeF(m_fontSize);
    f.setBold(m_bold && hasRealBold(fontFamily()));
    f.setItalic(m_italic);
    f.setUnderline(m_underline);
    f.setStrikeOut(m_strike);
    // Glyphs placed exactly as designed at every resolution, and no pair
    // kerning: barcode fonts rely on fixed advances.
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

QFont Surface::Font() const
{
    QFont f = deviceFont();
    f.setBold(m_bold);
    return f;
}

namespace
{

// Text is measured on the device it is drawn on; without one, on a nominal
// raster device at the surface's resolution.
struct Metrics {
    Metrics(const QFont& font, QPaintDevice* device, double dpi)
    {
        if (!device) {
            nominal = QImage(1, 1, QImage::Format_RGB32);
            const int dpm = int(std::lround(dpi / 0.0254));
            nominal.setDotsPerMeterX(dpm);
            nominal.setDotsPerMeterY(dpm);
            device = &nominal;
        }
        fm.emplace(font, device);
    }
    QImage nominal;
    std::optional<QFontMetricsF> fm;
};

} // namespace

double Surface::lineHeightPx(const QFont& font)
{
    Metrics m(font, metricsDevice(), dpiY());
    return m.fm->lineSpacing();
}

void Surface::Print(const QString& text)
{
    const QFont font = deviceFont();
    Metrics m(font, metricsDevice(), dpiY());
    const QFontMetricsF& fm = *m.fm;
    const QStringList lines = splitLines(text);
    QPainter* p = painter();
    const bool shapes = p && barcodeFontsAsShapes() && isBundledBarcodeFamily(fontFamily());
    if (p) {
        p->save();
        preparePainter(*p);
        p->setFont(font);
        p->setPen(toQColor(m_foreColor));
    }
    bool first = true;
    for (const QString& line : lines) {
        const double x = first ? m_x : 0.0;
        first = false;
        if (p && !line.isEmpty()) {
            if (!m_fontTransparent)
                p->fillRect(QRectF(x, m_y, fm.horizontalAdvance(line), fm.height()), toQColor(backgroundColor()));
            if (shapes) {
                QPainterPath bars;
                bars.addText(QPointF(x, m_y + fm.ascent()), QFont(font, p->device()), line);
                p->fillPath(bars, toQColor(m_foreColor));
            } else {
                p->drawText(QPointF(x, m_y + fm.ascent()), line);
            }
        }
        m_y = clampPx(m_y + fm.lineSpacing());
    }
    if (p)
        p->restore();
    m_x = 0;
}

void Surface::FillBoxes(const std::vector<QRectF>& boxes, quint32 color)
{
    for (const QRectF& b : boxes) {
        requireFinite(b.x(), "FillBoxes");
        requireFinite(b.y(), "FillBoxes");
        requireFinite(b.width(), "FillBoxes");
        requireFinite(b.height(), "FillBoxes");
    }
    QPainter* p = painter();
    if (!p || m_drawMode == 11 || boxes.empty())
        return;
    p->save();
    preparePainter(*p);
    const QColor c = toQColor(color);
    for (const QRectF& b : boxes) {
        const double x1 = std::round(clampPx(toDeviceX(b.left())));
        const double y1 = std::round(clampPx(toDeviceY(b.top())));
        double x2 = std::round(clampPx(toDeviceX(b.right())));
        double y2 = std::round(clampPx(toDeviceY(b.bottom())));
        x2 = std::max(x2, x1 + 1);
        y2 = std::max(y2, y1 + 1);
        p->fillRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)), c);
    }
    p->restore();
}

void Surface::PrintTurned(const QString& text, double x, double y, int quarterTurns)
{
    requireFinite(x, "PrintTurned");
    requireFinite(y, "PrintTurned");
    QPainter* p = painter();
    if (!p || text.isEmpty())
        return;
    const QFont font = deviceFont();
    Metrics m(font, metricsDevice(), dpiY());
    p->save();
    preparePainter(*p);
    p->setFont(font);
    p->setPen(toQColor(m_foreColor));
    p->translate(clampPx(toDeviceX(x)), clampPx(toDeviceY(y)));
    p->rotate(90.0 * (((quarterTurns % 4) + 4) % 4));
    p->drawText(QPointF(0, m.fm->ascent()), text);
    p->restore();
}

double Surface::PixelWidth() const
{
    const double dpi = 1440.0 / TwipsPerPixelX();
    return unitsPerInch(ScaleMode(), dpi, false) / dpi;
}

double Surface::PixelHeight() const
{
    const double dpi = 1440.0 / TwipsPerPixelY();
    return unitsPerInch(ScaleMode(), dpi, true) / dpi;
}

double Surface::TextWidth(const QString& text)
{
    Metrics m(deviceFont(), metricsDevice(), dpiY());
    double widest = 0;
    for (const QString& line : splitLines(text))
        widest = std::max(widest, m.fm->horizontalAdvance(line));
    return fromDeviceX(widest);
}

double Surface::TextHeight(const QString& text)
{
    const qsizetype lines = std::max<qsizetype>(1, splitLines(text).size());
    return fromDeviceY(lines * lineHeightPx(deviceFont()));
}

// ---- font -------------------------------------------------------------

QString Surface::FontName() const
{
    return fontFamily();
}

bool Surface::setFontName(const QString& name)
{
    if (!fontInstalled(name))
        return false;
    m_fontName = name.trimmed();
    return true;
}

double Surface::FontSize() const
{
    return m_fontSize;
}

void Surface::setFontSize(double points)
{
    if (!std::isfinite(points) || points < 0 || points > MaxFontSize)
        invalidValue("FontSize");
    // The smallest size a device realises; 0 would be no font at all.
    m_fontSize = std::max(points, 1.0);
}

bool Surface::FontBold() const
{
    return m_bold;
}

void Surface::setFontBold(bool on)
{
    m_bold = on;
}

bool Surface::FontItalic() const
{
    return m_italic;
}

void Surface::setFontItalic(bool on)
{
    m_italic = on;
}

bool Surface::FontUnderline() const
{
    return m_underline;
}

void Surface::setFontUnderline(bool on)
{
    m_underline = on;
}

bool Surface::FontStrikethru() const
{
    return m_strike;
}

void Surface::setFontStrikethru(bool on)
{
    m_strike = on;
}

bool Surface::FontTransparent() const
{
    return m_fontTransparent;
}

void Surface::setFontTransparent(bool on)
{
    m_fontTransparent = on;
}

void Surface::SetBkModeTransparent()
{
    m_fontTransparent = true;
}

// ---- colours and pen --------------------------------------------------

quint32 Surface::ForeColor() const
{
    return m_foreColor;
}

void Surface::setForeColor(quint32 color)
{
    m_foreColor = color;
}

quint32 Surface::FillColor() const
{
    return m_fillColor;
}

void Surface::setFillColor(quint32 color)
{
    m_fillColor = color;
}

int Surface::FillStyle() const
{
    return m_fillStyle;
}

void Surface::setFillStyle(int style)
{
    if (style < 0 || style > 7)
        invalidValue("FillStyle");
    m_fillStyle = style;
}

int Surface::DrawWidth() const
{
    return m_drawWidth;
}

void Surface::setDrawWidth(int width)
{
    if (width < 1 || width > 32767)
        invalidValue("DrawWidth");
    m_drawWidth = width;
}

int Surface::DrawMode() const
{
    return m_drawMode;
}

void Surface::setDrawMode(int mode)
{
    if (mode < 1 || mode > 16)
        invalidValue("DrawMode");
    m_drawMode = mode;
}

int Surface::DrawStyle() const
{
    return m_drawStyle;
}

void Surface::setDrawStyle(int style)
{
    if (style < 0 || style > 6)
        invalidValue("DrawStyle");
    m_drawStyle = style;
}

// ---- printer settings -------------------------------------------------

int Surface::PrintQuality() const
{
    return m_printQuality;
}

void Surface::setPrintQuality(int quality)
{
    // -1 draft, -2 low, -3 medium, -4 high, or dots per inch.
    if (quality < -4 || quality > 4800)
        invalidValue("PrintQuality");
    m_printQuality = quality;
    onPrinterSettingChanged();
}

int Surface::Orientation() const
{
    return m_orientation;
}

void Surface::setOrientation(int orientation)
{
    if (orientation != 1 && orientation != 2)
        invalidValue("Orientation");
    m_orientation = orientation;
    onPrinterSettingChanged();
}

int Surface::Duplex() const
{
    return m_duplex;
}

void Surface::setDuplex(int duplex)
{
    if (duplex < 1 || duplex > 3)
        invalidValue("Duplex");
    m_duplex = duplex;
    onPrinterSettingChanged();
}

// ---- pages ------------------------------------------------------------

void Surface::NewPage()
{
    onNewPage();
    m_x = 0;
    m_y = 0;
}

void Surface::EndDoc()
{
    onEndDoc();
    m_x = 0;
    m_y = 0;
}

void Surface::Cls()
{
    onCls();
    m_x = 0;
    m_y = 0;
}

} // namespace kyt
