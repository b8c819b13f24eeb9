#include "settings/CRegistry.h"
#include <QCoreApplication>

#include "errors/MessageBox.h"
#include "errors/ModuleSource.h"
#include "util/NumberText.h"
#include <cmath>
#include <limits>

namespace kyt
{

using namespace reg;

namespace
{

constexpr REGSAM CreateAccess = 0x3F;
// The counts are 16-bit: a listing stops there rather than wrap around.
constexpr int MaxListed = std::numeric_limits<qint16>::max();

bool isIntegral(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

bool given(const QVariant& v)
{
    return v.isValid() && !v.isNull();
}

// A value as the text stored for it: True/False for flags, "." decimals.
QString variantText(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
        return doubleToText(v.toDouble());
    case QMetaType::Float:
        return singleToText(v.toFloat());
    default:
        return v.toString();
    }
}

// Restores the current key when a nested walk returns, however it returns.
struct KeyRestore {
    QString& key;
    QString saved;
    ~KeyRestore() { key = saved; }
};

} // namespace

QString RegValueTable::at(int field, int row) const
{
    if (row < 0 || row >= rowCount())
        return QString();
    if (field == 0)
        return rows[static_cast<size_t>(row)].name;
    if (field == 1)
        return rows[static_cast<size_t>(row)].data;
    return QString();
}

CRegistry::CRegistry(QObject* parent)
    : CRegistry(RegistryStore::current(), parent)
{
}

CRegistry::CRegistry(std::shared_ptr<RegistryStore> store, QObject* parent)
    : QObject(parent)
    , m_store(std::move(store))
    , m_source(moduleSource(".CRegistry ("))
{
    m_autoCreate = true;
    m_listAccess = 31;
    setRoot(static_cast<qint32>(HKEY_LOCAL_MACHINE));
    m_values.reset();
    m_subKeys = QStringList { QString() };
}

CRegistry::~CRegistry()
{
    CloseKey();
}

void CRegistry::setErrorObject(CErrorPtr error)
{
    m_error = std::move(error);
    RegistryStore::adoptErrorReporter(m_error);
}

void CRegistry::failure(const std::exception& e, const char* procedure)
{
    if (const auto* k = dynamic_cast<const KytError*>(&e)) {
        m_lastErrorNumber = k->number();
        m_lastErrorText = k->description();
    } else {
        m_lastErrorNumber = 440;
        m_lastErrorText = QString::fromLocal8Bit(e.what());
    }
    if (m_error)
        m_error->Display(m_lastErrorNumber, m_source + QLatin1String(procedure), m_lastErrorText);
}

void CRegistry::setRoot(qint32 root)
{
    m_root = static_cast<HKEY>(root);
    try {
        OpenKey(31);
    } catch (const std::exception& e) {
        failure(e, " RootLet");
    }
}

bool CRegistry::OpenKey(REGSAM access)
{
    if (m_key.isEmpty() || m_root == 0) {
        CloseKey();
        return false;
    }
    CloseKey();
    if (!m_autoCreate)
        return m_store->RegOpenKeyEx(m_root, m_key, 0, access, &m_handle) == ERROR_SUCCESS;
    const qint16 disposition = CreateEx();
    return disposition == REG_CREATED_NEW_KEY || disposition == REG_OPENED_EXISTING_KEY;
}

void CRegistry::CloseKey()
{
    if (m_handle != 0) {
        m_store->RegCloseKey(m_handle);
        m_handle = 0;
    }
}

qint16 CRegistry::CreateEx()
{
    CloseKey();
    DWORD disposition = 0;
    const LONG rc = m_store->RegCreateKeyEx(m_root, m_key, 0, QString(), 0, CreateAccess, &m_handle, &disposition);
    if (rc == ERROR_SUCCESS)
        return static_cast<qint16>(disposition);
    m_handle = 0;
    throw KytError(vbObjectError + 0x209,
        QCoreApplication::translate("kyt::CRegistry", "Unknown Error: ") + QString::number(rc),
        m_source + QStringLiteral(" CreateEx"));
}

void CRegistry::GetKeyInfo(const QString& keyPath)
{
    if (!keyPath.isEmpty())
        m_key = keyPath;
    m_values.reset();
    m_subKeys = QStringList { QString() };
    CloseKey();
    try {
        if (m_autoCreate) {
            if (CreateEx() == 0)
                throw KytError(1000, QCoreApplication::translate("kyt::CRegistry", "Unable to create Key"),
                    QStringLiteral("GetKeyInfo"));
        } else if (m_store->RegOpenKeyEx(m_root, m_key, 0, m_listAccess, &m_handle) != ERROR_SUCCESS) {
            m_handle = 0;
            CloseKey();
            return;
        }
        KeyInfo info;
        if (m_store->RegQueryInfoKey(m_handle, &info) != ERROR_SUCCESS)
            throw KytError(1009, QCoreApplication::translate("kyt::CRegistry", "Unable to query Key"));

        // Values of other types are passed over; the walk ends at the end of
        // the key (or at any failure), never on the same index twice.
        int listed = 0;
        for (DWORD i = 0; listed < MaxListed; ++i) {
            DWORD type = REG_NONE;
            LONG rc = m_store->RegEnumValue(m_handle, i, nullptr, &type, nullptr);
            if (rc != ERROR_SUCCESS)
                break;
            if (type != REG_SZ)
                continue;
            QString name;
            QByteArray data;
            rc = m_store->RegEnumValue(m_handle, i, &name, nullptr, &data);
            if (rc != ERROR_SUCCESS)
                break;
            m_values.rows.insert(m_values.rows.end() - 1, RegValueTable::Row { name, RegistryStore::dataString(data) });
            ++listed;
        }
        m_valueCount = static_cast<qint16>(listed);

        int keys = 0;
        for (DWORD i = 0; keys < MaxListed; ++i) {
            QString name;
            if (m_store->RegEnumKeyEx(m_handle, i, &name) != ERROR_SUCCESS)
                break;
            m_subKeys.append(name);
            ++keys;
        }
        m_subKeyCount = static_cast<qint16>(keys);
    } catch (const std::exception&) {
        // A key that cannot be listed leaves an empty cache; nothing is reported.
    }
    CloseKey();
}

void CRegistry::ReadKeyInfo(const QString& keyPath)
{
    GetKeyInfo(keyPath);
}

void CRegistry::Refresh()
{
    GetKeyInfo(QString());
}

RegValueTable CRegistry::GetAllStringData(const QString& keyPath, qint16* count)
{
    m_key = keyPath;
    GetKeyInfo(QString());
    if (count)
        *count = m_valueCount;
    return m_values;
}

QStringList CRegistry::GetAllSubKeys(const QString& keyPath, qint16* count)
{
    m_key = keyPath;
    GetKeyInfo(QString());
    if (count)
        *count = m_subKeyCount;
    return m_subKeys;
}

qint16 CRegistry::GetAllSubKeysAndValues(const QString& keyPath, QStringList* subKeys, RegValueTable* values)
{
    m_key = keyPath;
    GetKeyInfo(QString());
    if (subKeys)
        *subKeys = m_subKeys;
    if (values)
        *values = m_values;
    return m_subKeyCount;
}

QString CRegistry::GetName(int index) const
{
    if (index < 0 || index >= m_values.rowCount())
        return QString();
    return m_values.rows[static_cast<size_t>(index)].name;
}

QString CRegistry::GetSubKey(int index) const
{
    // Slot 0 is the spare; listed names are at 1..SubKeyCount, read by index.
    if (index < 0 || index >= m_subKeyCount || index + 1 >= m_subKeys.size())
        return QString();
    return m_subKeys.at(index + 1);
}

QString CRegistry::GetValue(const QVariant& nameOrIndex, const QVariant& defaultValue)
{
    QString result;
    try {
        if (isIntegral(nameOrIndex)) {
            const qlonglong row = nameOrIndex.toLongLong();
            if (row < 0 || row >= m_values.rowCount())
                throw KytError(9, QCoreApplication::translate("kyt::CRegistry", "Subscript out of range"));
            result = m_values.rows[static_cast<size_t>(row)].data;
        } else {
            const QString wanted = nameOrIndex.toString();
            for (const RegValueTable::Row& r : m_values.rows) {
                if (r.name.compare(wanted, Qt::CaseInsensitive) == 0) {
                    result = r.data;
                    break;
                }
            }
        }
        if (result.isEmpty() && given(defaultValue))
            result = variantText(defaultValue);
    } catch (const std::exception& e) {
        failure(e, " GetValue");
    }
    return result;
}

std::optional<qint16> CRegistry::toInteger(const QString& text)
{
    const std::optional<qint32> v = toLong(text);
    if (!v || *v < std::numeric_limits<qint16>::min() || *v > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(*v);
}

std::optional<qint32> CRegistry::toLong(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return -1;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return 0;
    const std::optional<double> d = parseNumber(t);
    if (!d)
        return std::nullopt;
    const double r = std::nearbyint(*d); // halves to even
    if (r < std::numeric_limits<qint32>::min() || r > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(r);
}

std::optional<bool> CRegistry::toBoolean(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    const std::optional<double> d = parseNumber(t);
    if (!d)
        return std::nullopt;
    return *d != 0.0;
}

QString CRegistry::GetStringValue(const QString& name, const QString& defaultValue)
{
    return GetValue(name, defaultValue.isNull() ? QVariant() : QVariant(defaultValue));
}

qint16 CRegistry::GetIntegerValue(const QString& name, qint16 defaultValue)
{
    const QString text = GetValue(name, QVariant(static_cast<int>(defaultValue)));
    return text.isEmpty() ? 0 : toInteger(text).value_or(0);
}

qint32 CRegistry::GetLongValue(const QString& name, qint32 defaultValue)
{
    const QString text = GetValue(name, QVariant(defaultValue));
    return text.isEmpty() ? 0 : toLong(text).value_or(0);
}

bool CRegistry::GetBooleanValue(const QString& name, bool defaultValue)
{
    const QString text = GetValue(name, QVariant(defaultValue));
    return text.isEmpty() ? false : toBoolean(text).value_or(false);
}

double CRegistry::GetDoubleValue(const QString& name, double defaultValue)
{
    const QString text = GetValue(name, QVariant(defaultValue));
    return text.isEmpty() ? 0.0 : parseNumber(text).value_or(0.0);
}

bool CRegistry::SetValue(const QVariant& name, const QString& data)
{
    QString valueName;
    if (isIntegral(name)) {
        // An index names the listed value at that row.
        const qlonglong row = name.toLongLong();
        if (row < 0 || row >= m_valueCount || row >= m_values.rowCount() - 1)
            return false;
        valueName = m_values.rows[static_cast<size_t>(row)].name;
    } else {
        valueName = name.toString();
    }

    LONG rc = ERROR_SUCCESS;
    try {
        if (!OpenKey(6))
            return false;
        rc = m_store->RegSetValueEx(m_handle, valueName, 0, REG_SZ, RegistryStore::stringData(data));
    } catch (const KytError& e) {
        rc = e.number(); // the key could not be created: the write failed
    }
    CloseKey();
    if (rc != ERROR_SUCCESS) {
        MsgBox(QCoreApplication::translate("kyt::CRegistry", "Couldn't write new value to registry."), vbInformation,
            QCoreApplication::translate("kyt::CRegistry", "Write Failed"));
        return false;
    }
    return true;
}

bool CRegistry::DeleteValue(const QString& name)
{
    try {
        bool deleted = false;
        if (OpenKey(31))
            deleted = m_store->RegDeleteValue(m_handle, name) == ERROR_SUCCESS;
        CloseKey();
        GetKeyInfo(QString());
        return deleted;
    } catch (const std::exception& e) {
        CloseKey();
        failure(e, " DeleteValue");
        return false;
    }
}

bool CRegistry::DeleteKey(const QString& subKey)
{
    try {
        return DeleteKeyTree(subKey) == ERROR_SUCCESS;
    } catch (const std::exception& e) {
        failure(e, " DeleteKey");
        return false;
    }
}

qint32 CRegistry::DeleteKeyTree(const QString& subKey, int depth)
{
    qint32 result = -1;
    const QString path = m_key.isEmpty() ? subKey : m_key + QLatin1Char('\\') + subKey;
    HKEY handle = 0;
    if (subKey.isEmpty() || m_store->RegOpenKeyEx(m_root, path, 0, CreateAccess, &handle) != ERROR_SUCCESS)
        return -1;

    // Sub-keys that cannot be deleted are stepped over, so the walk always
    // ends; their parent then stays too.
    DWORD index = 0;
    for (;;) {
        QString child;
        const LONG rc = m_store->RegEnumKeyEx(handle, index, &child);
        if (rc == ERROR_NO_MORE_ITEMS) {
            m_store->RegCloseKey(handle);
            handle = 0;
            HKEY parent = 0;
            if (m_store->RegOpenKeyEx(m_root, m_key, 0, CreateAccess, &parent) == ERROR_SUCCESS) {
                result = m_store->RegDeleteKey(parent, subKey);
                m_store->RegCloseKey(parent);
            }
            break;
        }
        if (rc != ERROR_SUCCESS) {
            result = rc;
            break;
        }
        if (depth >= MaxDeleteDepth) {
            result = ERROR_ACCESS_DENIED;
            break;
        }
        qint32 childResult;
        {
            KeyRestore restore { m_key, m_key };
            m_key = path;
            childResult = DeleteKeyTree(child, depth + 1);
        }
        if (childResult != ERROR_SUCCESS)
            ++index;
        result = childResult;
    }
    if (handle)
        m_store->RegCloseKey(handle);
    return result;
}

bool CRegistry::Create(const QString& subKey, const QVariant& valueName, const QString& data)
{
    try {
        if (subKey != m_key)
            m_key = m_key.isEmpty() ? subKey : m_key + QLatin1Char('\\') + subKey;
        bool result = false;
        if (CreateEx() != 0) {
            if (given(valueName) && !SetValue(valueName, data))
                MsgBox(QCoreApplication::translate("kyt::CRegistry", "Could not set value"), vbOKOnly);
            result = true;
        }
        CloseKey();
        return result;
    } catch (const std::exception& e) {
        CloseKey();
        failure(e, " Create");
        return false;
    }
}

QString CRegistry::GetRegSetting(
    const QString& appPath, const QString& section, const QString& valueName, const QVariant& defaultValue)
{
    const QString path = appPath + QLatin1Char('\\') + section;
    if (path.compare(m_key, Qt::CaseInsensitive) != 0)
        ReadKeyInfo(path);
    return GetValue(valueName, defaultValue);
}

bool CRegistry::SaveRegSetting(
    const QString& appPath, const QString& section, const QString& valueName, const QVariant& data)
{
    const QString path = appPath + QLatin1Char('\\') + section;
    if (path.compare(m_key, Qt::CaseInsensitive) != 0)
        ReadKeyInfo(path);
    return SetValue(valueName, variantText(data));
}

} // namespace kyt
