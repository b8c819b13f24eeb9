#include "platform/surface/PrinterSurface.h"

#include "errors/CError.h"
#include "platform/OutputFile.h"
#include <QCoreApplication>
#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>
#include <QThread>
#include <atomic>
#include <cmath>
#include <cups/cups.h>

namespace kyt
{

namespace
{

[[noreturn]] void printerError(const QString& text)
{
    throw KytError(482, QStringLiteral("Printer error: ") + text);
}

// Inches as a media dimension: at most three decimals, no trailing zeros.
QString inchText(double v)
{
    QString s = QString::number(v, 'f', 3);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s;
}

// One named destination, freed on every way out.
struct Dest {
    cups_dest_t* dest = nullptr;
    explicit Dest(const QString& name)
        : dest(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.isEmpty() ? nullptr : name.toUtf8().constData(), nullptr))
    {
    }
    ~Dest()
    {
        if (dest)
            cupsFreeDests(1, dest);
    }
    Dest(const Dest&) = delete;
    Dest& operator=(const Dest&) = delete;
};

std::atomic<int> spoolCount { 0 };

QString lastCupsError()
{
    return QString::fromUtf8(cupsLastErrorString());
}

} // namespace

PrinterSurface::PrinterSurface(Target target, const QString& fileOrQueue, QSizeF paperInches, int dpi)
    : m_target(target)
    , m_destination(fileOrQueue)
    , m_paper(paperInches)
    , m_dpi(dpi)
{
    auto sane = [](double v) { return std::isfinite(v) && v >= 0.1 && v <= 200.0; };
    if (!sane(paperInches.width()) || !sane(paperInches.height()))
        invalidValue("paper size");
    if (dpi < 72 || dpi > 2400)
        invalidValue("resolution");
    if (fileOrQueue.isEmpty())
        printerError(
            target == Target::PdfFile ? QStringLiteral("no output file given") : QStringLiteral("no printer given"));
    if (target == Target::CupsQueue) {
        Dest d(fileOrQueue);
        if (!d.dest) {
            // libcups says "does not exist" also when the scheduler is down.
            if (const QString why = schedulerProblem(); !why.isEmpty())
                printerError(QStringLiteral("cannot print on \"%1\": %2").arg(fileOrQueue, why));
            printerError(QStringLiteral("there is no printer named \"%1\"").arg(fileOrQueue));
        }
        m_destination = QString::fromUtf8(d.dest->name);
    }
    Surface::setOrientation(paperInches.width() > paperInches.height() ? 2 : 1);
    makeWriter();
}

PrinterSurface::~PrinterSurface()
{
    try {
        finish();
    } catch (const KytError& e) {
        m_lastError = e.description();
    } catch (const std::exception& e) {
        m_lastError = QString::fromLocal8Bit(e.what());
    }
}

std::unique_ptr<PrinterSurface> PrinterSurface::toPdf(const QString& fileName, QSizeF paperInches, int dpi)
{
    return std::make_unique<PrinterSurface>(Target::PdfFile, fileName, paperInches, dpi);
}

std::unique_ptr<PrinterSurface> PrinterSurface::toQueue(const QString& queue, QSizeF paperInches, int dpi)
{
    return std::make_unique<PrinterSurface>(Target::CupsQueue, queue, paperInches, dpi);
}

void PrinterSurface::setDocumentName(const QString& name)
{
    m_docName = name;
    if (m_writer)
        m_writer->setTitle(name);
}

void PrinterSurface::setCopies(int copies)
{
    if (copies < 1 || copies > 9999)
        invalidValue("copies");
    m_copies = copies;
}

void PrinterSurface::addJobOption(const QString& name, const QString& value)
{
    for (Option& o : m_extra) {
        if (o.first == name) {
            o.second = value;
            return;
        }
    }
    m_extra.append(Option(name, value));
}

