// A two-sided visitor badge with symbols printed through `kytpreview batch`:
// a QR Code with a link and an accented name on the front, a PDF417 and a
// Data Matrix on the back; every card of 50 scans to its exact contents.
// The preflight verifies the same cards and lists values that cannot be
// encoded.
#include <gtest/gtest.h>

#include "SymbolReader.h"
#include "barcode/Symbol.h"
#include "jobs/Preflight.h"
#include "objects/CDataObject.h"
#include "support/TestSupport.h"
#include "template/CPrintTemplate.h"
#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>

using namespace kyt;
using namespace kyt::test;

namespace
{

CPrintTemplatePtr visitorBadge()
{
    auto t = std::make_shared<CPrintTemplate>();
    t->setWidth(3.375);
    t->setHeight(2.125);
    t->setDuplex(true);
    auto symbol = [&](const char* field, const char* word, float left, float top, float w, float h) {
        auto o = t->AddData();
        o->setDataFieldName(QString::fromLatin1(field));
        place(*o, left, top, w, h);
        o->setBarcode(true);
        o->setBarcodeTypeNumber(symbologyNamed(QLatin1String(word))->type);
        return o;
    };
    auto name = t->AddData();
    name->setDataFieldName(QStringLiteral("Name"));
    place(*name, 0.2f, 0.2f, 1.8f, 0.4f);
    symbol("Link", "qr", 2.1f, 0.2f, 1.1f, 1.1f);
    // The back: the lower half of the stacked card.
    symbol("Name", "pdf417", 0.2f, 2.125f + 0.2f, 2.6f, 0.9f)->setRotation(0);
    symbol("Id", "datamatrix", 0.2f, 2.125f + 1.2f, 0.8f, 0.8f);
    return t;
}

const char* const kNames[] = { "Zo\xC3\xAB M\xC3\xBCller",
    "Ji\xC5\x99\xC3\xAD \xC4\x8C"
    "ern\xC3\xBD",
    "Fran\xC3\xA7ois L\xC3\xA9vesque",
    "\xC3\x85sa \xC3\x98"
    "deg\xC3\xA5rd",
    "Ana Pe\xC3\xB1"
    "a" };

struct Record {
    QString name, link, id;
};

std::vector<Record> records(int n)
{
    std::vector<Record> out;
    for (int i = 1; i <= n; ++i) {
        const QString name = QString::fromUtf8(kNames[i % 5]) + QStringLiteral(" %1").arg(i);
        out.push_back({ name, QStringLiteral("https://visit.example.org/c/%1?n=%2").arg(i).arg(name),
            QStringLiteral("V-%1").arg(i, 4, 10, QLatin1Char('0')) });
    }
    return out;
}

QByteArray csvOf(const std::vector<Record>& rs)
{
    QByteArray csv = "Name,Link,Id\n";
    for (const Record& r : rs)
        csv += (r.name + QLatin1Char(',') + r.link + QLatin1Char(',') + r.id + QLatin1Char('\n')).toUtf8();
    return csv;
}

int runProgram(const QStringList& args, QString* output = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral(KYT_BINARY_DIR "/app/kytpreview"), args);
    if (!p.waitForFinished(600000)) {
        p.kill();
        p.waitForFinished();
        return -1;
    }
    if (output)
        *output = QString::fromUtf8(p.readAll());
    return p.exitCode();
}

} // namespace

