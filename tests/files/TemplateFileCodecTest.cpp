// The file's building blocks on their own: header word, type fields,
// lengths, record texts, the template record's write patterns and reading
// rules, and a reader that refuses lengths it cannot satisfy.
#include <gtest/gtest.h>

#include "errors/CError.h"
#include "files/FileTestSupport.h"
#include "support/TestSupport.h"
#include "template/TemplateFileCodec.h"

using namespace kyt;
using namespace kyt::tplfile;
using kyt::test::errorNumberOf;
using kyt::test::le32;

TEST(TemplateFileCodec, HeaderWordAndTypeFields)
{
    EXPECT_EQ(headerWord(), QByteArray("KyTID00081"));
    EXPECT_EQ(typeField("Rectangle"), QByteArray("Rectangle "));
    EXPECT_EQ(typeField("Logo"), QByteArray("Logo      "));
    EXPECT_EQ(typeField("ParseString"), QByteArray("ParseStrin"));
    EXPECT_EQ(typeField(QString()), QByteArray(10, ' '));
    EXPECT_EQ(typeField(QStringLiteral("Caf\u00e9")), QByteArray("Caf\xe9      ")); // Windows-1252
    EXPECT_EQ(recordText({ "1", "BMP" }),
        QString("1\x01"
                "BMP\x01\r\n"));
    EXPECT_EQ(recordText({}), QString("\r\n"));
}

TEST(TemplateFileCodec, TemplateRecordWritePatterns)
{
    TemplateRecord r;
    r.Width = 3.375;
    r.Height = 2.125;
    r.Scalor = 1;
    r.Orientation = 2;
    r.objectCount = 12;
    r.backgroundNumber = 1;
    r.BackgroundColor = 16777215;
    r.TargetApplication = "KYT.Badges";
    r.Duplex = true;
    EXPECT_EQ(makeTemplateRecord(r),
        QString("3.375\x01"
                "2.125\x01"
                "001.000\x01"
                "2\x01"
                "12\x01"
                "1\x01"
                "16777215\x01"
                "KYT.Badges\x01"
                "-1\x01\r\n"));

    TemplateRecord empty;
    empty.Width = 2.0004;
    empty.Scalor = 0.5;
    EXPECT_EQ(makeTemplateRecord(empty),
        QString("2.000\x01"
                "0.000\x01"
                "000.500\x01"
                "0\x01"
                "0\x01\x01"
                "-1\x01\x01"
                "0\x01\r\n"));

    // A separator in the target name would shift the duplex field.
    TemplateRecord odd;
    odd.TargetApplication = QString("A\x01"
                                    "B");
    odd.Duplex = true;
    EXPECT_TRUE(parseTemplateRecord(makeTemplateRecord(odd)).Duplex);
    EXPECT_EQ(parseTemplateRecord(makeTemplateRecord(odd)).TargetApplication, "AB");
}

TEST(TemplateFileCodec, TemplateRecordReadingRules)
{
    struct Row {
        const char* text;
        double scalor;
        int orientation;
        int count;
        int background;
        int color;
        bool duplex;
    } rows[] = {
        { "3.375\x01"
          "2.125\x01"
          "000.000\x01"
          "1\x01"
          "0\x01\x01"
          "\x01\x01"
          "0\x01\r\n",
            1, 1, 0, 0, -1, false },
        { "3.375\x01"
          "2.125\x01"
          "002.500\x01"
          "2\x01"
          "4\x01"
          "1\x01"
          "abc\x01"
          "x\x01"
          "-1\x01\r\n",
            2.5, 2, 4, 1, -1, true },
        { " 3,375 \x01"
          "2\x01"
          "1\x01"
          "1.6\x01"
          "3\x01"
          " 2 \x01"
          "255\x01\x01"
          "5\x01",
            1, 2, 3, 2, 255, true },
        { "1\x01"
          "1\x01"
          "1\x01"
          "0\x01"
          "0\x01\x01"
          "4294967295\x01\x01"
          "True\x01",
            1, 0, 0, 0, -1, true },
        { "1\x01"
          "1\x01"
          "1\x01"
          "0\x01"
          "0\x01\x01"
          "4278190080\x01\x01"
          "False\x01",
            1, 0, 0, 0, int(0xFF000000), false },
        { "1\x01"
          "1\x01"
          "1\x01"
          "0\x01"
          "0",
            1, 0, 0, 0, -1, false }, // fields 6-9 missing
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const TemplateRecord r = parseTemplateRecord(QString::fromLatin1(row.text));
        EXPECT_DOUBLE_EQ(r.Scalor, row.scalor);
        EXPECT_EQ(r.Orientation, row.orientation);
        EXPECT_EQ(r.objectCount, row.count);
        EXPECT_EQ(r.backgroundNumber, row.background);
        EXPECT_EQ(r.BackgroundColor, row.color);
        EXPECT_EQ(r.Duplex, row.duplex);
    }
    const TemplateRecord r = parseTemplateRecord(QString::fromLatin1(rows[1].text));
    EXPECT_DOUBLE_EQ(r.Width, 3.375);
    EXPECT_DOUBLE_EQ(r.Height, 2.125);
    EXPECT_EQ(r.TargetApplication, "x");

    // Fields that must be numbers.
    const char* bad[] = {
        "",
        "x\x01"
        "1\x01"
        "1\x01"
        "0\x01"
        "0\x01",
        "1\x01"
        "1\x01"
        "1\x01"
        "0\x01"
        "-1\x01", // negative count
        "1\x01"
        "1\x01"
        "1\x01"
        "0\x01"
        "9e99\x01", // count out of range
        "1\x01"
        "1\x01"
        "1\x01"
        "70000\x01"
        "0\x01", // orientation out of 16 bits
        "1\x01"
        "1\x01"
        "1\x01"
        "0\x01"
        "0\x01"
        "?\x01", // background number
        "inf\x01"
        "1\x01"
        "1\x01"
        "0\x01"
        "0\x01",
    };
    for (const char* text : bad)
        EXPECT_EQ(errorNumberOf([&] { parseTemplateRecord(QString::fromLatin1(text)); }), ErrBadFormat) << text;
}

