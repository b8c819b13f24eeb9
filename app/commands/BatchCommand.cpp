// kytpreview batch: one card per CSV record, all in one PDF file or one
// print job.
#include "Command.h"
#include "PrintJob.h"
#include "data/CsvReader.h"
#include "data/DataSource.h"
#include "jobs/CardJob.h"
#include "jobs/CardJobSurface.h"
#include "platform/surface/PrinterSurface.h"
#include "util/Strings.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace kyt::cli
{
namespace
{

const QString Me = QStringLiteral("batch");

// A one-line progress bar on a terminal, redrawn at most every 100 ms.
class ProgressBar
{
public:
    explicit ProgressBar(qint64 total)
        : m_total(total)
    {
        m_clock.start();
    }
    void update(qint64 done, bool force = false)
    {
        if (!force && m_last >= 0 && m_clock.elapsed() - m_last < 100)
            return;
        m_last = m_clock.elapsed();
        const int width = 30;
        const double frac = m_total > 0 ? std::min(1.0, double(done) / double(m_total)) : 0;
        const int filled = int(frac * width);
        const double secs = std::max(0.001, m_clock.elapsed() / 1000.0);
        std::fprintf(stderr, "\r[%s%s] %lld/%lld records %.0f/s ", std::string(size_t(filled), '#').c_str(),
            std::string(size_t(width - filled), ' ').c_str(), static_cast<long long>(done),
            static_cast<long long>(m_total), done / secs);
        std::fflush(stderr);
        m_shown = true;
    }
    // Clears the bar so a message can take the line.
    void clear()
    {
        if (m_shown)
            std::fputs("\r\033[K", stderr);
        m_shown = false;
        m_last = -1;
    }

private:
    qint64 m_total;
    QElapsedTimer m_clock;
    qint64 m_last = -1;
    bool m_shown = false;
};

int run(const QStringList& argsIn)
{
    QStringList args = argsIn;
    QString csv, out, queue, title;
    const bool hasCsv = takeOption(args, QStringLiteral("--csv"), &csv);
    PrintJobSettings job;
    // -o NAME=VALUE is a job option (when printing), -o FILE the output.
    for (qsizetype i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("-o") && args[i + 1].contains(QLatin1Char('='))
            && !args[i + 1].endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            args[i] = QStringLiteral("--option");
    }
    const bool hasOut
        = takeOption(args, QStringLiteral("-o"), &out) || takeOption(args, QStringLiteral("--output"), &out);
    const bool hasQueue = takeOption(args, QStringLiteral("--printer"), &queue);
    takeOption(args, QStringLiteral("--title"), &title);
    if (int rc = takePrintJobOptions(Me, args, job, false))
        return rc;
    const bool quiet = takeFlag(args, QStringLiteral("--quiet"));
    CardBatch::Options options;
    options.allowMissingFields = takeFlag(args, QStringLiteral("--allow-missing-fields"));
    if (int rc = takeCsvOptions(Me, args, &options.csv))
        return rc;
    DataSourceSpec source;
    bool hasSource = false;
    if (int rc = takeSourceOptions(Me, args, options.csv, &source, &hasSource))
        return rc;
    if (hasSource && hasCsv)
        return fail(Me, QCoreApplication::translate("kyt::cli", "--csv and --source exclude each other"), 2);
    if (!hasSource) {
        source.kind = DataSourceSpec::Kind::Csv;
        source.path = csv;
        source.csv = options.csv;
    }
    QString rowsText, copiesText;
    if (takeOption(args, QStringLiteral("--rows"), &rowsText)) {
        // A-B, A- (to the end) or A (one record).
        const QStringList parts = rowsText.split(QLatin1Char('-'));
        bool ok1 = false, ok2 = true;
        options.firstRecord = parts.value(0).toLongLong(&ok1);
        if (parts.size() == 2 && !parts[1].isEmpty())
            options.lastRecord = parts[1].toLongLong(&ok2);
        else if (parts.size() == 1)
            options.lastRecord = options.firstRecord;
        if (!ok1 || !ok2 || parts.size() > 2 || options.firstRecord < 1 || options.lastRecord < options.firstRecord)
            return fail(Me,
                QCoreApplication::translate(
                    "kyt::cli", "--rows must be A-B, A- or A with record numbers from 1 on, A <= B"),
                2);
    }
    if (takeOption(args, QStringLiteral("--copies"), &copiesText)) {
        bool ok = false;
        options.copies = copiesText.toInt(&ok);
        if (!ok || options.copies < 1 || options.copies > 1000)
            return fail(
                Me, QCoreApplication::translate("kyt::cli", "--copies must be a whole number from 1 to 1000"), 2);
    }
    if (int rc = checkArguments(Me, args, args.size() == 1 && (hasCsv || hasSource),
            QCoreApplication::translate("kyt::cli", "TEMPLATE --csv FILE or TEMPLATE --source URL")))
        return rc;
    if (hasOut == hasQueue)
        return fail(Me, QCoreApplication::translate("kyt::cli", "give either -o OUT.pdf or --printer NAME"), 2);
    if (hasOut && QFileInfo(out).suffix().toLower() != QLatin1String("pdf"))
        return fail(Me, QCoreApplication::translate("kyt::cli", "%1: the output must end in .pdf").arg(out), 2);
    if (hasQueue && queue.isEmpty())
        return fail(Me, QCoreApplication::translate("kyt::cli", "--printer needs a queue name"), 2);

    QElapsedTimer clock;
    clock.start();
    cardjob::QuietError reporter;
    QString error;
    const CPrintTemplatePtr t = cardjob::loadTemplate(args[0], reporter, &error);
    if (!t)
        return fail(Me, error);
    if (hasCsv && !QFileInfo(csv).isFile())
        return fail(Me,
            QStringLiteral("%1: %2").arg(csv,
                QFileInfo::exists(csv) ? QCoreApplication::translate("kyt::cli", "not a regular file")
                                       : QCoreApplication::translate("kyt::cli", "no such file")));

    const bool tty = !quiet && ::isatty(::fileno(stderr));
    std::unique_ptr<ProgressBar> bar;
    if (tty)
        bar = std::make_unique<ProgressBar>(std::max<qint64>(
            0, std::min(CardBatch::countRecords(source), options.lastRecord) - options.firstRecord + 1));

    try {
        applyCalibration(*t, hasQueue ? queue : QString(), job);
    } catch (const KytError& e) {
        return fail(Me, e.description());
    }

    std::unique_ptr<PrinterSurface> printer;
    try {
        if (hasOut)
            printer = PrinterSurface::toPdf(out, cardjob::cardSizeInches(*t));
        else
            printer = PrinterSurface::toQueue(queue, cardjob::cardSizeInches(*t));
        printer->setDocumentName(title.isEmpty() ? QFileInfo(args[0]).completeBaseName() : title);
        configureJob(*printer, job);
        printer->begin(); // an output that cannot be written fails before any record
    } catch (const KytError& e) {
        return fail(Me,
            hasQueue ? QCoreApplication::translate("kyt::cli", "printer %1: %2").arg(queue, e.description())
                     : e.description());
    }

    CardBatch batch(t);
    batch.setOptions(options);
    batch.setFailureSink([&](const CardBatch::Failure& f) {
        if (bar)
            bar->clear();
        fail(Me,
            (f.line > 0 ? QCoreApplication::translate("kyt::cli", "record %1 (line %2) skipped: %3")
                              .arg(f.record)
                              .arg(f.line)
                        : QCoreApplication::translate("kyt::cli", "record %1 skipped: %2").arg(f.record))
                .arg(f.message));
    });
    batch.setWarningSink([&](const CardBatch::Failure& f) {
        if (bar)
            bar->clear();
        printErr(QCoreApplication::translate("kyt::cli", "kytpreview %1: record %2 (line %3): warning: %4")
                     .arg(Me)
                     .arg(f.record)
                     .arg(f.line)
                     .arg(f.message));
    });
    if (bar)
        batch.setProgressSink([&](qint64 done) { bar->update(done); });
    // The document is ended here, so that a run that printed nothing
    // neither replaces the file nor submits a job.
    CardJobSurface keepOpen(*printer);
    const CardBatch::Result r = batch.run(source, keepOpen);
    if (bar) {
        bar->update(r.records, true);
        bar->clear();
    }

    if (!r.fatal.isEmpty() || r.printed == 0)
        printer->abandon();
    if (!r.fatal.isEmpty())
        return fail(Me, r.missingFields.isEmpty() ? r.fatal : r.fatal + allowMissingHint());
    if (r.empty > 0)
        printErr(QCoreApplication::translate("kyt::cli", "kytpreview %1: %2 skipped")
                     .arg(Me, Counted(r.empty, "empty record")));
    if (r.printed == 0)
        return fail(Me,
            r.records == r.empty
                ? QCoreApplication::translate("kyt::cli", "%1 holds no records%2: nothing printed")
                      .arg(source.displayName(),
                          rowsText.isEmpty() ? QString()
                                             : QCoreApplication::translate("kyt::cli", " in --rows ") + rowsText)
                : QCoreApplication::translate("kyt::cli", "%1 failed: nothing printed")
                      .arg(r.records - r.empty == 1
                              ? QCoreApplication::translate("kyt::cli", "the one record")
                              : QCoreApplication::translate("kyt::cli", "all %1 records").arg(r.records - r.empty)));
    try {
        printer->EndDoc();
    } catch (const KytError& e) {
        return fail(Me,
            hasQueue ? QCoreApplication::translate("kyt::cli", "printer %1: %2").arg(queue, e.description())
                     : e.description());
    }
    const double secs = std::max(0.001, clock.elapsed() / 1000.0);
    // Cards, not records: each printed record makes `copies` cards.
    const qint64 cards = r.printed * std::max(1, options.copies);
    const QString made = Counted(cards, "card")
        + (options.copies > 1 ? QCoreApplication::translate("kyt::cli", " (%1, %2 copies each)")
                                    .arg(Counted(r.printed, "record"))
                                    .arg(options.copies)
                              : QString());
    printOut(QCoreApplication::translate("kyt::cli", "%1 %2 %3 in %4 s (%5 cards/s)")
                 .arg(made)
                 .arg(hasOut ? QCoreApplication::translate("kyt::cli", "written to")
                             : QCoreApplication::translate("kyt::cli", "sent to"))
                 .arg(hasOut ? out : queue)
                 .arg(secs, 0, 'f', 2)
                 .arg(cards / secs, 0, 'f', 0));
    int rc = 0;
    if (hasQueue)
        rc = reportJob(Me, *printer, job, made);
    if (r.failed > 0)
        return fail(Me,
            (r.failed == 1 ? QCoreApplication::translate("kyt::cli", "%1 of %2 failed and was skipped")
                           : QCoreApplication::translate("kyt::cli", "%1 of %2 failed and were skipped"))
                .arg(r.failed)
                .arg(Counted(r.records, "record")));
    return rc;
}

const Command::Registration reg({ QStringLiteral("batch"),
    QStringLiteral("TEMPLATE (--csv FILE | --source URL [--query SQL]) (-o OUT.pdf | --printer NAME)\n"
                   "         [--rows A-B] [--copies N]\n"
                   "         [--title TEXT] [--quiet] [--allow-missing-fields] [--encoding NAME]\n"
                   "         [--delimiter D] [--offset X,Y] [--tray NAME] [--option NAME=VALUE] [--wait]"),
    QStringLiteral("Prints one card of the template file TEMPLATE per record of a CSV file into\n"
                   "one PDF file or one CUPS print job: one page per card, two for a two-sided\n"
                   "card (front, then back).\n\n"
                   "The CSV file: quoting as in RFC 4180 (fields in double quotes may hold the\n"
                   "delimiter, line breaks and doubled quotes), a header row naming the columns.\n"
                   "The delimiter is the one of comma, semicolon and tab the header row holds\n"
                   "most (--delimiter forces one); the text is UTF-8 when the whole file is valid\n"
                   "UTF-8, else Windows-1252 (--encoding utf-8|windows-1252 forces one). Every\n"
                   "field the template uses (data fields, parse-string references, photo image\n"
                   "names) must be a column, else nothing is printed and the missing and the\n"
                   "available names are listed (--allow-missing-fields prints anyway). Records\n"
                   "whose fields are all blank are skipped and counted. Each column fills the\n"
                   "print data field of its name. A\n"
                   "column named like a photo object's ImageName (\"Image\" unless the template\n"
                   "says otherwise) holds a picture file (JPEG, PNG, BMP, GIF), relative to the\n"
                   "CSV file's folder; an empty value prints the placeholder photo. A picture\n"
                   "used by many records is read once.\n\n"
                   "  --source URL    the records from another source: csv:FILE, data:FILE (a data\n"
                   "                  stream file, one record), sqlite:FILE?table=NAME,\n"
                   "                  postgresql://USER@HOST:PORT/DB?table=NAME (HOST may be a\n"
                   "                  socket folder, percent-encoded); the password comes from\n"
                   "                  PGPASSWORD or ~/.pgpass. A photo column may hold the\n"
                   "                  picture's bytes (BLOB, BYTEA) instead of a file name.\n"
                   "  --query SQL     with a database source: the records of this SELECT\n"
                   "  -o OUT.pdf      the PDF file (written under a temporary name and renamed\n"
                   "                  when complete)\n"
                   "  --printer NAME  the CUPS queue\n"
                   "  --rows A-B      only records A to B (1 = the first after the header; A- to\n"
                   "                  the end)\n"
                   "  --copies N      N cards of each record, one after the other (1..1000)\n"
                   "  --title TEXT    the document's title (default: the template's file name)\n"
                   "  --quiet         no progress bar (it is shown only on a terminal anyway)\n")
        + printJobOptionsHelp(false)
        + QStringLiteral("On a queue the job's id is printed (\"job QUEUE-ID: N cards\") and the\n"
                         "queue's calibration (kytpreview printers) moves every card. -o NAME=VALUE\n"
                         "with --printer is a job option.\n\n"
                         "A record that cannot be printed (bad quoting or UTF-8, a wrong number of\n"
                         "fields, a photo that cannot be read, a value its barcode cannot encode) is\n"
                         "reported with its number and line and skipped; the others are printed.\n\n"
                         "Exit status 0 when every record was printed, 1 when any failed (the count\n"
                         "is given) or nothing could be printed, 2 for wrong arguments."),
    run });
} // namespace
} // namespace kyt::cli
