#pragma once
// Records from where people keep them: a CSV file, a data stream file, a
// SQLite database (a table or a SELECT) or a PostgreSQL database. One
// interface names the fields and streams the records, so a table of any
// length is read in bounded memory; where the kind allows, a record is
// reached by its number without reading the ones before it.
//
// Failures are thrown as KytError with a text a person can act on (the
// file is missing, the server refused the connection, the password was
// wrong, the SQL is bad), naming the source but never its password.
//
// A source is used from the thread that opened it (a database connection
// belongs to its thread); open a second one for work on another thread.

#include "data/CsvReader.h"
#include "kyt/kytcore_export.h"
#include "platform/Picture.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <mutex>

namespace kyt
{

// The error number of every data source failure.
inline constexpr qint32 ErrDataSource = 3001;

// Which records, as a URL names them:
//   csv:PATH                     a CSV file (encoding and delimiter detected
//                                unless csv options say otherwise)
//   data:PATH                    a data stream file (one record)
//   sqlite:PATH?table=T          a table of a SQLite database
//   sqlite:PATH?query=SELECT...  the rows of a query (percent-encoded)
//   postgresql://USER@HOST:PORT/DB?table=T (or ?query=...)
// A PostgreSQL host may be a socket folder: a percent-encoded path
// (postgresql://me@%2Frun%2Fpg/db) or ?host=/run/pg. A plain path with no
// kind is taken by its content: a SQLite database by its signature, a data
// stream by its separators, anything else as CSV.
struct KYTCORE_PRIVATE_EXPORT DataSourceUrl {
    enum class Kind { None, Csv, DataStream, Sqlite, Postgresql };
    Kind kind = Kind::None;
    QString path; // the file of a file kind or a SQLite database
    QString table; // a database's table ...
    QString query; // ... or a SELECT (one of the two)
    QString host; // PostgreSQL: a name, an address or a socket folder
    int port = -1; // PostgreSQL: -1 for the default
    QString user; // PostgreSQL: empty for the login name
    QString database; // PostgreSQL
    // PostgreSQL: held in memory for the session only. toUrl() never
    // carries it, and nothing writes it to the settings store or a
    // template. Empty: PGPASSWORD or a .pgpass file, as libpq reads them.
    QString password;
    CsvOptions csv; // CSV only

    // Throws KytError on a URL that names no source (with the reason).
    static DataSourceUrl parse(const QString& url);
    // The URL that parse reads back to this source, without the password.
    QString toUrl() const;
    // How messages name the source: the file, or user@host/db and the
    // table (or "query").
    QString displayName() const;
    bool isDatabase() const { return kind == Kind::Sqlite || kind == Kind::Postgresql; }
    bool operator==(const DataSourceUrl& o) const;
};

// One record. A field's value is text (QString), or image bytes
// (QByteArray) from a binary column; a database NULL is an empty string.
struct KYTCORE_PRIVATE_EXPORT DataRecord {
    QVariantList values; // one per field, in fieldNames() order
    qint64 number = 0; // 1-based
    qint64 line = 0; // CSV: the line where it begins; else 0
    QString error; // empty when sound; a damaged record carries its reason
    QString warning; // read, but maybe not as meant (a CSV's lone quote kept)
    bool empty = false; // every field blank: nothing to print

    // A field's text (empty for image bytes or a column out of range).
    QString text(int column) const;
    // Where the record is, for messages: "record 5 (line 7)" or "record 5".
    QString where() const;
};

// Asked when a database wants a password that neither the URL nor the
// environment gave: `reason` is the server's answer (missing or wrong
// password). True with *password to try it once more; false to give up.
using PasswordPrompt = std::function<bool(const DataSourceUrl& address, const QString& reason, QString* password)>;

// Stops, from any thread, the statement a database source runs at that
// moment, so a cancelled read ends early: the source then fails with the
// reason. A source attaches its connection while it is open; a kind that
// cannot be stopped this way runs the statement to its end.
class KYTCORE_PRIVATE_EXPORT QueryStop
{
public:
    // Any thread; nothing happens when no statement runs.
    void stop();
    // The source's own thread: how to stop its connection, and no more.
    void attach(std::function<void()> how);
    void detach();

private:
    std::mutex m_mutex;
    std::function<void()> m_how;
};

class KYTCORE_PRIVATE_EXPORT DataSource
{
public:
    // Most records a file source's offset index keeps (one per this many).
    static constexpr qint64 IndexStep = 256;

    virtual ~DataSource();
    DataSource(const DataSource&) = delete;
    DataSource& operator=(const DataSource&) = delete;

    // Opens a source and reads its field names. Throws KytError with the
    // reason when it cannot be read. The returned source's address() holds
    // the password that worked, so a second connection needs no prompt.
    // `stop`, when given, can end its statements from another thread.
    static std::unique_ptr<DataSource> open(
        const DataSourceUrl& address, const PasswordPrompt& prompt = {}, const std::shared_ptr<QueryStop>& stop = {});
    // The same for a URL (DataSourceUrl::parse, then open).
    static std::unique_ptr<DataSource> open(const QString& url, const PasswordPrompt& prompt = {});

