// Barcodes drawn as text in the generated fonts, as a card is drawn (QPainter
// at 300 dots per inch, and a PDF for printing), read back by a real scanner
// program. A decoded value equal to the input proves the glyph patterns, the
// character mapping and the check symbol together.
#include <gtest/gtest.h>

#include "BarcodeTestPrint.h"

#include "barcode/modBarCodeRoutines.h"
#include "platform/BarcodeFonts.h"
#include "util/Ansi.h"
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <map>

using namespace kyt;

namespace
{
constexpr int kDpi = 300;

enum class Symbology { Code39, Code128 };

struct Scanner {
    QString zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
    QTemporaryDir dir;
    int counter = 0;

    // Decoded text of the one barcode in the picture (empty when none).
    QString decodeFile(const QString& path, Symbology s)
    {
        QProcess p;
        p.start(zbarimg,
            { QStringLiteral("--raw"), QStringLiteral("-q"), QStringLiteral("-Sdisable"),
                s == Symbology::Code39 ? QStringLiteral("-Scode39.enable") : QStringLiteral("-Scode128.enable"),
                path });
        if (!p.waitForFinished(60000)) {
            p.kill();
            p.waitForFinished();
            ADD_FAILURE() << "zbarimg did not finish";
            return QString();
        }
        QString out = QString::fromLatin1(p.readAllStandardOutput());
        if (out.endsWith(QLatin1Char('\n')))
            out.chop(1);
        return out;
    }

    QString decode(const QImage& image, Symbology s)
    {
        const QString path = dir.filePath(QStringLiteral("scan%1.png").arg(++counter));
        EXPECT_TRUE(image.save(path));
        return decodeFile(path, s);
    }
};

QFont barcodeFont(const char* family, qreal pixelSize)
{
    QFont f { QLatin1String(family) };
    f.setPixelSize(qRound(pixelSize));
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// The string drawn in the font on a white 300-dpi picture, with `margin`
// pixels of white on the left and right.
QImage draw(const QString& text, const QFont& font, int margin)
{
    QImage probe(1, 1, QImage::Format_RGB32);
    probe.setDotsPerMeterX(qRound(kDpi / 0.0254));
    probe.setDotsPerMeterY(qRound(kDpi / 0.0254));
    const QFontMetricsF fm(font, &probe);
    const int width = qCeil(fm.horizontalAdvance(text)) + 2 * margin;
    const int height = qCeil(fm.height()) + 20;
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(probe.dotsPerMeterX());
    image.setDotsPerMeterY(probe.dotsPerMeterY());
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(margin, 10 + fm.ascent()), text);
    painter.end();
    return image;
}

int checkValueB(const QString& encoded)
{
    return ansiCode(encoded.at(encoded.size() - 2)) - 32;
}

int checkValueC(const QString& encoded)
{
    const int code = ansiCode(encoded.at(encoded.size() - 2));
    return code == 192 ? 0 : code == 134 ? 102 : code >= 195 ? code - 100 : code - 32;
}

// One printable text per check value 0..102 for code set B.
std::map<int, QString> textsForEveryCheckValueB()
{
    std::map<int, QString> found;
    for (int a = 33; a <= 126 && found.size() < 103; ++a)
        for (int b = 33; b <= 126 && found.size() < 103; ++b) {
            const QString text = QStringLiteral("K") + QChar(char16_t(a)) + QChar(char16_t(b));
            found.emplace(checkValueB(CreateCode128B(text)), text);
        }
    return found;
}

class BarcodeScan : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (scanner.zbarimg.isEmpty())
            GTEST_SKIP() << "zbarimg is not installed";
        ASSERT_TRUE(registerBarcodeFonts());
        ASSERT_TRUE(scanner.dir.isValid());
    }
    Scanner scanner;
};
} // namespace

TEST_F(BarcodeScan, Code128BEveryCheckValue)
{
    const std::map<int, QString> texts = textsForEveryCheckValueB();
    ASSERT_EQ(texts.size(), 103u);
    // 48 pixels per em: 3 pixels per module. No margin: the start and stop
    // glyphs bring the quiet zone.
    const QFont font = barcodeFont(kBarcode128Family, 48);
    for (const auto& [check, text] : texts) {
        const QString encoded = CreateCode128B(text);
        ASSERT_EQ(checkValueB(encoded), check);
        EXPECT_EQ(scanner.decode(draw(encoded, font, 0), Symbology::Code128), text) << "check value " << check;
    }
}

TEST_F(BarcodeScan, Code128BEveryDataValue)
{
    // All 96 data characters of code set B, the blank and DEL inside the text.
    QStringList texts;
    QString all;
    for (int c = 33; c <= 126; ++c)
        all += QChar(char16_t(c));
    texts << all.left(32) << all.mid(32, 32) << all.mid(64)
          << QStringLiteral("A B\x7f"
                            "C")
          << QStringLiteral("Card 0042");
    const QFont font = barcodeFont(kBarcode128Family, 48);
    for (const QString& text : texts)
        EXPECT_EQ(scanner.decode(draw(CreateCode128B(text), font, 0), Symbology::Code128), text);
}

