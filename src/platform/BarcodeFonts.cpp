#include "platform/BarcodeFonts.h"

#include "util/Paths.h"
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMutex>
#include <QStringList>

namespace kyt
{
namespace
{
struct FontState {
    QString family;
    QString file;
    QString registeredPath;
};

QMutex g_mutex;
FontState g_fonts[2] = {
    { QLatin1String(kBarcode39Family), QLatin1String(kBarcode39File), QString() },
    { QLatin1String(kBarcode128Family), QLatin1String(kBarcode128File), QString() },
};

bool registerOne(FontState& font)
{
    if (!font.registeredPath.isEmpty())
        return true;
    for (const QString& dir : paths::fontDirectories()) {
        const QString path = dir + QLatin1Char('/') + font.file;
        if (!QFileInfo(path).isFile())
            continue;
        const int id = QFontDatabase::addApplicationFont(path);
        if (id < 0)
            continue; // damaged file: try the next folder
        if (QFontDatabase::applicationFontFamilies(id).contains(font.family)) {
            font.registeredPath = path;
            return true;
        }
        QFontDatabase::removeApplicationFont(id); // some other font under our file name
    }
    return false;
}
} // namespace

bool registerBarcodeFonts()
{
    if (!qGuiApp)
        return false;
    QMutexLocker lock(&g_mutex);
    bool all = true;
    for (FontState& font : g_fonts)
        all = registerOne(font) && all;
    return all;
}

bool isBundledBarcodeFamily(const QString& family)
{
    return family.compare(QLatin1String(kBarcode39Family), Qt::CaseInsensitive) == 0
        || family.compare(QLatin1String(kBarcode128Family), Qt::CaseInsensitive) == 0;
}

QString registeredBarcodeFontFile(const QString& family)
{
    QMutexLocker lock(&g_mutex);
    for (const FontState& font : g_fonts)
        if (font.family == family)
            return font.registeredPath;
    return QString();
}

} // namespace kyt
