// Whole templates through the binary file: round trips, the exact bytes of a
// small file, header and field rules, picture numbering, damaged and
// truncated files, atomic saving and parse strings.
#include <gtest/gtest.h>

#include "errors/ModuleSource.h"
#include "files/FileTestSupport.h"
#include "objects/CParseString.h"
#include "objects/CRectangleObject.h"
#include "objects/CTextObjectBase.h"
#include "template/TemplateFileCodec.h"
#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>
#include <sys/stat.h>

using namespace kyt;
using namespace kyt::test;

namespace
{

const QString ReadSource = moduleSource(".CPrintTemplate (") + QStringLiteral("ReadBinaryTemplateFile");
const QString SaveSource = moduleSource(".CPrintTemplate (") + QStringLiteral(" SaveTemplatetoBinaryFile");

QString sourceOf(const QString& logLine)
{
    const qsizetype a = logLine.indexOf(QLatin1String("|Source: ")) + 9;
    return logLine.mid(a, logLine.indexOf(QLatin1String("|Type:")) - a);
}

std::shared_ptr<CPrintTemplate> freshTemplate(const ReportLog& log)
{
    auto t = std::make_shared<CPrintTemplate>();
    t->setError(log.error);
    return t;
}

QByteArray fileBytes(CPrintTemplate& t, const QTemporaryDir& dir, const QString& name = QStringLiteral("t.tpl"))
{
    const QString path = dir.filePath(name);
    EXPECT_TRUE(t.SaveFile(path));
    return readBytes(path);
}

// A small file assembled by hand: page record fields and two objects.
const QByteArray RectToken = "0.25\x01"
                             "0.5\x01"
                             "1.5\x01"
                             "0.75\x01"
                             "2\x01"
                             "1\x01"
                             "255\x01"
                             "0\x01\r\n";
const QByteArray TextToken = "1\x01"
                             "1\x01"
                             "1\x01"
                             "1\x01"
                             "1\x01"
                             "0\x01"
                             "0\x01"
                             "0\x01"
                             "0\x01"
                             "Hi\x01\r\n";

QByteArray handMadeFile(const QString& scalorField, const QString& colorField, const QByteArray& header = "KyTID00081",
    const QByteArray& countField = "2", const QByteArray& backgroundField = "")
{
    const QByteArray record = "3.375\x01"
                              "2.125\x01"
        + scalorField.toLatin1()
        + "\x01"
          "1\x01"
        + countField + "\x01" + backgroundField + "\x01" + colorField.toLatin1()
        + "\x01"
          "KYT.App\x01"
          "0\x01\r\n";
    return header + le32(record.size()) + record + "Rectangle " + le32(RectToken.size()) + RectToken + "Text      "
        + le32(TextToken.size()) + TextToken;
}

} // namespace

TEST(TemplateFile, RoundTripKeepsEverything)
{
    ReportLog log;
    QTemporaryDir dir;
    auto original = richTemplate(log.error);
    const QByteArray first = fileBytes(*original, dir);
    ASSERT_EQ(log.count(), 0) << qPrintable(log.last());

    auto back = freshTemplate(log);
    ASSERT_TRUE(back->ReadFile(dir.filePath("t.tpl"))) << qPrintable(log.last());
    EXPECT_EQ(log.count(), 0);
    const auto& a = original->fields();
    const auto& b = back->fields();
    EXPECT_DOUBLE_EQ(b.Width, a.Width);
    EXPECT_DOUBLE_EQ(b.Height, a.Height);
    EXPECT_DOUBLE_EQ(b.Scalor, a.Scalor);
    EXPECT_EQ(b.Orientation, a.Orientation);
    EXPECT_EQ(b.BackgroundColor, a.BackgroundColor);
    EXPECT_EQ(b.TargetApplication, a.TargetApplication);
    EXPECT_EQ(b.Duplex, a.Duplex);
    EXPECT_TRUE(samePixels(b.Picture, a.Picture));
    ASSERT_EQ(back->Count(), original->Count());
    for (int i = 1; i <= original->Count(); ++i) {
        const auto x = original->Item(i);
        const auto y = back->Item(i);
        EXPECT_EQ(y->ObjectType(), x->ObjectType()) << i;
        EXPECT_EQ(y->Name(), x->Name()) << i;
        EXPECT_EQ(y->TokenString(), x->TokenString()) << i;
        if (auto lx = std::dynamic_pointer_cast<CLogoObject>(x)) {
            auto ly = std::dynamic_pointer_cast<CLogoObject>(y);
            ASSERT_TRUE(ly);
            EXPECT_TRUE(samePixels(ly->Image(), lx->Image())) << i;
            EXPECT_EQ(ly->ImageType(), "BMP");
        }
    }
    // Reading and saving again gives the same bytes.
    EXPECT_EQ(fileBytes(*back, dir, "again.tpl"), first);
    EXPECT_FALSE(back->DataChanged());
}

