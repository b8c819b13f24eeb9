// kytpreview design: the template designer on a new or existing template.
#include "Command.h"
#include "cli/ProgramModules.h"
#include "designer/PreflightPanel.h"
#include "designer/frmPreview.h"
#include "errors/CError.h"
#include "kyt/Version.h"
#include "objects/PlaceholderPhoto.h"
#include "platform/widgets/AppIcon.h"
#include "platform/widgets/QtCommonDialog.h"
#include "settings/CProperties.h"
#include "template/CPrintTemplate.h"
#include "util/PassOver.h"
#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>
#include <optional>

namespace kyt::cli
{
namespace
{

const QString Me = QStringLiteral("kytpreview design");

int run(const ParsedArgs& a)
{
    const QStringList& args = a.positional;
    const QString shot = a.value(QStringLiteral("screenshot"));
    const bool hasShot = a.has(QStringLiteral("screenshot"));
    if (const int rc = checkArguments(QStringLiteral("design"), args, args.size() <= 1,
            QCoreApplication::translate("kyt::cli", "at most one template file")))
        return rc;
    const QString file = args.isEmpty() ? QString() : args.first();
    if (!file.isEmpty() && !QFileInfo::exists(file)) {
        printErr(Me + QCoreApplication::translate("kyt::cli", ": %1: no such file").arg(file));
        return 1;
    }

    // A screenshot run has nobody to answer a message: it fails instead.
    std::optional<UnattendedMessages> unattended;
    if (hasShot)
        unattended.emplace(QStringLiteral("design"));
    installGuiDialogs();
    QApplication::setWindowIcon(appIcon());
    auto error = std::make_shared<CError>();
    error->setDisplayError(true);
    CProperties properties(error);

    // Without the reader module the designer offers no Verify.
    passOver([] { PreflightPanel::setBarcodeReader(loadSymbolReader()); });
    frmPreview window;
    window.setError(error);
    window.setProperties(&properties);
    window.Setup();
    if (file.isEmpty()) {
        // A new card with the designer defaults; Save asks for its name.
        auto t = std::make_shared<CPrintTemplate>();
        t->setError(error);
        t->ApplyDefaults(&properties);
        t->setDefaultPhoto(placeholderPhoto());
        window.ShowID(t);
        window.setWindowTitle(QLatin1String(ProductName) + QCoreApplication::translate("kyt::cli", " Untitiled"));
    } else {
        window.OpenID(QFileInfo(file).absoluteFilePath());
    }
    if (unattended && unattended->count() > 0)
        return 1; // said on standard error
    QObject::connect(&window, &frmPreview::windowHidden, qApp, [] { QApplication::quit(); });
    window.show();
    // Start at a size a person can work with; the zoom keys change it.
    QTimer::singleShot(0, &window, [&window] {
        window.zoomToFit();
        if (window.zoom() > 3.0)
            window.setZoom(3.0);
    });

    if (hasShot) {
        QTimer::singleShot(400, &window, [&] {
            if (unattended->count() > 0) {
                QApplication::exit(1);
                return;
            }
            const bool ok = window.grab().save(shot);
            if (!ok)
                printErr(Me + QCoreApplication::translate("kyt::cli", ": cannot write %1").arg(shot));
            QApplication::exit(ok ? 0 : 1);
        });
    }
    return QApplication::exec();
}

const Command::Registration reg({ QStringLiteral("design"), run });

} // namespace
} // namespace kyt::cli
