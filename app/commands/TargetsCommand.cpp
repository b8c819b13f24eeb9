// kytpreview targets: the target applications registered for the current user.
#include "Command.h"
#include "errors/CError.h"
#include "platform/RegistryStore.h"
#include "settings/AppSettings.h"
#include "settings/CTargetApplications.h"
#include "settings/TargetApplicationFactory.h"
#include <QCoreApplication>

namespace kyt::cli
{
namespace
{

QString servedBy(const QString& progId)
{
    const auto p = TargetApplicationFactory::providerOf(progId);
    switch (p.kind) {
    case TargetApplicationFactory::Provider::Plugin:
        return QCoreApplication::translate("kyt::cli", "plugin %1").arg(p.file);
    case TargetApplicationFactory::Provider::InProcess:
        return QStringLiteral("in-process");
    default:
        return QCoreApplication::translate("kyt::cli", "not available");
    }
}

int run(const ParsedArgs& a)
{
    QStringList args = a.positional;
    if (a.has(QStringLiteral("file")))
        qputenv("KYT_REGISTRY", a.value(QStringLiteral("file")).toLocal8Bit());
    const QString verb = args.isEmpty() ? QStringLiteral("list") : args.takeFirst();
    auto error = std::make_shared<CError>();
    reg::RegistryStore::setErrorReporter(error);

    if (verb == QLatin1String("list")) {
        CTargetApplications apps;
        apps.GetAllTargetApps();
        if (apps.Count() == 0)
            printOut(QCoreApplication::translate("kyt::cli", "No target applications are registered."));
        for (const CTargetApplicationPtr& t : apps)
            printOut(QStringLiteral("%1\t%2\t%3").arg(t->ProgId(), t->Description(), servedBy(t->ProgId())));
        const QStringList unregistered = [&] {
            QStringList out;
            for (const QString& id : TargetApplicationFactory::pluginProgIds())
                if (!apps.Item(id))
                    out << id;
            return out;
        }();
        if (!unregistered.isEmpty())
            printOut(QCoreApplication::translate("kyt::cli", "Installed but not registered: %1")
                         .arg(unregistered.join(QStringLiteral(", "))));
        return 0;
    }
    if (verb == QLatin1String("register")) {
        if (args.size() != 2 || args[0].trimmed().isEmpty()) {
            printErr(QStringLiteral("kytpreview targets register PROGID DESCRIPTION"));
            return 2;
        }
        const reg::LONG rc = settings::SaveSetting(
            CTargetApplications::AppName, CTargetApplications::Section, args[0].trimmed(), args[1]);
        if (rc) {
            printErr(QCoreApplication::translate("kyt::cli", "kytpreview targets: cannot register %1 (error %2)")
                         .arg(args[0])
                         .arg(rc));
            return 1;
        }
        if (TargetApplicationFactory::providerOf(args[0]).kind == TargetApplicationFactory::Provider::None)
            printErr(QCoreApplication::translate("kyt::cli", "note: no installed plugin serves %1 yet").arg(args[0]));
        return reg::RegistryStore::current()->isPersistent() ? 0 : 1;
    }
    if (verb == QLatin1String("unregister")) {
        if (args.size() != 1) {
            printErr(QCoreApplication::translate("kyt::cli", "kytpreview targets unregister PROGID"));
            return 2;
        }
        const reg::LONG rc
            = settings::DeleteSetting(CTargetApplications::AppName, CTargetApplications::Section, args[0]);
        if (rc) {
            printErr(QCoreApplication::translate("kyt::cli", "kytpreview targets: %1 is not registered").arg(args[0]));
            return 1;
        }
        return 0;
    }
    printErr(QCoreApplication::translate("kyt::cli", "kytpreview targets: ")
        + unknownAction(QStringLiteral("targets"), verb).chopped(2));
    return 2;
}

const Command::Registration reg({ QStringLiteral("targets"), run });
} // namespace
} // namespace kyt::cli
