// A printer's batch drawn by several threads gives the document one thread
// gives: the same pages in the same order, the same records reported, and
// nothing left behind when it fails.
#include <gtest/gtest.h>

#include "jobs/CardJob.h"
#include "jobs/CardJobSurface.h"
#include "objects/CDataObject.h"
#include "objects/CPhotoObject.h"
#include "objects/PlaceholderPhoto.h"
#include "platform/surface/PrinterSurface.h"
#include "support/TestSupport.h"
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <functional>

using namespace kyt;
using namespace kyt::test;

namespace
{

CPrintTemplatePtr badgeCard(bool duplex)
{
    auto t = std::make_shared<CPrintTemplate>();
    t->setWidth(3.375);
    t->setHeight(2.125);
    t->setDuplex(duplex);
    auto d = t->AddData();
    d->setDataFieldName(QStringLiteral("Name"));
    place(*d, 1.5f, 0.2f, 1.8f, 0.4f);
    auto p = t->AddPhoto();
    place(*p, 0.1f, 0.1f, 1.0f, 1.25f);
    p->setImage(placeholderPhoto());
    return t;
}

struct BatchRun {
    CardBatch::Result result;
    std::vector<CardBatch::Failure> failures;
    std::vector<qint64> progress;
};

BatchRun runBatch(
    const CPrintTemplatePtr& t, const QString& csv, const QString& pdf, int jobs, int copies, bool passJpegs = true)
{
    BatchRun out;
    auto printer = PrinterSurface::toPdf(pdf, cardjob::cardSizeInches(*t));
    printer->setDocumentName(QStringLiteral("badges"));
    CardBatch batch(t);
    CardBatch::Options options;
    options.jobs = jobs;
    options.partRecords = 3;
    options.copies = copies;
    options.jpegPassThrough = passJpegs;
    batch.setOptions(options);
    batch.setFailureSink([&](const CardBatch::Failure& f) { out.failures.push_back(f); });
    batch.setProgressSink([&](qint64 done) { out.progress.push_back(done); });
    out.result = batch.run(csv, *printer);
    return out;
}

// Every page at a low resolution, in order.
QList<QByteArray> pagesOf(const QString& pdf)
{
    const QString prefix = pdf + QStringLiteral(".page");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), { QStringLiteral("-r"), QStringLiteral("40"), pdf, prefix });
    p.waitForFinished(120000);
    QList<QByteArray> pages;
    QDir dir = QFileInfo(pdf).dir();
    const QStringList names = dir.entryList({ QFileInfo(prefix).fileName() + QStringLiteral("-*.ppm") }, QDir::Files,
        QDir::Name); // pdftoppm pads the numbers, so names sort in page order
    for (const QString& n : names)
        pages.append(readBytes(dir.filePath(n)));
    return pages;
}

// Empty when qpdf finds the document sound, else what it says.
QString qpdfCheck(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("qpdf"), { QStringLiteral("--check"), pdf });
    p.waitForFinished(120000);
    const QString said = QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0 ? QString() : said;
}

// Two photos: a JPEG (put in as it is) and a PNG (converted).
void writePhotos(const QTemporaryDir& dir)
{
    QImage photo(40, 50, QImage::Format_RGB32);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 40; ++x)
            photo.setPixel(x, y, qRgb(x * 6, y * 5, 128));
    ASSERT_TRUE(photo.save(dir.filePath(QStringLiteral("p.jpg")), "JPEG", 80));
    QImage other(20, 25, QImage::Format_RGB32);
    other.fill(Qt::magenta);
    ASSERT_TRUE(other.save(dir.filePath(QStringLiteral("q.png"))));
}

QList<QByteArray> filesMatching(const QString& folder, const QString& pattern)
{
    QDir dir(folder);
    QList<QByteArray> out;
    for (const QString& n : dir.entryList({ pattern }, QDir::Files, QDir::Name))
        out.append(readBytes(dir.filePath(n)));
    return out;
}

struct PartsRow {
    const char* name;
    bool duplex;
    int copies;
    bool passJpegs;
    bool withQpdf = false; // the parts read with qpdf, not as written
};

class BatchInParts : public ::testing::TestWithParam<PartsRow>
{
};

} // namespace

