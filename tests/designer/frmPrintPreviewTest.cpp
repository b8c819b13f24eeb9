// The print preview: the picture at true size and the window around it,
// choosing the printer, and printing (a real CUPS queue when
// KYT_CUPS_QUEUE names one, see tests/scripts/designer_print_cups.sh).
#include <gtest/gtest.h>

#include "settings/SettingsTestSupport.h"
#include "support/TestSupport.h"

#include "designer/DesignerPrinter.h"
#include "designer/frmPrintPreview.h"
#include "objects/CRectangleObject.h"
#include "objects/CTextObject.h"
#include "platform/CommonDialog.h"
#include "template/CPrintTemplate.h"
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <cmath>

using namespace kyt;
using namespace kyt::test;

namespace
{

constexpr quint32 Red = 0x0000FF;

CPrintTemplatePtr card(double w, double h, bool duplex, float xOffset = 0, float yOffset = 0)
{
    auto t = std::make_shared<CPrintTemplate>();
    t->setError(quietError());
    t->setWidth(w);
    t->setHeight(h);
    t->setDuplex(duplex);
    t->setOrientation(1);
    t->setXOffset(xOffset);
    t->setYOffset(yOffset);
    return t;
}

// A red box 1 x 0.5 inch at (left, top) of the card.
void addRedBox(CPrintTemplate& t, float left, float top)
{
    auto box = std::dynamic_pointer_cast<CRectangleObject>(t.AddObject(QStringLiteral("Rectangle")));
    ASSERT_TRUE(box);
    box->setleft(left);
    box->settop(top);
    box->setWidth(1.0f);
    box->setHeight(0.5f);
    box->setBackColor(static_cast<qint32>(Red));
}

class PreviewTest : public ::testing::Test
{
protected:
    void SetUp() override { DesignerPrinter::setQueue(QString()); }
    void TearDown() override { DesignerPrinter::setQueue(QString()); }
    StoreScope stores;
    ScriptedCommonDialog dialogs;
};

struct SizeRow {
    const char* name;
    double w, h;
    bool duplex;
    float xOffset, yOffset;
    double picW, picH; // inches
    bool widens, heightens;
};

const SizeRow sizeRows[] = {
    { "two-sided card", 3.375, 2.125, true, 0, 0, 3.375, 4.25, false, true },
    { "two-sided card with offsets", 3.375, 2.125, true, 0.125f, 0.25f, 3.5, 4.5, false, true },
    { "one-sided card", 3.375, 2.125, false, 0, 0, 3.375, 2.125, false, false },
    { "small label", 2.0, 1.0, false, 0, 0, 2.0, 1.0, false, false },
    { "large sheet", 5.5, 3.5, false, 0, 0, 5.5, 3.5, true, true },
};

TEST_F(PreviewTest, PictureIsTheCardAtTrueSizeAndTheWindowGrowsOnlyForIt)
{
    for (const SizeRow& row : sizeRows) {
        SCOPED_TRACE(row.name);
        frmPrintPreview preview;
        const QSize design = preview.size();
        const QSizeF designInches = preview.windowInches();
        const double extraW = designInches.width() - preview.picIDInches().width();
        const double extraH = designInches.height() - preview.picIDInches().height();
        auto t = card(row.w, row.h, row.duplex, row.xOffset, row.yOffset);
        preview.setID(t);
        EXPECT_TRUE(preview.Render());
        EXPECT_EQ(t->Scalor(), 1.0);
        EXPECT_DOUBLE_EQ(preview.picIDInches().width(), row.picW);
        EXPECT_DOUBLE_EQ(preview.picIDInches().height(), row.picH);
        const QImage image = preview.PreviewImage().image();
        // Plus the pixel of the closing outline.
        EXPECT_EQ(image.size(), QSize(std::lround(row.picW * 96) + 1, std::lround(row.picH * 96) + 1));
        EXPECT_EQ(preview.picID()->size(), image.size());

        // Whole twips of picture plus the fixed part, else the design size.
        auto grown = [](double inches) { return int(std::ceil(std::floor(inches * 1440) / 15)); };
        EXPECT_EQ(preview.width(), row.widens ? grown(row.picW + extraW) : design.width());
        EXPECT_EQ(preview.height(), row.heightens ? grown(row.picH + extraH) : design.height());
        // The buttons stay to the right of the picture.
        EXPECT_EQ(preview.cmdPrint()->x(), preview.cmdClose()->x());
        EXPECT_EQ(preview.cmdSetup()->x(), preview.cmdClose()->x());
        EXPECT_GE(preview.cmdClose()->x(), 12 + preview.picID()->width());
    }
}

TEST_F(PreviewTest, BackSideIsDrawnBelowTheFrontAtTheOffsets)
{
    auto t = card(3.375, 2.125, true, 0.25f, 0.125f);
    addRedBox(*t, 0.5f, 0.25f); // front
    addRedBox(*t, 1.5f, 2.5f); // back
    frmPrintPreview preview;
    preview.setID(t);
    ASSERT_TRUE(preview.Render());
    const QImage image = preview.PreviewImage().image();
    auto colourAt = [&](double x, double y) { return image.pixelColor(int(x * 96), int(y * 96)).rgb() & 0xFFFFFF; };
    // Centres of the two boxes, shifted by the template's offsets.
    EXPECT_EQ(colourAt(0.25 + 1.0, 0.125 + 0.5), 0xFF0000u);
    EXPECT_EQ(colourAt(0.25 + 2.0, 0.125 + 2.75), 0xFF0000u);
    EXPECT_NE(colourAt(0.25 + 2.0, 0.125 + 0.5), 0xFF0000u);
}

TEST_F(PreviewTest, HugeCardStaysOnTheScreenAndDamagedSizeIsReported)
{
    frmPrintPreview preview;
    preview.setID(card(30, 20, false));
    EXPECT_TRUE(preview.Render());
    const QRect area = preview.screen()->availableGeometry();
    EXPECT_LE(preview.width(), std::max(area.width(), 511));
    EXPECT_LE(preview.height(), std::max(area.height(), 312));
    EXPECT_DOUBLE_EQ(preview.picIDInches().width(), 30.0);

    auto error = quietError();
    frmPrintPreview broken;
    broken.setError(error);
    broken.setID(card(std::nan(""), 2, false));
    EXPECT_FALSE(broken.Render());
    EXPECT_TRUE(error->lastLogLine().contains(QStringLiteral(".frmPrintPreview (")));
    EXPECT_TRUE(error->lastLogLine().contains(QStringLiteral("Number: 380")));
}

TEST_F(PreviewTest, SetupChoosesThePrinterAndShowsItsCalibration)
{
    PrinterCalibration desk;
    desk.xOffset = 0.05;
    ASSERT_NO_THROW(desk.save(QStringLiteral("Desk")));
    frmPrintPreview preview;
    preview.setCommonBox(&dialogs);
    auto t = card(3.375, 2.125, false);
    t->setOrientation(2);
    DesignerPrinter::setOrientation(1);
    preview.setID(t);
    preview.Render();

    dialogs.queueAnswer(CommonDialogAnswer(PrinterChoice { QStringLiteral("Desk"), 2, 1 }));
    preview.cmdSetup()->click();
    ASSERT_EQ(dialogs.asked().size(), 1u);
    EXPECT_EQ(dialogs.asked()[0].kind, CommonDialogKind::PrinterSetup);
    EXPECT_EQ(dialogs.asked()[0].flags, 72);
    EXPECT_EQ(dialogs.asked()[0].orientation, 2);
    EXPECT_EQ(DesignerPrinter::queue(), QStringLiteral("Desk"));
    EXPECT_EQ(DesignerPrinter::orientation(), 2);
    EXPECT_TRUE(preview.lblPrinter()->text().contains(QStringLiteral("Desk")));
    EXPECT_FALSE(preview.lblCalibration()->isHidden());
    EXPECT_TRUE(preview.lblCalibration()->text().contains(QStringLiteral("0.05\" right")));

    // Cancel keeps the printer; a queue without calibration hides the line.
    dialogs.queueCancel();
    preview.cmdSetup()->click();
    EXPECT_EQ(DesignerPrinter::queue(), QStringLiteral("Desk"));
    dialogs.queueAnswer(CommonDialogAnswer(PrinterChoice { QStringLiteral("Plain"), 1, 1 }));
    preview.cmdSetup()->click();
    EXPECT_TRUE(preview.lblCalibration()->isHidden());
}

TEST(DesignerPrinterText, CalibrationIsToldInDirections)
{
    struct Row {
        double x, y, scale;
        const char* text;
    };
    const Row rows[] = {
        { 0.05, 0, 1, "0.05\" right, 0.0\" down" },
        { -0.05, -0.125, 1, "0.05\" left, 0.125\" up" },
        { 0, 0.02, 1.01, "0.0\" right, 0.02\" down, scaled to 101%" },
    };
    for (const Row& row : rows) {
        PrinterCalibration c;
        c.xOffset = row.x;
        c.yOffset = row.y;
        c.scale = row.scale;
        EXPECT_EQ(DesignerPrinter::calibrationText(c), QString::fromUtf8(row.text));
    }
}

TEST_F(PreviewTest, PrintFailuresReachThePerson)
{
    struct Row {
        const char* name;
        const char* font; // of a text on the card; empty for none
        const char* expected; // in the one message the person gets
        bool reported; // through the error reporter (and so logged)
        bool damagedCalibration;
    };
    const Row rows[] = {
        { "printer that does not exist", "", "KYT_NO_SUCH_QUEUE", true, false },
        { "font that is not installed", "No Such Font Family", "No Such Font Family Font Not Found", false, false },
        { "damaged calibration", "", "calibration of printer KYT_NO_SUCH_QUEUE is damaged", false, true },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedBoxScope boxes;
        DesignerPrinter::setQueue(QStringLiteral("KYT_NO_SUCH_QUEUE"));
        const QString calibrationKey
            = QStringLiteral("Software\\KYT\\KYT Central\\Designer\\Printers\\KYT_NO_SUCH_QUEUE");
        putString(stores.store(), reg::HKEY_CURRENT_USER, calibrationKey, QStringLiteral("XOffset"),
            row.damagedCalibration ? QStringLiteral("left a bit") : QStringLiteral("0"));
        auto error = std::make_shared<CError>(); // shows its messages
        auto t = card(3.375, 2.125, false);
        t->setError(error);
        if (*row.font) {
            auto text = std::dynamic_pointer_cast<CTextObject>(t->AddObject(QStringLiteral("Text")));
            ASSERT_TRUE(text);
            text->setText(QStringLiteral("Name"));
            text->setFontName(QString::fromUtf8(row.font));
            text->setFontSize(10);
            text->setWidth(2);
            text->setHeight(0.5);
        }
        frmPrintPreview preview;
        preview.setError(error);
        preview.setID(t);
        EXPECT_FALSE(preview.GoPrint());
        ASSERT_EQ(boxes.box().asked().size(), 1u);
        EXPECT_TRUE(boxes.box().asked()[0].prompt.contains(QString::fromUtf8(row.expected)))
            << boxes.box().asked()[0].prompt.toStdString();
        EXPECT_EQ(error->lastLogLine().contains(QStringLiteral("frmPrintPreview (8.1.3) GoPrint")), row.reported);
        // The card keeps its own reporter after the rehearsal.
        EXPECT_EQ(t->Error(), error);
    }
}

// A card printed twice from one preview: two jobs. The script checks the
// queue's files.
TEST(PreviewCups, PrintsEachCardAsItsOwnJob)
{
    const QString queue = qEnvironmentVariable("KYT_CUPS_QUEUE");
    if (queue.isEmpty())
        GTEST_SKIP() << "KYT_CUPS_QUEUE not set";
    const QString title = qEnvironmentVariable("KYT_CUPS_TITLE", QStringLiteral("kytpreview"));
    ScriptedBoxScope boxes;
    ScriptedCommonDialog dialogs;
    auto t = card(3.375, 2.125, true);
    t->setOrientation(2); // wide card, printed as it is seen
    t->setTemplateName(QDir::temp().filePath(title + QStringLiteral(".tpl")));
    addRedBox(*t, 0.5f, 0.5f);
    addRedBox(*t, 0.5f, 2.625f);

    // The queue's calibration (in this test's own settings store) moves
    // the printed card and leaves the template as it was.
    PrinterCalibration c;
    c.xOffset = 0.02;
    ASSERT_NO_THROW(c.save(queue));

    frmPrintPreview preview;
    preview.setCommonBox(&dialogs);
    preview.setError(quietError());
    preview.setID(t);
    ASSERT_TRUE(preview.Render());
    dialogs.queueAnswer(CommonDialogAnswer(PrinterChoice { queue, 1, 1 }));
    preview.cmdSetup()->click();
    preview.cmdPrint()->click();
    preview.cmdPrint()->click();
    ASSERT_EQ(boxes.box().asked().size(), 2u);
    for (const MessageRequest& m : boxes.box().asked())
        EXPECT_TRUE(m.prompt.startsWith(QStringLiteral("The card was sent to the printer \"%1\" as job %1-").arg(queue))
            && m.prompt.contains(QStringLiteral("calibration moved it 0.02\" right")))
            << m.prompt.toStdString();
    EXPECT_EQ(t->XOffset(), 0.0f);
    EXPECT_EQ(t->Scalor(), 1.0);
    EXPECT_NO_THROW(PrinterCalibration::remove(queue));

    // A card with nothing on it sends no job, and says so.
    frmPrintPreview empty;
    empty.setError(quietError());
    empty.setID(card(3.375, 2.125, false));
    EXPECT_FALSE(empty.GoPrint());
    ASSERT_EQ(boxes.box().asked().size(), 3u);
    EXPECT_TRUE(boxes.box().asked()[2].prompt.contains(QStringLiteral("nothing to print")));
    DesignerPrinter::setQueue(QString());
}

// A stopped queue (KYT_STOPPED_QUEUE): the person is asked, and No sends
// nothing.
TEST(PreviewCups, StoppedQueueAsksBeforeSending)
{
    const QString queue = qEnvironmentVariable("KYT_STOPPED_QUEUE");
    if (queue.isEmpty())
        GTEST_SKIP() << "KYT_STOPPED_QUEUE not set";
    ScriptedBoxScope boxes;
    boxes.box().queueAnswer(vbNo);
    DesignerPrinter::setQueue(queue);
    EXPECT_TRUE(DesignerPrinter::queueStopped(queue));
    frmPrintPreview preview;
    preview.setError(quietError());
    preview.setID(card(3.375, 2.125, false));
    EXPECT_FALSE(preview.GoPrint());
    ASSERT_EQ(boxes.box().asked().size(), 1u);
    EXPECT_TRUE(boxes.box().asked()[0].prompt.contains(QStringLiteral("is stopped")));
    EXPECT_EQ(boxes.box().asked()[0].style, vbYesNo | vbExclamation | vbDefaultButton2);
    DesignerPrinter::setQueue(QString());
}

// A queue that refuses jobs (KYT_REFUSING_QUEUE): the person is told why.
TEST(PreviewCups, RefusingQueueSaysWhy)
{
    const QString queue = qEnvironmentVariable("KYT_REFUSING_QUEUE");
    if (queue.isEmpty())
        GTEST_SKIP() << "KYT_REFUSING_QUEUE not set";
    ScriptedBoxScope boxes;
    DesignerPrinter::setQueue(queue);
    auto error = std::make_shared<CError>(); // shows its messages
    frmPrintPreview preview;
    preview.setError(error);
    auto t = card(3.375, 2.125, false);
    addRedBox(*t, 0.5f, 0.5f);
    preview.setID(t);
    const bool printed = preview.GoPrint();
    EXPECT_FALSE(printed) << (boxes.box().asked().empty() ? std::string()
                                                          : boxes.box().asked()[0].prompt.toStdString());
    ASSERT_EQ(boxes.box().asked().size(), 1u);
    EXPECT_TRUE(boxes.box().asked()[0].prompt.contains(queue)) << boxes.box().asked()[0].prompt.toStdString();
    EXPECT_TRUE(error->lastLogLine().contains(QStringLiteral("GoPrint")));
    DesignerPrinter::setQueue(QString());
}

} // namespace