TEST(SymbolBatch, EveryCardOfFiftyScans)
{
    if (!QFile::exists(QStringLiteral(KYT_BINARY_DIR "/app/kytpreview")))
        GTEST_SKIP() << "kytpreview is not built";
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (pdftoppm.isEmpty())
        GTEST_SKIP() << "pdftoppm is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString tpl = dir.filePath(QStringLiteral("badge.tpl"));
    ASSERT_TRUE(visitorBadge()->SaveFile(tpl));
    const std::vector<Record> rs = records(50);
    const QString csv = dir.filePath(QStringLiteral("visitors.csv"));
    ASSERT_TRUE(writeBytes(csv, csvOf(rs)));

    QString out;
    const QString pdf = dir.filePath(QStringLiteral("cards.pdf"));
    ASSERT_EQ(runProgram({ QStringLiteral("batch"), tpl, QStringLiteral("--csv"), csv, QStringLiteral("-o"), pdf,
                             QStringLiteral("--quiet") },
                  &out),
        0)
        << out.toStdString();

    QProcess raster;
    raster.start(pdftoppm,
        { QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-gray"), QStringLiteral("-png"), pdf,
            dir.filePath(QStringLiteral("page")) });
    ASSERT_TRUE(raster.waitForFinished(600000));
    ASSERT_EQ(raster.exitCode(), 0);
    QStringList pages = QDir(dir.path()).entryList({ QStringLiteral("page-*.png") }, QDir::Files, QDir::Name);
    ASSERT_EQ(pages.size(), 100);
    // Each symbol read as a scanner pointed at it reads it: its box and a
    // margin, at 300 dpi.
    auto readBox = [](const QImage& page, QRectF inches) {
        inches.adjust(-0.1, -0.1, 0.1, 0.1);
        return cli::readSymbols(page.copy(QRectF(inches.topLeft() * 300, inches.size() * 300).toRect()));
    };
    for (int card = 0; card < 50; ++card) {
        const Record& r = rs[size_t(card)];
        const QImage front(dir.filePath(pages[2 * card]));
        const QImage back(dir.filePath(pages[2 * card + 1]));
        ASSERT_FALSE(front.isNull() || back.isNull());
        EXPECT_EQ(readBox(front, QRectF(2.1, 0.2, 1.1, 1.1)), QStringList { r.link }) << "card " << card + 1;
        EXPECT_EQ(readBox(back, QRectF(0.2, 0.2, 2.6, 0.9)), QStringList { r.name }) << "card " << card + 1;
        EXPECT_EQ(readBox(back, QRectF(0.2, 1.2, 0.8, 0.8)), QStringList { r.id }) << "card " << card + 1;
    }

    // The preflight reads every symbol of every card back as well.
    ASSERT_EQ(
        runProgram({ QStringLiteral("check"), tpl, QStringLiteral("--csv"), csv, QStringLiteral("--verify") }, &out), 0)
        << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("150 barcodes read back as expected"))) << out.toStdString();
}

// A value a symbology cannot hold is listed by the preflight with the
// record, the field, the value and the encoder's reason, and the batch
// stops at that card.
TEST(SymbolBatch, UnencodableValuesAreListed)
{
    auto t = visitorBadge();
    auto id = std::dynamic_pointer_cast<CDataObject>(t->Item(4));
    id->setBarcodeTypeNumber(symbologyNamed(QStringLiteral("ean13"))->type);
    EXPECT_EQ(id->BarcodeProblem(QStringLiteral("5901234123450")),
        QStringLiteral("EAN-13: Invalid check digit '0', expecting '7'"));
    EXPECT_EQ(id->BarcodeProblem(QStringLiteral("5901234123457")), QString());

    if (!QFile::exists(QStringLiteral(KYT_BINARY_DIR "/app/kytpreview")))
        GTEST_SKIP() << "kytpreview is not built";
    QTemporaryDir dir;
    const QString tpl = dir.filePath(QStringLiteral("badge.tpl"));
    ASSERT_TRUE(t->SaveFile(tpl));
    const QString csv = dir.filePath(QStringLiteral("v.csv"));
    ASSERT_TRUE(writeBytes(csv, "Name,Link,Id\nAnn,https://x.example,5901234123457\nBo,https://y.example,12\n"));
    QString out;
    EXPECT_EQ(runProgram({ QStringLiteral("check"), tpl, QStringLiteral("--csv"), csv }, &out), 1);
    EXPECT_TRUE(out.contains(QStringLiteral("field \"Id\": the value \"12\" cannot be drawn as a barcode: EAN-13: "
                                            "holds 12 digits (13 with its check digit)")))
        << out.toStdString();
}

// A symbol whose modules would be less than a dot at the check's resolution
// is a layout problem; the same symbol in a box large enough is not.
TEST(SymbolBatch, SymbolTooSmallForItsBox)
{
    QTemporaryDir dir;
    for (float side : { 0.15f, 1.0f }) {
        auto t = std::make_shared<CPrintTemplate>();
        t->setWidth(3.375);
        t->setHeight(2.125);
        auto text = std::dynamic_pointer_cast<CTextObjectBase>(t->AddObject(QStringLiteral("Text")));
        ASSERT_TRUE(text);
        place(*text, 0.2f, 0.2f, side, side);
        text->setText(QString(QStringLiteral("https://visit.example.org/")).repeated(8));
        text->setBarcode(true);
        text->setBarcodeTypeNumber(symbologyNamed(QStringLiteral("qr"))->type);
        const QString tpl = dir.filePath(QStringLiteral("small.tpl"));
        ASSERT_TRUE(t->SaveFile(tpl));
        const preflight::Report report = preflight::check(tpl, preflight::Options());
        QStringList layout;
        for (const preflight::Finding& f : report.findings)
            if (!f.ok && f.topic == QLatin1String("layout"))
                layout << f.text;
        if (side < 0.5f) {
            ASSERT_EQ(layout.size(), 1);
            EXPECT_TRUE(layout[0].contains(QStringLiteral("QR Code): its box is too small for the symbol")))
                << layout[0].toStdString();
        } else {
            EXPECT_TRUE(layout.isEmpty()) << layout.join(QLatin1Char('\n')).toStdString();
        }
    }
}