TEST(TemplateFile, SmallFileByteExact)
{
    ReportLog log;
    QTemporaryDir dir;
    auto t = freshTemplate(log);
    t->fields().Width = 3.375;
    t->fields().Height = 2.125;
    t->fields().Orientation = 1;
    const auto rect = t->AddObject("Rectangle");
    rect->setTokenString(QString::fromLatin1(RectToken.chopped(2))); // without its line end
    const QByteArray record = "3.375\x01"
                              "2.125\x01"
                              "001.000\x01"
                              "1\x01"
                              "1\x01\x01"
                              "-1\x01\x01"
                              "0\x01\r\n";
    const QByteArray expected
        = "KyTID00081" + le32(record.size()) + record + "Rectangle " + le32(RectToken.size()) + RectToken;
    EXPECT_EQ(fileBytes(*t, dir), expected);
}

TEST(TemplateFile, HeaderFieldAndTypeRules)
{
    // The header word's own rules are pinned at the codec; here: a refusal is
    // silent and clears what the template held before.
    ReportLog log;
    QTemporaryDir dir;
    const QString path = dir.filePath("h.tpl");
    struct Row {
        const char* name;
        QByteArray bytes;
        bool read;
    } rows[] = {
        { "as written", handMadeFile("000.000", ""), true },
        { "version 2", handMadeFile("001.000", "255", "KyTID00002"), false },
        { "empty file", QByteArray(), false },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto t = freshTemplate(log);
        t->AddObject("Photo");
        ASSERT_TRUE(writeBytes(path, row.bytes));
        const int before = log.count();
        EXPECT_EQ(t->ReadFile(path), row.read);
        EXPECT_EQ(log.count(), before) << qPrintable(log.last());
        EXPECT_EQ(t->Count(), row.read ? 2 : 0);
    }

    // Field 3 zero reads as 1, field 7 empty as -1; the "Rectangle" type
    // field (with its padding blank) makes a rectangle.
    auto t = freshTemplate(log);
    ASSERT_TRUE(writeBytes(path, handMadeFile("000.000", "")));
    ASSERT_TRUE(t->ReadFile(path));
    EXPECT_DOUBLE_EQ(t->Scalor(), 1);
    EXPECT_EQ(t->BackgroundColor(), -1);
    EXPECT_EQ(t->TargetApplication(), "KYT.App");
    const auto r = t->Item(1);
    EXPECT_EQ(r->Name(), "Rectangle1");
    ASSERT_TRUE(std::dynamic_pointer_cast<CRectangleObject>(r));
    EXPECT_FLOAT_EQ(r->left(), 0.5f);
    EXPECT_EQ(t->Item(2)->Name(), "Text1");
    EXPECT_FALSE(t->DataChanged());

    // Only templates read and save files.
    auto other = freshTemplate(log);
    other->setTemplateType("Badge");
    EXPECT_FALSE(other->ReadFile(path));
    EXPECT_EQ(other->Count(), 0);
    EXPECT_FALSE(other->SaveFile(dir.filePath("other.tpl")));
    EXPECT_FALSE(QFile::exists(dir.filePath("other.tpl")));
}

