#include "platform/surface/TraceSurface.h"

#include "errors/CError.h"
#include "platform/Picture.h"
#include <QIODevice>
#include <QJsonDocument>
#include <cmath>

namespace kyt
{

namespace
{

// Traces are compared as text: six decimals keep them stable across
// floating-point noise while staying far below a device pixel.
QJsonValue num(double v)
{
    if (!std::isfinite(v))
        return QJsonValue(QString::number(v));
    const double r = std::round(v * 1e6) / 1e6;
    return QJsonValue(r == 0 ? 0.0 : r);
}

} // namespace

// Forward to the wrapped surface, or to the shared implementation when alone.
#define KYT_FORWARD(call) (m_inner ? m_inner->call : Surface::call)

TraceSurface::TraceSurface(const QString& typeName, QSizeF sizeInches, double dpi)
    : m_typeName(typeName)
{
    if (!std::isfinite(dpi) || dpi < 0 || dpi > 4800)
        invalidValue("resolution");
    if (!std::isfinite(sizeInches.width()) || !std::isfinite(sizeInches.height()) || sizeInches.width() < 0
        || sizeInches.height() < 0 || sizeInches.width() > 1000 || sizeInches.height() > 1000)
        invalidValue("size");
    m_dpi = dpi > 0 ? dpi : (typeName.compare(QLatin1String("Printer"), Qt::CaseInsensitive) == 0 ? 300.0 : 96.0);
    m_deviceSize = QSizeF(sizeInches.width() * m_dpi, sizeInches.height() * m_dpi);
}

TraceSurface::TraceSurface(Surface& inner)
    : m_inner(&inner)
    , m_typeName(inner.TypeName())
{
    m_dpi = 1440.0 / inner.TwipsPerPixelX();
}

TraceSurface::~TraceSurface() = default;

QString TraceSurface::lineKindName(LineKind kind)
{
    switch (kind) {
    case LineKind::Box:
        return QStringLiteral("Box");
    case LineKind::FilledBox:
        return QStringLiteral("FilledBox");
    default:
        return QStringLiteral("Plain");
    }
}

void TraceSurface::record(const QString& op, QJsonObject args)
{
    // "op" first, then the arguments (alphabetically, as the JSON object keeps them).
    const QString opText = QString::fromUtf8(QJsonDocument(QJsonArray { op }).toJson(QJsonDocument::Compact));
    QString line = QStringLiteral("{\"op\":") + opText.mid(1, opText.size() - 2);
    if (!args.isEmpty()) {
        const QString rest = QString::fromUtf8(QJsonDocument(args).toJson(QJsonDocument::Compact));
        line += QLatin1Char(',') + rest.mid(1, rest.size() - 2);
    }
    line += QLatin1Char('}');
    m_lines.append(line);
    if (m_sink && m_sink->isWritable()) {
        m_sink->write(line.toUtf8());
        m_sink->write("\n");
    }
}

void TraceSurface::recordValue(const QString& op, const QJsonValue& value)
{
    record(op, QJsonObject { { QStringLiteral("value"), value } });
}

QJsonArray TraceSurface::calls() const
{
    QJsonArray out;
    for (const QString& line : m_lines)
        out.append(QJsonDocument::fromJson(line.toUtf8()).object());
    return out;
}

QString TraceSurface::TypeName() const
{
    return m_typeName;
}

int TraceSurface::ScaleMode() const
{
    return KYT_FORWARD(ScaleMode());
}

void TraceSurface::setScaleMode(int mode)
{
    recordValue(QStringLiteral("ScaleMode"), mode);
    KYT_FORWARD(setScaleMode(mode));
}

double TraceSurface::ScaleWidth() const
{
    return KYT_FORWARD(ScaleWidth());
}

double TraceSurface::ScaleHeight() const
{
    return KYT_FORWARD(ScaleHeight());
}

double TraceSurface::TwipsPerPixelX() const
{
    return KYT_FORWARD(TwipsPerPixelX());
}

double TraceSurface::TwipsPerPixelY() const
{
    return KYT_FORWARD(TwipsPerPixelY());
}

double TraceSurface::CurrentX() const
{
    return KYT_FORWARD(CurrentX());
}

void TraceSurface::setCurrentX(double x)
{
    recordValue(QStringLiteral("CurrentX"), num(x));
    KYT_FORWARD(setCurrentX(x));
}

double TraceSurface::CurrentY() const
{
    return KYT_FORWARD(CurrentY());
}

void TraceSurface::setCurrentY(double y)
{
    recordValue(QStringLiteral("CurrentY"), num(y));
    KYT_FORWARD(setCurrentY(y));
}

void TraceSurface::Line(double x1, double y1, double x2, double y2, std::optional<quint32> color, LineKind kind)
{
    record(QStringLiteral("Line"),
        QJsonObject { { QStringLiteral("x1"), num(x1) }, { QStringLiteral("y1"), num(y1) },
            { QStringLiteral("x2"), num(x2) }, { QStringLiteral("y2"), num(y2) },
            { QStringLiteral("kind"), lineKindName(kind) },
            { QStringLiteral("color"), color ? QJsonValue(qint64(*color)) : QJsonValue() } });
    KYT_FORWARD(Line(x1, y1, x2, y2, color, kind));
}

void TraceSurface::PaintPicture(
    const Picture& picture, double x, double y, std::optional<double> width, std::optional<double> height)
{
    record(QStringLiteral("PaintPicture"),
        QJsonObject { { QStringLiteral("x"), num(x) }, { QStringLiteral("y"), num(y) },
            { QStringLiteral("width"), width ? num(*width) : QJsonValue() },
            { QStringLiteral("height"), height ? num(*height) : QJsonValue() },
            { QStringLiteral("type"), picture.Type() }, { QStringLiteral("pixelWidth"), picture.image().width() },
            { QStringLiteral("pixelHeight"), picture.image().height() } });
    KYT_FORWARD(PaintPicture(picture, x, y, width, height));
}

void TraceSurface::FillBoxes(const std::vector<QRectF>& boxes, quint32 color)
{
    QJsonArray list;
    for (const QRectF& b : boxes)
        list.append(QJsonArray { num(b.x()), num(b.y()), num(b.width()), num(b.height()) });
    record(QStringLiteral("FillBoxes"),
        QJsonObject { { QStringLiteral("color"), qint64(color) }, { QStringLiteral("boxes"), list } });
    KYT_FORWARD(FillBoxes(boxes, color));
}

void TraceSurface::PrintTurned(const QString& text, double x, double y, int quarterTurns)
{
    record(QStringLiteral("PrintTurned"),
        QJsonObject { { QStringLiteral("text"), text }, { QStringLiteral("x"), num(x) },
            { QStringLiteral("y"), num(y) }, { QStringLiteral("quarterTurns"), quarterTurns },
            { QStringLiteral("fontName"), FontName() }, { QStringLiteral("fontSize"), num(FontSize()) },
            { QStringLiteral("color"), qint64(ForeColor()) } });
    KYT_FORWARD(PrintTurned(text, x, y, quarterTurns));
}

void TraceSurface::Print(const QString& text)
{
    record(QStringLiteral("Print"),
        QJsonObject { { QStringLiteral("text"), text }, { QStringLiteral("x"), num(CurrentX()) },
            { QStringLiteral("y"), num(CurrentY()) }, { QStringLiteral("fontName"), FontName() },
            { QStringLiteral("fontSize"), num(FontSize()) }, { QStringLiteral("color"), qint64(ForeColor()) } });
    KYT_FORWARD(Print(text));
}

double TraceSurface::TextWidth(const QString& text)
{
    const double w = KYT_FORWARD(TextWidth(text));
    record(QStringLiteral("TextWidth"),
        QJsonObject { { QStringLiteral("text"), text }, { QStringLiteral("result"), num(w) } });
    return w;
}

double TraceSurface::TextHeight(const QString& text)
{
    const double h = KYT_FORWARD(TextHeight(text));
    record(QStringLiteral("TextHeight"),
        QJsonObject { { QStringLiteral("text"), text }, { QStringLiteral("result"), num(h) } });
    return h;
}

QString TraceSurface::FontName() const
{
    return KYT_FORWARD(FontName());
}

bool TraceSurface::setFontName(const QString& name)
{
    const bool ok = KYT_FORWARD(setFontName(name));
    record(QStringLiteral("FontName"),
        QJsonObject { { QStringLiteral("value"), name }, { QStringLiteral("accepted"), ok } });
    return ok;
}

double TraceSurface::FontSize() const
{
    return KYT_FORWARD(FontSize());
}

void TraceSurface::setFontSize(double points)
{
    recordValue(QStringLiteral("FontSize"), num(points));
    KYT_FORWARD(setFontSize(points));
}

bool TraceSurface::FontBold() const
{
    return KYT_FORWARD(FontBold());
}

void TraceSurface::setFontBold(bool on)
{
    recordValue(QStringLiteral("FontBold"), on);
    KYT_FORWARD(setFontBold(on));
}

bool TraceSurface::FontItalic() const
{
    return KYT_FORWARD(FontItalic());
}

void TraceSurface::setFontItalic(bool on)
{
    recordValue(QStringLiteral("FontItalic"), on);
    KYT_FORWARD(setFontItalic(on));
}

bool TraceSurface::FontUnderline() const
{
    return KYT_FORWARD(FontUnderline());
}

void TraceSurface::setFontUnderline(bool on)
{
    recordValue(QStringLiteral("FontUnderline"), on);
    KYT_FORWARD(setFontUnderline(on));
}

bool TraceSurface::FontStrikethru() const
{
    return KYT_FORWARD(FontStrikethru());
}

void TraceSurface::setFontStrikethru(bool on)
{
    recordValue(QStringLiteral("FontStrikethru"), on);
    KYT_FORWARD(setFontStrikethru(on));
}

bool TraceSurface::FontTransparent() const
{
    return KYT_FORWARD(FontTransparent());
}

void TraceSurface::setFontTransparent(bool on)
{
    recordValue(QStringLiteral("FontTransparent"), on);
    KYT_FORWARD(setFontTransparent(on));
}

void TraceSurface::SetBkModeTransparent()
{
    record(QStringLiteral("SetBkMode"), QJsonObject { { QStringLiteral("value"), 1 } });
    KYT_FORWARD(SetBkModeTransparent());
}

QFont TraceSurface::Font() const
{
    return KYT_FORWARD(Font());
}

quint32 TraceSurface::ForeColor() const
{
    return KYT_FORWARD(ForeColor());
}

void TraceSurface::setForeColor(quint32 color)
{
    recordValue(QStringLiteral("ForeColor"), qint64(color));
    KYT_FORWARD(setForeColor(color));
}

quint32 TraceSurface::FillColor() const
{
    return KYT_FORWARD(FillColor());
}

void TraceSurface::setFillColor(quint32 color)
{
    recordValue(QStringLiteral("FillColor"), qint64(color));
    KYT_FORWARD(setFillColor(color));
}

int TraceSurface::FillStyle() const
{
    return KYT_FORWARD(FillStyle());
}

void TraceSurface::setFillStyle(int style)
{
    recordValue(QStringLiteral("FillStyle"), style);
    KYT_FORWARD(setFillStyle(style));
}

int TraceSurface::DrawWidth() const
{
    return KYT_FORWARD(DrawWidth());
}

void TraceSurface::setDrawWidth(int width)
{
    recordValue(QStringLiteral("DrawWidth"), width);
    KYT_FORWARD(setDrawWidth(width));
}

int TraceSurface::DrawMode() const
{
    return KYT_FORWARD(DrawMode());
}

void TraceSurface::setDrawMode(int mode)
{
    recordValue(QStringLiteral("DrawMode"), mode);
    KYT_FORWARD(setDrawMode(mode));
}

int TraceSurface::DrawStyle() const
{
    return KYT_FORWARD(DrawStyle());
}

void TraceSurface::setDrawStyle(int style)
{
    recordValue(QStringLiteral("DrawStyle"), style);
    KYT_FORWARD(setDrawStyle(style));
}

int TraceSurface::PrintQuality() const
{
    return KYT_FORWARD(PrintQuality());
}

void TraceSurface::setPrintQuality(int quality)
{
    recordValue(QStringLiteral("PrintQuality"), quality);
    KYT_FORWARD(setPrintQuality(quality));
}

int TraceSurface::Orientation() const
{
    return KYT_FORWARD(Orientation());
}

void TraceSurface::setOrientation(int orientation)
{
    recordValue(QStringLiteral("Orientation"), orientation);
    KYT_FORWARD(setOrientation(orientation));
}

int TraceSurface::Duplex() const
{
    return KYT_FORWARD(Duplex());
}

void TraceSurface::setDuplex(int duplex)
{
    recordValue(QStringLiteral("Duplex"), duplex);
    KYT_FORWARD(setDuplex(duplex));
}

void TraceSurface::NewPage()
{
    record(QStringLiteral("NewPage"));
    KYT_FORWARD(NewPage());
}

void TraceSurface::EndDoc()
{
    record(QStringLiteral("EndDoc"));
    KYT_FORWARD(EndDoc());
}

void TraceSurface::Cls()
{
    record(QStringLiteral("Cls"));
    KYT_FORWARD(Cls());
}

#undef KYT_FORWARD

} // namespace kyt
