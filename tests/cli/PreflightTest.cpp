// The preflight check: fields used against the data, fonts, barcode values,
// pictures, layout, and barcodes read back from rendered cards.
#include <gtest/gtest.h>

#include "jobs/Preflight.h"
#include "objects/CDataObject.h"
#include "objects/CLogoObject.h"
#include "objects/CPhotoObject.h"
#include "objects/CTextObject.h"
#include "support/TestSupport.h"
#include "template/CPrintTemplate.h"
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace kyt;
using namespace kyt::test;

namespace
{

// Name, a Code 128 C badge number, a photo and a parse string that refers
// to Dept: four fields.
CPrintTemplatePtr badgeCard()
{
    auto t = std::make_shared<CPrintTemplate>();
    t->setWidth(3.375);
    t->setHeight(2.125);
    auto name = t->AddData();
    name->setDataFieldName(QStringLiteral("Name"));
    place(*name, 1.2f, 0.2f, 2, 0.3f);
    auto badge = t->AddData();
    badge->setDataFieldName(QStringLiteral("Badge"));
    place(*badge, 1.2f, 1.0f, 2, 0.5f);
    badge->setBarcode(true);
    badge->setBarcodeTypeNumber(CTextObjectBase::Barcode128C);
    badge->setFontName(QStringLiteral("KYT Code128"));
    auto photo = t->AddPhoto();
    place(*photo, 0.1f, 0.1f, 1, 1.2f);
    t->AddObject(QStringLiteral("ParseString"))->setTokenString(QStringLiteral("Dept: {{Dept,12}}"));
    return t;
}

std::vector<QString> failures(const preflight::Report& r, const QString& topic)
{
    std::vector<QString> out;
    for (const preflight::Finding& f : r.findings)
        if (!f.ok && f.topic == topic)
            out.push_back(f.text);
    return out;
}

} // namespace

TEST(Preflight, FieldsUsedComeFromDataObjectsParseStringsAndPhotos)
{
    EXPECT_EQ(preflight::fieldsUsed(*badgeCard()), (QStringList { "Name", "Badge", "Image", "Dept" }));
    EXPECT_EQ(preflight::missingFields(*badgeCard(), { "name", "BADGE", "Photo" }), (QStringList { "Image", "Dept" }));
}

// Each row: a CSV, and the topics expected to fail (empty: all pass).
TEST(Preflight, CsvChecks)
{
    struct Row {
        const char* name;
        QByteArray csv;
        QStringList failing;
        const char* part; // in the first failure
    } rows[] = {
        { "Fits", "Name,Badge,Image,Dept\nAnn,0042,,Sales\n", {}, "" },
        { "MissingColumns", "First Name,Badge No,Photo\nAnn,1,\n", { "fields" },
            "\"Name\", \"Badge\", \"Image\", \"Dept\"" },
        { "Unencodable", "Name,Badge,Image,Dept\nAnn,12AB,,x\nBob,7,,y\n", { "barcodes" },
            "record 1 (line 2): field \"Badge\"" },
        { "MissingPhoto", "Name,Badge,Image,Dept\nAnn,1,gone.png,x\n", { "pictures" }, "gone.png" },
        { "DamagedAndOnlyEmpty", "Name,Badge,Image,Dept\n\"open,1,,x\n", { "records" }, "not closed" },
        { "NothingToPrint", "Name,Badge,Image,Dept\n,,,\n", { "records" }, "holds no records" },
    };
    for (const Row& r : rows) {
        QTemporaryDir dir;
        const QString tpl = dir.filePath(QStringLiteral("card.tpl"));
        ASSERT_TRUE(badgeCard()->SaveFile(tpl));
        preflight::Options options;
        options.csvFile = dir.filePath(QStringLiteral("cards.csv"));
        ASSERT_TRUE(writeBytes(options.csvFile, r.csv));
        const preflight::Report report = preflight::check(tpl, options);
        SCOPED_TRACE(r.name);
        EXPECT_EQ(report.passed(), r.failing.isEmpty());
        QStringList topics;
        for (const preflight::Finding& f : report.findings)
            if (!f.ok && !topics.contains(f.topic))
                topics.append(f.topic);
        EXPECT_EQ(topics, r.failing);
        if (!r.failing.isEmpty()) {
            const auto found = failures(report, r.failing.first());
            ASSERT_FALSE(found.empty());
            EXPECT_TRUE(found.front().contains(QString::fromUtf8(r.part))) << found.front().toStdString();
        }
    }
}