TEST(TemplateFile, PictureNumbering)
{
    ReportLog log;
    QTemporaryDir dir;
    auto t = richTemplate(log.error);
    const QByteArray bytes = fileBytes(*t, dir);
    // Logos stored Index 7 and 9; saving numbers the pictures 1 (background), 2, 3.
    EXPECT_EQ(t->Item("Logo1")->Index(), 2);
    EXPECT_EQ(t->Item("Logo2")->Index(), 3);

    tplfile::TemplateFileReader r(bytes);
    ASSERT_TRUE(r.readHeader());
    const tplfile::TemplateRecord rec = tplfile::parseTemplateRecord(r.readTemplateRecord());
    EXPECT_EQ(rec.backgroundNumber, 1);
    ASSERT_EQ(rec.objectCount, t->Count());
    for (int i = 0; i < rec.objectCount; ++i)
        r.readObjectRecord();
    for (int expected = 1; expected <= 3; ++expected) {
        const auto pic = r.readPictureRecord();
        EXPECT_EQ(pic.number, expected);
        EXPECT_EQ(pic.kind, "BMP");
        EXPECT_TRUE(pic.bytes.startsWith("BM"));
    }
    EXPECT_EQ(r.remaining(), 0);

    // Without background and logos: no picture records and an empty field 6.
    auto plain = freshTemplate(log);
    plain->AddObject("Text");
    const QByteArray plainBytes = fileBytes(*plain, dir, "plain.tpl");
    tplfile::TemplateFileReader pr(plainBytes);
    ASSERT_TRUE(pr.readHeader());
    EXPECT_TRUE(pr.readTemplateRecord().contains(QLatin1String("\x01"
                                                               "1\x01\x01"
                                                               "-1\x01")));
    pr.readObjectRecord();
    EXPECT_EQ(pr.remaining(), 0);
}

TEST(TemplateFile, EveryTruncationFailsCleanly)
{
    ReportLog log;
    QTemporaryDir dir;
    auto source = richTemplate(log.error);
    source->CreateParseString("Name: {{LastName}}\r\n");
    const QByteArray bytes = fileBytes(*source, dir);
    ASSERT_EQ(log.count(), 0);

    // Where a cut still leaves a readable file: after the pictures (the
    // parse string follows, and trailing bytes shorter than a type field
    // are ignored as they always were).
    tplfile::TemplateFileReader r(bytes);
    r.readHeader();
    r.readTemplateRecord();
    for (int i = 0; i < source->Count() - 1; ++i)
        r.readObjectRecord();
    for (int i = 0; i < 3; ++i)
        r.readPictureRecord();
    const qint64 afterPictures = r.position();

    for (qsizetype cut = 0; cut < bytes.size(); ++cut) {
        auto t = freshTemplate(log);
        const int before = log.count();
        const bool ok = t->readBinaryTemplate(bytes.left(cut));
        const bool readable = cut >= afterPictures && cut < afterPictures + tplfile::TypeFieldSize;
        ASSERT_EQ(ok, readable) << "cut at " << cut;
        if (!ok && cut >= 5) {
            ASSERT_EQ(log.count(), before + 1) << "cut at " << cut;
            ASSERT_EQ(sourceOf(log.last()), ReadSource);
        }
        ASSERT_LE(t->Count(), source->Count());
    }
    auto whole = freshTemplate(log);
    EXPECT_TRUE(whole->readBinaryTemplate(bytes));
    EXPECT_EQ(whole->Count(), source->Count());
}

