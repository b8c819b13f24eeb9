#include "designer/DesignerData.h"

#include "dialogs/frmDataConnection.h"
#include "errors/CError.h"
#include "jobs/CardJobInputs.h"
#include "platform/widgets/WorkerThread.h"
#include "settings/AppSettings.h"
#include "settings/CTargetApplications.h"
#include "template/CVariant.h"
#include "util/Strings.h"
#include <QFileInfo>
#include <QImageReader>
#include <QScopeGuard>
#include <atomic>
#include <optional>

namespace kyt
{

namespace
{

const QString SourcesSection = QStringLiteral("Data Sources");
// The print data item a photo object reads its picture from.
const QString PhotoImageName = QStringLiteral("Image");

// Absolute file paths, so a remembered source opens from any folder.
DataSourceUrl absolute(DataSourceUrl address)
{
    if (address.kind != DataSourceUrl::Kind::Postgresql && !address.path.isEmpty())
        address.path = QFileInfo(address.path).absoluteFilePath();
    return address;
}

} // namespace

// The open source and the thread it lives on. The source is made, used and
// destroyed on that thread only.
struct DesignerData::Reader {
    WorkerThread thread { QStringLiteral("kyt-data") };
    std::shared_ptr<std::unique_ptr<DataSource>> source = std::make_shared<std::unique_ptr<DataSource>>();
    std::shared_ptr<QueryStop> stop = std::make_shared<QueryStop>();

    // Closing the source is queued behind any read still running (one that
    // was cancelled, and stopped then); the thread then ends on its own.
    ~Reader()
    {
        thread.post([source = source] { source->reset(); });
    }
};

// A record as the card shows it, read on the source's thread.
struct DesignerData::Shown {
    DataRecord record;
    QVariantList values; // per field: its text, or its picture read
};

namespace
{

// Fields whose values are pictures (see imageFields).
QStringList pictureFields(
    const QStringList& fields, const QList<bool>& binary, const QString& photoColumn, const DataRecord& record)
{
    QStringList out;
    for (qsizetype i = 0; i < fields.size(); ++i)
        if (fields[i].compare(PhotoImageName, Qt::CaseInsensitive) == 0
            || fields[i].compare(photoColumn, Qt::CaseInsensitive) == 0 || binary.value(i)
            || DesignerData::looksLikePicturePath(record.text(int(i))))
            out.append(fields[i]);
    return out;
}

// The values the card shows for a record, its pictures read (on the
// source's thread: a picture file may be slow to reach).
QVariantList shownValues(const DataSource& source, const QStringList& fields, const QList<bool>& binary,
    const QString& photoColumn, const DataRecord& record)
{
    const QStringList pictures = pictureFields(fields, binary, photoColumn, record);
    QVariantList out;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        QVariant value = record.text(int(i));
        if (pictures.contains(fields[i])) {
            QString why;
            const Picture p = source.photo(record, int(i), &why);
            // A photo that cannot be read shows the placeholder, as printing reports it.
            value = p.isNull() ? QVariant(QString()) : QVariant::fromValue(p);
        }
        out.append(value);
    }
    return out;
}

// Throws KytError when the source changed or failed since it was opened.
void checkUnchanged(const DataSource& source)
{
    if (const QString what = source.changed(); !what.isEmpty())
        throw KytError(ErrDataSource, QStringLiteral("%1: %2").arg(source.address().displayName(), what));
}

// Throws KytError for a damaged record.
void checkSound(const DataRecord& record)
{
    if (!record.error.isEmpty())
        throw KytError(ErrDataSource, QStringLiteral("%1: %2").arg(record.where(), record.error));
}

} // namespace

DesignerData::DesignerData(QObject* parent)
    : QObject(parent)
{
}

// A read still running is not waited for: its thread finishes it, closes
// the source and ends on its own (see WorkerThread), so closing the window
// never hangs on a slow server.
DesignerData::~DesignerData() = default;

QString DesignerData::source() const
{
    return isOpen() ? m_address.toUrl() : QString();
}

QString DesignerData::displayName() const
{
    if (!isOpen())
        return QString();
    const QString part = !m_address.table.isEmpty() ? QStringLiteral(" (%1)").arg(m_address.table)
        : !m_address.query.isEmpty()                ? tr(" (query)")
                                                    : QString();
    if (m_address.kind == DataSourceUrl::Kind::Postgresql)
        return QStringLiteral("%1%2").arg(m_address.database, part);
    return QFileInfo(m_address.path).fileName() + part;
}

