#include "platform/surface/PdfJoinWriter.h"
#include "platform/surface/PdfPartReader.h"

#include "errors/CError.h"
#include "errors/EventLog.h"
#include <QCryptographicHash>
#include <QFileInfo>
#include <QIODevice>
#include <QLibrary>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <map>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <zlib.h>

namespace kyt
{

namespace
{

// qpdf's copier, from the module in "kytpreview" beside the core library
// (in the build tree as where it is installed, so a moved installation
// still finds it); loaded on the first part that needs it. Throws KytError
// when it cannot be loaded.
PdfQpdfCopy qpdfCopy()
{
    static PdfQpdfCopy copy = nullptr;
    static QString why;
    static std::once_flag once;
    std::call_once(once, [] {
        Dl_info self {};
        if (::dladdr(reinterpret_cast<void*>(&PdfJoin::create), &self) == 0 || !self.dli_fname) {
            why = QStringLiteral("the core library's folder is unknown");
            return;
        }
        QLibrary lib(QFileInfo(QString::fromLocal8Bit(self.dli_fname)).absolutePath()
            + QStringLiteral("/kytpreview/kytpreview-pdfjoin.so"));
        if (lib.load())
            copy = reinterpret_cast<PdfQpdfCopy>(lib.resolve("kyt_pdfjoin_copy"));
        if (!copy) {
            why = lib.errorString();
            EventLog::write(QStringLiteral("PDF parts cannot be read with qpdf (%1)").arg(why), EventLog::Warning);
        }
    });
    if (!copy)
        throw KytError(
            482, QStringLiteral("a part of the document cannot be read: qpdf cannot be loaded (%1)").arg(why));
    return copy;
}

constexpr int CatalogNumber = PdfJoinTarget::CatalogNumber, PagesNumber = PdfJoinTarget::PagesNumber;

// The placeholder's number in a stream as PdfPartReader finds it (stored as
// it is or deflated, as our drawing stores small pictures), or -1.
qint64 markerNumber(const PdfPartReader::Object& o)
{
    using R = PdfPartReader;
    if (R::value(o.text, "/Width") != "64" || R::value(o.text, "/Height") != "2"
        || R::value(o.text, "/BitsPerComponent") != "1" || !R::value(o.text, "/DecodeParms").empty()
        || !R::value(o.text, "/Decode").empty())
        return -1;
    const std::string_view filter = R::value(o.text, "/Filter");
    if (filter.empty())
        return PdfJoinTarget::markerInBits(reinterpret_cast<const unsigned char*>(o.stream.data()), o.stream.size());
    if (filter != "/FlateDecode")
        return -1;
    unsigned char bits[PdfJoinTarget::MarkerWidth * PdfJoinTarget::MarkerHeight / 8 + 1];
    uLongf size = sizeof bits;
    if (::uncompress(bits, &size, reinterpret_cast<const Bytef*>(o.stream.data()), uLong(o.stream.size())) != Z_OK)
        return -1;
    return PdfJoinTarget::markerInBits(bits, size_t(size));
}

// A placeholder's dictionary once its JPEG file stands in its place.
std::string jpegDictionary(const PrinterSurface::PassedJpeg& jpeg, size_t length)
{
    return "<< /Type /XObject /Subtype /Image /Width " + std::to_string(jpeg.width) + " /Height "
        + std::to_string(jpeg.height) + " /BitsPerComponent 8 /ColorSpace " + (jpeg.grey ? "/DeviceGray" : "/DeviceRGB")
        + " /Filter /DCTDecode /Length " + std::to_string(length) + " >>";
}

} // namespace

std::unique_ptr<PdfJoin> PdfJoin::create(QIODevice* out)
{
    return std::make_unique<PdfJoinWriter>(out);
}

PdfJoinWriter::PdfJoinWriter(QIODevice* out)
    : m_out(out)
{
    reserve(); // the catalog
    reserve(); // the page tree
}

PdfJoinWriter::~PdfJoinWriter() = default;

void PdfJoinWriter::write(const char* data, size_t size)
{
    if (m_out->write(data, qint64(size)) != qint64(size))
        throw std::runtime_error("write failed");
    m_pos += qint64(size);
}

void PdfJoinWriter::header(const std::string& version)
{
    std::string v = version.empty() ? std::string("1.4") : version;
    for (char c : v)
        if (!(c == '.' || (c >= '0' && c <= '9')))
            v = "1.4";
    write("%PDF-" + v + "\n%\xE2\xE3\xCF\xD3\n");
    m_started = true;
}

int PdfJoinWriter::reserve()
{
    m_offsets.push_back(0);
    return int(m_offsets.size());
}

void PdfJoinWriter::beginObject(int number)
{
    m_offsets[size_t(number) - 1] = m_pos;
}

void PdfJoinWriter::add(const PrinterSurface::Part& part)
{
    // The part is read whole (a run of cards, a few MiB at most).
    std::string bytes;
    std::rewind(part.pdf);
    char chunk[65536];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, part.pdf)) > 0;)
        bytes.append(chunk, n);
    if (std::ferror(part.pdf))
        throw std::runtime_error("a part of the document cannot be read");
    add(bytes, part.jpegs);
}