TEST(Preflight, TemplateChecks)
{
    QTemporaryDir dir;
    auto t = badgeCard();
    auto off = t->AddObject(QStringLiteral("Rect"));
    place(*off, 3.0f, 1.0f, 1.0f, 0.5f);
    auto text = std::dynamic_pointer_cast<CTextObject>(t->AddObject(QStringLiteral("Text")));
    ASSERT_TRUE(text);
    text->setText(QStringLiteral("Hi"));
    text->setFontName(QStringLiteral("No Such Font Family 7"));
    const QString tpl = dir.filePath(QStringLiteral("card.tpl"));
    ASSERT_TRUE(t->SaveFile(tpl));
    const preflight::Report report = preflight::check(tpl, {});
    EXPECT_FALSE(report.passed());
    ASSERT_EQ(failures(report, QStringLiteral("layout")).size(), 1u);
    EXPECT_TRUE(failures(report, QStringLiteral("layout"))[0].contains(off->Name()));
    ASSERT_EQ(failures(report, QStringLiteral("fonts")).size(), 1u);
    EXPECT_TRUE(failures(report, QStringLiteral("fonts"))[0].contains(QLatin1String("No Such Font Family 7")));

    EXPECT_FALSE(preflight::check(dir.filePath(QStringLiteral("none.tpl")), {}).passed());
}

// With a reader, every card is rendered and each barcode's band is read;
// the reading must be the value (Code 128 C padded to digit pairs).
TEST(Preflight, ScannedBarcodesAreComparedWithTheirValues)
{
    QTemporaryDir dir;
    const QString tpl = dir.filePath(QStringLiteral("card.tpl"));
    ASSERT_TRUE(badgeCard()->SaveFile(tpl));
    preflight::Options options;
    options.csvFile = dir.filePath(QStringLiteral("cards.csv"));
    ASSERT_TRUE(writeBytes(options.csvFile, "Name,Badge,Image,Dept\nAnn,123,,x\nBob,4567,,y\n"));
    struct Row {
        const char* name;
        preflight::BarcodeReader reader;
        int scanFailures;
        const char* part;
    } rows[] = {
        { "ReadsRight",
            [](const QImage&) {
                return QStringList { "0123", "4567" };
            },
            0, "" },
        { "ReadsWrong", [](const QImage&) { return QStringList { "999" }; }, 2,
            "reads \"999\" where \"0123\" is expected" },
        { "ReadsNothing", [](const QImage&) { return QStringList(); }, 2, "cannot be read" },
    };
    for (const Row& r : rows) {
        int calls = 0;
        options.reader = [&](const QImage& band) {
            ++calls;
            EXPECT_EQ(band.format(), QImage::Format_Grayscale8);
            EXPECT_EQ(band.width(), 1013); // the card's width at 300 dpi
            return r.reader(band);
        };
        const preflight::Report report = preflight::check(tpl, options);
        SCOPED_TRACE(r.name);
        EXPECT_EQ(calls, 2);
        const auto scan = failures(report, QStringLiteral("scan"));
        ASSERT_EQ(int(scan.size()), r.scanFailures);
        EXPECT_EQ(report.passed(), r.scanFailures == 0);
        if (r.scanFailures) {
            EXPECT_TRUE(scan[0].contains(QString::fromUtf8(r.part))) << scan[0].toStdString();
        }
    }
}