QList<PrinterSurface::Option> PrinterSurface::jobOptions() const
{
    QList<Option> out;
    switch (Duplex()) {
    case 1:
        out.append(Option(QStringLiteral("sides"), QStringLiteral("one-sided")));
        break;
    case 2:
        out.append(Option(QStringLiteral("sides"), QStringLiteral("two-sided-short-edge")));
        break;
    case 3:
        out.append(Option(QStringLiteral("sides"), QStringLiteral("two-sided-long-edge")));
        break;
    default:
        break;
    }
    const int q = PrintQuality();
    if (q == -1 || q == -2)
        out.append(Option(QStringLiteral("print-quality"), QStringLiteral("3")));
    else if (q == -3)
        out.append(Option(QStringLiteral("print-quality"), QStringLiteral("4")));
    else if (q == -4)
        out.append(Option(QStringLiteral("print-quality"), QStringLiteral("5")));
    else if (q > 0)
        out.append(Option(QStringLiteral("printer-resolution"), QStringLiteral("%1dpi").arg(q)));
    const bool wide = m_paper.width() > m_paper.height();
    out.append(Option(QStringLiteral("orientation-requested"), wide ? QStringLiteral("4") : QStringLiteral("3")));
    out.append(Option(QStringLiteral("copies"), QString::number(m_copies)));
    // A self-describing custom size in the card's own shape, as the pages
    // have it, so no filter has to turn or fit them.
    out.append(Option(QStringLiteral("media"),
        QStringLiteral("custom_card_%1x%2in").arg(inchText(m_paper.width()), inchText(m_paper.height()))));
    if (!m_mediaSource.isEmpty())
        out.append(Option(QStringLiteral("media-source"), m_mediaSource));
    for (const Option& extra : m_extra) {
        bool replaced = false;
        for (Option& o : out) {
            if (o.first == extra.first) {
                o.second = extra.second;
                replaced = true;
            }
        }
        if (!replaced)
            out.append(extra);
    }
    return out;
}

void PrinterSurface::makeWriter()
{
    // The writer measures text before a document exists; a document gets a
    // writer on its own file when it begins (painter()).
    m_writer = std::make_unique<QPdfWriter>(QString());
    m_writer->setResolution(int(m_dpi));
    m_writer->setCreator(QStringLiteral("KYTPreview"));
    m_writer->setTitle(m_docName);
    // The page always has the card's own shape; nothing turns it.
    const QPageSize size(m_paper, QPageSize::Inch, QStringLiteral("Card"), QPageSize::ExactMatch);
    m_writer->setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Inch));
}

QSizeF PrinterSurface::deviceSize() const
{
    return QSizeF(m_paper.width() * m_dpi, m_paper.height() * m_dpi);
}

QPaintDevice* PrinterSurface::metricsDevice()
{
    return m_writer.get();
}

QPainter* PrinterSurface::painter()
{
    if (m_painter)
        return m_painter.get();
    if (m_ended && m_target == Target::PdfFile)
        printerError(QStringLiteral("the document \"%1\" has already ended").arg(m_destination));

    QIODevice* device = nullptr;
    std::unique_ptr<OutputFile> out;
    if (m_target == Target::PdfFile) {
        out = std::make_unique<OutputFile>(m_destination);
        if (!out->isOpen())
            printerError(QStringLiteral("cannot write %1").arg(out->errorString()));
        device = out->device();
    } else {
        // The job is spooled to a private file and submitted at EndDoc.
        out = std::make_unique<OutputFile>(QDir::temp().filePath(
            QStringLiteral("kyt-job-%1-%2.pdf").arg(QCoreApplication::applicationPid()).arg(++spoolCount)));
        if (!out->isOpen())
            printerError(QStringLiteral("cannot start a job on \"%1\": %2").arg(m_destination, out->errorString()));
        device = out->device();
    }
    auto writer = std::make_unique<QPdfWriter>(device);
    writer->setResolution(int(m_dpi));
    writer->setCreator(QStringLiteral("KYTPreview"));
    writer->setTitle(m_docName);
    writer->setPageLayout(m_writer->pageLayout());
    auto p = std::make_unique<QPainter>();
    if (!p->begin(writer.get()))
        printerError(m_target == Target::PdfFile ? QStringLiteral("cannot write \"%1\"").arg(m_destination)
                                                 : QStringLiteral("cannot start a job on \"%1\"").arg(m_destination));
    m_out = std::move(out);
    m_writer = std::move(writer);
    m_painter = std::move(p);
    m_pages = 1;
    m_ended = false;
    return m_painter.get();
}

