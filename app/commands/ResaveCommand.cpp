// kytpreview resave: read a template file and write it again.
#include "Command.h"
#include "template/CPrintTemplate.h"

namespace kyt::cli
{
namespace
{

int run(const QStringList& args)
{
    const QString me = QStringLiteral("resave");
    if (args.size() != 2)
        return fail(me, QStringLiteral("expected IN and OUT (see kytpreview resave --help)"), 2);
    CPrintTemplate t;
    if (!readTemplate(me, t, args[0]))
        return 1;
    if (!t.SaveFile(args[1]))
        return fail(me, QStringLiteral("%1 was not written").arg(args[1]));
    return 0;
}

const Command::Registration reg({ QStringLiteral("resave"), QStringLiteral("IN OUT"),
    QStringLiteral("Reads the template file IN and writes it to OUT in the current layout (pictures\n"
                   "as bitmaps, logos renumbered). OUT is replaced only once it is completely\n"
                   "written; IN and OUT may be the same file.\n\n"
                   "Exit status 0 on success, 1 when IN cannot be read or OUT cannot be written\n"
                   "(the reason goes to standard error), 2 for wrong arguments."),
    run });
} // namespace
} // namespace kyt::cli
