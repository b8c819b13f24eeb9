#include "util/Paths.h"

#include <QDir>
#include <QStringList>
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

QStringList pluginDirectories()
{
    QStringList dirs;
    for (const QString& d : qEnvironmentVariable("KYT_PLUGIN_PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        dirs << d;
#ifdef KYT_PLUGIN_DIR
    dirs << QStringLiteral(KYT_PLUGIN_DIR);
#endif
    dirs << QStringLiteral(KYT_INSTALLED_PLUGIN_DIR);
    return dirs;
}

QStringList fontDirectories()
{
    QStringList dirs;
    const QString v = qEnvironmentVariable("KYT_FONT_DIR");
    if (!v.isEmpty())
        dirs << v;
#ifdef KYT_FONT_DIR
    dirs << QStringLiteral(KYT_FONT_DIR);
#endif
    dirs << QStringLiteral(KYT_INSTALLED_FONT_DIR);
    return dirs;
}

} // namespace kyt::paths
