// The file kinds: CSV and data stream files.
#include "data/DataSourcePrivate.h"

#include "errors/CError.h"
#include "template/CPrintData.h"
#include "util/Ansi.h"
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <vector>

namespace kyt
{

QString decodeDataStreamText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return fromAnsi(bytes);
}

QString readDataStreamFile(const QString& fileName)
{
    // Opening a pipe would wait for a writer, and a device may never end.
    if (const QString why = fileProblem(fileName); !why.isEmpty())
        throw KytError(ErrDataSource, why);
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw KytError(ErrDataSource, QStringLiteral("%1: %2").arg(fileName, f.errorString()));
    if (f.size() > DataStreamMaxBytes)
        throw KytError(ErrDataSource,
            QCoreApplication::translate("kyt::DataSource", "%1: %2 bytes, more than a data stream file may have (%3)")
                .arg(fileName)
                .arg(f.size())
                .arg(DataStreamMaxBytes));
    const QByteArray bytes = f.read(DataStreamMaxBytes + 1);
    if (bytes.size() > DataStreamMaxBytes)
        throw KytError(ErrDataSource,
            QCoreApplication::translate("kyt::DataSource", "%1: more than a data stream file may have (%2 bytes)")
                .arg(fileName)
                .arg(DataStreamMaxBytes));
    if (!bytes.trimmed().isEmpty() && !bytes.contains('\x01') && !bytes.contains('\x02')) {
        // A CSV or name=value file read as a data stream would be one field
        // named after the whole text, and every card would print blank.
        const bool csvLike = bytes.contains(',') || bytes.contains(';') || bytes.contains('\t');
        throw KytError(ErrDataSource,
            QCoreApplication::translate("kyt::DataSource",
                "%1: not a data stream file: it holds no field separators (a data stream is, for each "
                "field, its name, the character with code 1, its value and the character with code 2)%2")
                .arg(fileName,
                    csvLike
                        ? QCoreApplication::translate("kyt::DataSource", "; a CSV file is read with --csv FILE --row N")
                        : QString()));
    }
    if (bytes.count('\x02') > DataStreamMaxEntries)
        throw KytError(ErrDataSource,
            QCoreApplication::translate("kyt::DataSource", "%1: more than %2 entries; a card has far fewer fields")
                .arg(fileName)
                .arg(DataStreamMaxEntries));
    return decodeDataStreamText(bytes);
}

namespace
{

// What a file looked like when it was opened, to tell later whether it changed.
class FileStamp
{
public:
    explicit FileStamp(const QString& path)
        : m_path(path)
    {
        const QFileInfo info(path);
        m_size = info.size();
        m_modified = info.lastModified();
    }
    QString changed() const
    {
        const QFileInfo info(m_path);
        if (!info.exists())
            return QCoreApplication::translate("kyt::DataSource", "the file was removed or renamed");
        if (info.size() != m_size || info.lastModified() != m_modified)
            return QCoreApplication::translate("kyt::DataSource", "the file changed since it was opened");
        return QString();
    }

private:
    QString m_path;
    qint64 m_size = 0;
    QDateTime m_modified;
};

class CsvSource final : public DataSource
{
public:
    explicit CsvSource(const DataSourceUrl& address)
        : DataSource(address)
        , m_file(address.path)
        , m_reader(&m_file, address.csv)
        , m_stamp(address.path)
    {
        if (const QString why = fileProblem(address.path); !why.isEmpty())
            throw KytError(ErrDataSource, why);
        if (!m_file.open(QIODevice::ReadOnly))
            raise(m_file.errorString());
        try {
            m_reader.readHeader();
        } catch (const KytError& e) {
            raise(e.description());
        }
        setFields(m_reader.header());
        m_index.push_back({ m_reader.offset(), 0, m_reader.line() });
    }

