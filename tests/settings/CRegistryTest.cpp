#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "settings/CRegistry.h"
#include "support/TestSupport.h"

using namespace kyt;
using namespace kyt::reg;
using kyt::test::keyExists;
using kyt::test::putString;
using kyt::test::StoreScope;

namespace
{
const QString kKey = QStringLiteral("Software\\Test\\Reg");

} // namespace

TEST(CRegistry, FreshObjectReadsNothingButDefaults)
{
    StoreScope scope;
    CRegistry r;
    EXPECT_EQ(r.ValueCount(), 0);
    EXPECT_EQ(r.GetValue(QStringLiteral("Anything"), QStringLiteral("fallback")), QStringLiteral("fallback"));
    EXPECT_EQ(r.GetValue(QStringLiteral("Anything")), QString());
    EXPECT_EQ(r.valueTable().rowCount(), 1);
}

TEST(CRegistry, ListingReadsStringValuesAndSkipsOtherTypes)
{
    StoreScope scope;
    RegistryStore& s = scope.store();
    putString(s, HKEY_LOCAL_MACHINE, kKey, QStringLiteral("FontName"), QStringLiteral("Arial"));
    HKEY h = 0;
    ASSERT_EQ(s.RegOpenKeyEx(HKEY_LOCAL_MACHINE, kKey, 0, KEY_ALL_ACCESS, &h), ERROR_SUCCESS);
    // Values another tool wrote with other types sit between the strings.
    ASSERT_EQ(s.RegSetValueEx(h, QStringLiteral("Binary"), 0, REG_BINARY, QByteArray("\x00\x01", 2)), ERROR_SUCCESS);
    ASSERT_EQ(s.RegSetValueEx(h, QStringLiteral("Count"), 0, REG_DWORD, QByteArray("\x05\0\0\0", 4)), ERROR_SUCCESS);
    ASSERT_EQ(s.RegSetValueEx(h, QStringLiteral("Size"), 0, REG_SZ, "10.5"), ERROR_SUCCESS);
    s.RegCloseKey(h);
    putString(s, HKEY_LOCAL_MACHINE, kKey + QStringLiteral("\\Child"), QStringLiteral("x"), QStringLiteral("y"));

    CRegistry r;
    qint16 count = -1;
    const RegValueTable table = r.GetAllStringData(kKey, &count);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(r.ValueCount(), 2);
    ASSERT_EQ(table.rowCount(), 3);
    EXPECT_EQ(table.at(0, 0), QStringLiteral("FontName"));
    EXPECT_EQ(table.at(1, 0), QStringLiteral("Arial"));
    EXPECT_EQ(table.at(0, 1), QStringLiteral("Size"));
    EXPECT_EQ(table.at(1, 1), QStringLiteral("10.5"));
    EXPECT_EQ(table.at(2, 0), QString());
    EXPECT_EQ(table.at(0, 2), QString()); // the spare row
    EXPECT_EQ(table.at(0, 7), QString());
    EXPECT_EQ(r.SubKeyCount(), 1);
    EXPECT_EQ(r.GetSubKey(0), QStringLiteral("Child"));

    EXPECT_EQ(r.GetValue(QStringLiteral("fontname")), QStringLiteral("Arial"));
    EXPECT_EQ(r.GetValue(QVariant(1)), QStringLiteral("10.5"));
    EXPECT_EQ(r.GetName(0), QStringLiteral("FontName"));
    EXPECT_EQ(r.GetName(-1), QString());
    EXPECT_EQ(r.GetSubKey(r.SubKeyCount()), QString());
    EXPECT_EQ(r.GetDoubleValue(QStringLiteral("Size")), 10.5);
}

TEST(CRegistry, GetValueByIndexOutsideTheTableIsReportedWithoutDefault)
{
    StoreScope scope;
    CRegistry r;
    auto error = test::quietError();
    r.setErrorObject(error);
    EXPECT_EQ(r.GetValue(QVariant(5), QStringLiteral("d")), QString());
    EXPECT_EQ(r.lastErrorNumber(), 9);
    EXPECT_TRUE(error->lastLogLine().contains(QStringLiteral("KYTPreview.CRegistry (8.1.3) GetValue")));
    // The spare row is inside the table: empty, so the default applies.
    EXPECT_EQ(r.GetValue(QVariant(0), QStringLiteral("d")), QStringLiteral("d"));
}

