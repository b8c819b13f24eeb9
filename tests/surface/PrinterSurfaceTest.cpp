// Printing: PDF files checked with the poppler tools, and a real job on a
// CUPS queue when KYT_CUPS_QUEUE names one (tests/scripts/cups_print.sh).
#include <gtest/gtest.h>

#include "support/TestSupport.h"

#include "errors/CError.h"
#include "platform/Picture.h"
#include "platform/surface/PrinterSurface.h"
#include "platform/surface/TraceSurface.h"
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <limits>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace kyt;

namespace
{

const QSizeF CR80(3.375, 2.125);

QString run(const QString& tool, const QStringList& args)
{
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

bool haveTool(const char* tool)
{
    return !QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty();
}

struct PdfInfo {
    int pages = -1;
    double width = 0, height = 0; // points, first page
};

PdfInfo pdfInfo(const QString& file)
{
    PdfInfo info;
    const QString out = run("pdfinfo", { file });
    const auto pages = QRegularExpression(R"(Pages:\s+(\d+))").match(out);
    if (pages.hasMatch())
        info.pages = pages.captured(1).toInt();
    const auto size = QRegularExpression(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)").match(out);
    if (size.hasMatch()) {
        info.width = size.captured(1).toDouble();
        info.height = size.captured(2).toDouble();
    }
    return info;
}

QImage noiseImage(int width, int height, quint32 seed)
{
    QImage img(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            img.setPixel(x, y, (seed = seed * 1103515245u + 12345u) >> 8);
    return img;
}

QByteArray jpegOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return bytes;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString pageText(const QString& file, int page)
{
    return run("pdftotext", { "-f", QString::number(page), "-l", QString::number(page), file, "-" });
}

class PrinterPdfTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!haveTool("pdfinfo") || !haveTool("pdftotext"))
            GTEST_SKIP() << "poppler-utils not installed";
        ASSERT_TRUE(dir.isValid());
    }
    QString file(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir;
};

TEST_F(PrinterPdfTest, TwoSidedCardGivesTwoCardSizedPages)
{
    const QString pdf = file("card.pdf");
    {
        PrinterSurface printer(PrinterSurface::Target::PdfFile, pdf, CR80);
        EXPECT_EQ(printer.TypeName(), "Printer");
        EXPECT_EQ(printer.Orientation(), 2); // a wide card starts in landscape
        EXPECT_DOUBLE_EQ(printer.TwipsPerPixelX(), 4.8);
        printer.setScaleMode(Surface::vbInches);
        EXPECT_NEAR(printer.ScaleWidth(), 3.375, 1e-6);
        EXPECT_NEAR(printer.ScaleHeight(), 2.125, 1e-6);
        printer.setDuplex(3); // kept; a PDF file has no sides
        EXPECT_EQ(printer.Duplex(), 3);
        EXPECT_EQ(printer.pageCount(), 0);
        printer.setCurrentX(0.2);
        printer.setCurrentY(0.2);
        printer.Print("Front Side Text");
        printer.Line(0.1, 1.0, 3.0, 1.2, 0, Surface::LineKind::FilledBox);
        printer.NewPage();
        EXPECT_EQ(printer.CurrentY(), 0);
        printer.setCurrentX(0.2);
        printer.setCurrentY(0.2);
        printer.Print("Back Side Text");
        EXPECT_EQ(printer.pageCount(), 2);
        printer.EndDoc();
        printer.EndDoc(); // a second end is harmless
    }
    const PdfInfo info = pdfInfo(pdf);
    EXPECT_EQ(info.pages, 2);
    EXPECT_NEAR(info.width, 243, 1);
    EXPECT_NEAR(info.height, 153, 1);
    EXPECT_TRUE(pageText(pdf, 1).contains("Front Side Text"));
    EXPECT_FALSE(pageText(pdf, 1).contains("Back Side Text"));
    EXPECT_TRUE(pageText(pdf, 2).contains("Back Side Text"));
}

TEST_F(PrinterPdfTest, OrientationNeverTurnsOrClipsTheCard)
{
    for (int orientation : { 1, 2 }) {
        SCOPED_TRACE(orientation);
        const QString pdf = file(orientation == 1 ? "portrait.pdf" : "landscape.pdf");
        {
            PrinterSurface printer(PrinterSurface::Target::PdfFile, pdf, CR80);
            printer.setOrientation(orientation);
            EXPECT_EQ(printer.Orientation(), orientation);
            printer.setScaleMode(Surface::vbInches);
            EXPECT_NEAR(printer.ScaleWidth(), 3.375, 1e-6);
            EXPECT_NEAR(printer.ScaleHeight(), 2.125, 1e-6);
            printer.setCurrentX(2.6); // beyond 2.125 inches from the left
            printer.setCurrentY(1.8);
            printer.Print("RightEdge");
        }
        const PdfInfo info = pdfInfo(pdf);
        EXPECT_EQ(info.pages, 1);
        EXPECT_NEAR(info.width, 243, 1);
        EXPECT_NEAR(info.height, 153, 1);
        EXPECT_TRUE(pageText(pdf, 1).contains("RightEdge"));
    }
}

TEST_F(PrinterPdfTest, FailedWriteKeepsTheOldFileAndSaysWhy)
{
    const QString pdf = file("old.pdf");
    {
        QFile old(pdf);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old content");
    }
    // Writes past 4 KB fail (EFBIG) as they would on a full disk.
    rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QImage noise = noiseImage(400, 300, 7);
    // Drawn straight into the file, and drawn in memory with the JPEG file
    // put in at the end.
    for (const bool passJpegs : { false, true }) {
        QString error;
        {
            PrinterSurface printer(PrinterSurface::Target::PdfFile, pdf, CR80);
            printer.setScaleMode(Surface::vbInches);
            printer.setJpegPassThrough(passJpegs);
            printer.PaintPicture(passJpegs ? Picture::undecodedJpeg(jpegOf(noise)) : Picture(noise), 0, 0, 3, 2);
            try {
                printer.EndDoc();
            } catch (const KytError& e) {
                error = e.description();
            }
        }
        EXPECT_TRUE(error.contains("File too large")) << passJpegs << error.toStdString();
        QFile old(pdf);
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), QByteArray("old content"));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1); // no partial file left
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
}

