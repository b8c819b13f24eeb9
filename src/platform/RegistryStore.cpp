#include "platform/RegistryStore.h"

#include "errors/CError.h"
#include "errors/EventLog.h"
#include "errors/ModuleSource.h"
#include "util/Paths.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <sqlite3.h>
#include <vector>

namespace kyt::reg
{

namespace
{

// "KYTR": marks a database as a settings store, so a foreign SQLite file is
// never taken over.
constexpr int ApplicationId = 0x4B595452;
constexpr int SchemaVersion = 1;
constexpr int BusyTimeoutMs = 10000;
// "Path/File access error": the settings file cannot be used.
constexpr qint32 ErrSettingsFile = 75;

bool isRoot(HKEY h)
{
    return h == HKEY_CLASSES_ROOT || h == HKEY_CURRENT_USER || h == HKEY_LOCAL_MACHINE || h == HKEY_USERS
        || h == HKEY_CURRENT_CONFIG;
}

// Top-level keys hang below a negative parent id, one per root.
qint64 rootId(HKEY h)
{
    return -static_cast<qint64>(h - 0x80000000u) - 1;
}

QString fold(const QString& name)
{
    return name.toCaseFolded();
}

bool isStringType(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// Problem reporting shared by every store of the process.
struct ReporterState {
    std::mutex mutex;
    std::shared_ptr<CError> reporter;
    std::vector<QString> pending;
};
ReporterState& reporterState()
{
    static ReporterState s;
    return s;
}

void deliver(const std::shared_ptr<CError>& reporter, const QString& description)
{
    reporter->Display(ERROR_BADDB, moduleSource(".RegistryStore (") + QStringLiteral(" Open"), description);
}

void reportProblem(const QString& description)
{
    std::shared_ptr<CError> reporter;
    {
        ReporterState& s = reporterState();
        std::lock_guard lock(s.mutex);
        reporter = s.reporter;
        if (!reporter)
            s.pending.push_back(description);
    }
    if (reporter)
        deliver(reporter, description);
    else
        EventLog::write(description, EventLog::Warning);
}

std::mutex g_currentMutex;
std::shared_ptr<RegistryStore>& currentSlot()
{
    static std::shared_ptr<RegistryStore> s;
    return s;
}

// One use of a cached prepared statement; resets it when done.
class Query
{
public:
    Query(sqlite3_stmt* s)
        : m_s(s)
    {
    }
    ~Query()
    {
        if (m_s) {
            sqlite3_reset(m_s);
            sqlite3_clear_bindings(m_s);
        }
    }
    bool ok() const { return m_s != nullptr; }
    Query& bind(int i, qint64 v)
    {
        if (m_s)
            sqlite3_bind_int64(m_s, i, v);
        return *this;
    }
    Query& bind(int i, const QString& v)
    {
        const QByteArray u = v.toUtf8();
        if (m_s)
            sqlite3_bind_text(m_s, i, u.constData(), static_cast<int>(u.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Query& bindBlob(int i, const QByteArray& v)
    {
        if (m_s)
            sqlite3_bind_blob(m_s, i, v.constData(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
        return *this;
    }
    int step() { return m_s ? sqlite3_step(m_s) : SQLITE_ERROR; }
    qint64 integer(int c) const { return sqlite3_column_int64(m_s, c); }
    QString text(int c) const
    {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(m_s, c));
        return p ? QString::fromUtf8(p, sqlite3_column_bytes(m_s, c)) : QString();
    }
    QByteArray blob(int c) const
    {
        const void* p = sqlite3_column_blob(m_s, c);
        const int n = sqlite3_column_bytes(m_s, c);
        return p ? QByteArray(static_cast<const char*>(p), n) : QByteArray();
    }

private:
    sqlite3_stmt* m_s;
};

// Why a call failed in the system's words where a system call failed ("No
// space left on device"), else the database's. SQLite keeps no errno for a
// full disk.
QString systemReason(sqlite3* db, int rc)
{
    const int primary = rc & 0xFF;
    const int sys = primary == SQLITE_FULL ? ENOSPC : db ? sqlite3_system_errno(db) : 0;
    return sys != 0 && primary != SQLITE_BUSY ? QString::fromLocal8Bit(std::strerror(sys))
                                              : QString::fromUtf8(sqlite3_errstr(rc));
}

bool isDamage(int rc)
{
    const int primary = rc & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB || primary == SQLITE_IOERR;
}

} // namespace

HKEY rootFromName(const QString& name)
{
    const QString n = name.toUpper();
    if (n == QLatin1String("HKEY_CLASSES_ROOT") || n == QLatin1String("HKCR"))
        return HKEY_CLASSES_ROOT;
    if (n == QLatin1String("HKEY_CURRENT_USER") || n == QLatin1String("HKCU"))
        return HKEY_CURRENT_USER;
    if (n == QLatin1String("HKEY_LOCAL_MACHINE") || n == QLatin1String("HKLM"))
        return HKEY_LOCAL_MACHINE;
    if (n == QLatin1String("HKEY_USERS") || n == QLatin1String("HKU"))
        return HKEY_USERS;
    if (n == QLatin1String("HKEY_CURRENT_CONFIG") || n == QLatin1String("HKCC"))
        return HKEY_CURRENT_CONFIG;
    return 0;
}

QString rootName(HKEY root)
{
    switch (root) {
    case HKEY_CLASSES_ROOT:
        return QStringLiteral("HKEY_CLASSES_ROOT");
    case HKEY_CURRENT_USER:
        return QStringLiteral("HKEY_CURRENT_USER");
    case HKEY_LOCAL_MACHINE:
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    case HKEY_USERS:
        return QStringLiteral("HKEY_USERS");
    case HKEY_CURRENT_CONFIG:
        return QStringLiteral("HKEY_CURRENT_CONFIG");
    default:
        return QString();
    }
}

QString RegistryStore::dataString(const QByteArray& data)
{
    QByteArray d = data;
    while (d.endsWith('\0'))
        d.chop(1);
    return QString::fromUtf8(d);
}

RegistryStore::RegistryStore(const QString& fileName)
    : m_fileName(fileName)
{
    openFile();
}

RegistryStore::RegistryStore()
{
    openMemory();
}

RegistryStore::~RegistryStore()
{
    for (auto& [sql, s] : m_statements)
        sqlite3_finalize(s);
    if (m_db)
        sqlite3_close(m_db);
}

std::shared_ptr<RegistryStore> RegistryStore::current()
{
    std::lock_guard lock(g_currentMutex);
    auto& slot = currentSlot();
    if (!slot)
        slot = std::make_shared<RegistryStore>(paths::registryFile());
    return slot;
}

void RegistryStore::setCurrent(std::shared_ptr<RegistryStore> store)
{
    std::lock_guard lock(g_currentMutex);
    currentSlot() = std::move(store);
}

void RegistryStore::setErrorReporter(std::shared_ptr<CError> reporter)
{
    std::vector<QString> pending;
    {
        ReporterState& s = reporterState();
        std::lock_guard lock(s.mutex);
        s.reporter = reporter;
        if (reporter)
            pending.swap(s.pending);
    }
    for (const QString& p : pending)
        deliver(reporter, p);
}

void RegistryStore::adoptErrorReporter(const std::shared_ptr<CError>& reporter)
{
    {
        ReporterState& s = reporterState();
        std::lock_guard lock(s.mutex);
        if (s.reporter || !reporter)
            return;
    }
    setErrorReporter(reporter);
}

void RegistryStore::noteProblem(const QString& what)
{
    m_problem = what;
    m_reportedDamage = true;
    reportProblem(what);
}

void RegistryStore::openMemory()
{
    for (auto& [sql, s] : m_statements)
        sqlite3_finalize(s);
    m_statements.clear();
    if (m_db)
        sqlite3_close(m_db);
    m_db = nullptr;
    m_persistent = false;
    if (sqlite3_open_v2(":memory:", &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        sqlite3_close(m_db);
        m_db = nullptr;
        return;
    }
    try {
        prepareSchema();
    } catch (const KytError&) {
        // Silent on purpose: this is already the fallback after a reported
        // problem; without tables every read gives its default.
    }
}

void RegistryStore::openFile()
{
    const QString display = QDir::toNativeSeparators(m_fileName);
    auto fail = [&](const QString& why) {
        noteProblem(QCoreApplication::translate("kyt::RegistryStore",
            "The settings file \"%1\" cannot be used (%2); settings are kept in memory for this "
            "session and defaults apply.")
                        .arg(display, why));
        openMemory();
    };

    const QFileInfo info(m_fileName);
    if (!QDir().mkpath(info.absolutePath()))
        return fail(QCoreApplication::translate("kyt::RegistryStore", "its folder cannot be created"));
    if (info.exists()) {
        // Look before SQLite touches it: a file that is not ours stays as it is.
        QFile f(m_fileName);
        if (!f.open(QIODevice::ReadOnly))
            return fail(QCoreApplication::translate("kyt::RegistryStore", "it cannot be read: ") + f.errorString());
        const QByteArray head = f.read(16);
        if (info.size() > 0 && head != QByteArray("SQLite format 3\0", 16))
            return fail(
                QCoreApplication::translate("kyt::RegistryStore", "it is not a settings database or it is damaged"));
    }

    if (sqlite3_open_v2(m_fileName.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        != SQLITE_OK) {
        const QString why = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_close(m_db);
        m_db = nullptr;
        return fail(why);
    }
    sqlite3_busy_timeout(m_db, BusyTimeoutMs);
    // WAL: readers never block the writer, and a commit is in the log file
    // before the call returns. synchronous=NORMAL skips the fsync per commit:
    // the committed frames already sit in the operating system's cache, so a
    // killed process loses nothing; only a power cut can drop the last commits.
    sqlite3_exec(m_db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    sqlite3_exec(m_db, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
    try {
        prepareSchema();
    } catch (const KytError& e) {
        // SQLite opens a file it may not write read-only and fails only at
        // the first write: name that cause, not SQLite's words alone.
        const QString why = sqlite3_db_readonly(m_db, "main") == 1
            ? QCoreApplication::translate("kyt::RegistryStore", "it is read-only for this user: %1")
                  .arg(e.description())
            : e.description();
        sqlite3_close(m_db);
        m_db = nullptr;
        return fail(why);
    }
    m_persistent = true;
}

void RegistryStore::prepareSchema()
{
    QString whyText;
    auto exec = [&](const char* sql) {
        char* msg = nullptr;
        const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, &msg);
        if (rc != SQLITE_OK) {
            whyText = QString::fromUtf8(msg ? msg : sqlite3_errstr(rc));
            // The system's own words too ("No space left on device").
            if (const QString sys = systemReason(m_db, rc); sys != whyText)
                whyText += QStringLiteral(": ") + sys;
            sqlite3_free(msg);
        }
        return rc == SQLITE_OK;
    };
    auto single = [&](const char* sql, qint64* out) {
        sqlite3_stmt* s = nullptr;
        int rc = sqlite3_prepare_v2(m_db, sql, -1, &s, nullptr);
        if (rc == SQLITE_OK) {
            rc = sqlite3_step(s);
            if (rc == SQLITE_ROW) {
                *out = sqlite3_column_int64(s, 0);
                rc = SQLITE_OK;
            }
        }
        if (rc != SQLITE_OK)
            whyText = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_finalize(s);
        return rc == SQLITE_OK;
    };

    if (!exec("BEGIN IMMEDIATE"))
        throw KytError(ErrSettingsFile, whyText);
    qint64 appId = 0, tables = 0;
    bool ok = single("PRAGMA application_id", &appId) && single("SELECT count(*) FROM sqlite_schema", &tables);
    if (ok && appId != ApplicationId && (appId != 0 || tables != 0)) {
        whyText = QCoreApplication::translate("kyt::RegistryStore", "it is a database of another program");
        ok = false;
    }
    if (ok && appId == 0) {
        ok = exec("CREATE TABLE keys(id INTEGER PRIMARY KEY, parent INTEGER NOT NULL, name TEXT NOT NULL,"
                  " folded TEXT NOT NULL, class TEXT NOT NULL DEFAULT '', UNIQUE(parent, folded));"
                  "CREATE TABLE vals(id INTEGER PRIMARY KEY, key INTEGER NOT NULL, name TEXT NOT NULL,"
                  " folded TEXT NOT NULL, type INTEGER NOT NULL, data BLOB NOT NULL, UNIQUE(key, folded));")
            && exec(QStringLiteral("PRAGMA application_id=%1; PRAGMA user_version=%2")
                        .arg(ApplicationId)
                        .arg(SchemaVersion)
                        .toUtf8()
                        .constData());
    }
    qint64 probe = 0;
    // Touch both tables: a missing table shows up here, a damaged page in the
    // quick check below.
    ok = ok && single("SELECT count(*) FROM keys WHERE parent < 0", &probe)
        && single("SELECT count(*) FROM vals WHERE key < 0", &probe);
    if (ok) {
        QString detail;
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(m_db, "PRAGMA quick_check", -1, &s, nullptr) == SQLITE_OK) {
            while (sqlite3_step(s) == SQLITE_ROW) {
                const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
                if (t && qstrcmp(t, "ok") != 0)
                    detail += QString::fromUtf8(t) + QLatin1Char(' ');
            }
            if (sqlite3_errcode(m_db) != SQLITE_OK && sqlite3_errcode(m_db) != SQLITE_DONE
                && sqlite3_errcode(m_db) != SQLITE_ROW)
                detail += QString::fromUtf8(sqlite3_errmsg(m_db));
        } else {
            detail = QString::fromUtf8(sqlite3_errmsg(m_db));
        }
        sqlite3_finalize(s);
        if (!detail.isEmpty()) {
            whyText = QCoreApplication::translate("kyt::RegistryStore", "it is damaged: ") + detail.trimmed().left(200);
            ok = false;
        }
    }
    if (ok && !exec("COMMIT"))
        ok = false;
    if (!ok) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw KytError(ErrSettingsFile, whyText);
    }
}

sqlite3_stmt* RegistryStore::stmt(const char* sql)
{
    if (!m_db)
        return nullptr;
    auto it = m_statements.find(sql);
    if (it != m_statements.end())
        return it->second;
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v3(m_db, sql, -1, SQLITE_PREPARE_PERSISTENT, &s, nullptr) != SQLITE_OK) {
        sqlite3_finalize(s);
        return nullptr;
    }
    m_statements.emplace(sql, s);
    return s;
}

LONG RegistryStore::sqlFailure(int rc)
{
    // The system's own words when a system call failed ("No space left on
    // device"), else the database's.
    m_lastFailure = systemReason(m_db, rc);
    if (isDamage(rc) || !m_db) {
        if (!m_reportedDamage)
            noteProblem(QCoreApplication::translate("kyt::RegistryStore",
                "The settings file \"%1\" is damaged or cannot be read (%2); settings are kept "
                "in memory for this session and defaults apply.")
                            .arg(QDir::toNativeSeparators(m_fileName), QString::fromUtf8(sqlite3_errstr(rc))));
        if (m_persistent)
            m_fallBackToMemory = true;
        return ERROR_BADDB;
    }
    const int primary = rc & 0xFF;
    if (primary == SQLITE_READONLY || primary == SQLITE_PERM || primary == SQLITE_AUTH)
        return ERROR_ACCESS_DENIED;
    return ERROR_CANTWRITE;
}

void RegistryStore::fallBackIfDamaged()
{
    if (!m_fallBackToMemory)
        return;
    // The file stays as it is; open handles pointed into it and are void now.
    m_fallBackToMemory = false;
    m_handles.clear();
    openMemory();
}

bool RegistryStore::isReadOnly() const
{
    return m_db && m_persistent && sqlite3_db_readonly(m_db, "main") == 1;
}

bool RegistryStore::integrityCheck(QString* detail)
{
    std::lock_guard lock(m_mutex);
    fallBackIfDamaged();
    if (!m_db)
        return false;
    QString found;
    sqlite3_stmt* s = nullptr;
    int rc = sqlite3_prepare_v2(m_db, "PRAGMA integrity_check", -1, &s, nullptr);
    while (rc == SQLITE_OK && (rc = sqlite3_step(s)) == SQLITE_ROW) {
        const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
        if (t && qstrcmp(t, "ok") != 0)
            found += QString::fromUtf8(t) + QLatin1Char('\n');
        rc = SQLITE_OK;
    }
    if (rc != SQLITE_DONE)
        found += QString::fromUtf8(sqlite3_errmsg(m_db));
    sqlite3_finalize(s);
    if (detail)
        *detail = found.trimmed();
    return found.isEmpty();
}

// Transactions nest: only the outermost talks to the database, and a
// rollback anywhere ends them all (the outer commit then fails).
bool RegistryStore::begin()
{
    if (m_depth > 0) {
        ++m_depth;
        return true;
    }
    Query q(stmt("BEGIN IMMEDIATE"));
    if (q.step() != SQLITE_DONE)
        return false;
    m_depth = 1;
    return true;
}

bool RegistryStore::commit()
{
    if (m_depth > 1) {
        --m_depth;
        return true;
    }
    if (m_depth == 0)
        return false; // rolled back meanwhile
    Query q(stmt("COMMIT"));
    if (q.step() != SQLITE_DONE)
        return false;
    m_depth = 0;
    return true;
}

void RegistryStore::rollback()
{
    m_depth = 0;
    if (m_db && !sqlite3_get_autocommit(m_db))
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

RegistryStore::Transaction::Transaction(RegistryStore& store)
    : m_store(store)
{
    m_store.m_mutex.lock();
    m_store.fallBackIfDamaged();
    if (!m_store.m_db)
        m_rc = ERROR_BADDB;
    else if (!m_store.begin())
        m_rc = m_store.sqlFailure(sqlite3_errcode(m_store.m_db));
    else
        m_open = true;
}

RegistryStore::Transaction::~Transaction()
{
    // One inside another joins it: only the outermost rolls back.
    if (m_open && m_store.m_depth > 1)
        --m_store.m_depth;
    else if (m_open)
        m_store.rollback();
    m_store.m_mutex.unlock();
}

LONG RegistryStore::Transaction::commit()
{
    if (!m_open)
        return m_rc ? m_rc : ERROR_CANTWRITE;
    m_open = false;
    if (m_store.commit())
        return ERROR_SUCCESS;
    const LONG rc = m_store.sqlFailure(sqlite3_errcode(m_store.m_db));
    m_store.rollback();
    return rc;
}

QString RegistryStore::lastFailure() const
{
    std::lock_guard lock(m_mutex);
    return m_lastFailure;
}

bool RegistryStore::keyExists(qint64 keyId)
{
    if (keyId < 0)
        return true;
    Query q(stmt("SELECT 1 FROM keys WHERE id=?"));
    q.bind(1, keyId);
    return q.step() == SQLITE_ROW;
}

LONG RegistryStore::resolve(HKEY hKey, Handle** handle, qint64* keyId, REGSAM needed)
{
    fallBackIfDamaged();
    if (!m_db)
        return ERROR_BADDB;
    *handle = nullptr;
    if (isRoot(hKey)) {
        *keyId = rootId(hKey);
        return ERROR_SUCCESS;
    }
    auto it = m_handles.find(hKey);
    if (it == m_handles.end())
        return ERROR_INVALID_HANDLE;
    *handle = &it->second;
    *keyId = it->second.keyId;
    if (!keyExists(*keyId))
        return ERROR_KEY_DELETED;
    return (it->second.access & needed) == needed ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

LONG RegistryStore::walk(
    qint64 from, const QString& path, bool create, const QString& keyClass, qint64* keyId, bool* created)
{
    QStringList parts = path.split(QLatin1Char('\\'));
    if (!parts.isEmpty() && parts.last().isEmpty())
        parts.removeLast(); // a trailing backslash is harmless
    if (parts.size() > MaxKeyDepth)
        return ERROR_BADKEY;
    for (const QString& p : parts)
        if (p.isEmpty() || p.size() > MaxKeyNameLength)
            return ERROR_BADKEY;

    qint64 id = from;
    if (created)
        *created = false;
    for (const QString& p : parts) {
        const QString f = fold(p);
        int rc;
        {
            Query q(stmt("SELECT id FROM keys WHERE parent=? AND folded=?"));
            q.bind(1, id).bind(2, f);
            rc = q.step();
            if (rc == SQLITE_ROW) {
                id = q.integer(0);
                continue;
            }
        }
        if (rc != SQLITE_DONE)
            return sqlFailure(rc);
        if (!create)
            return ERROR_FILE_NOT_FOUND;
        Query ins(stmt("INSERT INTO keys(parent, name, folded, class) VALUES(?,?,?,?)"));
        ins.bind(1, id).bind(2, p).bind(3, f).bind(4, keyClass);
        rc = ins.step();
        if (rc != SQLITE_DONE)
            return sqlFailure(rc);
        id = sqlite3_last_insert_rowid(m_db);
        if (created)
            *created = true;
    }
    *keyId = id;
    return ERROR_SUCCESS;
}

HKEY RegistryStore::newHandle(qint64 keyId, REGSAM access)
{
    HKEY h = m_nextHandle;
    // Handles never collide with the predefined roots or with one still open.
    while (h == 0 || isRoot(h) || m_handles.count(h))
        h = (h + 4) & 0x7FFFFFFFu;
    m_nextHandle = (h + 4) & 0x7FFFFFFFu;
    m_handles.emplace(h, Handle { keyId, access, {}, {} });
    return h;
}

int RegistryStore::openHandleCount() const
{
    std::lock_guard lock(m_mutex);
    return static_cast<int>(m_handles.size());
}

LONG RegistryStore::RegOpenKeyEx(HKEY hKey, const QString& subKey, DWORD, REGSAM samDesired, HKEY* result)
{
    return openKey(hKey, subKey, false, QString(), samDesired, result, nullptr);
}

LONG RegistryStore::RegCreateKeyEx(HKEY hKey, const QString& subKey, DWORD, const QString& keyClass, DWORD,
    REGSAM samDesired, HKEY* result, DWORD* disposition)
{
    return openKey(hKey, subKey, true, keyClass, samDesired, result, disposition);
}

LONG RegistryStore::openKey(HKEY hKey, const QString& subKey, bool create, const QString& keyClass, REGSAM samDesired,
    HKEY* result, DWORD* disposition)
{
    std::lock_guard lock(m_mutex);
    if (result)
        *result = 0;
    Handle* h;
    qint64 parent;
    if (LONG rc = resolve(hKey, &h, &parent))
        return rc;
    qint64 id;
    // Opening an existing key writes nothing.
    LONG rc = walk(parent, subKey, false, QString(), &id, nullptr);
    bool created = false;
    if (rc == ERROR_FILE_NOT_FOUND && create) {
        if (h && !(h->access & KEY_CREATE_SUB_KEY))
            return ERROR_ACCESS_DENIED;
        if (!begin())
            return sqlFailure(sqlite3_errcode(m_db));
        rc = walk(parent, subKey, true, keyClass, &id, &created);
        if (rc == ERROR_SUCCESS && !keyExists(parent))
            rc = ERROR_KEY_DELETED; // the parent went away in another process
        if (rc != ERROR_SUCCESS || !commit()) {
            const LONG failure = rc ? rc : sqlFailure(sqlite3_errcode(m_db));
            rollback();
            return failure;
        }
    } else if (rc != ERROR_SUCCESS) {
        return rc;
    }
    if (result)
        *result = newHandle(id, samDesired);
    if (disposition)
        *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    return ERROR_SUCCESS;
}

LONG RegistryStore::RegCloseKey(HKEY hKey)
{
    std::lock_guard lock(m_mutex);
    if (isRoot(hKey))
        return ERROR_SUCCESS;
    return m_handles.erase(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

LONG RegistryStore::RegQueryInfoKey(HKEY hKey, KeyInfo* info)
{
    std::lock_guard lock(m_mutex);
    Handle* h;
    qint64 id;
    if (LONG rc = resolve(hKey, &h, &id, KEY_QUERY_VALUE))
        return rc;
    KeyInfo out;
    {
        Query q(stmt("SELECT count(*), coalesce(max(length(name)), 0) FROM keys WHERE parent=?"));
        q.bind(1, id);
        const int rc = q.step();
        if (rc != SQLITE_ROW)
            return sqlFailure(rc);
        out.subKeys = static_cast<DWORD>(q.integer(0));
        out.maxSubKeyLen = static_cast<DWORD>(q.integer(1));
    }
    {
        Query q(stmt("SELECT count(*), coalesce(max(length(name)), 0),"
                     " coalesce(max(length(CAST(data AS BLOB)) + (type IN (1, 2, 7))), 0) FROM vals WHERE key=?"));
        q.bind(1, id);
        const int rc = q.step();
        if (rc != SQLITE_ROW)
            return sqlFailure(rc);
        out.values = static_cast<DWORD>(q.integer(0));
        out.maxValueNameLen = static_cast<DWORD>(q.integer(1));
        out.maxValueLen = static_cast<DWORD>(q.integer(2));
    }
    if (id >= 0) {
        Query q(stmt("SELECT class FROM keys WHERE id=?"));
        q.bind(1, id);
        if (q.step() == SQLITE_ROW)
            out.keyClass = q.text(0);
    }
    if (info)
        *info = out;
    return ERROR_SUCCESS;
}

LONG RegistryStore::enumerate(HKEY hKey, DWORD index, bool subKeys, QString* name, DWORD* type, QByteArray* data)
{
    std::lock_guard lock(m_mutex);
    Handle* h;
    qint64 id;
    if (LONG rc = resolve(hKey, &h, &id, subKeys ? KEY_ENUMERATE_SUB_KEYS : KEY_QUERY_VALUE))
        return rc;
    // Column 0 is what the walk is ordered by; the same or the next index
    // goes on from the cursor, any other index counts rows from the start.
    static const char* const valueSql[] = {
        "SELECT id, name, type, data FROM vals WHERE key=?1 AND id>=?2 ORDER BY id LIMIT 1",
        "SELECT id, name, type, data FROM vals WHERE key=?1 AND id>?2 ORDER BY id LIMIT 1",
        "SELECT id, name, type, data FROM vals WHERE key=?1 ORDER BY id LIMIT 1 OFFSET ?3",
    };
    static const char* const keySql[] = {
        "SELECT folded, name FROM keys WHERE parent=?1 AND folded>=?2 ORDER BY folded LIMIT 1",
        "SELECT folded, name FROM keys WHERE parent=?1 AND folded>?2 ORDER BY folded LIMIT 1",
        "SELECT folded, name FROM keys WHERE parent=?1 ORDER BY folded LIMIT 1 OFFSET ?3",
    };
    Cursor* cursor = h ? (subKeys ? &h->keys : &h->values) : nullptr;
    const qint64 i = index;
    const int form = cursor && i == cursor->index ? 0 : cursor && i == cursor->index + 1 ? 1 : 2;
    sqlite3_stmt* s = stmt((subKeys ? keySql : valueSql)[form]);
    if (!s)
        return sqlFailure(sqlite3_errcode(m_db));
    Query q(s);
    q.bind(1, id);
    if (form == 2)
        q.bind(3, i);
    else if (subKeys)
        q.bind(2, cursor->folded);
    else
        q.bind(2, cursor->row);
    const int rc = q.step();
    if (rc == SQLITE_DONE)
        return ERROR_NO_MORE_ITEMS;
    if (rc != SQLITE_ROW)
        return sqlFailure(rc);
    if (cursor) {
        cursor->index = i;
        if (subKeys)
            cursor->folded = q.text(0);
        else
            cursor->row = q.integer(0);
    }
    if (name)
        *name = q.text(1);
    if (type)
        *type = static_cast<DWORD>(q.integer(2));
    if (data)
        *data = q.blob(3);
    return ERROR_SUCCESS;
}

LONG RegistryStore::RegEnumValue(HKEY hKey, DWORD index, QString* name, DWORD* type, QByteArray* data)
{
    return enumerate(hKey, index, false, name, type, data);
}

LONG RegistryStore::RegEnumKeyEx(HKEY hKey, DWORD index, QString* name)
{
    return enumerate(hKey, index, true, name, nullptr, nullptr);
}

LONG RegistryStore::RegQueryValueEx(HKEY hKey, const QString& valueName, DWORD* type, QByteArray* data)
{
    std::lock_guard lock(m_mutex);
    Handle* h;
    qint64 id;
    if (LONG rc = resolve(hKey, &h, &id, KEY_QUERY_VALUE))
        return rc;
    Query q(stmt("SELECT type, data FROM vals WHERE key=? AND folded=?"));
    q.bind(1, id).bind(2, fold(valueName));
    const int rc = q.step();
    if (rc == SQLITE_DONE)
        return ERROR_FILE_NOT_FOUND;
    if (rc != SQLITE_ROW)
        return sqlFailure(rc);
    if (type)
        *type = static_cast<DWORD>(q.integer(0));
    if (data)
        *data = q.blob(1);
    return ERROR_SUCCESS;
}

LONG RegistryStore::RegSetValueEx(HKEY hKey, const QString& valueName, DWORD, DWORD type, const QByteArray& data)
{
    std::lock_guard lock(m_mutex);
    Handle* h;
    qint64 id;
    if (LONG rc = resolve(hKey, &h, &id, KEY_SET_VALUE))
        return rc;
    if (valueName.size() > MaxValueNameLength || data.size() > MaxValueSize)
        return ERROR_INVALID_PARAMETER;
    QByteArray stored = data;
    if (isStringType(type) && type != REG_MULTI_SZ)
        while (stored.endsWith('\0'))
            stored.chop(1); // strings are kept without their terminator
    // One statement, so one atomic transaction; a key deleted by another
    // process makes the insert find no parent row and change nothing.
    Query q(stmt("INSERT INTO vals(key, name, folded, type, data) SELECT ?1, ?2, ?3, ?4, ?5"
                 " WHERE ?1 < 0 OR EXISTS(SELECT 1 FROM keys WHERE id=?1)"
                 " ON CONFLICT(key, folded) DO UPDATE SET type=excluded.type, data=excluded.data"));
    q.bind(1, id).bind(2, valueName).bind(3, fold(valueName)).bind(4, type).bindBlob(5, stored);
    const int rc = q.step();
    if (rc != SQLITE_DONE)
        return sqlFailure(rc);
    if (sqlite3_changes(m_db) == 0)
        return ERROR_KEY_DELETED;
    return ERROR_SUCCESS;
}

LONG RegistryStore::RegDeleteValue(HKEY hKey, const QString& valueName)
{
    std::lock_guard lock(m_mutex);
    Handle* h;
    qint64 id;
    if (LONG rc = resolve(hKey, &h, &id, KEY_SET_VALUE))
        return rc;
    Query q(stmt("DELETE FROM vals WHERE key=? AND folded=?"));
    q.bind(1, id).bind(2, fold(valueName));
    const int rc = q.step();
    if (rc != SQLITE_DONE)
        return sqlFailure(rc);
    return sqlite3_changes(m_db) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

LONG RegistryStore::RegDeleteKey(HKEY hKey, const QString& subKey)
{
    std::lock_guard lock(m_mutex);
    Handle* h;
    qint64 parent;
    if (LONG rc = resolve(hKey, &h, &parent))
        return rc;
    if (subKey.isEmpty())
        return ERROR_BADKEY;
    if (!begin())
        return sqlFailure(sqlite3_errcode(m_db));
    auto fail = [&](LONG code) {
        rollback();
        return code;
    };
    qint64 id;
    if (LONG rc = walk(parent, subKey, false, QString(), &id, nullptr))
        return fail(rc);
    {
        Query q(stmt("SELECT 1 FROM keys WHERE parent=? LIMIT 1"));
        q.bind(1, id);
        const int rc = q.step();
        if (rc == SQLITE_ROW)
            return fail(ERROR_ACCESS_DENIED); // only a key without sub-keys can go
        if (rc != SQLITE_DONE)
            return fail(sqlFailure(rc));
    }
    {
        Query q(stmt("DELETE FROM vals WHERE key=?"));
        q.bind(1, id);
        if (int rc = q.step(); rc != SQLITE_DONE)
            return fail(sqlFailure(rc));
    }
    {
        Query q(stmt("DELETE FROM keys WHERE id=?"));
        q.bind(1, id);
        if (int rc = q.step(); rc != SQLITE_DONE)
            return fail(sqlFailure(rc));
    }
    if (!commit())
        return fail(sqlFailure(sqlite3_errcode(m_db)));
    return ERROR_SUCCESS;
}

LONG RegOpenKeyEx(HKEY hKey, const QString& subKey, DWORD options, REGSAM samDesired, HKEY* result)
{
    return RegistryStore::current()->RegOpenKeyEx(hKey, subKey, options, samDesired, result);
}
LONG RegCreateKeyEx(HKEY hKey, const QString& subKey, DWORD reserved, const QString& keyClass, DWORD options,
    REGSAM samDesired, HKEY* result, DWORD* disposition)
{
    return RegistryStore::current()->RegCreateKeyEx(
        hKey, subKey, reserved, keyClass, options, samDesired, result, disposition);
}
LONG RegCloseKey(HKEY hKey)
{
    return RegistryStore::current()->RegCloseKey(hKey);
}
LONG RegQueryInfoKey(HKEY hKey, KeyInfo* info)
{
    return RegistryStore::current()->RegQueryInfoKey(hKey, info);
}
LONG RegEnumValue(HKEY hKey, DWORD index, QString* name, DWORD* type, QByteArray* data)
{
    return RegistryStore::current()->RegEnumValue(hKey, index, name, type, data);
}
LONG RegEnumKeyEx(HKEY hKey, DWORD index, QString* name)
{
    return RegistryStore::current()->RegEnumKeyEx(hKey, index, name);
}
LONG RegQueryValueEx(HKEY hKey, const QString& valueName, DWORD* type, QByteArray* data)
{
    return RegistryStore::current()->RegQueryValueEx(hKey, valueName, type, data);
}
LONG RegSetValueEx(HKEY hKey, const QString& valueName, DWORD reserved, DWORD type, const QByteArray& data)
{
    return RegistryStore::current()->RegSetValueEx(hKey, valueName, reserved, type, data);
}
LONG RegDeleteValue(HKEY hKey, const QString& valueName)
{
    return RegistryStore::current()->RegDeleteValue(hKey, valueName);
}
LONG RegDeleteKey(HKEY hKey, const QString& subKey)
{
    return RegistryStore::current()->RegDeleteKey(hKey, subKey);
}

} // namespace kyt::reg
