#include <gtest/gtest.h>

#include "SettingsTestSupport.h"

using namespace kyt;
using namespace kyt::reg;
using kyt::test::StoreScope;

namespace
{

HKEY create(RegistryStore& s, HKEY root, const QString& path, DWORD* disposition = nullptr)
{
    HKEY h = 0;
    DWORD d = 0;
    EXPECT_EQ(s.RegCreateKeyEx(root, path, 0, QString(), 0, KEY_ALL_ACCESS, &h, &d), ERROR_SUCCESS) << qPrintable(path);
    if (disposition)
        *disposition = d;
    return h;
}

QStringList valueNames(RegistryStore& s, HKEY h)
{
    QStringList names;
    QString n;
    for (DWORD i = 0; s.RegEnumValue(h, i, &n, nullptr, nullptr) == ERROR_SUCCESS; ++i)
        names << n;
    return names;
}

QStringList subKeys(RegistryStore& s, HKEY h)
{
    QStringList names;
    QString n;
    for (DWORD i = 0; s.RegEnumKeyEx(h, i, &n) == ERROR_SUCCESS; ++i)
        names << n;
    return names;
}

} // namespace

TEST(RegistryStore, CreateReportsDispositionAndKeysNestAndCompareIgnoringCase)
{
    StoreScope scope;
    RegistryStore& s = scope.store();
    DWORD d = 0;
    HKEY a = create(s, HKEY_LOCAL_MACHINE, QStringLiteral("Software\\Vendor\\App"), &d);
    EXPECT_EQ(d, REG_CREATED_NEW_KEY);
    HKEY b = create(s, HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\vendor\\APP\\"), &d);
    EXPECT_EQ(d, REG_OPENED_EXISTING_KEY);
    EXPECT_NE(a, b);

    HKEY sw = 0;
    ASSERT_EQ(s.RegOpenKeyEx(HKEY_LOCAL_MACHINE, QStringLiteral("software"), 0, KEY_READ, &sw), ERROR_SUCCESS);
    EXPECT_EQ(subKeys(s, sw), QStringList { QStringLiteral("Vendor") }); // the first spelling is kept

    // Roots are separate trees.
    HKEY none = 0;
    EXPECT_EQ(s.RegOpenKeyEx(HKEY_CURRENT_USER, QStringLiteral("Software"), 0, KEY_READ, &none), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(none, 0u);
    for (HKEY h : { a, b, sw })
        EXPECT_EQ(s.RegCloseKey(h), ERROR_SUCCESS);
    EXPECT_EQ(s.RegCloseKey(a), ERROR_INVALID_HANDLE);
    EXPECT_EQ(s.openHandleCount(), 0);
}

TEST(RegistryStore, MalformedPathsAndHandlesAreRefused)
{
    StoreScope scope;
    RegistryStore& s = scope.store();
    HKEY h = 0;
    struct Row {
        const char* path;
        LONG expected;
    } rows[] = { { "\\Leading", ERROR_BADKEY }, { "a\\\\b", ERROR_BADKEY }, { "", ERROR_SUCCESS } };
    for (const Row& r : rows) {
        EXPECT_EQ(s.RegCreateKeyEx(
                      HKEY_CURRENT_USER, QString::fromLatin1(r.path), 0, QString(), 0, KEY_ALL_ACCESS, &h, nullptr),
            r.expected)
            << r.path;
        s.RegCloseKey(h);
    }
    EXPECT_EQ(s.RegCreateKeyEx(
                  HKEY_CURRENT_USER, QString(256, QLatin1Char('x')), 0, QString(), 0, KEY_ALL_ACCESS, &h, nullptr),
        ERROR_BADKEY);
    QStringList deep;
    for (int i = 0; i <= MaxKeyDepth; ++i)
        deep << QStringLiteral("k");
    EXPECT_EQ(
        s.RegCreateKeyEx(HKEY_CURRENT_USER, deep.join(QLatin1Char('\\')), 0, QString(), 0, KEY_ALL_ACCESS, &h, nullptr),
        ERROR_BADKEY);
    EXPECT_EQ(s.RegOpenKeyEx(0x12345, QStringLiteral("x"), 0, KEY_READ, &h), ERROR_INVALID_HANDLE);
    EXPECT_EQ(s.RegSetValueEx(0x80000004u, QStringLiteral("x"), 0, REG_SZ, "a"), ERROR_INVALID_HANDLE);
    HKEY k = create(s, HKEY_CURRENT_USER, QStringLiteral("K"));
    EXPECT_EQ(
        s.RegSetValueEx(k, QString(MaxValueNameLength + 1, QLatin1Char('n')), 0, REG_SZ, "a"), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(s.RegSetValueEx(k, QStringLiteral("big"), 0, REG_BINARY, QByteArray(MaxValueSize + 1, 'x')),
        ERROR_INVALID_PARAMETER);
    s.RegCloseKey(k);
}

TEST(RegistryStore, ValuesKeepInsertionOrderTypesAndCaseInsensitiveNames)
{
    StoreScope scope;
    RegistryStore& s = scope.store();
    HKEY k = create(s, HKEY_LOCAL_MACHINE, QStringLiteral("Values"));
    ASSERT_EQ(s.RegSetValueEx(k, QStringLiteral("Zeta"), 0, REG_SZ, RegistryStore::stringData(QStringLiteral("z"))), 0);
    ASSERT_EQ(s.RegSetValueEx(k, QStringLiteral("Alpha"), 0, REG_DWORD, QByteArray("\x01\0\0\0", 4)), 0);
    ASSERT_EQ(
        s.RegSetValueEx(k, QStringLiteral("Mid"), 0, REG_SZ, RegistryStore::stringData(QStringLiteral("Grüße"))), 0);
    // Rewriting under another spelling updates in place: order and spelling stay.
    ASSERT_EQ(s.RegSetValueEx(k, QStringLiteral("ZETA"), 0, REG_SZ, QByteArray("z2\0", 3)), 0);
    EXPECT_EQ(
        valueNames(s, k), (QStringList { QStringLiteral("Zeta"), QStringLiteral("Alpha"), QStringLiteral("Mid") }));

    DWORD type = 0;
    QByteArray data;
    ASSERT_EQ(s.RegQueryValueEx(k, QStringLiteral("zeta"), &type, &data), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(data, QByteArray("z2")); // the terminator is not stored
    ASSERT_EQ(s.RegEnumValue(k, 1, nullptr, &type, &data), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(data.size(), 4);
    ASSERT_EQ(s.RegQueryValueEx(k, QStringLiteral("MID"), &type, &data), ERROR_SUCCESS);
    EXPECT_EQ(RegistryStore::dataString(data), QStringLiteral("Grüße"));
    // Walking out of order (by offset) gives the same rows.
    QString name;
    ASSERT_EQ(s.RegEnumValue(k, 2, &name, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(name, QStringLiteral("Mid"));
    ASSERT_EQ(s.RegEnumValue(k, 0, &name, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(name, QStringLiteral("Zeta"));
    EXPECT_EQ(s.RegEnumValue(k, 3, &name, nullptr, nullptr), ERROR_NO_MORE_ITEMS);

    KeyInfo info;
    ASSERT_EQ(s.RegQueryInfoKey(k, &info), ERROR_SUCCESS);
    EXPECT_EQ(info.values, 3u);
    EXPECT_EQ(info.subKeys, 0u);
    EXPECT_EQ(info.maxValueNameLen, 5u);
    EXPECT_EQ(info.maxValueLen, 8u); // "Grüße" in UTF-8 plus the terminator

    EXPECT_EQ(s.RegDeleteValue(k, QStringLiteral("alpha")), ERROR_SUCCESS);
    EXPECT_EQ(s.RegDeleteValue(k, QStringLiteral("alpha")), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(valueNames(s, k), (QStringList { QStringLiteral("Zeta"), QStringLiteral("Mid") }));
    s.RegCloseKey(k);
}

TEST(RegistryStore, SubKeysEnumerateSortedAndDeleteOnlyWhenLeaf)
{
    StoreScope scope;
    RegistryStore& s = scope.store();
    HKEY p = create(s, HKEY_CURRENT_USER, QStringLiteral("P"));
    for (const char* n : { "beta", "Alpha", "gamma" })
        s.RegCloseKey(create(s, p, QString::fromLatin1(n)));
    s.RegCloseKey(create(s, p, QStringLiteral("beta\\inner")));
    EXPECT_EQ(
        subKeys(s, p), (QStringList { QStringLiteral("Alpha"), QStringLiteral("beta"), QStringLiteral("gamma") }));
    EXPECT_EQ(s.RegDeleteKey(p, QStringLiteral("BETA")), ERROR_ACCESS_DENIED);
    EXPECT_EQ(s.RegDeleteKey(p, QStringLiteral("beta\\inner")), ERROR_SUCCESS);
    EXPECT_EQ(s.RegDeleteKey(p, QStringLiteral("beta")), ERROR_SUCCESS);
    EXPECT_EQ(s.RegDeleteKey(p, QStringLiteral("beta")), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(s.RegDeleteKey(p, QString()), ERROR_BADKEY);

    // A handle whose key went away says so instead of writing into nowhere.
    HKEY g = 0;
    ASSERT_EQ(s.RegOpenKeyEx(p, QStringLiteral("gamma"), 0, KEY_ALL_ACCESS, &g), ERROR_SUCCESS);
    ASSERT_EQ(s.RegDeleteKey(p, QStringLiteral("gamma")), ERROR_SUCCESS);
    EXPECT_EQ(s.RegSetValueEx(g, QStringLiteral("x"), 0, REG_SZ, "1"), ERROR_KEY_DELETED);
    EXPECT_EQ(s.RegEnumValue(g, 0, nullptr, nullptr, nullptr), ERROR_KEY_DELETED);
    s.RegCloseKey(g);
    s.RegCloseKey(p);
}

TEST(RegistryStore, AccessRightsOfTheHandleAreEnforced)
{
    StoreScope scope;
    RegistryStore& s = scope.store();
    s.RegCloseKey(create(s, HKEY_CURRENT_USER, QStringLiteral("A")));
    HKEY ro = 0;
    ASSERT_EQ(s.RegOpenKeyEx(HKEY_CURRENT_USER, QStringLiteral("A"), 0, KEY_READ, &ro), ERROR_SUCCESS);
    EXPECT_EQ(s.RegSetValueEx(ro, QStringLiteral("v"), 0, REG_SZ, "1"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(s.RegDeleteValue(ro, QStringLiteral("v")), ERROR_ACCESS_DENIED);
    HKEY child = 0;
    EXPECT_EQ(s.RegCreateKeyEx(ro, QStringLiteral("new"), 0, QString(), 0, KEY_ALL_ACCESS, &child, nullptr),
        ERROR_ACCESS_DENIED);
    HKEY wo = 0;
    ASSERT_EQ(s.RegOpenKeyEx(HKEY_CURRENT_USER, QStringLiteral("A"), 0, KEY_SET_VALUE, &wo), ERROR_SUCCESS);
    EXPECT_EQ(s.RegSetValueEx(wo, QStringLiteral("v"), 0, REG_SZ, "1"), ERROR_SUCCESS);
    EXPECT_EQ(s.RegEnumValue(wo, 0, nullptr, nullptr, nullptr), ERROR_ACCESS_DENIED);
    EXPECT_EQ(s.RegEnumKeyEx(wo, 0, nullptr), ERROR_ACCESS_DENIED);
    s.RegCloseKey(ro);
    s.RegCloseKey(wo);
}

TEST(RegistryStore, WritesPersistAcrossReopenAndRootNamesParse)
{
    StoreScope scope;
    {
        HKEY k = create(scope.store(), HKEY_USERS, QStringLiteral("S-1\\Prefs"));
        ASSERT_EQ(scope.store().RegSetValueEx(k, QStringLiteral("Color"), 0, REG_SZ, "blue"), ERROR_SUCCESS);
        scope.store().RegCloseKey(k);
    }
    scope.reopen();
    EXPECT_TRUE(scope.store().isPersistent());
    HKEY k = 0;
    ASSERT_EQ(scope.store().RegOpenKeyEx(HKEY_USERS, QStringLiteral("s-1\\prefs"), 0, KEY_READ, &k), ERROR_SUCCESS);
    QByteArray data;
    ASSERT_EQ(scope.store().RegQueryValueEx(k, QStringLiteral("color"), nullptr, &data), ERROR_SUCCESS);
    EXPECT_EQ(data, QByteArray("blue"));
    scope.store().RegCloseKey(k);

    EXPECT_EQ(rootFromName(QStringLiteral("HKLM")), HKEY_LOCAL_MACHINE);
    EXPECT_EQ(rootFromName(QStringLiteral("hkey_current_user")), HKEY_CURRENT_USER);
    EXPECT_EQ(rootFromName(QStringLiteral("HKCR")), HKEY_CLASSES_ROOT);
    EXPECT_EQ(rootFromName(QStringLiteral("HKXX")), 0u);
    EXPECT_EQ(rootName(HKEY_USERS), QStringLiteral("HKEY_USERS"));
}
