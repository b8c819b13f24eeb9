// The generated barcode fonts: registration, which characters they map, and
// the width of every glyph in modules.
#include <gtest/gtest.h>

#include "BarcodeTestPrint.h"

#include "barcode/CBarCode128CharacterSet.h"
#include "barcode/modBarCodeRoutines.h"
#include "platform/BarcodeFonts.h"
#include "util/Ansi.h"
#include <QFontDatabase>
#include <QRawFont>
#include <QSet>
#include <QStringList>
#include <atomic>
#include <thread>
#include <vector>

using namespace kyt;

namespace
{
constexpr qreal kPixelSize = 1024; // one font unit per pixel: a module is 64
constexpr qreal kModule = 64;

QRawFont rawFont(const char* family)
{
    EXPECT_TRUE(registerBarcodeFonts());
    const QString path = registeredBarcodeFontFile(QLatin1String(family));
    EXPECT_FALSE(path.isEmpty()) << family;
    return QRawFont(path, kPixelSize, QFont::PreferNoHinting);
}

quint32 glyphOf(const QRawFont& font, QChar c)
{
    const QList<quint32> g = font.glyphIndexesForString(QString(c));
    return g.size() == 1 ? g.first() : 0;
}

qreal advanceOf(const QRawFont& font, QChar c)
{
    const QList<QPointF> a = font.advancesForGlyphIndexes(QList<quint32> { glyphOf(font, c) });
    return a.isEmpty() ? -1 : a.first().x();
}
} // namespace

TEST(BarcodeFonts, RegisterOnceFromAnyThread)
{
    std::atomic<int> ok { 0 };
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i)
        threads.emplace_back([&] { ok += registerBarcodeFonts() ? 1 : 0; });
    for (auto& t : threads)
        t.join();
    EXPECT_EQ(ok.load(), 4);
    EXPECT_TRUE(registerBarcodeFonts());
    const QStringList families = QFontDatabase::families();
    EXPECT_TRUE(families.contains(QLatin1String(kBarcode39Family)));
    EXPECT_TRUE(families.contains(QLatin1String(kBarcode128Family)));
    // Registered once: the application font list holds each family one time.
    EXPECT_EQ(families.count(QLatin1String(kBarcode128Family)), 1);
    EXPECT_TRUE(registeredBarcodeFontFile(QLatin1String(kBarcode128Family)).endsWith(QLatin1String(kBarcode128File)));
    EXPECT_TRUE(registeredBarcodeFontFile(QStringLiteral("Arial")).isEmpty());
}

TEST(BarcodeFonts, Code128MapsEveryEncodedCharacter)
{
    const QRawFont font = rawFont(kBarcode128Family);
    ASSERT_TRUE(font.isValid());
    EXPECT_EQ(font.familyName(), QLatin1String(kBarcode128Family));
    // Code set B: value v at code v + 32, for every value 0..102.
    std::vector<quint32> glyphForValue(103);
    for (int v = 0; v <= 102; ++v) {
        const QChar c = ansiChar(static_cast<unsigned char>(v + 32));
        ASSERT_TRUE(font.supportsCharacter(c)) << "value " << v;
        glyphForValue[v] = glyphOf(font, c);
        EXPECT_EQ(advanceOf(font, c), 11 * kModule) << "value " << v;
    }
    // 103 different symbols.
    EXPECT_EQ(QSet<quint32>(glyphForValue.begin(), glyphForValue.end()).size(), 103);
    // The symbol table characters print the same symbols as code set B.
    const CBarCode128CharacterSet table;
    for (int v = 0; v <= table.Count(); ++v)
        EXPECT_EQ(glyphOf(font, table.Item(v).Character().at(0)), glyphForValue[v]) << "value " << v;
    // Start and stop carry a 10-module quiet zone; stop has its 2-module termination bar.
    for (const QString& start : { Code128StartA(), Code128StartB(), Code128StartC() }) {
        EXPECT_EQ(advanceOf(font, start.at(0)), 21 * kModule);
        EXPECT_NEAR(font.boundingRect(glyphOf(font, start.at(0))).left(), 10 * kModule, 0.5);
    }
    EXPECT_EQ(advanceOf(font, Code128Stop().at(0)), 23 * kModule);
    EXPECT_NEAR(font.boundingRect(glyphOf(font, Code128Stop().at(0))).right(), 13 * kModule, 0.5);
    EXPECT_FALSE(font.supportsCharacter(QChar(0x00C1))); // 193: no symbol
}

TEST(BarcodeFonts, BarsFillTheLineAndAbut)
{
    const QRawFont font = rawFont(kBarcode128Family);
    ASSERT_TRUE(font.isValid());
    const qreal lineHeight = font.ascent() + font.descent();
    EXPECT_NEAR(lineHeight, kPixelSize, 0.5);
    for (int v = 0; v <= 102; ++v) {
        const QRectF r = font.boundingRect(glyphOf(font, ansiChar(static_cast<unsigned char>(v + 32))));
        EXPECT_NEAR(r.top(), -font.ascent(), 0.5) << v;
        EXPECT_NEAR(r.bottom(), font.descent(), 0.5) << v;
        EXPECT_NEAR(r.left(), 0, 0.5) << v; // every symbol starts with a bar
        EXPECT_LT(r.right(), 11 * kModule - kModule + 0.5) << v; // and ends with a space
    }
}

TEST(BarcodeFonts, Code39CharactersAndWidths)
{
    const QRawFont font = rawFont(kBarcode39Family);
    ASSERT_TRUE(font.isValid());
    EXPECT_EQ(font.familyName(), QLatin1String(kBarcode39Family));
    const QString chars = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*");
    QSet<quint32> glyphs;
    for (QChar c : chars) {
        ASSERT_TRUE(font.supportsCharacter(c)) << c.toLatin1();
        glyphs.insert(glyphOf(font, c));
        // 6 narrow and 3 wide elements at 3:1, plus the narrow gap.
        EXPECT_EQ(advanceOf(font, c), 16 * kModule) << c.toLatin1();
    }
    EXPECT_EQ(glyphs.size(), chars.size());
    for (char c = 'a'; c <= 'z'; ++c)
        EXPECT_EQ(glyphOf(font, QLatin1Char(c)), glyphOf(font, QLatin1Char(char(c - 32)))) << c;
    for (QChar c : QStringLiteral("#@!_\u00e9"))
        EXPECT_FALSE(font.supportsCharacter(c)) << int(c.unicode());
}
