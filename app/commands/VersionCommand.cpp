// kytpreview version: the library's version and where it keeps its files.
#include "Command.h"
#include "errors/EventLog.h"
#include "kyt/Version.h"
#include "util/Paths.h"

namespace kyt::cli
{
namespace
{
int run(const QStringList&)
{
    printOut(QStringLiteral("%1 %2.%3.%4")
                 .arg(QLatin1String(ProductName))
                 .arg(VersionMajor)
                 .arg(VersionMinor)
                 .arg(VersionRevision));
    printOut(QStringLiteral("settings: %1").arg(paths::registryFile()));
    printOut(QStringLiteral("log:      %1").arg(EventLog::filePath()));
    return 0;
}
const Command::Registration reg({ QStringLiteral("version"), QString(),
    QStringLiteral("Prints the version and the files the library uses."), run });
} // namespace
} // namespace kyt::cli
