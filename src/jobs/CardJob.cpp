#include "jobs/CardJob.h"

#include "jobs/CardJobCsv.h"
#include "jobs/CardJobSurface.h"
#include "jobs/Preflight.h"
#include "objects/PlaceholderPhoto.h"
#include "platform/OutputFile.h"
#include "platform/surface/Surface.h"
#include "util/Ansi.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QStringDecoder>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <list>
#include <mutex>
#include <thread>

namespace kyt
{
namespace cardjob
{

QuietError::QuietError()
    : m_error(std::make_shared<CError>())
{
    m_error->setDisplayError(false);
    QObject::connect(m_error.get(), &CError::ErrorEvent, m_error.get(), [this](QString& logLine) {
        ++m_reports;
        // The description sits between "|Message: " and the closing "|".
        const qsizetype at = logLine.indexOf(QLatin1String("|Message: "));
        if (at < 0) {
            m_last = logLine;
            return;
        }
        QString rest = logLine.mid(at + 10);
        const qsizetype end = rest.lastIndexOf(QLatin1String("|"));
        m_last = end >= 0 ? rest.left(end) : rest;
        m_last.remove(QLatin1String("|CRITICAL"));
        while (m_last.endsWith(QLatin1Char('|')))
            m_last.chop(1);
    });
}

CPrintTemplatePtr loadTemplate(const QString& fileName, QuietError& reporter, QString* error)
{
    if (!QFileInfo(fileName).isFile()) {
        *error = QStringLiteral("%1: no such file").arg(fileName);
        return nullptr;
    }
    auto t = std::make_shared<CPrintTemplate>();
    t->setError(reporter.error());
    t->setDefaultPhoto(placeholderPhoto());
    reporter.reset();
    if (!t->ReadFile(fileName)) {
        // The reader's reports name the file.
        *error = reporter.reports() > 0 ? reporter.lastDescription()
                                        : QStringLiteral("%1: not a template file").arg(fileName);
        return nullptr;
    }
    if (const QString why = cardSizeProblem(*t); !why.isEmpty()) {
        *error = QStringLiteral("%1: %2").arg(fileName, why);
        return nullptr;
    }
    return t;
}

QStringList photoFieldNames(const CPrintTemplate& t)
{
    QStringList names;
    for (const CDesignObjectPtr& o : t) {
        const auto* photo = qobject_cast<const CPhotoObject*>(o.get());
        if (photo && !photo->ImageName().isEmpty() && !names.contains(photo->ImageName(), Qt::CaseInsensitive))
            names.append(photo->ImageName());
    }
    return names;
}

QString decodeDataStream(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return fromAnsi(bytes);
}

QString resolvePath(const QString& value, const QString& baseFolder)
{
    return QDir::isAbsolutePath(value) ? value : QDir(baseFolder).filePath(value);
}

namespace
{
// Photos larger than this are refused rather than decoded: an ID photo is
// far smaller, and a batch must stay within bounded memory.
constexpr qint64 MaxPhotoFileBytes = 32LL * 1024 * 1024;
constexpr qint64 MaxPhotoPixels = 16LL * 1024 * 1024;
} // namespace

Picture readPhoto(const QString& path, QString* error)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        *error = QStringLiteral("photo %1: no such file").arg(path);
        return {};
    }
    if (info.size() > MaxPhotoFileBytes) {
        *error = QStringLiteral("photo %1: %2 bytes, more than the %3 a photo may have")
                     .arg(path)
                     .arg(info.size())
                     .arg(MaxPhotoFileBytes);
        return {};
    }
    {
        QImageReader probe(path);
        const QSize size = probe.size();
        if (size.isValid() && qint64(size.width()) * size.height() > MaxPhotoPixels) {
            *error = QStringLiteral("photo %1: %2 x %3 pixels, more than a photo may have (16 megapixels)")
                         .arg(path)
                         .arg(size.width())
                         .arg(size.height());
            return {};
        }
    }
    QString why;
    Picture p = Picture::fromFile(path, &why);
    if (p.isNull())
        *error = QStringLiteral("photo %1: %2").arg(path, why.isEmpty() ? QStringLiteral("cannot be read") : why);
    return p;
}