TEST_P(BatchInParts, GivesTheOneThreadDocument)
{
    for (const char* tool : { "pdftoppm", "qpdf" })
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed";
    const PartsRow row = GetParam();
    QTemporaryDir dir;
    writePhotos(dir);
    // Bad records (a missing photo, a wrong field count) and empty ones
    // fall in different parts; one part has nothing to print at all.
    QByteArray csv = "Name,Image\n";
    for (int i = 1; i <= 17; ++i) {
        if (i == 4 || i == 5 || i == 6)
            csv += i == 5 ? "x,y,z\n" : "Gone" + QByteArray::number(i) + ",gone.png\n";
        else if (i == 9)
            csv += ",\n";
        else
            csv += "Card " + QByteArray::number(i) + (i % 2 ? ",p.jpg\n" : ",q.png\n");
    }
    ASSERT_TRUE(writeBytes(dir.filePath(QStringLiteral("c.csv")), csv));

    // One thread without pass-through draws straight onto the printer.
    const BatchRun one = runBatch(badgeCard(row.duplex), dir.filePath(QStringLiteral("c.csv")),
        dir.filePath(QStringLiteral("one.pdf")), 1, row.copies, row.passJpegs);
    if (row.withQpdf)
        qputenv("KYT_JOIN_WITH_QPDF", "1");
    const BatchRun many = runBatch(badgeCard(row.duplex), dir.filePath(QStringLiteral("c.csv")),
        dir.filePath(QStringLiteral("many.pdf")), 3, row.copies, row.passJpegs);
    qunsetenv("KYT_JOIN_WITH_QPDF");

    ASSERT_TRUE(one.result.fatal.isEmpty()) << one.result.fatal.toStdString();
    ASSERT_TRUE(many.result.fatal.isEmpty()) << many.result.fatal.toStdString();
    EXPECT_EQ(many.result.records, 17);
    EXPECT_EQ(many.result.printed, 13);
    EXPECT_EQ(many.result.empty, 1);
    EXPECT_EQ(many.result.records, one.result.records);
    EXPECT_EQ(many.result.printed, one.result.printed);
    EXPECT_EQ(many.result.failed, one.result.failed);
    EXPECT_EQ(many.progress, one.progress);
    ASSERT_EQ(many.failures.size(), 3u);
    ASSERT_EQ(one.failures.size(), 3u);
    const qint64 numbers[] = { 4, 5, 6 };
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(many.failures[i].record, numbers[i]);
        EXPECT_EQ(many.failures[i].line, one.failures[i].line);
        EXPECT_EQ(many.failures[i].message, one.failures[i].message);
    }

    // A well-formed document, however its pages were put together.
    EXPECT_EQ(qpdfCheck(dir.filePath(QStringLiteral("many.pdf"))), QString());
    // Parts are copied as written, not read with qpdf (which writes every
    // stream's length directly where our drawing refers to it).
    const bool indirectLengths = QString::fromLatin1(readBytes(dir.filePath(QStringLiteral("many.pdf"))))
                                     .contains(QRegularExpression(QStringLiteral("/Length \\d+ 0 R")));
    EXPECT_EQ(indirectLengths, !row.withQpdf);

    const QList<QByteArray> a = pagesOf(dir.filePath(QStringLiteral("one.pdf")));
    const QList<QByteArray> b = pagesOf(dir.filePath(QStringLiteral("many.pdf")));
    EXPECT_EQ(a.size(), 13 * row.copies * (row.duplex ? 2 : 1));
    ASSERT_EQ(a.size(), b.size());
    for (qsizetype i = 0; i < a.size(); ++i)
        EXPECT_TRUE(a[i] == b[i]) << "page " << i + 1 << " differs";
    // The pages are the cards', not all alike.
    EXPECT_NE(a.front(), a.back());
}

