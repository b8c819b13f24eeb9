#pragma once
// The pages of complete PDF documents (parts drawn apart), written one part
// after another into one document as each part comes: a part's objects are
// renumbered and copied as they are (streams raw, nothing decoded or
// compressed again), then the part is dropped. Only each object's offset and
// each page's number stay in memory, so memory does not grow with the pages
// beyond a few bytes each. The page tree, the catalog and the cross-reference
// table are written by finish().
//
// Parts as our drawing writes them are copied by the core itself
// (PdfPartReader). Any other part is read with qpdf, which lives in a
// module of its own (kytpreview-pdfjoin.so in the folder "kytpreview" beside
// the core library), loaded only when such a part comes: a host or a
// command that never meets one maps neither qpdf nor the TLS libraries it
// brings.

#include "platform/surface/PrinterSurface.h"
#include <QSizeF>
#include <memory>
#include <string_view>

class QIODevice;

namespace kyt
{

class PdfJoin
{
public:
    virtual ~PdfJoin() = default;
    PdfJoin(const PdfJoin&) = delete;
    PdfJoin& operator=(const PdfJoin&) = delete;

    // A join writing into out, which must stay open until finish().
    static std::unique_ptr<PdfJoin> create(QIODevice* out);

    // Copies the part's pages after the pages before, its placeholders
    // replaced by their JPEG files; the title and producer of the first
    // part become the document's. Throws std::exception when the part
    // cannot be read or a write fails (KytError when it needs qpdf and the
    // module cannot be loaded).
    virtual void add(const PrinterSurface::Part& part) = 0;
    // The same for a part in memory.
    virtual void add(std::string_view part, const std::vector<PrinterSurface::PassedJpeg>& jpegs) = 0;
    // Ends the document; a document without pages gets one blank page of
    // paperPoints.
    virtual void finish(QSizeF paperPoints) = 0;
    virtual int pages() const = 0;

protected:
    PdfJoin() = default;
};

} // namespace kyt