    bool next(DataRecord& r) override
    {
        // Every IndexStep-th record's start is kept on the first pass.
        const qint64 before = m_reader.number();
        if (before % IndexStep == 0 && qint64(m_index.size()) == before / IndexStep)
            m_index.push_back({ m_reader.offset(), before, m_reader.line() });
        CsvRecord c;
        if (!m_reader.next(c)) {
            if (const QString why = m_stamp.changed(); !why.isEmpty())
                raise(why);
            m_count = m_reader.number();
            return false;
        }
        r = DataRecord();
        r.values.reserve(c.fields.size());
        for (QString& f : c.fields)
            r.values.append(std::move(f));
        r.number = c.number;
        r.line = c.line;
        r.error = std::move(c.error);
        r.warning = std::move(c.warning);
        r.empty = c.empty;
        return true;
    }

    void rewind() override { resume(m_index.front()); }

    bool seek(qint64 number) override
    {
        if (number < 1 || (m_count >= 0 && number > m_count)) {
            toEnd();
            return false;
        }
        const qint64 before = number - 1;
        // From the nearest kept start before it, unless reading on from here is shorter.
        const size_t k = size_t(std::min<qint64>(before / IndexStep, qint64(m_index.size()) - 1));
        if (m_reader.number() > before || m_index[k].number > m_reader.number())
            resume(m_index[k]);
        DataRecord skip;
        while (m_reader.number() < before)
            if (!next(skip))
                return false;
        return true;
    }

    qint64 count() override
    {
        if (m_count < 0) {
            const Mark here { m_reader.offset(), m_reader.number(), m_reader.line() };
            toEnd();
            resume(here);
        }
        return m_count;
    }

    QString changed() const override { return m_stamp.changed(); }

private:
    struct Mark {
        qint64 offset;
        qint64 number; // records before it
        qint64 line;
    };

    void resume(const Mark& m)
    {
        if (!m_reader.resume(m.offset, m.number, m.line)) {
            const QString why = m_stamp.changed();
            raise(why.isEmpty() ? m_file.errorString() : why);
        }
    }
    void toEnd()
    {
        if (m_count >= 0 && m_reader.number() == m_count)
            return;
        resume(m_index.back());
        DataRecord skip;
        while (next(skip)) { }
    }

    QFile m_file;
    CsvReader m_reader;
    FileStamp m_stamp;
    std::vector<Mark> m_index; // m_index[k]: where record k * IndexStep + 1 begins
    qint64 m_count = -1;
};

// A data stream file holds the field values of one card: one record.
class DataStreamSource final : public DataSource
{
public:
    explicit DataStreamSource(const DataSourceUrl& address)
        : DataSource(address)
        , m_stamp(address.path)
    {
        CPrintData data;
        data.SetCurrentDataStream(readDataStreamFile(address.path));
        QStringList names;
        for (const CVariantPtr& v : data) {
            names.append(v->keyText());
            m_values.append(v->vValue().toString());
        }
        setFields(names);
    }

    bool next(DataRecord& r) override
    {
        if (m_done)
            return false;
        m_done = true;
        r = DataRecord();
        r.values = m_values;
        r.number = 1;
        r.empty = std::all_of(
            m_values.cbegin(), m_values.cend(), [](const QVariant& v) { return v.toString().trimmed().isEmpty(); });
        return true;
    }
    void rewind() override { m_done = false; }
    bool seek(qint64 number) override
    {
        m_done = number != 1;
        return !m_done;
    }
    qint64 count() override { return 1; }
    QString changed() const override { return m_stamp.changed(); }

private:
    FileStamp m_stamp;
    QVariantList m_values;
    bool m_done = false;
};

} // namespace

std::unique_ptr<DataSource> openCsvSource(const DataSourceUrl& address)
{
    return std::make_unique<CsvSource>(address);
}

std::unique_ptr<DataSource> openDataStreamSource(const DataSourceUrl& address)
{
    return std::make_unique<DataStreamSource>(address);
}

} // namespace kyt
