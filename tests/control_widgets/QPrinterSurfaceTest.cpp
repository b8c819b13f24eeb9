// A QPrinter from a print dialog as a surface: card-sized pages in the card's
// shape whatever Orientation says.
#include <gtest/gtest.h>

#include "platform/widgets/QPrinterSurface.h"
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace kyt;

namespace
{

TEST(QPrinterSurface, PrintsTheWholeCardOnACardSizedPage)
{
    if (QStandardPaths::findExecutable("pdfinfo").isEmpty() || QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "poppler-utils not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath("dialog.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    {
        QPrinterSurface surface(printer, QSizeF(3.375, 2.125));
        surface.setOrientation(1);
        surface.setScaleMode(Surface::vbInches);
        EXPECT_NEAR(surface.ScaleWidth(), 3.375, 1e-6);
        surface.setCurrentX(2.6);
        surface.setCurrentY(1.8);
        surface.Print("RightEdge");
        surface.NewPage();
        surface.Print("Back");
        surface.EndDoc();
        EXPECT_EQ(surface.pageCount(), 2);
    }
    QProcess info;
    info.start("pdfinfo", { pdf });
    ASSERT_TRUE(info.waitForFinished(60000));
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QRegularExpression(R"(Pages:\s+2)"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QRegularExpression(R"(Page size:\s+243 x 153 pts)"))) << out.toStdString();
    QProcess text;
    text.start("pdftotext", { "-f", "1", "-l", "1", pdf, "-" });
    ASSERT_TRUE(text.waitForFinished(60000));
    EXPECT_TRUE(text.readAllStandardOutput().contains("RightEdge"));
}

} // namespace
