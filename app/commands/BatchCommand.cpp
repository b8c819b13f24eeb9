// kytpreview batch: one card per CSV record, all in one PDF file or one
// print job.
#include "Command.h"
#include "PrintJob.h"
#include "data/CsvReader.h"
#include "data/DataSource.h"
#include "jobs/CardJob.h"
#include "jobs/CardJobSurface.h"
#include "jobs/Preflight.h"
#include "platform/surface/PrinterSurface.h"
#include "util/Strings.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <cstdio>
#include <malloc.h>
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

int run(const ParsedArgs& a)
{
    // Qt's PDF writer takes two 16 MiB buffers for every page it compresses
    // and zlib its state of a few hundred KiB; with the allocator's defaults
    // each is a fresh mapping, unmapped again (system calls, page faults and
    // TLB flushes on every core: a third of a batch's time). They stay in
    // the heap, which is given back above 34 MiB; memory still levels off,
    // at about 60 MiB for cards with their own photos.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 34 * 1024 * 1024);
    const QStringList& args = a.positional;
    const QString csv = a.value(QStringLiteral("csv"));
    const QString queue = a.value(QStringLiteral("printer"));
    const QString title = a.value(QStringLiteral("title"));
    const QString rowsText = a.value(QStringLiteral("rows"));
    const bool hasCsv = a.has(QStringLiteral("csv"));
    const bool hasQueue = a.has(QStringLiteral("printer"));
    PrintJobSettings job;
    if (int rc = printJobOptions(Me, a, job))
        return rc;
    // -o is the PDF file; the old -o NAME=VALUE (a job option) still works.
    QString out;
    bool hasOut = false;
    QStringList oldOptions;
    for (const QString& value : a.values(QStringLiteral("output"))) {
        if (value.indexOf(QLatin1Char('=')) > 0 && !value.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
            oldOptions << value;
        } else {
            out = value;
            hasOut = true;
        }
    }
    if (int rc = oldJobOptions(Me, oldOptions, job))
        return rc;
    const bool quiet = a.has(QStringLiteral("quiet"));
    CardBatch::Options options;
    options.allowMissingFields = a.has(QStringLiteral("allow-missing-fields"));
    if (int rc = readCsvOptions(Me, a, &options.csv))
        return rc;
    DataSourceUrl source;
    bool hasSource = false;
    if (int rc = readSourceOptions(Me, a, options.csv, &source, &hasSource))
        return rc;
    if (hasSource && hasCsv)
        return fail(Me, QCoreApplication::translate("kyt::cli", "--csv and --source exclude each other"), 2);
    if (!hasSource) {
        source.kind = DataSourceUrl::Kind::Csv;
        source.path = csv;
        source.csv = options.csv;
    }
    if (a.has(QStringLiteral("rows"))) {
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
    if (a.has(QStringLiteral("copies"))) {
        bool ok = false;
        options.copies = a.value(QStringLiteral("copies")).toInt(&ok);
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
    if (const QString column = photoColumn(Me, a, args[0], true); !column.isEmpty())
        preflight::setPhotoField(*t, column);
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

const Command::Registration reg({ Me, run });
} // namespace
} // namespace kyt::cli
