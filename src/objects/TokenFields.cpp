#include "objects/TokenFields.h"

#include "util/NumberText.h"
#include "util/Strings.h"
#include <cmath>
#include <limits>

namespace kyt::tokens
{

QString barcodeTypeText(qint32 type)
{
    constexpr qint32 Code128Word = 128;
    if (type == Code128Word)
        return QStringLiteral("0128");
    return QString::number(type);
}

TokenWriter& TokenWriter::single(float value)
{
    m_text += singleToText(value);
    m_text += Delimiter;
    return *this;
}

TokenWriter& TokenWriter::integer(qint64 value)
{
    m_text += QString::number(value);
    m_text += Delimiter;
    return *this;
}

TokenWriter& TokenWriter::flag(bool value)
{
    m_text += value ? QStringLiteral("True") : QStringLiteral("False");
    m_text += Delimiter;
    return *this;
}

TokenWriter& TokenWriter::text(const QString& value)
{
    if (value.contains(Delimiter)) {
        QString clean = value;
        clean.remove(Delimiter);
        m_text += clean;
    } else {
        m_text += value;
    }
    m_text += Delimiter;
    return *this;
}

TokenReader::TokenReader(const QString& text, int fieldCount)
{
    if (text.isEmpty() || fieldCount <= 0)
        return;
    m_fields.reserve(static_cast<size_t>(fieldCount));
    qsizetype start = 0;
    while (static_cast<int>(m_fields.size()) < fieldCount) {
        const qsizetype end = text.indexOf(Delimiter, start);
        if (end < 0) {
            m_fields.push_back(TrimBlanks(text.mid(start)));
            break;
        }
        m_fields.push_back(TrimBlanks(text.mid(start, end - start)));
        start = end + 1;
    }
}

QString TokenReader::text(int k) const
{
    if (k < 1 || k > static_cast<int>(m_fields.size()))
        return QString();
    return m_fields[static_cast<size_t>(k - 1)];
}

namespace
{
template <typename Int> bool toInteger(const QString& field, Int& out)
{
    const std::optional<double> v = parseNumber(field);
    if (!v)
        return false;
    const double r = std::nearbyint(*v);
    if (r < static_cast<double>(std::numeric_limits<Int>::min())
        || r > static_cast<double>(std::numeric_limits<Int>::max()))
        return false;
    out = static_cast<Int>(roundHalfEven(*v));
    return true;
}
} // namespace

void TokenReader::readSingle(int k, float& member) const
{
    const std::optional<double> v = parseNumber(text(k));
    if (v && std::fabs(*v) <= static_cast<double>(std::numeric_limits<float>::max()))
        member = static_cast<float>(*v);
}

void TokenReader::readInt16(int k, qint16& member) const
{
    qint16 v = 0;
    if (toInteger(text(k), v))
        member = v;
}

void TokenReader::readInt32(int k, qint32& member) const
{
    qint32 v = 0;
    if (toInteger(text(k), v))
        member = v;
}

void TokenReader::readFlag(int k, bool& member) const
{
    const QString f = text(k);
    if (f.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        member = true;
        return;
    }
    if (f.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        member = false;
        return;
    }
    if (const std::optional<double> v = parseNumber(f))
        member = *v != 0.0;
}

qint32 TokenReader::barcodeType(int k) const
{
    const QString f = text(k);
    if (f.isEmpty())
        return 0;
    if (f.compare(QLatin1String("3of9"), Qt::CaseInsensitive) == 0)
        return 1;
    if (f.compare(QLatin1String("128"), Qt::CaseInsensitive) == 0)
        return 2;
    qint32 v = 0;
    return toInteger(f, v) ? v : 0;
}

} // namespace kyt::tokens
