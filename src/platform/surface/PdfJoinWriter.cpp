#include "platform/surface/PdfJoinWriter.h"
#include "platform/surface/PdfPartReader.h"

// qpdf's smart pointers as std::shared_ptr, without its transition warning.
#define POINTERHOLDER_TRANSITION 4

#include <QCryptographicHash>
#include <QIODevice>
#include <QtGlobal>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <stdexcept>
#include <unistd.h>
#include <zlib.h>

namespace kyt
{

namespace
{

constexpr int CatalogNumber = 1, PagesNumber = 2;

// A name as the file spells it: the common ones as they are, anything else
// escaped by qpdf.
void appendName(std::string& out, const std::string& name)
{
    bool plain = name.size() > 1 && name[0] == '/';
    for (size_t i = 1; plain && i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-'
            || c == '_' || c == '+';
    }
    if (plain)
        out += name;
    else
        out += QPDFObjectHandle::newName(name).unparse();
}

// The placeholder's number in its decoded samples (grey or RGB), or -1.
qint64 markerInPixels(const unsigned char* p, size_t size)
{
    const size_t pixels = size_t(PdfJoin::MarkerWidth) * PdfJoin::MarkerHeight;
    if (!p || (size != pixels && size != pixels * 3))
        return -1;
    const size_t step = size / pixels;
    quint64 rows[PdfJoin::MarkerHeight] = { 0, 0 };
    for (int row = 0; row < PdfJoin::MarkerHeight; ++row) {
        for (int x = 0; x < PdfJoin::MarkerWidth; ++x) {
            const unsigned char v = p[(size_t(row) * PdfJoin::MarkerWidth + size_t(x)) * step];
            if (v != 0 && v != 255)
                return -1;
            rows[row] = (rows[row] << 1) | (v == 0 ? 1 : 0);
        }
    }
    return rows[0] == PdfJoin::MarkerMagic ? qint64(rows[1]) : -1;
}

// The placeholder's number, or -1 for any other stream.
qint64 markerNumber(QPDFObjectHandle stream)
{
    QPDFObjectHandle dict = stream.getDict();
    auto is = [&](const char* key, int value) {
        QPDFObjectHandle v = dict.getKey(key);
        return v.isInteger() && v.getIntValue() == value;
    };
    if (!is("/Width", PdfJoin::MarkerWidth) || !is("/Height", PdfJoin::MarkerHeight) || !is("/BitsPerComponent", 8))
        return -1;
    std::shared_ptr<Buffer> data;
    try {
        data = stream.getStreamData(qpdf_dl_generalized);
    } catch (const std::exception&) {
        return -1; // not a stream this placeholder would be stored as
    }
    return data ? markerInPixels(data->getBuffer(), data->getSize()) : -1;
}

// The same for a stream as PdfPartReader finds it (stored as it is or
// deflated, as our drawing stores small pictures).
qint64 markerNumber(const PdfPartReader::Object& o)
{
    using R = PdfPartReader;
    if (R::value(o.text, "/Width") != "64" || R::value(o.text, "/Height") != "2"
        || R::value(o.text, "/BitsPerComponent") != "8" || !R::value(o.text, "/DecodeParms").empty())
        return -1;
    static_assert(PdfJoin::MarkerWidth == 64 && PdfJoin::MarkerHeight == 2);
    const std::string_view filter = R::value(o.text, "/Filter");
    if (filter.empty())
        return markerInPixels(reinterpret_cast<const unsigned char*>(o.stream.data()), o.stream.size());
    if (filter != "/FlateDecode")
        return -1;
    unsigned char pixels[PdfJoin::MarkerWidth * PdfJoin::MarkerHeight * 3 + 1];
    uLongf size = sizeof pixels;
    if (::uncompress(pixels, &size, reinterpret_cast<const Bytef*>(o.stream.data()), uLong(o.stream.size())) != Z_OK)
        return -1;
    return markerInPixels(pixels, size_t(size));
}

// A placeholder's dictionary once its JPEG file stands in its place.
std::string jpegDictionary(const PrinterSurface::PassedJpeg& jpeg, size_t length)
{
    return "<< /Type /XObject /Subtype /Image /Width " + std::to_string(jpeg.width) + " /Height "
        + std::to_string(jpeg.height) + " /BitsPerComponent 8 /ColorSpace " + (jpeg.grey ? "/DeviceGray" : "/DeviceRGB")
        + " /Filter /DCTDecode /Length " + std::to_string(length) + " >>";
}

// A placeholder's JPEG file: in memory, or else in a file at an offset.
std::string jpegBytes(const PrinterSurface::PassedJpeg& jpeg)
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

} // namespace

// One part being copied: its objects get new numbers as they are first
// referred to, and are written in that order.
struct PdfJoinWriter::Copy {
    PdfJoinWriter& join;
    const PrinterSurface::Part& part;
    std::map<QPDFObjGen, int> numbers;
    std::vector<QPDFObjectHandle> todo;
    size_t next = 0;

    // The new number of an indirect object; the part's page tree and catalog
    // are the document's.
    int number(QPDFObjectHandle h)
    {
        const QPDFObjGen og = h.getObjGen();
        auto it = numbers.find(og);
        if (it != numbers.end())
            return it->second;
        int n = 0;
        if (h.isDictionary() && h.getKey("/Type").isName()) {
            const std::string type = h.getKey("/Type").getName();
            if (type == "/Pages")
                n = PagesNumber;
            else if (type == "/Catalog")
                n = CatalogNumber;
        }
        if (n == 0) {
            n = join.reserve();
            todo.push_back(h);
        }
        numbers.emplace(og, n);
        return n;
    }

