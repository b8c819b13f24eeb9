// kytpreview resave: read a template file and write it again.
#include "Command.h"
#include "template/CPrintTemplate.h"
#include <QCoreApplication>

namespace kyt::cli
{
namespace
{

int run(const QStringList& argsIn)
{
    const QString me = QStringLiteral("resave");
    ParsedArgs a;
    if (int rc = parseCommandLine(me, argsIn, &a))
        return rc;
    const QStringList& args = a.positional;
    if (args.size() != 2)
        return fail(
            me, QCoreApplication::translate("kyt::cli", "expected IN and OUT (see kytpreview resave --help)"), 2);
    CPrintTemplate t;
    if (!readTemplate(me, t, args[0]))
        return 1;
    if (!t.SaveFile(args[1]))
        return fail(me, QCoreApplication::translate("kyt::cli", "%1 was not written").arg(args[1]));
    return 0;
}

// Synopsis and help: its table in cli/CommandTables.cpp.
const Command::Registration reg({ QStringLiteral("resave"), QString(), QString(), run });
} // namespace
} // namespace kyt::cli
