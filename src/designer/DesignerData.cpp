#include "designer/DesignerData.h"

#include "data/CsvReader.h"
#include "errors/CError.h"
#include "jobs/CardJob.h"
#include "settings/AppSettings.h"
#include "settings/CTargetApplications.h"
#include "template/CVariant.h"
#include "util/Strings.h"
#include <QFile>
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

// A data stream holds one card's fields: code 1 after a name, code 2 after
// its value.
bool isDataStream(const QByteArray& head)
{
    return head.contains('\x01') && head.contains('\x02');
}

} // namespace

// The open file and where the stream stands in it.
struct DesignerData::Reader {
    QFile file;
    std::unique_ptr<CsvReader> csv;
    qint64 at = 0; // the record last read
};

DesignerData::DesignerData(QObject* parent)
    : QObject(parent)
{
}

DesignerData::~DesignerData() = default;

QString DesignerData::displayName() const
{
    return m_path.isEmpty() ? QString() : QFileInfo(m_path).fileName();
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
            || m_fields[i].compare(m_photoColumn, Qt::CaseInsensitive) == 0 || looksLikePicturePath(m_values.value(i)))
            out.append(m_fields[i]);
    return out;
}

bool DesignerData::open(const QString& sourceIn, QString* error)
{
    QString path = sourceIn;
    int kind = 0; // 0 by content, 1 CSV, 2 data stream
    if (path.startsWith(QLatin1String("csv:"))) {
        path = path.mid(4);
        kind = 1;
    } else if (path.startsWith(QLatin1String("data:"))) {
        path = path.mid(5);
        kind = 2;
    }
    QFile probe(path);
    if (!QFileInfo(path).isFile() || !probe.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path,
            !QFileInfo::exists(path)        ? tr("no such file")
                : !QFileInfo(path).isFile() ? tr("not a regular file")
                                            : probe.errorString());
        return false;
    }
    if (kind == 0)
        kind = isDataStream(probe.read(64 * 1024)) ? 2 : 1;
    probe.close();

    DesignerData next;
    next.m_path = QFileInfo(path).absoluteFilePath();
    next.m_dataStream = kind == 2;
    next.m_source = (kind == 2 ? QStringLiteral("data:") : QStringLiteral("csv:")) + next.m_path;
    if (next.m_dataStream) {
        CPrintTemplate none;
        CPrintData data;
        try {
            cardjob::loadDataStreamFile(next.m_path, none, data);
        } catch (const KytError& e) {
            *error = e.description();
            return false;
        }
        for (const CVariantPtr& v : data) {
            next.m_fields.append(v->keyText());
            next.m_values.append(v->vValue().toString());
        }
        next.m_count = 1;
    } else {
        auto r = std::make_unique<Reader>();
        r->file.setFileName(next.m_path);
        if (!r->file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("%1: %2").arg(next.m_path, r->file.errorString());
            return false;
        }
        r->csv = std::make_unique<CsvReader>(&r->file);
        try {
            r->csv->readHeader();
        } catch (const KytError& e) {
            *error = QStringLiteral("%1: %2").arg(next.m_path, e.description());
            return false;
        }
        next.m_fields = r->csv->header();
        next.m_reader = std::move(r);
        next.m_count = CardBatch::countRecords(next.m_path);
    }
    m_source = next.m_source;
    m_path = next.m_path;
    m_dataStream = next.m_dataStream;
    m_fields = next.m_fields;
    m_values = next.m_values;
    m_count = next.m_count;
    m_reader = std::move(next.m_reader);
    m_current = 0;
    m_data.reset();
    QString why;
    if (m_count > 0 && !goTo(1, &why))
        m_values = QStringList();
    else if (m_dataStream) {
        m_current = 1;
        makeData();
    }
    emit changed();
    return true;
}

void DesignerData::close()
{
    m_source.clear();
    m_path.clear();
    m_fields.clear();
    m_values.clear();
    m_count = -1;
    m_current = 0;
    m_data.reset();
    m_reader.reset();
    emit changed();
}

bool DesignerData::readRecord(qint64 n, QStringList* values, QString* error)
{
    if (!m_reader || n <= m_reader->at) {
        // Streams only go forward: from the start again.
        auto r = std::make_unique<Reader>();
        r->file.setFileName(m_path);
        if (!r->file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("%1: %2").arg(m_path, r->file.errorString());
            return false;
        }
        r->csv = std::make_unique<CsvReader>(&r->file);
        try {
            r->csv->readHeader();
        } catch (const KytError& e) {
            *error = QStringLiteral("%1: %2").arg(m_path, e.description());
            return false;
        }
        if (r->csv->header() != m_fields) {
            *error = tr("%1 changed: its columns are not the ones opened").arg(m_path);
            return false;
        }
        m_reader = std::move(r);
    }
    CsvRecord rec;
    while (m_reader->csv->next(rec)) {
        m_reader->at = rec.number;
        if (rec.number < n)
            continue;
        if (!rec.error.isEmpty()) {
            *error = tr("record %1 (line %2): %3").arg(rec.number).arg(rec.line).arg(rec.error);
            return false;
        }
        *values = rec.fields;
        return true;
    }
    *error = tr("there is no record %1 (the source holds %2)").arg(n).arg(m_reader->at);
    m_reader.reset();
    return false;
}

bool DesignerData::goTo(qint64 n, QString* error)
{
    if (!isOpen()) {
        *error = tr("no data source is open");
        return false;
    }
    if (m_dataStream) {
        if (n != 1) {
            *error = tr("a data stream file holds one record");
            return false;
        }
        return true;
    }
    QStringList values;
    if (n < 1 || !readRecord(n, &values, error)) {
        if (n < 1)
            *error = tr("records are numbered from 1");
        return false;
    }
    m_values = values;
    m_current = n;
    makeData();
    emit changed();
    return true;
}

qint64 DesignerData::find(const QString& text, QString* error)
{
    if (!isOpen() || text.isEmpty() || m_dataStream)
        return m_dataStream && m_values.join(QChar(1)).contains(text, Qt::CaseInsensitive) ? 1 : 0;
    const auto holds
        = [&](const QStringList& values) { return values.join(QChar(1)).contains(text, Qt::CaseInsensitive); };
    // From the next record to the end, then from the first to the current.
    QStringList values;
    QString why;
    for (qint64 n = m_current + 1; readRecord(n, &values, &why); ++n)
        if (holds(values))
            return goTo(n, error) ? n : 0;
    for (qint64 n = 1; n <= m_current && readRecord(n, &values, &why); ++n)
        if (holds(values))
            return goTo(n, error) ? n : 0;
    return 0;
}

void DesignerData::makeData()
{
    auto data = std::make_shared<CPrintData>();
    const QString folder = QFileInfo(m_path).absolutePath();
    const QStringList pictures = imageFields();
    for (qsizetype i = 0; i < m_fields.size(); ++i) {
        QVariant value = m_values.value(i);
        if (pictures.contains(m_fields[i]) && !m_values.value(i).trimmed().isEmpty()) {
            QString why;
            const Picture p = readPhotoFile(resolveDataPath(m_values.value(i).trimmed(), folder), &why);
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