bool loadDataStreamFile(const QString& fileName, const CPrintTemplate& t, CPrintData& data, QString* error)
{
    // Opening a pipe would wait for a writer, and a device may never end.
    const QFileInfo info(fileName);
    if (!info.exists()) {
        *error = QStringLiteral("%1: no such file").arg(fileName);
        return false;
    }
    if (!info.isFile()) {
        *error = QStringLiteral("%1: not a regular file").arg(fileName);
        return false;
    }
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(fileName, f.errorString());
        return false;
    }
    if (f.size() > MaxDataStreamBytes) {
        *error = QStringLiteral("%1: %2 bytes, more than a data stream file may have (%3)")
                     .arg(fileName)
                     .arg(f.size())
                     .arg(MaxDataStreamBytes);
        return false;
    }
    const QByteArray bytes = f.read(MaxDataStreamBytes + 1);
    if (bytes.size() > MaxDataStreamBytes) {
        *error = QStringLiteral("%1: more than a data stream file may have (%2 bytes)")
                     .arg(fileName)
                     .arg(MaxDataStreamBytes);
        return false;
    }
    if (!bytes.trimmed().isEmpty() && !bytes.contains('\x01') && !bytes.contains('\x02')) {
        // A CSV or name=value file read as a data stream would be one field
        // named after the whole text, and every card would print blank.
        const bool csvLike = bytes.contains(',') || bytes.contains(';') || bytes.contains('\t');
        *error
            = QStringLiteral("%1: not a data stream file: it holds no field separators (a data stream is, for each "
                             "field, its name, the character with code 1, its value and the character with code 2)%2")
                  .arg(fileName, csvLike ? QStringLiteral("; a CSV file is read with --csv FILE --row N") : QString());
        return false;
    }
    if (bytes.count('\x02') > MaxDataStreamEntries) {
        *error = QStringLiteral("%1: more than %2 entries; a card has far fewer fields")
                     .arg(fileName)
                     .arg(MaxDataStreamEntries);
        return false;
    }
    data.SetCurrentDataStream(decodeDataStream(bytes));
    const QString folder = QFileInfo(fileName).absolutePath();
    for (const QString& name : photoFieldNames(t)) {
        std::shared_ptr<CVariant> item;
        for (const CVariantPtr& v : data)
            if (v->keyText().compare(name, Qt::CaseInsensitive) == 0)
                item = v;
        if (!item)
            continue;
        const QString value = item->vValue().toString().trimmed();
        if (value.isEmpty()) {
            item->setvValue(QString());
            continue;
        }
        QString why;
        const Picture p = readPhoto(resolvePath(value, folder), &why);
        if (p.isNull()) {
            *error = QStringLiteral("%1: field %2: %3").arg(fileName, name, why);
            return false;
        }
        item->setvValue(QVariant::fromValue(p));
    }
    return true;
}

QSizeF cardSizeInches(const CPrintTemplate& t)
{
    return QSizeF(t.Width(), t.Height());
}

QString cardSizeProblem(const CPrintTemplate& t)
{
    auto sane = [](double v) { return std::isfinite(v) && v >= 0.1 && v <= 200.0; };
    if (sane(t.Width()) && sane(t.Height()))
        return QString();
    return QStringLiteral("the card's size %1 x %2 inches makes no sense (each side must be 0.1 to 200 inches)")
        .arg(double(t.Width()), 0, 'g', 6)
        .arg(double(t.Height()), 0, 'g', 6);
}

int largestPictureDpi(const CPrintTemplate& t)
{
    if (!cardSizeProblem(t).isEmpty())
        return 0;
    const double w = t.Width(), h = t.Height() * (t.Duplex() ? 2 : 1);
    int dpi = int(
        std::min({ std::sqrt(double(Picture::MaxPixels) / (w * h)), Picture::MaxSide / w, Picture::MaxSide / h }));
    // Rounding up partial pixels can still tip it over: step down to fit.
    while (dpi > 0) {
        const QSize px = pictureBoxPixels(t, dpi);
        if (px.width() <= Picture::MaxSide && px.height() <= Picture::MaxSide
            && qint64(px.width()) * px.height() <= Picture::MaxPixels)
            break;
        --dpi;
    }
    return dpi;
}

