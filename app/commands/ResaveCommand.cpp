// kytpreview resave: read a template file and write it again.
#include <memory>
#include "Command.h"
#include "control/CError.h"
#include "template/CPrintTemplate.h"

namespace kyt::cli {
namespace {

int run(const QStringList& args)
{
    if (args.size() != 2) {
        printErr(QStringLiteral("kytpreview resave: expected IN and OUT (see kytpreview resave --help)"));
        return 2;
    }
    auto error = std::make_shared<CError>();
    int reports = 0;
    QObject::connect(error.get(), &CError::ErrorEvent, [&reports](QString&) { ++reports; });
    CPrintTemplate t;
    t.setError(error);
    if (!t.ReadFile(args[0])) {
        if (reports == 0)
            printErr(QStringLiteral("kytpreview resave: %1 is not a template file").arg(args[0]));
        return 1;
    }
    if (!t.SaveFile(args[1])) {
        printErr(QStringLiteral("kytpreview resave: %1 was not written").arg(args[1]));
        return 1;
    }
    return 0;
}

const Command::Registration reg({QStringLiteral("resave"), QStringLiteral("IN OUT"),
                                 QStringLiteral("Reads the template file IN and writes it to OUT in the current layout (pictures\n"
                                                "as bitmaps, logos renumbered). OUT is replaced only once it is completely\n"
                                                "written; IN and OUT may be the same file.\n\n"
                                                "Exit status 0 on success, 1 when IN cannot be read or OUT cannot be written\n"
                                                "(the reason goes to standard error), 2 for wrong arguments."),
                                 run});
} // namespace
} // namespace kyt::cli
