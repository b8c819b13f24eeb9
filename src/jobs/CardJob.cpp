#include "jobs/CardJob.h"

#include "data/CsvReader.h"
#include "data/DataSource.h"
#include "jobs/CardJobSurface.h"
#include "jobs/Preflight.h"
#include "objects/PlaceholderPhoto.h"
#include "platform/OutputFile.h"
#include "platform/surface/PrinterSurface.h"
#include "platform/surface/Surface.h"
#include "template/TemplateFile.h"
#include "util/Ansi.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QStringDecoder>
#include <QTemporaryFile>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <list>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace kyt
{
namespace cardjob
{

PendingOutput::PendingOutput(const QString& finalName)
    : m_file(std::make_unique<OutputFile>(finalName))
{
}

PendingOutput::~PendingOutput() = default;

const QString& PendingOutput::tempName() const
{
    return m_file->tempName();
}

const QString& PendingOutput::errorString() const
{
    return m_file->errorString();
}

bool PendingOutput::commit()
{
    return m_file->commit();
}

} // namespace cardjob

// --- CardBatch --------------------------------------------------------------

namespace
{

// Photos by path, least recently used dropped first, within a byte budget.
// Failures are remembered too, so a bad file is not read again. JPEG files
// kept undecoded (for a document that holds them as they are) cost little
// to read again, so they have a small budget of their own: a batch with a
// different photo on every card keeps only the last few, and its memory
// does not grow with the cards.
class PhotoCache
{
public:
    using Loader = Picture (*)(const QString& path, QString* error);
    static constexpr qint64 UndecodedBytes = 4LL * 1024 * 1024;
    explicit PhotoCache(qint64 budget, Loader load = readPhotoFile, qint64 undecodedBudget = UndecodedBytes)
        : m_decoded(budget)
        , m_undecoded(std::min(budget, undecodedBudget))
        , m_load(load)
    {
    }

    Picture get(const QString& path, QString* error)
    {
        for (Lru* lru : { &m_decoded, &m_undecoded }) {
            if (const Entry* e = lru->find(path)) {
                *error = e->error;
                return e->picture;
            }
        }
        Entry e;
        e.path = path;
        e.picture = m_load(path, &e.error);
        e.bytes = e.picture.isNull() ? 256 : e.picture.memoryBytes();
        *error = e.error;
        const Picture picture = e.picture;
        (picture.isUndecoded() || picture.isNull() ? m_undecoded : m_decoded).add(std::move(e));
        return picture;
    }

private:
    struct Entry {
        QString path;
        Picture picture;
        QString error;
        qint64 bytes = 0;
    };
    class Lru
    {
    public:
        explicit Lru(qint64 budget)
            : m_budget(budget)
        {
        }
        const Entry* find(const QString& path)
        {
            auto it = m_index.find(path);
            if (it == m_index.end())
                return nullptr;
            m_list.splice(m_list.begin(), m_list, it.value());
            return &*it.value();
        }
        void add(Entry e)
        {
            m_used += e.bytes;
            m_list.push_front(std::move(e));
            m_index.insert(m_list.front().path, m_list.begin());
            while ((m_used > m_budget || m_list.size() > MaxEntries) && m_list.size() > 1) {
                m_used -= m_list.back().bytes;
                m_index.remove(m_list.back().path);
                m_list.pop_back();
            }
        }

    private:
        static constexpr size_t MaxEntries = 100000;
        qint64 m_budget;
        qint64 m_used = 0;
        std::list<Entry> m_list;
        QHash<QString, std::list<Entry>::iterator> m_index;
    };
    Lru m_decoded, m_undecoded;
    Loader m_load;
};

struct Prepared {
    DataRecord record;
    std::vector<Picture> photos; // one per photo column
    bool end = false;
    QString fatal;
    // Decoded photo bytes the record holds (a picture shared with the cache
    // counts here too).
    qint64 bytes() const
    {
        qint64 n = 0;
        for (const Picture& p : photos)
            n += p.isNull() ? 0 : p.memoryBytes();
        return n;
    }
};

// Bounded hand-over from the reading thread to the drawing thread: at most
// Capacity records and CardBatch::ReadAheadBytes of their photos (always at
// least one record, however large).
class RecordQueue
{
public:
    static constexpr size_t Capacity = 64;

    void push(Prepared p)
    {
        const qint64 bytes = p.bytes();
        std::unique_lock lock(m_mutex);
        m_notFull.wait(lock, [&] {
            return m_stop
                || (m_queue.size() < Capacity && (m_queue.empty() || m_bytes + bytes <= CardBatch::ReadAheadBytes));
        });
        if (m_stop)
            return;
        m_bytes += bytes;
        m_queue.push_back(std::move(p));
        m_notEmpty.notify_one();
    }
    Prepared pop()
    {
        std::unique_lock lock(m_mutex);
        m_notEmpty.wait(lock, [this] { return !m_queue.empty(); });
        Prepared p = std::move(m_queue.front());
        m_queue.pop_front();
        m_bytes -= p.bytes();
        m_notFull.notify_one();
        return p;
    }
    void stop()
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
        m_notFull.notify_all();
    }
    bool stopped()
    {
        std::lock_guard lock(m_mutex);
        return m_stop;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_notFull, m_notEmpty;
    std::deque<Prepared> m_queue;
    qint64 m_bytes = 0;
    bool m_stop = false;
};

// Decodes the record's photos (a failure becomes the record's error): a
// picture file named in the record, or the picture's bytes in a binary column.
void loadPhotos(Prepared& p, const std::vector<int>& photoColumns, const QStringList& header, const QString& folder,
    PhotoCache& cache, bool passJpeg = false)
{
    p.photos.assign(photoColumns.size(), Picture());
    if (!p.record.error.isEmpty() || p.record.empty)
        return;
    for (size_t i = 0; i < photoColumns.size(); ++i) {
        const QVariant& value = p.record.values[photoColumns[i]];
        QString why;
        if (value.typeId() == QMetaType::QByteArray) {
            if (value.toByteArray().isEmpty())
                continue;
            // A JPEG goes into the document as it is, as a JPEG file does.
            if (passJpeg) {
                p.photos[i] = undecodedPhoto(value.toByteArray());
                if (!p.photos[i].isNull())
                    continue;
            }
            p.photos[i] = readPhotoBytes(value.toByteArray(),
                QCoreApplication::translate("kyt::CardJob", "in field %1").arg(header.value(photoColumns[i])), &why);
        } else {
            const QString path = value.toString().trimmed();
            if (path.isEmpty())
                continue; // no photo: the placeholder is drawn
            p.photos[i] = cache.get(resolveDataPath(path, folder), &why);
        }
        if (p.photos[i].isNull()) {
            p.record.error = why;
            return;
        }
    }
}

// Where a source's relative photo paths start.
QString sourceFolder(const DataSourceUrl& address)
{
    return address.path.isEmpty() ? QString() : QFileInfo(address.path).absolutePath();
}

// Reads every record and, unless the drawing threads do it, decodes its
// photos; ends with an end marker. The source is opened here: a database
// connection belongs to its thread.
void readRecords(const DataSourceUrl& address, std::vector<int> photoColumns, QStringList header,
    CardBatch::Options options, RecordQueue& queue, bool decodePhotos)
{
    Prepared end;
    end.end = true;
    try {
        const std::unique_ptr<DataSource> source = DataSource::open(address);
        if (options.firstRecord > 1 && !source->seek(options.firstRecord)) {
            queue.push(std::move(end));
            return;
        }
        const QString folder = sourceFolder(address);
        PhotoCache cache(decodePhotos ? CardBatch::PhotoCacheBytes : 0);
        Prepared p;
        while (!queue.stopped() && source->next(p.record)) {
            if (p.record.number < options.firstRecord)
                continue;
            if (p.record.number > options.lastRecord)
                break;
            if (decodePhotos)
                loadPhotos(p, photoColumns, header, folder, cache);
            queue.push(std::move(p));
            p = Prepared();
        }
    } catch (const KytError& e) {
        end.fatal = e.description();
    } catch (const std::exception& e) {
        end.fatal = QString::fromLocal8Bit(e.what());
    }
    queue.push(std::move(end));
}

DataSourceUrl csvAddress(const QString& csvFile, const CsvOptions& options)
{
    DataSourceUrl address;
    address.kind = DataSourceUrl::Kind::Csv;
    address.path = csvFile;
    address.csv = options;
    return address;
}

// What became of one record.
struct Outcome {
    qint64 number = 0;
    qint64 line = 0;
    bool empty = false;
    bool printed = false;
    QString failure; // reported, the record skipped or left blank
    QString fatal; // nothing more can be printed
    QString warning; // printed, but read in a doubtful way
};

// Draws records one after the other on one surface with one template: each
// card on its own pages, a failed card's pages left blank.
class CardDrawer
{
public:
    CardDrawer(CPrintTemplate& tpl, const QStringList& header, const std::vector<bool>& isPhoto, int copies)
        : m_tpl(tpl)
        , m_isPhoto(isPhoto)
        , m_copies(std::max(1, copies))
        , m_pagesPerCard(tpl.Duplex() ? 2 : 1)
        , m_card(cardjob::cardSizeInches(tpl))
    {
        m_tpl.setError(m_reporter.error());
        // One print data for the whole run, its items made once.
        for (const QString& name : header) {
            m_data->Add(name, QString());
            m_items.push_back(m_data->Item(name));
        }
    }

    // The next card starts a document.
    void restart() { m_firstCard = true; }

    Outcome draw(const Prepared& p, CardJobSurface& guard)
    {
        Outcome o;
        o.number = p.record.number;
        o.line = p.record.line;
        o.warning = p.record.warning;
        if (p.record.empty) {
            o.empty = true;
            return o;
        }
        if (!p.record.error.isEmpty()) {
            o.failure = p.record.error;
            return o;
        }
        size_t photo = 0;
        for (size_t i = 0; i < m_items.size(); ++i) {
            if (m_isPhoto[i]) {
                const Picture& pic = p.photos[photo++];
                m_items[i]->setvValue(pic.isNull() ? QVariant(QString()) : QVariant::fromValue(pic));
            } else {
                m_items[i]->setvValue(p.record.text(int(i)));
            }
        }
        // A value its barcode cannot hold: reported, and no page used.
        const QString barcode = preflight::barcodeProblem(m_tpl, m_data.get());
        bool drawn = barcode.isEmpty();
        if (!drawn)
            o.failure = barcode;
        for (int copy = 0; drawn && copy < m_copies; ++copy) {
            bool ok = false;
            try {
                if (!m_firstCard)
                    guard.NewPage();
                m_firstCard = false;
                guard.resetCounts();
                m_reporter.reset();
                ok = m_tpl.Render(guard, m_data, 0, 0);
            } catch (const KytError& e) {
                // The surface itself failed (the file or queue): nothing
                // more can be printed.
                o.fatal = e.description();
                return o;
            } catch (const std::exception& e) {
                o.fatal = QString::fromLocal8Bit(e.what());
                return o;
            }
            if (!ok || m_reporter.reports() > 0) {
                drawn = false;
                o.failure = QCoreApplication::translate(
                    "kyt::CardJob", "the card could not be drawn: %1; its page is left blank")
                                .arg(m_reporter.reports() > 0
                                        ? m_reporter.lastDescription()
                                        : QCoreApplication::translate("kyt::CardJob", "a design object failed"));
                // Cover what was drawn on the current page and keep the
                // card's page count, so the next card starts on a front.
                try {
                    const int mode = guard.ScaleMode();
                    guard.setScaleMode(Surface::vbInches);
                    guard.Line(0, 0, std::max(m_card.width(), m_card.height()),
                        std::max(m_card.width(), m_card.height()), 0xFFFFFFu, Surface::LineKind::FilledBox);
                    guard.setScaleMode(mode);
                } catch (const std::exception&) {
                }
            }
            while (1 + guard.newPages() < m_pagesPerCard)
                guard.NewPage();
        }
        o.printed = drawn;
        return o;
    }

private:
    CPrintTemplate& m_tpl;
    cardjob::QuietError m_reporter;
    std::shared_ptr<CPrintData> m_data = std::make_shared<CPrintData>();
    std::vector<CVariantPtr> m_items;
    const std::vector<bool>& m_isPhoto;
    int m_copies;
    int m_pagesPerCard;
    QSizeF m_card;
    bool m_firstCard = true;
};

// The printer a batch ends on, through any keep-open wrappers; null for
// any other surface.
PrinterSurface* printerBehind(Surface& surface)
{
    Surface* s = &surface;
    while (auto* wrapper = dynamic_cast<CardJobSurface*>(s))
        s = &wrapper->inner();
    return dynamic_cast<PrinterSurface*>(s);
}

// A file with no name, gone with its last descriptor, so neither a failure
// nor a killed process leaves it behind.
int anonymousFile()
{
    const QByteArray dir = QFile::encodeName(QDir::tempPath());
#ifdef O_TMPFILE
    const int fd = ::open(dir.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0)
        return fd;
#endif
    QByteArray name = dir + "/kyt-part-XXXXXX";
    const int made = ::mkostemp(name.data(), O_CLOEXEC);
    if (made >= 0)
        ::unlink(name.constData());
    return made;
}

// Records that one drawing thread draws into a document of their own: the
// batch's pages are these documents joined in order.
struct Chunk {
    std::vector<Prepared> records;
    std::vector<Outcome> outcomes;
    QString fatal; // the part could not be finished
    int fd = -1; // the part, when it has pages
    int jpegFd = -1; // the JPEG files its placeholders stand for
    std::vector<PrinterSurface::PassedJpeg> jpegs;
    int quality = 0, orientation = 0, duplex = 0; // the printer settings the cards set
    bool done = false;
    ~Chunk()
    {
        if (fd >= 0)
            ::close(fd);
        if (jpegFd >= 0)
            ::close(jpegFd);
    }
    // Moves the part's JPEG files out of memory into a file of their own.
    void storeJpegs(std::vector<PrinterSurface::PassedJpeg>&& passed)
    {
        jpegs = std::move(passed);
        if (jpegs.empty())
            return;
        jpegFd = anonymousFile();
        if (jpegFd < 0)
            throw KytError(482,
                QCoreApplication::translate("kyt::CardJob", "cannot make a file in %1: %2")
                    .arg(QDir::tempPath(), OutputFile::systemReason(errno)));
        qint64 at = 0;
        for (PrinterSurface::PassedJpeg& j : jpegs) {
            qint64 done = 0;
            while (done < j.data.size()) {
                const ssize_t n = ::pwrite(jpegFd, j.data.constData() + done, size_t(j.data.size() - done), at + done);
                if (n <= 0)
                    throw KytError(482,
                        QCoreApplication::translate("kyt::CardJob", "cannot write in %1: %2")
                            .arg(QDir::tempPath(), OutputFile::systemReason(errno)));
                done += n;
            }
            j.fd = jpegFd;
            j.offset = at;
            j.length = j.data.size();
            j.data = QByteArray();
            at += done;
        }
    }
};

} // namespace

int CardBatch::Options::resolvedJobs() const
{
    if (jobs > 0)
        return jobs;
    bool ok = false;
    const int fromEnv = qEnvironmentVariableIntValue("KYT_JOBS", &ok);
    if (ok && fromEnv > 0)
        return std::min(fromEnv, 64);
    return std::max(1, QThread::idealThreadCount());
}

CardBatch::CardBatch(CPrintTemplatePtr tpl)
    : m_tpl(std::move(tpl))
{
}

qint64 CardBatch::countRecords(const QString& csvFile, const CsvOptions& options)
{
    return countRecords(csvAddress(csvFile, options));
}

qint64 CardBatch::countRecords(const DataSourceUrl& source)
{
    try {
        return DataSource::open(source)->count();
    } catch (const KytError&) {
        return -1; // unreadable: the caller reports what it tried to read
    }
}

void CardBatch::recordData(const QString& csvFile, qint64 record, const CPrintTemplate& t, CPrintData& data,
    const CsvOptions& options, bool forDocument)
{
    recordData(csvAddress(csvFile, options), record, t, data, {}, forDocument);
}

void CardBatch::recordData(const DataSourceUrl& address, qint64 record, const CPrintTemplate& t, CPrintData& data,
    const PasswordPrompt& prompt, bool forDocument)
{
    const std::unique_ptr<DataSource> source = DataSource::open(address, prompt);
    source->setPhotosForDocument(forDocument);
    const QString name = address.displayName();
    DataRecord r;
    if (!source->record(std::max<qint64>(record, 1), r))
        throw KytError(ErrDataSource,
            QCoreApplication::translate("kyt::CardJob", "%1: there is no record %2 (%3 %4)")
                .arg(name)
                .arg(record)
                .arg(address.isDatabase() ? QCoreApplication::translate("kyt::CardJob", "it holds")
                                          : QCoreApplication::translate("kyt::CardJob", "the file holds"))
                .arg(source->count()));
    if (!r.error.isEmpty())
        throw KytError(ErrDataSource, QStringLiteral("%1: %2: %3").arg(name, r.where(), r.error));
    if (r.empty)
        throw KytError(
            ErrDataSource, QCoreApplication::translate("kyt::CardJob", "%1: %2 is empty").arg(name, r.where()));
    const QStringList photos = cardjob::photoFieldNames(t);
    const QStringList& fields = source->fieldNames();
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString& field = fields[i];
        QVariant value = r.text(int(i));
        if (photos.contains(field, Qt::CaseInsensitive)) {
            value = QString();
            QString why;
            const Picture p = source->photo(r, int(i), &why);
            if (!why.isEmpty())
                throw KytError(ErrDataSource, QStringLiteral("%1: %2: %3").arg(name, r.where(), why));
            if (!p.isNull())
                value = QVariant::fromValue(p);
        }
        data.Add(field, value);
        data.Item(field)->setvValue(value);
    }
}

