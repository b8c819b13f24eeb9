#pragma once
// The settings store: a hierarchical key/value registry (predefined roots,
// nested keys named by backslash paths, typed values, names compared without
// regard to case, enumeration by index) kept in one SQLite database so that
// several processes can share it and every write that returned survives a
// crash of the writing process.
//
// The Reg* functions keep the classic calling pattern (result code, handle
// out-parameters) so the registry wrapper above them reads like the code it
// grew from; strings are QString and value data QByteArray instead of raw
// buffers, so there are no buffer-size games.

#include "kyt/kytcore_export.h"
#include <QByteArray>
#include <QString>
#include <memory>
#include <mutex>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace kyt
{

class CError;

namespace reg
{

using HKEY = quint32;
using LONG = qint32;
using DWORD = quint32;
using REGSAM = quint32;

// Predefined roots.
inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000u;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr HKEY HKEY_USERS = 0x80000003u;
inline constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005u;

// Result codes.
enum : LONG {
    ERROR_SUCCESS = 0,
    ERROR_FILE_NOT_FOUND = 2,
    ERROR_ACCESS_DENIED = 5,
    ERROR_INVALID_HANDLE = 6,
    ERROR_INVALID_PARAMETER = 87,
    ERROR_NO_MORE_ITEMS = 259,
    ERROR_BADDB = 1009, // the store is damaged or cannot be read
    ERROR_BADKEY = 1010, // malformed key path
    ERROR_CANTWRITE = 1013,
    ERROR_KEY_DELETED = 1018, // the handle's key was deleted meanwhile
};

// Value types.
enum : DWORD {
    REG_NONE = 0,
    REG_SZ = 1,
    REG_EXPAND_SZ = 2,
    REG_BINARY = 3,
    REG_DWORD = 4,
    REG_MULTI_SZ = 7,
    REG_QWORD = 11
};

// Access rights.
enum : REGSAM {
    KEY_QUERY_VALUE = 0x1,
    KEY_SET_VALUE = 0x2,
    KEY_CREATE_SUB_KEY = 0x4,
    KEY_ENUMERATE_SUB_KEYS = 0x8,
    KEY_NOTIFY = 0x10,
    KEY_CREATE_LINK = 0x20,
    KEY_READ = 0x20019,
    KEY_WRITE = 0x20006,
    KEY_ALL_ACCESS = 0xF003F,
};

// Creation dispositions.
enum : DWORD { REG_CREATED_NEW_KEY = 1, REG_OPENED_EXISTING_KEY = 2 };

// Limits that keep a malformed request from growing the store without bound.
inline constexpr int MaxKeyNameLength = 255;
inline constexpr int MaxValueNameLength = 16383;
inline constexpr int MaxKeyDepth = 512;
inline constexpr qsizetype MaxValueSize = 1024 * 1024;

struct KeyInfo {
    QString keyClass;
    DWORD subKeys = 0;
    DWORD maxSubKeyLen = 0; // characters
    DWORD values = 0;
    DWORD maxValueNameLen = 0; // characters
    DWORD maxValueLen = 0; // bytes, terminating zero of strings included
};

// Root name ("HKEY_LOCAL_MACHINE", "HKLM", ...) to handle; 0 when unknown.
KYTCORE_EXPORT HKEY rootFromName(const QString& name);
KYTCORE_EXPORT QString rootName(HKEY root);

class KYTCORE_EXPORT RegistryStore
{
public:
    // Opens (creating when missing) the database file. A file that cannot be
    // opened or is not a settings database is left untouched: the problem is
    // reported once and the store keeps its data in memory instead.
    explicit RegistryStore(const QString& fileName);
    // A store that lives only in memory.
    RegistryStore();
    ~RegistryStore();
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    // The process-wide store over paths::registryFile(), opened on first use.
    static std::shared_ptr<RegistryStore> current();
    // Replaces the process-wide store (nullptr: reopen from paths::registryFile() on next use).
    static void setCurrent(std::shared_ptr<RegistryStore> store);

    // Where store problems are reported. A problem found before a reporter is
    // set waits for the first one.
    static void setErrorReporter(std::shared_ptr<CError> reporter);
    // Sets the reporter only when none is set yet.
    static void adoptErrorReporter(const std::shared_ptr<CError>& reporter);

    QString fileName() const { return m_fileName; }
    // False when the file could not be used and the data lives in memory.
    bool isPersistent() const { return m_persistent; }
    // Why the file could not be used (empty when it could).
    QString problem() const { return m_problem; }
    // True when the store's file could be opened for reading only (its
    // permissions or its file system refuse writes).
    bool isReadOnly() const;

    LONG RegOpenKeyEx(HKEY hKey, const QString& subKey, DWORD options, REGSAM samDesired, HKEY* result);
    LONG RegCreateKeyEx(HKEY hKey, const QString& subKey, DWORD reserved, const QString& keyClass, DWORD options,
        REGSAM samDesired, HKEY* result, DWORD* disposition);
    LONG RegCloseKey(HKEY hKey);
    LONG RegQueryInfoKey(HKEY hKey, KeyInfo* info);
    // Any of name, type, data may be null (a probe for the type only).
    LONG RegEnumValue(HKEY hKey, DWORD index, QString* name, DWORD* type, QByteArray* data);
    LONG RegEnumKeyEx(HKEY hKey, DWORD index, QString* name);
    LONG RegQueryValueEx(HKEY hKey, const QString& valueName, DWORD* type, QByteArray* data);
    LONG RegSetValueEx(HKEY hKey, const QString& valueName, DWORD reserved, DWORD type, const QByteArray& data);
    LONG RegDeleteValue(HKEY hKey, const QString& valueName);
    // Deletes a key that has no sub-keys, with its values.
    LONG RegDeleteKey(HKEY hKey, const QString& subKey);

    // String data as stored for REG_SZ (UTF-8, no terminating zero) and back.
    static QByteArray stringData(const QString& text) { return text.toUtf8(); }
    static QString dataString(const QByteArray& data);

    // Makes the writes in its lifetime one change, read-modify-write
    // included: other processes see all of it or none, and no other writer
    // runs in between. Rolled back unless commit() succeeds. One begun inside
    // another joins it: the outermost commits or rolls back the whole.
    class KYTCORE_EXPORT Transaction
    {
    public:
        explicit Transaction(RegistryStore& store);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;
        // ERROR_SUCCESS when the transaction could begin.
        LONG result() const { return m_rc; }
        LONG commit();

    private:
        RegistryStore& m_store;
        LONG m_rc = ERROR_SUCCESS;
        bool m_open = false;
    };

    // The system's reason for the last failed write or read of the file
    // ("No space left on device"); empty when none failed.
    QString lastFailure() const;

    int openHandleCount() const;
    // Full consistency check of the database; detail lists what is wrong.
    bool integrityCheck(QString* detail = nullptr);

private:
    // Where the last enumeration stopped, so walking by index is linear.
    struct Cursor {
        qint64 index = -1;
        qint64 row = 0; // values: the row id reached
        QString folded; // sub-keys: the folded name reached
    };
    struct Handle {
        qint64 keyId;
        REGSAM access;
        Cursor values;
        Cursor keys;
    };

    KYTCORE_NO_EXPORT void openFile();
    KYTCORE_NO_EXPORT void fallBackIfDamaged();
    KYTCORE_NO_EXPORT void openMemory();
    KYTCORE_NO_EXPORT void prepareSchema(); // throws KytError naming the reason
    KYTCORE_NO_EXPORT void noteProblem(const QString& what);
    KYTCORE_NO_EXPORT LONG sqlFailure(int rc);
    // needed: the access the handle must have been opened with (roots have all).
    KYTCORE_NO_EXPORT LONG resolve(HKEY hKey, Handle** handle, qint64* keyId, REGSAM needed = 0);
    KYTCORE_NO_EXPORT LONG openKey(HKEY hKey, const QString& subKey, bool create, const QString& keyClass,
        REGSAM samDesired, HKEY* result, DWORD* disposition);
    KYTCORE_NO_EXPORT LONG enumerate(
        HKEY hKey, DWORD index, bool subKeys, QString* name, DWORD* type, QByteArray* data);
    KYTCORE_NO_EXPORT LONG walk(
        qint64 from, const QString& path, bool create, const QString& keyClass, qint64* keyId, bool* created);
    KYTCORE_NO_EXPORT bool keyExists(qint64 keyId);
    KYTCORE_NO_EXPORT HKEY newHandle(qint64 keyId, REGSAM access);
    KYTCORE_NO_EXPORT bool begin();
    KYTCORE_NO_EXPORT bool commit();
    KYTCORE_NO_EXPORT void rollback();
    KYTCORE_NO_EXPORT sqlite3_stmt* stmt(const char* sql);

    mutable std::recursive_mutex m_mutex;
    sqlite3* m_db = nullptr;
    QString m_fileName;
    bool m_persistent = false;
    QString m_problem;
    bool m_reportedDamage = false;
    // Damage found during an operation: the next operation goes on in memory.
    bool m_fallBackToMemory = false;
    std::unordered_map<HKEY, Handle> m_handles;
    HKEY m_nextHandle = 0x100;
    std::unordered_map<const char*, sqlite3_stmt*> m_statements;
    int m_depth = 0; // transactions begun and not yet ended
    QString m_lastFailure;
};

// The same calls on the process-wide store.
KYTCORE_EXPORT LONG RegOpenKeyEx(HKEY hKey, const QString& subKey, DWORD options, REGSAM samDesired, HKEY* result);
KYTCORE_EXPORT LONG RegCreateKeyEx(HKEY hKey, const QString& subKey, DWORD reserved, const QString& keyClass,
    DWORD options, REGSAM samDesired, HKEY* result, DWORD* disposition);
KYTCORE_EXPORT LONG RegCloseKey(HKEY hKey);
KYTCORE_EXPORT LONG RegQueryInfoKey(HKEY hKey, KeyInfo* info);
KYTCORE_EXPORT LONG RegEnumValue(HKEY hKey, DWORD index, QString* name, DWORD* type, QByteArray* data);
KYTCORE_EXPORT LONG RegEnumKeyEx(HKEY hKey, DWORD index, QString* name);
KYTCORE_EXPORT LONG RegQueryValueEx(HKEY hKey, const QString& valueName, DWORD* type, QByteArray* data);
KYTCORE_EXPORT LONG RegSetValueEx(
    HKEY hKey, const QString& valueName, DWORD reserved, DWORD type, const QByteArray& data);
KYTCORE_EXPORT LONG RegDeleteValue(HKEY hKey, const QString& valueName);
KYTCORE_EXPORT LONG RegDeleteKey(HKEY hKey, const QString& subKey);

} // namespace reg
} // namespace kyt
