#pragma once
// Creates target-application objects by ProgId. Hosts register factories for
// their own applications in-process; plugins found in the plugin folders
// (paths::pluginDirectories()) serve the ProgIds their metadata declares.
// An in-process factory wins over a plugin for the same ProgId. ProgIds
// compare without regard to case.

#include "kyt/kytcore_export.h"
#include "settings/TargetApplicationObject.h"
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace kyt
{

class KYTCORE_EXPORT TargetApplicationFactory
{
public:
    using Creator = std::function<std::shared_ptr<TargetApplicationObject>()>;

    // Replaces any factory registered for the ProgId.
    static void registerFactory(const QString& progId, Creator creator);
    static bool unregisterFactory(const QString& progId);

    // A new object. Throws KytError 429 naming the reason when nothing serves
    // the ProgId, a plugin does not load, or the factory fails.
    static std::shared_ptr<TargetApplicationObject> create(const QString& progId);

    struct Provider {
        enum Kind { None, InProcess, Plugin } kind = None;
        QString file; // the plugin's file for Plugin
    };
    static Provider providerOf(const QString& progId);

    // ProgIds served by plugins, as their metadata spells them.
    static QStringList pluginProgIds();
    // Scans the plugin folders again (they are scanned once, on first need).
    static void rescanPlugins();
};

} // namespace kyt
