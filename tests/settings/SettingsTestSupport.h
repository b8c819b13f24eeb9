#pragma once
// A private settings store per test, installed as the process-wide one.

#include <gtest/gtest.h>

#include "errors/CError.h"
#include "platform/RegistryStore.h"
#include "support/TestSupport.h"
#include <QTemporaryDir>
#include <memory>

namespace kyt::test
{

class StoreScope
{
public:
    StoreScope()
        : m_file(m_dir.path() + QStringLiteral("/registry.db"))
        , m_store(std::make_shared<reg::RegistryStore>(m_file))
    {
        reg::RegistryStore::setCurrent(m_store);
    }
    ~StoreScope() { reg::RegistryStore::setCurrent(nullptr); }
    reg::RegistryStore& store() { return *m_store; }
    std::shared_ptr<reg::RegistryStore> shared() { return m_store; }
    const QString& file() const { return m_file; }
    QString dir() const { return m_dir.path(); }
    // Drops the store and opens the file again, as a new process would.
    void reopen()
    {
        reg::RegistryStore::setCurrent(nullptr);
        m_store.reset();
        m_store = std::make_shared<reg::RegistryStore>(m_file);
        reg::RegistryStore::setCurrent(m_store);
    }

private:
    QTemporaryDir m_dir;
    QString m_file;
    std::shared_ptr<reg::RegistryStore> m_store;
};

// Writes a string value, creating the key.
inline void putString(
    reg::RegistryStore& s, reg::HKEY root, const QString& path, const QString& name, const QString& value)
{
    using namespace reg;
    HKEY h = 0;
    ASSERT_EQ(s.RegCreateKeyEx(root, path, 0, QString(), 0, KEY_ALL_ACCESS, &h, nullptr), ERROR_SUCCESS);
    ASSERT_EQ(s.RegSetValueEx(h, name, 0, REG_SZ, RegistryStore::stringData(value)), ERROR_SUCCESS);
    s.RegCloseKey(h);
}

// The stored text of a value, "<no key>" or "<no value>" when missing.
inline QString storedString(reg::RegistryStore& s, reg::HKEY root, const QString& path, const QString& name)
{
    using namespace reg;
    HKEY h = 0;
    if (s.RegOpenKeyEx(root, path, 0, KEY_READ, &h) != ERROR_SUCCESS)
        return QStringLiteral("<no key>");
    QByteArray data;
    const LONG rc = s.RegQueryValueEx(h, name, nullptr, &data);
    s.RegCloseKey(h);
    return rc == ERROR_SUCCESS ? RegistryStore::dataString(data) : QStringLiteral("<no value>");
}

inline bool keyExists(reg::RegistryStore& s, reg::HKEY root, const QString& path)
{
    reg::HKEY h = 0;
    const bool found = s.RegOpenKeyEx(root, path, 0, reg::KEY_READ, &h) == reg::ERROR_SUCCESS;
    s.RegCloseKey(h);
    return found;
}

} // namespace kyt::test