    void value(std::string& out, QPDFObjectHandle h)
    {
        if (h.isIndirect()) {
            if (h.isNull()) { // a reference to nothing
                out += "null";
                return;
            }
            out += std::to_string(number(h));
            out += " 0 R";
            return;
        }
        content(out, h);
    }

    // The object itself, references in it renumbered.
    void content(std::string& out, QPDFObjectHandle h)
    {
        switch (h.getTypeCode()) {
        case ::ot_boolean:
            out += h.getBoolValue() ? "true" : "false";
            break;
        case ::ot_integer:
            out += std::to_string(h.getIntValue());
            break;
        case ::ot_real:
            out += h.getRealValue();
            break;
        case ::ot_name:
            appendName(out, h.getName());
            break;
        case ::ot_string:
            out += h.unparse();
            break;
        case ::ot_array: {
            out += '[';
            bool first = true;
            for (QPDFObjectHandle item : h.getArrayAsVector()) {
                if (!first)
                    out += ' ';
                first = false;
                value(out, item);
            }
            out += ']';
            break;
        }
        case ::ot_dictionary:
            dictionary(out, h, {});
            break;
        default: // null, and anything a document cannot hold directly
            out += "null";
            break;
        }
    }

    void dictionary(std::string& out, QPDFObjectHandle dict, const std::map<std::string, std::string>& replaced)
    {
        out += "<<";
        for (auto& [key, item] : dict.getDictAsMap()) {
            if (replaced.count(key) || item.isNull())
                continue;
            out += ' ';
            appendName(out, key);
            out += ' ';
            value(out, item);
        }
        for (const auto& [key, text] : replaced) {
            if (text.empty())
                continue; // dropped
            out += ' ';
            out += key;
            out += ' ';
            out += text;
        }
        out += " >>";
    }

    // Writes the object h stands for under its new number.
    void object(QPDFObjectHandle h)
    {
        const int n = numbers.at(h.getObjGen());
        join.beginObject(n);
        std::string text = std::to_string(n) + " 0 obj\n";
        if (!h.isStream()) {
            content(text, h);
            text += "\nendobj\n";
            join.write(text);
            return;
        }
        const qint64 marker = part.jpegs.empty() ? -1 : markerNumber(h);
        std::string data;
        std::map<std::string, std::string> replaced;
        if (marker >= 0 && size_t(marker) < part.jpegs.size()) {
            // The placeholder gives way to its JPEG file, as it is.
            const PrinterSurface::PassedJpeg& jpeg = part.jpegs[size_t(marker)];
            data = jpegBytes(jpeg);
            for (const char* dropped : { "/ImageMask", "/Decode", "/DecodeParms", "/SMask" })
                replaced[dropped] = std::string();
            replaced["/Filter"] = "/DCTDecode";
            replaced["/Width"] = std::to_string(jpeg.width);
            replaced["/Height"] = std::to_string(jpeg.height);
            replaced["/BitsPerComponent"] = "8";
            replaced["/ColorSpace"] = jpeg.grey ? "/DeviceGray" : "/DeviceRGB";
        } else {
            std::shared_ptr<Buffer> raw = h.getRawStreamData();
            data.assign(reinterpret_cast<const char*>(raw->getBuffer()), raw->getSize());
        }
        replaced["/Length"] = std::to_string(data.size());
        dictionary(text, h.getDict(), replaced);
        text += "\nstream\n";
        join.write(text);
        join.write(data);
        join.write("\nendstream\nendobj\n", 18);
    }

    void run(const std::string& bytes)
    {
        QPDF in;
        in.setSuppressWarnings(true);
        in.processMemoryFile("part", bytes.data(), bytes.size());
        // What a page inherits from the part's page tree goes on the page,
        // as the part's tree is not copied.
        in.pushInheritedAttributesToPage();
        std::vector<QPDFObjectHandle> pages = in.getAllPages();
        if (pages.empty())
            throw std::runtime_error("a part of the document has no pages");
        if (!join.m_started)
            join.header(in.getPDFVersion());
        for (QPDFObjectHandle& page : pages)
            join.m_pages.push_back(number(page));
        if (join.m_info == 0 && join.m_pages.size() == pages.size()) {
            // The title and producer as a drawn document has them.
            QPDFObjectHandle info = in.getTrailer().getKey("/Info");
            if (info.isIndirect() && info.isDictionary())
                join.m_info = number(info);
            QPDFObjectHandle meta = in.getRoot().getKey("/Metadata");
            if (meta.isIndirect() && meta.isStream())
                join.m_metadata = number(meta);
        }
        for (; next < todo.size(); ++next)
            object(todo[next]);
    }
};

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
    // KYT_JOIN_WITH_QPDF=1 takes qpdf's way for every part (for comparing).
    if (qEnvironmentVariableIntValue("KYT_JOIN_WITH_QPDF") == 0 && copyAsWritten(bytes, part))
        return;
    Copy copy { *this, part, {}, {}, 0 };
    copy.run(bytes);
}

bool PdfJoinWriter::copyAsWritten(const std::string& bytes, const PrinterSurface::Part& part)
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
            const qint64 marker = o.isStream && !part.jpegs.empty() ? markerNumber(o) : -1;
            markers.push_back(marker >= 0 && size_t(marker) < part.jpegs.size() ? marker : -1);
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
            const PrinterSurface::PassedJpeg& jpeg = part.jpegs[size_t(markers[i])];
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

// The module's entry: the core loads this library when a batch first joins
// parts, so programs that never do start without qpdf.
extern "C" Q_DECL_EXPORT kyt::PdfJoin* kyt_pdfjoin_create(QIODevice* out)
{
    return new kyt::PdfJoinWriter(out);
}