TEST(TemplateFileCodec, WriterLayoutIsByteExact)
{
    TemplateFileWriter w;
    w.writeHeader("1\x01\r\n");
    w.writeObject("Rectangle", "x\x01\r\n");
    w.writePicture(2, "BMP", QByteArray("BM12"));
    const QByteArray expected = QByteArray("KyTID00081") + le32(4) + "1\x01\r\n" + "Rectangle " + le32(4) + "x\x01\r\n"
        + "Logo      " + le32(8)
        + "2\x01"
          "BMP\x01\r\n"
        + le32(4) + "BM12";
    EXPECT_EQ(w.bytes(), expected);
}

TEST(TemplateFileCodec, ReaderFollowsTheRecords)
{
    TemplateFileWriter w;
    w.writeHeader("t\x01\r\n");
    w.writeObject("Data", QStringLiteral("\u20ac\x01\r\n")); // euro sign: one byte, 0x80
    w.writePicture(7, "BMPX", QByteArray("\x00\x01\x02", 3));
    TemplateFileReader r(w.bytes());
    ASSERT_TRUE(r.readHeader());
    EXPECT_EQ(r.readTemplateRecord(), "t\x01\r\n");
    const auto obj = r.readObjectRecord();
    EXPECT_EQ(obj.type, "Data");
    EXPECT_EQ(obj.text, QStringLiteral("\u20ac\x01\r\n"));
    const auto pic = r.readPictureRecord();
    EXPECT_EQ(pic.number, 7);
    EXPECT_EQ(pic.kind, "BMP");
    EXPECT_EQ(pic.bytes.toByteArray(), QByteArray("\x00\x01\x02", 3));
    EXPECT_EQ(r.remaining(), 0);
}

TEST(TemplateFileCodec, HeaderWordRules)
{
    struct Row {
        QByteArray bytes;
        bool accepted;
        bool throws;
    } rows[] = {
        { "KyTID00081", true, false }, { "KYTID00081", true, false }, { "kytid00003", true, false },
        { "KyTID    3", true, false }, { "KyTID00002", false, false }, { "KyTID     ", false, false },
        { "KyTID0008x", false, false }, { "KyXID00081", false, false }, { "", false, false }, { "BM", false, false },
        { "KyTID00", false, true }, // a template file cut inside its header word
    };
    for (const Row& row : rows) {
        TemplateFileReader r(row.bytes);
        bool accepted = false;
        const qint32 err = errorNumberOf([&] { accepted = r.readHeader(); });
        EXPECT_EQ(accepted, row.accepted) << row.bytes.constData();
        EXPECT_EQ(err != 0, row.throws) << row.bytes.constData();
    }
}

TEST(TemplateFileCodec, LengthsAreCheckedBeforeReading)
{
    const QByteArray head = "KyTID00081";
    struct Row {
        const char* name;
        QByteArray bytes;
        int step; // 0 template record, 1 object record, 2 picture record
        qint32 error;
    } rows[] = {
        { "negative record length", head + le32(-1) + "abc", 0, ErrBadFormat },
        { "length past end", head + le32(1000) + "abc", 0, ErrPastEnd },
        { "huge length", head + le32(0x7FFFFFFF), 0, ErrPastEnd },
        { "length cut short", head + QByteArray("\x02\x00", 2), 0, ErrPastEnd },
        { "object type field cut", head + le32(0) + "Data", 1, ErrPastEnd },
        { "object negative length", head + le32(0) + "Data      " + le32(-5) + "12345", 1, ErrBadFormat },
        { "object length past end", head + le32(0) + "Data      " + le32(6) + "12345", 1, ErrPastEnd },
        { "picture without number", head + le32(0) + "Logo      " + le32(3) + "x\x01\x01" + le32(0), 2, ErrBadFormat },
        { "picture data past end", head + le32(0) + "Logo      " + le32(2) + "1\x01" + le32(100) + "BM", 2,
            ErrPastEnd },
        { "picture data negative", head + le32(0) + "Logo      " + le32(2) + "1\x01" + le32(-100), 2, ErrBadFormat },
    };
    for (const Row& row : rows) {
        TemplateFileReader r(row.bytes);
        const qint32 err = errorNumberOf([&] {
            ASSERT_TRUE(r.readHeader());
            r.readTemplateRecord();
            if (row.step == 1)
                r.readObjectRecord();
            if (row.step == 2)
                r.readPictureRecord();
        });
        EXPECT_EQ(err, row.error) << row.name;
    }
    try {
        TemplateFileReader r(head + le32(1000) + "abc");
        r.readHeader();
        r.readTemplateRecord();
        FAIL() << "no error";
    } catch (const KytError& e) {
        EXPECT_TRUE(e.description().contains("1000")) << qPrintable(e.description());
        EXPECT_TRUE(e.description().contains("template record")) << qPrintable(e.description());
    }
}