INSTANTIATE_TEST_SUITE_P(Cards, BatchInParts,
    ::testing::Values(PartsRow { "OneSided", false, 1, true }, PartsRow { "TwoSided", true, 1, true },
        PartsRow { "Copies", false, 2, true }, PartsRow { "DrawnOnThePrinter", false, 1, false },
        PartsRow { "DrawnOnThePrinterTwoSided", true, 1, false }, PartsRow { "ReadWithQpdf", false, 1, true, true },
        PartsRow { "ReadWithQpdfTwoSided", true, 2, true, true }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BatchInParts, AStoppedRunLeavesNothing)
{
    QTemporaryDir dir;
    QByteArray csv = "Name,Image\n";
    for (int i = 1; i <= 40; ++i)
        csv += (i == 30 ? "Gone,gone.png\n" : "Card " + QByteArray::number(i) + ",\n");
    ASSERT_TRUE(writeBytes(dir.filePath(QStringLiteral("c.csv")), csv));
    const QString out = dir.filePath(QStringLiteral("out.pdf"));
    ASSERT_TRUE(writeBytes(out, "the old file"));

    auto t = badgeCard(false);
    auto printer = PrinterSurface::toPdf(out, cardjob::cardSizeInches(*t));
    printer->begin();
    CardBatch batch(t);
    CardBatch::Options options;
    options.jobs = 2;
    options.partRecords = 4;
    batch.setOptions(options);
    // The caller stops the run at the first bad record.
    batch.setFailureSink([](const CardBatch::Failure&) { throw std::runtime_error("stopped by the caller"); });
    const CardBatch::Result r = batch.run(dir.filePath(QStringLiteral("c.csv")), *printer);
    EXPECT_EQ(r.fatal, QStringLiteral("stopped by the caller"));
    EXPECT_EQ(r.records, 30);
    EXPECT_FALSE(printer->isActive());
    printer.reset();
    EXPECT_EQ(readBytes(out), QByteArray("the old file"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
        QStringList({ QStringLiteral("c.csv"), QStringLiteral("out.pdf") }));
}

TEST(BatchInParts, TheOutputGrowsFromTheStart)
{
    // The hidden file is there while the cards are drawn (so a signal
    // removes it, as on one thread), and each run's pages go into it as
    // soon as the runs before it are in.
    QTemporaryDir dir;
    QByteArray csv = "Name,Image\n";
    for (int i = 1; i <= 40; ++i)
        csv += "Card " + QByteArray::number(i) + ",\n";
    ASSERT_TRUE(writeBytes(dir.filePath(QStringLiteral("c.csv")), csv));
    const QString out = dir.filePath(QStringLiteral("out.pdf"));
    auto t = badgeCard(false);
    auto printer = PrinterSurface::toPdf(out, cardjob::cardSizeInches(*t));
    CardBatch batch(t);
    CardBatch::Options options;
    options.jobs = 2;
    options.partRecords = 4;
    batch.setOptions(options);
    std::vector<int> hiddenFiles, pages; // as records are counted
    batch.setProgressSink([&](qint64) {
        hiddenFiles.push_back(
            int(QDir(dir.path())
                    .entryList({ QStringLiteral(".out.pdf.*.part") }, QDir::Files | QDir::Hidden | QDir::System)
                    .size()));
        pages.push_back(printer->pageCount());
    });
    const CardBatch::Result r = batch.run(dir.filePath(QStringLiteral("c.csv")), *printer);
    ASSERT_TRUE(r.fatal.isEmpty()) << r.fatal.toStdString();
    EXPECT_EQ(hiddenFiles, std::vector<int>(40, 1));
    // Runs of 4 until the first is done (five in flight, then one more),
    // then 8 and 8 (each size once per thread, then doubled): the last
    // record is counted when the 32 cards before its run are in.
    ASSERT_EQ(pages.size(), 40u);
    EXPECT_EQ(pages.back(), 32);
    EXPECT_EQ(printer->pageCount(), 40);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
        QStringList({ QStringLiteral("c.csv"), QStringLiteral("out.pdf") }));
}

TEST(BatchInParts, ADamagedPartLeavesTheOldFile)
{
    const QByteArray damaged[] = { QByteArray(), QByteArray("not a document at all"),
        QByteArray("%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 9 0 R >> endobj\ntrailer << /Root 1 0 R >>\n") };
    for (const QByteArray& bytes : damaged) {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out.pdf"));
        ASSERT_TRUE(writeBytes(out, "the old file"));
        std::FILE* f = std::tmpfile();
        ASSERT_NE(f, nullptr);
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), f);
        std::fflush(f);
        auto printer = PrinterSurface::toPdf(out, QSizeF(3.375, 2.125));
        printer->beginJoin();
        try {
            printer->appendPages(PrinterSurface::Part { f, {} });
            printer->EndDoc();
            ADD_FAILURE() << "a damaged part was taken: " << bytes.toStdString();
        } catch (const KytError& e) {
            EXPECT_EQ(e.number(), 482);
            EXPECT_TRUE(e.description().contains(QStringLiteral("cannot put the document together")))
                << e.description().toStdString();
        }
        std::fclose(f);
        EXPECT_FALSE(printer->isActive());
        printer.reset();
        EXPECT_EQ(readBytes(out), QByteArray("the old file"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
            QStringList({ QStringLiteral("out.pdf") }));
    }
}