QString DesignerData::path() const
{
    return isOpen() && m_address.kind != DataSourceUrl::Kind::Postgresql ? m_address.path : QString();
}

bool DesignerData::looksLikePicturePath(const QString& value)
{
    const QString suffix = QFileInfo(value.trimmed()).suffix().toLower();
    return !suffix.isEmpty() && QImageReader::supportedImageFormats().contains(suffix.toLatin1());
}

QStringList DesignerData::imageFields() const
{
    return pictureFields(m_fields, m_binary, m_photoColumn, m_record);
}

void DesignerData::enter()
{
    // A call made while the window waits for another (from a timer, say)
    // would reach the source in the middle of it.
    if (m_busy)
        throw KytError(ErrDataSource, tr("the data source is still busy with the last request"));
    m_busy = true;
}

void DesignerData::open(const QString& source)
{
    open(DataSourceUrl::parse(source));
}

void DesignerData::open(const DataSourceUrl& given)
{
    enter();
    const auto idle = qScopeGuard([this] { m_busy = false; });
    struct Opened {
        DataSourceUrl address;
        QStringList fields;
        QList<bool> binary;
        qint64 count = 0;
        std::optional<Shown> first;
    };
    // A thread of its own: a cancelled open finishes there and is dropped
    // while the open source keeps working on its thread.
    auto reader = std::make_unique<Reader>();
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    const std::shared_ptr<std::unique_ptr<DataSource>> holder = reader->source;
    const std::shared_ptr<QueryStop> stop = reader->stop;
    const Opened opened = reader->thread.call<Opened>(
        [holder, stop, cancelled, address = absolute(given), prompt = frmDataConnection::onWindowThread(m_prompt),
            photoColumn = m_photoColumn] {
            std::unique_ptr<DataSource> source = DataSource::open(address, prompt, stop);
            Opened o;
            o.address = source->address();
            o.fields = source->fieldNames();
            for (int i = 0; i < o.fields.size(); ++i)
                o.binary.append(source->isBinary(i));
            if (!*cancelled)
                o.count = source->count();
            try {
                DataRecord first;
                if (o.count > 0 && !*cancelled && source->record(1, first) && first.error.isEmpty())
                    o.first = Shown { first, shownValues(*source, o.fields, o.binary, photoColumn, first) };
            } catch (const KytError&) {
                // A damaged first record still opens the source; stepping to it says why.
            }
            *holder = std::move(source);
            return o;
        },
        { tr("Opening the data source..."), m_window, [cancelled, stop] {
             *cancelled = true;
             stop->stop();
         } });
    m_reader = std::move(reader);
    m_address = opened.address;
    m_fields = opened.fields;
    m_binary = opened.binary;
    m_count = opened.count;
    m_current = 0;
    m_values.clear();
    m_record = DataRecord();
    m_data.reset();
    if (opened.first)
        show(1, *opened.first);
    emit changed();
}

void DesignerData::close()
{
    // The wait in progress holds the reader.
    if (m_busy)
        return;
    m_address = DataSourceUrl();
    m_fields.clear();
    m_binary.clear();
    m_values.clear();
    m_record = DataRecord();
    m_count = -1;
    m_current = 0;
    m_data.reset();
    m_reader.reset();
    emit changed();
}

void DesignerData::goTo(qint64 n)
{
    if (!isOpen())
        throw KytError(ErrDataSource, tr("no data source is open"));
    if (n < 1)
        throw KytError(ErrDataSource, tr("records are numbered from 1"));
    enter();
    const auto idle = qScopeGuard([this] { m_busy = false; });
    const std::shared_ptr<QueryStop> stop = m_reader->stop;
    const Shown shown = m_reader->thread.call<Shown>(
        [holder = m_reader->source, n, count = m_count, fields = m_fields, binary = m_binary,
            photoColumn = m_photoColumn] {
            const DataSource& source = **holder;
            checkUnchanged(source);
            DataRecord record;
            if (!(*holder)->record(n, record))
                throw KytError(ErrDataSource,
                    tr("there is no record %1 (the source holds %2)").arg(n).arg(std::max<qint64>(0, count)));
            checkSound(record);
            return Shown { record, shownValues(source, fields, binary, photoColumn, record) };
        },
        { tr("Reading record %1...").arg(n), m_window, [stop] { stop->stop(); } });
    show(n, shown);
    emit changed();
}