// `kytpreview barcode --symbol` draws one symbol to PNG, SVG or PDF; each
// reads back (the SVG's rectangles painted as they are given).
TEST(SymbolBatch, BarcodeCommandDrawsOneSymbol)
{
    if (!QFile::exists(QStringLiteral(KYT_BINARY_DIR "/app/kytpreview")))
        GTEST_SKIP() << "kytpreview is not built";
    QTemporaryDir dir;
    const QString value = QString::fromUtf8("M\xC3\xBCller https://visit.example.org/7");
    struct Row {
        const char* word;
        QStringList options;
        QString reading;
    } rows[] = {
        { "qr", { QStringLiteral("--ec"), QStringLiteral("4") }, value },
        { "code128",
            { QStringLiteral("--text"), QStringLiteral("below"), QStringLiteral("--rotate"), QStringLiteral("90") },
            QStringLiteral("V-0042") },
    };
    for (const Row& r : rows) {
        const QString content = QLatin1String(r.word) == QLatin1String("qr") ? value : QStringLiteral("V-0042");
        for (const char* ext : { "png", "svg", "pdf" }) {
            const QString out = dir.filePath(QStringLiteral("%1.%2").arg(QLatin1String(r.word), QLatin1String(ext)));
            QString log;
            ASSERT_EQ(runProgram(QStringList { QStringLiteral("barcode"), QStringLiteral("--symbol"),
                                     QLatin1String(r.word), content, QStringLiteral("-o"), out }
                              + r.options,
                          &log),
                0)
                << log.toStdString();
            QImage image;
            if (QLatin1String(ext) == QLatin1String("png")) {
                image = QImage(out);
            } else if (QLatin1String(ext) == QLatin1String("pdf")) {
                const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
                if (pdftoppm.isEmpty())
                    continue;
                QProcess p;
                p.start(pdftoppm,
                    { QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-gray"), QStringLiteral("-png"),
                        QStringLiteral("-singlefile"), out, out });
                ASSERT_TRUE(p.waitForFinished(120000));
                image = QImage(out + QStringLiteral(".png"));
            } else {
                QFile f(out);
                ASSERT_TRUE(f.open(QIODevice::ReadOnly));
                const QString svg = QString::fromUtf8(f.readAll());
                static const QRegularExpression box(QStringLiteral("viewBox=\"0 0 (\\d+) (\\d+)\""));
                static const QRegularExpression rect(
                    QStringLiteral("<rect x=\"(\\d+)\" y=\"(\\d+)\" width=\"(\\d+)\" height=\"(\\d+)\"/>"));
                const auto size = box.match(svg);
                ASSERT_TRUE(size.hasMatch());
                // The 1200-unit view box painted at 300 dpi.
                image = QImage(size.captured(1).toInt() / 4, size.captured(2).toInt() / 4, QImage::Format_Grayscale8);
                image.fill(255);
                QPainter painter(&image);
                for (auto it = rect.globalMatch(svg); it.hasNext();) {
                    const auto m = it.next();
                    painter.fillRect(QRectF(m.captured(1).toDouble() / 4, m.captured(2).toDouble() / 4,
                                         m.captured(3).toDouble() / 4, m.captured(4).toDouble() / 4),
                        Qt::black);
                }
                EXPECT_EQ(
                    svg.contains(QStringLiteral(">V-0042</text>")), QLatin1String(r.word) == QLatin1String("code128"));
            }
            ASSERT_FALSE(image.isNull()) << ext;
            EXPECT_EQ(cli::readSymbols(image), QStringList { r.reading }) << r.word << " " << ext;
        }
    }
    // A value the symbology cannot hold: the reason, exit status 1, no file.
    QString log;
    const QString bad = dir.filePath(QStringLiteral("bad.png"));
    EXPECT_EQ(runProgram({ QStringLiteral("barcode"), QStringLiteral("--symbol"), QStringLiteral("ean13"),
                             QStringLiteral("5901234123450"), QStringLiteral("-o"), bad },
                  &log),
        1);
    EXPECT_TRUE(log.contains(QStringLiteral("EAN-13: Invalid check digit '0', expecting '7'"))) << log.toStdString();
    EXPECT_FALSE(QFile::exists(bad));
}
