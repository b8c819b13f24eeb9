#include "barcode/Symbol.h"
#include <QCoreApplication>

#include "errors/CError.h"
#include "platform/surface/Surface.h"
#include <algorithm>
#include <cmath>
#include <memory>
#include <zint.h>

namespace kyt
{

namespace
{

constexpr qint32 InvalidData = 5;
constexpr int Utf8Eci = 26;

// Numbers 0 to 3 are the barcode fonts; symbols start at 10 so that a
// reader that knows only those draws them as plain text.
const std::vector<Symbology> kSymbologies = {
    { 10, "QR Code", "qr", BARCODE_QRCODE, false, SymbolKind::Matrix, 4, 4, 4, 4 },
    { 11, "Data Matrix", "datamatrix", BARCODE_DATAMATRIX, false, SymbolKind::Matrix, 0, 1, 1, 1 },
    { 12, "PDF417", "pdf417", BARCODE_PDF417, false, SymbolKind::Stacked, 9, 2, 2, 2 },
    { 13, "Aztec", "aztec", BARCODE_AZTEC, false, SymbolKind::Matrix, 4, 2, 2, 2 },
    { 14, "GS1 QR", "gs1qr", BARCODE_QRCODE, true, SymbolKind::Matrix, 4, 4, 4, 4 },
    { 15, "GS1 DataMatrix", "gs1datamatrix", BARCODE_DATAMATRIX, true, SymbolKind::Matrix, 0, 1, 1, 1 },
    { 20, "Code 128", "code128", BARCODE_CODE128, false, SymbolKind::Linear, 0, 10, 10, 0 },
    { 21, "GS1-128", "gs1-128", BARCODE_GS1_128, true, SymbolKind::Linear, 0, 10, 10, 0 },
    { 22, "EAN-13", "ean13", BARCODE_EANX, false, SymbolKind::Linear, 0, 11, 7, 0 },
    { 23, "EAN-8", "ean8", BARCODE_EANX, false, SymbolKind::Linear, 0, 7, 7, 0 },
    { 24, "UPC-A", "upca", BARCODE_UPCA, false, SymbolKind::Linear, 0, 9, 9, 0 },
    { 25, "UPC-E", "upce", BARCODE_UPCE, false, SymbolKind::Linear, 0, 9, 7, 0 },
    { 26, "ITF-14", "itf14", BARCODE_ITF14, false, SymbolKind::Linear, 0, 10, 10, 0 },
    { 27, "Codabar", "codabar", BARCODE_CODABAR, false, SymbolKind::Linear, 0, 10, 10, 0 },
    { 28, "Code 39", "code39", BARCODE_CODE39, false, SymbolKind::Linear, 0, 10, 10, 0 },
    { 29, "Code 93", "code93", BARCODE_CODE93, false, SymbolKind::Linear, 0, 10, 10, 0 },
};

QString squeezed(const QString& s)
{
    QString out;
    for (QChar c : s)
        if (c != QLatin1Char(' ') && c != QLatin1Char('-') && c != QLatin1Char('_'))
            out += c.toLower();
    return out;
}

bool allDigits(const QString& s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

bool isAscii(const QString& s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 128; });
}

[[noreturn]] void refuse(const Symbology& s, const QString& reason)
{
    throw KytError(InvalidData, QStringLiteral("%1: %2").arg(QLatin1String(s.name), reason));
}

// EAN-13 and EAN-8 share libzint's encoder, which tells them apart by length.
void checkLength(const Symbology& s, const QString& content)
{
    int bare = 0;
    if (s.type == 22)
        bare = 12;
    else if (s.type == 23)
        bare = 7;
    else
        return;
    if (!allDigits(content) || (content.size() != bare && content.size() != bare + 1))
        refuse(s,
            QCoreApplication::translate("kyt::Barcode", "holds %1 digits (%2 with its check digit)")
                .arg(QString::number(bare), QString::number(bare + 1)));
}

// libzint's reason without its "Error 123: " number.
QString zintReason(const char* errtxt)
{
    const QString text = QString::fromUtf8(errtxt);
    for (const QLatin1String word : { QLatin1String("Error "), QLatin1String("Warning ") }) {
        if (!text.startsWith(word))
            continue;
        const qsizetype colon = text.indexOf(QLatin1String(": "), word.size());
        bool number = colon > word.size();
        for (qsizetype i = word.size(); number && i < colon; ++i)
            number = text.at(i).isDigit();
        if (number)
            return text.mid(colon + 2);
    }
    return text;
}

using ZintPtr = std::unique_ptr<zint_symbol, void (*)(zint_symbol*)>;

} // namespace

const std::vector<Symbology>& symbologies()
{
    return kSymbologies;
}

const Symbology* symbologyOf(qint32 type)
{
    for (const Symbology& s : kSymbologies)
        if (s.type == type)
            return &s;
    return nullptr;
}

