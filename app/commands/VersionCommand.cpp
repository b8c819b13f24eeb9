// kytpreview version: the library's version and where it keeps its files.
#include "Command.h"
#include "errors/EventLog.h"
#include "kyt/Version.h"
#include "util/Paths.h"

namespace kyt::cli
{
namespace
{
int run(const ParsedArgs& a)
{
    if (int rc = checkArguments(
            QStringLiteral("version"), a.positional, a.positional.isEmpty(), QStringLiteral("no arguments")))
        return rc;
    printOut(QStringLiteral("%1 %2.%3.%4")
                 .arg(QLatin1String(ProductName))
                 .arg(VersionMajor)
                 .arg(VersionMinor)
                 .arg(VersionRevision));
    printOut(QStringLiteral("settings: %1").arg(paths::registryFile()));
    printOut(QStringLiteral("log:      %1").arg(EventLog::filePath()));
    return 0;
}
const Command::Registration reg({ QStringLiteral("version"), run });
} // namespace
} // namespace kyt::cli