// The real reader (zxing-cpp, through the program): a barcode drawn in its
// barcode font reads back; the same value drawn in a text font does not.
TEST(Preflight, CheckVerifyReadsRealBarcodes)
{
    const QString program = QStringLiteral(KYT_BINARY_DIR "/app/kytpreview");
    if (!QFile::exists(program))
        GTEST_SKIP() << "kytpreview is not built";
    QTemporaryDir dir;
    ASSERT_TRUE(writeBytes(dir.filePath(QStringLiteral("card.data")),
        "Name\x01"
        "Ann\x02"
        "Badge\x01"
        "1234\x02"
        "Image\x01\x02"
        "Dept\x01x\x02"));
    struct Row {
        const char* font;
        int exitCode;
        const char* part;
    } rows[] = { { "KYT Code128", 0, "1 barcode read back as expected" }, { "Arial", 1, "FAIL scan: " } };
    for (const Row& r : rows) {
        auto t = badgeCard();
        std::dynamic_pointer_cast<CTextObjectBase>(t->Item(2))->setFontName(QString::fromLatin1(r.font));
        std::dynamic_pointer_cast<CTextObjectBase>(t->Item(2))->setFontSize(24);
        const QString tpl = dir.filePath(QStringLiteral("card.tpl"));
        ASSERT_TRUE(t->SaveFile(tpl));
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(program,
            { QStringLiteral("check"), tpl, QStringLiteral("--data"), dir.filePath(QStringLiteral("card.data")),
                QStringLiteral("--verify") });
        ASSERT_TRUE(p.waitForFinished(120000));
        const QString out = QString::fromUtf8(p.readAll());
        EXPECT_EQ(p.exitCode(), r.exitCode) << r.font << "\n" << out.toStdString();
        EXPECT_TRUE(out.contains(QLatin1String(r.part))) << out.toStdString();
    }
}

// A barcode prints as bars only in its symbology's font, and render cuts
// nothing: a symbol or text wider than its box prints over its neighbours.
// Each row: one Code 128 B barcode or plain text (a static text, or a data
// field with a CSV), and the failure expected (topic empty: all pass).
TEST(Preflight, BarcodeFontAndWidthAreChecked)
{
    struct Row {
        const char* name;
        bool barcode;
        const char* font;
        qint16 size;
        bool fit;
        bool field; // the value comes from the CSV
        const char* topic;
        const char* part;
    } rows[] = {
        { "Fits", true, "KYT Code128", 12, false, false, "", "" },
        { "TextFont", true, "Arial", 12, false, false, "barcodes",
            "Text1 (text, Code 128 B): font \"Arial\" is not a barcode" },
        { "OtherSymbology", true, "KYT 3of9", 8, false, false, "barcodes", "font of another symbology" },
        { "TooWide", true, "KYT Code128", 24, false, false, "layout", "the symbol is 3.67\" wide, its box 2.00\"" },
        { "TooWideField", true, "KYT Code128", 24, false, true, "layout",
            "record 1 (line 2): Data1 (field \"Badge\", Code 128 B at 24 pt): the symbol is 3.67\" wide" },
        { "FittedToTheBox", true, "KYT Code128", 24, true, false, "", "" },
        { "PlainTextFits", false, "Arial", 12, false, false, "", "" },
        { "PlainTextTooWide", false, "Arial", 36, false, false, "layout", "Text1 (text, Arial at 36 pt): the text is" },
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QTemporaryDir dir;
        auto t = std::make_shared<CPrintTemplate>();
        t->setWidth(3.375);
        t->setHeight(2.125);
        std::shared_ptr<CTextObjectBase> code;
        if (r.field) {
            auto data = t->AddData();
            data->setDataFieldName(QStringLiteral("Badge"));
            code = data;
        } else {
            auto text = std::dynamic_pointer_cast<CTextObject>(t->AddObject(QStringLiteral("Text")));
            ASSERT_TRUE(text);
            text->setText(QStringLiteral("V-000123456"));
            code = text;
        }
        place(*code, 0.2f, 0.5f, 2, 0.6f);
        code->setBarcode(r.barcode);
        code->setBarcodeTypeNumber(CTextObjectBase::Barcode128B);
        code->setFontName(QString::fromLatin1(r.font));
        code->setFontSize(r.size);
        code->setFontToFit(r.fit);
        const QString tpl = dir.filePath(QStringLiteral("card.tpl"));
        ASSERT_TRUE(t->SaveFile(tpl));
        preflight::Options options;
        if (r.field) {
            options.csvFile = dir.filePath(QStringLiteral("cards.csv"));
            ASSERT_TRUE(writeBytes(options.csvFile, "Badge\nV-000123456\n"));
        }
        const preflight::Report report = preflight::check(tpl, options);
        QStringList topics;
        for (const preflight::Finding& f : report.findings)
            if (!f.ok && !topics.contains(f.topic))
                topics.append(f.topic);
        EXPECT_EQ(topics, *r.topic ? QStringList { QString::fromLatin1(r.topic) } : QStringList());
        if (*r.topic) {
            const auto found = failures(report, QString::fromLatin1(r.topic));
            ASSERT_FALSE(found.empty());
            EXPECT_TRUE(found.front().contains(QString::fromUtf8(r.part))) << found.front().toStdString();
        }
    }
}