TEST_F(PrinterPdfTest, DrawnDocumentHoldsJpegFilesAsTheyAre)
{
    for (const char* tool : { "pdfimages", "pdftoppm" })
        if (!haveTool(tool))
            GTEST_SKIP() << tool << " not installed";
    QImage gradient(160, 120, QImage::Format_RGB32);
    for (int y = 0; y < gradient.height(); ++y)
        for (int x = 0; x < gradient.width(); ++x)
            gradient.setPixel(x, y, qRgb(x, 2 * y, 255 - x));
    const QByteArray jpeg = jpegOf(gradient);
    const Picture decoded = Picture::fromData(jpeg);
    ASSERT_FALSE(decoded.jpegData().isEmpty()) << "a plain JPEG can go in as it is";
    // Two pages, the file on both, beside text and a picture that is no JPEG.
    auto draw = [&](const QString& pdf, bool passJpegs) {
        PrinterSurface printer(PrinterSurface::Target::PdfFile, pdf, CR80);
        printer.setScaleMode(Surface::vbInches);
        printer.setJpegPassThrough(passJpegs);
        const Picture photo = passJpegs ? Picture::undecodedJpeg(jpeg) : Picture(decoded.image());
        for (int page = 0; page < 2; ++page) {
            if (page > 0)
                printer.NewPage();
            printer.PaintPicture(photo, 0.213, 0.227, 1.011, 0.757);
            printer.PaintPicture(Picture(noiseImage(30, 20, 9)), 2.0, 1.5, 0.5, 0.3);
            printer.setCurrentX(1.5);
            printer.setCurrentY(0.3);
            printer.Print(QStringLiteral("Card %1").arg(page + 1));
        }
        printer.EndDoc();
    };
    const QString with = file("with.pdf"), without = file("without.pdf");
    draw(with, true);
    draw(without, false);
    EXPECT_EQ(pdfInfo(with).pages, 2);
    EXPECT_TRUE(pageText(with, 2).contains("Card 2"));
    // The file itself, byte for byte, stored once for both pages.
    run("pdfimages", { "-j", with, file("w") });
    int placed = 0;
    for (const QString& name : QDir(dir.path()).entryList({ "w-*.jpg" }))
        placed += readAll(dir.filePath(name)) == jpeg;
    EXPECT_EQ(placed, 2);
    EXPECT_EQ(readAll(with).count(jpeg), 1);
    EXPECT_EQ(readAll(without).count(jpeg), 0);
    // The pages look as those with the picture encoded again.
    for (int page = 1; page <= 2; ++page) {
        const QString n = QString::number(page);
        run("pdftoppm", { "-r", "100", "-gray", "-f", n, "-l", n, with, file("a") });
        run("pdftoppm", { "-r", "100", "-gray", "-f", n, "-l", n, without, file("b") });
        const QImage a(file("a-") + n + ".pgm"), b(file("b-") + n + ".pgm");
        ASSERT_FALSE(a.isNull());
        ASSERT_EQ(a.size(), b.size());
        int worst = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                worst = std::max(worst, std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))));
        EXPECT_LE(worst, 16) << "page " << page;
    }
}