QSize pictureBoxPixels(const CPrintTemplate& t, double dpi)
{
    // A hair of tolerance so an exact size (2.125 x 300 = 637.5 x 2) is not
    // pushed up by rounding noise.
    auto px = [dpi](double inches) { return std::max(1, int(std::ceil(inches * dpi - 1e-6))); };
    return QSize(px(t.Width()), px(t.Height() * (t.Duplex() ? 2 : 1)));
}

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

// Decoded photos by path, least recently used dropped first, within a byte
// budget. Failures are remembered too, so a bad file is not read again.
class PhotoCache
{
public:
    explicit PhotoCache(qint64 budget)
        : m_budget(budget)
    {
    }

    Picture get(const QString& path, QString* error)
    {
        auto it = m_index.find(path);
        if (it != m_index.end()) {
            m_lru.splice(m_lru.begin(), m_lru, it.value());
            *error = it.value()->error;
            return it.value()->picture;
        }
        Entry e;
        e.path = path;
        e.picture = cardjob::readPhoto(path, &e.error);
        e.bytes = e.picture.isNull() ? 256 : e.picture.memoryBytes();
        *error = e.error;
        m_lru.push_front(e);
        m_index.insert(path, m_lru.begin());
        m_used += e.bytes;
        while ((m_used > m_budget || m_lru.size() > MaxEntries) && m_lru.size() > 1) {
            m_used -= m_lru.back().bytes;
            m_index.remove(m_lru.back().path);
            m_lru.pop_back();
        }
        return e.picture;
    }

private:
    static constexpr size_t MaxEntries = 100000;
    struct Entry {
        QString path;
        Picture picture;
        QString error;
        qint64 bytes = 0;
    };
    qint64 m_budget;
    qint64 m_used = 0;
    std::list<Entry> m_lru;
    QHash<QString, std::list<Entry>::iterator> m_index;
};

struct Prepared {
    CsvRecord record;
    std::vector<Picture> photos; // one per photo column
    bool end = false;
    QString fatal;
};

// Bounded hand-over from the reading thread to the drawing thread.
class RecordQueue
{
public:
    static constexpr size_t Capacity = 64;

    void push(Prepared p)
    {
        std::unique_lock lock(m_mutex);
        m_notFull.wait(lock, [this] { return m_queue.size() < Capacity || m_stop; });
        if (m_stop)
            return;
        m_queue.push_back(std::move(p));
        m_notEmpty.notify_one();
    }
    Prepared pop()
    {
        std::unique_lock lock(m_mutex);
        m_notEmpty.wait(lock, [this] { return !m_queue.empty(); });
        Prepared p = std::move(m_queue.front());
        m_queue.pop_front();
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
    bool m_stop = false;
};

// Reads every record and decodes its photos; ends with an end marker.
void readRecords(const QString& csvFile, std::vector<int> photoColumns, CardBatch::Options options, RecordQueue& queue)
{
    QFile f(csvFile);
    Prepared end;
    end.end = true;
    if (!f.open(QIODevice::ReadOnly)) {
        end.fatal = QStringLiteral("%1: %2").arg(csvFile, f.errorString());
        queue.push(std::move(end));
        return;
    }
    CsvReader reader(&f, options.csv);
    QString error;
    if (!reader.readHeader(&error)) {
        end.fatal = QStringLiteral("%1: %2").arg(csvFile, error);
        queue.push(std::move(end));
        return;
    }
    const QString folder = QFileInfo(csvFile).absolutePath();
    PhotoCache cache(CardBatch::PhotoCacheBytes);
    Prepared p;
    while (!queue.stopped() && reader.next(p.record)) {
        if (p.record.number < options.firstRecord)
            continue;
        if (p.record.number > options.lastRecord)
            break;
        p.photos.assign(photoColumns.size(), Picture());
        if (p.record.error.isEmpty() && !p.record.empty) {
            for (size_t i = 0; i < photoColumns.size(); ++i) {
                const QString value = p.record.fields[photoColumns[i]].trimmed();
                if (value.isEmpty())
                    continue; // no photo: the placeholder is drawn
                QString why;
                p.photos[i] = cache.get(cardjob::resolvePath(value, folder), &why);
                if (p.photos[i].isNull()) {
                    p.record.error = why;
                    break;
                }
            }
        }
        queue.push(std::move(p));
        p = Prepared();
    }
    queue.push(std::move(end));
}

} // namespace

