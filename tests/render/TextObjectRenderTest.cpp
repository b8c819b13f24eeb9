// Static and data-field texts: font set-up and fallback, sizes, alignment,
// background and outline, barcode text, and where a data field's text comes
// from.
#include "RenderTestSupport.h"

#include "barcode/modBarCodeRoutines.h"
#include "errors/MessageBox.h"
#include "support/TestSupport.h"

using namespace kyt;
using namespace kyt::test;

namespace
{

constexpr double d = 0.01041667; // one pixel at 96 per inch

// A picture box trace already working in inches.
struct InchTrace : TraceSurface {
    InchTrace()
        : TraceSurface(QStringLiteral("PictureBox"))
    {
        setScaleMode(Surface::vbInches);
    }
};

std::vector<QString> prints(const TraceSurface& s)
{
    std::vector<QString> out;
    for (const auto& c : calls(s, "Print"))
        out.push_back(c.value("text").toString());
    return out;
}

// A text object on the card at the given box, showing `shown`.
std::shared_ptr<CTextObject> textOn(CPrintTemplate& card, float l, float t, float w, float h, const char* shown)
{
    auto text = add<CTextObject>(card, "Text");
    place(*text, l, t, w, h);
    text->setText(QString::fromUtf8(shown));
    return text;
}

} // namespace

struct ScaledSizeRow {
    double scalor;
    qint16 size;
    double expected;
};

class TextScaledSize : public ::testing::TestWithParam<ScaledSizeRow>
{
};

TEST_P(TextScaledSize, HalvesGoToEven)
{
    const auto row = GetParam();
    auto card = makeCard();
    card->setScalor(row.scalor);
    auto text = textOn(*card, 0, 0, 1, 0.5f, "Ann");
    text->setFontSize(row.size);
    InchTrace s;
    ASSERT_TRUE(renderOn(*text, *card, s));
    const auto sizes = calls(s, "FontSize");
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_DOUBLE_EQ(num(sizes[0], "value"), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TextScaledSize, ::testing::Values(ScaledSizeRow { 1.5, 9, 14 }, ScaledSizeRow { 0.5, 9, 4 }));

struct FitRow {
    const char* type;
    double textWidth, textHeight, boxW, boxH;
    int drawWidth;
    int expected;
};

class FontToFit : public ::testing::TestWithParam<FitRow>
{
};

// Measurements are fixed by the test surface. On a 300 dpi printer one pixel
// is 4.8 twips, so DrawWidth 15 gives the 0.05 inch outline term. A picture
// box is sized for print too: its own 96 dpi pixels do not count.
TEST_P(FontToFit, SmallerRatioDecides)
{
    const auto row = GetParam();
    MeasuredSurface s(QString::fromLatin1(row.type), row.textWidth, row.textHeight);
    s.setScaleMode(Surface::vbInches);
    s.setDrawWidth(row.drawWidth);
    EXPECT_EQ(CTextObjectBase::FontToFitSize(s, 8, row.boxW, row.boxH, "Ann"), row.expected);
    EXPECT_DOUBLE_EQ(num(calls(s, "FontSize").front(), "value"), 8) << "measured at the nominal size";
}

INSTANTIATE_TEST_SUITE_P(Rows, FontToFit,
    ::testing::Values(FitRow { "Printer", 0.9, 0.2, 2, 10, 15, 16 }, // the width ratio: 2 / 1.0
        FitRow { "Printer", 0.9, 0.2, 10, 0.6, 15, 16 }, // the height ratio: 0.6 / 0.3
        FitRow { "Printer", 0.9, 0.2, 10, 0.45, 15, 12 }, // 0.45 / 0.3 = 1.5
        FitRow { "Printer", 0.9, 0.2, 1.3125, 10, 15, 10 }, // 10.5 rounds to even
        FitRow { "PictureBox", 0.9, 0.2, 2, 10, 15, 16 }));

TEST(TextRender, FontToFitThroughRender)
{
    auto card = makeCard(12, 12);
    auto text = textOn(*card, 0, 0, 2, 10, "Ann");
    text->setFontToFit(true);
    MeasuredSurface s("Printer", 0.9, 0.2);
    s.setScaleMode(Surface::vbInches);
    s.setDrawWidth(15);
    ASSERT_TRUE(renderOn(*text, *card, s));
    const auto sizes = calls(s, "FontSize");
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_DOUBLE_EQ(num(sizes[1], "value"), 16);
}

TEST(TextRender, MissingFontShowsMessageAndDrawsOn)
{
    ScriptedBoxScope boxes;
    auto card = makeCard();
    auto text = textOn(*card, 0.5f, 0.5f, 2, 0.5f, "Hello");
    text->setFontName("No Such Font Family 123");
    InchTrace s;
    ASSERT_TRUE(s.setFontName("DejaVu Sans"));
    ASSERT_TRUE(renderOn(*text, *card, s));
    ASSERT_EQ(boxes.box().asked().size(), 1u);
    const auto& asked = boxes.box().asked().front();
    EXPECT_EQ(asked.title, "Font Error");
    EXPECT_EQ(asked.prompt, "No Such Font Family 123 Font Not Found. Render Aborted");
    EXPECT_EQ(asked.style & 0x70, vbExclamation);
    const auto printed = calls(s, "Print");
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0].value("text").toString(), "Hello");
    EXPECT_EQ(printed[0].value("fontName").toString(), "DejaVu Sans") << "the surface's font is kept";
}