TEST(TemplateFile, DamagedFilesAreReportedAndKeepWhatWasRead)
{
    ReportLog log;
    const QByteArray good = handMadeFile("001.000", "255");
    struct Row {
        const char* name;
        QByteArray bytes;
        int objectsKept;
        qint32 number;
    } rows[] = {
        { "unknown object type", QByteArray(good).replace("Text      ", "Circle    "), 1,
            tplfile::ErrUnknownObjectType },
        { "count larger than the file", handMadeFile("1", "1", "KyTID00081", "2000000000"), 2, tplfile::ErrPastEnd },
        { "negative object length",
            QByteArray(good).replace("Text      " + le32(TextToken.size()), "Text      " + le32(-20)), 1,
            tplfile::ErrBadFormat },
        { "object length past the end",
            QByteArray(good).replace("Text      " + le32(TextToken.size()), "Text      " + le32(0x7FFFFFF0)), 1,
            tplfile::ErrPastEnd },
        { "background picture missing", handMadeFile("1", "1", "KyTID00081", "2", "1"), 2, tplfile::ErrPastEnd },
        { "broken picture bytes",
            handMadeFile("1", "1", "KyTID00081", "2", "1") + "Logo      " + le32(6)
                + "1\x01"
                  "BMP\x01"
                + le32(6) + "BMxxxx",
            2, tplfile::ErrBadPicture },
        { "page record not numeric", QByteArray(good).replace("3.375\x01", "3.3x5\x01"), 0, tplfile::ErrBadFormat },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto t = freshTemplate(log);
        const int before = log.count();
        EXPECT_FALSE(t->readBinaryTemplate(row.bytes));
        ASSERT_EQ(log.count(), before + 1);
        EXPECT_EQ(sourceOf(log.last()), ReadSource);
        EXPECT_TRUE(log.last().contains(QStringLiteral("|Number: %1|").arg(row.number))) << qPrintable(log.last());
        EXPECT_EQ(t->Count(), row.objectsKept);
    }
}

// Callers show only the report's description, so a damaged file's report
// names the file, after the kind of failure and with its number kept.
TEST(TemplateFile, DamagedFileReportsNameTheFile)
{
    ReportLog log;
    QTemporaryDir dir;
    const QByteArray good = handMadeFile("001.000", "255");
    struct Row {
        const char* name;
        QByteArray bytes;
        qint32 number;
        const char* kind;
    } rows[] = {
        { "cut short", good.left(good.size() - 5), tplfile::ErrPastEnd, "Input past end of file: " },
        { "page record not numeric", QByteArray(good).replace("3.375\x01", "3.3x5\x01"), tplfile::ErrBadFormat,
            "Invalid file format: " },
        { "unknown object type", QByteArray(good).replace("Text      ", "Circle    "), tplfile::ErrUnknownObjectType,
            "" },
    };
    const QString path = dir.filePath(QStringLiteral("front desk.tpl"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(writeBytes(path, row.bytes));
        auto t = freshTemplate(log);
        const int before = log.count();
        EXPECT_FALSE(t->ReadFile(path));
        ASSERT_EQ(log.count(), before + 1);
        EXPECT_TRUE(log.last().contains(QStringLiteral("|Number: %1|").arg(row.number))) << qPrintable(log.last());
        EXPECT_TRUE(log.last().contains(QStringLiteral("|Message: %1%2: ").arg(QLatin1String(row.kind), path)))
            << qPrintable(log.last());
    }
}

TEST(TemplateFile, FilesThatCannotBeRead)
{
    ReportLog log;
    QTemporaryDir dir;
    auto t = freshTemplate(log);
    EXPECT_FALSE(t->ReadFile(dir.filePath("missing.tpl")));
    EXPECT_TRUE(log.last().contains("|Number: 53|")) << qPrintable(log.last());
    EXPECT_EQ(sourceOf(log.last()), ReadSource);
    EXPECT_FALSE(t->ReadFile(dir.path()));
    EXPECT_TRUE(log.last().contains("|Number: 75|")) << qPrintable(log.last());

    // A file claiming to be huge is refused before it is read (sparse file:
    // no disk space used).
    const QString huge = dir.filePath("huge.tpl");
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(handMadeFile("001.000", "1"));
        ASSERT_TRUE(f.resize(tplfile::MaxFileSize + 1));
    }
    EXPECT_FALSE(t->ReadFile(huge));
    EXPECT_TRUE(log.last().contains("|Number: 7|")) << qPrintable(log.last());
    EXPECT_EQ(t->Count(), 0);

    // A named pipe would block the open until someone writes to it; a
    // device may never end. Both are refused without being opened.
    const QString fifo = dir.filePath("pipe.tpl");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(t->ReadFile(fifo));
    EXPECT_TRUE(log.last().contains("|Number: 75|")) << qPrintable(log.last());
    const int before = t->Count();
    t->ReadSerialTextFile(fifo);
    EXPECT_TRUE(log.last().contains("|Number: 75|")) << qPrintable(log.last());
    EXPECT_EQ(t->Count(), before);
    if (QFileInfo::exists("/dev/zero")) {
        EXPECT_FALSE(t->ReadFile("/dev/zero"));
        EXPECT_TRUE(log.last().contains("|Number: 75|")) << qPrintable(log.last());
    }
}

