// Design objects: creation values, token strings written and read back,
// barcode settings.
#include <gtest/gtest.h>

#include "errors/CError.h"
#include "objects/CDataObject.h"
#include "objects/CLineObject.h"
#include "objects/CLogoObject.h"
#include "objects/CParseString.h"
#include "objects/CPhotoObject.h"
#include "objects/CRectangleObject.h"
#include "objects/CTextObject.h"
#include "objects/TokenFields.h"
#include "support/TestSupport.h"
#include "template/CPrintTemplate.h"
#include <QImage>

using namespace kyt;

namespace
{
// Joins fields, each followed by the delimiter.
QString fields(const QStringList& list)
{
    QString s;
    for (const QString& f : list)
        s += f + QChar(1);
    return s;
}
} // namespace

TEST(DesignObjectCreation, ModuleSourcesNameTheClass)
{
    EXPECT_EQ(CPhotoObject().moduleSource(), "KYTPreview.CPhotoObject (8.1.3)");
    EXPECT_EQ(CLogoObject().moduleSource(), "KYTPreview.CLogoObject (8.1.3)");
    EXPECT_EQ(CRectangleObject().moduleSource(), "KYTPreview.CRectangleObject (8.1.3)");
    EXPECT_EQ(CLineObject().moduleSource(), "KYTPreview.CLineObject (8.1.3)");
    EXPECT_EQ(CTextObject().moduleSource(), "KYTPreview.CTextObject (8.1.3)");
    // The data object's literal has no leading full stop.
    EXPECT_EQ(CDataObject().moduleSource(), "KYTPreviewCDataObject (8.1.3)");
    EXPECT_EQ(CTextObject().renderSource(), "KYTPreview.CTextObject (8.1.3) Render");
    EXPECT_EQ(CParseString().renderSource(), "CParseString Render");
}

TEST(TokenStringWrite, PhotoExample)
{
    CPhotoObject photo;
    photo.settop(0.5f);
    photo.setleft(0.25f);
    photo.setWidth(1.0f);
    photo.setHeight(1.25f);
    photo.setZOrder(2);
    photo.setBorder(0);
    photo.setStretchToFit(true);
    EXPECT_EQ(photo.TokenString(),
        QString("0.5\x01"
                "0.25\x01"
                "1\x01"
                "1.25\x01"
                "2\x01"
                "0\x01"
                "True\x01"));
}

TEST(TokenStringWrite, FieldOrderOfEveryClass)
{
    CLogoObject logo;
    logo.settop(1);
    logo.setleft(2);
    logo.setWidth(3);
    logo.setHeight(4);
    logo.setZOrder(5);
    logo.setIndex(6);
    logo.setBorder(-7);
    EXPECT_EQ(logo.TokenString(), fields({ "1", "2", "3", "4", "5", "6", "-7", "False" }));

    CRectangleObject rect;
    rect.settop(0.125f);
    rect.setZOrder(-1);
    rect.setBorder(3);
    rect.setBackColor(255);
    rect.setForeColor(16777215);
    EXPECT_EQ(rect.TokenString(), fields({ "0.125", "0", "0", "0", "-1", "3", "255", "16777215" }));

    CLineObject line;
    line.setWidth(2);
    line.setHeight(0.02f);
    line.setTokenString(fields({ "0", "0", "2", "0.02", "1", "65280" }));
    EXPECT_EQ(line.lineColor(), 65280);
    EXPECT_EQ(line.TokenString(), fields({ "0", "0", "2", "0.02", "1", "65280" }));

    CTextObject text;
    text.setText("Hello");
    text.setAlignment(2);
    text.setBarcode(true);
    text.setBarcodeTypeNumber(3);
    text.setBarcodePrefix("<");
    text.setBarcodePostfix(">");
    text.setFontToFit(true);
    text.setItalic(true);
    EXPECT_EQ(text.TokenString(),
        fields({ "0", "0", "0", "0", "0", "0", "2", "0", "0", "Hello", "False", "True", "False", "False", "Arial", "8",
            "True", "True", "3", "<", ">", "True" }));

    CDataObject data;
    data.setDataFieldName("LastName");
    data.setText("shown text");
    EXPECT_EQ(data.TokenString().split(QChar(1)).at(9), "LastName"); // field 10 is the field name
}

