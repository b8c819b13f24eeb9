#include "barcode/CBarCode128CharacterSet.h"
#include <QCoreApplication>

#include "errors/CError.h"
#include "util/Ansi.h"
#include <cmath>

namespace kyt
{
namespace
{
constexpr qint32 kSubscriptOutOfRange = 9;
constexpr qint32 kTypeMismatch = 13;

const char* const kControlNames[32] = {
    "NUL",
    "SOH",
    "STX",
    "ETX",
    "EOT",
    "ENQ",
    "ACK",
    "BEL",
    "BS",
    "HT",
    "LF",
    "VT",
    "FF",
    "CR",
    "SO",
    "SI",
    "DLE",
    "DC1",
    "DC2",
    "DC3",
    "DC4",
    "NAK",
    "SYN",
    "ETB",
    "CAN",
    "EM",
    "SUB",
    "ESC",
    "FS",
    "GS",
    "RS",
    "US",
};

QString printable(int value) // values 1..94 in code sets A and B
{
    return QString(QChar(char16_t(value + 32)));
}

// Code sets A and B share their function values; FNC4 sits where the other
// set's code change would be (101 in A, 100 in B).
QString subAB(int v, bool setA)
{
    if (v == 0)
        return QStringLiteral("SP");
    if (v < 64 || (!setA && v < 95))
        return printable(v);
    if (setA && v < 96)
        return QLatin1String(kControlNames[v - 64]);
    switch (v) {
    case 95:
        return QStringLiteral("DEL");
    case 96:
        return QStringLiteral("FNC3");
    case 97:
        return QStringLiteral("FNC2");
    case 98:
        return QStringLiteral("SHIFT");
    case 102:
        return QStringLiteral("FNC1");
    default:
        return v == (setA ? 101 : 100) ? QStringLiteral("FNC4") : QString(); // 99 code C
    }
}

QString subC(int v)
{
    if (v < 100)
        return QString::number(v).rightJustified(2, QLatin1Char('0'));
    if (v == 102)
        return QStringLiteral("FNC1");
    return QString(); // 100 code B, 101 code A
}

[[noreturn]] void outOfRange()
{
    throw KytError(kSubscriptOutOfRange, QCoreApplication::translate("kyt::Barcode", "Subscript out of range"));
}
} // namespace

QChar CBarCode128CharacterSet::characterOf(int value)
{
    if (value == 0)
        return ansiChar(192);
    if (value <= 94)
        return ansiChar(static_cast<unsigned char>(value + 32));
    if (value <= 101)
        return ansiChar(static_cast<unsigned char>(value + 100));
    return ansiChar(134);
}

CBarCode128CharacterSet::CBarCode128CharacterSet()
{
    for (int v = 0; v <= kHighestValue; ++v)
        m_entries[v] = CBarCode128CharSetEntry(
            subAB(v, true), subAB(v, false), subC(v), static_cast<qint16>(v), QString(characterOf(v)));
}

const CBarCode128CharSetEntry& CBarCode128CharacterSet::Item(const QVariant& key) const
{
    const int type = key.metaType().id();
    if (type == QMetaType::QString || type == QMetaType::QChar) {
        const QString wanted = key.toString();
        for (const CBarCode128CharSetEntry& e : m_entries)
            if (e.Character() == wanted)
                return e;
        outOfRange();
    }
    if (!key.isValid())
        return m_entries[0]; // an empty key counts as 0, as an empty number does
    bool ok = false;
    const double number = key.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        throw KytError(kTypeMismatch, QCoreApplication::translate("kyt::Barcode", "Type mismatch"));
    // Index numbers round half to even, as the platform rounds them.
    const double index = std::nearbyint(number);
    if (index < 0 || index > kHighestValue)
        outOfRange();
    return m_entries[static_cast<int>(index)];
}

} // namespace kyt
