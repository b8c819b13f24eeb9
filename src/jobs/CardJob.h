#pragma once
// What the command-line program and headless hosts need to produce cards:
// the inputs (jobs/CardJobInputs.h), an output file replaced only when
// complete, and CardBatch, which prints one card per record of a CSV file
// into one streamed document.

#include "data/CsvReader.h"
#include "data/DataSource.h"
#include "errors/CError.h"
#include "jobs/CardJobInputs.h"
#include "platform/Picture.h"
#include "template/CPrintData.h"
#include "template/CPrintTemplate.h"
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <limits>
#include <memory>

namespace kyt
{

class Surface;
class OutputFile;

namespace cardjob
{

// An output file written under a temporary name beside its final one and
// moved over it only when complete, so a failed run never leaves a partial
// file or destroys the one that was there.
class KYTCORE_PRIVATE_EXPORT PendingOutput
{
public:
    explicit PendingOutput(const QString& finalName);
    ~PendingOutput();
    PendingOutput(const PendingOutput&) = delete;
    PendingOutput& operator=(const PendingOutput&) = delete;

    // Empty when no temporary file could be made (errorString says why).
    const QString& tempName() const;
    const QString& errorString() const;
    // Syncs the temporary file and renames it to the final name (keeping an
    // existing file's mode, else the umask's); false with errorString.
    bool commit();

private:
    std::unique_ptr<OutputFile> m_file;
};

} // namespace cardjob

// Prints one card per record of a CSV file (a header row naming the
// columns, values as text) on one surface, in one document: a page per
// card, two for a duplex card. A column named like a photo object's
// ImageName holds a picture path relative to the CSV file's folder; each
// path is decoded once and its picture reused (and so embedded once in a
// PDF) while it stays in the cache. Records are read and their photos
// decoded on a worker thread, a few records ahead of the drawing.
//
// A damaged record (bad quoting or UTF-8, a wrong number of fields, a photo
// that cannot be read) is reported and skipped; a card that fails while it
// is drawn is reported and its pages are left blank, so every later card
// still begins on a front side. A record whose value a barcode cannot hold
// is reported and skipped before anything is drawn. Records with every
// field blank are counted and skipped. Unless allowed, a CSV that lacks a
// field the template uses is refused before anything is printed.
class KYTCORE_PRIVATE_EXPORT CardBatch
{
public:
    struct Failure {
        qint64 record = 0; // 1-based data record
        qint64 line = 0; // line of the CSV file (0 for other sources)
        QString message;
    };
    struct Result {
        qint64 records = 0; // data records seen (within the rows asked for)
        qint64 printed = 0; // records printed (each `copies` times)
        qint64 failed = 0;
        qint64 empty = 0; // records with every field blank: skipped, not failed
        QString fatal; // set when the batch could not run at all
        QStringList missingFields; // used by the template, not in the CSV (then fatal)
    };
    struct Options {
        CsvOptions csv;
        // Print even when the CSV lacks fields the template uses.
        bool allowMissingFields = false;
        // Data records first..last (1-based, inclusive).
        qint64 firstRecord = 1;
        qint64 lastRecord = std::numeric_limits<qint64>::max();
        int copies = 1; // cards per record, one after the other
        // Threads drawing a printer's pages; 0: the KYT_JOBS environment
        // variable when set, else one per core. The document is the same
        // (page for page, pixel for pixel) with any number. With one thread
        // and no JPEG pass-through the pages are drawn on the printer
        // itself, in one document.
        int jobs = 0;
        int resolvedJobs() const;
        // Records a thread draws into one part of the document before the
        // parts are joined: fonts and shared photos are stored (and the fonts
        // embedded, which costs) once per part. The first parts hold this
        // many, so a short batch still uses every core; later ones grow to 4
        // times as many (a part is read whole when it is joined) while the
        // JPEG files a part stores as they are stay within 8 MiB.
        int partRecords = 128;
        // Photos read from JPEG files that need no change go into a
        // printer's document as the files are, not decoded and encoded again.
        bool jpegPassThrough = true;
    };
    using FailureSink = std::function<void(const Failure&)>;
    using ProgressSink = std::function<void(qint64 done)>;

    // Bytes of decoded pictures kept for reuse, and held by records read
    // ahead of the drawing. With one decoded photo being drawn, a batch's
    // photos take at most about their sum plus the largest photo (a photo is
    // at most 16 megapixels, 64 MiB decoded), however many distinct photos
    // the CSV names.
    static constexpr qint64 PhotoCacheBytes = 64LL * 1024 * 1024;
    static constexpr qint64 ReadAheadBytes = 64LL * 1024 * 1024;

    // The template must have been read already; its error reporter is
    // replaced for the run.
    explicit CardBatch(CPrintTemplatePtr tpl);

    void setOptions(const Options& options) { m_options = options; }
    void setFailureSink(FailureSink sink) { m_onFailure = std::move(sink); }
    // Records printed, but read in a doubtful way (CsvRecord::warning).
    void setWarningSink(FailureSink sink) { m_onWarning = std::move(sink); }
    void setProgressSink(ProgressSink sink) { m_onProgress = std::move(sink); }

    // Prints every record, then ends the document (EndDoc).
    Result run(const QString& csvFile, Surface& surface);
    // The same for any data source (a CSV source takes its own csv options).
    // A photo column holds a picture path, or the picture's bytes in a
    // binary column. A database connection is opened on the reading thread
    // too, with the password the first one used.
    Result run(const DataSourceUrl& source, Surface& surface, const PasswordPrompt& prompt = {});

    // Data records in a CSV file (damaged ones included); -1 when it cannot be read.
    static qint64 countRecords(const QString& csvFile, const CsvOptions& options = {});
    static qint64 countRecords(const DataSourceUrl& source);
    // The values of one data record (1-based) as print data, photos loaded
    // (forDocument: for PDF pages only, DataSource::setPhotosForDocument).
    // Throws KytError with the reason (an empty record is refused too).
    static void recordData(const QString& csvFile, qint64 record, const CPrintTemplate& t, CPrintData& data,
        const CsvOptions& options = {}, bool forDocument = false);
    static void recordData(const DataSourceUrl& source, qint64 record, const CPrintTemplate& t, CPrintData& data,
        const PasswordPrompt& prompt = {}, bool forDocument = false);

private:
    CPrintTemplatePtr m_tpl;
    Options m_options;
    FailureSink m_onFailure;
    FailureSink m_onWarning;
    ProgressSink m_onProgress;
};

} // namespace kyt