TEST(TokenStringWrite, SinglesUseFullStopAndShortestText)
{
    CRectangleObject rect;
    rect.settop(1.0f / 3.0f);
    rect.setleft(3.375f);
    rect.setWidth(-0.5f);
    rect.setHeight(12345678.0f);
    const QStringList f = rect.TokenString().split(QChar(1));
    EXPECT_EQ(f.at(0), "0.3333333");
    EXPECT_EQ(f.at(1), "3.375");
    EXPECT_EQ(f.at(2), "-0.5");
    EXPECT_EQ(f.at(3), "1.234568E+07");
}

TEST(TokenStringRead, TextObjectRoundTripLosesOnlyOuterBlanks)
{
    CTextObject a;
    a.settop(0.1f);
    a.setleft(0.2f);
    a.setWidth(2.5f);
    a.setHeight(0.3f);
    a.setZOrder(4);
    a.setBorder(-2);
    a.setAlignment(1);
    a.setBackColor(0x00FF00);
    a.setForeColor(0x0000FF);
    a.setText("  Visitor Pass ");
    a.setBold(true);
    a.setUnderline(true);
    a.setStrikethrough(true);
    a.setFontName("DejaVu Sans");
    a.setFontSize(14);
    a.setTransparent(false);
    a.setBarcode(true);
    a.setBarcodeTypeNumber(2);
    a.setBarcodePrefix("*");
    a.setBarcodePostfix("*");
    a.setFontToFit(true);

    // Every field comes back: the re-written token string matches, with only
    // the text's outer blanks gone.
    CTextObject b;
    b.setTokenString(a.TokenString());
    EXPECT_EQ(b.Text(), "Visitor Pass");
    EXPECT_FALSE(b.Italic());
    a.setText("Visitor Pass");
    EXPECT_EQ(b.TokenString(), a.TokenString());
}

TEST(TokenStringRead, EveryClassRoundTrips)
{
    CLogoObject logo;
    logo.setTokenString(fields({ "1.5", "0.25", "2", "1", "3", "2", "1", "True" }));
    CLogoObject logo2;
    logo2.setTokenString(logo.TokenString());
    EXPECT_EQ(logo2.TokenString(), logo.TokenString());
    EXPECT_EQ(logo2.Index(), 2);
    EXPECT_TRUE(logo2.StretchToFit());

    CRectangleObject rect;
    rect.setTokenString(fields({ "1", "1", "1", "1", "1", "-3", "-1", "123" }));
    EXPECT_EQ(rect.Border(), -3);
    EXPECT_EQ(rect.BackColor(), -1);
    EXPECT_EQ(rect.ForeColor(), 123);

    CParseString ps;
    const QString line = "  Name: {{LastName}}\r\n\x01 keep";
    ps.setTokenString(line);
    EXPECT_EQ(ps.TokenString(), line); // stored unchanged
}

TEST(TokenStringRead, EmptyTextIntoNewTextObject)
{
    CTextObject t;
    t.setText("old");
    t.setBarcodePrefix("p");
    t.setBarcodePostfix("q");
    t.setFontSize(12);
    t.setFontSize(8);
    t.setTokenString(QString());
    EXPECT_EQ(t.FontSize(), 8);
    EXPECT_TRUE(t.Transparent());
    EXPECT_EQ(t.Text(), "");
    EXPECT_EQ(t.FontName(), "");
    EXPECT_EQ(t.BarcodePrefix(), "");
    EXPECT_EQ(t.BarcodePostfix(), "");
    EXPECT_EQ(t.BarcodeTypeNumber(), 0);
}

