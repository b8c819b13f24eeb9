// kytpreview check: a preflight report before cards are printed.
#include "Command.h"
#include "SymbolReaderLoader.h"
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

int run(const QStringList& argsIn)
{
    QStringList args = argsIn;
    preflight::Options options;
    const bool hasCsv = takeOption(args, QStringLiteral("--csv"), &options.csvFile);
    const bool hasData = takeOption(args, QStringLiteral("--data"), &options.dataFile);
    const bool verify = takeFlag(args, QStringLiteral("--verify"));
    QString dpiText;
    if (takeOption(args, QStringLiteral("--dpi"), &dpiText)) {
        bool ok = false;
        options.dpi = dpiText.toInt(&ok);
        if (!ok || options.dpi < 150 || options.dpi > 1200)
            return fail(
                Me, QCoreApplication::translate("kyt::cli", "--dpi must be a whole number from 150 to 1200"), 2);
    }
    if (int rc = takeCsvOptions(Me, args, &options.csv))
        return rc;
    bool hasSource = false;
    if (int rc = takeSourceOptions(Me, args, options.csv, &options.source, &hasSource))
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

const Command::Registration reg({ QStringLiteral("check"),
    QStringLiteral("TEMPLATE [--csv FILE | --data FILE | --source URL [--query SQL]] [--verify] [--dpi N] [--encoding "
                   "NAME] [--delimiter D]"),
    QStringLiteral("A preflight report, without printing anything: one line per finding, \"ok\",\n"
                   "\"warn\" (it prints, but look at it) or \"FAIL\", its topic and what was found.\n"
                   "A topic that fails has no \"ok\" line.\n\n"
                   "  fields    the fields the template uses (data fields, parse-string\n"
                   "            references, photo image names) against the CSV file's columns\n"
                   "            or the data stream file's fields\n"
                   "  fonts     fonts the text objects name that are not installed, and font\n"
                   "            sizes no surface draws\n"
                   "  barcodes  values (of every record) a barcode object cannot encode, and\n"
                   "            barcode objects whose font is not their symbology's barcode\n"
                   "            font (the value would print as letters)\n"
                   "  pictures  logos without a picture, photo files missing or unreadable, or\n"
                   "            larger than a photo may be (32 MiB, 16 megapixels: found from the\n"
                   "            file's header, without decoding it)\n"
                   "  layout    objects lying (partly) outside the card, and texts and barcodes\n"
                   "            wider than their box at their font size (render cuts nothing:\n"
                   "            they print over their neighbours)\n"
                   "  records   CSV records damaged or empty; warnings for records read in a\n"
                   "            doubtful way (a lone quote kept as a character, rows whose\n"
                   "            encoding differs from the file's)\n"
                   "  scan      with --verify: every card rendered at --dpi (default 300, as\n"
                   "            printed) and every barcode and symbol read back with the zxing-cpp\n"
                   "            library and compared with the value it should carry (GS1 data as a\n"
                   "            reader reports it); without data the card\n"
                   "            as render draws it (data fields show their field names). A run\n"
                   "            that rendered no card fails.\n\n"
                   "  --csv FILE, --data FILE   the data the cards will be printed with\n"
                   "  --source URL              the same from a data source (see batch --help)\n"
                   "  --encoding NAME, --delimiter D   how to read the CSV file (see batch)\n\n"
                   "Exit status 0 only when every check passes, 1 when any fails (the count goes\n"
                   "to standard error), 2 for wrong arguments."),
    run });
} // namespace
} // namespace kyt::cli
