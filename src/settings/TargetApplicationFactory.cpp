#include "settings/TargetApplicationFactory.h"
#include "errors/CError.h"

#include "util/Paths.h"
#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QPluginLoader>
#include <map>
#include <mutex>

namespace kyt
{

TargetApplicationObject::~TargetApplicationObject() = default;

namespace
{

struct PluginEntry {
    QString progId; // as declared
    QString file;
};

struct State {
    std::recursive_mutex mutex;
    std::map<QString, TargetApplicationFactory::Creator> creators; // by folded ProgId
    bool scanned = false;
    std::map<QString, PluginEntry> plugins; // by folded ProgId
    // Loaded plugins stay loaded: objects they made may still be alive.
    std::map<QString, std::unique_ptr<QPluginLoader>> loaders;
};

State& state()
{
    static State s;
    return s;
}

QString fold(const QString& progId)
{
    return progId.trimmed().toCaseFolded();
}

void scan(State& s)
{
    s.plugins.clear();
    for (const QString& dirPath : paths::pluginDirectories()) {
        const QDir dir(dirPath);
        if (!dir.exists())
            continue;
        for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
            const QString file = dir.absoluteFilePath(name);
            if (!QLibrary::isLibrary(file))
                continue;
            // Metadata is read without loading the library.
            const QJsonObject meta = QPluginLoader(file).metaData();
            if (meta.value(QLatin1String("IID")).toString() != QLatin1String(KYT_TARGET_APPLICATION_PLUGIN_IID))
                continue;
            const QJsonValue ids = meta.value(QLatin1String("MetaData")).toObject().value(QLatin1String("ProgId"));
            QStringList list;
            if (ids.isArray()) {
                for (const QJsonValue& v : ids.toArray())
                    list << v.toString();
            } else {
                list << ids.toString();
            }
            for (const QString& id : list) {
                if (id.trimmed().isEmpty())
                    continue;
                // The first folder that serves a ProgId wins ($KYT_PLUGIN_PATH first).
                s.plugins.emplace(fold(id), PluginEntry { id.trimmed(), file });
            }
        }
    }
    s.scanned = true;
}

void ensureScanned(State& s)
{
    if (!s.scanned)
        scan(s);
}

} // namespace

void TargetApplicationFactory::registerFactory(const QString& progId, Creator creator)
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    if (fold(progId).isEmpty() || !creator)
        return;
    s.creators[fold(progId)] = std::move(creator);
}

bool TargetApplicationFactory::unregisterFactory(const QString& progId)
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    return s.creators.erase(fold(progId)) > 0;
}

TargetApplicationFactory::Provider TargetApplicationFactory::providerOf(const QString& progId)
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    const QString key = fold(progId);
    if (s.creators.count(key))
        return Provider { Provider::InProcess, QString() };
    ensureScanned(s);
    auto it = s.plugins.find(key);
    if (it != s.plugins.end())
        return Provider { Provider::Plugin, it->second.file };
    return Provider {};
}

QStringList TargetApplicationFactory::pluginProgIds()
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    ensureScanned(s);
    QStringList ids;
    for (const auto& [key, entry] : s.plugins)
        ids << entry.progId;
    return ids;
}

void TargetApplicationFactory::rescanPlugins()
{
    State& s = state();
    std::lock_guard lock(s.mutex);
    scan(s);
}

std::shared_ptr<TargetApplicationObject> TargetApplicationFactory::create(const QString& progId)
{
    auto fail = [](const QString& why) -> std::shared_ptr<TargetApplicationObject> {
        throw KytError(429, QCoreApplication::translate("kyt::TargetApplication", "Cannot create object: ") + why);
    };
    State& s = state();
    Creator creator;
    QString declared;
    QString file;
    {
        std::lock_guard lock(s.mutex);
        const QString key = fold(progId);
        if (key.isEmpty())
            return fail(QCoreApplication::translate("kyt::TargetApplication", "No ProgId given"));
        auto c = s.creators.find(key);
        if (c != s.creators.end()) {
            creator = c->second;
        } else {
            ensureScanned(s);
            auto p = s.plugins.find(key);
            if (p == s.plugins.end())
                return fail(QCoreApplication::translate(
                    "kyt::TargetApplication", "No target application is registered for \"%1\"")
                                .arg(progId));
            declared = p->second.progId;
            file = p->second.file;
        }
    }
    try {
        if (creator) {
            auto object = creator();
            return object
                ? object
                : fail(QCoreApplication::translate("kyt::TargetApplication", "The factory for \"%1\" made no object")
                           .arg(progId));
        }
        QPluginLoader* loader;
        {
            std::lock_guard lock(s.mutex);
            auto& slot = s.loaders[file];
            if (!slot)
                slot = std::make_unique<QPluginLoader>(file);
            loader = slot.get();
        }
        QObject* instance = loader->instance();
        if (!instance)
            return fail(QCoreApplication::translate("kyt::TargetApplication", "The plugin \"%1\" does not load: %2")
                            .arg(file, loader->errorString()));
        auto* plugin = qobject_cast<TargetApplicationPlugin*>(instance);
        if (!plugin)
            return fail(QCoreApplication::translate(
                "kyt::TargetApplication", "The plugin \"%1\" does not serve target applications")
                            .arg(file));
        auto object = plugin->create(declared);
        return object
            ? object
            : fail(QCoreApplication::translate("kyt::TargetApplication", "The plugin \"%1\" made no object for \"%2\"")
                       .arg(file, progId));
    } catch (const KytError&) {
        throw;
    } catch (const std::exception& e) {
        return fail(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        // A plugin's or factory's own code may throw anything; it becomes the library's error.
        return fail(
            QCoreApplication::translate("kyt::TargetApplication", "The target application \"%1\" failed").arg(progId));
    }
}

} // namespace kyt
