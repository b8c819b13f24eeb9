// Card jobs without a window: data stream files, card sizes, the batch
// with its skipped records, shared photos and page parity, and outputs
// that replace a file only when complete.
#include <gtest/gtest.h>

#include "jobs/CardJob.h"
#include "jobs/CardJobSurface.h"
#include "objects/CDataObject.h"
#include "objects/CPhotoObject.h"
#include "objects/PlaceholderPhoto.h"
#include "platform/surface/TraceSurface.h"
#include "support/TestSupport.h"
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <sys/stat.h>

using namespace kyt;
using namespace kyt::test;

namespace
{

void writePhoto(const QString& path, QColor color)
{
    QImage img(20, 25, QImage::Format_RGB32);
    img.fill(color);
    ASSERT_TRUE(img.save(path, "PNG"));
}

// A card with a name field and a photo (read from the "Image" item).
CPrintTemplatePtr nameCard(bool duplex = false)
{
    auto t = std::make_shared<CPrintTemplate>();
    t->setWidth(3.375);
    t->setHeight(2.125);
    t->setDuplex(duplex);
    auto d = t->AddData();
    d->setDataFieldName(QStringLiteral("Name"));
    place(*d, 1.5f, 0.2f, 1.5f, 0.3f);
    auto p = t->AddPhoto();
    place(*p, 0.1f, 0.1f, 1.0f, 1.25f);
    p->setImage(placeholderPhoto());
    return t;
}

int countOps(const QStringList& lines, const char* op)
{
    const QString needle = QStringLiteral("{\"op\":\"%1\"").arg(QLatin1String(op));
    int n = 0;
    for (const QString& l : lines)
        n += l.startsWith(needle) ? 1 : 0;
    return n;
}

// Notes the pixel data of every picture painted.
class PictureSpy : public CardJobSurface
{
public:
    using CardJobSurface::CardJobSurface;
    void PaintPicture(
        const Picture& picture, double x, double y, std::optional<double> w, std::optional<double> h) override
    {
        keys.push_back(picture.image().cacheKey() >> 32); // the image's data, not its detach count
        sizes.push_back(picture.image().size());
        CardJobSurface::PaintPicture(picture, x, y, w, h);
    }
    std::vector<qint64> keys;
    std::vector<QSize> sizes;
};

} // namespace

struct DecodeRow {
    const char* name;
    QByteArray bytes;
    QString text;
};

class DataStreamDecode : public ::testing::TestWithParam<DecodeRow>
{
};

