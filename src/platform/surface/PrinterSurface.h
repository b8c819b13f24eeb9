#pragma once
// A printer: draws pages into a PDF file or sends them as one job to a CUPS
// queue. Either way the pages are written as PDF, one page the size and shape
// of the card (its width and height in inches, as the card is seen), at a
// resolution of 300 dots per inch by default; DrawWidth counts those dots.
// Orientation never turns or clips the drawing: a queue is asked for the
// orientation that fits the card's shape (see jobOptions()).
//
// The document begins with the first drawing (or NewPage) and pages are
// written as they are drawn. EndDoc finishes it: a PDF file is complete and
// in place (written under a hidden name and renamed, so a failure leaves the
// old file as it was), a queue's job is submitted through libcups. Every
// write is checked; EndDoc raises 482 with the system's reason when one
// failed. Destroying the surface finishes the document too (a failure then
// shows only in lastError()). After EndDoc a queue starts a new job with the
// next drawing; a PDF file refuses further drawing rather than overwrite
// what it holds.

#include "platform/surface/Surface.h"
#include <QImage>
#include <QList>
#include <QPair>
#include <QSizeF>
#include <QStringList>
#include <cstdio>
#include <memory>
#include <vector>

class QBuffer;
class QIODevice;
class QPdfWriter;
class QPainter;

namespace kyt
{

class OutputFile;
class PdfJoin;

class KYTCORE_EXPORT PrinterSurface : public Surface
{
public:
    enum class Target { PdfFile, CupsQueue };
    using Option = QPair<QString, QString>; // IPP attribute name, value

    // Throws KytError: 380 for a paper size outside 0.1..200 inches or a
    // resolution outside 72..2400, 482 ("Printer error") for a queue that
    // does not exist.
    PrinterSurface(Target target, const QString& fileOrQueue, QSizeF paperInches, int dpi = 300);
    ~PrinterSurface() override;

    static std::unique_ptr<PrinterSurface> toPdf(const QString& fileName, QSizeF paperInches, int dpi = 300);
    static std::unique_ptr<PrinterSurface> toQueue(const QString& queue, QSizeF paperInches, int dpi = 300);
    // A document written into an open device, for pages made apart and put
    // together later (adoptPages): EndDoc finishes the PDF in the device,
    // which the caller owns.
    static std::unique_ptr<PrinterSurface> toDevice(QIODevice* device, QSizeF paperInches, int dpi = 300);

    QString TypeName() const override { return QStringLiteral("Printer"); }

    // Title of the print job / PDF document.
    void setDocumentName(const QString& name);
    // Pages begun in the current document (0 before the first drawing).
    int pageCount() const { return m_pages; }
    bool isActive() const { return m_painter != nullptr || m_adopted; }
    QSizeF paperInches() const { return m_paper; }
    Target target() const { return m_target; }
    const QString& destination() const { return m_destination; }

    // Begins the document now, so that it has its first page even when
    // nothing is drawn on it.
    void begin() { painter(); }
    // Drops the current document: no file is written (an existing one stays
    // as it was), no job is submitted.
    void abandon();
    // Replaces the current document with one made of the pages of complete
    // PDF documents (made at this surface's size, e.g. by toDevice
    // surfaces), streams and fonts copied as they are. beginJoin makes the
    // output at once (for a PDF file its hidden file beside the final name,
    // which grows as parts are added, so an interrupted run is cleaned up as
    // a drawn one is); appendPages adds a part's pages after those before
    // and drops the part. EndDoc then writes the file or submits the job as
    // for drawn pages; nothing can be drawn on this document. Throws
    // KytError 482 when the output cannot be made, a part cannot be read or
    // a write fails (the document is abandoned then).
    // A part may carry JPEG files drawn as placeholders (setJpegPassThrough):
    // each placeholder is replaced by its file, which the document then
    // holds as it is (no decoding and encoding again).
    struct PassedJpeg {
        QByteArray data; // the file, or else its bytes at offset in fd
        int fd = -1;
        qint64 offset = 0;
        qint64 length = 0;
        int width = 0, height = 0;
        bool grey = false;
    };
    struct Part {
        std::FILE* pdf = nullptr;
        std::vector<PassedJpeg> jpegs;
    };
    void beginJoin();
    void appendPages(const Part& part);
    // beginJoin and appendPages for each part.
    void adoptPages(const std::vector<Part>& parts);
    // Pictures read from JPEG files that need no change (Picture::jpegData)
    // are drawn as numbered placeholders and their files kept in
    // passedJpegs(), by number. A document that will be joined
    // (appendPages) takes them from there; any other is drawn in memory and
    // gets the files in its placeholders' places when it ends, which suits a
    // document of a card or a few.
    void setJpegPassThrough(bool on) { m_passJpegs = on; }
    // Text in our barcode fonts is drawn as the shapes of its bars (on),
    // or as text in the embedded font (off). Embedding costs Qt's writer a
    // pass over the whole Unicode range once per document, shapes a little
    // for every card: on suits a document of a card or two (the default),
    // off a batch.
    void setBarcodeFontsAsShapes(bool on) { m_barsAsShapes = on; }
    std::vector<PassedJpeg>& passedJpegs() { return m_passed; }
    int resolution() const { return int(m_dpi); }
    const QString& documentName() const { return m_docName; }

