#pragma once
// The document a join writes, as a part's copier sees it: numbers are
// reserved for the objects copied, each object is begun where it is
// written, and the pages are listed in order. The core's join copies the
// parts our drawing writes (PdfPartReader); any other part goes to qpdf's
// copier in the module kytpreview-pdfjoin.so (kyt_pdfjoin_copy), which
// reaches the document only through this interface, so the module need not
// link the core.

#include "platform/surface/PrinterSurface.h"
#include <QtGlobal>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace kyt
{

class PdfJoinTarget
{
public:
    // The document's own catalog and page tree; a part's are not copied.
    static constexpr int CatalogNumber = 1, PagesNumber = 2;

    // A placeholder's picture (64 x 2 pixels, black and white, numbered):
    // what PrinterSurface draws for a JPEG file the join puts in its place.
    static constexpr int MarkerWidth = 64, MarkerHeight = 2;
    static constexpr quint64 MarkerMagic = 0x4B59544A50454721ULL;

    virtual bool started() const = 0;
    // Begins the document (its header), with the first part's version.
    virtual void header(const std::string& version) = 0;
    // The next free object number.
    virtual int reserve() = 0;
    // The object written next has this number.
    virtual void beginObject(int number) = 0;
    // Throws std::exception when the write fails.
    virtual void write(const char* data, size_t size) = 0;
    void write(const std::string& s) { write(s.data(), s.size()); }
    virtual void addPage(int number) = 0;
    virtual size_t pageCount() const = 0;
    // The document's title and producer, and its metadata stream: those of
    // the first part that has them.
    virtual bool hasInfo() const = 0;
    virtual void setInfo(int number) = 0;
    virtual void setMetadata(int number) = 0;

    // The placeholder's number in its decoded samples (a bit a pixel, 0
    // black, rows of 8 bytes), or -1.
    static qint64 markerInBits(const unsigned char* p, size_t size)
    {
        static_assert(MarkerWidth == 64 && MarkerHeight == 2);
        if (!p || size != size_t(MarkerWidth) * MarkerHeight / 8)
            return -1;
        quint64 rows[MarkerHeight] = { 0, 0 };
        for (size_t i = 0; i < size; ++i)
            rows[i / 8] = (rows[i / 8] << 8) | quint64(~p[i] & 0xFF);
        return rows[0] == MarkerMagic ? qint64(rows[1]) : -1;
    }

    // A placeholder's JPEG file: in memory, or else in a file at an offset.
    static std::string jpegBytes(const PrinterSurface::PassedJpeg& jpeg)
    {
        if (!jpeg.data.isEmpty())
            return std::string(jpeg.data.constData(), size_t(jpeg.data.size()));
        std::string buf(size_t(jpeg.length), '\0');
        size_t done = 0;
        while (done < buf.size()) {
            const ssize_t n = ::pread(jpeg.fd, &buf[done], buf.size() - done, jpeg.offset + qint64(done));
            if (n <= 0)
                throw std::runtime_error("a picture of the document cannot be read back");
            done += size_t(n);
        }
        return buf;
    }

protected:
    PdfJoinTarget() = default;
    ~PdfJoinTarget() = default;
};

// The module's entry: copies a part that PdfPartReader refused, its
// placeholders replaced by their JPEG files. Throws std::exception when the
// part cannot be read or a write fails.
using PdfQpdfCopy
    = void (*)(PdfJoinTarget& target, std::string_view part, const std::vector<PrinterSurface::PassedJpeg>& jpegs);

} // namespace kyt