TEST(CRegistry, TypedGettersConvertOrGiveTheEmptyValue)
{
    StoreScope scope;
    struct Row {
        const char* text;
        qint16 integer;
        qint32 longValue;
        bool boolean;
        double number;
    } rows[] = {
        { "abc", 0, 0, false, 0.0 },
        { "12", 12, 12, true, 12.0 },
        { "2.5", 2, 2, true, 2.5 },
        { "3.5", 4, 4, true, 3.5 },
        { "40000", 0, 40000, true, 40000 },
        { "true", -1, -1, true, 0.0 },
        { "FALSE", 0, 0, false, 0.0 },
        { "0", 0, 0, false, 0.0 },
        { "-7", -7, -7, true, -7.0 },
    };
    int i = 0;
    for (const Row& row : rows)
        putString(scope.store(), HKEY_LOCAL_MACHINE, kKey, QStringLiteral("v%1").arg(i++), QString::fromUtf8(row.text));
    CRegistry r;
    r.GetAllStringData(kKey);
    i = 0;
    for (const Row& row : rows) {
        const QString name = QStringLiteral("v%1").arg(i++);
        EXPECT_EQ(r.GetIntegerValue(name), row.integer) << row.text;
        EXPECT_EQ(r.GetLongValue(name), row.longValue) << row.text;
        EXPECT_EQ(r.GetBooleanValue(name), row.boolean) << row.text;
        EXPECT_EQ(r.GetDoubleValue(name), row.number) << row.text;
        EXPECT_EQ(r.GetStringValue(name), QString::fromUtf8(row.text));
    }
    EXPECT_EQ(r.GetIntegerValue(QStringLiteral("missing"), 1), 1);
    EXPECT_TRUE(r.GetBooleanValue(QStringLiteral("missing"), true));
    EXPECT_EQ(r.GetDoubleValue(QStringLiteral("missing"), 2.25), 2.25);
    EXPECT_EQ(r.GetStringValue(QStringLiteral("missing"), QStringLiteral("x")), QStringLiteral("x"));
}

TEST(CRegistry, WritesAreNotSeenUntilListedAgain)
{
    StoreScope scope;
    putString(scope.store(), HKEY_LOCAL_MACHINE, kKey, QStringLiteral("Name"), QStringLiteral("old"));
    CRegistry r;
    r.GetAllStringData(kKey);
    EXPECT_TRUE(r.SetValue(QStringLiteral("Name"), QStringLiteral("new")));
    EXPECT_EQ(r.GetValue(QStringLiteral("Name")), QStringLiteral("old"));
    r.Refresh();
    EXPECT_EQ(r.GetValue(QStringLiteral("Name")), QStringLiteral("new"));
    // An index names the listed value at that row; outside the listing nothing is written.
    EXPECT_TRUE(r.SetValue(QVariant(0), QStringLiteral("byIndex")));
    EXPECT_FALSE(r.SetValue(QVariant(4), QStringLiteral("nowhere")));
    r.Refresh();
    EXPECT_EQ(r.GetValue(QStringLiteral("Name")), QStringLiteral("byIndex"));
    EXPECT_EQ(r.ValueCount(), 1);
    // An empty text is a value too.
    EXPECT_TRUE(r.SetValue(QStringLiteral("Empty"), QString()));
    r.Refresh();
    EXPECT_EQ(r.ValueCount(), 2);
}