namespace
{

// Adds a drawn run's pages to the printer's document; the run's part is
// read through a descriptor of its own.
void appendPart(PrinterSurface& printer, Chunk& chunk)
{
    const int fd = ::dup(chunk.fd);
    std::FILE* f = fd >= 0 ? ::fdopen(fd, "rb") : nullptr;
    if (!f) {
        if (fd >= 0)
            ::close(fd);
        throw KytError(482, QStringLiteral("cannot read a part of the document"));
    }
    struct Close {
        std::FILE* f;
        ~Close() { std::fclose(f); }
    } close { f };
    ::lseek(fd, 0, SEEK_SET);
    printer.appendPages(PrinterSurface::Part { f, chunk.jpegs });
}

// A printer's batch on every core: runs of records are drawn by as many
// threads, each into a document of its own, and the documents are joined in
// input order; records are counted and reported in input order as their run
// is done.
CardBatch::Result runInParts(const CPrintTemplate& model, const CardBatch::Options& options,
    const DataSourceUrl& source, Surface& surface, PrinterSurface& printer, int jobs, const QByteArray& encoded,
    const QStringList& header, const std::vector<int>& photoColumns, const std::vector<bool>& isPhoto,
    CardBatch::Result& result, const std::function<bool(const Outcome&)>& account)
{
    size_t chunkRecords = size_t(std::max(1, options.partRecords));
    const size_t mostChunkRecords = chunkRecords * 4;
    int chunksOfThisSize = 0;
    // A part being drawn holds the JPEG files it stores as they are, so
    // parts grow only while a part's files stay within this, as far as the
    // parts done so far tell (-1: none done yet).
    constexpr qint64 PartJpegBudget = 8 * 1024 * 1024;
    qint64 jpegBytesPerRecord = -1;
    const size_t maxInFlight = size_t(jobs) * 2 + 1;
    const QString folder = sourceFolder(source);
    const CPrintTemplate::Fields fields = model.fields();
    const QString title = printer.documentName();
    const QSizeF paper = printer.paperInches();
    const int dpi = printer.resolution();
    const int quality = surface.PrintQuality(), orientation = surface.Orientation(), duplex = surface.Duplex();
    const int copies = options.copies;

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::shared_ptr<Chunk>> todo; // waiting for a drawing thread
    bool noMore = false, stopping = false;

    auto drawChunks = [&]() {
        // Each thread draws with a template and photo cache of its own.
        cardjob::QuietError loadReporter;
        CPrintTemplate tpl;
        tpl.setError(loadReporter.error());
        bool loaded = false;
        try {
            loaded = tplfile::readInto(tpl, encoded);
        } catch (const KytError&) {
            // reported below as the chunk's fatal failure
        }
        tpl.fields() = fields;
        // A photo object's own picture, and the field it reads when its column
        // was chosen by name (--photo-column, the designer's Print Records),
        // are not in the file: they come from the model.
        std::vector<CDesignObjectPtr> mine(tpl.begin(), tpl.end()), theirs(model.begin(), model.end());
        loaded = loaded && mine.size() == theirs.size();
        for (size_t i = 0; loaded && i < mine.size(); ++i) {
            auto* to = qobject_cast<CPhotoObject*>(mine[i].get());
            const auto* from = qobject_cast<const CPhotoObject*>(theirs[i].get());
            if (to && from) {
                to->setImage(from->Image());
                to->setImageName(from->ImageName());
            }
        }
        CardDrawer drawer(tpl, header, isPhoto, copies);
        PhotoCache cache(CardBatch::PhotoCacheBytes / jobs,
            options.jpegPassThrough ? readPhotoForDocument : readPhotoFile, PhotoCache::UndecodedBytes / jobs);
        for (;;) {
            std::shared_ptr<Chunk> chunk;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return stopping || noMore || !todo.empty(); });
                if (stopping || todo.empty())
                    return;
                chunk = std::move(todo.front());
                todo.pop_front();
            }
            try {
                if (!loaded)
                    throw KytError(
                        482, QCoreApplication::translate("kyt::CardJob", "the template cannot be copied for drawing"));
                const int fd = anonymousFile();
                if (fd < 0)
                    throw KytError(482,
                        QCoreApplication::translate("kyt::CardJob", "cannot make a file in %1: %2")
                            .arg(QDir::tempPath(), OutputFile::systemReason(errno)));
                chunk->fd = fd;
                QFile file;
                if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
                    throw KytError(482,
                        QCoreApplication::translate("kyt::CardJob", "cannot write a part of the document: %1")
                            .arg(file.errorString()));
                std::unique_ptr<PrinterSurface> part = PrinterSurface::toDevice(&file, paper, dpi);
                part->setDocumentName(title);
                part->setPrintQuality(quality);
                part->setOrientation(orientation);
                part->setDuplex(duplex);
                part->setJpegPassThrough(options.jpegPassThrough);
                part->setBarcodeFontsAsShapes(false); // its fonts are embedded once for hundreds of cards
                CardJobSurface guard(*part);
                drawer.restart();
                for (Prepared& p : chunk->records) {
                    loadPhotos(p, photoColumns, header, folder, cache, options.jpegPassThrough);
                    chunk->outcomes.push_back(drawer.draw(p, guard));
                    p = Prepared(); // its photos stay only in the cache
                    if (!chunk->outcomes.back().fatal.isEmpty())
                        break;
                }
                chunk->quality = part->PrintQuality();
                chunk->orientation = part->Orientation();
                chunk->duplex = part->Duplex();
                const bool hasPages = part->pageCount() > 0;
                part->EndDoc();
                if (!file.flush())
                    throw KytError(482,
                        QCoreApplication::translate("kyt::CardJob", "cannot write a part of the document: %1")
                            .arg(file.errorString()));
                if (!hasPages) {
                    ::close(chunk->fd);
                    chunk->fd = -1;
                } else {
                    chunk->storeJpegs(std::move(part->passedJpegs()));
                }
            } catch (const KytError& e) {
                chunk->fatal = e.description();
            } catch (const std::exception& e) {
                chunk->fatal = QString::fromLocal8Bit(e.what());
            }
            std::lock_guard lock(mutex);
            chunk->done = true;
            changed.notify_all();
        }
    };

    // The output is made now, so that an interrupted run leaves what a
    // drawn one leaves; each run's pages go into it as soon as the runs
    // before it are in.
    try {
        printer.beginJoin();
    } catch (const KytError& e) {
        result.fatal = e.description();
        return result;
    }
    bool settingsKnown = false;

    RecordQueue queue;
    std::vector<std::thread> threads;
    // The reader and the drawing threads are stopped and joined on every way out.
    struct Joiner {
        std::function<void()> stop;
        ~Joiner() { stop(); }
    } joiner { [&] {
        {
            std::lock_guard lock(mutex);
            stopping = true;
            changed.notify_all();
        }
        queue.stop();
        for (std::thread& t : threads)
            if (t.joinable())
                t.join();
    } };
    threads.emplace_back(readRecords, source, photoColumns, header, options, std::ref(queue), false);
    for (int i = 0; i < jobs; ++i)
        threads.emplace_back(drawChunks);

    std::deque<std::shared_ptr<Chunk>> pending; // handed out, not yet counted, in input order
    bool endSeen = false, stop = false;
    try {
        while (!stop && (!endSeen || !pending.empty())) {
            // Keep every thread busy, a few runs ahead.
            while (!endSeen && pending.size() < maxInFlight) {
                auto chunk = std::make_shared<Chunk>();
                while (chunk->records.size() < chunkRecords) {
                    Prepared p = queue.pop();
                    if (p.end) {
                        endSeen = true;
                        result.fatal = p.fatal;
                        break;
                    }
                    chunk->records.push_back(std::move(p));
                }
                // Every thread gets a run of one size before the runs double.
                if (++chunksOfThisSize >= jobs && chunkRecords < mostChunkRecords && jpegBytesPerRecord >= 0
                    && jpegBytesPerRecord * qint64(chunkRecords) * 2 <= PartJpegBudget) {
                    chunksOfThisSize = 0;
                    chunkRecords *= 2;
                }
                std::lock_guard lock(mutex);
                if (!chunk->records.empty()) {
                    pending.push_back(chunk);
                    todo.push_back(chunk);
                }
                noMore = endSeen;
                changed.notify_all();
            }
            if (pending.empty())
                break;
            std::shared_ptr<Chunk> chunk = pending.front();
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return chunk->done; });
            }
            pending.pop_front();
            qint64 jpegBytes = 0;
            for (const PrinterSurface::PassedJpeg& j : chunk->jpegs)
                jpegBytes += j.length;
            jpegBytesPerRecord
                = std::max(jpegBytesPerRecord, jpegBytes / qint64(std::max<size_t>(1, chunk->records.size())));
            for (const Outcome& o : chunk->outcomes) {
                if (!account(o)) {
                    stop = true;
                    break;
                }
            }
            if (!stop && !chunk->fatal.isEmpty()) {
                result.fatal = chunk->fatal;
                stop = true;
            }
            if (!stop && chunk->fd >= 0) {
                appendPart(printer, *chunk);
                if (!settingsKnown) {
                    // The settings the cards gave the printer, as drawing on it would have.
                    settingsKnown = true;
                    surface.setPrintQuality(chunk->quality);
                    surface.setOrientation(chunk->orientation);
                    surface.setDuplex(chunk->duplex);
                }
            }
        }
    } catch (const KytError& e) {
        result.fatal = e.description();
    } catch (const std::exception& e) {
        result.fatal = QString::fromLocal8Bit(e.what());
    }
    joiner.stop();
    joiner.stop = [] {};

    if (!result.fatal.isEmpty()) {
        // Nothing under the final name, no job: every page or none.
        printer.abandon();
        return result;
    }
    try {
        surface.EndDoc();
    } catch (const KytError& e) {
        result.fatal = e.description();
        printer.abandon();
    } catch (const std::exception& e) {
        result.fatal = QString::fromLocal8Bit(e.what());
        printer.abandon();
    }
    return result;
}

} // namespace

