#pragma once
// The binary template file's building blocks, independent of the template
// model: the header word, 10-byte type fields, little-endian 32-bit lengths,
// record texts (fields each ended by code 1, the whole by CR LF) in
// Windows-1252, and the picture records.
//
// The reader works on bytes already in memory and trusts none of them: every
// length is checked against what remains before anything is read or
// allocated, and every failure is a KytError with a description that says
// what was wrong and where.

#include "kyt/kytcore_export.h"
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace kyt::tplfile
{

inline constexpr int TypeFieldSize = 10;
inline constexpr int LengthSize = 4;
// Smallest object record: a type field and a zero length.
inline constexpr int MinObjectRecordSize = TypeFieldSize + LengthSize;
// Smallest picture record: type field, record length, data length.
inline constexpr int MinPictureRecordSize = TypeFieldSize + 2 * LengthSize;
// Files larger than this are refused before being read into memory.
inline constexpr qint64 MaxFileSize = 256LL * 1024 * 1024;
inline constexpr char Separator = '\x01';
// What ends every record text.
inline constexpr QLatin1String LineEnd("\r\n");

// Failure numbers, as the platform numbered the matching run-time errors.
enum ErrorNumber : qint32 {
    ErrOutOfMemory = 7, // file too large to read
    ErrFileNotFound = 53,
    ErrPastEnd = 62, // "Input past end of file": a truncated file
    ErrPermissionDenied = 70,
    ErrPathFileAccess = 75,
    ErrUnknownObjectType = 91, // the factory made no object
    ErrBadPicture = 481, // "Invalid picture"
    ErrBadFormat = 321, // "Invalid file format": a damaged file
};

// "KyTID" + major version as four digits + first digit of the minor version.
KYTCORE_PRIVATE_EXPORT QByteArray headerWord();

// The word in Windows-1252, cut to 10 bytes or padded with blanks.
KYTCORE_PRIVATE_EXPORT QByteArray typeField(const QString& word);

// Fields each followed by the separator, then CR LF.
KYTCORE_PRIVATE_EXPORT QString recordText(const QStringList& fields);

// The page attributes of the template record.
struct TemplateRecord {
    double Width = 0;
    double Height = 0;
    double Scalor = 1;
    qint16 Orientation = 0;
    qint32 objectCount = 0;
    qint32 backgroundNumber = 0; // 0: no background picture
    qint32 BackgroundColor = -1;
    QString TargetApplication;
    bool Duplex = false;
};

// Fields 1 to 9 as they are written: "0.000", "0.000", "000.000", integer,
// count, "1" or empty, colour, target, -1 or 0.
KYTCORE_PRIVATE_EXPORT QString makeTemplateRecord(const TemplateRecord& record);
// Reads fields 1 to 9 (GetToken: trimmed, missing fields empty). Throws
// KytError(ErrBadFormat) for a field that must be a number and is not.
KYTCORE_PRIVATE_EXPORT TemplateRecord parseTemplateRecord(const QString& text);

// Builds a whole file in memory; nothing reaches the disk until it is complete.
class KYTCORE_PRIVATE_EXPORT TemplateFileWriter
{
public:
    void writeHeader(const QString& templateRecord);
    void writeObject(const QString& objectType, const QString& tokenText);
    void writePicture(int number, const QString& kind, const QByteArray& imageBytes);
    const QByteArray& bytes() const { return m_out; }

private:
    KYTCORE_NO_EXPORT void writeLength(qint64 length);
    QByteArray m_out;
};

class KYTCORE_PRIVATE_EXPORT TemplateFileReader
{
public:
    explicit TemplateFileReader(QByteArrayView data)
        : m_data(data)
    {
    }

    // False when the data is not a template file this reader accepts: the
    // first five characters are not "KyTID" (letter case ignored) or the
    // version part is below 3. Throws for a header word cut short.
    bool readHeader();
    // The template record's text. Throws when damaged or truncated.
    QString readTemplateRecord();

    struct ObjectRecord {
        QString type; // trimmed
        QString text; // token text, line end included
    };
    ObjectRecord readObjectRecord();

    struct PictureRecord {
        int number = 0;
        QString kind; // at most 3 characters
        QByteArrayView bytes; // into the reader's data
    };
    PictureRecord readPictureRecord();

    qint64 position() const { return m_pos; }
    qint64 remaining() const { return m_data.size() - m_pos; }

private:
    KYTCORE_NO_EXPORT QByteArrayView take(qint64 count, const char* what);
    KYTCORE_NO_EXPORT qint32 takeLength(const char* what);
    QByteArrayView m_data;
    qint64 m_pos = 0;
};

} // namespace kyt::tplfile