TEST_P(DataStreamDecode, TakesUtf8WhenValidElseWindows1252)
{
    EXPECT_EQ(decodeDataStreamText(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Texts, DataStreamDecode,
    ::testing::Values(DecodeRow { "Utf8", "N\x01Ren\xC3\xA9\x02", QStringLiteral("N\u0001Ren\u00e9\u0002") },
        DecodeRow { "Utf8Bom", "\xEF\xBB\xBFN\x01x\x02", QStringLiteral("N\u0001x\u0002") },
        // 0x80 is the euro sign in Windows-1252 (a control code in Latin-1).
        DecodeRow { "AnsiEuro", "P\x01\x80 5\x02", QStringLiteral("P\u0001\u20ac 5\u0002") }),
    [](const auto& info) { return std::string(info.param.name); });

struct SizeRow {
    double w, h;
    bool duplex;
    double dpi;
    QSize pixels;
};

class PictureBoxSize : public ::testing::TestWithParam<SizeRow>
{
};

TEST_P(PictureBoxSize, HoldsTheWholeCard)
{
    const SizeRow r = GetParam();
    CPrintTemplate t;
    t.setWidth(r.w);
    t.setHeight(r.h);
    t.setDuplex(r.duplex);
    EXPECT_EQ(cardjob::pictureBoxPixels(t, r.dpi), r.pixels);
}

INSTANTIATE_TEST_SUITE_P(Cards, PictureBoxSize,
    ::testing::Values(SizeRow { 3.375, 2.125, true, 300, QSize(1013, 1275) },
        SizeRow { 3.375, 2.125, false, 96, QSize(324, 204) }, SizeRow { 2.125, 3.375, true, 600, QSize(1275, 4050) },
        SizeRow { 0.001, 0.001, false, 96, QSize(1, 1) }));

TEST(CardJob, DataStreamFileLoadsValuesAndPhotos)
{
    QTemporaryDir dir;
    writePhoto(dir.filePath(QStringLiteral("ann.png")), Qt::red);
    ASSERT_TRUE(writeBytes(dir.filePath(QStringLiteral("ann.data")),
        "Name\x01Ren\xE9\x02Image\x01"
        "ann.png\x02"));
    auto t = nameCard();
    CPrintData data;
    QString error
        = errorTextOf([&] { cardjob::loadDataStreamFile(dir.filePath(QStringLiteral("ann.data")), *t, data); });
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(data.Item(QStringLiteral("Name"))->vValue().toString(), QStringLiteral("Ren\u00e9"));
    const QVariant photo = data.Item(QStringLiteral("Image"))->vValue();
    ASSERT_TRUE(photo.canConvert<Picture>());
    EXPECT_EQ(photo.value<Picture>().image().size(), QSize(20, 25));

    ASSERT_TRUE(writeBytes(dir.filePath(QStringLiteral("bad.data")), "Name\x01x\x02Image\x01gone.png\x02"));
    CPrintData other;
    error = errorTextOf([&] { cardjob::loadDataStreamFile(dir.filePath(QStringLiteral("bad.data")), *t, other); });
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(error.contains(QLatin1String("gone.png"))) << error.toStdString();

    ASSERT_TRUE(writeBytes(dir.filePath(QStringLiteral("broken.png")), "\x89PNG\r\n\x1a\n not really"));
    ASSERT_TRUE(writeBytes(dir.filePath(QStringLiteral("broken.data")),
        "Image\x01"
        "broken.png\x02"));
    error = errorTextOf([&] { cardjob::loadDataStreamFile(dir.filePath(QStringLiteral("broken.data")), *t, other); });
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(error.contains(QLatin1String("broken.png"))) << error.toStdString();

    error = errorTextOf([&] { cardjob::loadDataStreamFile(dir.filePath(QStringLiteral("none.data")), *t, other); });
    EXPECT_FALSE(error.isEmpty());
}

TEST(CardBatch, PrintsGoodRecordsSkipsBadOnesAndSharesPhotos)
{
    QTemporaryDir dir;
    writePhoto(dir.filePath(QStringLiteral("same.png")), Qt::blue);
    writePhoto(dir.filePath(QStringLiteral("own.png")), Qt::green);
    ASSERT_TRUE(writeBytes(dir.filePath(QStringLiteral("broken.jpg")), "\xFF\xD8\xFF\xE0 damaged"));
    const QString csv = dir.filePath(QStringLiteral("cards.csv"));
    ASSERT_TRUE(writeBytes(csv,
        "Name,Image\n"
        "Ann,same.png\n"
        "Bob,same.png\n"
        "Carl,gone.png\n"
        "too,many,fields\n"
        "Dan,\n"
        "\"Eve\",own.png\n"
        "Fay,broken.jpg\n"
        "Gus,same.png\n"));

    auto t = nameCard();
    TraceSurface trace(QStringLiteral("Printer"));
    PictureSpy spy(trace);
    CardBatch batch(t);
    std::vector<CardBatch::Failure> failures;
    std::vector<qint64> progress;
    batch.setFailureSink([&](const CardBatch::Failure& f) { failures.push_back(f); });
    batch.setProgressSink([&](qint64 done) { progress.push_back(done); });
    const CardBatch::Result r = batch.run(csv, spy);

    EXPECT_TRUE(r.fatal.isEmpty()) << r.fatal.toStdString();
    EXPECT_EQ(r.records, 8);
    EXPECT_EQ(r.printed, 5);
    EXPECT_EQ(r.failed, 3);
    ASSERT_EQ(failures.size(), 3u);
    EXPECT_EQ(failures[0].record, 3);
    EXPECT_EQ(failures[0].line, 4);
    EXPECT_TRUE(failures[0].message.contains(QLatin1String("gone.png")));
    EXPECT_EQ(failures[1].record, 4);
    EXPECT_TRUE(failures[1].message.contains(QLatin1String("3 fields")));
    EXPECT_EQ(failures[2].record, 7);
    EXPECT_TRUE(failures[2].message.contains(QLatin1String("broken.jpg")));
    EXPECT_EQ(progress.size(), 8u);
    EXPECT_EQ(progress.back(), 8);

    const QStringList lines = trace.lines();
    const QString all = lines.join(QLatin1Char('\n'));
    for (const char* name : { "Ann", "Bob", "Dan", "Eve", "Gus" })
        EXPECT_TRUE(all.contains(QStringLiteral("\"text\":\"%1\"").arg(QLatin1String(name)))) << name;
    for (const char* name : { "Carl", "Fay", "too" })
        EXPECT_FALSE(all.contains(QStringLiteral("\"text\":\"%1\"").arg(QLatin1String(name)))) << name;
    EXPECT_EQ(countOps(lines, "NewPage"), 4); // five cards, one page each
    EXPECT_TRUE(spy.endDocRequested()); // the batch ended the document

    // Ann, Bob and Gus share one decoded picture; Dan shows the placeholder.
    ASSERT_EQ(spy.keys.size(), 5u);
    EXPECT_EQ(spy.keys[0], spy.keys[1]);
    EXPECT_EQ(spy.keys[0], spy.keys[4]);
    EXPECT_NE(spy.keys[0], spy.keys[3]);
    EXPECT_EQ(spy.sizes[2], QSize(32, 32));
    EXPECT_EQ(spy.sizes[3], QSize(20, 25));
}

TEST(CardBatch, AFailingCardKeepsItsPagesAndTheDocumentOpen)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("cards.csv"));
    ASSERT_TRUE(writeBytes(csv, "Name,Image\nAnn,\nBob,\n"));
    auto t = nameCard(true);
    t->AddObject(QStringLiteral("Logo")); // no picture: its drawing fails
    TraceSurface trace(QStringLiteral("Printer"));
    CardBatch batch(t);
    std::vector<CardBatch::Failure> failures;
    batch.setFailureSink([&](const CardBatch::Failure& f) { failures.push_back(f); });
    const CardBatch::Result r = batch.run(csv, trace);
    EXPECT_EQ(r.printed, 0);
    EXPECT_EQ(r.failed, 2);
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_TRUE(failures[0].message.contains(QLatin1String("could not be drawn")));
    // Two pages per two-sided card even though each stopped on its front,
    // and the document ended once, by the batch.
    EXPECT_EQ(countOps(trace.lines(), "NewPage"), 3);
    EXPECT_EQ(countOps(trace.lines(), "EndDoc"), 1);
}

