#include "jobs/CardJobCsv.h"

#include <QIODevice>
#include <QStringDecoder>
#include <vector>

namespace kyt
{

namespace
{
constexpr qint64 ChunkBytes = 64 * 1024;
}

CsvReader::CsvReader(QIODevice* device)
    : m_device(device)
{
}

int CsvReader::nextByte()
{
    if (m_pos >= m_buffer.size()) {
        if (m_eof || !m_device)
            return -1;
        m_buffer = m_device->read(ChunkBytes);
        m_pos = 0;
        if (m_buffer.isEmpty()) {
            m_eof = true;
            return -1;
        }
        if (m_first) {
            m_first = false;
            if (m_buffer.startsWith("\xEF\xBB\xBF"))
                m_pos = 3;
            if (m_pos >= m_buffer.size())
                return nextByte();
        }
    }
    return static_cast<unsigned char>(m_buffer[m_pos++]);
}

bool CsvReader::readRaw(CsvRecord& record, bool checkWidth)
{
    for (;;) {
        record = CsvRecord();
        record.line = m_line;
        std::vector<QByteArray> fields;
        QByteArray field;
        bool inQuotes = false, quoted = false, afterQuote = false, tooLong = false, any = false;
        qint64 bytes = 0;
        QString error;
        auto push = [&] {
            if (!tooLong)
                fields.push_back(field);
            field.clear();
            quoted = afterQuote = false;
        };
        for (;;) {
            int c = nextByte();
            if (c < 0) {
                if (!any)
                    return false;
                if (inQuotes && error.isEmpty())
                    error = QStringLiteral("a quoted field is not closed before the end of the file");
                push();
                break;
            }
            any = true;
            if (!tooLong && ++bytes > MaxRecordBytes) {
                // Keep parsing to find the record's end, but hold nothing more.
                tooLong = true;
                error = QStringLiteral("the record is longer than %1 bytes").arg(MaxRecordBytes);
                fields.clear();
                field.clear();
            }
            if (c == '\n')
                ++m_line;
            if (inQuotes) {
                if (c == '"') {
                    const int d = nextByte();
                    if (d == '"') {
                        if (!tooLong)
                            field.append('"');
                        continue;
                    }
                    inQuotes = false;
                    afterQuote = true;
                    if (d < 0)
                        continue;
                    c = d; // handle the byte after the closing quote below
                    if (c == '\n')
                        ++m_line;
                } else {
                    if (!tooLong)
                        field.append(char(c));
                    continue;
                }
            }
            if (c == ',') {
                push();
                continue;
            }
            if (c == '\n') {
                if (field.endsWith('\r') && !afterQuote)
                    field.chop(1);
                push();
                break;
            }
            if (c == '\r' && afterQuote)
                continue; // CR of a CRLF after a quoted field
            if (c == '"' && field.isEmpty() && !quoted && !afterQuote) {
                inQuotes = quoted = true;
                continue;
            }
            if (error.isEmpty()) {
                if (afterQuote)
                    error = QStringLiteral("text follows a closing quote");
                else if (c == '"')
                    error = QStringLiteral("a quote inside an unquoted field");
            }
            if (!tooLong)
                field.append(char(c));
        }
        // A blank line is no record.
        if (error.isEmpty() && fields.size() == 1 && fields[0].isEmpty() && !quoted)
            continue;
        if (error.isEmpty()) {
            QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            for (const QByteArray& f : fields) {
                record.fields.append(decoder(f));
                if (decoder.hasError()) {
                    error = QStringLiteral("field %1 is not valid UTF-8 text").arg(record.fields.size());
                    break;
                }
            }
        }
        if (error.isEmpty() && checkWidth && record.fields.size() != m_header.size())
            error = QStringLiteral("%1 fields where the header has %2").arg(record.fields.size()).arg(m_header.size());
        if (!error.isEmpty())
            record.fields.clear();
        record.error = error;
        return true;
    }
}

bool CsvReader::readHeader(QString* error)
{
    CsvRecord record;
    if (!readRaw(record, false)) {
        *error = QStringLiteral("the file is empty: a header row naming the columns is needed");
        return false;
    }
    if (!record.error.isEmpty()) {
        *error = QStringLiteral("header row: %1").arg(record.error);
        return false;
    }
    for (qsizetype i = 0; i < record.fields.size(); ++i) {
        const QString name = record.fields[i].trimmed();
        if (name.isEmpty()) {
            *error = QStringLiteral("header row: column %1 has no name").arg(i + 1);
            return false;
        }
        for (qsizetype j = 0; j < i; ++j)
            if (m_header[j].compare(name, Qt::CaseInsensitive) == 0) {
                *error = QStringLiteral("header row: the column name \"%1\" appears twice").arg(name);
                return false;
            }
        m_header.append(name);
    }
    return true;
}

int CsvReader::column(const QString& name) const
{
    for (qsizetype i = 0; i < m_header.size(); ++i)
        if (m_header[i].compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

bool CsvReader::next(CsvRecord& record)
{
    if (!readRaw(record, true))
        return false;
    record.number = ++m_number;
    return true;
}

} // namespace kyt