CardBatch::CardBatch(CPrintTemplatePtr tpl)
    : m_tpl(std::move(tpl))
{
}

qint64 CardBatch::countRecords(const QString& csvFile, const CsvOptions& options)
{
    QFile f(csvFile);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    CsvReader reader(&f, options);
    QString error;
    if (!reader.readHeader(&error))
        return -1;
    CsvRecord r;
    qint64 n = 0;
    while (reader.next(r))
        ++n;
    return n;
}

bool CardBatch::recordData(const QString& csvFile, qint64 record, const CPrintTemplate& t, CPrintData& data,
    QString* error, const CsvOptions& options)
{
    if (!QFileInfo(csvFile).isFile()) {
        *error = QStringLiteral("%1: %2").arg(csvFile,
            QFileInfo::exists(csvFile) ? QStringLiteral("not a regular file") : QStringLiteral("no such file"));
        return false;
    }
    QFile f(csvFile);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(csvFile, f.errorString());
        return false;
    }
    CsvReader reader(&f, options);
    if (!reader.readHeader(error)) {
        *error = QStringLiteral("%1: %2").arg(csvFile, *error);
        return false;
    }
    CsvRecord r;
    qint64 seen = 0; // the reader clears the record at the end
    while (reader.next(r)) {
        seen = r.number;
        if (r.number < record)
            continue;
        if (!r.error.isEmpty()) {
            *error = QStringLiteral("%1: record %2 (line %3): %4").arg(csvFile).arg(r.number).arg(r.line).arg(r.error);
            return false;
        }
        if (r.empty) {
            *error = QStringLiteral("%1: record %2 (line %3) is empty").arg(csvFile).arg(r.number).arg(r.line);
            return false;
        }
        const QStringList photos = cardjob::photoFieldNames(t);
        const QString folder = QFileInfo(csvFile).absolutePath();
        for (qsizetype i = 0; i < reader.header().size(); ++i) {
            const QString& name = reader.header()[i];
            QVariant value = r.fields[i];
            if (photos.contains(name, Qt::CaseInsensitive)) {
                const QString path = r.fields[i].trimmed();
                value = QString();
                if (!path.isEmpty()) {
                    QString why;
                    const Picture p = cardjob::readPhoto(cardjob::resolvePath(path, folder), &why);
                    if (p.isNull()) {
                        *error = QStringLiteral("%1: record %2 (line %3): %4")
                                     .arg(csvFile)
                                     .arg(r.number)
                                     .arg(r.line)
                                     .arg(why);
                        return false;
                    }
                    value = QVariant::fromValue(p);
                }
            }
            data.Add(name, value);
            data.Item(name)->setvValue(value);
        }
        return true;
    }
    *error = QStringLiteral("%1: there is no record %2 (the file holds %3)").arg(csvFile).arg(record).arg(seen);
    return false;
}