const Symbology* symbologyNamed(const QString& word)
{
    const QString w = squeezed(word);
    for (const Symbology& s : kSymbologies)
        if (w == squeezed(QLatin1String(s.word)) || w == squeezed(QLatin1String(s.name)))
            return &s;
    return nullptr;
}

QString ecLevelName(const Symbology& s, int level)
{
    if (level < 1 || level > s.ecLevels)
        return QString();
    if (s.zintId == BARCODE_QRCODE)
        return QStringList { QStringLiteral("L (7 %)"), QStringLiteral("M (15 %)"), QStringLiteral("Q (25 %)"),
            QStringLiteral("H (30 %)") }
            .at(level - 1);
    if (s.zintId == BARCODE_AZTEC)
        return QStringList { QStringLiteral("10 %"), QStringLiteral("23 %"), QStringLiteral("36 %"),
            QStringLiteral("50 %") }
            .at(level - 1);
    return QCoreApplication::translate("kyt::Barcode", "Level %1").arg(level - 1);
}

QString gs1Reading(const QString& elementString)
{
    // AIs whose data has a predefined length, by their first two digits:
    // no separator follows them.
    static const QStringList fixed { QStringLiteral("00"), QStringLiteral("01"), QStringLiteral("02"),
        QStringLiteral("03"), QStringLiteral("04"), QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("13"),
        QStringLiteral("14"), QStringLiteral("15"), QStringLiteral("16"), QStringLiteral("17"), QStringLiteral("18"),
        QStringLiteral("19"), QStringLiteral("20"), QStringLiteral("31"), QStringLiteral("32"), QStringLiteral("33"),
        QStringLiteral("34"), QStringLiteral("35"), QStringLiteral("36"), QStringLiteral("41") };
    // Cards are drawn on several threads at once: plain parsing, only constants shared.
    QString out;
    bool separatorDue = false;
    qsizetype at = elementString.indexOf(QLatin1Char('('));
    while (at >= 0) {
        const qsizetype close = elementString.indexOf(QLatin1Char(')'), at + 1);
        if (close < 0)
            break;
        const QString ai = elementString.mid(at + 1, close - at - 1);
        const qsizetype next = elementString.indexOf(QLatin1Char('('), close + 1);
        const QString data = elementString.mid(close + 1, next < 0 ? -1 : next - close - 1);
        if (separatorDue)
            out += QChar(29);
        out += ai + data;
        separatorDue = !fixed.contains(ai.left(2));
        at = next;
    }
    return out;
}

EncodedSymbol::EncodedSymbol(const Symbology& s, const QString& content, const SymbolOptions& options)
    : m_symbology(&s)
{
    if (content.isEmpty())
        refuse(s, QCoreApplication::translate("kyt::Barcode", "there is nothing to encode"));
    checkLength(s, content);
    ZintPtr z(ZBarcode_Create(), ZBarcode_Delete);
    if (!z)
        throw KytError(7, QCoreApplication::translate("kyt::Barcode", "Out of memory"));
    z->symbology = s.zintId;
    z->input_mode = s.gs1 ? (GS1_MODE | GS1PARENS_MODE) : UNICODE_MODE;
    z->show_hrt = 1;
    // Text beyond ASCII is marked as UTF-8 so that readers decode it as written.
    if (!s.gs1 && s.kind != SymbolKind::Linear && !isAscii(content))
        z->eci = Utf8Eci;
    const int level = options.ecLevel;
    switch (s.zintId) {
    case BARCODE_QRCODE:
        z->option_1 = level >= 1 && level <= 4 ? level : 2; // M unless set
        break;
    case BARCODE_AZTEC:
        if (level >= 1 && level <= 4)
            z->option_1 = level;
        break;
    case BARCODE_PDF417:
        if (level >= 1 && level <= 9)
            z->option_1 = level - 1;
        break;
    case BARCODE_DATAMATRIX:
        z->option_3 = DM_SQUARE;
        break;
    default:
        break;
    }
    const QByteArray bytes = content.toUtf8();
    const int rc = ZBarcode_Encode(z.get(), reinterpret_cast<const unsigned char*>(bytes.constData()),
        static_cast<int>(std::min<qsizetype>(bytes.size(), 1 << 20)));
    if (rc >= ZINT_ERROR)
        refuse(s, zintReason(z->errtxt));
    if (z->rows < 1 || z->width < 1)
        refuse(s, QCoreApplication::translate("kyt::Barcode", "no symbol came out"));

    m_columns = z->width;
    m_rows = z->rows;
    m_bits.resize(size_t(m_rows) * size_t(m_columns));
    for (int r = 0; r < m_rows; ++r)
        for (int c = 0; c < m_columns; ++c)
            m_bits[size_t(r) * size_t(m_columns) + size_t(c)] = (z->encoded_data[r][c >> 3] >> (c & 7)) & 1;

    if (s.kind == SymbolKind::Linear)
        m_humanReadable = QString::fromUtf8(reinterpret_cast<const char*>(z->text)).trimmed();
    if (s.gs1)
        m_reading = gs1Reading(content);
    else if (s.zintId == BARCODE_CODE39)
        m_reading = QString(m_humanReadable).remove(QLatin1Char('*'));
    else if (s.zintId == BARCODE_CODABAR)
        m_reading = content.mid(1, content.size() - 2);
    else if (s.zintId == BARCODE_EANX || s.zintId == BARCODE_UPCA || s.zintId == BARCODE_UPCE
        || s.zintId == BARCODE_ITF14)
        m_reading = m_humanReadable;
    else
        m_reading = content;
}

