#include "data/DataSource.h"

#include "data/DataSourcePrivate.h"
#include "errors/CError.h"
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace kyt
{

namespace
{
constexpr qint64 MaxPhotoFileBytes = PhotoMaxFileBytes;
constexpr qint64 MaxPhotoPixels = PhotoMaxPixels;

QString tooManyPixels(const QString& what, QSize size)
{
    return QCoreApplication::translate(
        "kyt::DataSource", "photo %1: %2 x %3 pixels, more than a photo may have (16 megapixels)")
        .arg(what)
        .arg(size.width())
        .arg(size.height());
}
} // namespace

QString DataRecord::text(int column) const
{
    if (column < 0 || column >= values.size())
        return QString();
    const QVariant& v = values[column];
    return v.typeId() == QMetaType::QByteArray ? QString() : v.toString();
}

QString DataRecord::where() const
{
    return line > 0 ? QCoreApplication::translate("kyt::DataSource", "record %1 (line %2)").arg(number).arg(line)
                    : QCoreApplication::translate("kyt::DataSource", "record %1").arg(number);
}

DataSource::DataSource(DataSourceUrl address)
    : m_address(std::move(address))
{
}

DataSource::~DataSource() = default;

std::unique_ptr<DataSource> DataSource::open(const QString& url, const PasswordPrompt& prompt)
{
    return open(DataSourceUrl::parse(url), prompt);
}

std::unique_ptr<DataSource> DataSource::open(
    const DataSourceUrl& given, const PasswordPrompt& prompt, const std::shared_ptr<QueryStop>& stop)
{
    DataSourceUrl address = given;
    if (address.kind == DataSourceUrl::Kind::None) {
        // A plain path: a database by its signature, a data stream by its
        // separators, else a CSV file.
        if (const QString why = fileProblem(address.path); !why.isEmpty())
            throw KytError(ErrDataSource, why);
        QFile f(address.path);
        if (!f.open(QIODevice::ReadOnly))
            throw KytError(ErrDataSource, QStringLiteral("%1: %2").arg(address.path, f.errorString()));
        const QByteArray head = f.read(64 * 1024);
        if (head.startsWith(QByteArrayLiteral("SQLite format 3\0")))
            address.kind = DataSourceUrl::Kind::Sqlite;
        else if (head.contains('\x01') || head.contains('\x02'))
            address.kind = DataSourceUrl::Kind::DataStream;
        else
            address.kind = DataSourceUrl::Kind::Csv;
    }
    switch (address.kind) {
    case DataSourceUrl::Kind::Csv:
        return openCsvSource(address);
    case DataSourceUrl::Kind::DataStream:
        return openDataStreamSource(address);
    case DataSourceUrl::Kind::Sqlite:
    case DataSourceUrl::Kind::Postgresql:
        return openSqlSource(address, prompt, stop);
    case DataSourceUrl::Kind::None:
        break;
    }
    throw KytError(
        ErrDataSource, QCoreApplication::translate("kyt::DataSource", "%1: not a data source").arg(address.path));
}

QStringList DataSource::tables(
    DataSourceUrl& address, const PasswordPrompt& prompt, const std::shared_ptr<QueryStop>& stop)
{
    if (!address.isDatabase())
        throw KytError(ErrDataSource,
            QCoreApplication::translate("kyt::DataSource", "%1: not a database").arg(address.displayName()));
    return sqlTables(address, prompt, stop);
}

void QueryStop::stop()
{
    const std::lock_guard lock(m_mutex);
    if (m_how)
        m_how();
}

void QueryStop::attach(std::function<void()> how)
{
    const std::lock_guard lock(m_mutex);
    m_how = std::move(how);
}

void QueryStop::detach()
{
    const std::lock_guard lock(m_mutex);
    m_how = nullptr;
}

int DataSource::column(const QString& name) const
{
    const QString key = name.trimmed();
    for (qsizetype i = 0; i < m_fields.size(); ++i)
        if (m_fields[i].compare(key, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

bool DataSource::isBinary(int column) const
{
    return column >= 0 && column < m_binary.size() && m_binary[column];
}

QString DataSource::folder() const
{
    return m_address.path.isEmpty() ? QString() : QFileInfo(m_address.path).absolutePath();
}

bool DataSource::record(qint64 number, DataRecord& r)
{
    return seek(number) && next(r);
}

void DataSource::setFields(QStringList names, QList<bool> binary)
{
    m_fields = std::move(names);
    m_binary = std::move(binary);
    m_binary.resize(m_fields.size(), false);
}

void DataSource::raise(const QString& text) const
{
    throw KytError(ErrDataSource, QStringLiteral("%1: %2").arg(m_address.displayName(), text));
}

Picture DataSource::photo(const DataRecord& r, int column, QString* error) const
{
    if (column < 0 || column >= r.values.size())
        return {};
    const QVariant& v = r.values[column];
    if (v.typeId() == QMetaType::QByteArray) {
        const QByteArray bytes = v.toByteArray();
        if (bytes.isEmpty())
            return {};
        if (m_forDocument)
            if (Picture p = undecodedPhoto(bytes); !p.isNull())
                return p;
        return readPhotoBytes(
            bytes, QCoreApplication::translate("kyt::DataSource", "in field %1").arg(m_fields.value(column)), error);
    }
    const QString path = v.toString().trimmed();
    if (path.isEmpty())
        return {};
    const QString file = resolveDataPath(path, folder());
    return m_forDocument ? readPhotoForDocument(file, error) : readPhotoFile(file, error);
}

QString photoFileProblem(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return QCoreApplication::translate("kyt::DataSource", "photo %1: %2")
            .arg(path,
                info.exists() ? QCoreApplication::translate("kyt::DataSource", "not a regular file")
                              : QCoreApplication::translate("kyt::DataSource", "no such file"));
    if (info.size() > MaxPhotoFileBytes)
        return QCoreApplication::translate("kyt::DataSource", "photo %1: %2 bytes, more than the %3 a photo may have")
            .arg(path)
            .arg(info.size())
            .arg(MaxPhotoFileBytes);
    QImageReader probe(path);
    if (!probe.canRead())
        return QCoreApplication::translate("kyt::DataSource", "photo %1: not a readable picture").arg(path);
    // The header's size, read without decoding the pixels.
    const QSize size = probe.size();
    if (size.isValid() && qint64(size.width()) * size.height() > MaxPhotoPixels)
        return tooManyPixels(path, size);
    return QString();
}

Picture readPhotoFile(const QString& path, QString* error)
{
    *error = photoFileProblem(path);
    if (!error->isEmpty())
        return {};
    QString why;
    Picture p = Picture::fromFile(path, &why);
    if (p.isNull())
        *error = QCoreApplication::translate("kyt::DataSource", "photo %1: %2")
                     .arg(path, why.isEmpty() ? QCoreApplication::translate("kyt::DataSource", "cannot be read") : why);
    return p;
}

Picture undecodedPhoto(const QByteArray& bytes)
{
    if (bytes.size() > MaxPhotoFileBytes)
        return {};
    Picture p = Picture::undecodedJpeg(bytes);
    if (p.isNull() || qint64(p.pixelSize().width()) * p.pixelSize().height() > MaxPhotoPixels)
        return {};
    return p;
}

Picture readPhotoForDocument(const QString& path, QString* error)
{
    const QFileInfo info(path);
    if (info.isFile() && info.size() <= MaxPhotoFileBytes) {
        QFile f(path);
        // Its own size, not the bound: QIODevice::read keeps the capacity it
        // was asked for, and a cache may keep the bytes.
        if (f.open(QIODevice::ReadOnly))
            if (Picture p = undecodedPhoto(f.read(info.size() + 1)); !p.isNull())
                return p;
    }
    return readPhotoFile(path, error);
}

Picture readPhotoBytes(const QByteArray& bytes, const QString& label, QString* error)
{
    if (bytes.size() > MaxPhotoFileBytes) {
        *error = QCoreApplication::translate("kyt::DataSource", "photo %1: %2 bytes, more than the %3 a photo may have")
                     .arg(label)
                     .arg(bytes.size())
                     .arg(MaxPhotoFileBytes);
        return {};
    }
    {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader probe(&buffer);
        const QSize size = probe.size();
        if (size.isValid() && qint64(size.width()) * size.height() > MaxPhotoPixels) {
            *error = tooManyPixels(label, size);
            return {};
        }
    }
    QString why;
    Picture p = Picture::fromData(bytes, &why, MaxPhotoPixels);
    if (p.isNull())
        *error
            = QCoreApplication::translate("kyt::DataSource", "photo %1: %2")
                  .arg(label, why.isEmpty() ? QCoreApplication::translate("kyt::DataSource", "cannot be read") : why);
    return p;
}

QString resolveDataPath(const QString& value, const QString& baseFolder)
{
    return QDir::isAbsolutePath(value) ? value : QDir(baseFolder).filePath(value);
}

QString fileProblem(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QCoreApplication::translate("kyt::DataSource", "%1: no such file").arg(path);
    if (!info.isFile())
        return QCoreApplication::translate("kyt::DataSource", "%1: not a regular file").arg(path);
    return QString();
}

} // namespace kyt