    // The tables (and views) of a database, for a person to pick one; its
    // table and query are not used. Throws like open. The password that
    // worked is left in address.password.
    static QStringList tables(
        DataSourceUrl& address, const PasswordPrompt& prompt = {}, const std::shared_ptr<QueryStop>& stop = {});

    const DataSourceUrl& address() const { return m_address; }
    const QStringList& fieldNames() const { return m_fields; }
    // Column of a field name, letter case ignored; -1 when there is none.
    int column(const QString& name) const;
    // A column whose values are image bytes (a BLOB or BYTEA column).
    bool isBinary(int column) const;
    // The folder relative photo paths start from: the file's own folder
    // (empty for PostgreSQL, whose paths must be absolute).
    QString folder() const;

    // The next record; false after the last. Throws KytError when the
    // source fails while read (the file vanished or was cut short, the
    // connection dropped, the table was dropped).
    virtual bool next(DataRecord& record) = 0;
    // next() starts again at record 1.
    virtual void rewind() = 0;
    // next() then returns record `number` (1-based). False when there is
    // no such record (the source then stands at its end). A file source
    // reads forward once and keeps an offset index, so going back is quick.
    virtual bool seek(qint64 number) = 0;
    // Record `number`; false when there is none. seek + next.
    bool record(qint64 number, DataRecord& record);
    // How many records there are. A database counts (one query); a CSV file
    // is read through once (filling the index). Throws like next().
    virtual qint64 count() = 0;
    // Empty while the source is as it was opened; else what happened to it
    // ("the file was removed", "the file changed"). A file source checks
    // the file; a database source its connection.
    virtual QString changed() const = 0;

    // The photo in a record's column: a picture file named by the text
    // (relative to folder()), or the image bytes of a binary column, within
    // the bounds a card's photo may have. A null Picture with no error when
    // the field is blank (the placeholder is drawn); a null Picture and the
    // reason in *error when it cannot be used.
    Picture photo(const DataRecord& record, int column, QString* error) const;
    // Photos for PDF pages only (PrinterSurface::setJpegPassThrough): a JPEG
    // the document can hold as it is is not decoded.
    void setPhotosForDocument(bool on) { m_forDocument = on; }

protected:
    explicit DataSource(DataSourceUrl address);
    // Field names and which of them are binary, once known.
    void setFields(QStringList names, QList<bool> binary = {});
    // The address as the source found it to work (the password asked for).
    DataSourceUrl& addressToUpdate() { return m_address; }
    // Throws KytError(ErrDataSource, "<source>: <text>").
    [[noreturn]] void raise(const QString& text) const;

private:
    DataSourceUrl m_address;
    QStringList m_fields;
    QList<bool> m_binary;
    bool m_forDocument = false;
};

// The most a photo may have, as a file or as bytes: an ID photo is far
// smaller, and a batch must stay within bounded memory.
inline constexpr qint64 PhotoMaxFileBytes = 32LL * 1024 * 1024;
inline constexpr qint64 PhotoMaxPixels = 16LL * 1024 * 1024;

// Photos of any source within the batch budget: a picture file (32 MiB,
// 16 megapixels at most) or image bytes under the same bounds. Null with
// the reason in *error when it cannot be used; `label` names it.
KYTCORE_PRIVATE_EXPORT Picture readPhotoFile(const QString& path, QString* error);
// Why a photo file cannot be used, found without decoding its pixels (the
// file, its size and the size its header gives); empty when it passes.
KYTCORE_PRIVATE_EXPORT QString photoFileProblem(const QString& path);
KYTCORE_PRIVATE_EXPORT Picture readPhotoBytes(const QByteArray& bytes, const QString& label, QString* error);
// The same for a photo drawn only on PDF pages (PrinterSurface::
// setJpegPassThrough): a JPEG the document can hold as it is is not decoded
// (Picture::undecodedJpeg); any other picture is read as above.
KYTCORE_PRIVATE_EXPORT Picture readPhotoForDocument(const QString& path, QString* error);
// An undecoded JPEG within the bounds above, or null (to be decoded).
KYTCORE_PRIVATE_EXPORT Picture undecodedPhoto(const QByteArray& bytes);
// A picture path given in a data file, relative to that file's folder.
KYTCORE_PRIVATE_EXPORT QString resolveDataPath(const QString& value, const QString& baseFolder);

// Largest data stream file read, and most entries (fields) it may hold.
inline constexpr qint64 DataStreamMaxBytes = 16 * 1024 * 1024;
inline constexpr qint64 DataStreamMaxEntries = 100000;
// Text of a data stream file: UTF-8 when it starts with a byte order mark
// or is valid UTF-8 throughout, else Windows-1252 (what the library's own
// writers produce).
KYTCORE_PRIVATE_EXPORT QString decodeDataStreamText(const QByteArray& bytes);
// The decoded text of a data stream file. Throws KytError with the reason:
// not a regular file (a pipe or a device), too large, no code-1/code-2
// separators at all (a CSV or name=value file), or too many entries.
KYTCORE_PRIVATE_EXPORT QString readDataStreamFile(const QString& fileName);

} // namespace kyt
