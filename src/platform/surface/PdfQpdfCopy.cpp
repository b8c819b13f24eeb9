// qpdf's copier of a part the core's join does not expect (PdfJoinTarget.h):
// the module kytpreview-pdfjoin.so, loaded when the first such part comes.

// qpdf's smart pointers as std::shared_ptr, without its transition warning.
#define POINTERHOLDER_TRANSITION 4

#include "platform/surface/PdfJoinTarget.h"
#include <map>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <stdexcept>

namespace kyt
{

namespace
{

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

// The placeholder's number, or -1 for any other stream.
qint64 markerNumber(QPDFObjectHandle stream)
{
    QPDFObjectHandle dict = stream.getDict();
    auto is = [&](const char* key, int value) {
        QPDFObjectHandle v = dict.getKey(key);
        return v.isInteger() && v.getIntValue() == value;
    };
    if (!is("/Width", PdfJoinTarget::MarkerWidth) || !is("/Height", PdfJoinTarget::MarkerHeight)
        || !is("/BitsPerComponent", 1) || dict.hasKey("/Decode"))
        return -1;
    std::shared_ptr<Buffer> data;
    try {
        data = stream.getStreamData(qpdf_dl_generalized);
    } catch (const std::exception&) {
        return -1; // not a stream this placeholder would be stored as
    }
    return data ? PdfJoinTarget::markerInBits(data->getBuffer(), data->getSize()) : -1;
}

// One part being copied: its objects get new numbers as they are first
// referred to, and are written in that order.
struct Copy {
    PdfJoinTarget& join;
    const std::vector<PrinterSurface::PassedJpeg>& jpegs;
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
                n = PdfJoinTarget::PagesNumber;
            else if (type == "/Catalog")
                n = PdfJoinTarget::CatalogNumber;
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
        const qint64 marker = jpegs.empty() ? -1 : markerNumber(h);
        std::string data;
        std::map<std::string, std::string> replaced;
        if (marker >= 0 && size_t(marker) < jpegs.size()) {
            // The placeholder gives way to its JPEG file, as it is.
            const PrinterSurface::PassedJpeg& jpeg = jpegs[size_t(marker)];
            data = PdfJoinTarget::jpegBytes(jpeg);
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

    void run(std::string_view bytes)
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
        if (!join.started())
            join.header(in.getPDFVersion());
        for (QPDFObjectHandle& page : pages)
            join.addPage(number(page));
        if (!join.hasInfo() && join.pageCount() == pages.size()) {
            // The title and producer as a drawn document has them.
            QPDFObjectHandle info = in.getTrailer().getKey("/Info");
            if (info.isIndirect() && info.isDictionary())
                join.setInfo(number(info));
            QPDFObjectHandle meta = in.getRoot().getKey("/Metadata");
            if (meta.isIndirect() && meta.isStream())
                join.setMetadata(number(meta));
        }
        for (; next < todo.size(); ++next)
            object(todo[next]);
    }
};

} // namespace

} // namespace kyt

// The module's entry (PdfQpdfCopy).
extern "C" Q_DECL_EXPORT void kyt_pdfjoin_copy(
    kyt::PdfJoinTarget& target, std::string_view part, const std::vector<kyt::PrinterSurface::PassedJpeg>& jpegs)
{
    kyt::Copy copy { target, jpegs, {}, {}, 0 };
    copy.run(part);
}
