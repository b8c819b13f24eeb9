// The Code 128 encoders: worked examples, trimming, the check symbol, and the
// texts each code set cannot encode.
#include <gtest/gtest.h>

#include "BarcodeTestPrint.h"

#include "barcode/modBarCodeRoutines.h"
#include "util/Ansi.h"
#include <QStringList>

using namespace kyt;

namespace
{
// The encoded string as Windows-1252 codes, the way a test can state it.
QList<int> codes(const QString& s)
{
    QList<int> out;
    for (QChar c : s)
        out << ansiCode(c);
    return out;
}

QString ansi(std::initializer_list<int> list)
{
    QString s;
    for (int c : list)
        s += ansiChar(static_cast<unsigned char>(c));
    return s;
}
} // namespace

TEST(Code128Chars, StartAndStopCharacters)
{
    InitCode128Chars();
    InitCode128Chars(); // calling again changes nothing
    EXPECT_EQ(codes(Code128StartA()), QList<int>({ 135 }));
    EXPECT_EQ(codes(Code128StartB()), QList<int>({ 136 }));
    EXPECT_EQ(codes(Code128StartC()), QList<int>({ 137 }));
    EXPECT_EQ(codes(Code128Stop()), QList<int>({ 138 }));
    EXPECT_EQ(Code128StartB(), QString(QChar(0x02C6)));
    EXPECT_EQ(Code128Stop(), QString(QChar(0x0160)));
}

struct EncodeRow {
    const char* text;
    QList<int> expected;
};

class Code128BRows : public ::testing::TestWithParam<EncodeRow>
{
};