qint64 DesignerData::find(const QString& text)
{
    if (!isOpen() || text.isEmpty())
        return 0;
    enter();
    const auto idle = qScopeGuard([this] { m_busy = false; });
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    const std::shared_ptr<QueryStop> stop = m_reader->stop;
    const std::optional<Shown> found = m_reader->thread.call<std::optional<Shown>>(
        [holder = m_reader->source, text, current = m_current, fields = m_fields, binary = m_binary,
            photoColumn = m_photoColumn, cancelled]() -> std::optional<Shown> {
            DataSource& source = **holder;
            checkUnchanged(source);
            const auto holds = [&](const DataRecord& r) {
                for (int i = 0; i < r.values.size(); ++i)
                    if (r.text(i).contains(text, Qt::CaseInsensitive))
                        return true;
                return false;
            };
            const auto shown = [&](const DataRecord& r) {
                checkSound(r);
                return Shown { r, shownValues(source, fields, binary, photoColumn, r) };
            };
            // From the next record to the end, then from the first to the
            // current; a cancelled scan stops at the next record.
            DataRecord r;
            if (source.seek(current + 1))
                while (!*cancelled && source.next(r))
                    if (holds(r))
                        return shown(r);
            source.rewind();
            while (!*cancelled && source.next(r) && r.number <= current)
                if (holds(r))
                    return shown(r);
            return std::nullopt;
        },
        { tr("Finding \"%1\"...").arg(text), m_window, [cancelled, stop] {
             *cancelled = true;
             stop->stop();
         } });
    if (!found)
        return 0;
    show(found->record.number, *found);
    emit changed();
    return m_current;
}

void DesignerData::show(qint64 n, const Shown& shown)
{
    m_record = shown.record;
    m_values.clear();
    for (int i = 0; i < m_fields.size(); ++i) {
        const QVariant& v = m_record.values.value(i);
        m_values.append(v.typeId() == QMetaType::QByteArray ? tr("(picture, %1 bytes)").arg(v.toByteArray().size())
                                                            : m_record.text(i));
    }
    m_current = n;
    makeData(shown.values);
}

void DesignerData::makeData(const QVariantList& shown)
{
    auto data = std::make_shared<CPrintData>();
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        const QVariant value = shown.value(i);
        data->Add(m_fields[i], value);
        data->Item(m_fields[i])->setvValue(value);
        if (!m_photoColumn.isEmpty() && m_fields[i].compare(m_photoColumn, Qt::CaseInsensitive) == 0) {
            data->Add(PhotoImageName, value);
            data->Item(PhotoImageName)->setvValue(value);
        }
    }
    m_data = data;
}

void DesignerData::setPhotoColumn(const QString& column)
{
    if (column == m_photoColumn)
        return;
    m_photoColumn = column;
    if (m_current <= 0 || m_busy)
        return;
    enter();
    const auto idle = qScopeGuard([this] { m_busy = false; });
    try {
        const QVariantList shown = m_reader->thread.call<QVariantList>(
            [holder = m_reader->source, fields = m_fields, binary = m_binary, column, record = m_record] {
                return shownValues(**holder, fields, binary, column, record);
            },
            { tr("Reading the photo..."), m_window, {} });
        makeData(shown);
        emit changed();
    } catch (const KytError&) {
        // Cancelled: the card shows the new column from the next record on.
    }
}

QString DesignerData::rememberedPhotoColumn(const QString& templatePath)
{
    return cardjob::rememberedPhotoColumn(templatePath);
}

void DesignerData::rememberPhotoColumn(const QString& templatePath, const QString& column)
{
    cardjob::rememberPhotoColumn(templatePath, column);
}

QString DesignerData::rememberedSource(const QString& templatePath)
{
    if (templatePath.isEmpty())
        return QString();
    return settings::GetSetting(CTargetApplications::AppName, SourcesSection, templatePath);
}

void DesignerData::rememberSource(const QString& templatePath, const QString& source)
{
    if (templatePath.isEmpty())
        return;
    if (source.isEmpty())
        settings::DeleteSetting(CTargetApplications::AppName, SourcesSection, templatePath);
    else
        settings::SaveSetting(CTargetApplications::AppName, SourcesSection, templatePath, source);
}

} // namespace kyt
