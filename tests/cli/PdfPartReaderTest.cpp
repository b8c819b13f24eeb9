// The join's reader of PDF parts: it finds pages, objects, streams and
// references as written, and refuses (never crashes on) what it does not
// expect, so that part goes to qpdf instead.
#include "platform/surface/PdfPartReader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using kyt::PdfPartReader;

namespace
{

// A part with objects numbered from 1 and its table computed.
std::string pdfOf(const std::vector<std::string>& objects, const std::string& trailer = "/Root 1 0 R")
{
    std::string out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<size_t> at;
    for (size_t i = 0; i < objects.size(); ++i) {
        at.push_back(out.size());
        out += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const size_t xref = out.size();
    out += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t a : at) {
        char entry[24];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", a);
        out += entry;
    }
    out += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " " + trailer + " >>\nstartxref\n"
        + std::to_string(xref) + "\n%%EOF\n";
    return out;
}

const std::string Data = "q 1 0 0 1 0 0 cm (endstream) Tj Q";

// Catalog, page tree, two pages, a content stream with an indirect length,
// and an information dictionary whose title holds what looks like syntax.
std::vector<std::string> soundPart()
{
    return {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 >>",
        "<< /Type /Page /Parent 2 0 R /Contents 5 0 R /MediaBox [0 0 243 153] >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 243 153] /Annots [ ] >>",
        "<< /Length 6 0 R /Filter /FlateDecode >>\nstream\n" + Data + "\nendstream",
        std::to_string(Data.size()),
        "<< /Title (a (nested\\) 9 0 R) and <8 0 R> 7 0 R) /Producer <FEFF0051> >>",
    };
}

} // namespace

TEST(PdfPartReader, FindsPagesObjectsStreamsAndReferences)
{
    const std::string bytes = pdfOf(soundPart(), "/Root 1 0 R /Info 7 0 R");
    const PdfPartReader in(bytes);
    EXPECT_EQ(in.version(), "1.4");
    EXPECT_EQ(in.pages(), (std::vector<int> { 3, 4 }));
    EXPECT_TRUE(in.isPageTree(2));
    EXPECT_TRUE(in.isCatalog(1));
    EXPECT_EQ(in.info(), 7);
    EXPECT_EQ(in.metadata(), 0);

    const PdfPartReader::Object page = in.object(3);
    ASSERT_EQ(page.references.size(), 2u);
    EXPECT_EQ(page.references[0].number, 2);
    EXPECT_EQ(page.text.substr(page.references[1].begin, page.references[1].end - page.references[1].begin), "5 0 R");
    EXPECT_FALSE(page.isStream);

    const PdfPartReader::Object content = in.object(5);
    EXPECT_TRUE(content.isStream);
    EXPECT_EQ(content.stream, Data);
    EXPECT_EQ(PdfPartReader::value(content.text, "/Filter"), "/FlateDecode");
    EXPECT_EQ(in.integer(PdfPartReader::value(content.text, "/Length")), (long long)Data.size());

    // Strings are passed over whole: no reference is found in the title.
    EXPECT_TRUE(in.object(7).references.empty());
    EXPECT_EQ(PdfPartReader::value(in.object(7).text, "/Producer"), "<FEFF0051>");
}

TEST(PdfPartReader, NestedPageTreesKeepTheirOrder)
{
    const std::string bytes = pdfOf({
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R 5 0 R] /Count 3 >>",
        "<< /Type /Pages /Parent 2 0 R /Kids [6 0 R 4 0 R] /Count 2 >>",
        "<< /Type /Page /Parent 3 0 R >>",
        "<< /Type /Page /Parent 2 0 R >>",
        "<< /Type /Page /Parent 3 0 R >>",
    });
    const PdfPartReader in(bytes);
    EXPECT_EQ(in.pages(), (std::vector<int> { 6, 4, 5 }));
    EXPECT_TRUE(in.isPageTree(3));
}

struct Refused {
    const char* name;
    std::string bytes;
    int object; // 0: refused when indexed; else when this object is read
};

class PdfPartRefused : public ::testing::TestWithParam<Refused>
{
};

TEST_P(PdfPartRefused, IsUnsupportedNotACrash)
{
    const Refused& r = GetParam();
    if (r.object == 0) {
        EXPECT_THROW(PdfPartReader in(r.bytes), PdfPartReader::Unsupported);
        return;
    }
    const PdfPartReader in(r.bytes);
    EXPECT_THROW(in.object(r.object), PdfPartReader::Unsupported);
}

namespace
{

std::vector<Refused> refusedParts()
{
    std::vector<std::string> inherit = soundPart();
    inherit[1] = "<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 /Resources << >> >>";
    std::vector<std::string> shortLength = soundPart();
    shortLength[5] = std::to_string(Data.size() - 3);
    std::vector<std::string> missing = soundPart();
    missing[3] = "<< /Type /Page /Parent 2 0 R /Contents 40 0 R >>";
    std::vector<std::string> loop = soundPart();
    loop[1] = "<< /Type /Pages /Kids [2 0 R] /Count 1 >>";
    std::vector<std::string> unbalanced = soundPart();
    unbalanced[2] = "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 243 153 >>";
    const std::string sound = pdfOf(soundPart());
    std::string streamTable = sound;
    streamTable.replace(streamTable.rfind("xref\n0"), 4, "XREF");
    return {
        { "PagesInheritFromTheTree", pdfOf(inherit), 0 },
        { "CrossReferenceStream", streamTable, 0 },
        { "CutInHalf", sound.substr(0, sound.size() / 2), 0 },
        { "NotAPdf", "GIF89a" + sound.substr(8), 0 },
        { "PageTreeLoop", pdfOf(loop), 0 },
        { "StreamLongerThanItsLength", pdfOf(shortLength), 5 },
        { "ReferenceToNoObject", pdfOf(missing), 40 },
        { "UnbalancedBrackets", pdfOf(unbalanced), 0 },
    };
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Parts, PdfPartRefused, ::testing::ValuesIn(refusedParts()),
    [](const auto& info) { return std::string(info.param.name); });