void PrinterSurface::checkWrites()
{
    if (m_out && m_out->failed()) {
        const QString why = m_out->errorString();
        m_painter.reset();
        m_out.reset();
        makeWriter();
        m_ended = true;
        printerError(QStringLiteral("cannot write %1").arg(why));
    }
}

void PrinterSurface::onNewPage()
{
    // Even with nothing drawn yet the current page counts: a card's back
    // must not move onto the front page when the front is blank.
    painter();
    checkWrites();
    if (!m_writer->newPage()) {
        checkWrites(); // the reason, when a write failed
        printerError(QStringLiteral("cannot start a new page"));
    }
    ++m_pages;
}

void PrinterSurface::finish()
{
    if (!m_painter)
        return;
    const bool ended = m_painter->end();
    m_painter.reset();
    m_ended = true;
    std::unique_ptr<OutputFile> out = std::move(m_out);
    makeWriter(); // the next document starts on a fresh writer
    if (!ended || out->failed()) {
        const QString why = out->errorString();
        out->discard();
        printerError(QStringLiteral("cannot write %1").arg(why.isEmpty() ? m_destination : why));
    }
    if (m_target == Target::PdfFile) {
        if (!out->commit())
            printerError(QStringLiteral("cannot write %1").arg(out->errorString()));
        return;
    }
    // A queue: the spooled file must be complete before CUPS reads it.
    const QString spool = out->finalName();
    if (!out->commit())
        printerError(QStringLiteral("cannot spool the job: %1").arg(out->errorString()));
    struct Remove {
        QString name;
        ~Remove() { QFile::remove(name); }
    } removeSpool { spool };

    cups_option_t* options = nullptr;
    int count = 0;
    for (const Option& o : jobOptions())
        count = cupsAddOption(o.first.toUtf8().constData(), o.second.toUtf8().constData(), count, &options);
    const QString title = m_docName.isEmpty() ? QStringLiteral("card") : m_docName;
    const int id = cupsPrintFile2(CUPS_HTTP_DEFAULT, m_destination.toUtf8().constData(),
        QFile::encodeName(spool).constData(), title.toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (id <= 0)
        printerError(QStringLiteral("\"%1\" refused the job: %2").arg(m_destination, lastCupsError()));
    m_jobId = id;
}

void PrinterSurface::abandon()
{
    if (!m_painter)
        return;
    m_painter->end();
    m_painter.reset();
    m_out.reset();
    m_ended = true;
    makeWriter();
}

void PrinterSurface::onEndDoc()
{
    finish();
}

QStringList PrinterSurface::queueNames()
{
    cups_dest_t* dests = nullptr;
    const int n = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    QStringList names;
    for (int i = 0; i < n; ++i)
        if (!dests[i].instance)
            names.append(QString::fromUtf8(dests[i].name));
    cupsFreeDests(n, dests);
    return names;
}

QString PrinterSurface::schedulerProblem()
{
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 5000, nullptr);
    if (!http)
        return QStringLiteral("the CUPS scheduler at %1 cannot be reached (%2)")
            .arg(QString::fromUtf8(cupsServer()), lastCupsError());
    httpClose(http);
    return QString();
}

QString PrinterSurface::defaultQueue()
{
    Dest d { QString() };
    return d.dest ? QString::fromUtf8(d.dest->name) : QString();
}