TEST(CRegistry, AutoCreateListingCreatesTheKeyOtherwiseTheCacheStaysEmpty)
{
    StoreScope scope;
    CRegistry r;
    r.setAutoCreate(false);
    r.GetAllStringData(QStringLiteral("Software\\Nope"));
    EXPECT_FALSE(keyExists(scope.store(), HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Nope")));
    EXPECT_FALSE(r.SetValue(QStringLiteral("v"), QStringLiteral("1")));
    r.setAutoCreate(true);
    r.GetAllStringData(QStringLiteral("Software\\Made"));
    EXPECT_TRUE(keyExists(scope.store(), HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Made")));
    EXPECT_EQ(r.ValueCount(), 0);
    EXPECT_EQ(r.SubKeyCount(), 0);
    EXPECT_EQ(scope.store().openHandleCount(), 0);
}

TEST(CRegistry, FailedWriteShowsTheMessageAndReturnsFalse)
{
    StoreScope scope;
    test::ScriptedBoxScope boxes;
    CRegistry r;
    r.setKey(kKey);
    // A name the store refuses: the write fails even for empty data.
    for (const QString& data : { QStringLiteral("x"), QString() }) {
        boxes.box().clear();
        EXPECT_FALSE(r.SetValue(QString(MaxValueNameLength + 1, QLatin1Char('n')), data));
        ASSERT_EQ(boxes.box().asked().size(), 1u);
        EXPECT_EQ(boxes.box().asked()[0].prompt, QStringLiteral("Couldn't write new value to registry."));
        EXPECT_EQ(boxes.box().asked()[0].title, QStringLiteral("Write Failed"));
        EXPECT_EQ(boxes.box().asked()[0].style, vbInformation);
    }
}

TEST(CRegistry, CreateMakesTheSubKeyAndWritesTheValue)
{
    StoreScope scope;
    test::ScriptedBoxScope boxes;
    CRegistry r;
    r.setKey(QStringLiteral("Software\\C"));
    EXPECT_TRUE(r.Create(QStringLiteral("Sub"), QStringLiteral("Greeting"), QStringLiteral("hello")));
    EXPECT_EQ(r.Key(), QStringLiteral("Software\\C\\Sub"));
    r.Refresh();
    EXPECT_EQ(r.GetValue(QStringLiteral("greeting")), QStringLiteral("hello"));
    EXPECT_TRUE(boxes.box().asked().empty());

    // A value that cannot be written: the key is still made, the user is told.
    EXPECT_TRUE(
        r.Create(QStringLiteral("Two"), QString(MaxValueNameLength + 1, QLatin1Char('n')), QStringLiteral("v")));
    ASSERT_EQ(boxes.box().asked().size(), 2u);
    EXPECT_EQ(boxes.box().asked()[1].prompt, QStringLiteral("Could not set value"));

    // An empty current key takes the sub-key as it is (no leading backslash).
    CRegistry fresh;
    EXPECT_TRUE(fresh.Create(QStringLiteral("Top")));
    EXPECT_EQ(fresh.Key(), QStringLiteral("Top"));
    EXPECT_TRUE(keyExists(scope.store(), HKEY_LOCAL_MACHINE, QStringLiteral("Top")));
}

TEST(CRegistry, CreateOnAnInvalidRootIsReported)
{
    StoreScope scope;
    CRegistry r;
    auto error = test::quietError();
    r.setErrorObject(error);
    r.setKey(QStringLiteral("K"));
    r.setRoot(0x80000004); // no such root here
    EXPECT_EQ(r.lastErrorNumber(), static_cast<qint32>(0x80040209u));
    EXPECT_EQ(r.lastErrorText(), QStringLiteral("Unknown Error: 6"));
    EXPECT_TRUE(error->lastLogLine().contains(QStringLiteral("CRegistry (8.1.3) RootLet")));
    EXPECT_FALSE(r.Create(QStringLiteral("S")));
    EXPECT_TRUE(error->lastLogLine().contains(QStringLiteral("CRegistry (8.1.3) Create")));
    EXPECT_FALSE(r.DeleteValue(QStringLiteral("x")));
    EXPECT_TRUE(error->lastLogLine().contains(QStringLiteral("CRegistry (8.1.3) DeleteValue")));
}

TEST(CRegistry, DeleteValueListsAgain)
{
    StoreScope scope;
    putString(scope.store(), HKEY_LOCAL_MACHINE, kKey, QStringLiteral("A"), QStringLiteral("1"));
    putString(scope.store(), HKEY_LOCAL_MACHINE, kKey, QStringLiteral("B"), QStringLiteral("2"));
    CRegistry r;
    r.GetAllStringData(kKey);
    EXPECT_TRUE(r.DeleteValue(QStringLiteral("a")));
    EXPECT_EQ(r.ValueCount(), 1);
    EXPECT_EQ(r.GetName(0), QStringLiteral("B"));
    EXPECT_FALSE(r.DeleteValue(QStringLiteral("a")));
}

TEST(CRegistry, DeleteKeyRemovesTheWholeSubtree)
{
    StoreScope scope;
    RegistryStore& s = scope.store();
    for (const char* p : { "Root\\T\\a\\b\\c", "Root\\T\\a\\d", "Root\\T\\e", "Root\\Keep" })
        putString(s, HKEY_LOCAL_MACHINE, QString::fromLatin1(p), QStringLiteral("v"), QStringLiteral("1"));
    CRegistry r;
    r.setKey(QStringLiteral("Root"));
    EXPECT_TRUE(r.DeleteKey(QStringLiteral("t")));
    EXPECT_EQ(r.Key(), QStringLiteral("Root"));
    EXPECT_FALSE(keyExists(s, HKEY_LOCAL_MACHINE, QStringLiteral("Root\\T")));
    EXPECT_TRUE(keyExists(s, HKEY_LOCAL_MACHINE, QStringLiteral("Root\\Keep")));
    EXPECT_FALSE(r.DeleteKey(QStringLiteral("T")));
    EXPECT_EQ(s.openHandleCount(), 0);
}

TEST(CRegistry, DeleteKeyStepsOverASubKeyThatCannotGoAndEnds)
{
    StoreScope scope;
    RegistryStore& s = scope.store();
    // A chain deeper than the delete walk goes cannot be deleted; its
    // siblings still are, and the walk ends.
    QStringList deep { QStringLiteral("Root"), QStringLiteral("D"), QStringLiteral("chain") };
    while (deep.size() < CRegistry::MaxDeleteDepth + 5)
        deep << QStringLiteral("n");
    putString(s, HKEY_LOCAL_MACHINE, deep.join(QLatin1Char('\\')), QStringLiteral("v"), QStringLiteral("1"));
    for (const char* p : { "Root\\D\\a", "Root\\D\\z\\y" })
        putString(s, HKEY_LOCAL_MACHINE, QString::fromLatin1(p), QStringLiteral("v"), QStringLiteral("1"));
    CRegistry r;
    r.setKey(QStringLiteral("Root"));
    EXPECT_FALSE(r.DeleteKey(QStringLiteral("D")));
    EXPECT_TRUE(keyExists(s, HKEY_LOCAL_MACHINE, deep.join(QLatin1Char('\\'))));
    EXPECT_FALSE(keyExists(s, HKEY_LOCAL_MACHINE, QStringLiteral("Root\\D\\a")));
    EXPECT_FALSE(keyExists(s, HKEY_LOCAL_MACHINE, QStringLiteral("Root\\D\\z")));
    EXPECT_EQ(r.Key(), QStringLiteral("Root"));
    EXPECT_EQ(s.openHandleCount(), 0);
}

TEST(CRegistry, RegSettingsListOnlyWhenThePathChanges)
{
    StoreScope scope;
    CRegistry r;
    EXPECT_TRUE(r.SaveRegSetting(QStringLiteral("Software\\App"), QStringLiteral("Sec"), QStringLiteral("Flag"), true));
    EXPECT_EQ(r.Key(), QStringLiteral("Software\\App\\Sec"));
    // Same path: the cache of the earlier listing answers.
    EXPECT_EQ(r.GetRegSetting(QStringLiteral("software\\app"), QStringLiteral("SEC"), QStringLiteral("Flag"),
                  QStringLiteral("none")),
        QStringLiteral("none"));
    r.Refresh();
    EXPECT_EQ(r.GetRegSetting(QStringLiteral("Software\\App"), QStringLiteral("Sec"), QStringLiteral("flag")),
        QStringLiteral("True"));
    EXPECT_TRUE(r.SaveRegSetting(QStringLiteral("Software\\App"), QStringLiteral("Sec"), QStringLiteral("Num"), 2.5));
    r.Refresh();
    EXPECT_EQ(r.GetValue(QStringLiteral("Num")), QStringLiteral("2.5"));
}
