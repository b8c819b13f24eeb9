#pragma once
// Where the program's modules are (Qt Core only: the program itself looks
// here for its command module). In the build tree a module sits beside
// the program; installed, in the program's folder under the library folder
// (KYT_MODULES_INSTALLED, relative to the program's folder). The program's
// own path is used, as modules are loaded before any application exists.

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace kyt::cli
{

inline QStringList moduleFiles(const QString& module)
{
    const QDir bin = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).dir();
    return { bin.filePath(module),
        QDir::cleanPath(bin.filePath(QStringLiteral(KYT_MODULES_INSTALLED) + QLatin1Char('/') + module)) };
}

// "MODULE is found neither at FILE nor at FILE", for moduleFiles(module).
inline QString moduleNotFound(const QString& module, const QStringList& files)
{
    return QStringLiteral("%1 is found neither at %2 nor at %3").arg(module, files.value(0), files.value(1));
}

} // namespace kyt::cli