namespace
{

// One IPP request for a few attributes; null when it failed.
ipp_t* ask(ipp_op_t op, const char* uriName, const QByteArray& uri, std::initializer_list<const char*> wanted)
{
    ipp_t* request = ippNewRequest(op);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, uriName, nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    std::vector<const char*> names(wanted);
    ippAddStrings(
        request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(names.size()), nullptr, names.data());
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    if (response && ippGetStatusCode(response) > IPP_STATUS_OK_EVENTS_COMPLETE) {
        ippDelete(response);
        return nullptr;
    }
    return response;
}

QString texts(ipp_t* response, const char* name)
{
    ipp_attribute_t* a = ippFindAttribute(response, name, IPP_TAG_ZERO);
    QStringList out;
    for (int i = 0; a && i < ippGetCount(a); ++i)
        if (const char* s = ippGetString(a, i, nullptr))
            out.append(QString::fromUtf8(s));
    out.removeAll(QStringLiteral("none"));
    out.removeAll(QString());
    return out.join(QStringLiteral(", "));
}

} // namespace

PrinterSurface::JobEnd PrinterSurface::waitForJob(const QString& queue, int jobId, QString* reason)
{
    const QByteArray jobUri = "ipp://localhost/jobs/" + QByteArray::number(jobId);
    const QByteArray printerUri = "ipp://localhost/printers/" + queue.toUtf8();
    for (;;) {
        ipp_t* job = ask(IPP_OP_GET_JOB_ATTRIBUTES, "job-uri", jobUri,
            { "job-state", "job-state-reasons", "job-printer-state-message" });
        if (!job) {
            *reason = QStringLiteral("the state of job %1 cannot be read: %2").arg(jobId).arg(lastCupsError());
            return JobEnd::Unknown;
        }
        ipp_attribute_t* stateAttr = ippFindAttribute(job, "job-state", IPP_TAG_ENUM);
        const int state = stateAttr ? ippGetInteger(stateAttr, 0) : 0;
        const QString why = texts(job, "job-state-reasons");
        const QString message = texts(job, "job-printer-state-message");
        ippDelete(job);
        auto detail = [&](const QString& a, const QString& b) {
            QStringList parts;
            if (!a.isEmpty())
                parts << a;
            if (!b.isEmpty())
                parts << b;
            return parts.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(parts.join(QStringLiteral("; ")));
        };
        switch (state) {
        case IPP_JSTATE_COMPLETED:
            reason->clear();
            return JobEnd::Completed;
        case IPP_JSTATE_CANCELED:
            *reason = QStringLiteral("job %1 was cancelled%2").arg(jobId).arg(detail(why, message));
            return JobEnd::Cancelled;
        case IPP_JSTATE_ABORTED:
            *reason = QStringLiteral("job %1 was aborted%2").arg(jobId).arg(detail(why, message));
            return JobEnd::Aborted;
        case IPP_JSTATE_STOPPED:
            *reason = QStringLiteral("job %1 stopped%2").arg(jobId).arg(detail(why, message));
            return JobEnd::PrinterStopped;
        case IPP_JSTATE_HELD:
            // Nothing moves until someone releases it: waiting would never end.
            *reason = QStringLiteral("job %1 is held%2; it prints once released (lp -i %3-%1 -H resume)")
                          .arg(jobId)
                          .arg(detail(why, message), queue);
            return JobEnd::Held;
        default:
            break;
        }
        // Still waiting: a stopped printer will not take it up.
        if (ipp_t* printer = ask(IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri", printerUri,
                { "printer-state", "printer-state-message", "printer-state-reasons" })) {
            ipp_attribute_t* p = ippFindAttribute(printer, "printer-state", IPP_TAG_ENUM);
            const bool stopped = p && ippGetInteger(p, 0) == IPP_PSTATE_STOPPED;
            const QString pwhy = texts(printer, "printer-state-reasons");
            const QString pmessage = texts(printer, "printer-state-message");
            ippDelete(printer);
            if (stopped) {
                *reason = QStringLiteral("job %1 is waiting: printer %2 is stopped%3")
                              .arg(jobId)
                              .arg(queue, detail(pwhy, pmessage));
                return JobEnd::PrinterStopped;
            }
        }
        QThread::msleep(250);
    }
}

} // namespace kyt
