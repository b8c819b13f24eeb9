// Symbols (QR Code, Data Matrix, EAN-13 ...) drawn by data-field objects on
// picture boxes at 300 and 600 dpi and into PDF files rasterised by
// pdftoppm, each read back by zxing-cpp to exactly what it should carry.
#include "RenderTestSupport.h"

#include "SymbolReader.h"
#include "barcode/Symbol.h"
#include "platform/surface/PictureBoxSurface.h"
#include "platform/surface/PrinterSurface.h"
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>

using namespace kyt;
using namespace kyt::test;

namespace
{

struct SymbolCase {
    const char* name; // test name
    const char* word; // symbology
    const char* value; // the field's value (UTF-8)
    const char* reading; // what a reader reports (UTF-8)
    qint16 hrt = 0;
    qint16 rotation = 0;
    const char* prefix = "";
};

// 1 x 1 inch for two-dimensional symbols, 2.4 x 0.8 for the others (turned
// ones the other way round).
QSizeF boxFor(const SymbolCase& c)
{
    const Symbology* s = symbologyNamed(QLatin1String(c.word));
    QSizeF size = s->kind == SymbolKind::Matrix ? QSizeF(1, 1)
        : s->kind == SymbolKind::Stacked        ? QSizeF(2.4, 1.0)
                                                : QSizeF(2.4, 0.8);
    return c.rotation % 180 ? size.transposed() : size;
}

const QString kLongest = QString(QStringLiteral("KYT-")).repeated(80) + QStringLiteral("END"); // 323 characters

const SymbolCase kCases[] = {
    { "QrUrl", "qr", "https://visit.example.org/checkin?id=4711&t=ab12",
        "https://visit.example.org/checkin?id=4711&t=ab12" },
    { "QrUtf8", "qr", "M\xC3\xBCller \xC5\x81\xC3\xB3\xC4\x91", "M\xC3\xBCller \xC5\x81\xC3\xB3\xC4\x91" },
    { "QrTurned90", "qr", "Badge 90", "Badge 90", 0, 90 },
    { "DataMatrixUtf8", "datamatrix",
        "Gr\xC3\xBC\xC3\x9F"
        "e aus K\xC3\xB6ln",
        "Gr\xC3\xBC\xC3\x9F"
        "e aus K\xC3\xB6ln" },
    { "Pdf417", "pdf417", "M\xC3\xBCller, Anna; 2026-12-07", "M\xC3\xBCller, Anna; 2026-12-07" },
    { "Pdf417Turned270", "pdf417", "Back side 270", "Back side 270", 0, 270 },
    { "AztecUtf8", "aztec", "\xC3\x89l\xC3\xA8ve 42", "\xC3\x89l\xC3\xA8ve 42" },
    { "AztecTurned180", "aztec", "Turned 180", "Turned 180", 0, 180 },
    { "Gs1Qr", "gs1qr", "(01)09501101530003(10)AB12(21)XY",
        "010950110153000310AB12\x1D"
        "21XY" },
    { "Gs1DataMatrix", "gs1datamatrix", "(01)09501101530003(17)250101(10)AB12", "01095011015300031725010110AB12" },
    { "Code128", "code128", "Visitor 0042-b", "Visitor 0042-b", 1 },
    { "Code128Prefix", "code128", "4711", "ID4711", 0, 0, "ID" },
    { "Gs1_128", "gs1-128", "(01)09501101530003(10)AB12(21)XY",
        "010950110153000310AB12\x1D"
        "21XY",
        1 },
    { "Ean13CheckDigitAdded", "ean13", "590123412345", "5901234123457", 1 },
    { "Ean13CheckDigitGiven", "ean13", "5901234123457", "5901234123457", 2, 90 },
    { "Ean8", "ean8", "9638507", "96385074", 1 },
    { "UpcA", "upca", "03600029145", "036000291452", 1, 180 },
    { "UpcE", "upce", "0123456", "01234565", 1 },
    { "Itf14", "itf14", "1540014128876", "15400141288763", 1 },
    { "Codabar", "codabar", "A40156B", "40156", 1 },
    { "Code39", "code39", "abc-123", "ABC-123", 2, 270 },
    { "Code93", "code93", "Hello 93", "Hello 93", 1 },
};

std::unique_ptr<CPrintTemplate> symbolCard(const SymbolCase& c, const QSizeF& box)
{
    auto card = makeCard(box.width() + 0.5, box.height() + 0.5);
    auto data = add<CDataObject>(*card, "Data");
    place(*data, 0.25f, 0.25f, float(box.width()), float(box.height()));
    data->setDataFieldName(QStringLiteral("Value"));
    data->setFontName(QStringLiteral("Arial"));
    data->setFontSize(9);
    data->setBarcode(true);
    data->setBarcodeTypeNumber(symbologyNamed(QLatin1String(c.word))->type);
    data->setHumanReadable(c.hrt);
    data->setRotation(c.rotation);
    data->setBarcodePrefix(QString::fromUtf8(c.prefix));
    return card;
}

std::shared_ptr<CPrintData> valueData(const QString& value)
{
    auto data = std::make_shared<CPrintData>();
    data->Add("Value", value);
    return data;
}

QStringList readBack(const QImage& image)
{
    return cli::readSymbols(image);
}

QString pdftoppm()
{
    return QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
}

// The PDF's first page at dpi, grey.
QImage rasterise(const QString& pdf, int dpi, const QString& prefix, int page = 1)
{
    QProcess p;
    p.start(pdftoppm(),
        { QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"), QStringLiteral("-png"),
            QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
            QStringLiteral("-singlefile"), pdf, prefix });
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return QImage();
    return QImage(prefix + QStringLiteral(".png"));
}

} // namespace

