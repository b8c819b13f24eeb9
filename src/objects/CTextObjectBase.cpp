#include "objects/CTextObjectBase.h"

#include "barcode/Symbol.h"
#include "barcode/modBarCodeRoutines.h"
#include "errors/CError.h"
#include "objects/TokenFields.h"
#include "util/NumberText.h"
#include "util/Strings.h"
#include <QCoreApplication>
#include <QVariant>
#include <cmath>
#include <limits>

namespace kyt
{

namespace
{
constexpr qint32 TypeMismatch = 13;
constexpr qint32 Overflow = 6;

// The whole text as an integer of the given range, rounded half to even.
template <typename Int> Int integerOf(const QString& text)
{
    const std::optional<double> v = parseNumber(text);
    if (!v)
        throw KytError(TypeMismatch, QCoreApplication::translate("kyt::CTextObjectBase", "Type mismatch"));
    const double r = std::nearbyint(*v);
    if (r < static_cast<double>(std::numeric_limits<Int>::min())
        || r > static_cast<double>(std::numeric_limits<Int>::max()))
        throw KytError(Overflow, QCoreApplication::translate("kyt::CTextObjectBase", "Overflow"));
    return static_cast<Int>(r);
}
} // namespace

CTextObjectBase::CTextObjectBase(QString moduleSource, QObject* parent)
    : CDesignObject(std::move(moduleSource), parent)
{
}

void CTextObjectBase::setBarcodeType(const QString& text)
{
    m_barcodeType = integerOf<qint32>(text);
}

void CTextObjectBase::trySetBarcodeType(const QString& text)
{
    try {
        setBarcodeType(text);
    } catch (const KytError&) {
        // Property writes by name cannot carry the failure; the value stays.
    }
}

qint16 CTextObjectBase::convertBarcodeType(const QVariant& vBarCodeType)
{
    const QString text = vBarCodeType.toString();
    if (text.isEmpty())
        return 0;
    if (text.compare(QLatin1String("3of9"), Qt::CaseInsensitive) == 0 || text == QLatin1String("39"))
        return 1;
    if (text == QLatin1String("128"))
        return 2;
    return integerOf<qint16>(text);
}

void CTextObjectBase::setRotation(qint16 v)
{
    const int turns = ((v / 90) % 4 + 4) % 4;
    m_rotation = static_cast<qint16>(v % 90 == 0 ? turns * 90 : 0);
}

SymbolOptions CTextObjectBase::symbolOptions() const
{
    SymbolOptions o;
    o.ecLevel = m_ecLevel;
    o.hrt = m_humanReadable;
    o.rotation = m_rotation;
    o.moduleInches = m_moduleSize;
    return o;
}

const Symbology* CTextObjectBase::symbology() const
{
    return m_barcode ? symbologyOf(m_barcodeType) : nullptr;
}

QString CTextObjectBase::SymbolContent(const QString& text) const
{
    return m_barcodePrefix + TrimBarcodeBlanks(text) + m_barcodePostfix;
}

QString CTextObjectBase::BarcodeReading(const QString& text) const
{
    if (!m_barcode || TrimBarcodeBlanks(text).isEmpty() || !BarcodeProblem(text).isEmpty())
        return QString();
    if (const Symbology* s = symbology())
        return EncodedSymbol(*s, SymbolContent(text), symbolOptions()).reading();
    QString expected = TrimBarcodeBlanks(text);
    switch (m_barcodeType) {
    case Barcode128B:
        return expected;
    case Barcode128C:
        if (expected.size() % 2 != 0)
            expected.prepend(QLatin1Char('0')); // the encoder pads to digit pairs
        return expected;
    case Barcode3of9:
        // The font prints small letters as capitals; * starts and stops.
        return QString(m_barcodePrefix + expected + m_barcodePostfix).remove(QLatin1Char('*')).toUpper();
    default:
        return QString();
    }
}

QString CTextObjectBase::optionsText() const
{
    QString t;
    if (m_ecLevel != 0)
        SetTagValue(t, QStringLiteral("SymEC"), QStringLiteral(";"), QString::number(m_ecLevel));
    if (m_humanReadable != SymbolOptions::HrtNone)
        SetTagValue(t, QStringLiteral("SymText"), QStringLiteral(";"), QString::number(m_humanReadable));
    if (m_rotation != 0)
        SetTagValue(t, QStringLiteral("SymRot"), QStringLiteral(";"), QString::number(m_rotation));
    if (m_moduleSize > 0)
        SetTagValue(t, QStringLiteral("SymModule"), QStringLiteral(";"), singleToText(m_moduleSize));
    if (m_shrinkToFit)
        SetTagValue(t, QStringLiteral("FitMode"), QStringLiteral(";"), QStringLiteral("Shrink"));
    return t;
}

void CTextObjectBase::setOptionsText(const QString& text)
{
    auto number = [&text](const char* key) { return parseNumber(GetTagValue(text, QLatin1String(key))).value_or(0.0); };
    auto small = [](double v) { return static_cast<qint16>(std::clamp(v, -32768.0, 32767.0)); };
    setErrorCorrection(small(number("SymEC")));
    setHumanReadable(small(number("SymText")));
    setRotation(small(number("SymRot")));
    setModuleSize(static_cast<float>(number("SymModule")));
    m_shrinkToFit
        = GetTagValue(text, QStringLiteral("FitMode")).compare(QLatin1String("Shrink"), Qt::CaseInsensitive) == 0;
}

QString CTextObjectBase::BarcodeText(const QString& text) const
{
    QString t = TrimBarcodeBlanks(text);
    switch (m_barcodeType) {
    case Barcode128B:
        t = CreateCode128B(t);
        break;
    case Barcode128C:
        t = CreateCode128C(t);
        break;
    default:
        break; // Code 39 is drawn by the font itself
    }
    return m_barcodePrefix + t + m_barcodePostfix;
}

QString CTextObjectBase::BarcodeProblem(const QString& text) const
{
    if (!m_barcode)
        return QString();
    const QString t = TrimBarcodeBlanks(text);
    auto firstBad = [&t](auto ok) -> QString {
        for (qsizetype i = 0; i < t.size(); ++i) {
            const char32_t c = t.at(i).isHighSurrogate() && i + 1 < t.size()
                ? QChar::surrogateToUcs4(t.at(i), t.at(i + 1))
                : t.at(i).unicode();
            if (!ok(c))
                return QStringLiteral("\"%1\" (U+%2)")
                    .arg(c < 32 || c == 127 ? QString() : QString::fromUcs4(&c, 1),
                        QString::number(qulonglong(c), 16).toUpper().rightJustified(4, QLatin1Char('0')));
        }
        return QString();
    };
    QString bad;
    QString symbology;
    switch (m_barcodeType) {
    case Barcode3of9:
        symbology
            = QCoreApplication::translate("kyt::CTextObjectBase", "Code 39 holds only A-Z, 0-9, space and - . $ / + %");
        bad = firstBad([](char32_t c) {
            return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == ' ' || c == '-'
                || c == '.' || c == '$' || c == '/' || c == '+' || c == '%';
        });
        break;
    case Barcode128B:
        symbology = QCoreApplication::translate(
            "kyt::CTextObjectBase", "Code 128 B holds only the characters with codes 32 to 127");
        bad = firstBad([](char32_t c) { return c >= 32 && c <= 127; });
        break;
    case Barcode128C:
        symbology = QCoreApplication::translate("kyt::CTextObjectBase", "Code 128 C holds only digits");
        bad = firstBad([](char32_t c) { return c >= '0' && c <= '9'; });
        break;
    default:
        if (const Symbology* s = this->symbology()) {
            try {
                EncodedSymbol(*s, SymbolContent(text), symbolOptions());
            } catch (const KytError& e) {
                return e.description();
            }
        }
        return QString();
    }
    return bad.isEmpty() ? QString()
                         : QCoreApplication::translate("kyt::CTextObjectBase", "%1, not %2").arg(symbology, bad);
}

int CTextObjectBase::ScaledFontSize(double size, double scalor)
{
    const double v = size * scalor;
    if (std::isnan(v))
        return 0;
    if (v >= 32767.0)
        return 32767;
    if (v <= -32768.0)
        return -32768;
    return static_cast<int>(roundHalfEven(v));
}

QString CTextObjectBase::TokenString() const
{
    tokens::TokenWriter w;
    writeBoxFields(w);
    w.integer(m_border).integer(m_alignment).integer(m_backColor).integer(m_foreColor);
    w.text(tokenText());
    w.flag(m_bold).flag(m_italic).flag(m_underline).flag(m_strikethrough);
    w.text(m_fontName).integer(m_fontSize).flag(m_transparent).flag(m_barcode);
    w.text(tokens::barcodeTypeText(m_barcodeType));
    w.text(m_barcodePrefix).text(m_barcodePostfix).flag(m_fontToFit);
    // Readers that know 22 fields pass over a 23rd.
    if (const QString options = optionsText(); !options.isEmpty())
        w.text(options);
    return w.result();
}

void CTextObjectBase::setTokenString(const QString& text)
{
    const tokens::TokenReader r(text, OptionsField);
    readBoxFields(r);
    r.readInt16(6, m_border);
    r.readInt16(7, m_alignment);
    r.readInt32(8, m_backColor);
    r.readInt32(9, m_foreColor);
    setTokenText(r.text(10));
    r.readFlag(11, m_bold);
    r.readFlag(12, m_italic);
    r.readFlag(13, m_underline);
    r.readFlag(14, m_strikethrough);
    m_fontName = r.text(15);
    r.readInt16(16, m_fontSize);
    r.readFlag(17, m_transparent);
    r.readFlag(18, m_barcode);
    m_barcodeType = r.barcodeType(19);
    m_barcodePrefix = r.text(20);
    m_barcodePostfix = r.text(21);
    r.readFlag(22, m_fontToFit);
    setOptionsText(r.text(OptionsField));
}

} // namespace kyt
