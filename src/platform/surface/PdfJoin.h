#pragma once
// The pages of complete PDF documents (parts drawn apart), written one part
// after another into one document as each part comes: a part's objects are
// renumbered and copied as they are (streams raw, nothing decoded or
// compressed again), then the part is dropped. Only each object's offset and
// each page's number stay in memory, so memory does not grow with the pages
// beyond a few bytes each. The page tree, the catalog and the cross-reference
// table are written by finish().

#include "platform/surface/PrinterSurface.h"
#include <QSizeF>
#include <memory>
#include <string>
#include <vector>

class QIODevice;

namespace kyt
{

class PdfJoin
{
public:
    // Writes into out, which must stay open until finish().
    explicit PdfJoin(QIODevice* out);
    ~PdfJoin();
    PdfJoin(const PdfJoin&) = delete;
    PdfJoin& operator=(const PdfJoin&) = delete;

    // Copies the part's pages after the pages before, its placeholders
    // replaced by their JPEG files; the title and producer of the first
    // part become the document's. Throws std::exception when the part
    // cannot be read or a write fails.
    void add(const PrinterSurface::Part& part);
    // Ends the document; a document without pages gets one blank page of
    // paperPoints.
    void finish(QSizeF paperPoints);
    int pages() const { return int(m_pages.size()); }

    // A placeholder's picture (64 x 2 pixels, black and white, numbered):
    // what PrinterSurface draws for a JPEG file the join puts in its place.
    static constexpr int MarkerWidth = 64, MarkerHeight = 2;
    static constexpr quint64 MarkerMagic = 0x4B59544A50454721ULL;

private:
    struct Copy;
    void write(const char* data, size_t size);
    void write(const std::string& s) { write(s.data(), s.size()); }
    void header(const std::string& version);
    int reserve(); // the next object number
    void beginObject(int number);

    QIODevice* m_out;
    qint64 m_pos = 0;
    std::vector<qint64> m_offsets; // by object number - 1; 0 not yet written
    std::vector<int> m_pages; // page object numbers, in order
    int m_info = 0, m_metadata = 0;
    bool m_started = false;
};

} // namespace kyt
