#include "util/Ansi.h"

namespace kyt
{
namespace
{
// Unicode for 0x80..0x9F; undefined codes keep their C1 value.
constexpr char16_t kHigh[32] = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};
} // namespace

QChar ansiChar(unsigned char code)
{
    if (code >= 0x80 && code <= 0x9F)
        return QChar(kHigh[code - 0x80]);
    return QChar(char16_t(code));
}

int ansiCode(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u)
            return 0x80 + i;
    return -1;
}

QString fromAnsi(const char* data, qsizetype size)
{
    QString out(size, Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < size; ++i)
        dst[i] = ansiChar(static_cast<unsigned char>(data[i]));
    return out;
}

QString fromAnsi(const QByteArray& bytes)
{
    return fromAnsi(bytes.constData(), bytes.size());
}

QByteArray toAnsi(const QString& text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    char* dst = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int c = ansiCode(text.at(i));
        dst[i] = static_cast<char>(c < 0 ? '?' : c);
    }
    return out;
}

} // namespace kyt
