// kytpreview check: a preflight report before cards are printed.
#include "Command.h"
#include "cli/ProgramModules.h"
#include "data/CsvReader.h"
#include "data/DataSource.h"
#include "errors/CError.h"
#include "jobs/Preflight.h"
#include "util/Strings.h"
#include <QCoreApplication>

namespace kyt::cli
{
namespace
{

const QString Me = QStringLiteral("check");

int run(const ParsedArgs& a)
{
    const QStringList& args = a.positional;
    preflight::Options options;
    options.csvFile = a.value(QStringLiteral("csv"));
    options.dataFile = a.value(QStringLiteral("data"));
    const bool hasCsv = a.has(QStringLiteral("csv"));
    const bool hasData = a.has(QStringLiteral("data"));
    const bool verify = a.has(QStringLiteral("verify"));
    if (a.has(QStringLiteral("dpi"))) {
        bool ok = false;
        options.dpi = a.value(QStringLiteral("dpi")).toInt(&ok);
        if (!ok || options.dpi < 150 || options.dpi > 1200)
            return fail(
                Me, QCoreApplication::translate("kyt::cli", "--dpi must be a whole number from 150 to 1200"), 2);
    }
    if (int rc = readCsvOptions(Me, a, &options.csv))
        return rc;
    bool hasSource = false;
    if (int rc = readSourceOptions(Me, a, options.csv, &options.source, &hasSource))
        return rc;
    if (hasSource && (hasCsv || hasData))
        return fail(Me, QCoreApplication::translate("kyt::cli", "--source excludes --csv and --data"), 2);
    if (int rc
        = checkArguments(Me, args, args.size() == 1, QCoreApplication::translate("kyt::cli", "one template file")))
        return rc;
    if (hasCsv && hasData)
        return fail(Me, QCoreApplication::translate("kyt::cli", "--csv and --data exclude each other"), 2);
    if (verify) {
        try {
            options.reader = loadSymbolReader();
        } catch (const KytError& e) {
            return fail(Me, QStringLiteral("--verify: %1").arg(e.description()));
        }
    }

    options.photoField = photoColumn(Me, a, args[0], hasCsv || hasData || hasSource);
    const preflight::Report report = preflight::check(args[0], options);
    int problems = 0;
    for (const preflight::Finding& f : report.findings) {
        const QString mark = !f.ok ? QStringLiteral("FAIL")
            : f.warning            ? QStringLiteral("warn")
                                   : QStringLiteral("ok  ");
        printOut(QStringLiteral("%1 %2: %3").arg(mark, f.topic, f.text));
        problems += f.ok ? 0 : 1;
    }
    if (problems > 0)
        return fail(Me,
            Counted(problems, "problem") + QCoreApplication::translate("kyt::cli", " found: fix them before printing"));
    printOut(QCoreApplication::translate("kyt::cli", "%1: ready to print").arg(args[0]));
    return 0;
}

const Command::Registration reg({ Me, run });
} // namespace
} // namespace kyt::cli