TEST(TextRender, StyleAndColourReachTheSurface)
{
    auto card = makeCard();
    auto text = textOn(*card, 0, 0, 2, 0.5f, "Ann");
    text->setBold(true);
    text->setItalic(true);
    text->setUnderline(true);
    text->setStrikethrough(true);
    text->setForeColor(0x0000FF);
    InchTrace s;
    ASSERT_TRUE(renderOn(*text, *card, s));
    EXPECT_TRUE(s.FontBold());
    EXPECT_TRUE(s.FontItalic());
    EXPECT_TRUE(s.FontUnderline());
    EXPECT_TRUE(s.FontStrikethru());
    EXPECT_EQ(calls(s, "Print").front().value("color").toInteger(), 0x0000FF);
}

TEST(TextRender, StaticAndDataTextsOrderTheirSettingsDifferently)
{
    auto card = makeCard();
    auto text = add<CTextObject>(*card, "Text");
    auto data = add<CDataObject>(*card, "Data");
    for (CTextObjectBase* o :
        { static_cast<CTextObjectBase*>(text.get()), static_cast<CTextObjectBase*>(data.get()) }) {
        place(*o, 0.5f, 0.5f, 2, 0.5f);
        o->setText("Ann");
        o->setBorder(1);
    }
    data->setDataFieldName("Name");

    InchTrace ts;
    ASSERT_TRUE(renderOn(*text, *card, ts));
    auto o = ops(ts);
    EXPECT_LT(indexOf(o, "FontName"), indexOf(o, "ForeColor"));
    EXPECT_LT(indexOf(o, "SetBkMode"), indexOf(o, "CurrentX"));
    EXPECT_LT(indexOf(o, "FontTransparent"), indexOf(o, "CurrentX"));
    EXPECT_EQ(indexOf(o, "FillStyle"), -1) << "a static text leaves the fill style alone";

    InchTrace ds;
    ASSERT_TRUE(renderOn(*data, *card, ds));
    o = ops(ds);
    EXPECT_LT(indexOf(o, "ForeColor"), indexOf(o, "FontName"));
    EXPECT_GT(indexOf(o, "FontTransparent"), indexOf(o, "CurrentY"));
    EXPECT_GT(indexOf(o, "SetBkMode"), indexOf(o, "CurrentY"));
    EXPECT_LT(indexOf(o, "SetBkMode"), indexOf(o, "Print"));
    const int fill = indexOf(o, "FillStyle");
    ASSERT_GE(fill, 0);
    EXPECT_EQ(calls(ds, "FillStyle").front().value("value").toInt(), Surface::vbFSTransparent);
    EXPECT_LT(fill, indexOf(o, "Line"));
}

struct AlignRow {
    qint16 alignment;
    qint16 border;
    double x;
    double y;
};

class TextAlignment : public ::testing::TestWithParam<AlignRow>
{
};

