// The symbology table, names, GS1 readings and the encoder's refusals.
#include <gtest/gtest.h>

#include "BarcodeTestPrint.h"
#include "barcode/Symbol.h"
#include "errors/CError.h"
#include <QSet>

using namespace kyt;

TEST(Symbology, NumbersLeaveTheBarcodeFontTypesAlone)
{
    QSet<qint32> seen;
    for (const Symbology& s : symbologies()) {
        EXPECT_GE(s.type, 10) << s.name;
        EXPECT_NE(s.type, 128) << s.name; // "128" is the reading word of type 2
        EXPECT_FALSE(seen.contains(s.type)) << s.name;
        seen.insert(s.type);
        EXPECT_EQ(symbologyOf(s.type), &s);
    }
    EXPECT_EQ(seen.size(), 16);
    for (qint32 t : { 0, 1, 2, 3, 4, 99 })
        EXPECT_EQ(symbologyOf(t), nullptr) << t;
}

TEST(Symbology, FoundByWordOrName)
{
    const struct {
        const char* given;
        const char* name;
    } rows[] = { { "qr", "QR Code" }, { "QR Code", "QR Code" }, { "gs1_128", "GS1-128" },
        { "GS1 DataMatrix", "GS1 DataMatrix" }, { "EAN-13", "EAN-13" }, { "upce", "UPC-E" }, { "Code 93", "Code 93" } };
    for (const auto& r : rows) {
        const Symbology* s = symbologyNamed(QString::fromLatin1(r.given));
        ASSERT_NE(s, nullptr) << r.given;
        EXPECT_STREQ(s->name, r.name);
    }
    EXPECT_EQ(symbologyNamed(QStringLiteral("128B")), nullptr);
    EXPECT_EQ(symbologyNamed(QString()), nullptr);
}

TEST(Symbology, ErrorCorrectionNames)
{
    EXPECT_EQ(ecLevelName(*symbologyNamed(QStringLiteral("qr")), 4), QStringLiteral("H (30 %)"));
    EXPECT_EQ(ecLevelName(*symbologyNamed(QStringLiteral("aztec")), 2), QStringLiteral("23 %"));
    EXPECT_EQ(ecLevelName(*symbologyNamed(QStringLiteral("pdf417")), 1), QStringLiteral("Level 0"));
    EXPECT_EQ(ecLevelName(*symbologyNamed(QStringLiteral("pdf417")), 10), QString());
    EXPECT_EQ(ecLevelName(*symbologyNamed(QStringLiteral("ean13")), 1), QString());
}

// A group separator follows a variable-length element unless it is the last.
TEST(Symbology, Gs1Reading)
{
    const struct {
        const char* in;
        const char* out;
    } rows[] = {
        { "(01)09501101530003", "0109501101530003" },
        { "(01)09501101530003(17)250101(10)AB12", "01095011015300031725010110AB12" },
        { "(10)AB12(21)XY",
            "10AB12\x1D"
            "21XY" },
        { "(3103)000189(21)1(00)123456789012345675",
            "3103000189211\x1D"
            "00123456789012345675" },
    };
    for (const auto& r : rows)
        EXPECT_EQ(gs1Reading(QString::fromLatin1(r.in)), QString::fromLatin1(r.out)) << r.in;
}

TEST(Symbology, EncodedGridAndRefusals)
{
    const EncodedSymbol qr(*symbologyNamed(QStringLiteral("qr")), QStringLiteral("Hello"));
    EXPECT_EQ(qr.columns(), 21);
    EXPECT_EQ(qr.rows(), 21);
    EXPECT_TRUE(qr.module(0, 0)); // finder pattern corner
    EXPECT_FALSE(qr.module(7, 7)); // its separator
    EXPECT_TRUE(qr.humanReadable().isEmpty());

    const EncodedSymbol code39(*symbologyNamed(QStringLiteral("code39")), QStringLiteral("ab1"));
    EXPECT_EQ(code39.rows(), 1);
    EXPECT_EQ(code39.humanReadable(), QStringLiteral("*AB1*"));
    EXPECT_EQ(code39.reading(), QStringLiteral("AB1"));

    const struct {
        const char* word;
        QString value;
        const char* start;
    } bad[] = {
        { "qr", QString(), "QR Code: there is nothing to encode" },
        { "qr", QString(8000, QLatin1Char('9')), "QR Code: " },
        { "ean8", QStringLiteral("12345"), "EAN-8: holds 7 digits" },
        { "itf14", QStringLiteral("12AB"), "ITF-14: " },
        { "gs1qr", QStringLiteral("(01)123"), "GS1 QR: " },
    };
    for (const auto& b : bad) {
        try {
            EncodedSymbol(*symbologyNamed(QLatin1String(b.word)), b.value);
            ADD_FAILURE() << b.word << " encoded";
        } catch (const KytError& e) {
            EXPECT_EQ(e.number(), 5);
            EXPECT_TRUE(e.description().startsWith(QLatin1String(b.start))) << e.description().toStdString();
            EXPECT_FALSE(e.description().contains(QLatin1String("Error "))) << e.description().toStdString();
        }
    }
}