TEST(TemplateFile, TextKeepsTabsAndLineBreaksThroughAFile)
{
    ReportLog log;
    QTemporaryDir dir;
    auto t = freshTemplate(log);
    auto text = t->AddObject("Text");
    auto* obj = static_cast<CTextObjectBase*>(text.get());
    obj->setText(QStringLiteral("\tA\r\nB"));
    obj->setBarcodePostfix(QStringLiteral("  *  "));
    fileBytes(*t, dir);
    auto back = freshTemplate(log);
    ASSERT_TRUE(back->ReadFile(dir.filePath("t.tpl")));
    auto* read = static_cast<CTextObjectBase*>(back->Item(1).get());
    EXPECT_EQ(read->Text(), QStringLiteral("\tA\r\nB"));
    EXPECT_EQ(read->BarcodePostfix(), QStringLiteral("*")); // blanks alone are trimmed
}

TEST(TemplateFile, FailedSaveLeavesTheOldFile)
{
    ReportLog log;
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.tpl");
    auto t = richTemplate(log.error);
    ASSERT_TRUE(t->SaveFile(path));
    const QByteArray old = readBytes(path);
    t->setDataChanged(true);

    // A logo without a picture stops the save after the page record and
    // some objects were already encoded.
    auto broken = richTemplate(log.error);
    std::dynamic_pointer_cast<CLogoObject>(broken->Item("Logo2"))->setImage(Picture());
    broken->setDataChanged(true);
    EXPECT_FALSE(broken->SaveFile(path));
    EXPECT_EQ(sourceOf(log.last()), SaveSource);
    EXPECT_TRUE(log.last().contains("Logo2")) << qPrintable(log.last());
    EXPECT_EQ(readBytes(path), old);
    EXPECT_TRUE(broken->Dirty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "keep.tpl" })
        << "no temporary left";

    // A folder that does not exist.
    EXPECT_FALSE(t->SaveFile(dir.filePath("no/such/folder/x.tpl")));
    EXPECT_EQ(sourceOf(log.last()), SaveSource);
    EXPECT_TRUE(t->Dirty());
    // A successful save clears the dirty flag; the history stays.
    EXPECT_TRUE(t->SaveFile(path));
    EXPECT_FALSE(t->Dirty());
    EXPECT_TRUE(t->DataChanged());
    EXPECT_EQ(readBytes(path), old);
}