TEST_F(BarcodeScan, Code128CPairsAndCheckValues)
{
    QStringList texts;
    QString pairs;
    for (int v = 0; v < 100; ++v)
        pairs += QString::number(v).rightJustified(2, QLatin1Char('0'));
    for (int i = 0; i < 4; ++i)
        texts << pairs.mid(i * 50, 50);
    // check values 0 and 95..102 (the characters 192, 195..201 and 134)
    std::map<int, QString> byCheck;
    for (int n = 0; n < 10000 && byCheck.size() < 103; ++n) {
        const QString t = QString::number(n).rightJustified(4, QLatin1Char('0'));
        byCheck.emplace(checkValueC(CreateCode128C(t)), t);
    }
    for (int check : { 0, 95, 96, 97, 98, 99, 100, 101, 102 }) {
        ASSERT_TRUE(byCheck.count(check)) << check;
        texts << byCheck[check];
    }
    texts << QStringLiteral("1234");
    const QFont font = barcodeFont(kBarcode128Family, 48);
    for (const QString& text : texts)
        EXPECT_EQ(scanner.decode(draw(CreateCode128C(text), font, 0), Symbology::Code128), text);
    // An odd length is read back with its leading zero.
    EXPECT_EQ(scanner.decode(draw(CreateCode128C(QStringLiteral("123")), font, 0), Symbology::Code128),
        QStringLiteral("0123"));
}

TEST_F(BarcodeScan, Code39WithStartStopFromPrefixAndPostfix)
{
    const QFont font = barcodeFont(kBarcode39Family, 32); // 2 pixels per narrow element
    const QStringList texts = { QStringLiteral("0123456789"), QStringLiteral("ABCDEFGHIJKLM"),
        QStringLiteral("NOPQRSTUVWXYZ"), QStringLiteral("A-B.C D$E/F+G%H"), QStringLiteral("ID 4711") };
    for (const QString& text : texts) {
        const QString printed = QStringLiteral("*") + TrimBarcodeBlanks(text) + QStringLiteral("*");
        EXPECT_EQ(scanner.decode(draw(printed, font, 40), Symbology::Code39), text);
    }
    // Lower case prints the capitals' symbols.
    EXPECT_EQ(scanner.decode(draw(QStringLiteral("*abc-12*"), font, 40), Symbology::Code39), QStringLiteral("ABC-12"));
}

TEST_F(BarcodeScan, FontSizesInPointsAtPrinterResolution)
{
    // Point sizes do not give whole pixels per module; the symbols still read.
    const QStringList texts = { QStringLiteral("KYT-000123"), QStringLiteral("Kf0") };
    for (qreal points : { 10.0, 14.5 }) {
        QFont font { QLatin1String(kBarcode128Family) };
        font.setPointSizeF(points);
        for (const QString& text : texts)
            EXPECT_EQ(scanner.decode(draw(CreateCode128B(text), font, 0), Symbology::Code128), text) << points << "pt";
    }
}

TEST_F(BarcodeScan, PdfOutputReads)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed";
    // The characters beyond code 126 (check values 95..102 in code set B and
    // the code set C table), each on a page of its own.
    const std::map<int, QString> byCheck = textsForEveryCheckValueB();
    struct Page {
        QString printed, expected;
    };
    std::vector<Page> pages;
    for (int check = 95; check <= 102; ++check)
        pages.push_back({ CreateCode128B(byCheck.at(check)), byCheck.at(check) });
    pages.push_back({ CreateCode128C(QStringLiteral("009596979899")), QStringLiteral("009596979899") });
    pages.push_back({ CreateCode128B(QStringLiteral("A\x7f"
                                                    "B")),
        QStringLiteral("A\x7f"
                       "B") });

    const QString pdfPath = scanner.dir.filePath(QStringLiteral("codes.pdf"));
    {
        QPdfWriter pdf(pdfPath);
        pdf.setResolution(kDpi);
        pdf.setPageSize(QPageSize(QSizeF(3.375, 2.125), QPageSize::Inch)); // a card
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&pdf);
        QFont font { QLatin1String(kBarcode128Family) };
        font.setPointSizeF(12);
        painter.setFont(font);
        for (size_t i = 0; i < pages.size(); ++i) {
            if (i > 0)
                pdf.newPage();
            painter.drawText(QPointF(30, 60 + painter.fontMetrics().ascent()), pages[i].printed);
        }
    }
    QProcess p;
    p.start(pdftoppm,
        { QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-png"), pdfPath,
            scanner.dir.filePath(QStringLiteral("page")) });
    ASSERT_TRUE(p.waitForFinished(120000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QStringList files
        = QDir(scanner.dir.path()).entryList({ QStringLiteral("page*.png") }, QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), static_cast<qsizetype>(pages.size()));
    for (size_t i = 0; i < pages.size(); ++i)
        EXPECT_EQ(scanner.decodeFile(scanner.dir.filePath(files[i]), Symbology::Code128), pages[i].expected)
            << "page " << i + 1;
}