TEST(BatchInParts, ThePrinterGetsTheSettingsTheCardsGave)
{
    QTemporaryDir dir;
    ASSERT_TRUE(writeBytes(dir.filePath(QStringLiteral("c.csv")), "Name,Image\nAnn,\nBob,\n"));
    const QString out = dir.filePath(QStringLiteral("out.pdf"));
    auto t = badgeCard(true);
    auto printer = PrinterSurface::toPdf(out, cardjob::cardSizeInches(*t));
    CardBatch batch(t);
    CardBatch::Options options;
    options.jobs = 2;
    options.partRecords = 1;
    batch.setOptions(options);
    const CardBatch::Result r = batch.run(dir.filePath(QStringLiteral("c.csv")), *printer);
    ASSERT_TRUE(r.fatal.isEmpty()) << r.fatal.toStdString();
    // A two-sided card asks for two-sided printing, as when drawn directly.
    EXPECT_EQ(printer->Duplex(), 3);
    EXPECT_EQ(printer->pageCount(), 4);
    EXPECT_TRUE(QFileInfo(out).isFile());
}

TEST(BatchInParts, JpegPhotosGoInAsTheirFilesAre)
{
    for (const char* tool : { "pdftoppm", "pdfimages" })
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            GTEST_SKIP() << tool << " (poppler-utils) is not installed";
    QTemporaryDir dir;
    writePhotos(dir);
    ASSERT_TRUE(writeBytes(dir.filePath(QStringLiteral("c.csv")), "Name,Image\nAnn,p.jpg\nBob,q.png\nCy,p.jpg\n"));
    const QString csv = dir.filePath(QStringLiteral("c.csv"));
    const BatchRun with = runBatch(badgeCard(false), csv, dir.filePath(QStringLiteral("with.pdf")), 2, 1, true);
    const BatchRun without = runBatch(badgeCard(false), csv, dir.filePath(QStringLiteral("without.pdf")), 2, 1, false);
    ASSERT_TRUE(with.result.fatal.isEmpty()) << with.result.fatal.toStdString();
    ASSERT_TRUE(without.result.fatal.isEmpty()) << without.result.fatal.toStdString();

    // The JPEG images of the document are the photo's file, byte for byte
    // (so they decode to its pixels); without pass-through it was encoded again.
    auto jpegsOf = [&](const QString& pdf, const QString& prefix) {
        QProcess p;
        p.start(QStringLiteral("pdfimages"), { QStringLiteral("-j"), pdf, dir.filePath(prefix) });
        p.waitForFinished(60000);
        return filesMatching(dir.path(), prefix + QStringLiteral("-*.jpg"));
    };
    const QByteArray source = readBytes(dir.filePath(QStringLiteral("p.jpg")));
    const QList<QByteArray> passed = jpegsOf(dir.filePath(QStringLiteral("with.pdf")), QStringLiteral("w"));
    EXPECT_EQ(passed.count(source), 2); // Ann's and Cy's cards
    QImage decoded, expected;
    ASSERT_TRUE(decoded.loadFromData(passed.value(passed.indexOf(source))));
    ASSERT_TRUE(expected.load(dir.filePath(QStringLiteral("p.jpg"))));
    EXPECT_EQ(decoded, expected);
    EXPECT_EQ(jpegsOf(dir.filePath(QStringLiteral("without.pdf")), QStringLiteral("o")).count(source), 0);

    // The pages look the same: the photo differs only by the second encoding.
    const QList<QByteArray> a = pagesOf(dir.filePath(QStringLiteral("with.pdf")));
    const QList<QByteArray> b = pagesOf(dir.filePath(QStringLiteral("without.pdf")));
    ASSERT_EQ(a.size(), 3);
    ASSERT_EQ(b.size(), 3);
    for (qsizetype page = 0; page < a.size(); ++page) {
        ASSERT_EQ(a[page].size(), b[page].size());
        int worst = 0;
        for (qsizetype i = 0; i < a[page].size(); ++i)
            worst = std::max(worst, std::abs(int(uchar(a[page][i])) - int(uchar(b[page][i]))));
        EXPECT_LE(worst, 16) << "page " << page + 1;
    }
    EXPECT_TRUE(a[1] == b[1]); // the PNG card is the same drawing
}