TEST(CardBatch, FatalInputsAreReportedNotPrinted)
{
    QTemporaryDir dir;
    TraceSurface trace(QStringLiteral("Printer"));
    CardBatch batch(nameCard());
    EXPECT_FALSE(batch.run(dir.filePath(QStringLiteral("none.csv")), trace).fatal.isEmpty());
    ASSERT_TRUE(writeBytes(dir.filePath(QStringLiteral("dup.csv")), "Name,NAME\nx,y\n"));
    const CardBatch::Result r = batch.run(dir.filePath(QStringLiteral("dup.csv")), trace);
    EXPECT_TRUE(r.fatal.contains(QLatin1String("twice")));
    EXPECT_EQ(r.printed, 0);
    EXPECT_EQ(countOps(trace.lines(), "Print"), 0);
}

TEST(CardBatch, RecordDataAndCounting)
{
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("c.csv"));
    ASSERT_TRUE(writeBytes(csv, "Name,Company\nAnn,Acme\n\"Lee, Bo\",Delta\nbroken\n"));
    EXPECT_EQ(CardBatch::countRecords(csv), 3);
    auto t = nameCard();
    CPrintData data;
    QString error = errorTextOf([&] { CardBatch::recordData(csv, 2, *t, data); });
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(data.Item(QStringLiteral("Name"))->vValue().toString(), QStringLiteral("Lee, Bo"));
    EXPECT_EQ(data.Item(QStringLiteral("Company"))->vValue().toString(), QStringLiteral("Delta"));
    error = errorTextOf([&] { CardBatch::recordData(csv, 3, *t, data); });
    EXPECT_TRUE(error.contains(QLatin1String("record 3")));
    error = errorTextOf([&] { CardBatch::recordData(csv, 9, *t, data); });
    EXPECT_TRUE(error.contains(QLatin1String("no record 9")));
}

