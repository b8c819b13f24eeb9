// kytpreview resave: read a template file and write it again.
#include "Command.h"
#include "template/CPrintTemplate.h"
#include <QCoreApplication>

namespace kyt::cli
{
namespace
{

int run(const ParsedArgs& a)
{
    const QString me = QStringLiteral("resave");
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

const Command::Registration reg({ QStringLiteral("resave"), run });
} // namespace
} // namespace kyt::cli
