#include "designer/DesignerData.h"

#include "errors/CError.h"
#include "jobs/CardJobInputs.h"
#include "settings/AppSettings.h"
#include "settings/CTargetApplications.h"
#include "template/CVariant.h"
#include "util/Strings.h"
#include <QFileInfo>
#include <QImageReader>

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

DesignerData::DesignerData(QObject* parent)
    : QObject(parent)
{
}

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
    QStringList out;
    for (qsizetype i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].compare(PhotoImageName, Qt::CaseInsensitive) == 0
            || m_fields[i].compare(m_photoColumn, Qt::CaseInsensitive) == 0 || (m_reader && m_reader->isBinary(int(i)))
            || looksLikePicturePath(m_record.text(int(i))))
            out.append(m_fields[i]);
    return out;
}

void DesignerData::open(const QString& source)
{
    open(DataSourceUrl::parse(source));
}

void DesignerData::open(const DataSourceUrl& given)
{
    std::unique_ptr<DataSource> opened = DataSource::open(absolute(given), m_prompt);
    const qint64 count = opened->count();
    m_reader = std::move(opened);
    m_address = m_reader->address();
    m_fields = m_reader->fieldNames();
    m_count = count;
    m_current = 0;
    m_values.clear();
    m_record = DataRecord();
    m_data.reset();
    if (m_count > 0) {
        try {
            goTo(1);
        } catch (const KytError&) {
            // A damaged first record still opens the source; stepping to it says why.
        }
    }
    emit changed();
}

void DesignerData::close()
{
    m_address = DataSourceUrl();
    m_fields.clear();
    m_values.clear();
    m_record = DataRecord();
    m_count = -1;
    m_current = 0;
    m_data.reset();
    m_reader.reset();
    emit changed();
}

DataRecord DesignerData::readRecord(qint64 n)
{
    if (const QString what = m_reader->changed(); !what.isEmpty())
        throw KytError(ErrDataSource, QStringLiteral("%1: %2").arg(m_address.displayName(), what));
    DataRecord record;
    if (!m_reader->record(n, record))
        throw KytError(
            ErrDataSource, tr("there is no record %1 (the source holds %2)").arg(n).arg(std::max<qint64>(0, m_count)));
    return record;
}

void DesignerData::goTo(qint64 n)
{
    if (!isOpen())
        throw KytError(ErrDataSource, tr("no data source is open"));
    if (n < 1)
        throw KytError(ErrDataSource, tr("records are numbered from 1"));
    const DataRecord record = readRecord(n);
    if (!record.error.isEmpty())
        throw KytError(ErrDataSource, QStringLiteral("%1: %2").arg(record.where(), record.error));
    m_record = record;
    m_values.clear();
    for (int i = 0; i < m_fields.size(); ++i) {
        const QVariant& v = record.values.value(i);
        m_values.append(v.typeId() == QMetaType::QByteArray ? tr("(picture, %1 bytes)").arg(v.toByteArray().size())
                                                            : record.text(i));
    }
    m_current = n;
    makeData();
    emit changed();
}

qint64 DesignerData::find(const QString& text)
{
    if (!isOpen() || text.isEmpty())
        return 0;
    const auto holds = [&](const DataRecord& r) {
        for (int i = 0; i < r.values.size(); ++i)
            if (r.text(i).contains(text, Qt::CaseInsensitive))
                return true;
        return false;
    };
    // From the next record to the end, then from the first to the current.
    DataRecord r;
    if (m_reader->seek(m_current + 1))
        while (m_reader->next(r))
            if (holds(r)) {
                goTo(r.number);
                return r.number;
            }
    m_reader->rewind();
    while (m_reader->next(r) && r.number <= m_current)
        if (holds(r)) {
            goTo(r.number);
            return r.number;
        }
    return 0;
}

void DesignerData::makeData()
{
    auto data = std::make_shared<CPrintData>();
    const QStringList pictures = imageFields();
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        QVariant value = m_record.text(int(i));
        if (pictures.contains(m_fields[i])) {
            QString why;
            const Picture p = m_reader->photo(m_record, int(i), &why);
            // A photo that cannot be read shows the placeholder, as printing reports it.
            value = p.isNull() ? QVariant(QString()) : QVariant::fromValue(p);
        }
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
    if (m_current > 0) {
        makeData();
        emit changed();
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