TEST(TemplateFile, ParseStringsFollowThePictures)
{
    ReportLog log;
    QTemporaryDir dir;
    auto t = richTemplate(log.error);
    const QString line = QStringLiteral("Name: {{LastName}}, {{FirstName,1}}.\r\nCompany: {{Company}}");
    t->CreateParseString(line);
    const QByteArray bytes = fileBytes(*t, dir);

    // What a reader that does not know parse strings sees: the counted
    // objects and all pictures; the parse string comes after them.
    tplfile::TemplateFileReader r(bytes);
    ASSERT_TRUE(r.readHeader());
    const auto rec = tplfile::parseTemplateRecord(r.readTemplateRecord());
    EXPECT_EQ(rec.objectCount, t->Count() - 1);
    for (int i = 0; i < rec.objectCount; ++i)
        EXPECT_NE(r.readObjectRecord().type, "ParseStrin");
    for (int i = 0; i < 3; ++i)
        r.readPictureRecord();
    const auto ps = r.readObjectRecord();
    EXPECT_EQ(ps.type, "ParseStrin");
    EXPECT_EQ(ps.text, line + "\r\n");
    EXPECT_EQ(r.remaining(), 0);

    // This reader takes it up again, text unchanged.
    auto back = freshTemplate(log);
    ASSERT_TRUE(back->readBinaryTemplate(bytes)) << qPrintable(log.last());
    ASSERT_EQ(back->Count(), t->Count());
    EXPECT_EQ(back->Item("ParseString0")->TokenString(), line);
    EXPECT_TRUE(std::dynamic_pointer_cast<CParseString>(back->Item("ParseString0")));

    // A parse string written in place among the counted objects (the cut
    // type field, counted in field 5) is read too.
    const QByteArray text = "Hello {{Name}}\r\n";
    const QByteArray record = "2\x01"
                              "1\x01"
                              "1\x01"
                              "1\x01"
                              "1\x01\x01"
                              "-1\x01\x01"
                              "0\x01\r\n";
    const QByteArray inPlace = "KyTID00081" + le32(record.size()) + record + "ParseStrin" + le32(text.size()) + text;
    auto inPlaceBack = freshTemplate(log);
    ASSERT_TRUE(inPlaceBack->readBinaryTemplate(inPlace)) << qPrintable(log.last());
    EXPECT_EQ(inPlaceBack->Item(1)->TokenString(), "Hello {{Name}}");
}

TEST(SerialTextFile, ReadsOneParseString)
{
    ReportLog log;
    QTemporaryDir dir;
    const QString first = dir.filePath("first.txt");
    const QByteArray content = "Name: {{LastName}}, {{FirstName,1}}.\r\nCaf\xe9 \x80 total\r\n";
    ASSERT_TRUE(writeBytes(first, content));
    auto t = freshTemplate(log);
    t->fields().Width = 4;
    t->ReadSerialTextFile(first);
    EXPECT_EQ(log.count(), 0) << qPrintable(log.last());
    ASSERT_EQ(t->Count(), 1);
    const auto ps = t->Item(1);
    EXPECT_EQ(ps->Name(), "ParseString0");
    EXPECT_EQ(ps->ObjectType(), "ParseString");
    EXPECT_EQ(ps->Index(), 0);
    EXPECT_EQ(ps->TokenString(), QStringLiteral("Name: {{LastName}}, {{FirstName,1}}.\r\nCaf\u00e9 \u20ac total\r\n"));
    EXPECT_DOUBLE_EQ(t->Width(), 4);

    // A second file: duplicate key, reported; the first stays.
    const QString second = dir.filePath("second.txt");
    ASSERT_TRUE(writeBytes(second, "other"));
    t->ReadSerialTextFile(second);
    ASSERT_EQ(log.count(), 1);
    EXPECT_EQ(sourceOf(log.last()), moduleSource(".CPrintTemplate (") + "ReadSerialTextFile");
    EXPECT_TRUE(log.last().contains("|Number: 457|")) << qPrintable(log.last());
    ASSERT_EQ(t->Count(), 1);
    EXPECT_TRUE(t->Item(1)->TokenString().startsWith("Name:"));

    // An empty file: an empty parse string.
    const QString empty = dir.filePath("empty.txt");
    ASSERT_TRUE(writeBytes(empty, QByteArray()));
    auto e = freshTemplate(log);
    e->ReadSerialTextFile(empty);
    ASSERT_EQ(e->Count(), 1);
    EXPECT_EQ(e->Item(1)->TokenString(), "");

    // A missing file.
    auto m = freshTemplate(log);
    m->ReadSerialTextFile(dir.filePath("missing.txt"));
    EXPECT_TRUE(log.last().contains("|Number: 53|"));
    EXPECT_EQ(m->Count(), 0);

    // Other objects are kept; the in-memory form adds the same object.
    auto c = freshTemplate(log);
    c->AddObject("Text");
    c->CreateParseString("{{A}}");
    ASSERT_EQ(c->Count(), 2);
    EXPECT_EQ(c->Item("ParseString0")->TokenString(), "{{A}}");
    EXPECT_THROW(c->CreateParseString("{{B}}"), KytError);
    EXPECT_EQ(c->Item("ParseString0")->TokenString(), "{{A}}");
}

