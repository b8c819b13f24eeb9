#include "settings/AppSettings.h"

namespace kyt::settings
{

using namespace reg;

namespace
{
std::shared_ptr<RegistryStore> storeOr(RegistryStore* store)
{
    if (store)
        return std::shared_ptr<RegistryStore>(store, [](RegistryStore*) {});
    return RegistryStore::current();
}
QString sectionPath(const QString& appName, const QString& section)
{
    return appName + QLatin1Char('\\') + section;
}

// Closes a handle on every way out.
struct OpenKey {
    RegistryStore& store;
    HKEY handle = 0;
    ~OpenKey()
    {
        if (handle)
            store.RegCloseKey(handle);
    }
};
} // namespace

QList<Setting> GetAllSettings(const QString& appName, const QString& section, RegistryStore* store)
{
    const auto s = storeOr(store);
    QList<Setting> out;
    OpenKey key { *s };
    if (s->RegOpenKeyEx(HKEY_CURRENT_USER, sectionPath(appName, section), 0, KEY_READ, &key.handle) != ERROR_SUCCESS)
        return out;
    for (DWORD i = 0;; ++i) {
        QString name;
        DWORD type = REG_NONE;
        QByteArray data;
        if (s->RegEnumValue(key.handle, i, &name, &type, &data) != ERROR_SUCCESS)
            break;
        if (type == REG_SZ)
            out.append(Setting(name, RegistryStore::dataString(data)));
    }
    return out;
}

QString GetSetting(const QString& appName, const QString& section, const QString& keyName, const QString& defaultValue,
    RegistryStore* store)
{
    const auto s = storeOr(store);
    OpenKey key { *s };
    if (s->RegOpenKeyEx(HKEY_CURRENT_USER, sectionPath(appName, section), 0, KEY_READ, &key.handle) != ERROR_SUCCESS)
        return defaultValue;
    DWORD type = REG_NONE;
    QByteArray data;
    if (s->RegQueryValueEx(key.handle, keyName, &type, &data) != ERROR_SUCCESS || type != REG_SZ)
        return defaultValue;
    return RegistryStore::dataString(data);
}

LONG SaveSetting(
    const QString& appName, const QString& section, const QString& keyName, const QString& value, RegistryStore* store)
{
    const auto s = storeOr(store);
    OpenKey key { *s };
    DWORD disposition = 0;
    if (LONG rc = s->RegCreateKeyEx(
            HKEY_CURRENT_USER, sectionPath(appName, section), 0, QString(), 0, KEY_WRITE, &key.handle, &disposition))
        return rc;
    return s->RegSetValueEx(key.handle, keyName, 0, REG_SZ, RegistryStore::stringData(value));
}

LONG DeleteSetting(const QString& appName, const QString& section, const QString& keyName, RegistryStore* store)
{
    const auto s = storeOr(store);
    OpenKey key { *s };
    if (LONG rc = s->RegOpenKeyEx(HKEY_CURRENT_USER, sectionPath(appName, section), 0, KEY_WRITE, &key.handle))
        return rc;
    return s->RegDeleteValue(key.handle, keyName);
}

} // namespace kyt::settings