void PdfJoinWriter::add(std::string_view part, const std::vector<PrinterSurface::PassedJpeg>& jpegs)
{
    // KYT_JOIN_WITH_QPDF=1 takes qpdf's way for every part (for comparing).
    if (qEnvironmentVariableIntValue("KYT_JOIN_WITH_QPDF") == 0 && copyAsWritten(part, jpegs))
        return;
    qpdfCopy()(*this, part, jpegs);
}

bool PdfJoinWriter::copyAsWritten(std::string_view bytes, const std::vector<PrinterSurface::PassedJpeg>& jpegs)
{
    // Everything is read and planned before the first byte is written, so a
    // part the reader refuses leaves the document as it was.
    std::optional<PdfPartReader> in;
    std::vector<PdfPartReader::Object> plan;
    std::vector<qint64> markers; // by plan entry: the JPEG in its place, or -1
    std::map<int, size_t> planned; // part object number -> plan entry
    bool takeInfo = false;
    try {
        in.emplace(bytes);
        std::vector<int> todo = in->pages();
        takeInfo = m_info == 0 && m_pages.empty();
        if (takeInfo) {
            if (in->info() != 0)
                todo.push_back(in->info());
            if (in->metadata() != 0)
                todo.push_back(in->metadata());
        }
        for (size_t i = 0; i < todo.size(); ++i) {
            const int n = todo[i];
            if (planned.count(n) || in->isPageTree(n) || in->isCatalog(n))
                continue;
            planned.emplace(n, plan.size());
            plan.push_back(in->object(n));
            const PdfPartReader::Object& o = plan.back();
            const qint64 marker = o.isStream && !jpegs.empty() ? markerNumber(o) : -1;
            markers.push_back(marker >= 0 && size_t(marker) < jpegs.size() ? marker : -1);
            if (markers.back() >= 0)
                continue; // its own references go with it
            for (const PdfPartReader::Reference& r : o.references)
                todo.push_back(r.number);
        }
    } catch (const PdfPartReader::Unsupported&) {
        return false;
    }

    if (!m_started)
        header(in->version());
    std::map<int, int> numbers;
    for (const PdfPartReader::Object& o : plan)
        numbers.emplace(o.number, reserve());
    const auto renumbered = [&](int n) {
        return in->isPageTree(n) ? PagesNumber : in->isCatalog(n) ? CatalogNumber : numbers.at(n);
    };
    for (int page : in->pages())
        m_pages.push_back(numbers.at(page));
    if (takeInfo) {
        if (in->info() != 0 && plan[planned.at(in->info())].text.substr(0, 2) == "<<")
            m_info = numbers.at(in->info());
        if (in->metadata() != 0 && plan[planned.at(in->metadata())].isStream)
            m_metadata = numbers.at(in->metadata());
    }
    std::string text;
    for (size_t i = 0; i < plan.size(); ++i) {
        const PdfPartReader::Object& o = plan[i];
        const int n = numbers.at(o.number);
        beginObject(n);
        text = std::to_string(n) + " 0 obj\n";
        if (markers[i] >= 0) {
            // The placeholder gives way to its JPEG file, as it is.
            const PrinterSurface::PassedJpeg& jpeg = jpegs[size_t(markers[i])];
            const std::string data = jpegBytes(jpeg);
            text += jpegDictionary(jpeg, data.size()) + "\nstream\n";
            write(text);
            write(data);
            write("\nendstream\nendobj\n", 18);
            continue;
        }
        size_t from = 0;
        for (const PdfPartReader::Reference& r : o.references) {
            text.append(o.text.substr(from, r.begin - from));
            text += std::to_string(renumbered(r.number));
            text += " 0 R";
            from = r.end;
        }
        text.append(o.text.substr(from));
        if (!o.isStream) {
            text += "\nendobj\n";
            write(text);
            continue;
        }
        text += "\nstream\n";
        write(text);
        write(o.stream.data(), o.stream.size());
        write("\nendstream\nendobj\n", 18);
    }
    return true;
}

