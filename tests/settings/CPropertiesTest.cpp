#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "settings/CProperties.h"
#include "settings/CRegistry.h"

using namespace kyt;
using namespace kyt::reg;
using kyt::test::StoreScope;

namespace
{
const QString kDefaults = QStringLiteral("Software\\KYT\\KYT Central\\Designer\\Defaults");
const QString kEnvironment = QStringLiteral("Software\\KYT\\KYT Central\\Designer\\Environment");

void put(RegistryStore& s, const QString& path, const QString& name, const QString& value)
{
    test::putString(s, HKEY_LOCAL_MACHINE, path, name, value);
}

QString stored(RegistryStore& s, const QString& path, const QString& name)
{
    return test::storedString(s, HKEY_LOCAL_MACHINE, path, name);
}
} // namespace

TEST(CProperties, EmptyStoreGivesTheDefaultsAndCreatesBothKeys)
{
    StoreScope scope;
    CProperties p(test::quietError());
    EXPECT_EQ(p.DefaultWidth(), 3.375);
    EXPECT_EQ(p.DefaultHeight(), 2.125);
    EXPECT_EQ(p.DefaultOrientation(), 1);
    EXPECT_EQ(p.DefaultFontName(), QStringLiteral("Arial"));
    EXPECT_EQ(p.DefaultFontSize(), 8.0);
    EXPECT_EQ(p.DefaultForeGround(), static_cast<qint32>(0x80000008u));
    EXPECT_EQ(p.DefaultBackground(), static_cast<qint32>(0x80000005u));
    EXPECT_TRUE(p.DefaultShowGrid());
    EXPECT_TRUE(p.DefualtTransparent());
    EXPECT_EQ(p.left(), -1.0f);
    EXPECT_EQ(p.top(), -1.0f);
    EXPECT_EQ(p.Width(), -1.0f);
    EXPECT_EQ(p.Height(), -1.0f);
    EXPECT_EQ(stored(scope.store(), kDefaults, QStringLiteral("Width")), QStringLiteral("<no value>"));
    EXPECT_EQ(stored(scope.store(), kEnvironment, QStringLiteral("Top")), QStringLiteral("<no value>"));
    // Reached through the template's view of the defaults too.
    const TemplateDefaults& d = p;
    EXPECT_EQ(d.DefaultWidth(), 3.375);
}