    // Job settings of a queue (kept, and ignored by a PDF file).
    void setCopies(int copies);
    int copies() const { return m_copies; }
    // The tray (IPP media-source, e.g. "tray-1"); empty: the printer's choice.
    void setMediaSource(const QString& source) { m_mediaSource = source; }
    // Any further job attribute or CUPS option, NAME=VALUE as lp -o takes
    // it; a later value of the same name wins, also over the card's own.
    void addJobOption(const QString& name, const QString& value);
    // The attributes the next job is submitted with: sides from Duplex
    // (1 one-sided, 2 two-sided-short-edge,
    // 3 two-sided-long-edge, so a two-sided card's back lands on the same
    // card), print-quality from PrintQuality (-1 and -2 draft, -3 normal,
    // -4 high, 0 the printer's default; a positive value is a resolution in
    // dots per inch and goes out as printer-resolution), orientation-requested
    // from the card's shape (landscape for a card wider than high, else
    // portrait), copies, media (a custom size of the card, width first:
    // "custom_card_3.375x2.125in"), media-source, then the added options.
    QList<Option> jobOptions() const;
    // The CUPS job id of the last submitted job (0 before any).
    int jobId() const { return m_jobId; }
    // The failure of a finish that could not raise it (in the destructor).
    const QString& lastError() const { return m_lastError; }

    // CUPS destinations: every queue name, and the default one (empty when
    // there is none).
    static QStringList queueNames();
    static QString defaultQueue();
    // Empty when the CUPS scheduler answers, else why it cannot be reached
    // (libcups lists no queues then, as if there were none).
    static QString schedulerProblem();

    // Waits until a job is finished: Completed, or else the reason in *reason
    // (cancelled, aborted, held until someone releases it, or its printer
    // stopped while it waited).
    enum class JobEnd { Completed, Cancelled, Aborted, PrinterStopped, Held, Unknown };
    static JobEnd waitForJob(const QString& queue, int jobId, QString* reason);

protected:
    double dpiX() const override { return m_dpi; }
    double dpiY() const override { return m_dpi; }
    QSizeF deviceSize() const override;
    QPainter* painter() override;
    QPaintDevice* metricsDevice() override;
    void onNewPage() override;
    void onEndDoc() override;
    QImage drawnImage(const Picture& picture) override;
    bool barcodeFontsAsShapes() const override { return m_barsAsShapes; }

private:
    KYTCORE_NO_EXPORT void makeWriter();
    KYTCORE_NO_EXPORT void finish();
    KYTCORE_NO_EXPORT void checkWrites();
    void submit();

    Target m_target;
    QString m_destination;
    QSizeF m_paper;
    double m_dpi;
    QString m_docName;
    std::unique_ptr<OutputFile> m_out;
    QIODevice* m_device = nullptr; // toDevice: the caller's device
    bool m_adopted = false; // the document is joined pages, not drawn ones
    std::unique_ptr<PdfJoin> m_join;
    std::unique_ptr<QBuffer> m_drawn; // pages drawn with placeholders (setJpegPassThrough)
    bool m_joinBegun = false; // a drawn document was begun before the join
    bool m_passJpegs = false;
    bool m_barsAsShapes = true;
    std::vector<PassedJpeg> m_passed;
    std::vector<QImage> m_markers; // by number, as in m_passed
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter;
    int m_pages = 0;
    bool m_ended = false;
    int m_copies = 1;
    QString m_mediaSource;
    QList<Option> m_extra;
    int m_jobId = 0;
    QString m_lastError;
};

} // namespace kyt
