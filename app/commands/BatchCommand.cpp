// kytpreview batch: one card per CSV record, all in one PDF file or one
// print job.
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>
#include <memory>
#include <unistd.h>
#include "Command.h"
#include "PrintJob.h"
#include "jobs/CardJob.h"
#include "jobs/CardJobSurface.h"
#include "platform/surface/PrinterSurface.h"

namespace kyt::cli {
namespace {

const QString Me = QStringLiteral("batch");

// A one-line progress bar on a terminal, redrawn at most every 100 ms.
class ProgressBar {
public:
    explicit ProgressBar(qint64 total) : m_total(total) { m_clock.start(); }
    void update(qint64 done, bool force = false)
    {
        if (!force && m_last >= 0 && m_clock.elapsed() - m_last < 100)
            return;
        m_last = m_clock.elapsed();
        const int width = 30;
        const double frac = m_total > 0 ? std::min(1.0, double(done) / double(m_total)) : 0;
        const int filled = int(frac * width);
        const double secs = std::max(0.001, m_clock.elapsed() / 1000.0);
        std::fprintf(stderr, "\r[%s%s] %lld/%lld cards %.0f/s ", std::string(size_t(filled), '#').c_str(),
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
    const bool hasOut = takeOption(args, QStringLiteral("-o"), &out) || takeOption(args, QStringLiteral("--output"), &out);
    const bool hasQueue = takeOption(args, QStringLiteral("--printer"), &queue);
    takeOption(args, QStringLiteral("--title"), &title);
    if (int rc = takePrintJobOptions(Me, args, job, false))
        return rc;
    const bool quiet = takeFlag(args, QStringLiteral("--quiet"));
    if (int rc = checkArguments(Me, args, args.size() == 1 && hasCsv, QStringLiteral("TEMPLATE --csv FILE")))
        return rc;
    if (hasOut == hasQueue)
        return fail(Me, QStringLiteral("give either -o OUT.pdf or --printer NAME"), 2);
    if (hasOut && QFileInfo(out).suffix().toLower() != QLatin1String("pdf"))
        return fail(Me, QStringLiteral("%1: the output must end in .pdf").arg(out), 2);
    if (hasQueue && queue.isEmpty())
        return fail(Me, QStringLiteral("--printer needs a queue name"), 2);

    QElapsedTimer clock;
    clock.start();
    cardjob::QuietError reporter;
    QString error;
    const CPrintTemplatePtr t = cardjob::loadTemplate(args[0], reporter, &error);
    if (!t)
        return fail(Me, error);
    if (!QFileInfo(csv).isFile())
        return fail(Me, QStringLiteral("%1: no such file").arg(csv));

    const bool tty = !quiet && ::isatty(::fileno(stderr));
    std::unique_ptr<ProgressBar> bar;
    if (tty)
        bar = std::make_unique<ProgressBar>(CardBatch::countRecords(csv));

    if (!applyCalibration(*t, hasQueue ? queue : QString(), job, &error))
        return fail(Me, error);

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
        return fail(Me, hasQueue ? QStringLiteral("printer %1: %2").arg(queue, e.description()) : e.description());
    }

    CardBatch batch(t);
    batch.setFailureSink([&](const CardBatch::Failure& f) {
        if (bar)
            bar->clear();
        fail(Me, QStringLiteral("record %1 (line %2) skipped: %3").arg(f.record).arg(f.line).arg(f.message));
    });
    if (bar)
        batch.setProgressSink([&](qint64 done) { bar->update(done); });
    // The document is ended here, so that a run that printed nothing
    // neither replaces the file nor submits a job.
    CardJobSurface keepOpen(*printer);
    const CardBatch::Result r = batch.run(csv, keepOpen);
    if (bar) {
        bar->update(r.records, true);
        bar->clear();
    }

    if (!r.fatal.isEmpty() || r.printed == 0)
        printer->abandon();
    if (!r.fatal.isEmpty())
        return fail(Me, r.fatal);
    if (r.printed == 0)
        return fail(Me, r.records == 0 ? QStringLiteral("%1 holds no records: nothing printed").arg(csv)
                                   : QStringLiteral("all %1 records failed: nothing printed").arg(r.records));
    try {
        printer->EndDoc();
    } catch (const KytError& e) {
        return fail(Me, hasQueue ? QStringLiteral("printer %1: %2").arg(queue, e.description()) : e.description());
    }
    const double secs = std::max(0.001, clock.elapsed() / 1000.0);
    printOut(QStringLiteral("%1 card%2 %3 %4 in %5 s (%6 cards/s)")
                 .arg(r.printed)
                 .arg(r.printed == 1 ? "" : "s")
                 .arg(hasOut ? QStringLiteral("written to") : QStringLiteral("sent to"))
                 .arg(hasOut ? out : queue)
                 .arg(secs, 0, 'f', 2)
                 .arg(r.printed / secs, 0, 'f', 0));
    int rc = 0;
    if (hasQueue)
        rc = reportJob(Me, *printer, job, QStringLiteral("%1 card%2").arg(r.printed).arg(r.printed == 1 ? "" : "s"));
    if (r.failed > 0)
        return fail(Me, QStringLiteral("%1 of %2 records failed and were skipped").arg(r.failed).arg(r.records));
    return rc;
}

const Command::Registration reg(
    {QStringLiteral("batch"), QStringLiteral("TEMPLATE --csv FILE (-o OUT.pdf | --printer NAME) [--title TEXT] [--offset X,Y] [--tray NAME] [--option NAME=VALUE] [--wait] [--quiet]"),
     QStringLiteral(
         "Prints one card of the template file TEMPLATE per record of a CSV file into\n"
         "one PDF file or one CUPS print job: one page per card, two for a two-sided\n"
         "card (front, then back).\n\n"
         "The CSV file: UTF-8, comma separated, quoting as in RFC 4180 (fields in\n"
         "double quotes may hold commas, line breaks and doubled quotes), a header row\n"
         "naming the columns. Each column fills the print data field of its name. A\n"
         "column named like a photo object's ImageName (\"Image\" unless the template\n"
         "says otherwise) holds a picture file (JPEG, PNG, BMP, GIF), relative to the\n"
         "CSV file's folder; an empty value prints the placeholder photo. A picture\n"
         "used by many records is read once.\n\n"
         "  -o OUT.pdf      the PDF file (written under a temporary name and renamed\n"
         "                  when complete)\n"
         "  --printer NAME  the CUPS queue\n"
         "  --title TEXT    the document's title (default: the template's file name)\n"
         "  --quiet         no progress bar (it is shown only on a terminal anyway)\n")
         + printJobOptionsHelp(false) + QStringLiteral(
         "On a queue the job's id is printed (\"job QUEUE-ID: N cards\") and the\n"
         "queue's calibration (kytpreview printers) moves every card. -o NAME=VALUE\n"
         "with --printer is a job option.\n\n"
         "A record that cannot be printed (bad quoting or UTF-8, a wrong number of\n"
         "fields, a photo that cannot be read) is reported with its number and line\n"
         "and skipped; the others are printed.\n\n"
         "Exit status 0 when every record was printed, 1 when any failed (the count\n"
         "is given) or nothing could be printed, 2 for wrong arguments."),
     run});
} // namespace
} // namespace kyt::cli
