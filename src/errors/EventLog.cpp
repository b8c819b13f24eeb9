#include "errors/EventLog.h"

#include "util/Paths.h"
#include "util/TerminalText.h"
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <mutex>

namespace kyt
{
namespace
{
std::mutex g_logMutex;
QString& folderOverride()
{
    static QString f;
    return f;
}
const char* typeWord(EventLog::EntryType t)
{
    switch (t) {
    case EventLog::Warning:
        return "Warning";
    case EventLog::Information:
        return "Information";
    default:
        return "Error";
    }
}
} // namespace

void EventLog::setDirectory(const QString& folder)
{
    std::lock_guard lock(g_logMutex);
    folderOverride() = folder;
}

QString EventLog::filePath()
{
    QString dir;
    {
        std::lock_guard lock(g_logMutex);
        dir = folderOverride();
    }
    // Outside the lock: finding the folder may make Qt warn, and its warning
    // may come back here to be logged.
    return dir.isEmpty() ? paths::logFile() : dir + QStringLiteral("/Preview.log");
}

bool EventLog::write(const QString& message, EntryType type)
{
    const QString path = filePath();
    std::lock_guard lock(g_logMutex);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    // Append mode: concurrent writers in other processes each add whole lines.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return false;
    // Names and values from files reach the log too: escape sequences in
    // them must not act on the terminal that shows it.
    QString line = QDateTime::currentDateTime().toString(Qt::ISODate) + QLatin1Char(' ') + QLatin1String(typeWord(type))
        + QLatin1String(": ") + escapeControls(message);
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    line += QLatin1Char('\n');
    const QByteArray bytes = line.toUtf8();
    return f.write(bytes) == bytes.size();
}

} // namespace kyt
