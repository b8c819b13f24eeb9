#include "designer/DesignerData.h"

#include "errors/CError.h"
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
const QString PhotoSection = QStringLiteral("Data Sources\\Photo Columns");
// The print data item a photo object reads its picture from.
const QString PhotoImageName = QStringLiteral("Image");

// Absolute file paths, so a remembered source opens from any folder.
DataSourceSpec absolute(DataSourceSpec spec)
{
    if (spec.kind != DataSourceSpec::Kind::Postgresql && !spec.path.isEmpty())
        spec.path = QFileInfo(spec.path).absoluteFilePath();
    return spec;
}

} // namespace

DesignerData::DesignerData(QObject* parent)
    : QObject(parent)
{
}

DesignerData::~DesignerData() = default;

QString DesignerData::source() const
{
    return isOpen() ? m_spec.toUrl() : QString();
}

QString DesignerData::displayName() const
{
    if (!isOpen())
        return QString();
    const QString part = !m_spec.table.isEmpty() ? QStringLiteral(" (%1)").arg(m_spec.table)
        : !m_spec.query.isEmpty()                ? tr(" (query)")
                                                 : QString();
    if (m_spec.kind == DataSourceSpec::Kind::Postgresql)
        return QStringLiteral("%1%2").arg(m_spec.database, part);
    return QFileInfo(m_spec.path).fileName() + part;
}

QString DesignerData::path() const
{
    return isOpen() && m_spec.kind != DataSourceSpec::Kind::Postgresql ? m_spec.path : QString();
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

bool DesignerData::open(const QString& source, QString* error)
{
    try {
        return open(DataSourceSpec::parse(source), error);
    } catch (const KytError& e) {
        *error = e.description();
        return false;
    }
}

bool DesignerData::open(const DataSourceSpec& given, QString* error)
{
    std::unique_ptr<DataSource> opened;
    qint64 count = -1;
    try {
        opened = DataSource::open(absolute(given), m_prompt);
        count = opened->count();
    } catch (const KytError& e) {
        *error = e.description();
        return false;
    }
    m_reader = std::move(opened);
    m_spec = m_reader->spec();
    m_fields = m_reader->fieldNames();
    m_count = count;
    m_current = 0;
    m_values.clear();
    m_record = DataRecord();
    m_data.reset();
    QString why;
    if (m_count > 0)
        goTo(1, &why); // a damaged first record still opens the source
    emit changed();
    return true;
}

void DesignerData::close()
{
    m_spec = DataSourceSpec();
    m_fields.clear();
    m_values.clear();
    m_record = DataRecord();
    m_count = -1;
    m_current = 0;
    m_data.reset();
    m_reader.reset();
    emit changed();
}

bool DesignerData::readRecord(qint64 n, DataRecord* record, QString* error)
{
    try {
        if (const QString what = m_reader->changed(); !what.isEmpty()) {
            *error = QStringLiteral("%1: %2").arg(m_spec.displayName(), what);
            return false;
        }
        if (!m_reader->record(n, *record)) {
            *error = tr("there is no record %1 (the source holds %2)").arg(n).arg(std::max<qint64>(0, m_count));
            return false;
        }
        return true;
    } catch (const KytError& e) {
        *error = e.description();
        return false;
    }
}

bool DesignerData::goTo(qint64 n, QString* error)
{
    if (!isOpen()) {
        *error = tr("no data source is open");
        return false;
    }
    if (n < 1) {
        *error = tr("records are numbered from 1");
        return false;
    }
    DataRecord record;
    if (!readRecord(n, &record, error))
        return false;
    if (!record.error.isEmpty()) {
        *error = QStringLiteral("%1: %2").arg(record.where(), record.error);
        return false;
    }
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
    return true;
}

qint64 DesignerData::find(const QString& text, QString* error)
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
    try {
        DataRecord r;
        if (m_reader->seek(m_current + 1))
            while (m_reader->next(r))
                if (holds(r))
                    return goTo(r.number, error) ? r.number : 0;
        m_reader->rewind();
        while (m_reader->next(r) && r.number <= m_current)
            if (holds(r))
                return goTo(r.number, error) ? r.number : 0;
    } catch (const KytError& e) {
        *error = e.description();
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
    if (templatePath.isEmpty())
        return QString();
    return settings::GetSetting(CTargetApplications::AppName, PhotoSection, templatePath);
}

void DesignerData::rememberPhotoColumn(const QString& templatePath, const QString& column)
{
    if (!templatePath.isEmpty())
        settings::SaveSetting(CTargetApplications::AppName, PhotoSection, templatePath, column);
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
