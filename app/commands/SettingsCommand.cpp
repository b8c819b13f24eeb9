// kytpreview settings: a small editor for the settings store.
#include "Command.h"
#include "errors/CError.h"
#include "platform/RegistryStore.h"
#include "util/Paths.h"
#include <QCoreApplication>
#include <QtEndian>

namespace kyt::cli
{
namespace
{

using namespace kyt::reg;

const char* typeName(DWORD type)
{
    switch (type) {
    case REG_SZ:
        return "REG_SZ";
    case REG_EXPAND_SZ:
        return "REG_EXPAND_SZ";
    case REG_BINARY:
        return "REG_BINARY";
    case REG_DWORD:
        return "REG_DWORD";
    case REG_MULTI_SZ:
        return "REG_MULTI_SZ";
    case REG_QWORD:
        return "REG_QWORD";
    default:
        return "REG_NONE";
    }
}

QString shownData(DWORD type, const QByteArray& data)
{
    if (type == REG_SZ || type == REG_EXPAND_SZ)
        return RegistryStore::dataString(data);
    if (type == REG_DWORD && data.size() == 4)
        return QString::number(qFromLittleEndian<quint32>(data.constData()));
    return QString::fromLatin1(data.toHex(' '));
}

// "HKLM\Software\X" -> root and path; a path without a root name is below HKEY_CURRENT_USER.
bool splitKey(const QString& text, HKEY* root, QString* path)
{
    const qsizetype slash = text.indexOf(QLatin1Char('\\'));
    const QString first = slash < 0 ? text : text.left(slash);
    if (const HKEY r = rootFromName(first)) {
        *root = r;
        *path = slash < 0 ? QString() : text.mid(slash + 1);
        return true;
    }
    if (first.startsWith(QLatin1String("HKEY_"), Qt::CaseInsensitive)) {
        printErr(QCoreApplication::translate("kyt::cli", "kytpreview settings: unknown root '%1'").arg(first));
        return false;
    }
    *root = HKEY_CURRENT_USER;
    *path = text;
    return true;
}

QString message(LONG rc)
{
    switch (rc) {
    case ERROR_FILE_NOT_FOUND:
        return QCoreApplication::translate("kyt::cli", "not found");
    case ERROR_ACCESS_DENIED:
        return QCoreApplication::translate(
            "kyt::cli", "access denied (a key with sub-keys cannot be deleted, nor a root key)");
    case ERROR_BADKEY:
        return QCoreApplication::translate("kyt::cli", "malformed key path");
    case ERROR_BADDB:
        return QCoreApplication::translate("kyt::cli", "the settings file is damaged or cannot be read");
    case ERROR_INVALID_PARAMETER:
        return QCoreApplication::translate("kyt::cli", "name or value too long");
    default:
        return QCoreApplication::translate("kyt::cli", "error %1").arg(rc);
    }
}

int fail(const QString& what, LONG rc)
{
    // A refused write names its real cause: a store that opened read-only.
    const auto store = RegistryStore::current();
    QString why = rc == ERROR_ACCESS_DENIED && store->isReadOnly()
        ? QCoreApplication::translate("kyt::cli", "access denied: the settings store %1 is read-only")
              .arg(store->fileName())
        : message(rc);
    // A write the file refused (a full disk) in the system's words.
    if (rc == ERROR_CANTWRITE && !store->lastFailure().isEmpty())
        why = QCoreApplication::translate("kyt::cli", "the settings store %1 could not be written: %2")
                  .arg(store->fileName(), store->lastFailure());
    printErr(QCoreApplication::translate("kyt::cli", "kytpreview settings: %1: %2").arg(what, why));
    return 1;
}

int run(const ParsedArgs& a)
{
    QStringList args = a.positional;
    if (a.has(QStringLiteral("file")))
        qputenv("KYT_REGISTRY", a.value(QStringLiteral("file")).toLocal8Bit());
    if (args.isEmpty()) {
        printErr(QStringLiteral("kytpreview settings: list|get|set|delete|check (see --help)"));
        return 2;
    }
    auto error = std::make_shared<CError>();
    RegistryStore::setErrorReporter(error); // a damaged file is reported on standard error
    auto store = RegistryStore::current();
    const QString verb = args.takeFirst();

    if (verb == QLatin1String("check")) {
        QString detail;
        printOut(QCoreApplication::translate("kyt::cli", "file: %1").arg(store->fileName()));
        if (!store->isPersistent()) {
            printOut(QCoreApplication::translate("kyt::cli", "not usable: %1").arg(store->problem()));
            return 1;
        }
        const bool ok = store->integrityCheck(&detail);
        printOut(ok ? QStringLiteral("ok") : detail);
        return ok ? 0 : 1;
    }

    if (args.isEmpty()) {
        printErr(QCoreApplication::translate("kyt::cli", "kytpreview settings %1: a key is needed").arg(verb));
        return 2;
    }
    HKEY root = 0;
    QString path;
    if (!splitKey(args.takeFirst(), &root, &path))
        return 2;
    HKEY h = 0;

    if (verb == QLatin1String("list")) {
        if (LONG rc = store->RegOpenKeyEx(root, path, 0, KEY_READ, &h))
            return fail(path, rc);
        QString name;
        for (DWORD i = 0; store->RegEnumKeyEx(h, i, &name) == ERROR_SUCCESS; ++i)
            printOut(QStringLiteral("[%1]").arg(name));
        DWORD type = 0;
        QByteArray data;
        for (DWORD i = 0; store->RegEnumValue(h, i, &name, &type, &data) == ERROR_SUCCESS; ++i)
            printOut(QStringLiteral("%1\t%2\t%3")
                         .arg(name.isEmpty() ? QStringLiteral("(Default)") : name, QLatin1String(typeName(type)),
                             shownData(type, data)));
        store->RegCloseKey(h);
        return store->isPersistent() ? 0 : 1;
    }
    if (verb == QLatin1String("get")) {
        if (args.size() != 1) {
            printErr(QStringLiteral("kytpreview settings get KEY NAME"));
            return 2;
        }
        if (LONG rc = store->RegOpenKeyEx(root, path, 0, KEY_READ, &h))
            return fail(path, rc);
        DWORD type = 0;
        QByteArray data;
        const LONG rc = store->RegQueryValueEx(h, args[0], &type, &data);
        store->RegCloseKey(h);
        if (rc)
            return fail(args[0], rc);
        printOut(shownData(type, data));
        return store->isPersistent() ? 0 : 1;
    }
    if (verb == QLatin1String("set")) {
        if (args.size() != 2) {
            printErr(QStringLiteral("kytpreview settings set KEY NAME VALUE"));
            return 2;
        }
        if (LONG rc = store->RegCreateKeyEx(root, path, 0, QString(), 0, KEY_WRITE, &h, nullptr))
            return fail(path, rc);
        const LONG rc = store->RegSetValueEx(h, args[0], 0, REG_SZ, RegistryStore::stringData(args[1]));
        store->RegCloseKey(h);
        if (rc)
            return fail(args[0], rc);
        return store->isPersistent() ? 0 : 1; // a write to memory only did not stick
    }
    if (verb == QLatin1String("delete")) {
        if (args.size() > 1) {
            printErr(QStringLiteral("kytpreview settings delete KEY [NAME]"));
            return 2;
        }
        if (args.size() == 1) {
            if (LONG rc = store->RegOpenKeyEx(root, path, 0, KEY_ALL_ACCESS, &h))
                return fail(path, rc);
            const LONG rc = store->RegDeleteValue(h, args[0]);
            store->RegCloseKey(h);
            return rc ? fail(args[0], rc) : 0;
        }
        const qsizetype slash = path.lastIndexOf(QLatin1Char('\\'));
        HKEY parent = root;
        if (slash > 0) {
            if (LONG rc = store->RegOpenKeyEx(root, path.left(slash), 0, KEY_ALL_ACCESS, &parent))
                return fail(path, rc);
        }
        const LONG rc = store->RegDeleteKey(parent, slash > 0 ? path.mid(slash + 1) : path);
        if (parent != root)
            store->RegCloseKey(parent);
        return rc ? fail(path, rc) : 0;
    }
    printErr(QStringLiteral("kytpreview settings: ") + unknownAction(QStringLiteral("settings"), verb).chopped(2));
    return 2;
}

const Command::Registration reg({ QStringLiteral("settings"), run });
} // namespace
} // namespace kyt::cli