void PdfJoinWriter::finish(QSizeF paperPoints)
{
    if (!m_started)
        header("1.4");
    if (m_pages.empty()) {
        const int page = reserve();
        beginObject(page);
        char text[160];
        std::snprintf(text, sizeof text,
            "%d 0 obj\n<< /Type /Page /Parent %d 0 R /MediaBox [0 0 %.4f %.4f] /Resources << >> >>\nendobj\n", page,
            PagesNumber, paperPoints.width(), paperPoints.height());
        write(text, std::strlen(text));
        m_pages.push_back(page);
    }
    beginObject(PagesNumber);
    std::string text = std::to_string(PagesNumber) + " 0 obj\n<< /Type /Pages /Kids [";
    for (size_t i = 0; i < m_pages.size(); ++i) {
        text += (i % 8 == 0) ? "\n" : " ";
        text += std::to_string(m_pages[i]);
        text += " 0 R";
    }
    text += "\n] /Count " + std::to_string(m_pages.size()) + " >>\nendobj\n";
    write(text);
    beginObject(CatalogNumber);
    text = std::to_string(CatalogNumber) + " 0 obj\n<< /Type /Catalog /Pages " + std::to_string(PagesNumber) + " 0 R";
    if (m_metadata)
        text += " /Metadata " + std::to_string(m_metadata) + " 0 R";
    text += " >>\nendobj\n";
    write(text);

    // The cross-reference table: 20 bytes an entry.
    const qint64 xref = m_pos;
    text = "xref\n0 " + std::to_string(m_offsets.size() + 1) + "\n0000000000 65535 f \n";
    write(text);
    std::string table;
    table.reserve(64 * 20);
    QCryptographicHash id(QCryptographicHash::Md5);
    for (size_t i = 0; i < m_offsets.size(); ++i) {
        if (m_offsets[i] == 0)
            throw std::runtime_error("an object of the document was not written");
        char entry[24];
        std::snprintf(entry, sizeof entry, "%010lld 00000 n \n", static_cast<long long>(m_offsets[i]));
        table.append(entry, 20);
        if (table.size() >= 64 * 20) {
            id.addData(QByteArrayView(table.data(), qsizetype(table.size())));
            write(table);
            table.clear();
        }
    }
    id.addData(QByteArrayView(table.data(), qsizetype(table.size())));
    write(table);
    // The identifier: a digest of where every object lies.
    const std::string hex = id.result().toHex().toStdString();
    text = "trailer\n<< /Size " + std::to_string(m_offsets.size() + 1) + " /Root " + std::to_string(CatalogNumber)
        + " 0 R";
    if (m_info)
        text += " /Info " + std::to_string(m_info) + " 0 R";
    text += " /ID [<" + hex + "> <" + hex + ">] >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    write(text);
}

} // namespace kyt