namespace
{

// Where an EAN or UPC symbol's digits go and which of its bars are guards,
// in modules from the symbol's first bar. A digit group is centred over
// [from, to); a group with from == to stands beside the symbol (to the left
// when at 0, to the right otherwise).
struct DigitGroup {
    int chars, from, to;
};
struct RetailLayout {
    int zintId, columns;
    std::vector<std::pair<int, int>> guards; // [from, to) modules
    std::vector<DigitGroup> groups; // in reading order
};

const std::vector<RetailLayout> kRetailLayouts = {
    { BARCODE_EANX, 95, { { 0, 3 }, { 45, 50 }, { 92, 95 } }, { { 1, 0, 0 }, { 6, 3, 45 }, { 6, 50, 92 } } },
    { BARCODE_EANX, 67, { { 0, 3 }, { 31, 36 }, { 64, 67 } }, { { 4, 3, 31 }, { 4, 36, 64 } } },
    // UPC-A's first and last digits stand beside it; their bars are long.
    { BARCODE_UPCA, 95, { { 0, 10 }, { 45, 50 }, { 85, 95 } },
        { { 1, 0, 0 }, { 5, 10, 45 }, { 5, 50, 85 }, { 1, 95, 95 } } },
    { BARCODE_UPCE, 51, { { 0, 3 }, { 45, 51 } }, { { 1, 0, 0 }, { 6, 3, 45 }, { 1, 51, 51 } } },
};

// The layout of a plain EAN/UPC symbol (no add-on) whose line reads as
// its groups do; nullptr for anything else.
const RetailLayout* retailLayout(const EncodedSymbol& e)
{
    for (const RetailLayout& r : kRetailLayouts) {
        if (r.zintId != e.symbology().zintId || r.columns != e.columns() || e.rows() != 1)
            continue;
        int chars = 0;
        for (const DigitGroup& g : r.groups)
            chars += g.chars;
        const QString& line = e.humanReadable();
        const bool digits = std::all_of(line.begin(), line.end(), [](QChar c) { return c.isDigit(); });
        return chars == line.size() && digits ? &r : nullptr;
    }
    return nullptr;
}

bool isGuard(const RetailLayout& r, int column)
{
    return std::any_of(
        r.guards.begin(), r.guards.end(), [column](const auto& g) { return column >= g.first && column < g.second; });
}

} // namespace

