#pragma once
// A private settings store per test, installed as the process-wide one.

#include <QTemporaryDir>
#include <memory>
#include "control/CError.h"
#include "platform/RegistryStore.h"

namespace kyt::test {

class StoreScope {
public:
    StoreScope()
        : m_file(m_dir.path() + QStringLiteral("/registry.db")),
          m_store(std::make_shared<reg::RegistryStore>(m_file))
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

// A reporter that records instead of showing anything.
inline CErrorPtr quietError()
{
    auto e = std::make_shared<CError>();
    e->setDisplayError(false);
    return e;
}

} // namespace kyt::test
