#include "cli/ProgramModules.h"

#include "errors/CError.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace kyt::cli
{

namespace
{

using ReadSymbols = bool (*)(const QImage*, QStringList*);

// In the build tree a module sits beside the program; installed, in the
// program's folder under the library folder. The program's own path, as
// the window module is loaded before the application exists. Throws
// KytError 53 when the module or one of its symbols cannot be had.
std::vector<QFunctionPointer> resolve(
    const QString& what, const QString& module, const std::vector<const char*>& symbols)
{
    const QDir bin = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).dir();
    const QStringList files = { bin.filePath(module),
        QDir::cleanPath(bin.filePath(QStringLiteral(KYT_MODULES_INSTALLED) + QLatin1Char('/') + module)) };
    QString why = QStringLiteral("%1 is found neither at %2 nor at %3").arg(module, files[0], files[1]);
    for (const QString& file : files) {
        if (!QFileInfo::exists(file))
            continue;
        QLibrary lib(file);
        std::vector<QFunctionPointer> found;
        if (lib.load())
            for (const char* symbol : symbols)
                if (QFunctionPointer f = lib.resolve(symbol))
                    found.push_back(f);
        if (found.size() == symbols.size())
            return found;
        why = lib.errorString();
    }
    throw KytError(53, QStringLiteral("the %1 could not be loaded: %2").arg(what, why));
}

} // namespace

preflight::BarcodeReader loadSymbolReader()
{
    static ReadSymbols read = nullptr;
    if (!read)
        read = reinterpret_cast<ReadSymbols>(
            resolve(QStringLiteral("symbol reader"), QStringLiteral("kytpreview-reader.so"), { "kyt_read_symbols" })
                .front());
    return [](const QImage& grey) {
        QStringList found;
        read(&grey, &found);
        return found;
    };
}

WindowModule loadWindowModule()
{
    const std::vector<QFunctionPointer> f = resolve(QStringLiteral("window module"),
        QStringLiteral("kytpreview-windows.so"), { "kyt_window_application", "kyt_run_window_command" });
    return { reinterpret_cast<decltype(WindowModule::createApplication)>(f[0]),
        reinterpret_cast<decltype(WindowModule::run)>(f[1]) };
}

} // namespace kyt::cli
