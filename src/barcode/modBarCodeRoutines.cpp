#include "barcode/modBarCodeRoutines.h"
#include "util/Strings.h"

#include "barcode/CBarCode128CharacterSet.h"
#include "util/Ansi.h"
#include <mutex>

namespace kyt
{
namespace
{
struct Code128Chars {
    QString startA, startB, startC, stop;
};

Code128Chars& chars()
{
    static Code128Chars c;
    return c;
}

std::once_flag g_initOnce;

constexpr int kStartB = 104;
constexpr int kStartC = 105;
constexpr int kModulus = 103;

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
} // namespace

void InitCode128Chars()
{
    // The strings never change once set; setting them once keeps concurrent
    // encoders from writing shared state.
    std::call_once(g_initOnce, [] {
        Code128Chars& c = chars();
        c.startA = QString(ansiChar(135));
        c.startB = QString(ansiChar(136));
        c.startC = QString(ansiChar(137));
        c.stop = QString(ansiChar(138));
    });
}

QString Code128StartA()
{
    InitCode128Chars();
    return chars().startA;
}
QString Code128StartB()
{
    InitCode128Chars();
    return chars().startB;
}
QString Code128StartC()
{
    InitCode128Chars();
    return chars().startC;
}
QString Code128Stop()
{
    InitCode128Chars();
    return chars().stop;
}

QString TrimBarcodeBlanks(const QString& text)
{
    return TrimBlanks(text);
}

bool IsCode128BText(const QString& text)
{
    for (QChar c : TrimBarcodeBlanks(text))
        if (c.unicode() < 32 || c.unicode() > 127)
            return false;
    return true;
}

bool IsCode128CText(const QString& text)
{
    for (QChar c : TrimBarcodeBlanks(text))
        if (!isDigit(c))
            return false;
    return true;
}

QString CreateCode128B(const QString& text)
{
    InitCode128Chars();
    const QString data = TrimBarcodeBlanks(text);
    if (!IsCode128BText(data))
        return QString();
    // Position weights are taken modulo 103 as the sum grows, which keeps the
    // check value exact for a text of any length.
    qint64 sum = kStartB;
    qint64 position = 0;
    for (QChar c : data) {
        position = position % kModulus + 1;
        sum = (sum + static_cast<qint64>(c.unicode() - 32) * position) % kModulus;
    }
    const int check = static_cast<int>(sum % kModulus);
    QString out;
    out.reserve(data.size() + 3);
    out += chars().startB;
    out += data;
    out += ansiChar(static_cast<unsigned char>(check + 32));
    out += chars().stop;
    return out;
}

QString CreateCode128C(const QString& text)
{
    InitCode128Chars();
    QString digits = TrimBarcodeBlanks(text);
    if (digits.isEmpty())
        return QString();
    if (!IsCode128CText(digits))
        return QString(); // kCode128CAlphaError: handled here, the caller sees an empty result
    if (digits.size() % 2 != 0)
        digits.prepend(QLatin1Char('0'));

    static const CBarCode128CharacterSet table;
    QString out;
    out.reserve(digits.size() / 2 + 3);
    out += chars().startC;
    qint64 sum = kStartC;
    qint64 position = 0;
    for (qsizetype i = 0; i + 1 < digits.size(); i += 2) {
        const int value = (digits.at(i).unicode() - '0') * 10 + (digits.at(i + 1).unicode() - '0');
        out += table.Item(value).Character();
        position = position % kModulus + 1;
        sum = (sum + value * position) % kModulus;
    }
    out += table.Item(static_cast<int>(sum % kModulus)).Character();
    out += chars().stop;
    return out;
}

} // namespace kyt