TEST(TokenStringRead, UnconvertibleFieldKeepsValueAndReadingGoesOn)
{
    CRectangleObject rect;
    rect.settop(7.0f);
    rect.setZOrder(9);
    rect.setTokenString(fields({ "abc", "1.5", "", "2,5", "99999", "2", "x", "42" }));
    EXPECT_EQ(rect.top(), 7.0f); // "abc"
    EXPECT_EQ(rect.left(), 1.5f);
    EXPECT_EQ(rect.Width(), 0.0f); // empty field keeps 0
    EXPECT_EQ(rect.Height(), 2.5f); // comma accepted
    EXPECT_EQ(rect.ZOrder(), 9); // outside 16 bits
    EXPECT_EQ(rect.Border(), 2);
    EXPECT_EQ(rect.BackColor(), 0); // "x"
    EXPECT_EQ(rect.ForeColor(), 42);

    CPhotoObject photo;
    photo.setStretchToFit(true);
    photo.setTokenString(fields({ "1", "1", "1", "1", "2.5", "3.5", "maybe" }));
    EXPECT_EQ(photo.ZOrder(), 2); // halves to even
    EXPECT_EQ(photo.Border(), 4);
    EXPECT_TRUE(photo.StretchToFit());
}

struct FlagRow {
    const char* field;
    bool before;
    bool after;
};

class FlagField : public ::testing::TestWithParam<FlagRow>
{
};

TEST_P(FlagField, ReadsWordsAndNumbers)
{
    const FlagRow row = GetParam();
    CPhotoObject photo;
    photo.setStretchToFit(row.before);
    photo.setTokenString(fields({ "0", "0", "0", "0", "0", "0", row.field }));
    EXPECT_EQ(photo.StretchToFit(), row.after) << row.field;
}

INSTANTIATE_TEST_SUITE_P(Rows, FlagField,
    ::testing::Values(FlagRow { "True", false, true }, FlagRow { "FALSE", true, false },
        FlagRow { " False ", true, false }, FlagRow { "0", true, false }, FlagRow { "-1", false, true },
        FlagRow { "2.5", false, true }, FlagRow { "", true, true }, FlagRow { "", false, false },
        FlagRow { "yes", true, true }, FlagRow { "yes", false, false }));

struct BarcodeFieldRow {
    const char* field;
    qint32 type;
};

class BarcodeTypeField : public ::testing::TestWithParam<BarcodeFieldRow>
{
};

TEST_P(BarcodeTypeField, Field19)
{
    const BarcodeFieldRow row = GetParam();
    QStringList f = { "0", "0", "1", "1", "0", "0", "0", "0", "0", "T", "False", "False", "False", "False", "Arial",
        "8", "True", "True", row.field, "", "", "False" };
    CTextObject t;
    t.setBarcodeTypeNumber(77);
    t.setTokenString(fields(f));
    EXPECT_EQ(t.BarcodeTypeNumber(), row.type) << row.field;
}

INSTANTIATE_TEST_SUITE_P(Rows, BarcodeTypeField,
    ::testing::Values(BarcodeFieldRow { "3OF9", 1 }, BarcodeFieldRow { "3of9", 1 }, BarcodeFieldRow { "128", 2 },
        BarcodeFieldRow { "3", 3 }, BarcodeFieldRow { "", 0 }, BarcodeFieldRow { "128B", 0 },
        BarcodeFieldRow { "abc", 0 }, BarcodeFieldRow { "39", 39 }, BarcodeFieldRow { "128.25", 128 },
        BarcodeFieldRow { "0128", 128 }, BarcodeFieldRow { "127.6", 128 }));

// Field 19 of a token string read, written and read again: the type found by
// the first reading, and the text written for it.
struct BarcodeRoundTripRow {
    const char* field;
    qint32 type;
    const char* written;
};

class BarcodeTypeRoundTrip : public ::testing::TestWithParam<BarcodeRoundTripRow>
{
};

