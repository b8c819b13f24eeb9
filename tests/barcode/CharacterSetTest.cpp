// The Code 128 symbol table: lookup by value and by character, its errors and
// the published meaning of each symbol in the three code sets.
#include <gtest/gtest.h>

#include "BarcodeTestPrint.h"

#include "barcode/CBarCode128CharacterSet.h"
#include "errors/CError.h"
#include "util/Ansi.h"
#include <QSet>
#include <QVariant>

using namespace kyt;

namespace
{
qint32 errorNumber(const CBarCode128CharacterSet& set, const QVariant& key)
{
    try {
        set.Item(key);
    } catch (const KytError& e) {
        if (e.number() == 9) {
            EXPECT_EQ(e.description(), QStringLiteral("Subscript out of range"));
        }
        return e.number();
    }
    return 0;
}
} // namespace

TEST(CharacterSet, CountIsHighestValue)
{
    CBarCode128CharacterSet set;
    EXPECT_EQ(set.Count(), 102);
    for (int v = 0; v <= set.Count(); ++v)
        EXPECT_EQ(set.Item(v).iValue(), v);
}

TEST(CharacterSet, CharacterOfEachValue)
{
    CBarCode128CharacterSet set;
    EXPECT_EQ(ansiCode(set.Item(0).Character().at(0)), 192);
    for (int v = 1; v <= 94; ++v)
        EXPECT_EQ(ansiCode(set.Item(v).Character().at(0)), v + 32) << v;
    for (int v = 95; v <= 101; ++v)
        EXPECT_EQ(ansiCode(set.Item(v).Character().at(0)), v + 100) << v;
    EXPECT_EQ(set.Item(102).Character(), QString(QChar(0x2020))); // code 134
    QSet<QString> distinct;
    for (int v = 0; v <= set.Count(); ++v) {
        EXPECT_EQ(set.Item(v).Character().size(), 1);
        distinct.insert(set.Item(v).Character());
    }
    EXPECT_EQ(distinct.size(), 103);
}

TEST(CharacterSet, ItemByCharacter)
{
    CBarCode128CharacterSet set;
    for (int v = 0; v <= set.Count(); ++v)
        EXPECT_EQ(set.Item(set.Item(v).Character()).iValue(), v);
    EXPECT_EQ(set.Item(QStringLiteral("!")).iValue(), 1);
    EXPECT_EQ(set.Item(QStringLiteral("a")).iValue(), 65);
    EXPECT_EQ(set.Item(QStringLiteral("A")).iValue(), 33); // case matters
    EXPECT_EQ(set.Item(QVariant::fromValue(QChar(0xC0))).iValue(), 0);
}

TEST(CharacterSet, ItemByNumberOfAnyType)
{
    CBarCode128CharacterSet set;
    EXPECT_EQ(set.Item(QVariant(qint16(12))).iValue(), 12);
    EXPECT_EQ(set.Item(QVariant(qint64(102))).iValue(), 102);
    EXPECT_EQ(set.Item(QVariant(7.0)).iValue(), 7);
    EXPECT_EQ(set.Item(QVariant(2.5)).iValue(), 2); // index numbers round half to even
    EXPECT_EQ(set.Item(QVariant(3.5)).iValue(), 4);
    EXPECT_EQ(set.Item(QVariant()).iValue(), 0);
}

TEST(CharacterSet, ItemErrors)
{
    CBarCode128CharacterSet set;
    EXPECT_EQ(errorNumber(set, -1), 9);
    EXPECT_EQ(errorNumber(set, 103), 9);
    EXPECT_EQ(errorNumber(set, 102.6), 9);
    EXPECT_EQ(errorNumber(set, 1e300), 9);
    EXPECT_EQ(errorNumber(set, QStringLiteral(" ")), 9); // value 0 prints as 192, not a blank
    EXPECT_EQ(errorNumber(set, QStringLiteral("AB")), 9);
    EXPECT_EQ(errorNumber(set, QString()), 9);
    EXPECT_EQ(errorNumber(set, QStringLiteral("12")), 9); // a string is a character, never a number
    EXPECT_EQ(errorNumber(set, QVariant(std::numeric_limits<double>::quiet_NaN())), 13);
    EXPECT_EQ(errorNumber(set, QVariant(QStringList { QStringLiteral("1") })), 13);
    EXPECT_EQ(errorNumber(set, 0), 0);
}

struct SubRow {
    int value;
    const char* a;
    const char* b;
    const char* c;
};

class CharacterSetColumns : public ::testing::TestWithParam<SubRow>
{
};

TEST_P(CharacterSetColumns, MatchPublishedTable)
{
    static const CBarCode128CharacterSet set;
    const SubRow& r = GetParam();
    const CBarCode128CharSetEntry& e = set.Item(r.value);
    EXPECT_EQ(e.SubA(), QString::fromLatin1(r.a)) << r.value;
    EXPECT_EQ(e.SubB(), QString::fromLatin1(r.b)) << r.value;
    EXPECT_EQ(e.SubC(), QString::fromLatin1(r.c)) << r.value;
}

INSTANTIATE_TEST_SUITE_P(Values, CharacterSetColumns,
    ::testing::Values(SubRow { 0, "SP", "SP", "00" }, SubRow { 1, "!", "!", "01" }, SubRow { 9, ")", ")", "09" },
        SubRow { 33, "A", "A", "33" }, SubRow { 63, "_", "_", "63" }, SubRow { 64, "NUL", "`", "64" },
        SubRow { 65, "SOH", "a", "65" }, SubRow { 73, "HT", "i", "73" }, SubRow { 77, "CR", "m", "77" },
        SubRow { 91, "ESC", "{", "91" }, SubRow { 94, "RS", "~", "94" }, SubRow { 95, "US", "DEL", "95" },
        SubRow { 96, "FNC3", "FNC3", "96" }, SubRow { 97, "FNC2", "FNC2", "97" }, SubRow { 98, "SHIFT", "SHIFT", "98" },
        SubRow { 99, "", "", "99" }, SubRow { 100, "", "FNC4", "" }, SubRow { 101, "FNC4", "", "" },
        SubRow { 102, "FNC1", "FNC1", "FNC1" }));

TEST(CharacterSet, ColumnsAreCompleteAndDistinct)
{
    CBarCode128CharacterSet set;
    // Each code set names every symbol but its two code switches, each once.
    using Column = const QString& (CBarCode128CharSetEntry::*)() const;
    for (Column column :
        { &CBarCode128CharSetEntry::SubA, &CBarCode128CharSetEntry::SubB, &CBarCode128CharSetEntry::SubC }) {
        QSet<QString> names;
        int empty = 0;
        for (int v = 0; v <= set.Count(); ++v) {
            const QString& name = (set.Item(v).*column)();
            if (name.isEmpty())
                ++empty;
            else
                names.insert(name);
        }
        EXPECT_EQ(empty, 2);
        EXPECT_EQ(names.size(), 101);
    }
}
