#include "util/NumberText.h"

#include <QLocale>
#include <cmath>

namespace kyt
{
namespace
{
QString shortest(double value, int digits)
{
    if (value == 0.0 || std::isnan(value))
        return QStringLiteral("0");
    // %G chooses plain notation unless the exponent is below -4 or reaches
    // the precision, and drops trailing zeros, as the platform's text did.
    QString s = QString::asprintf("%.*G", digits, value);
    if (s.startsWith(QLatin1String("-0")) && s.toDouble() == 0.0)
        return QStringLiteral("0");
    return s;
}
} // namespace

QString singleToText(float value)
{
    return shortest(static_cast<double>(value), 7);
}
QString doubleToText(double value)
{
    return shortest(value, 15);
}

QString formatFixed(double value, int intDigits, int decimals)
{
    const bool negative = value < 0 && std::round(std::fabs(value) * std::pow(10.0, decimals)) != 0;
    QString digits = QString::number(std::fabs(value), 'f', decimals);
    const qsizetype dot = digits.indexOf(QLatin1Char('.'));
    const qsizetype intLen = dot < 0 ? digits.size() : dot;
    if (intLen < intDigits)
        digits.prepend(QString(intDigits - intLen, QLatin1Char('0')));
    return negative ? QLatin1Char('-') + digits : digits;
}

QString formatInchText(double value)
{
    QString s = QString::number(value, 'f', 4);
    while (s.endsWith(QLatin1Char('0')) && s.indexOf(QLatin1Char('.')) < s.size() - 2)
        s.chop(1);
    if (s == QLatin1String("-0.0"))
        s = QStringLiteral("0.0");
    return s;
}

std::optional<double> parseNumber(const QString& text)
{
    QString t = text.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    if (!t.contains(QLatin1Char('.')))
        t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = QLocale::c().toDouble(t, &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

double leadingNumber(const QString& text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    QString num;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
        num += t[i++];
    bool seenSep = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.isDigit() && c.unicode() < 128)
            num += c;
        else if ((c == QLatin1Char('.') || c == QLatin1Char(',')) && !seenSep) {
            seenSep = true;
            num += QLatin1Char('.');
        } else
            break;
    }
    bool ok = false;
    const double v = QLocale::c().toDouble(num, &ok);
    return ok ? v : 0.0;
}

long long roundHalfEven(double value)
{
    return static_cast<long long>(std::nearbyint(value)); // default FE_TONEAREST
}

} // namespace kyt
