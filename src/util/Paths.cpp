#include "util/Paths.h"

#include <QDir>
#include <QtGlobal>

namespace kyt::paths
{
namespace
{
QString envOr(const char* name, const QString& fallback)
{
    const QString v = qEnvironmentVariable(name);
    return v.isEmpty() ? fallback : v;
}
QString xdg(const char* name, const char* homeRelative)
{
    return envOr(name, QDir::homePath() + QLatin1Char('/') + QLatin1String(homeRelative));
}
} // namespace

QString logDirectory()
{
    const QString v = qEnvironmentVariable("KYT_LOG_DIR");
    if (!v.isEmpty())
        return v;
    return xdg("XDG_STATE_HOME", ".local/state") + QStringLiteral("/kyt");
}

QString registryFile()
{
    const QString v = qEnvironmentVariable("KYT_REGISTRY");
    if (!v.isEmpty())
        return v;
    return xdg("XDG_CONFIG_HOME", ".config") + QStringLiteral("/kyt/registry.db");
}

QString logFile()
{
    return logDirectory() + QStringLiteral("/Preview.log");
}

} // namespace kyt::paths
