#include "jobs/CardJob.h"

#include "data/CsvReader.h"
#include "jobs/CardJobSurface.h"
#include "jobs/Preflight.h"
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

Picture placeholderPhoto()
{
    static const Picture picture = [] {
        QImage img(32, 32, QImage::Format_RGB888);
        img.fill(QColor(255, 255, 255));
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0, 0, 0), 1.5));
        p.setBrush(QColor(255, 214, 0));
        p.drawEllipse(QRectF(2.5, 2.5, 27, 27));
        p.setBrush(QColor(0, 0, 0));
        p.drawEllipse(QRectF(10, 10, 3.5, 4.5));
        p.drawEllipse(QRectF(18.5, 10, 3.5, 4.5));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(9, 10, 14, 12), -20 * 16, -140 * 16);
        p.end();
        return Picture(img);
    }();
    return picture;
}

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
    return decodeDataStreamText(bytes);
}

QString resolvePath(const QString& value, const QString& baseFolder)
{
    return resolveDataPath(value, baseFolder);
}

Picture readPhoto(const QString& path, QString* error)
{
    return readPhotoFile(path, error);
}

bool loadDataStreamFile(const QString& fileName, const CPrintTemplate& t, CPrintData& data, QString* error)
{
    QString text;
    try {
        text = readDataStreamFile(fileName);
    } catch (const KytError& e) {
        *error = e.description();
        return false;
    }
    data.SetCurrentDataStream(text);
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
    DataRecord record;
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

// Reads every record and decodes its photos; ends with an end marker. The
// source is opened here: a database connection belongs to its thread.
void readRecords(
    const DataSourceSpec& spec, std::vector<int> photoColumns, CardBatch::Options options, RecordQueue& queue)
{
    Prepared end;
    end.end = true;
    try {
        const std::unique_ptr<DataSource> source = DataSource::open(spec);
        if (options.firstRecord > 1 && !source->seek(options.firstRecord)) {
            queue.push(std::move(end));
            return;
        }
        const QString folder = source->folder();
        PhotoCache cache(CardBatch::PhotoCacheBytes);
        Prepared p;
        while (!queue.stopped() && source->next(p.record)) {
            if (p.record.number < options.firstRecord)
                continue;
            if (p.record.number > options.lastRecord)
                break;
            p.photos.assign(photoColumns.size(), Picture());
            if (p.record.error.isEmpty() && !p.record.empty) {
                for (size_t i = 0; i < photoColumns.size(); ++i) {
                    const QVariant& value = p.record.values[photoColumns[i]];
                    QString why;
                    if (value.typeId() == QMetaType::QByteArray) {
                        // Image bytes of a binary column: decoded for this record only.
                        if (value.toByteArray().isEmpty())
                            continue;
                        p.photos[i] = source->photo(p.record, photoColumns[i], &why);
                    } else {
                        const QString path = value.toString().trimmed();
                        if (path.isEmpty())
                            continue; // no photo: the placeholder is drawn
                        p.photos[i] = cache.get(resolveDataPath(path, folder), &why);
                    }
                    if (p.photos[i].isNull()) {
                        p.record.error = why;
                        break;
                    }
                }
            }
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

DataSourceSpec csvSpec(const QString& csvFile, const CsvOptions& options)
{
    DataSourceSpec spec;
    spec.kind = DataSourceSpec::Kind::Csv;
    spec.path = csvFile;
    spec.csv = options;
    return spec;
}

} // namespace

CardBatch::CardBatch(CPrintTemplatePtr tpl)
    : m_tpl(std::move(tpl))
{
}

qint64 CardBatch::countRecords(const QString& csvFile, const CsvOptions& options)
{
    return countRecords(csvSpec(csvFile, options));
}

qint64 CardBatch::countRecords(const DataSourceSpec& source)
{
    try {
        return DataSource::open(source)->count();
    } catch (const KytError&) {
        return -1; // unreadable: the caller reports what it tried to read
    }
}

bool CardBatch::recordData(const QString& csvFile, qint64 record, const CPrintTemplate& t, CPrintData& data,
    QString* error, const CsvOptions& options)
{
    return recordData(csvSpec(csvFile, options), record, t, data, error);
}

bool CardBatch::recordData(const DataSourceSpec& spec, qint64 record, const CPrintTemplate& t, CPrintData& data,
    QString* error, const PasswordPrompt& prompt)
{
    try {
        const std::unique_ptr<DataSource> source = DataSource::open(spec, prompt);
        const QString name = spec.displayName();
        DataRecord r;
        if (!source->record(std::max<qint64>(record, 1), r)) {
            *error = QStringLiteral("%1: there is no record %2 (%3 %4)")
                         .arg(name)
                         .arg(record)
                         .arg(spec.isDatabase() ? QStringLiteral("it holds") : QStringLiteral("the file holds"))
                         .arg(source->count());
            return false;
        }
        if (!r.error.isEmpty()) {
            *error = QStringLiteral("%1: %2: %3").arg(name, r.where(), r.error);
            return false;
        }
        if (r.empty) {
            *error = QStringLiteral("%1: %2 is empty").arg(name, r.where());
            return false;
        }
        const QStringList photos = cardjob::photoFieldNames(t);
        const QStringList& fields = source->fieldNames();
        for (qsizetype i = 0; i < fields.size(); ++i) {
            const QString& field = fields[i];
            QVariant value = r.text(int(i));
            if (photos.contains(field, Qt::CaseInsensitive)) {
                value = QString();
                QString why;
                const Picture p = source->photo(r, int(i), &why);
                if (!why.isEmpty()) {
                    *error = QStringLiteral("%1: %2: %3").arg(name, r.where(), why);
                    return false;
                }
                if (!p.isNull())
                    value = QVariant::fromValue(p);
            }
            data.Add(field, value);
            data.Item(field)->setvValue(value);
        }
        return true;
    } catch (const KytError& e) {
        *error = e.description();
        return false;
    }
}

CardBatch::Result CardBatch::run(const QString& csvFile, Surface& surface)
{
    return run(csvSpec(csvFile, m_options.csv), surface);
}

CardBatch::Result CardBatch::run(const DataSourceSpec& spec, Surface& surface, const PasswordPrompt& prompt)
{
    Result result;
    if (!m_tpl) {
        result.fatal = QStringLiteral("no template");
        return result;
    }
    // The header first, so the photo columns are known before the worker starts.
    std::vector<int> photoColumns;
    QStringList header;
    DataSourceSpec source = spec;
    try {
        const std::unique_ptr<DataSource> opened = DataSource::open(spec, prompt);
        source = opened->spec(); // the reading thread connects with what worked here
        header = opened->fieldNames();
        // A source whose columns are not the template's fields would print a
        // batch of blank cards.
        result.missingFields = preflight::missingFields(*m_tpl, header);
        if (!result.missingFields.isEmpty() && !m_options.allowMissingFields) {
            result.fatal = preflight::missingFieldsMessage(spec.displayName(), result.missingFields, header);
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
    } worker { queue, std::thread(readRecords, source, photoColumns, m_options, std::ref(queue)) };

    CardJobSurface guard(surface);
    const int pagesPerCard = m_tpl->Duplex() ? 2 : 1;
    const QSizeF card = cardjob::cardSizeInches(*m_tpl);
    bool firstCard = true;
    auto fail = [&](const DataRecord& r, const QString& message) {
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
                        items[i]->setvValue(p.record.text(int(i)));
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
