#pragma once
// One current key of the settings store (a root plus a path), its string
// values and sub-keys listed into a cache, and reads, writes and deletes.
// Reads come from the cache of the last listing; writes go straight to the
// store and show up only after the key is listed again.

#include "errors/CError.h"
#include "kyt/kytcore_export.h"
#include "platform/RegistryStore.h"
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

namespace kyt
{

// The value table of a listing: one row per string value in enumeration
// order, then one empty spare row. Seen as a two-dimensional table, field 0
// is the name, field 1 the data and field 2 is always empty.
struct KYTCORE_EXPORT RegValueTable {
    struct Row {
        QString name;
        QString data;
    };
    std::vector<Row> rows { Row {} };

    int rowCount() const { return static_cast<int>(rows.size()); }
    // "" outside the table.
    QString at(int field, int row) const;
    void reset() { rows.assign(1, Row {}); }
};

class KYTCORE_EXPORT CRegistry : public QObject
{
    Q_OBJECT
public:
    // How deep DeleteKey follows a tree; deeper parts stay (and so do their
    // parents), which keeps the walk's stack bounded.
    static constexpr int MaxDeleteDepth = 128;

private:
    Q_PROPERTY(qint32 Root READ Root WRITE setRoot)
    Q_PROPERTY(QString Key READ Key WRITE setKey)
    Q_PROPERTY(bool AutoCreate READ AutoCreate WRITE setAutoCreate)
    Q_PROPERTY(QString RegAppName READ RegAppName WRITE setRegAppName)
    Q_PROPERTY(qint16 SubKeyCount READ SubKeyCount WRITE setSubKeyCount)
    Q_PROPERTY(qint16 ValueCount READ ValueCount)

public:
    // Works on the process-wide store unless given one.
    explicit CRegistry(QObject* parent = nullptr);
    explicit CRegistry(std::shared_ptr<reg::RegistryStore> store, QObject* parent = nullptr);
    ~CRegistry() override;

    void setErrorObject(CErrorPtr error);
    CErrorPtr ErrorObject() const { return m_error; }

    qint32 Root() const { return static_cast<qint32>(m_root); }
    // Stores the root and opens the current key (when there is one).
    void setRoot(qint32 root);
    QString Key() const { return m_key; }
    void setKey(const QString& key) { m_key = key; }
    bool AutoCreate() const { return m_autoCreate; }
    void setAutoCreate(bool v) { m_autoCreate = v; }
    QString RegAppName() const { return m_regAppName; }
    void setRegAppName(const QString& v) { m_regAppName = v; }
    qint16 SubKeyCount() const { return m_subKeyCount; }
    void setSubKeyCount(qint16 v) { m_subKeyCount = v; }
    qint16 ValueCount() const { return m_valueCount; }

    Q_INVOKABLE void ReadKeyInfo(const QString& keyPath);
    Q_INVOKABLE void Refresh();
    RegValueTable GetAllStringData(const QString& keyPath, qint16* count = nullptr);
    // Slot 0 is empty; names follow from slot 1.
    QStringList GetAllSubKeys(const QString& keyPath, qint16* count = nullptr);
    qint16 GetAllSubKeysAndValues(const QString& keyPath, QStringList* subKeys, RegValueTable* values);

    Q_INVOKABLE QString GetName(int index) const;
    Q_INVOKABLE QString GetSubKey(int index) const;
    // A number selects a row of the listing, anything else a name.
    Q_INVOKABLE QString GetValue(const QVariant& nameOrIndex, const QVariant& defaultValue = QVariant());
    Q_INVOKABLE QString GetStringValue(const QString& name, const QString& defaultValue = QString());
    Q_INVOKABLE qint16 GetIntegerValue(const QString& name, qint16 defaultValue = 0);
    Q_INVOKABLE qint32 GetLongValue(const QString& name, qint32 defaultValue = 0);
    Q_INVOKABLE bool GetBooleanValue(const QString& name, bool defaultValue = false);
    Q_INVOKABLE double GetDoubleValue(const QString& name, double defaultValue = 0.0);

    Q_INVOKABLE bool SetValue(const QVariant& name, const QString& data);
    Q_INVOKABLE bool DeleteValue(const QString& name);
    Q_INVOKABLE bool DeleteKey(const QString& subKey);
    Q_INVOKABLE bool Create(
        const QString& subKey, const QVariant& valueName = QVariant(), const QString& data = QString());
    Q_INVOKABLE QString GetRegSetting(const QString& appPath, const QString& section, const QString& valueName,
        const QVariant& defaultValue = QVariant());
    Q_INVOKABLE bool SaveRegSetting(
        const QString& appPath, const QString& section, const QString& valueName, const QVariant& data);

    // The cached listing.
    const RegValueTable& valueTable() const { return m_values; }
    const QStringList& subKeyList() const { return m_subKeys; }
    qint32 lastErrorNumber() const { return m_lastErrorNumber; }
    QString lastErrorText() const { return m_lastErrorText; }
    reg::RegistryStore& store() const { return *m_store; }

    // Text conversions of the typed getters: nullopt when the text does not convert.
    static std::optional<qint16> toInteger(const QString& text);
    static std::optional<qint32> toLong(const QString& text);
    static std::optional<bool> toBoolean(const QString& text);

private:
    KYTCORE_NO_EXPORT bool OpenKey(reg::REGSAM access);
    KYTCORE_NO_EXPORT void CloseKey();
    KYTCORE_NO_EXPORT qint16 CreateEx();
    KYTCORE_NO_EXPORT void GetKeyInfo(const QString& keyPath);
    KYTCORE_NO_EXPORT qint32 DeleteKeyTree(const QString& subKey, int depth = 0);
    KYTCORE_NO_EXPORT void failure(const std::exception& e, const char* procedure);

    std::shared_ptr<reg::RegistryStore> m_store;
    CErrorPtr m_error;
    QString m_source;
    qint32 m_lastErrorNumber = 0;
    QString m_lastErrorText;
    reg::HKEY m_root = 0;
    QString m_key;
    bool m_autoCreate = true;
    reg::REGSAM m_listAccess = 31;
    reg::HKEY m_handle = 0;
    RegValueTable m_values;
    QStringList m_subKeys { QString() };
    qint16 m_subKeyCount = 0;
    qint16 m_valueCount = 0;
    QString m_regAppName;
};

} // namespace kyt