// Without data the card is verified as render draws it: data fields show
// their field names. A verify run that rendered no card never passes.
TEST(Preflight, VerifyWithoutDataRendersTheCard)
{
    QTemporaryDir dir;
    auto t = std::make_shared<CPrintTemplate>();
    t->setWidth(3.375);
    t->setHeight(2.125);
    auto name = t->AddData();
    name->setDataFieldName(QStringLiteral("Name"));
    place(*name, 0.2f, 0.2f, 2, 0.3f);
    auto badge = t->AddData();
    badge->setDataFieldName(QStringLiteral("Badge"));
    place(*badge, 0.2f, 1.0f, 2, 0.5f);
    badge->setBarcode(true);
    badge->setBarcodeTypeNumber(CTextObjectBase::Barcode128B);
    badge->setFontName(QStringLiteral("KYT Code128"));
    const QString tpl = dir.filePath(QStringLiteral("card.tpl"));
    ASSERT_TRUE(t->SaveFile(tpl));
    struct Row {
        const char* name;
        QByteArray csv; // empty: no data
        QStringList reads;
        bool passes;
        const char* part; // in the scan line
    } rows[] = {
        { "FieldNameRead", "", { "Badge" }, true, "1 card rendered at 300 dpi, 1 barcode read back" },
        { "FieldNameNotRead", "", {}, false, "barcode Data2 cannot be read (it should carry \"Badge\")" },
        { "NoCardRendered", "Name,Badge\n\"open,1\n", { "1" }, false, "no card was rendered" },
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        preflight::Options options;
        if (!r.csv.isEmpty()) {
            options.csvFile = dir.filePath(QStringLiteral("cards.csv"));
            ASSERT_TRUE(writeBytes(options.csvFile, r.csv));
        }
        int calls = 0;
        options.reader = [&](const QImage&) {
            ++calls;
            return r.reads;
        };
        const preflight::Report report = preflight::check(tpl, options);
        EXPECT_EQ(report.passed(), r.passes);
        EXPECT_EQ(calls, r.csv.isEmpty() ? 1 : 0);
        QString scan;
        for (const preflight::Finding& f : report.findings)
            if (f.topic == QLatin1String("scan"))
                scan += f.text + QLatin1Char('\n');
        EXPECT_TRUE(scan.contains(QString::fromUtf8(r.part))) << scan.toStdString();
    }
}
