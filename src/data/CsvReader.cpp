#include "data/CsvReader.h"

#include "data/DataSource.h"
#include "errors/CError.h"

#include "util/Ansi.h"
#include "util/Strings.h"
#include <QCoreApplication>
#include <QIODevice>
#include <QStringDecoder>
#include <algorithm>
#include <vector>

namespace kyt
{

namespace
{
constexpr qint64 ChunkBytes = 64 * 1024;

// Valid UTF-8 holding at least one character beyond ASCII.
bool isUtf8Text(const QByteArray& bytes)
{
    if (std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)QString(utf8(bytes));
    return !utf8.hasError();
}
} // namespace

bool CsvOptions::encodingFromName(const QString& name, Encoding* encoding)
{
    const QString n = name.trimmed().toLower();
    if (n == QLatin1String("auto"))
        *encoding = Encoding::Auto;
    else if (n == QLatin1String("utf-8") || n == QLatin1String("utf8"))
        *encoding = Encoding::Utf8;
    else if (n == QLatin1String("windows-1252") || n == QLatin1String("cp1252") || n == QLatin1String("ansi"))
        *encoding = Encoding::Windows1252;
    else
        return false;
    return true;
}

bool CsvOptions::delimiterFromName(const QString& name, char* delimiter)
{
    const QString n = name.toLower();
    if (n == QLatin1String(",") || n == QLatin1String("comma"))
        *delimiter = ',';
    else if (n == QLatin1String(";") || n == QLatin1String("semicolon"))
        *delimiter = ';';
    else if (n == QLatin1String("\t") || n == QLatin1String("tab") || n == QLatin1String("\\t"))
        *delimiter = '\t';
    else
        return false;
    return true;
}

CsvReader::CsvReader(QIODevice* device, CsvOptions options)
    : m_device(device)
    , m_options(options)
{
}

CsvReader::~CsvReader() = default;

void CsvReader::detect()
{
    m_encoding = m_options.encoding;
    const QByteArray bom = m_device ? m_device->peek(2) : QByteArray();
    if (bom == "\xFF\xFE" || bom == "\xFE\xFF") {
        m_utf16
            = std::make_unique<QStringDecoder>(bom == "\xFF\xFE" ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        m_encoding = CsvOptions::Encoding::Utf8; // as nextByte hands it on
    } else if (m_encoding == CsvOptions::Encoding::Auto) {
        // One pass over the whole input (it must be seekable): invalid UTF-8
        // anywhere means the file was written in the Windows code page.
        m_encoding = CsvOptions::Encoding::Utf8;
        if (m_device && !m_device->isSequential()) {
            const qint64 start = m_device->pos();
            QStringDecoder utf8(QStringDecoder::Utf8);
            for (;;) {
                const QByteArray chunk = m_device->read(ChunkBytes);
                if (chunk.isEmpty())
                    break;
                (void)QString(utf8(chunk));
                if (utf8.hasError())
                    break;
            }
            (void)QString(utf8(QByteArray())); // a sequence cut at the end is an error too
            if (utf8.hasError())
                m_encoding = CsvOptions::Encoding::Windows1252;
            m_device->seek(start);
        }
    }
    m_delimiter = m_options.delimiter;
    if (m_delimiter == 0) {
        // The header row decides: the candidate it holds most often outside quotes.
        m_delimiter = ',';
        const QByteArray head = m_device ? m_device->peek(MaxRecordBytes) : QByteArray();
        qint64 counts[3] = { 0, 0, 0 };
        const char candidates[3] = { ',', ';', '\t' };
        bool quoted = false;
        for (char c : head) {
            if (c == '"')
                quoted = !quoted;
            else if (!quoted && (c == '\n' || c == '\r'))
                break;
            else if (!quoted)
                for (int i = 0; i < 3; ++i)
                    counts[i] += c == candidates[i];
        }
        for (int i = 1; i < 3; ++i)
            if (counts[i] > counts[0] && counts[i] >= counts[i == 1 ? 2 : 1])
                m_delimiter = candidates[i];
    }
    // Old Mac exports end lines with CR alone: a CR and no LF in the first
    // record's reach.
    const QByteArray head = m_device ? m_device->peek(MaxRecordBytes) : QByteArray();
    m_crOnly = head.contains('\r') && !head.contains('\n');
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
        if (m_utf16) {
            // A code unit split between two chunks waits in the decoder.
            m_buffer = QString((*m_utf16)(m_buffer)).toUtf8();
            if (m_buffer.isEmpty())
                return nextByte();
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
                    error = QCoreApplication::translate(
                        "kyt::DataSource", "a quoted field is not closed before the end of the file");
                push();
                break;
            }
            any = true;
            if (c == '\r' && m_crOnly)
                c = '\n';
            if (!tooLong && ++bytes > MaxRecordBytes) {
                // Keep parsing to find the record's end, but hold nothing more.
                tooLong = true;
                error = QCoreApplication::translate("kyt::DataSource", "the record is longer than %1 bytes")
                            .arg(MaxRecordBytes);
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
            if (c == m_delimiter) {
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
            if (error.isEmpty() && afterQuote)
                error = QCoreApplication::translate("kyt::DataSource", "text follows a closing quote");
            else if (c == '"' && record.warning.isEmpty())
                record.warning = QCoreApplication::translate(
                    "kyt::DataSource", "a quote inside an unquoted field (field %1) was kept as a character")
                                     .arg(fields.size() + 1);
            if (!tooLong)
                field.append(char(c));
        }
        // A blank line is no record.
        if (error.isEmpty() && fields.size() == 1 && fields[0].isEmpty() && !quoted)
            continue;
        for (size_t i = 0; error.isEmpty() && i < fields.size(); ++i)
            if (fields[i].contains('\0'))
                error = QCoreApplication::translate("kyt::DataSource",
                    "field %1 holds a NUL character (code 0): the file is damaged or not text (UTF-16 "
                    "needs its byte order mark)")
                            .arg(i + 1);
        if (error.isEmpty()) {
            QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            for (const QByteArray& f : fields) {
                if (m_encoding == CsvOptions::Encoding::Windows1252) {
                    record.fields.append(fromAnsi(f));
                    // Auto chose the code page because other records are not
                    // UTF-8; a record that is reads as mojibake.
                    if (m_options.encoding == CsvOptions::Encoding::Auto && record.warning.isEmpty() && isUtf8Text(f))
                        record.warning = QCoreApplication::translate("kyt::DataSource",
                            "field %1 is UTF-8 while the file is read as Windows-1252 "
                            "(other records are not UTF-8): it reads \"%2\", not \"%3\"; "
                            "save the file in one encoding")
                                             .arg(record.fields.size())
                                             .arg(record.fields.last().left(40), QString::fromUtf8(f).left(40));
                    continue;
                }
                record.fields.append(decoder(f));
                if (decoder.hasError()) {
                    error = QCoreApplication::translate("kyt::DataSource", "field %1 is not valid UTF-8 text")
                                .arg(record.fields.size());
                    break;
                }
            }
        }
        if (error.isEmpty() && checkWidth) {
            record.empty = std::all_of(
                record.fields.cbegin(), record.fields.cend(), [](const QString& f) { return f.trimmed().isEmpty(); });
            if (record.empty)
                record.fields.clear(); // nothing to print, whatever its width
        }
        if (error.isEmpty() && checkWidth && !record.empty && record.fields.size() != m_header.size())
            error = QCoreApplication::translate("kyt::DataSource", "%1 where the header has %2")
                        .arg(Counted(record.fields.size(), "field"))
                        .arg(m_header.size());
        if (!error.isEmpty()) {
            record.fields.clear();
            record.warning.clear();
        }
        record.error = error;
        return true;
    }
}

void CsvReader::readHeader()
{
    detect();
    CsvRecord record;
    if (!readRaw(record, false))
        throw KytError(ErrDataSource,
            QCoreApplication::translate(
                "kyt::DataSource", "the file is empty: a header row naming the columns is needed"));
    if (!record.error.isEmpty())
        throw KytError(
            ErrDataSource, QCoreApplication::translate("kyt::DataSource", "header row: %1").arg(record.error));
    for (qsizetype i = 0; i < record.fields.size(); ++i) {
        const QString name = record.fields[i].trimmed();
        if (name.isEmpty())
            throw KytError(ErrDataSource,
                QCoreApplication::translate("kyt::DataSource", "header row: column %1 has no name").arg(i + 1));
        const QString key = name.toCaseFolded();
        if (m_columns.contains(key))
            throw KytError(ErrDataSource,
                QCoreApplication::translate("kyt::DataSource", "header row: the column name \"%1\" appears twice")
                    .arg(name));
        m_columns.insert(key, int(i));
        m_header.append(name);
    }
}

int CsvReader::column(const QString& name) const
{
    return m_columns.value(name.trimmed().toCaseFolded(), -1);
}

qint64 CsvReader::offset() const
{
    return m_device ? m_device->pos() - (m_buffer.size() - m_pos) : 0;
}

bool CsvReader::resume(qint64 offset, qint64 number, qint64 line)
{
    if (!m_device || !m_device->seek(offset))
        return false;
    m_buffer.clear();
    m_pos = 0;
    m_eof = false;
    m_first = offset == 0;
    m_number = number;
    m_line = line;
    return true;
}

bool CsvReader::next(CsvRecord& record)
{
    if (!readRaw(record, true))
        return false;
    record.number = ++m_number;
    return true;
}

} // namespace kyt