TEST(PendingOutput, ReplacesTheFileOnlyWhenCommitted)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("out.pdf"));
    ASSERT_TRUE(writeBytes(target, "old"));
    {
        cardjob::PendingOutput p(target);
        ASSERT_FALSE(p.tempName().isEmpty());
        ASSERT_TRUE(writeBytes(p.tempName(), "half"));
    } // abandoned: the old file stays, the temporary one goes
    EXPECT_EQ(readBytes(target), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    {
        cardjob::PendingOutput p(target);
        ASSERT_TRUE(writeBytes(p.tempName(), "new"));
        EXPECT_TRUE(p.commit());
    }
    EXPECT_EQ(readBytes(target), QByteArray("new"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

    cardjob::PendingOutput nowhere(dir.filePath(QStringLiteral("no/such/folder/x.pdf")));
    EXPECT_TRUE(nowhere.tempName().isEmpty());
    EXPECT_FALSE(nowhere.errorString().isEmpty());
}

// The CSV must fit the template: missing fields refuse the job (unless
// allowed), blank records are counted and skipped, a value its barcode
// cannot hold skips the record without using a page, rows and copies select
// and repeat cards, and semicolon/Windows-1252 exports are read as such.
TEST(CardBatch, CsvMustFitTheTemplate)
{
    struct Row {
        const char* name;
        QByteArray csv;
        CardBatch::Options options;
        qint64 printed, failed, empty;
        int newPages; // pages after the first
        const char* fatal; // part of the fatal message; "" for none
        const char* printedName; // a name that must be printed; "" for none
    };
    CardBatch::Options allow;
    allow.allowMissingFields = true;
    CardBatch::Options rows;
    rows.firstRecord = 2;
    rows.lastRecord = 3;
    rows.copies = 2;
    CardBatch::Options forced;
    forced.csv.delimiter = ',';
    const Row table[] = {
        { "WrongColumns", "First Name,Last Name,Badge No,Photo\nAnn,Lee,1,\n", {}, 0, 0, 0, 0,
            "lacks the fields the template uses: \"Name\", \"Image\", \"Badge\" (it has: \"First Name\"", "" },
        { "AllowedAnyway", "First Name,Photo\nAnn,\n", allow, 1, 0, 0, 0, "", "" },
        { "BlankRowsOfAnExport", "Name,Image,Badge\nAnn,,1\n,,\n , ,\n,,,,\n", {}, 1, 0, 3, 0, "", "Ann" },
        { "UnencodableBarcodeSkipped", "Name,Image,Badge\nAnn,,12AB\nBob,,42\n", {}, 1, 1, 0, 0, "", "Bob" },
        { "RowsAndCopies", "Name,Image,Badge\nAnn,,1\nBob,,2\nCy,,3\nDee,,4\n", rows, 2, 0, 0, 3, "", "Cy" },
        { "Semicolons1252", "Name;Image;Badge\nRen\xE9;;7\n", {}, 1, 0, 0, 0, "", "Ren\xC3\xA9" },
        { "ForcedDelimiter", "Name;Image;Badge\nAnn;;7\n", forced, 0, 0, 0, 0, "lacks the fields", "" },
    };
    for (const Row& r : table) {
        QTemporaryDir dir;
        const QString csv = dir.filePath(QStringLiteral("cards.csv"));
        ASSERT_TRUE(writeBytes(csv, r.csv));
        auto t = nameCard();
        auto badge = t->AddData();
        badge->setDataFieldName(QStringLiteral("Badge"));
        badge->settop(1.5f);
        badge->setWidth(2);
        badge->setHeight(0.4f);
        badge->setBarcode(true);
        badge->setBarcodeTypeNumber(CTextObjectBase::Barcode128C);
        TraceSurface trace(QStringLiteral("Printer"));
        CardBatch batch(t);
        batch.setOptions(r.options);
        const CardBatch::Result res = batch.run(csv, trace);
        SCOPED_TRACE(r.name);
        EXPECT_TRUE(res.fatal.contains(QString::fromUtf8(r.fatal))) << res.fatal.toStdString();
        EXPECT_EQ(res.fatal.isEmpty(), !*r.fatal) << res.fatal.toStdString();
        EXPECT_EQ(res.printed, r.printed);
        EXPECT_EQ(res.failed, r.failed);
        EXPECT_EQ(res.empty, r.empty);
        EXPECT_EQ(countOps(trace.lines(), "NewPage"), r.newPages);
        if (*r.printedName) {
            EXPECT_TRUE(trace.lines()
                            .join(QLatin1Char('\n'))
                            .contains(QStringLiteral("\"text\":\"%1\"").arg(QString::fromUtf8(r.printedName))));
        }
    }
}

// A surface that fails with an exception of its own while a page is made:
// the batch ends with a fatal result (its reader thread stopped and joined)
// instead of taking the program down.
TEST(CardBatch, AThrowingSurfaceEndsTheBatchCleanly)
{
    class Throwing : public TraceSurface
    {
    public:
        Throwing()
            : TraceSurface(QStringLiteral("Printer"))
        {
        }
        void NewPage() override { throw std::runtime_error("the device went away"); }
    };
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("cards.csv"));
    QByteArray body = "Name,Image\n";
    for (int i = 0; i < 500; ++i)
        body += "N" + QByteArray::number(i) + ",\n";
    ASSERT_TRUE(writeBytes(csv, body));
    Throwing surface;
    CardBatch batch(nameCard());
    const CardBatch::Result r = batch.run(csv, surface);
    EXPECT_TRUE(r.fatal.contains(QLatin1String("the device went away"))) << r.fatal.toStdString();
    EXPECT_EQ(r.printed, 1);
}

TEST(CardJob, DataStreamFileRefusesWhatIsNotOne)
{
    QTemporaryDir dir;
    struct Row {
        const char* name;
        QByteArray bytes;
        const char* errorPart;
    } rows[] = {
        { "csv.txt", "Name,Image\nAnn,\n", "a CSV file is read with --csv" },
        { "pairs.txt", "Name=Ann\nBadge=7\n", "no field separators" },
    };
    auto t = nameCard();
    for (const Row& r : rows) {
        ASSERT_TRUE(writeBytes(dir.filePath(QString::fromLatin1(r.name)), r.bytes));
        CPrintData data;
        QString error
            = errorTextOf([&] { cardjob::loadDataStreamFile(dir.filePath(QString::fromLatin1(r.name)), *t, data); });
        EXPECT_FALSE(error.isEmpty()) << r.name;
        EXPECT_TRUE(error.contains(QLatin1String(r.errorPart))) << error.toStdString();
    }
    // A pipe is refused before it is opened (opening it would wait for a writer).
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    CPrintData data;
    QString error = errorTextOf([&] { cardjob::loadDataStreamFile(fifo, *t, data); });
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(error.contains(QLatin1String("not a regular file"))) << error.toStdString();
}