namespace
{

// A JPEG with an Exif orientation tag (6: turned a quarter) after its SOI.
QByteArray withOrientation(const QByteArray& jpeg, quint16 orientation)
{
    QByteArray tiff("MM\x00\x2A\x00\x00\x00\x08", 8);
    tiff += QByteArray("\x00\x01", 2); // one entry
    tiff += QByteArray("\x01\x12\x00\x03\x00\x00\x00\x01", 8);
    tiff += char(orientation >> 8);
    tiff += char(orientation & 0xFF);
    tiff += QByteArray(2, '\0');
    tiff += QByteArray(4, '\0'); // no next directory
    QByteArray app1("Exif\0\0", 6);
    app1 += tiff;
    QByteArray seg("\xFF\xE1", 2);
    const int len = int(app1.size()) + 2;
    seg += char(len >> 8);
    seg += char(len & 0xFF);
    seg += app1;
    return jpeg.left(2) + seg + jpeg.mid(2);
}

struct JpegRow {
    const char* name;
    std::function<QByteArray()> bytes;
    bool asIs;
};

QByteArray encoded(QImage img, const char* format, bool progressive = false)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter w(&buffer, format);
    w.setProgressiveScanWrite(progressive);
    w.write(img);
    return out;
}

QImage colours()
{
    QImage img(16, 12, QImage::Format_RGB32);
    img.fill(qRgb(200, 40, 90));
    return img;
}

class JpegAsIs : public ::testing::TestWithParam<JpegRow>
{
};

} // namespace

TEST_P(JpegAsIs, KeptOnlyWhenNothingIsToChange)
{
    const QByteArray bytes = GetParam().bytes();
    QString error;
    const Picture p = Picture::fromData(bytes, &error);
    ASSERT_FALSE(p.isNull()) << error.toStdString();
    EXPECT_EQ(!p.jpegData().isEmpty(), GetParam().asIs);
    // Without decoding: the same decision, and the decoded picture's size.
    const Picture undecoded = Picture::undecodedJpeg(bytes);
    EXPECT_EQ(!undecoded.isNull(), GetParam().asIs);
    if (GetParam().asIs) {
        EXPECT_EQ(p.jpegData(), bytes);
        EXPECT_EQ(undecoded.pixelSize(), p.image().size());
        EXPECT_EQ(undecoded.Width(), p.Width());
        EXPECT_EQ(undecoded.Height(), p.Height());
    }
}

INSTANTIATE_TEST_SUITE_P(Files, JpegAsIs,
    ::testing::Values(JpegRow { "Baseline", [] { return encoded(colours(), "JPEG"); }, true },
        JpegRow { "Progressive", [] { return encoded(colours(), "JPEG", true); }, true },
        JpegRow { "Grey", [] { return encoded(colours().convertToFormat(QImage::Format_Grayscale8), "JPEG"); }, true },
        JpegRow { "OrientationAsStored", [] { return withOrientation(encoded(colours(), "JPEG"), 1); }, true },
        JpegRow { "Turned", [] { return withOrientation(encoded(colours(), "JPEG"), 6); }, false },
        JpegRow { "Png", [] { return encoded(colours(), "PNG"); }, false }),
    [](const auto& info) { return std::string(info.param.name); });
