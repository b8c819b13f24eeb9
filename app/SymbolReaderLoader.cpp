#include "SymbolReaderLoader.h"

#include "errors/CError.h"
#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace kyt::cli
{

namespace
{

using ReadSymbols = bool (*)(const QImage*, QStringList*);

} // namespace

preflight::BarcodeReader loadSymbolReader()
{
    static ReadSymbols read = nullptr;
    if (!read) {
        // In the build tree the module sits beside the program; installed,
        // in the program's folder under the library folder.
        const QDir bin(QCoreApplication::applicationDirPath());
        QString why;
        for (const QString& file :
            { bin.filePath(QStringLiteral(KYT_READER_MODULE)), bin.filePath(QStringLiteral(KYT_READER_INSTALLED)) }) {
            QLibrary lib(file);
            if (lib.load()) {
                read = reinterpret_cast<ReadSymbols>(lib.resolve("kyt_read_symbols"));
                if (read)
                    break;
            }
            why = lib.errorString();
        }
        if (!read)
            throw KytError(53, QStringLiteral("the symbol reader could not be loaded: %1").arg(why));
    }
    return [](const QImage& grey) {
        QStringList found;
        read(&grey, &found);
        return found;
    };
}

} // namespace kyt::cli
