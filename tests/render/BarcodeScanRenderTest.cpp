// Barcode fields drawn by the card code itself, on a 300 dpi picture box and
// into a PDF, read back by a real scanner program. In a PDF the bars are
// shapes, where the picture box draws them, and no barcode font is embedded.
#include "RenderTestSupport.h"

#include "platform/BarcodeFonts.h"
#include "platform/surface/PictureBoxSurface.h"
#include "platform/surface/PrinterSurface.h"
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace kyt;
using namespace kyt::test;

namespace
{

struct BarcodeField {
    const char* name;
    const char* family;
    qint32 type;
    const char* prefix;
    const char* postfix;
    const char* value;
    const char* symbology; // scanner option
};

// One module of the barcode fonts is 1/16 em; at 23 points and 300 dpi that
// is 5.99 device pixels, and the bars are 0.32 inch high.
constexpr qint16 kFontSize = 23;
constexpr QSizeF kCard(5.0, 1.25);

std::unique_ptr<CPrintTemplate> barcodeCard(const BarcodeField& f)
{
    auto card = makeCard(kCard.width(), kCard.height());
    card->setOrientation(2);
    auto data = add<CDataObject>(*card, "Data");
    place(*data, 0.4f, 0.3f, 4.4f, 0.6f);
    data->setDataFieldName(QString::fromLatin1(f.name));
    data->setFontName(QString::fromLatin1(f.family));
    data->setFontSize(kFontSize);
    data->setBarcode(true);
    data->setBarcodeTypeNumber(f.type);
    data->setBarcodePrefix(QString::fromLatin1(f.prefix));
    data->setBarcodePostfix(QString::fromLatin1(f.postfix));
    return card;
}

std::shared_ptr<CPrintData> cardData()
{
    auto data = std::make_shared<CPrintData>();
    data->Add("BadgeId", "KYT-2024");
    data->Add("Holder", "Ann Lee 7");
    data->Add("Serial", "12345678");
    return data;
}

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        ADD_FAILURE() << program.toStdString() << " did not finish";
        return QString();
    }
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    QString out = QString::fromLatin1(p.readAllStandardOutput());
    while (out.endsWith(QLatin1Char('\n')))
        out.chop(1);
    return out;
}

QString decode(const QString& zbarimg, const QString& png, const char* symbology)
{
    return run(zbarimg,
        { QStringLiteral("--raw"), QStringLiteral("-q"), QStringLiteral("-Sdisable"),
            QStringLiteral("-S%1.enable").arg(QLatin1String(symbology)), png });
}

// Where a row of the field turns from light to dark and back (a
// transparent pixel is light).
std::vector<int> barEdges(const QImage& image, int y)
{
    std::vector<int> edges;
    bool dark = false;
    for (int x = qRound(0.4 * 300); x < qRound(4.8 * 300); ++x)
        if (const QRgb px = image.pixel(x, y); (qAlpha(px) >= 128 && qGray(px) < 128) != dark) {
            dark = !dark;
            edges.push_back(x);
        }
    return edges;
}

const BarcodeField kFields[] = {
    { "BadgeId", kBarcode39Family, CTextObjectBase::Barcode3of9, "*", "*", "KYT-2024", "code39" },
    { "Holder", kBarcode128Family, CTextObjectBase::Barcode128B, "", "", "Ann Lee 7", "code128" },
    { "Serial", kBarcode128Family, CTextObjectBase::Barcode128C, "", "", "12345678", "code128" },
};

} // namespace

class BarcodeScan : public ::testing::TestWithParam<BarcodeField>
{
protected:
    void SetUp() override
    {
        zbarimg = QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
        pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        if (zbarimg.isEmpty() || pdftoppm.isEmpty())
            GTEST_SKIP() << "zbarimg or pdftoppm is not installed";
        ASSERT_TRUE(dir.isValid());
    }
    QString zbarimg, pdftoppm;
    QTemporaryDir dir;
};

TEST_P(BarcodeScan, PictureBoxAt300Dpi)
{
    const auto f = GetParam();
    auto card = barcodeCard(f);
    PictureBoxSurface box(QSize(qRound(kCard.width() * 300), qRound(kCard.height() * 300)), 300);
    ASSERT_TRUE(card->Render(box, cardData()));
    EXPECT_TRUE(card->Error()->lastLogLine().isEmpty()) << card->Error()->lastLogLine().toStdString();
    const QString png = dir.filePath(QStringLiteral("%1.png").arg(QLatin1String(f.name)));
    ASSERT_TRUE(box.Image().save(png));
    EXPECT_EQ(decode(zbarimg, png, f.symbology), QString::fromLatin1(f.value));
}

TEST_P(BarcodeScan, PdfRasterisedAt300Dpi)
{
    const auto f = GetParam();
    auto card = barcodeCard(f);
    const QString pdf = dir.filePath(QStringLiteral("%1.pdf").arg(QLatin1String(f.name)));
    {
        auto printer = PrinterSurface::toPdf(pdf, kCard, 300);
        ASSERT_TRUE(card->Render(*printer, cardData()));
        printer->EndDoc();
    }
    EXPECT_TRUE(card->Error()->lastLogLine().isEmpty()) << card->Error()->lastLogLine().toStdString();
    const QString prefix = dir.filePath(QLatin1String(f.name));
    run(pdftoppm,
        { QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf,
            prefix });
    const QString png = prefix + QStringLiteral(".png");
    ASSERT_TRUE(QFile::exists(png));
    EXPECT_EQ(decode(zbarimg, png, f.symbology), QString::fromLatin1(f.value));

    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("/FontFile2")) << "a barcode font was embedded";
    PictureBoxSurface box(QSize(qRound(kCard.width() * 300), qRound(kCard.height() * 300)), 300);
    ASSERT_TRUE(card->Render(box, cardData()));
    const QImage page(png);
    ASSERT_EQ(page.size(), box.Image().size());
    const int middle = qRound(0.6 * 300); // halfway down the bars
    const std::vector<int> drawn = barEdges(box.Image(), middle), printed = barEdges(page, middle);
    ASSERT_EQ(printed.size(), drawn.size());
    ASSERT_GT(drawn.size(), 20u);
    for (size_t i = 0; i < drawn.size(); ++i)
        EXPECT_LE(std::abs(printed[i] - drawn[i]), 1) << "edge " << i;
}

INSTANTIATE_TEST_SUITE_P(Fields, BarcodeScan, ::testing::ValuesIn(kFields),
    [](const ::testing::TestParamInfo<BarcodeField>& info) { return std::string(info.param.name); });
