#include "cli/ProgramModules.h"

#include "cli/ModuleFiles.h"
#include "errors/CError.h"
#include <QFileInfo>
#include <QLibrary>

namespace kyt::cli
{

namespace
{

using ReadSymbols = bool (*)(const QImage*, QStringList*);

// The module from moduleFiles, with its symbols. Throws KytError 53 when the
// module or one of its symbols cannot be had.
std::vector<QFunctionPointer> resolve(
    const QString& what, const QString& module, const std::vector<const char*>& symbols)
{
    const QStringList files = moduleFiles(module);
    QString why = moduleNotFound(module, files);
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
