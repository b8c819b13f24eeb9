#include "platform/surface/PrinterSurface.h"

#include "errors/CError.h"
#include "platform/OutputFile.h"
#include "platform/Picture.h"
#include "platform/surface/PdfJoin.h"
#include "platform/surface/PdfJoinTarget.h"
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryFile>
#include <QThread>
#include <atomic>
#include <cmath>
#include <cups/cups.h>
#include <type_traits>
#include <unistd.h>
#include <utility>

namespace kyt
{

namespace
{

// The functions this library calls, resolved by name when it is loaded.
// clang-format off
#define KYT_CUPS_FUNCTIONS(X) \
    X(cupsAddOption) X(cupsDoRequest) X(cupsEncryption) X(cupsFreeDests) X(cupsFreeOptions) \
    X(cupsGetDests2) X(cupsGetNamedDest) X(cupsLastErrorString) X(cupsPrintFile2) X(cupsServer) \
    X(cupsUser) X(httpClose) X(httpConnect2) X(ippAddString) X(ippAddStrings) \
    X(ippDelete) X(ippFindAttribute) X(ippGetCount) X(ippGetInteger) X(ippGetStatusCode) \
    X(ippGetString) X(ippNewRequest) X(ippPort)
// clang-format on

// libcups, loaded when a queue is first used, so that programs and
// commands that never print start without it (and the Kerberos, TLS and
// service discovery libraries it brings).
struct CupsLibrary {
#define KYT_CUPS(name) decltype(&::name) name = nullptr;
    KYT_CUPS_FUNCTIONS(KYT_CUPS)
#undef KYT_CUPS
    QString error; // why it could not be loaded
};

const CupsLibrary& loadCups()
{
    static const CupsLibrary c = [] {
        CupsLibrary c;
        static QLibrary lib(QStringLiteral("cups"), 2);
        if (!lib.load()) {
            c.error = lib.errorString();
            return c;
        }
        bool all = true;
        auto get = [&](auto& fn, const char* name) {
            fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(lib.resolve(name));
            all = all && fn;
        };
#define KYT_CUPS(name) get(c.name, #name);
        KYT_CUPS_FUNCTIONS(KYT_CUPS)
#undef KYT_CUPS
        if (!all)
            c.error = QCoreApplication::translate("kyt::PrinterSurface", "%1 lacks functions this library uses")
                          .arg(lib.fileName());
        return c;
    }();
    return c;
}

// The library for a call; 482 when it cannot be loaded.
const CupsLibrary& cups()
{
    const CupsLibrary& c = loadCups();
    if (!c.error.isEmpty())
        throw KytError(482,
            QCoreApplication::translate("kyt::PrinterSurface", "Printer error: CUPS cannot be loaded: %1")
                .arg(c.error));
    return c;
}

[[noreturn]] void printerError(const QString& text)
{
    throw KytError(482, QCoreApplication::translate("kyt::PrinterSurface", "Printer error: ") + text);
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
        : dest(
            cups().cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.isEmpty() ? nullptr : name.toUtf8().constData(), nullptr))
    {
    }
    ~Dest()
    {
        if (dest)
            cups().cupsFreeDests(1, dest);
    }
    Dest(const Dest&) = delete;
    Dest& operator=(const Dest&) = delete;
};

std::atomic<int> spoolCount { 0 };

QString lastCupsError()
{
    return QString::fromUtf8(cups().cupsLastErrorString());
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
        printerError(target == Target::PdfFile
                ? QCoreApplication::translate("kyt::PrinterSurface", "no output file given")
                : QCoreApplication::translate("kyt::PrinterSurface", "no printer given"));
    if (target == Target::CupsQueue) {
        Dest d(fileOrQueue);
        if (!d.dest) {
            // libcups says "does not exist" also when the scheduler is down.
            if (const QString why = schedulerProblem(); !why.isEmpty())
                printerError(QCoreApplication::translate("kyt::PrinterSurface", "cannot print on \"%1\": %2")
                                 .arg(fileOrQueue, why));
            printerError(QCoreApplication::translate("kyt::PrinterSurface", "there is no printer named \"%1\"")
                             .arg(fileOrQueue));
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

std::unique_ptr<PrinterSurface> PrinterSurface::toDevice(QIODevice* device, QSizeF paperInches, int dpi)
{
    auto s = std::make_unique<PrinterSurface>(Target::PdfFile, QStringLiteral("(part)"), paperInches, dpi);
    s->m_device = device;
    return s;
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
        printerError(QCoreApplication::translate("kyt::PrinterSurface", "the document \"%1\" has already ended")
                         .arg(m_destination));
    if (m_adopted)
        printerError(QCoreApplication::translate(
            "kyt::PrinterSurface", "the document \"%1\" is put together and can only be ended")
                         .arg(m_destination));

    QIODevice* device = nullptr;
    std::unique_ptr<OutputFile> out;
    if (m_device) {
        device = m_device;
    } else if (m_target == Target::PdfFile) {
        out = std::make_unique<OutputFile>(m_destination);
        if (!out->isOpen())
            printerError(QCoreApplication::translate("kyt::PrinterSurface", "cannot write %1").arg(out->errorString()));
        device = out->device();
    } else {
        // The job is spooled to a private file and submitted at EndDoc.
        out = std::make_unique<OutputFile>(QDir::temp().filePath(
            QStringLiteral("kyt-job-%1-%2.pdf").arg(QCoreApplication::applicationPid()).arg(++spoolCount)));
        if (!out->isOpen())
            printerError(QCoreApplication::translate("kyt::PrinterSurface", "cannot start a job on \"%1\": %2")
                             .arg(m_destination, out->errorString()));
        device = out->device();
    }
    if (m_passJpegs && !m_device) {
        // The pages are drawn in memory; when the document ends, the JPEG
        // files take their placeholders' places on the way to the output.
        m_drawn = std::make_unique<QBuffer>();
        m_drawn->open(QIODevice::WriteOnly);
        device = m_drawn.get();
    }
    auto writer = std::make_unique<QPdfWriter>(device);
    writer->setResolution(int(m_dpi));
    writer->setCreator(QStringLiteral("KYTPreview"));
    writer->setTitle(m_docName);
    writer->setPageLayout(m_writer->pageLayout());
    auto p = std::make_unique<QPainter>();
    if (!p->begin(writer.get()))
        printerError(m_target == Target::PdfFile
                ? QCoreApplication::translate("kyt::PrinterSurface", "cannot write \"%1\"").arg(m_destination)
                : QCoreApplication::translate("kyt::PrinterSurface", "cannot start a job on \"%1\"")
                      .arg(m_destination));
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
        printerError(QCoreApplication::translate("kyt::PrinterSurface", "cannot write %1").arg(why));
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
        printerError(QCoreApplication::translate("kyt::PrinterSurface", "cannot start a new page"));
    }
    ++m_pages;
}

void PrinterSurface::finish()
{
    if (!m_painter && !m_adopted)
        return;
    const bool ended = m_painter ? m_painter->end() : true;
    m_painter.reset();
    m_adopted = false;
    m_ended = true;
    std::unique_ptr<OutputFile> out = std::move(m_out);
    std::unique_ptr<PdfJoin> join = std::move(m_join);
    const std::unique_ptr<QBuffer> drawn = std::move(m_drawn);
    makeWriter(); // the next document starts on a fresh writer
    std::vector<PassedJpeg> passed;
    if (drawn) {
        passed = std::exchange(m_passed, {});
        m_markers.clear();
    }
    if (drawn && ended && out && !out->failed()) {
        try {
            const QByteArray& bytes = drawn->data();
            if (passed.empty()) {
                if (out->device()->write(bytes) != bytes.size())
                    throw std::runtime_error("write failed");
            } else {
                std::unique_ptr<PdfJoin> put = PdfJoin::create(out->device());
                put->add(std::string_view(bytes.constData(), size_t(bytes.size())), passed);
                put->finish(m_paper * 72.0);
            }
        } catch (const std::exception& e) {
            const QString why = out->failed() ? out->errorString() : QString::fromLocal8Bit(e.what());
            out->discard();
            printerError(QStringLiteral("cannot put the document together: %1").arg(why));
        }
    }
    if (join) {
        // Joined pages: nothing joined and nothing begun is no document.
        if (join->pages() == 0 && !m_joinBegun) {
            out->discard();
            return;
        }
        try {
            join->finish(m_paper * 72.0);
        } catch (const std::exception& e) {
            const QString why = out->failed() ? out->errorString() : QString::fromLocal8Bit(e.what());
            out->discard();
            printerError(QStringLiteral("cannot put the document together: %1").arg(why));
        }
    }
    if (m_device) {
        if (!ended)
            printerError(QCoreApplication::translate("kyt::PrinterSurface", "cannot write a part of the document"));
        return;
    }
    if (!ended || out->failed()) {
        const QString why = out->errorString();
        out->discard();
        printerError(QCoreApplication::translate("kyt::PrinterSurface", "cannot write %1")
                         .arg(why.isEmpty() ? m_destination : why));
    }
    if (m_target == Target::PdfFile) {
        if (!out->commit())
            printerError(QCoreApplication::translate("kyt::PrinterSurface", "cannot write %1").arg(out->errorString()));
        return;
    }
    // A queue: the spooled file must be complete before CUPS reads it.
    const QString spool = out->finalName();
    if (!out->commit())
        printerError(
            QCoreApplication::translate("kyt::PrinterSurface", "cannot spool the job: %1").arg(out->errorString()));
    struct Remove {
        QString name;
        ~Remove() { QFile::remove(name); }
    } removeSpool { spool };

    cups_option_t* options = nullptr;
    int count = 0;
    for (const Option& o : jobOptions())
        count = cups().cupsAddOption(o.first.toUtf8().constData(), o.second.toUtf8().constData(), count, &options);
    const QString title = m_docName.isEmpty() ? QStringLiteral("card") : m_docName;
    const int id = cups().cupsPrintFile2(CUPS_HTTP_DEFAULT, m_destination.toUtf8().constData(),
        QFile::encodeName(spool).constData(), title.toUtf8().constData(), count, options);
    cups().cupsFreeOptions(count, options);
    if (id <= 0)
        printerError(QCoreApplication::translate("kyt::PrinterSurface", "\"%1\" refused the job: %2")
                         .arg(m_destination, lastCupsError()));
    m_jobId = id;
}

void PrinterSurface::abandon()
{
    if (!m_painter && !m_adopted)
        return;
    if (m_painter)
        m_painter->end();
    m_painter.reset();
    m_adopted = false;
    m_join.reset();
    if (m_drawn) {
        m_drawn.reset();
        m_passed.clear();
        m_markers.clear();
    }
    m_out.reset();
    m_ended = true;
    makeWriter();
}

namespace
{

// A placeholder: 64 x 2 black or white pixels, a fixed pattern in the first
// row and the picture's number in the second, which nothing drawn otherwise
// has. The join knows it by these and puts the file in its place. One bit a
// pixel, black first in the table: Qt's writer stores such a picture as it
// is, where a colour one would be encoded as JPEG (after loading every image
// plugin to learn that it can).
QImage markerImage(quint64 number)
{
    QImage img(PdfJoinTarget::MarkerWidth, PdfJoinTarget::MarkerHeight, QImage::Format_Mono);
    img.setColorTable({ qRgb(0, 0, 0), qRgb(255, 255, 255) });
    for (int row = 0; row < PdfJoinTarget::MarkerHeight; ++row) {
        const quint64 v = row == 0 ? PdfJoinTarget::MarkerMagic : number;
        for (int x = 0; x < PdfJoinTarget::MarkerWidth; ++x)
            img.setPixel(x, row, (v >> (63 - x)) & 1 ? 0 : 1);
    }
    return img;
}

} // namespace

QImage PrinterSurface::drawnImage(const Picture& picture)
{
    const QByteArray& jpeg = picture.jpegData();
    if (!m_passJpegs || jpeg.isEmpty())
        return picture.image();
    // The same file drawn again is the same placeholder, stored once.
    for (size_t i = 0; i < m_passed.size(); ++i)
        if (m_passed[i].data.constData() == jpeg.constData())
            return m_markers[i];
    PassedJpeg p;
    p.data = jpeg;
    p.length = jpeg.size();
    p.width = picture.pixelSize().width();
    p.height = picture.pixelSize().height();
    p.grey = picture.image().format() == QImage::Format_Grayscale8;
    m_passed.push_back(p);
    m_markers.push_back(markerImage(m_passed.size() - 1));
    return m_markers.back();
}

void PrinterSurface::beginJoin()
{
    // The drawn document (begun or not) gives way to a new file of its own.
    const bool begun = m_painter != nullptr || (m_adopted && m_joinBegun);
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
    m_join.reset();
    m_drawn.reset();
    m_out.reset();
    makeWriter();
    m_adopted = false;
    m_ended = false;
    m_pages = 0;
    std::unique_ptr<OutputFile> out = std::make_unique<OutputFile>(m_target == Target::PdfFile
            ? m_destination
            : QDir::temp().filePath(
                QStringLiteral("kyt-job-%1-%2.pdf").arg(QCoreApplication::applicationPid()).arg(++spoolCount)));
    if (!out->isOpen())
        printerError(QCoreApplication::translate("kyt::PrinterSurface", "cannot write %1").arg(out->errorString()));
    m_join = PdfJoin::create(out->device());
    m_out = std::move(out);
    m_adopted = true;
    m_joinBegun = begun;
}

void PrinterSurface::appendPages(const Part& part)
{
    if (!m_adopted || !m_join)
        printerError(QStringLiteral("no document is being put together"));
    try {
        m_join->add(part);
    } catch (const std::exception& e) {
        const QString why = m_out->failed() ? m_out->errorString() : QString::fromLocal8Bit(e.what());
        abandon();
        printerError(QStringLiteral("cannot put the document together: %1").arg(why));
    }
    if (m_out->failed()) {
        const QString why = m_out->errorString();
        abandon();
        printerError(QStringLiteral("cannot write %1").arg(why));
    }
    m_pages = m_join->pages();
}

void PrinterSurface::adoptPages(const std::vector<Part>& parts)
{
    beginJoin();
    for (const Part& part : parts)
        appendPages(part);
}

void PrinterSurface::onEndDoc()
{
    finish();
}

QStringList PrinterSurface::queueNames()
{
    if (!loadCups().error.isEmpty())
        return {};
    cups_dest_t* dests = nullptr;
    const int n = cups().cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    QStringList names;
    for (int i = 0; i < n; ++i)
        if (!dests[i].instance)
            names.append(QString::fromUtf8(dests[i].name));
    cups().cupsFreeDests(n, dests);
    return names;
}

QString PrinterSurface::schedulerProblem()
{
    if (const QString why = loadCups().error; !why.isEmpty())
        return QCoreApplication::translate("kyt::PrinterSurface", "CUPS cannot be loaded: %1").arg(why);
    http_t* http = cups().httpConnect2(
        cups().cupsServer(), cups().ippPort(), nullptr, AF_UNSPEC, cups().cupsEncryption(), 1, 5000, nullptr);
    if (!http)
        return QCoreApplication::translate("kyt::PrinterSurface", "the CUPS scheduler at %1 cannot be reached (%2)")
            .arg(QString::fromUtf8(cups().cupsServer()), lastCupsError());
    cups().httpClose(http);
    return QString();
}

QString PrinterSurface::defaultQueue()
{
    if (!loadCups().error.isEmpty())
        return {};
    Dest d { QString() };
    return d.dest ? QString::fromUtf8(d.dest->name) : QString();
}

namespace
{

// One IPP request for a few attributes; null when it failed.
ipp_t* ask(ipp_op_t op, const char* uriName, const QByteArray& uri, std::initializer_list<const char*> wanted)
{
    ipp_t* request = cups().ippNewRequest(op);
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, uriName, nullptr, uri.constData());
    cups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cups().cupsUser());
    std::vector<const char*> names(wanted);
    cups().ippAddStrings(
        request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", int(names.size()), nullptr, names.data());
    ipp_t* response = cups().cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    if (response && cups().ippGetStatusCode(response) > IPP_STATUS_OK_EVENTS_COMPLETE) {
        cups().ippDelete(response);
        return nullptr;
    }
    return response;
}

QString texts(ipp_t* response, const char* name)
{
    ipp_attribute_t* a = cups().ippFindAttribute(response, name, IPP_TAG_ZERO);
    QStringList out;
    for (int i = 0; a && i < cups().ippGetCount(a); ++i)
        if (const char* s = cups().ippGetString(a, i, nullptr))
            out.append(QString::fromUtf8(s));
    out.removeAll(QStringLiteral("none"));
    out.removeAll(QString());
    return out.join(QStringLiteral(", "));
}

} // namespace

PrinterSurface::JobEnd PrinterSurface::waitForJob(const QString& queue, int jobId, QString* reason)
{
    if (const QString why = loadCups().error; !why.isEmpty()) {
        *reason = QCoreApplication::translate("kyt::PrinterSurface", "CUPS cannot be loaded: %1").arg(why);
        return JobEnd::Unknown;
    }
    const QByteArray jobUri = "ipp://localhost/jobs/" + QByteArray::number(jobId);
    const QByteArray printerUri = "ipp://localhost/printers/" + queue.toUtf8();
    for (;;) {
        ipp_t* job = ask(IPP_OP_GET_JOB_ATTRIBUTES, "job-uri", jobUri,
            { "job-state", "job-state-reasons", "job-printer-state-message" });
        if (!job) {
            *reason = QCoreApplication::translate("kyt::PrinterSurface", "the state of job %1 cannot be read: %2")
                          .arg(jobId)
                          .arg(lastCupsError());
            return JobEnd::Unknown;
        }
        ipp_attribute_t* stateAttr = cups().ippFindAttribute(job, "job-state", IPP_TAG_ENUM);
        const int state = stateAttr ? cups().ippGetInteger(stateAttr, 0) : 0;
        const QString why = texts(job, "job-state-reasons");
        const QString message = texts(job, "job-printer-state-message");
        cups().ippDelete(job);
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
            *reason = QCoreApplication::translate("kyt::PrinterSurface", "job %1 was cancelled%2")
                          .arg(jobId)
                          .arg(detail(why, message));
            return JobEnd::Cancelled;
        case IPP_JSTATE_ABORTED:
            *reason = QCoreApplication::translate("kyt::PrinterSurface", "job %1 was aborted%2")
                          .arg(jobId)
                          .arg(detail(why, message));
            return JobEnd::Aborted;
        case IPP_JSTATE_STOPPED:
            *reason = QCoreApplication::translate("kyt::PrinterSurface", "job %1 stopped%2")
                          .arg(jobId)
                          .arg(detail(why, message));
            return JobEnd::PrinterStopped;
        case IPP_JSTATE_HELD:
            // Nothing moves until someone releases it: waiting would never end.
            *reason = QCoreApplication::translate(
                "kyt::PrinterSurface", "job %1 is held%2; it prints once released (lp -i %3-%1 -H resume)")
                          .arg(jobId)
                          .arg(detail(why, message), queue);
            return JobEnd::Held;
        default:
            break;
        }
        // Still waiting: a stopped printer will not take it up.
        if (ipp_t* printer = ask(IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri", printerUri,
                { "printer-state", "printer-state-message", "printer-state-reasons" })) {
            ipp_attribute_t* p = cups().ippFindAttribute(printer, "printer-state", IPP_TAG_ENUM);
            const bool stopped = p && cups().ippGetInteger(p, 0) == IPP_PSTATE_STOPPED;
            const QString pwhy = texts(printer, "printer-state-reasons");
            const QString pmessage = texts(printer, "printer-state-message");
            cups().ippDelete(printer);
            if (stopped) {
                *reason
                    = QCoreApplication::translate("kyt::PrinterSurface", "job %1 is waiting: printer %2 is stopped%3")
                          .arg(jobId)
                          .arg(queue, detail(pwhy, pmessage));
                return JobEnd::PrinterStopped;
            }
        }
        QThread::msleep(250);
    }
}

} // namespace kyt