namespace
{

// An 8-bit run-length bitmap that claims side x side pixels and ends at
// once: a few bytes for a picture of any size.
QByteArray claimingRle8(int side)
{
    QByteArray b = "BM" + le32(14 + 40 + 8 + 2) + le32(0) + le32(14 + 40 + 8);
    b += le32(40) + le32(side) + le32(side) + QByteArray("\x01\x00\x08\x00", 4) + le32(1) + le32(2) + le32(3780)
        + le32(3780) + le32(2) + le32(0);
    b += QByteArray("\x00\x00\x00\x00\xFF\xFF\xFF\x00", 8) + QByteArray("\x00\x01", 2);
    return b;
}

// A template file holding `logos` logos, each such a picture.
QByteArray logoFile(int logos, int side)
{
    tplfile::TemplateRecord rec;
    rec.Width = 3.375;
    rec.Height = 2.125;
    rec.objectCount = logos;
    tplfile::TemplateFileWriter w;
    w.writeHeader(tplfile::makeTemplateRecord(rec));
    for (int i = 1; i <= logos; ++i)
        w.writeObject(QStringLiteral("Logo"),
            QStringLiteral("0\x01"
                           "0\x01"
                           "1\x01"
                           "1\x01%1\x01%1\x01"
                           "0\x01True\x01\r\n")
                .arg(i));
    for (int i = 1; i <= logos; ++i)
        w.writePicture(i, QStringLiteral("BMP"), claimingRle8(side));
    return w.bytes();
}

} // namespace

// Pictures keep their compact form through a save (a run-length bitmap is
// written as it was read, so saving over the file read stays small and
// readable), the pictures of one template share one pixel budget when read,
// and a save whose pictures exceed it is refused before anything is written.
TEST(TemplateFile, PicturesStayCompactAndWithinOneBudget)
{
    ReportLog log;
    QTemporaryDir dir;
    struct Row {
        int logos, side;
        bool reads;
    } rows[] = { { 3, 6000, true }, { 4, 6000, false } };
    for (const Row& r : rows) {
        const QString path = dir.filePath(QStringLiteral("logos%1.tpl").arg(r.logos));
        ASSERT_TRUE(writeBytes(path, logoFile(r.logos, r.side)));
        const QByteArray before = readBytes(path);
        auto t = freshTemplate(log);
        ASSERT_EQ(t->ReadFile(path), r.reads) << r.logos;
        if (!r.reads) {
            EXPECT_TRUE(log.last().contains(QLatin1String("Out of memory"))) << qPrintable(log.last());
            continue;
        }
        ASSERT_TRUE(t->SaveFile(path)); // over the file it was read from
        const QByteArray after = readBytes(path);
        EXPECT_LT(after.size(), 2 * before.size() + 1024) << "pictures lost their compact form";
        auto again = freshTemplate(log);
        ASSERT_TRUE(again->ReadFile(path)) << qPrintable(log.last());
        EXPECT_EQ(
            std::dynamic_pointer_cast<CLogoObject>(again->Item(1))->Image().image().size(), QSize(r.side, r.side));
    }

    // Pictures made in memory beyond the budget: refused, the old file kept.
    const QString keep = dir.filePath(QStringLiteral("keep.tpl"));
    auto small = richTemplate(log.error);
    ASSERT_TRUE(small->SaveFile(keep));
    const QByteArray old = readBytes(keep);
    auto huge = freshTemplate(log);
    for (int i = 0; i < 3; ++i) {
        QImage mono(8000, 8000, QImage::Format_Mono);
        mono.fill(0);
        std::dynamic_pointer_cast<CLogoObject>(huge->AddObject(QStringLiteral("Logo")))->setImage(Picture(mono));
    }
    EXPECT_FALSE(huge->SaveFile(keep));
    EXPECT_TRUE(log.last().contains(QLatin1String("nothing was written"))) << qPrintable(log.last());
    EXPECT_EQ(readBytes(keep), old);
}