TEST_P(Code128BRows, Encodes)
{
    EXPECT_EQ(codes(CreateCode128B(QString::fromLatin1(GetParam().text))), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Examples, Code128BRows,
    ::testing::Values(
        // 104 + 33 + 2*34 + 3*35 = 310, 310 mod 103 = 1 -> "!"
        EncodeRow { "ABC", { 136, 65, 66, 67, 33, 138 } }, EncodeRow { "  ABC  ", { 136, 65, 66, 67, 33, 138 } },
        // inner blanks stay: 104 + 33 + 0 + 3*34 = 239 -> 33 -> "A"
        EncodeRow { "A B", { 136, 65, 32, 66, 65, 138 } },
        // empty data: only start, check (104 mod 103 = 1) and stop
        EncodeRow { "", { 136, 33, 138 } }, EncodeRow { "   ", { 136, 33, 138 } },
        // 104 + 95 (DEL) = 199 -> 96 -> code 128
        EncodeRow { "\x7f", { 136, 127, 128, 138 } },
        // 104 + 2 = 106 -> 3 -> "#"
        EncodeRow { "\"", { 136, 34, 35, 138 } }));

TEST(Code128B, CheckValueZeroPrintsBlank)
{
    // 104 + 2 + 2*50 = 206 = 2*103: check value 0, printed as code 32.
    const QString s = CreateCode128B(QStringLiteral("\"R"));
    ASSERT_EQ(s.size(), 5);
    EXPECT_EQ(s.at(3), QLatin1Char(' '));
}

TEST(Code128B, CharactersOutsideCodeSetBGiveEmptyResult)
{
    // A symbol with a wrong check character would scan wrong or not at all:
    // such texts print nothing instead.
    const QStringList bad = { QStringLiteral("caf\u00e9"), QStringLiteral("A\tB"), QStringLiteral("\u20ac5"),
        QStringLiteral("line\nbreak"), QString(QChar(0x4E2D)), QStringLiteral("A\u0000B"), QString(QChar(0x80)),
        QString(QChar(0x1F)) };
    for (const QString& t : bad) {
        EXPECT_FALSE(IsCode128BText(t)) << t.toStdString();
        EXPECT_TRUE(CreateCode128B(t).isEmpty()) << t.toStdString();
    }
    EXPECT_TRUE(IsCode128BText(QStringLiteral(" ~ \x7f ")));
    EXPECT_TRUE(IsCode128BText(QString()));
}

TEST(Code128B, LongTextKeepsExactCheckValue)
{
    // Weighted sums far beyond 32-bit range still give the exact check value.
    const qsizetype n = 300000;
    QString text(n, QLatin1Char('~')); // value 94
    qint64 sum = 104;
    for (qint64 i = 1; i <= n; ++i)
        sum += 94 * i;
    const QString s = CreateCode128B(text);
    ASSERT_EQ(s.size(), n + 3);
    EXPECT_EQ(ansiCode(s.at(n + 1)) - 32, static_cast<int>(sum % 103));
}

class Code128CRows : public ::testing::TestWithParam<EncodeRow>
{
};

TEST_P(Code128CRows, Encodes)
{
    EXPECT_EQ(codes(CreateCode128C(QString::fromLatin1(GetParam().text))), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Examples, Code128CRows,
    ::testing::Values(
        // pairs 12 and 34 -> "," and "B"; 105 + 12 + 68 = 185 -> 82 -> "r"
        EncodeRow { "1234", { 137, 44, 66, 114, 138 } }, EncodeRow { " 1234 ", { 137, 44, 66, 114, 138 } },
        // odd length is padded: 0123 -> 01, 23; 105 + 1 + 46 = 152 -> 49 -> "Q"
        EncodeRow { "123", { 137, 33, 55, 81, 138 } },
        // 00 -> value 0 prints as 192; 105 + 0 = 105 -> 2 -> '"'
        EncodeRow { "00", { 137, 192, 34, 138 } },
        // 98 -> value 98 prints as 198; 105 + 98 = 203 -> 100 -> 200
        EncodeRow { "98", { 137, 198, 200, 138 } },
        // 95 -> 195; 105 + 95 = 200 -> 97 -> 197
        EncodeRow { "95", { 137, 195, 197, 138 } },
        // 105 + 1 + 2*49 = 204 -> 101 -> 201
        EncodeRow { "0149", { 137, 33, 81, 201, 138 } },
        // 105 + 97 + 2*50 = 302 -> 96 -> 196
        EncodeRow { "9750", { 137, 197, 82, 196, 138 } },
        // 105 + 99 + 2*52 = 308 -> 102 -> 134
        EncodeRow { "9952", { 137, 199, 84, 134, 138 } },
        // 105 + 99 + 2*1 = 206 -> 0 -> 192 (a blank in code set B)
        EncodeRow { "9901", { 137, 199, 33, 192, 138 } }));

TEST(Code128C, NonDigitTextsGiveEmptyResult)
{
    // Only plain digit strings are encoded; anything a looser numeric test
    // would pass (sign, decimal point, exponent, inner blanks) is refused too.
    const char* bad[] = { "12A4", "", "   ", "-12", "+12", "1.5", "1,5", "1e5", "12 34", "&H10", "\t12", "12\t" };
    for (const char* t : bad) {
        EXPECT_TRUE(CreateCode128C(QString::fromLatin1(t)).isEmpty()) << t;
    }
    // Digits of other scripts are not the numerals 0-9 either.
    EXPECT_TRUE(CreateCode128C(QStringLiteral("\u0661\u0662")).isEmpty());
    EXPECT_TRUE(CreateCode128C(QStringLiteral("\uFF11\uFF12")).isEmpty());
    EXPECT_FALSE(IsCode128CText(QStringLiteral("12A4")));
    EXPECT_TRUE(IsCode128CText(QStringLiteral(" 0099 ")));
}

TEST(Code128C, ErrorIdentity)
{
    EXPECT_EQ(static_cast<quint32>(kCode128CAlphaError), 0x8005869Fu);
    EXPECT_STREQ(kCode128CAlphaSource, "modBarCodeRoutines.CreateCode128C");
    EXPECT_STREQ(
        kCode128CAlphaDescription, "Passed in barcode text contains alpha characters.  Code128C can only use numerals");
}

TEST(Code128C, LongDigitStringKeepsExactCheckValue)
{
    const qsizetype pairs = 200000;
    QString text;
    text.reserve(pairs * 2);
    qint64 sum = 105;
    for (qsizetype i = 1; i <= pairs; ++i) {
        const int v = static_cast<int>(i % 100);
        text += QString::number(v).rightJustified(2, QLatin1Char('0'));
        sum += v * i;
    }
    const QString s = CreateCode128C(text);
    ASSERT_EQ(s.size(), pairs + 3);
    const int check = static_cast<int>(sum % 103);
    EXPECT_EQ(s.at(pairs + 1),
        ansi({ check == 0           ? 192
                     : check <= 94  ? check + 32
                     : check <= 101 ? check + 100
                                    : 134 })
            .at(0));
}

TEST(BarcodeTrim, OnlyBlanksAreTrimmed)
{
    EXPECT_EQ(TrimBarcodeBlanks(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    EXPECT_EQ(TrimBarcodeBlanks(QStringLiteral("\ta\t")), QStringLiteral("\ta\t"));
    EXPECT_EQ(TrimBarcodeBlanks(QStringLiteral("    ")), QString());
    EXPECT_EQ(TrimBarcodeBlanks(QString()), QString());
}
