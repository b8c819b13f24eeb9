// The installed folders (and the build tree's) come from the build as
// definitions that only this file sees, so every other file compiles alike
// in every build folder.
#include "util/Paths.h"

#include <QStringList>

namespace kyt::paths
{

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