TEST_P(TextAlignment, StartAndOutlineCorrection)
{
    const auto row = GetParam();
    auto card = makeCard();
    card->setScalor(2);
    auto text = textOn(*card, 0.5f, 0.25f, 1, 0.25f, "Ann"); // box x 1..3, y 0.5..1 at scale 2
    text->setAlignment(row.alignment);
    text->setBorder(row.border);
    MeasuredSurface s("PictureBox", 0.5, 0.2);
    s.setScaleMode(Surface::vbInches);
    ASSERT_TRUE(renderOn(*text, *card, s, nullptr, 0.125f, 0.0625f));
    const auto printed = calls(s, "Print");
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_NEAR(num(printed[0], "x"), row.x + 0.125, 1e-6);
    EXPECT_NEAR(num(printed[0], "y"), row.y + 0.0625, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Rows, TextAlignment,
    ::testing::Values(AlignRow { 0, 0, 1.0, 0.5 }, AlignRow { 0, 2, 1.0 + d, 0.5 - d }, AlignRow { 1, 0, 2.5, 0.5 },
        AlignRow { 1, -2, 2.5 - d, 0.5 - d }, AlignRow { 2, 0, 1.75, 0.5 }, AlignRow { 2, 3, 1.75, 0.5 - d }));

TEST(TextRender, OpaqueBackgroundOutlineAndEmptyText)
{
    auto card = makeCard();
    auto text = textOn(*card, 0.5f, 0.25f, 1, 0.5f, "");
    text->setTransparent(false);
    text->setBackColor(0x00FFFF);
    text->setBorder(-2);
    InchTrace s;
    ASSERT_TRUE(renderOn(*text, *card, s, nullptr, 0.1f, 0));
    EXPECT_TRUE(prints(s).empty());
    EXPECT_EQ(indexOf(ops(s), "FontName"), -1);
    const auto lines = calls(s, "Line");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].value("kind").toString(), "FilledBox");
    EXPECT_EQ(lines[0].value("color").toInteger(), 0x00FFFF);
    EXPECT_EQ(lines[1].value("kind").toString(), "Box");
    EXPECT_EQ(lines[1].value("color").toInteger(), 0);
    EXPECT_NEAR(num(lines[1], "x1"), 0.6, 1e-6);
    EXPECT_NEAR(num(lines[1], "x2"), 1.6, 1e-6);
    EXPECT_EQ(calls(s, "DrawWidth").back().value("value").toInt(), 2);
}

TEST(TextRender, BarcodeTextIsEncodedAndFramed)
{
    auto card = makeCard();
    auto text = textOn(*card, 0, 0, 3, 0.5f, "  Ab12 ");
    text->setBarcode(true);
    text->setBarcodeTypeNumber(CTextObjectBase::Barcode128B);
    text->setBarcodePrefix("<");
    text->setBarcodePostfix(">");
    InchTrace s;
    ASSERT_TRUE(renderOn(*text, *card, s));
    EXPECT_EQ(prints(s), std::vector<QString> { "<" + CreateCode128B("Ab12") + ">" });

    text->setBarcodeTypeNumber(CTextObjectBase::Barcode3of9);
    text->setBarcodePrefix("*");
    text->setBarcodePostfix("*");
    s.clear();
    ASSERT_TRUE(renderOn(*text, *card, s));
    EXPECT_EQ(prints(s), std::vector<QString> { "*Ab12*" });
}

TEST(DataRender, TextComesFromPrintDataOrFieldName)
{
    auto card = makeCard();
    auto data = add<CDataObject>(*card, "Data");
    place(*data, 0.5f, 0.5f, 2, 0.5f);
    data->setDataFieldName("LastName");
    data->setBorder(1);

    InchTrace s;
    ASSERT_TRUE(renderOn(*data, *card, s));
    EXPECT_EQ(prints(s), std::vector<QString> { "LastName" }) << "no print data: the field name";

    auto values = std::make_shared<CPrintData>();
    values->Add("lastname", "Smith");
    s.clear();
    ASSERT_TRUE(renderOn(*data, *card, s, values));
    EXPECT_EQ(prints(s), std::vector<QString> { "Smith" });

    // A field the print data lacks: only the outline, and still drawn.
    auto other = std::make_shared<CPrintData>();
    other->Add("FirstName", "John");
    s.clear();
    EXPECT_TRUE(renderOn(*data, *card, s, other));
    EXPECT_TRUE(prints(s).empty());
    EXPECT_EQ(calls(s, "Line").size(), 1u);
    EXPECT_EQ(other->Count(), 1);

    // A picture is not text.
    auto withPicture = std::make_shared<CPrintData>();
    withPicture->Add("LastName", QVariant::fromValue(solidPicture(2, 2, qRgb(0, 0, 0))));
    s.clear();
    EXPECT_TRUE(renderOn(*data, *card, s, withPicture));
    EXPECT_TRUE(prints(s).empty());
}