TEST_F(PrinterPdfTest, OutputKeepsTheUmaskAndAnExistingFilesMode)
{
    const QString pdf = file("mode.pdf");
    auto write = [&] {
        PrinterSurface printer(PrinterSurface::Target::PdfFile, pdf, CR80);
        printer.Print("x");
        printer.EndDoc();
    };
    auto mode = [&] {
        struct stat st {
        };
        return stat(QFile::encodeName(pdf).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
    };
    const mode_t saved = umask(077);
    write();
    EXPECT_EQ(mode(), 0600);
    umask(022);
    ASSERT_EQ(chmod(QFile::encodeName(pdf).constData(), 0640), 0);
    write();
    EXPECT_EQ(mode(), 0640);
    QFile::remove(pdf);
    write();
    EXPECT_EQ(mode(), 0644);
    umask(saved);
}

TEST_F(PrinterPdfTest, NewPageBeforeAnyDrawingKeepsABlankFront)
{
    const QString pdf = file("blankfront.pdf");
    {
        PrinterSurface printer(PrinterSurface::Target::PdfFile, pdf, CR80);
        printer.NewPage();
        printer.Print("Only On The Back");
    }
    EXPECT_EQ(pdfInfo(pdf).pages, 2);
    EXPECT_FALSE(pageText(pdf, 1).contains("Only"));
    EXPECT_TRUE(pageText(pdf, 2).contains("Only On The Back"));
}

TEST_F(PrinterPdfTest, NothingDrawnWritesNothing)
{
    const QString pdf = file("empty.pdf");
    {
        PrinterSurface printer(PrinterSurface::Target::PdfFile, pdf, CR80);
        printer.setOrientation(2);
        printer.EndDoc();
    }
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

TEST_F(PrinterPdfTest, AfterEndDocAFileRefusesMoreDrawing)
{
    const QString pdf = file("ended.pdf");
    PrinterSurface printer(PrinterSurface::Target::PdfFile, pdf, CR80);
    printer.Print("Kept");
    printer.EndDoc();
    EXPECT_EQ(test::errorNumberOf([&] { printer.Print("Lost?"); }), 482);
    EXPECT_EQ(pdfInfo(pdf).pages, 1);
    EXPECT_TRUE(pageText(pdf, 1).contains("Kept"));
}

TEST_F(PrinterPdfTest, RepeatedPictureIsEmbeddedOnce)
{
    if (!haveTool("pdfimages"))
        GTEST_SKIP() << "pdfimages not installed";
    // A noisy picture does not compress away, so 50 copies would show.
    const Picture photo(noiseImage(300, 200, 12345));
    const QString pdf = file("fifty.pdf");
    {
        PrinterSurface printer(PrinterSurface::Target::PdfFile, pdf, CR80);
        printer.setScaleMode(Surface::vbInches);
        for (int page = 0; page < 50; ++page) {
            if (page > 0)
                printer.NewPage();
            const Picture copy = photo; // as objects hand it around
            printer.PaintPicture(copy, 0.1, 0.1, 1.0, 1.25);
            printer.setCurrentX(1.5);
            printer.setCurrentY(0.2);
            printer.Print(QStringLiteral("Card %1").arg(page + 1));
        }
        printer.EndDoc();
    }
    EXPECT_EQ(pdfInfo(pdf).pages, 50);
    const QStringList rows = run("pdfimages", { "-list", pdf }).split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(rows.size(), 3) << "no images listed";
    // Rows after the two header lines: one per placement; the object number
    // (column 11) is the same for all of them.
    QSet<QString> objects;
    int placements = 0;
    for (int i = 2; i < rows.size(); ++i) {
        const QStringList cols = rows[i].simplified().split(' ');
        if (cols.size() < 12 || cols[2] != "image")
            continue;
        ++placements;
        objects.insert(cols[10]);
    }
    EXPECT_EQ(placements, 50);
    EXPECT_EQ(objects.size(), 1);
    // One copy of 300 x 200 x 3 bytes of noise, not fifty.
    EXPECT_LT(QFileInfo(pdf).size(), 2 * 300 * 200 * 3);
}

TEST_F(PrinterPdfTest, DrawWidthCountsPrinterDots)
{
    const QString pdf = file("lines.pdf");
    PrinterSurface printer(PrinterSurface::Target::PdfFile, pdf, CR80, 600);
    EXPECT_DOUBLE_EQ(printer.TwipsPerPixelX(), 2.4);
    printer.setScaleMode(Surface::vbPixels);
    EXPECT_NEAR(printer.ScaleWidth(), 3.375 * 600, 1e-6);
    printer.setDrawWidth(6);
    printer.Line(0, 0, 600, 300, 0, Surface::LineKind::Box);
    // Invert has no meaning on paper: the line is drawn with the pen.
    printer.setDrawMode(Surface::vbInvert);
    printer.Line(0, 450, 2025, 450, 0);
    printer.EndDoc();
    EXPECT_EQ(pdfInfo(pdf).pages, 1);
    if (!haveTool("pdftoppm"))
        return;
    // Rendered at 100 dpi: the 6-dot box edge at x 0..1 inch is about 1 pixel
    // wide there; the line at 0.75 inch is dark.
    const QString png = file("lines");
    run("pdftoppm", { "-r", "100", "-gray", "-png", "-singlefile", pdf, png });
    QImage img(png + ".png");
    ASSERT_FALSE(img.isNull());
    EXPECT_LT(qGray(img.pixel(150, 75)), 128);
    EXPECT_LT(qGray(img.pixel(50, 0)), 160);
    EXPECT_EQ(qGray(img.pixel(50, 25)), 255);
}

TEST(PrinterSurface, JobOptionsCarryTheCardsSettings)
{
    struct Row {
        int duplex, quality;
        QSizeF paper;
        QString sides, quality_, orientation, media;
    };
    const Row rows[] = {
        { 1, -4, CR80, "one-sided", "print-quality=5", "4", "custom_card_3.375x2.125in" },
        { 2, -3, CR80, "two-sided-short-edge", "print-quality=4", "4", "custom_card_3.375x2.125in" },
        { 3, -1, QSizeF(2.125, 3.375), "two-sided-long-edge", "print-quality=3", "3", "custom_card_2.125x3.375in" },
        { 1, 0, QSizeF(4, 6), "one-sided", "", "3", "custom_card_4x6in" },
        { 1, 600, QSizeF(4, 6), "one-sided", "printer-resolution=600dpi", "3", "custom_card_4x6in" },
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.sides.toStdString() + " " + r.media.toStdString());
        PrinterSurface printer(PrinterSurface::Target::PdfFile, "/tmp/unused.pdf", r.paper);
        printer.setDuplex(r.duplex);
        printer.setPrintQuality(r.quality);
        QMap<QString, QString> got;
        for (const auto& o : printer.jobOptions())
            got.insert(o.first, o.second);
        EXPECT_EQ(got.value("sides"), r.sides);
        const QString quality = got.contains("print-quality") ? "print-quality=" + got.value("print-quality")
            : got.contains("printer-resolution")              ? "printer-resolution=" + got.value("printer-resolution")
                                                              : QString();
        EXPECT_EQ(quality, r.quality_);
        EXPECT_EQ(got.value("orientation-requested"), r.orientation);
        EXPECT_EQ(got.value("media"), r.media);
        EXPECT_EQ(got.value("copies"), "1");
        EXPECT_FALSE(got.contains("media-source"));
    }
    // Tray, copies and options given by the caller; an option wins.
    PrinterSurface printer(PrinterSurface::Target::PdfFile, "/tmp/unused.pdf", CR80);
    printer.setCopies(3);
    printer.setMediaSource("tray-2");
    printer.addJobOption("sides", "one-sided");
    printer.addJobOption("finishings", "4");
    printer.setDuplex(3);
    QMap<QString, QString> got;
    for (const auto& o : printer.jobOptions())
        got.insert(o.first, o.second);
    EXPECT_EQ(got.value("copies"), "3");
    EXPECT_EQ(got.value("media-source"), "tray-2");
    EXPECT_EQ(got.value("sides"), "one-sided");
    EXPECT_EQ(got.value("finishings"), "4");
    EXPECT_EQ(test::errorNumberOf([&] { printer.setCopies(0); }), 380);
}

TEST(PrinterSurface, RefusesBadTargetsAndSizes)
{
    EXPECT_EQ(test::errorNumberOf([] { PrinterSurface::toQueue("KYT_No_Such_Queue_42", CR80); }), 482);
    EXPECT_EQ(test::errorNumberOf([] { PrinterSurface::toPdf("", CR80); }), 482);
    EXPECT_EQ(test::errorNumberOf([] { PrinterSurface::toPdf("/tmp/x.pdf", QSizeF(0, 2)); }), 380);
    EXPECT_EQ(test::errorNumberOf([] { PrinterSurface::toPdf("/tmp/x.pdf", QSizeF(3, 1e9)); }), 380);
    EXPECT_EQ(test::errorNumberOf([] { PrinterSurface::toPdf("/tmp/x.pdf", CR80, 10); }), 380);
    for (double bad :
        { 0.0, -3.0, 1e9, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity() })
        EXPECT_EQ(test::errorNumberOf([&] { PrinterSurface::toPdf("/tmp/x.pdf", QSizeF(bad, 2)); }), 380) << bad;

    // A file that cannot be written fails at the first drawing, with a report.
    auto printer = PrinterSurface::toPdf("/nonexistent-folder/sub/card.pdf", CR80);
    EXPECT_EQ(test::errorNumberOf([&] { printer->Print("x"); }), 482);
}

// A real job through CUPS: front and back of a two-sided card. Run by
// tests/scripts/cups_print.sh, which sets up the queue and checks the PDF
// that the queue's backend writes.
TEST(PrinterSurfaceCups, PrintsTwoSidedCardToQueue)
{
    const QString queue = qEnvironmentVariable("KYT_CUPS_QUEUE");
    if (queue.isEmpty())
        GTEST_SKIP() << "KYT_CUPS_QUEUE not set";
    const QString title = qEnvironmentVariable("KYT_CUPS_TITLE", QStringLiteral("kyt-card"));
    auto printer = PrinterSurface::toQueue(queue, CR80);
    TraceSurface trace(*printer);
    printer->setDocumentName(title);
    trace.setScaleMode(Surface::vbInches);
    trace.setOrientation(2);
    trace.setDuplex(3);
    EXPECT_EQ(printer->Duplex(), 3);
    printer->setCopies(2);
    printer->setPrintQuality(-4);
    trace.setFontSize(14);
    trace.setCurrentX(0.3);
    trace.setCurrentY(0.3);
    trace.Print("KYT FRONT SIDE");
    trace.Line(0.1, 0.1, 3.275, 2.025, 0, Surface::LineKind::Box);
    trace.NewPage();
    trace.setCurrentX(0.3);
    trace.setCurrentY(0.3);
    trace.Print("KYT BACK SIDE");
    trace.EndDoc();
    EXPECT_EQ(trace.lines().size(), 13);
    // The script asks the scheduler for the job's attributes.
    ASSERT_GT(printer->jobId(), 0);
    std::printf("KYT_JOB_ID=%d\n", printer->jobId());
}

} // namespace