class SymbolScan : public ::testing::TestWithParam<SymbolCase>
{
};

TEST_P(SymbolScan, ReadingIsTheEncodersOwn)
{
    const SymbolCase& c = GetParam();
    const Symbology* s = symbologyNamed(QLatin1String(c.word));
    ASSERT_NE(s, nullptr);
    const EncodedSymbol e(*s, QString::fromUtf8(c.prefix) + QString::fromUtf8(c.value));
    EXPECT_EQ(e.reading(), QString::fromUtf8(c.reading));
}

TEST_P(SymbolScan, PictureBoxAt300And600Dpi)
{
    const SymbolCase& c = GetParam();
    const QSizeF box = boxFor(c);
    for (int dpi : { 300, 600 }) {
        auto card = symbolCard(c, box);
        PictureBoxSurface pic(QSize(qRound(card->Width() * dpi), qRound(card->Height() * dpi)), dpi);
        ASSERT_TRUE(card->Render(pic, valueData(QString::fromUtf8(c.value))))
            << card->Error()->lastLogLine().toStdString();
        EXPECT_EQ(readBack(pic.Image()), QStringList { QString::fromUtf8(c.reading) }) << dpi << " dpi";
    }
}

TEST_P(SymbolScan, PdfRasterisedAt300Dpi)
{
    if (pdftoppm().isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed";
    const SymbolCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto card = symbolCard(c, boxFor(c));
    const QString pdf = dir.filePath(QStringLiteral("card.pdf"));
    {
        auto printer = PrinterSurface::toPdf(pdf, QSizeF(card->Width(), card->Height()), 300);
        ASSERT_TRUE(card->Render(*printer, valueData(QString::fromUtf8(c.value))));
        printer->EndDoc();
    }
    const QImage page = rasterise(pdf, 300, dir.filePath(QStringLiteral("card")));
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(readBack(page), QStringList { QString::fromUtf8(c.reading) });
}

INSTANTIATE_TEST_SUITE_P(Symbols, SymbolScan, ::testing::ValuesIn(kCases),
    [](const ::testing::TestParamInfo<SymbolCase>& info) { return std::string(info.param.name); });

// The longest value that fits a symbol in its box still reads: 323
// characters in a 1.2 inch QR Code at level H, and in a Data Matrix.
TEST(SymbolScanLong, LongestValueInTheBoxReads)
{
    for (const char* word : { "qr", "datamatrix" }) {
        const SymbolCase c { "Long", word, "", "" };
        auto card = symbolCard(c, QSizeF(1.2, 1.2));
        auto o = std::dynamic_pointer_cast<CDataObject>(card->Item(1));
        o->setErrorCorrection(4);
        PictureBoxSurface pic(QSize(qRound(card->Width() * 600), qRound(card->Height() * 600)), 600);
        ASSERT_TRUE(card->Render(pic, valueData(kLongest))) << card->Error()->lastLogLine().toStdString();
        EXPECT_EQ(readBack(pic.Image()), QStringList { kLongest }) << word;
    }
}

// Modules are whole device pixels, all of one size, inside the box with the
// quiet zone kept; the bars of a linear symbol are as tall as the box.
TEST(SymbolLayout, ModulesAreWholePixelsInsideTheBoxWithTheQuietZone)
{
    const QRectF box(0.25, 0.25, 1.0, 1.0);
    for (int dpi : { 300, 600 }) {
        TraceSurface s(QStringLiteral("Printer"), QSizeF(2, 2), dpi);
        s.setScaleMode(Surface::vbInches);
        const EncodedSymbol qr(*symbologyNamed(QStringLiteral("qr")), QStringLiteral("https://example.org"));
        const SymbolLayout l = layoutSymbol(s, qr, {}, box);
        ASSERT_FALSE(l.boxes.empty());
        const double m = l.modulePixels;
        EXPECT_EQ(m, std::floor(dpi * 1.0 / (qr.columns() + 8))) << dpi;
        double left = 1e9, top = 1e9, right = 0, bottom = 0;
        for (const QRectF& b : l.boxes) {
            for (double v : { b.left(), b.top(), b.width(), b.height() })
                EXPECT_NEAR(v * dpi, std::round(v * dpi), 1e-6);
            EXPECT_NEAR(std::fmod(std::round(b.height() * dpi), m), 0, 1e-6);
            left = std::min(left, b.left());
            top = std::min(top, b.top());
            right = std::max(right, b.right());
            bottom = std::max(bottom, b.bottom());
        }
        // The symbol is centred; four modules of quiet zone on every side.
        EXPECT_GE(std::round((left - box.left()) * dpi), 4 * m);
        EXPECT_GE(std::round((box.right() - right) * dpi), 4 * m);
        EXPECT_NEAR((right - left) * dpi, qr.columns() * m, 1e-6);
        EXPECT_NEAR((bottom - top) * dpi, qr.rows() * m, 1e-6);

        const EncodedSymbol ean(*symbologyNamed(QStringLiteral("ean13")), QStringLiteral("590123412345"));
        const SymbolLayout bars = layoutSymbol(s, ean, {}, QRectF(0.25, 0.25, 1.5, 0.5));
        for (const QRectF& b : bars.boxes) {
            EXPECT_NEAR(b.top(), 0.25, 1e-9);
            EXPECT_NEAR(b.height(), 0.5, 1e-9);
        }
    }
}

// A fixed module size is kept whatever the box.
TEST(SymbolLayout, FixedModuleSize)
{
    TraceSurface s(QStringLiteral("Printer"), QSizeF(3, 3), 300);
    s.setScaleMode(Surface::vbInches);
    const EncodedSymbol dm(*symbologyNamed(QStringLiteral("datamatrix")), QStringLiteral("A1"));
    SymbolOptions o;
    o.moduleInches = 0.02f; // 6 dots
    const SymbolLayout l = layoutSymbol(s, dm, o, QRectF(0, 0, 2, 2));
    EXPECT_EQ(l.modulePixels, 6);
}

// The human-readable line sits under (or over) the bars in the object's
// font, turned with the symbol.
TEST(SymbolRender, HumanReadableLineFollowsTheSymbol)
{
    // EAN-13 below its bars: the first digit left of the symbol, two groups
    // of six between the guard bars, which reach down among the digits.
    const QStringList groups { "5", "901234", "123457" }, whole { "5901234123457" };
    struct Row {
        qint16 hrt, rotation;
        int quarterTurns;
        bool textBelowBars;
        QStringList pieces;
    } rows[] = { { 1, 0, 0, true, groups }, { 2, 0, 0, false, whole }, { 1, 90, 1, true, groups } };
    for (const Row& r : rows) {
        const SymbolCase c { "Ean", "ean13", "590123412345", "" };
        auto card = symbolCard(c, r.rotation ? QSizeF(0.8, 2.4) : QSizeF(2.4, 0.8));
        auto o = std::dynamic_pointer_cast<CDataObject>(card->Item(1));
        o->setHumanReadable(r.hrt);
        o->setRotation(r.rotation);
        TraceSurface s(QStringLiteral("Printer"), QSizeF(card->Width(), card->Height()), 300);
        s.setScaleMode(Surface::vbInches);
        ASSERT_TRUE(renderOn(*o, *card, s, valueData(QStringLiteral("590123412345"))));
        const auto text = calls(s, QStringLiteral("PrintTurned"));
        QStringList pieces;
        for (const auto& t : text) {
            pieces << t.value(QStringLiteral("text")).toString();
            EXPECT_EQ(t.value(QStringLiteral("fontName")).toString(), QStringLiteral("Arial"));
            EXPECT_EQ(t.value(QStringLiteral("quarterTurns")).toInt(), r.quarterTurns);
        }
        ASSERT_EQ(pieces, r.pieces);
        const auto fills = calls(s, QStringLiteral("FillBoxes"));
        ASSERT_EQ(fills.size(), 1u);
        const QJsonArray boxes = fills[0].value(QStringLiteral("boxes")).toArray();
        const QJsonArray guard = boxes.at(0).toArray(), bar = boxes.at(2).toArray(); // start guard, first digit
        const double textY = num(text[0], "y");
        if (r.rotation == 0) {
            const double barTop = bar.at(1).toDouble(), barBottom = barTop + bar.at(3).toDouble();
            EXPECT_EQ(textY >= barBottom - 1e-9, r.textBelowBars) << textY << " " << barBottom;
            EXPECT_EQ(textY < barTop, !r.textBelowBars);
            const double guardBottom = guard.at(1).toDouble() + guard.at(3).toDouble();
            EXPECT_EQ(guardBottom > barBottom + 1e-9, r.textBelowBars); // guards reach among the digits
            if (r.textBelowBars) {
                EXPECT_LT(num(text[0], "x"), guard.at(0).toDouble()); // beside the symbol
                EXPECT_GT(num(text[1], "x"), guard.at(0).toDouble());
                EXPECT_GT(num(text[2], "x"), num(text[1], "x"));
            }
        } else {
            // Turned clockwise: the text runs down the left of the bars' feet.
            EXPECT_LT(num(text[0], "x"), bar.at(0).toDouble() + 1e-9);
        }
    }
    // Every retail symbology splits its line the same way.
    struct Split {
        const char *word, *value;
        QStringList pieces;
    } splits[] = { { "ean8", "9638507", { "9638", "5074" } }, { "upca", "03600029145", { "0", "36000", "29145", "2" } },
        { "upce", "0123456", { "0", "123456", "5" } } };
    for (const Split& sp : splits) {
        const SymbolCase c { "Retail", sp.word, sp.value, "", 1 };
        auto card = symbolCard(c, QSizeF(2.4, 0.8));
        TraceSurface s(QStringLiteral("Printer"), QSizeF(card->Width(), card->Height()), 300);
        s.setScaleMode(Surface::vbInches);
        ASSERT_TRUE(renderOn(*card->Item(1), *card, s, valueData(QString::fromLatin1(sp.value))));
        QStringList pieces;
        for (const auto& t : calls(s, QStringLiteral("PrintTurned")))
            pieces << t.value(QStringLiteral("text")).toString();
        EXPECT_EQ(pieces, sp.pieces) << sp.word;
    }
}

// Values a symbology cannot hold fail the card with the field, the value
// and the encoder's reason; nothing of the symbol is drawn.
TEST(SymbolRender, UnencodableValueFailsWithTheReason)
{
    struct Row {
        const char* word;
        const char* value;
        const char* reason;
    } rows[] = {
        { "ean13", "5901234123450", "EAN-13: Invalid check digit '0', expecting '7'" },
        { "ean13", "59012341234", "EAN-13: holds 12 digits (13 with its check digit)" },
        { "ean8", "ABCDEFG", "EAN-8: holds 7 digits (8 with its check digit)" },
        { "codabar", "40156", "Codabar: Does not begin with \"A\", \"B\", \"C\" or \"D\"" },
        { "gs1-128", "(01)0950110153000", "GS1-128: " },
        { "gs1datamatrix", "0109501101530003", "GS1 DataMatrix: " },
        { "upca", "12345678901234", "UPC-A: " },
        { "code39", "a\xC3\xBC", "Code 39: " },
    };
    for (const Row& r : rows) {
        const SymbolCase c { "Bad", r.word, "", "" };
        auto card = symbolCard(c, QSizeF(2, 1));
        TraceSurface s(QStringLiteral("Printer"), QSizeF(card->Width(), card->Height()), 300);
        s.setScaleMode(Surface::vbInches);
        auto o = std::dynamic_pointer_cast<CDataObject>(card->Item(1));
        EXPECT_FALSE(renderOn(*o, *card, s, valueData(QString::fromUtf8(r.value)))) << r.word;
        const QString log = card->Error()->lastLogLine();
        EXPECT_TRUE(log.contains(QStringLiteral("field \"Value\": the value \"%1\" cannot be drawn as a barcode: %2")
                                     .arg(QString::fromUtf8(r.value), QString::fromUtf8(r.reason))))
            << log.toStdString();
        EXPECT_TRUE(calls(s, QStringLiteral("FillBoxes")).empty()) << r.word;
        EXPECT_EQ(o->BarcodeProblem(QString::fromUtf8(r.value)).isEmpty(), false) << r.word;
    }
    // Too long for any QR Code.
    const SymbolCase c { "Long", "qr", "", "" };
    auto card = symbolCard(c, QSizeF(1, 1));
    auto o = std::dynamic_pointer_cast<CDataObject>(card->Item(1));
    EXPECT_TRUE(o->BarcodeProblem(QString(8000, QLatin1Char('x'))).startsWith(QStringLiteral("QR Code: ")));
}

// Without print data a data field shows its name: as a symbol when the
// symbology holds it, as plain text when it does not (no failure).
TEST(SymbolRender, FieldNameWithoutDataIsShownEitherWay)
{
    for (const char* word : { "qr", "ean13" }) {
        const SymbolCase c { "Name", word, "", "" };
        auto card = symbolCard(c, QSizeF(1, 1));
        TraceSurface s(QStringLiteral("Printer"), QSizeF(card->Width(), card->Height()), 300);
        s.setScaleMode(Surface::vbInches);
        ASSERT_TRUE(renderOn(*card->Item(1), *card, s));
        const bool qr = QLatin1String(word) == QLatin1String("qr");
        EXPECT_EQ(calls(s, QStringLiteral("FillBoxes")).size(), qr ? 1u : 0u) << word;
        EXPECT_EQ(calls(s, QStringLiteral("Print")).size(), qr ? 0u : 1u) << word;
    }
}

// Shrink-only fit keeps the set size for short texts and shrinks long
// ones; the described font-to-fit grows the short ones.
TEST(TextFit, ShrinkOnlyNeverGrows)
{
    struct Row {
        const char* text;
        bool shrinkOnly;
        bool expectSetSize;
    } rows[] = { { "Ann", true, true }, { "Ann", false, false },
        { "Maximiliane Alexandra von Hohenzollern-Sigmaringen", true, false } };
    for (const Row& r : rows) {
        auto card = makeCard();
        auto text = add<CTextObject>(*card, "Text");
        place(*text, 0.2f, 0.2f, 2.5f, 0.5f);
        text->setText(QString::fromLatin1(r.text));
        text->setFontName(QStringLiteral("Arial"));
        text->setFontSize(20);
        text->setFontToFit(true);
        text->setShrinkToFit(r.shrinkOnly);
        TraceSurface s(QStringLiteral("Printer"), QSizeF(3.375, 2.125), 300);
        s.setScaleMode(Surface::vbInches);
        ASSERT_TRUE(renderOn(*text, *card, s));
        const auto prints = calls(s, QStringLiteral("Print"));
        ASSERT_EQ(prints.size(), 1u);
        const double size = num(prints[0], "fontSize");
        if (r.expectSetSize)
            EXPECT_EQ(size, 20) << r.text;
        else if (r.shrinkOnly)
            EXPECT_LT(size, 20) << r.text;
        else
            EXPECT_GT(size, 20) << r.text;
    }
}