TEST(CProperties, EverySetterWritesAtOnceInItsTextForm)
{
    StoreScope scope;
    CProperties p(test::quietError());
    RegistryStore& s = scope.store();
    struct Row {
        std::function<void()> set;
        QString section;
        const char* name;
        const char* text;
    } rows[] = {
        { [&] { p.setDefaultWidth(3.5); }, kDefaults, "Width", "3.5" },
        { [&] { p.setDefaultHeight(2.25); }, kDefaults, "Height", "2.25" },
        { [&] { p.setDefaultOrientation(2); }, kDefaults, "Orientation", "2" },
        { [&] { p.setDefaultTarget(QStringLiteral("KYT.VisitorDesk")); }, kDefaults, "TargetApp", "KYT.VisitorDesk" },
        { [&] { p.setDefaultFontName(QStringLiteral("Liberation Serif")); }, kDefaults, "FontName",
            "Liberation Serif" },
        { [&] { p.setDefaultForeGround(255); }, kDefaults, "Foreground", "255" },
        { [&] { p.setDefaultBackground(static_cast<qint32>(0x80000005u)); }, kDefaults, "Background", "-2147483643" },
        { [&] { p.setDefaultFontBold(true); }, kDefaults, "FontBold", "True" },
        { [&] { p.setDefaultFontSize(10.5); }, kDefaults, "FontSize", "10.5" },
        { [&] { p.setDefaultFontItalic(true); }, kDefaults, "FontItalic", "True" },
        { [&] { p.setDefaultShowGrid(false); }, kDefaults, "ShowGrid", "False" },
        { [&] { p.setDefaultFontUnderline(true); }, kDefaults, "FontUnderline", "True" },
        { [&] { p.setDefualtTransparent(false); }, kDefaults, "Transparent", "False" },
        { [&] { p.setDefaultDuplex(true); }, kDefaults, "Duplex", "True" },
        { [&] { p.setDefaultFontToFit(true); }, kDefaults, "FontToFit", "True" },
        { [&] { p.setLeft(300); }, kEnvironment, "Left", "300" },
        { [&] { p.setTop(1200); }, kEnvironment, "Top", "1200" },
        { [&] { p.setWidth(9000.5f); }, kEnvironment, "Width", "9000.5" },
        { [&] { p.setHeight(6000); }, kEnvironment, "Height", "6000" },
    };
    for (const Row& r : rows) {
        r.set();
        EXPECT_EQ(stored(s, r.section, QString::fromLatin1(r.name)), QString::fromLatin1(r.text)) << r.name;
    }
    // A new object reads back what the setters wrote.
    CProperties q(test::quietError());
    EXPECT_EQ(q.DefaultWidth(), 3.5);
    EXPECT_EQ(q.DefaultHeight(), 2.25);
    EXPECT_EQ(q.DefaultOrientation(), 2);
    EXPECT_EQ(q.DefaultTarget(), QStringLiteral("KYT.VisitorDesk"));
    EXPECT_EQ(q.DefaultFontName(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(q.DefaultForeGround(), 255);
    EXPECT_EQ(q.DefaultBackground(), static_cast<qint32>(0x80000005u));
    EXPECT_TRUE(q.DefaultFontBold());
    EXPECT_EQ(q.DefaultFontSize(), 10.5);
    EXPECT_TRUE(q.DefaultFontItalic());
    EXPECT_FALSE(q.DefaultShowGrid());
    EXPECT_TRUE(q.DefaultFontUnderline());
    EXPECT_FALSE(q.DefualtTransparent());
    EXPECT_TRUE(q.DefaultDuplex());
    EXPECT_TRUE(q.DefaultFontToFit());
    EXPECT_EQ(q.left(), 300.0f);
    EXPECT_EQ(q.top(), 1200.0f);
    EXPECT_EQ(q.Width(), 9000.5f);
    EXPECT_EQ(q.Height(), 6000.0f);
}

TEST(CProperties, SettingTopKeepsLeft)
{
    StoreScope scope;
    {
        CProperties p(test::quietError());
        p.setLeft(15);
        p.setTop(1200);
    }
    {
        CProperties p(test::quietError());
        p.setTop(2400);
    }
    CProperties q(test::quietError());
    EXPECT_EQ(q.top(), 2400.0f);
    EXPECT_EQ(q.left(), 15.0f);
}

TEST(CProperties, StoredTextsConvertAsDocumented)
{
    struct Row {
        const char* name;
        const char* text;
        std::function<void(const CProperties&)> check;
    } rows[] = {
        { "FontSize", "9,75", [](const CProperties& p) { EXPECT_EQ(p.DefaultFontSize(), 9.75); } },
        { "FontBold", "Maybe", [](const CProperties& p) { EXPECT_FALSE(p.DefaultFontBold()); } },
        { "FontBold", "tRuE", [](const CProperties& p) { EXPECT_TRUE(p.DefaultFontBold()); } },
        { "FontBold", "1", [](const CProperties& p) { EXPECT_TRUE(p.DefaultFontBold()); } },
        { "ShowGrid", "0", [](const CProperties& p) { EXPECT_FALSE(p.DefaultShowGrid()); } },
        { "Orientation", "L", [](const CProperties& p) { EXPECT_EQ(p.DefaultOrientation(), 0); } },
        { "Width", "4.25\"", [](const CProperties& p) { EXPECT_EQ(p.DefaultWidth(), 4.25); } },
        { "Width", "wide", [](const CProperties& p) { EXPECT_EQ(p.DefaultWidth(), 0.0); } },
        { "Foreground", "2147483656",
            [](const CProperties& p) { EXPECT_EQ(p.DefaultForeGround(), static_cast<qint32>(0x80000008u)); } },
        { "Foreground", "16711680.4", [](const CProperties& p) { EXPECT_EQ(p.DefaultForeGround(), 16711680); } },
        { "Foreground", "99999999999", [](const CProperties& p) { EXPECT_EQ(p.DefaultForeGround(), 0); } },
        { "TargetApp", " spaced ",
            [](const CProperties& p) { EXPECT_EQ(p.DefaultTarget(), QStringLiteral(" spaced ")); } },
    };
    for (const Row& r : rows) {
        StoreScope scope;
        put(scope.store(), kDefaults, QString::fromLatin1(r.name), QString::fromLatin1(r.text));
        CProperties p(test::quietError());
        SCOPED_TRACE(r.text);
        r.check(p);
    }
}

TEST(CProperties, NumberTextsCarryNoExponent)
{
    EXPECT_EQ(CProperties::numberText(3.375), QStringLiteral("3.375"));
    EXPECT_EQ(CProperties::numberText(1e20), QStringLiteral("100000000000000000000"));
    EXPECT_EQ(CProperties::numberText(-1.0f), QStringLiteral("-1"));
    EXPECT_EQ(CProperties::numberText(0.1f), QStringLiteral("0.1"));
    EXPECT_EQ(CProperties::colorFromText(QStringLiteral("-2147483640")), static_cast<qint32>(0x80000008u));
}