TEST_P(BarcodeTypeRoundTrip, WrittenTypeReadsBackTheSame)
{
    const BarcodeRoundTripRow row = GetParam();
    const QStringList f = { "0", "0", "1", "1", "0", "0", "0", "0", "0", "T", "False", "False", "False", "False",
        "Arial", "8", "True", "True", row.field, "", "", "False" };
    CTextObject text;
    CDataObject data;
    for (CTextObjectBase* o : { static_cast<CTextObjectBase*>(&text), static_cast<CTextObjectBase*>(&data) }) {
        o->setTokenString(fields(f));
        EXPECT_EQ(o->BarcodeTypeNumber(), row.type) << row.field;
        const QString once = o->TokenString();
        EXPECT_EQ(once.split(QChar(1)).value(18), QString::fromLatin1(row.written)) << row.field;
        o->setTokenString(once);
        EXPECT_EQ(o->BarcodeTypeNumber(), row.type) << row.field;
        EXPECT_EQ(o->TokenString(), once) << row.field;
    }
}

// The words read as valid types and are written as those types' numbers;
// a number that rounds to 128 is not the word "128" and keeps its value.
INSTANTIATE_TEST_SUITE_P(Rows, BarcodeTypeRoundTrip,
    ::testing::Values(BarcodeRoundTripRow { "128.25", 128, "0128" }, BarcodeRoundTripRow { "0128", 128, "0128" },
        BarcodeRoundTripRow { "128", 2, "2" }, BarcodeRoundTripRow { "3of9", 1, "1" },
        BarcodeRoundTripRow { "3", 3, "3" }, BarcodeRoundTripRow { "0", 0, "0" }, BarcodeRoundTripRow { "", 0, "0" },
        BarcodeRoundTripRow { "-128", -128, "-128" }, BarcodeRoundTripRow { "39", 39, "39" }));

TEST(BarcodeSettings, TypeSetAs128KeepsItThroughTokenString)
{
    CTextObject a;
    a.setBarcode(true);
    a.setBarcodeType("128");
    ASSERT_EQ(a.BarcodeTypeNumber(), 128);
    CTextObject b;
    b.setTokenString(a.TokenString());
    EXPECT_EQ(b.BarcodeTypeNumber(), 128);
}

TEST(TokenStringRead, MissingBarcodeFieldGivesNone)
{
    CTextObject t;
    t.setBarcodeTypeNumber(3);
    t.setTokenString(fields({ "1", "1" }));
    EXPECT_EQ(t.BarcodeTypeNumber(), 0);
}

TEST(TokenStringRead, DataObjectTextFollowsFieldName)
{
    CDataObject d;
    d.setText("something else");
    d.setTokenString(fields({ "0", "0", "1", "1", "0", "0", "0", "0", "0", " Badge No " }));
    EXPECT_EQ(d.DataFieldName(), "Badge No");
    EXPECT_EQ(d.Text(), d.DataFieldName());

    CTextObject t;
    t.setTokenString(fields({ "0", "0", "1", "1", "0", "0", "0", "0", "0", "Static" }));
    EXPECT_EQ(t.Text(), "Static");
}

TEST(TokenStringWrite, DelimiterInsideATextIsDropped)
{
    CTextObject a;
    a.setText(QString("A") + QChar(1) + "B");
    a.setFontName("Arial");
    CTextObject b;
    b.setTokenString(a.TokenString());
    EXPECT_EQ(b.Text(), "AB");
    EXPECT_EQ(b.FontName(), "Arial"); // later fields not shifted
    EXPECT_EQ(a.TokenString().count(QChar(1)), CTextObjectBase::FieldCount);
}