SymbolLayout layoutSymbol(Surface& surface, const EncodedSymbol& e, const SymbolOptions& o, const QRectF& box)
{
    SymbolLayout out;
    const Symbology& sy = e.symbology();
    const double pw = surface.PixelWidth();
    const double ph = surface.PixelHeight();
    if (!(pw > 0) || !(ph > 0))
        return out;
    const int turns = ((o.rotation / 90) % 4 + 4) % 4;
    const bool turned = turns % 2 == 1;

    // The box on whole device pixels.
    const double bx = std::round(box.left() / pw);
    const double by = std::round(box.top() / ph);
    const double bw = std::max(0.0, std::round(box.right() / pw) - bx);
    const double bh = std::max(0.0, std::round(box.bottom() / ph) - by);
    const double along = turned ? bh : bw;
    const double across = turned ? bw : bh;

    const bool linear = sy.kind == SymbolKind::Linear;
    double textPx = 0;
    if (linear && o.hrt != SymbolOptions::HrtNone && !e.humanReadable().isEmpty())
        textPx = std::ceil(surface.TextHeight(e.humanReadable()) / ph);
    // Retail symbols with their line below: guard bars and digit groups.
    const RetailLayout* retail = o.hrt == SymbolOptions::HrtBelow && textPx > 0 ? retailLayout(e) : nullptr;

    const int totalU = sy.quietLeft + e.columns() + sy.quietRight;
    const int rowModules = sy.kind == SymbolKind::Stacked ? 3 : 1;
    const int totalV = linear ? 0 : 2 * sy.quietVertical + e.rows() * rowModules;
    const double pixelInches = surface.TwipsPerPixelX() / 1440.0;
    double m = 0;
    if (o.moduleInches > 0) {
        m = std::max(1.0, std::round(o.moduleInches / pixelInches));
    } else {
        double fit = along / totalU;
        if (!linear)
            fit = std::min(fit, across / totalV);
        m = fit >= 1 ? std::floor(fit) : fit;
    }
    if (!(m > 0))
        return out;
    out.modulePixels = m;

    const double gap = textPx > 0 ? std::max(1.0, std::round(m)) : 0;
    double rowH = m;
    if (linear)
        rowH = std::max(1.0, across - textPx - gap);
    else if (sy.kind == SymbolKind::Stacked)
        rowH = o.moduleInches > 0 ? 3 * m : std::max(m, std::floor((across - 2 * sy.quietVertical * m) / e.rows()));
    const double symU = totalU * m;
    const double symV = linear ? across : 2 * sy.quietVertical * m + e.rows() * rowH;
    const double offU = std::floor((along - symU) / 2);
    const double offV = linear ? 0 : std::floor((across - symV) / 2);
    const double barTop
        = offV + sy.quietVertical * m + (o.hrt == SymbolOptions::HrtAbove && textPx > 0 ? textPx + gap : 0);

    auto toDevice = [&](double u0, double u1, double v0, double v1) {
        switch (turns) {
        case 1:
            return QRectF(QPointF(bx + bw - v1, by + u0), QPointF(bx + bw - v0, by + u1));
        case 2:
            return QRectF(QPointF(bx + bw - u1, by + bh - v1), QPointF(bx + bw - u0, by + bh - v0));
        case 3:
            return QRectF(QPointF(bx + v0, by + bh - u1), QPointF(bx + v1, by + bh - u0));
        default:
            return QRectF(QPointF(bx + u0, by + v0), QPointF(bx + u1, by + v1));
        }
    };
    // Guard bars reach half-way down the digits.
    const double guardRowH = retail ? rowH + gap + std::round(textPx / 2) : rowH;
    for (int r = 0; r < e.rows(); ++r) {
        const double v0 = barTop + r * rowH;
        for (int c = 0; c < e.columns();) {
            if (!e.module(r, c)) {
                ++c;
                continue;
            }
            const bool guard = retail && isGuard(*retail, c);
            int end = c + 1;
            while (end < e.columns() && e.module(r, end) && (!retail || isGuard(*retail, end) == guard))
                ++end;
            const QRectF d = toDevice(
                offU + (sy.quietLeft + c) * m, offU + (sy.quietLeft + end) * m, v0, v0 + (guard ? guardRowH : rowH));
            out.boxes.emplace_back(d.left() * pw, d.top() * ph, d.width() * pw, d.height() * ph);
            c = end;
        }
    }

    if (textPx <= 0)
        return out;
    const double tv = o.hrt == SymbolOptions::HrtAbove ? offV : barTop + e.rows() * rowH + gap;
    auto place = [&](const QString& text, double tu) {
        QPointF at;
        switch (turns) {
        case 1:
            at = QPointF(bx + bw - tv, by + tu);
            break;
        case 2:
            at = QPointF(bx + bw - tu, by + bh - tv);
            break;
        case 3:
            at = QPointF(bx + tv, by + bh - tu);
            break;
        default:
            at = QPointF(bx + tu, by + tv);
            break;
        }
        out.texts.push_back({ text, at.x() * pw, at.y() * ph });
    };
    out.textQuarterTurns = turns;
    if (!retail) {
        place(e.humanReadable(), offU + (symU - surface.TextWidth(e.humanReadable()) / pw) / 2);
        return out;
    }
    const double first = offU + sy.quietLeft * m; // the symbol's first bar
    qsizetype at = 0;
    for (const DigitGroup& g : retail->groups) {
        const QString text = e.humanReadable().mid(at, g.chars);
        at += g.chars;
        const double w = surface.TextWidth(text) / pw;
        double tu = first + (g.from + g.to) * m / 2 - w / 2;
        if (g.from == g.to) // beside the symbol, a module clear of it
            tu = g.from == 0 ? first - m - w : first + g.to * m + m;
        place(text, tu);
    }
    return out;
}

void drawSymbol(
    Surface& surface, const EncodedSymbol& symbol, const SymbolOptions& options, const QRectF& box, quint32 color)
{
    const SymbolLayout l = layoutSymbol(surface, symbol, options, box);
    surface.FillBoxes(l.boxes, color);
    if (!l.texts.empty())
        surface.setForeColor(color);
    for (const SymbolLayout::Text& t : l.texts)
        surface.PrintTurned(t.text, t.x, t.y, l.textQuarterTurns);
}

} // namespace kyt
