#pragma once
// The pages of complete PDF documents (parts drawn apart), written one part
// after another into one document as each part comes: a part's objects are
// renumbered and copied as they are (streams raw, nothing decoded or
// compressed again), then the part is dropped. Only each object's offset and
// each page's number stay in memory, so memory does not grow with the pages
// beyond a few bytes each. The page tree, the catalog and the cross-reference
// table are written by finish().
//
// The join reads the parts with qpdf, which lives in a module of its own
// (kytpreview-pdfjoin.so in the folder "kytpreview" beside the core
// library), loaded when a batch first joins parts: a host or a command that
// never does maps neither qpdf nor the TLS libraries it brings.

#include "platform/surface/PrinterSurface.h"
#include <QSizeF>
#include <QString>
#include <memory>

class QIODevice;

namespace kyt
{

class PdfJoin
{
public:
    virtual ~PdfJoin() = default;
    PdfJoin(const PdfJoin&) = delete;
    PdfJoin& operator=(const PdfJoin&) = delete;

    // Whether the module can be loaded (loads it on the first call); when it
    // cannot, batches draw their pages on one core into one document, and
    // *why says what the loader found.
    static bool available(QString* why = nullptr);
    // A join writing into out, which must stay open until finish(). Throws
    // KytError when the module cannot be loaded.
    static std::unique_ptr<PdfJoin> create(QIODevice* out);

    // Copies the part's pages after the pages before, its placeholders
    // replaced by their JPEG files; the title and producer of the first
    // part become the document's. Throws std::exception when the part
    // cannot be read or a write fails.
    virtual void add(const PrinterSurface::Part& part) = 0;
    // Ends the document; a document without pages gets one blank page of
    // paperPoints.
    virtual void finish(QSizeF paperPoints) = 0;
    virtual int pages() const = 0;

    // A placeholder's picture (64 x 2 pixels, black and white, numbered):
    // what PrinterSurface draws for a JPEG file the join puts in its place.
    static constexpr int MarkerWidth = 64, MarkerHeight = 2;
    static constexpr quint64 MarkerMagic = 0x4B59544A50454721ULL;

protected:
    PdfJoin() = default;
};

} // namespace kyt
