#pragma once
// A streaming reader of comma-separated records (quoting as RFC 4180 has
// it, UTF-8 text, a header row naming the columns). It holds one record at
// a time, so a file of any length is read in bounded memory; a record that
// is damaged (bad quoting, invalid UTF-8, too long) comes back with an error
// and the reader carries on with the next one.

#include "kyt/kytcore_export.h"
#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

namespace kyt
{

struct CsvRecord {
    QStringList fields;
    qint64 number = 0; // 1-based among the data records (the header is 0)
    qint64 line = 0;   // line of the file where the record begins
    QString error;     // empty when the record is sound
};

class KYTCORE_EXPORT CsvReader
{
public:
    // A record longer than this is refused (and skipped) rather than held.
    static constexpr qint64 MaxRecordBytes = 1 << 20;

    explicit CsvReader(QIODevice* device);

    // Reads the header row: at least one column, no empty or repeated
    // (letter case ignored) names. False with the reason in *error.
    bool readHeader(QString* error);
    const QStringList& header() const { return m_header; }
    // Column of a name, letter case ignored; -1 when there is none.
    int column(const QString& name) const;

    // The next data record; false at the end of the input. Blank lines are
    // skipped. A record whose field count differs from the header's comes
    // back with an error.
    bool next(CsvRecord& record);

private:
    bool readRaw(CsvRecord& record, bool checkWidth);
    int nextByte();

    QIODevice* m_device;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_eof = false;
    bool m_first = true;
    qint64 m_line = 1;
    qint64 m_number = 0;
    QStringList m_header;
};

} // namespace kyt