CardBatch::Result CardBatch::run(const QString& csvFile, Surface& surface)
{
    return run(csvAddress(csvFile, m_options.csv), surface);
}

CardBatch::Result CardBatch::run(const DataSourceUrl& address, Surface& surface, const PasswordPrompt& prompt)
{
    Result result;
    if (!m_tpl) {
        result.fatal = QCoreApplication::translate("kyt::CardJob", "no template");
        return result;
    }
    // The header first, so the photo columns are known before the worker starts.
    std::vector<int> photoColumns;
    QStringList header;
    DataSourceUrl source = address;
    try {
        const std::unique_ptr<DataSource> opened = DataSource::open(address, prompt);
        source = opened->address(); // the reading thread connects with what worked here
        header = opened->fieldNames();
        // A source whose columns are not the template's fields would print a
        // batch of blank cards.
        result.missingFields = preflight::missingFields(*m_tpl, header);
        if (!result.missingFields.isEmpty() && !m_options.allowMissingFields) {
            result.fatal = preflight::missingFieldsMessage(address.displayName(), result.missingFields, header);
            return result;
        }
        for (const QString& name : cardjob::photoFieldNames(*m_tpl)) {
            const int c = opened->column(name);
            if (c >= 0)
                photoColumns.push_back(c);
        }
    } catch (const KytError& e) {
        result.fatal = e.description();
        return result;
    }
    std::vector<bool> isPhoto(size_t(header.size()), false);
    for (int c : photoColumns)
        isPhoto[size_t(c)] = true;

    m_tpl->setScalor(1);
    auto fail = [&](const Outcome& o) {
        ++result.failed;
        if (m_onFailure)
            m_onFailure(Failure { o.number, o.line, o.failure });
    };
    // Counts and reports one record, in input order; false when the batch must stop.
    auto account = [&](const Outcome& o) {
        ++result.records;
        if (!o.warning.isEmpty() && m_onWarning)
            m_onWarning(Failure { o.number, o.line, o.warning });
        if (o.empty) {
            ++result.empty;
        } else {
            if (!o.failure.isEmpty())
                fail(o);
            if (!o.fatal.isEmpty()) {
                result.fatal = o.fatal;
                return false;
            }
            if (o.printed)
                ++result.printed;
        }
        if (m_onProgress)
            m_onProgress(result.records);
        return true;
    };

    // A printer's document is made by every core, each drawing runs of
    // records into a document of its own, joined in order at the end (also
    // on one core, for the photos that go in as their files are).
    PrinterSurface* printer = printerBehind(surface);
    const int jobs = m_options.resolvedJobs();
    if (printer && (jobs > 1 || m_options.jpegPassThrough)) {
        QByteArray encoded;
        try {
            encoded = tplfile::encode(*m_tpl);
        } catch (const KytError&) {
            // A template made in memory that a file cannot hold: drawn on one core.
        }
        if (!encoded.isEmpty())
            return runInParts(*m_tpl, m_options, source, surface, *printer, jobs, encoded, header, photoColumns,
                isPhoto, result, account);
    }

    if (printer)
        printer->setBarcodeFontsAsShapes(false); // the batch's fonts are embedded once for every card
    CardDrawer drawer(*m_tpl, header, isPhoto, m_options.copies);
    RecordQueue queue;
    // Stops and joins the reader on every way out, exceptions included: a
    // joinable thread destroyed while unwinding would end the program.
    struct Worker {
        RecordQueue& queue;
        std::thread thread;
        ~Worker()
        {
            queue.stop();
            if (thread.joinable())
                thread.join();
        }
    } worker { queue, std::thread(readRecords, source, photoColumns, header, m_options, std::ref(queue), true) };

    CardJobSurface guard(surface);
    // Whatever goes wrong while a page is made (a surface or a sink that
    // throws), the batch ends with a fatal result, never with an exception
    // that leaves the reader running.
    try {
        for (;;) {
            Prepared p = queue.pop();
            if (p.end) {
                result.fatal = p.fatal;
                break;
            }
            if (!account(drawer.draw(p, guard)))
                break;
        }
    } catch (const KytError& e) {
        result.fatal = e.description();
    } catch (const std::exception& e) {
        result.fatal = QString::fromLocal8Bit(e.what());
    }
    queue.stop();
    worker.thread.join();
    try {
        surface.EndDoc();
    } catch (const KytError& e) {
        if (result.fatal.isEmpty())
            result.fatal = e.description();
    } catch (const std::exception& e) {
        if (result.fatal.isEmpty())
            result.fatal = QString::fromLocal8Bit(e.what());
    }
    return result;
}

} // namespace kyt