TEST(BarcodeSettings, ConvertBarcodeType)
{
    EXPECT_EQ(CTextObjectBase::convertBarcodeType(QString()), 0);
    EXPECT_EQ(CTextObjectBase::convertBarcodeType(QVariant()), 0);
    EXPECT_EQ(CTextObjectBase::convertBarcodeType("3of9"), 1);
    EXPECT_EQ(CTextObjectBase::convertBarcodeType("3OF9"), 1);
    EXPECT_EQ(CTextObjectBase::convertBarcodeType("39"), 1);
    EXPECT_EQ(CTextObjectBase::convertBarcodeType(39), 1);
    EXPECT_EQ(CTextObjectBase::convertBarcodeType("128"), 2);
    EXPECT_EQ(CTextObjectBase::convertBarcodeType("3"), 3);
    EXPECT_EQ(CTextObjectBase::convertBarcodeType(0), 0);
    EXPECT_EQ(test::errorNumberOf([&] { CTextObjectBase::convertBarcodeType("128B"); }), 13);
    EXPECT_THROW(CTextObjectBase::convertBarcodeType("40000"), KytError);
}

TEST(BarcodeSettings, BarcodeTypeAsText)
{
    CDataObject d;
    d.setBarcodeType("3");
    EXPECT_EQ(d.BarcodeTypeNumber(), 3);
    EXPECT_EQ(d.BarcodeType(), "3");
    EXPECT_THROW(d.setBarcodeType("3of9"), KytError);
    EXPECT_EQ(d.BarcodeType(), "3"); // unchanged after the failure
}

TEST(BarcodeSettings, BarcodeTextFramesEncodedText)
{
    CTextObject t;
    t.setBarcodePrefix("[");
    t.setBarcodePostfix("]");

    t.setBarcodeTypeNumber(0);
    EXPECT_EQ(t.BarcodeText("  ABC  "), "[ABC]");
    t.setBarcodeTypeNumber(1);
    EXPECT_EQ(t.BarcodeText(" *123* "), "[*123*]");

    // Code 128 B of ABC: start B (136), the text, check "!", stop (138).
    t.setBarcodeTypeNumber(2);
    const QString b = t.BarcodeText(" ABC ");
    EXPECT_EQ(b, QString("[") + QChar(0x02C6) + "ABC!" + QChar(0x0160) + "]");

    // Code 128 C of 1234: start C (137), ",", "B", check "r", stop.
    t.setBarcodeTypeNumber(3);
    EXPECT_EQ(t.BarcodeText("1234"), QString("[") + QChar(0x2030) + ",Br" + QChar(0x0160) + "]");
    // A text code set C cannot hold leaves only the frame.
    EXPECT_EQ(t.BarcodeText("12A4"), "[]");
}

struct FontRow {
    double size;
    double scalor;
    int expected;
};

class ScaledFont : public ::testing::TestWithParam<FontRow>
{
};

TEST_P(ScaledFont, HalvesRoundToEven)
{
    const FontRow r = GetParam();
    EXPECT_EQ(CTextObjectBase::ScaledFontSize(r.size, r.scalor), r.expected) << r.size << " x " << r.scalor;
}

INSTANTIATE_TEST_SUITE_P(Rows, ScaledFont,
    ::testing::Values(FontRow { 9, 1.5, 14 }, FontRow { 7, 2.5, 18 }, FontRow { 8, 1, 8 }, FontRow { 5, 0.5, 2 },
        FontRow { 3, 0.5, 2 }, FontRow { 10, 0.26, 3 }, FontRow { 8, 0, 0 }, FontRow { 32767, 10, 32767 }));

TEST(ScaledBox, ScalesPositionWithTemplateOffsets)
{
    CRectangleObject r;
    test::place(r, 1.0f, 0.5f, 2.0f, 0.25f);
    const auto box = r.scaledBox(2.0, 0.25f, -0.5f);
    EXPECT_DOUBLE_EQ(box.X, 2.5);
    EXPECT_DOUBLE_EQ(box.Y, 0.0);
    EXPECT_DOUBLE_EQ(box.W, 4.0);
    EXPECT_DOUBLE_EQ(box.H, 0.5);

    CPrintTemplate t;
    t.setScalor(1.5);
    t.setXOffset(0.5f);
    const auto tb = r.scaledBox(t);
    EXPECT_DOUBLE_EQ(tb.X, 2.25);
    EXPECT_DOUBLE_EQ(tb.Y, 0.75);
    EXPECT_DOUBLE_EQ(tb.W, 3.0);
}