CardBatch::Result CardBatch::run(const QString& csvFile, Surface& surface)
{
    Result result;
    if (!m_tpl) {
        result.fatal = QStringLiteral("no template");
        return result;
    }
    // The header first, so the photo columns are known before the worker starts.
    std::vector<int> photoColumns;
    QStringList header;
    {
        QFile f(csvFile);
        if (!f.open(QIODevice::ReadOnly)) {
            result.fatal = QStringLiteral("%1: %2").arg(csvFile, f.errorString());
            return result;
        }
        CsvReader reader(&f, m_options.csv);
        QString error;
        if (!reader.readHeader(&error)) {
            result.fatal = QStringLiteral("%1: %2").arg(csvFile, error);
            return result;
        }
        header = reader.header();
        // A CSV whose columns are not the template's fields would print a
        // batch of blank cards.
        result.missingFields = preflight::missingFields(*m_tpl, header);
        if (!result.missingFields.isEmpty() && !m_options.allowMissingFields) {
            result.fatal = preflight::missingFieldsMessage(csvFile, result.missingFields, header);
            return result;
        }
        for (const QString& name : cardjob::photoFieldNames(*m_tpl)) {
            const int c = reader.column(name);
            if (c >= 0)
                photoColumns.push_back(c);
        }
    }
    std::vector<bool> isPhoto(size_t(header.size()), false);
    for (int c : photoColumns)
        isPhoto[size_t(c)] = true;

    cardjob::QuietError reporter;
    m_tpl->setError(reporter.error());
    m_tpl->setScalor(1);

    // One print data for the whole run, its items made once.
    auto data = std::make_shared<CPrintData>();
    std::vector<CVariantPtr> items;
    for (const QString& name : header) {
        data->Add(name, QString());
        items.push_back(data->Item(name));
    }

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
    } worker { queue, std::thread(readRecords, csvFile, photoColumns, m_options, std::ref(queue)) };

    CardJobSurface guard(surface);
    const int pagesPerCard = m_tpl->Duplex() ? 2 : 1;
    const QSizeF card = cardjob::cardSizeInches(*m_tpl);
    bool firstCard = true;
    auto fail = [&](const CsvRecord& r, const QString& message) {
        ++result.failed;
        if (m_onFailure)
            m_onFailure(Failure { r.number, r.line, message });
    };

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
            ++result.records;
            if (p.record.empty) {
                ++result.empty;
            } else if (!p.record.error.isEmpty()) {
                fail(p.record, p.record.error);
            } else {
                size_t photo = 0;
                for (size_t i = 0; i < items.size(); ++i) {
                    if (isPhoto[i]) {
                        const Picture& pic = p.photos[photo++];
                        items[i]->setvValue(pic.isNull() ? QVariant(QString()) : QVariant::fromValue(pic));
                    } else {
                        items[i]->setvValue(p.record.fields[qsizetype(i)]);
                    }
                }
                // A value its barcode cannot hold: reported, and no page used.
                const QString barcode = preflight::barcodeProblem(*m_tpl, data.get());
                bool drawn = barcode.isEmpty(), stop = false;
                if (!drawn)
                    fail(p.record, barcode);
                for (int copy = 0; drawn && copy < std::max(1, m_options.copies); ++copy) {
                    bool ok = false;
                    try {
                        if (!firstCard)
                            guard.NewPage();
                        firstCard = false;
                        guard.resetCounts();
                        reporter.reset();
                        ok = m_tpl->Render(guard, data, 0, 0);
                    } catch (const KytError& e) {
                        // The surface itself failed (the file or queue):
                        // nothing more can be printed.
                        result.fatal = e.description();
                        stop = true;
                        break;
                    } catch (const std::exception& e) {
                        result.fatal = QString::fromLocal8Bit(e.what());
                        stop = true;
                        break;
                    }
                    if (!ok || reporter.reports() > 0) {
                        drawn = false;
                        fail(p.record,
                            QStringLiteral("the card could not be drawn: %1; its page is left blank")
                                .arg(reporter.reports() > 0 ? reporter.lastDescription()
                                                            : QStringLiteral("a design object failed")));
                        // Cover what was drawn on the current page and keep
                        // the card's page count, so the next card starts on
                        // a front.
                        try {
                            const int mode = guard.ScaleMode();
                            guard.setScaleMode(Surface::vbInches);
                            guard.Line(0, 0, std::max(card.width(), card.height()),
                                std::max(card.width(), card.height()), 0xFFFFFFu, Surface::LineKind::FilledBox);
                            guard.setScaleMode(mode);
                        } catch (const std::exception&) {
                        }
                    }
                    while (1 + guard.newPages() < pagesPerCard)
                        guard.NewPage();
                }
                if (stop)
                    break;
                if (drawn)
                    ++result.printed;
            }
            if (m_onProgress)
                m_onProgress(result.records);
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