TEST(DataRender, ComputedSizeZeroDrawsAtOne)
{
    auto card = makeCard();
    card->setScalor(0.1);
    auto data = add<CDataObject>(*card, "Data");
    auto text = add<CTextObject>(*card, "Text");
    for (CTextObjectBase* o :
        { static_cast<CTextObjectBase*>(data.get()), static_cast<CTextObjectBase*>(text.get()) }) {
        place(*o, 0, 0, 1, 1);
        o->setFontSize(4); // 0.4 rounds to 0
        o->setText("x");
    }
    data->setDataFieldName("x");
    TraceSurface ds("PictureBox"), ts("PictureBox");
    ASSERT_TRUE(renderOn(*data, *card, ds));
    ASSERT_TRUE(renderOn(*text, *card, ts));
    EXPECT_DOUBLE_EQ(num(calls(ds, "FontSize").front(), "value"), 1);
    EXPECT_DOUBLE_EQ(num(calls(ts, "FontSize").front(), "value"), 0) << "a static text has no such guard";
}

TEST(TextRender, SurfaceRefusalIsReportedAsRenderFailure)
{
    auto card = makeCard();
    auto text = textOn(*card, 0, 0, 1, 1, "x");
    text->setFontSize(-5); // a negative size is refused by the surface
    TraceSurface s("PictureBox");
    EXPECT_FALSE(renderOn(*text, *card, s));
    EXPECT_TRUE(card->Error()->lastLogLine().contains("Source: KYTPreview.CTextObject (8.1.3) Render"))
        << card->Error()->lastLogLine().toStdString();
    EXPECT_TRUE(card->Error()->lastLogLine().contains("Number: 380"));
    EXPECT_TRUE(prints(s).empty());

    auto data = add<CDataObject>(*card, "Data");
    place(*data, 0, 0, 1, 1);
    data->setDataFieldName("x");
    data->setBorder(-32768); // wider than any pen
    EXPECT_FALSE(renderOn(*data, *card, s));
    EXPECT_TRUE(card->Error()->lastLogLine().contains("Source: " + data->renderSource()))
        << card->Error()->lastLogLine().toStdString();
}

// A value the barcode cannot hold fails the object with the field, the value
// and the reason, instead of printing a card without its barcode. Without
// print data the field name is shown and nothing fails.
TEST(DataRender, UnencodableBarcodeValueFailsTheCard)
{
    struct Row {
        qint32 type;
        QString value;
        const char* reason; // empty: drawn
    } rows[] = {
        { CTextObjectBase::Barcode128C, "0042", "" },
        { CTextObjectBase::Barcode128C, "12AB", "Code 128 C holds only digits, not \"A\"" },
        { CTextObjectBase::Barcode128B, "Ab 12", "" },
        { CTextObjectBase::Barcode128B, QString::fromUtf8("Ren\xC3\xA9"), "Code 128 B" },
        { CTextObjectBase::Barcode128B, QString::fromUtf8("\xF0\x9F\x98\x80"), "U+1F600" },
        { CTextObjectBase::Barcode3of9, "AB-12", "" },
        { CTextObjectBase::Barcode3of9, "A_B", "Code 39" },
    };
    for (const Row& r : rows) {
        auto card = makeCard();
        auto data = add<CDataObject>(*card, "Data");
        place(*data, 0.2f, 0.2f, 2, 0.5f);
        data->setDataFieldName("BadgeNo");
        data->setBarcode(true);
        data->setBarcodeTypeNumber(r.type);
        auto values = std::make_shared<CPrintData>();
        values->Add("BadgeNo", r.value);
        values->Item("BadgeNo")->setvValue(r.value);
        InchTrace s;
        const bool ok = renderOn(*data, *card, s, values);
        const QString why = card->Error()->lastLogLine();
        if (!*r.reason) {
            EXPECT_TRUE(ok) << r.value.toStdString() << " " << why.toStdString();
            continue;
        }
        EXPECT_FALSE(ok) << r.value.toStdString();
        EXPECT_TRUE(prints(s).empty()) << r.value.toStdString();
        EXPECT_TRUE(why.contains(QStringLiteral("field \"BadgeNo\": the value \"%1\"").arg(r.value)))
            << why.toStdString();
        EXPECT_TRUE(why.contains(QString::fromUtf8(r.reason))) << why.toStdString();
        s.clear();
        EXPECT_TRUE(renderOn(*data, *card, s)) << "field name shown without data";
    }
}
