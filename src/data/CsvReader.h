#pragma once
// A streaming reader of delimited records as spreadsheets write them
// (quoting as RFC 4180 has it, a header row naming the columns; comma,
// semicolon or tab; UTF-8 or Windows-1252, or UTF-16 with its byte order
// mark; lines ended by LF, CR LF or CR alone). It holds one record at a time,
// so a file of any length is read in bounded memory; a record that is
// damaged (bad quoting, invalid UTF-8, too long) comes back with an error
// and the reader carries on with the next one.

#include "kyt/kytcore_export.h"
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

class QIODevice;
class QStringDecoder;

namespace kyt
{

struct CsvRecord {
    QStringList fields;
    qint64 number = 0; // 1-based among the data records (the header is 0)
    qint64 line = 0; // line of the file where the record begins
    QString error; // empty when the record is sound
    QString warning; // read, but maybe not as meant (a lone quote kept, an encoding at odds)
    bool empty = false; // every field blank (",,,," rows of a spreadsheet export)
};

struct KYTCORE_PRIVATE_EXPORT CsvOptions {
    enum class Encoding { Auto, Utf8, Windows1252 };
    // Auto: UTF-8 when the whole input is valid UTF-8 (or starts with a byte
    // order mark), else Windows-1252, the default of most spreadsheet exports.
    // A UTF-16 byte order mark wins over any choice.
    Encoding encoding = Encoding::Auto;
    // 0: the one of comma, semicolon and tab the header row holds most often.
    char delimiter = 0;

    // "utf-8", "windows-1252" (also "cp1252"), "auto"; false for other names.
    static bool encodingFromName(const QString& name, Encoding* encoding);
    // "," ";" "tab" (or a tab character), "comma", "semicolon"; false otherwise.
    static bool delimiterFromName(const QString& name, char* delimiter);
};

class KYTCORE_PRIVATE_EXPORT CsvReader
{
public:
    // A record longer than this is refused (and skipped) rather than held.
    static constexpr qint64 MaxRecordBytes = 1 << 20;

    explicit CsvReader(QIODevice* device, CsvOptions options = {});
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    // Reads the header row: at least one column, no empty or repeated
    // (letter case ignored) names. Throws KytError (ErrDataSource) with the
    // reason otherwise.
    void readHeader();
    const QStringList& header() const { return m_header; }
    // Column of a name, letter case ignored; -1 when there is none.
    int column(const QString& name) const;
    // What the header row showed, once it was read.
    char delimiter() const { return m_delimiter; }
    CsvOptions::Encoding encoding() const { return m_encoding; }

    // The next data record; false at the end of the input. Blank lines are
    // skipped. A record whose field count differs from the header's, or that
    // holds a NUL character, comes back with an error. A quote inside an
    // unquoted field is kept as a character, as spreadsheets read it, with a
    // warning; so is a record of valid UTF-8 in a file read as Windows-1252.
    bool next(CsvRecord& record);

    // Where the next record begins (a byte offset of the input), and a way
    // back there: `number` records and `line` lines lie before it. The
    // input must be seekable.
    qint64 offset() const;
    bool resume(qint64 offset, qint64 number, qint64 line);
    qint64 line() const { return m_line; }
    qint64 number() const { return m_number; }

private:
    KYTCORE_NO_EXPORT bool readRaw(CsvRecord& record, bool checkWidth);
    KYTCORE_NO_EXPORT int nextByte();
    KYTCORE_NO_EXPORT void detect();

    QIODevice* m_device;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_eof = false;
    bool m_first = true;
    qint64 m_line = 1;
    qint64 m_number = 0;
    QStringList m_header;
    QHash<QString, int> m_columns; // case-folded name -> column
    CsvOptions m_options;
    char m_delimiter = ',';
    CsvOptions::Encoding m_encoding = CsvOptions::Encoding::Utf8;
    bool m_crOnly = false; // lines end with CR alone
    // UTF-16 input (known from its byte order mark) is read as UTF-8.
    std::unique_ptr<QStringDecoder> m_utf16;
};

} // namespace kyt
