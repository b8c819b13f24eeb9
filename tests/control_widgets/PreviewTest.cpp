// The Preview control: initialisation, fitting, drawing into the display
// area, templates and print data it hands out, and its failure reports.
#include <gtest/gtest.h>

#include "control/Preview.h"
#include "errors/MessageBox.h"
#include "objects/CDataObject.h"
#include "objects/CLogoObject.h"
#include "platform/surface/PictureBoxSurface.h"
#include "platform/surface/TraceSurface.h"
#include "settings/CProperties.h"
#include "settings/TargetApplicationFactory.h"
#include "support/TestSupport.h"
#include <QCoreApplication>
#include <QLabel>
#include <QMetaObject>
#include <cmath>

using namespace kyt;

namespace
{

std::shared_ptr<CPrintTemplate> blankTemplate(double w, double h, bool duplex = false)
{
    auto t = std::make_shared<CPrintTemplate>();
    t->setWidth(w);
    t->setHeight(h);
    t->setDuplex(duplex);
    return t;
}

// A template with one data field "Surname" in large type.
std::shared_ptr<CPrintTemplate> nameTemplate()
{
    auto t = blankTemplate(3, 1.5);
    auto d = t->AddData();
    d->setDataFieldName(QStringLiteral("Surname"));
    d->setleft(0.2f);
    d->settop(0.2f);
    d->setWidth(2.6f);
    d->setHeight(0.8f);
    d->setFontSize(28);
    return t;
}

int darkPixels(const QImage& img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 128)
                ++n;
    return n;
}

struct Shown {
    Preview p;
    Shown(int w, int h)
    {
        p.resize(w, h);
        p.show();
    }
};

} // namespace

TEST(Preview, InitialisationBuildsItsPartsAndNamesThem)
{
    test::ScriptedBoxScope scope;
    Preview p;
    EXPECT_EQ(p.objectName(), QStringLiteral("Preview"));
    EXPECT_EQ(p.moduleSource(), QStringLiteral("Preview 8.1.3)"));
    ASSERT_TRUE(p.Error());
    EXPECT_TRUE(p.Error()->DisplayError());
    EXPECT_FALSE(p.Error()->Contact().trimmed().isEmpty());
    EXPECT_FALSE(p.Error()->Phone().isEmpty());
    EXPECT_NE(p.Properties(), nullptr);
    EXPECT_EQ(p.findChild<QWidget*>(QStringLiteral("picPreview")), p.picPreview());
    ASSERT_EQ(p.findChild<QLabel*>(QStringLiteral("imgSmile")), p.imgSmile());
    // The placeholder photo: 32 x 32, 24 bits, a yellow face.
    const QImage smile = p.smilePicture().image();
    EXPECT_EQ(smile.size(), QSize(32, 32));
    EXPECT_EQ(smile.format(), QImage::Format_RGB888);
    EXPECT_EQ(p.smilePicture().Type(), Picture::Bitmap);
    const QColor centre = smile.pixelColor(16, 6);
    EXPECT_GT(centre.red(), 200);
    EXPECT_GT(centre.green(), 150);
    EXPECT_LT(centre.blue(), 80);
    // A test's scripted message box is never replaced by a real one.
    EXPECT_EQ(&messageBox(), &scope.box());
}

TEST(Preview, DisplayAreaFillsTheControlAndWorksInInches)
{
    Shown s(384, 192);
    EXPECT_EQ(s.p.picPreview()->geometry(), s.p.rect());
    EXPECT_DOUBLE_EQ(s.p.picPreview()->ScaleWidth(), 4.0);
    EXPECT_DOUBLE_EQ(s.p.picPreview()->ScaleHeight(), 2.0);
    s.p.resize(288, 480);
    EXPECT_EQ(s.p.picPreview()->geometry(), QRect(0, 0, 288, 480));
    EXPECT_DOUBLE_EQ(s.p.picPreview()->ScaleWidth(), 3.0);
    EXPECT_DOUBLE_EQ(s.p.picPreview()->ScaleHeight(), 5.0);
    EXPECT_EQ(s.p.PictureImage().image().size(), QSize(288, 480));
}

TEST(Preview, ResizeKeepsTheDrawing)
{
    Shown s(200, 100);
    s.p.PreviewTemplate(nameTemplate());
    const int before = darkPixels(s.p.PictureImage().image());
    ASSERT_GT(before, 0);
    s.p.resize(400, 300);
    const QImage after = s.p.PictureImage().image();
    EXPECT_EQ(after.size(), QSize(400, 300));
    EXPECT_EQ(darkPixels(after), before);
}

struct FitRow {
    double w, h;
    bool duplex;
    int areaW, areaH; // pixels at 96 per inch
    double factor;
};

class PreviewFit : public ::testing::TestWithParam<FitRow>
{
};

TEST_P(PreviewFit, StoresTheFitFactorInScalor)
{
    const FitRow r = GetParam();
    Shown s(r.areaW, r.areaH);
    auto t = blankTemplate(r.w, r.h, r.duplex);
    s.p.PreviewTemplate(t);
    EXPECT_FLOAT_EQ(float(t->Scalor()), float(r.factor));
}

INSTANTIATE_TEST_SUITE_P(Cases, PreviewFit,
    ::testing::Values(FitRow { 2, 1, false, 384, 384, 2.0 }, // width decides, enlarged
        FitRow { 1, 2, false, 384, 96, 0.5 }, // height decides, reduced
        FitRow { 2, 1, false, 384, 192, 2.0 }, // one side fills 4 x 2
        FitRow { 2, 1, true, 384, 192, 1.0 }, // both sides: twice the height
        FitRow { 3.375, 2.125, true, 324, 408, 1.0 })); // a card, both sides, exactly

TEST(Preview, PreviewDrawsTheFieldNamesOrTheValues)
{
    Shown s(288, 144); // 3 x 1.5 inches: factor 1
    auto t = nameTemplate();
    s.p.PreviewTemplate(t);
    ASSERT_FLOAT_EQ(float(t->Scalor()), 1.0f);
    const QImage shown = s.p.PictureImage().image();

    auto drawWith = [&](const QString& value) {
        auto data = std::make_shared<CPrintData>();
        data->Add(QStringLiteral("Surname"), value);
        PictureBoxSurface box(QSize(288, 144), 96);
        box.setScaleMode(Surface::vbInches);
        EXPECT_TRUE(t->Render(box, data, 0, 0));
        return box.Image().copy();
    };
    EXPECT_GT(darkPixels(shown), 50);
    EXPECT_EQ(shown, drawWith(QStringLiteral("Surname")));
    EXPECT_NE(shown, drawWith(QStringLiteral("Smith")));

    auto data = std::make_shared<CPrintData>();
    data->Add(QStringLiteral("Surname"), QStringLiteral("Smith"));
    s.p.PreviewTemplate(t, data);
    EXPECT_EQ(s.p.PictureImage().image(), drawWith(QStringLiteral("Smith")));
}

TEST(Preview, ClearEmptiesTheDisplayArea)
{
    Shown s(288, 144);
    s.p.PreviewTemplate(nameTemplate());
    ASSERT_GT(darkPixels(s.p.PictureImage().image()), 0);
    s.p.Clear();
    const QImage img = s.p.PictureImage().image();
    EXPECT_EQ(darkPixels(img), 0);
    EXPECT_EQ(img.pixel(10, 10), qRgb(255, 255, 255));
}

TEST(Preview, GetTemplateBitmapDrawsAtTrueSizeAndLeavesScalorAtOne)
{
    Shown s(192, 96); // 2 x 1 inches: the 3 x 1.5 card is cut off
    auto t = nameTemplate();
    s.p.PreviewTemplate(t);
    ASSERT_LT(t->Scalor(), 1.0);
    const Picture pic = s.p.GetTemplateBitmap(t);
    EXPECT_DOUBLE_EQ(t->Scalor(), 1.0);
    EXPECT_EQ(pic.image().size(), QSize(192, 96));
    EXPECT_EQ(pic.image(), s.p.PictureImage().image());
    // The card's right edge (3 inches) lies outside: no outline at x = 191.
    EXPECT_EQ(pic.image().pixel(191, 50), qRgb(255, 255, 255));
}

TEST(Preview, CreatePrintTemplateWithoutANameTakesTheDefaults)
{
    test::ScriptedBoxScope scope;
    Preview p;
    p.Properties()->setDefaultWidth(3.375);
    p.Properties()->setDefaultHeight(2.125);
    p.Properties()->setDefaultDuplex(true);
    p.Properties()->setDefaultTarget(QStringLiteral("Desk.Visitors"));
    auto t = p.CreatePrintTemplate();
    ASSERT_TRUE(t);
    EXPECT_DOUBLE_EQ(t->Width(), 3.375);
    EXPECT_DOUBLE_EQ(t->Height(), 2.125);
    EXPECT_TRUE(t->Duplex());
    EXPECT_EQ(t->TargetApplication(), QStringLiteral("Desk.Visitors"));
    EXPECT_EQ(t->Count(), 0);
    EXPECT_EQ(t->Error(), p.Error());
    EXPECT_EQ(t->DefaultPhoto(), p.smilePicture());
    EXPECT_EQ(t->AddPhoto()->Image(), p.smilePicture());
    EXPECT_TRUE(scope.box().asked().empty());
}

TEST(Preview, CreatePrintTemplateOfAMissingFileStillReturnsATemplateAndReports)
{
    test::ScriptedBoxScope scope;
    Preview p;
    int reports = 0;
    QObject::connect(p.Error().get(), &CError::ErrorEvent, [&reports](QString&) { ++reports; });
    auto t = p.CreatePrintTemplate(QStringLiteral("/nonexistent/folder/card.tpl"));
    ASSERT_TRUE(t);
    EXPECT_GE(reports, 1);
    EXPECT_FALSE(scope.box().asked().empty()); // DisplayError is on
    EXPECT_EQ(t->Count(), 0);
}

TEST(Preview, CreatePrintDataAsksTheTargetApplication)
{
    struct Filler : TargetApplicationObject {
        void InitializePrintData(std::shared_ptr<CPrintData>& data) override
        {
            data->Add(QStringLiteral("FirstName"), QStringLiteral("Ann"));
            data->Add(QStringLiteral("BadgeNo"), QStringLiteral("42"));
        }
    };
    const QString progId = QStringLiteral("ControlTest.Filler");
    TargetApplicationFactory::registerFactory(progId, [] { return std::make_shared<Filler>(); });
    Preview p;
    auto filled = p.CreatePrintData(progId);
    ASSERT_TRUE(filled);
    EXPECT_EQ(filled->Count(), 2);
    EXPECT_EQ(filled->Item(QStringLiteral("firstname"))->vValue().toString(), QStringLiteral("Ann"));
    auto empty = p.CreatePrintData();
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->Count(), 0);
    TargetApplicationFactory::unregisterFactory(progId);
}

TEST(Preview, PrintTemplateReturnsTheRenderResult)
{
    test::ScriptedBoxScope scope;
    Preview p;
    p.Error()->setDisplayError(false);
    TraceSurface printer(QStringLiteral("Printer"));
    auto t = nameTemplate();
    EXPECT_TRUE(p.PrintTemplate(&printer, t));
    EXPECT_TRUE(printer.lines().join('\n').contains(QStringLiteral("\"text\":\"Surname\"")));

    // A logo without a picture fails its drawing: false.
    auto bad = blankTemplate(2, 1);
    bad->AddObject(QStringLiteral("Logo"));
    TraceSurface printer2(QStringLiteral("Printer"));
    EXPECT_FALSE(p.PrintTemplate(&printer2, bad));
}

struct FailureRow {
    const char* procedure;
    std::function<void(Preview&)> call;
};

TEST(Preview, MissingObjectsAreReportedUnderTheProcedureName)
{
    test::ScriptedBoxScope scope;
    Preview p;
    p.Error()->setDisplayError(false);
    const std::vector<FailureRow> rows = {
        { " PreviewTemplate", [](Preview& c) { c.PreviewTemplate(nullptr); } },
        { " PrintTemplate",
            [](Preview& c) { EXPECT_FALSE(c.PrintTemplate(nullptr, std::make_shared<CPrintTemplate>())); } },
        { " GetTemplateBitmap", [](Preview& c) { EXPECT_TRUE(c.GetTemplateBitmap(nullptr).isNull()); } },
    };
    for (const FailureRow& r : rows) {
        QString line;
        auto conn = QObject::connect(p.Error().get(), &CError::ErrorEvent, [&line](QString& l) { line = l; });
        r.call(p);
        QObject::disconnect(conn);
        EXPECT_TRUE(line.contains(QStringLiteral("Source: Preview 8.1.3)") + QLatin1String(r.procedure)))
            << line.toStdString();
        EXPECT_TRUE(line.contains(QStringLiteral("Number: 91"))) << line.toStdString();
    }
}

TEST(Preview, MembersAreReachableByName)
{
    Shown s(192, 96);
    auto t = blankTemplate(1, 0.5);
    EXPECT_TRUE(QMetaObject::invokeMethod(&s.p, "PreviewTemplate", Q_ARG(std::shared_ptr<kyt::CPrintTemplate>, t),
        Q_ARG(std::shared_ptr<kyt::CPrintData>, nullptr)));
    EXPECT_FLOAT_EQ(float(t->Scalor()), 2.0f);
    std::shared_ptr<kyt::CPrintTemplate> created;
    EXPECT_TRUE(QMetaObject::invokeMethod(&s.p, "CreatePrintTemplate",
        Q_RETURN_ARG(std::shared_ptr<kyt::CPrintTemplate>, created), Q_ARG(QString, QString())));
    EXPECT_TRUE(created);
    auto data = std::make_shared<CPrintData>();
    EXPECT_TRUE(s.p.setProperty("DefaultPrintData", QVariant::fromValue(data)));
    EXPECT_EQ(s.p.DefaultPrintData(), data);
    EXPECT_TRUE(s.p.property("PictureImage").canConvert<kyt::Picture>());

    TraceSurface trace(QStringLiteral("Printer"));
    bool printed = false;
    t->setScalor(1);
    EXPECT_TRUE(
        QMetaObject::invokeMethod(&s.p, "PrintTemplate", Q_RETURN_ARG(bool, printed), Q_ARG(kyt::Surface*, &trace),
            Q_ARG(std::shared_ptr<kyt::CPrintTemplate>, t), Q_ARG(std::shared_ptr<kyt::CPrintData>, nullptr)));
    EXPECT_TRUE(printed);
    EXPECT_FALSE(trace.lines().isEmpty());
}

TEST(Preview, HugeDisplayAreaAndSizelessCardsAreSurvived)
{
    test::ScriptedBoxScope scope;
    Shown s(200, 100);
    // Larger than a picture may be: drawn at the largest allowed size.
    for (const QSize size : { QSize(10000, 9000), QSize(40000, 10) }) {
        s.p.resize(size);
        QCoreApplication::processEvents();
        auto t = blankTemplate(2, 1);
        s.p.PreviewTemplate(t);
        EXPECT_TRUE(std::isfinite(t->Scalor()) && t->Scalor() > 0) << size.width();
    }
    // A card without a size is reported and keeps its Scalor.
    s.p.resize(200, 100);
    for (double w : { 0.0, -2.0 }) {
        auto t = blankTemplate(w, 1);
        t->setScalor(1.5);
        const size_t before = scope.box().asked().size();
        s.p.PreviewTemplate(t);
        EXPECT_DOUBLE_EQ(t->Scalor(), 1.5);
        ASSERT_EQ(scope.box().asked().size(), before + 1);
        EXPECT_TRUE(scope.box().asked().back().prompt.contains(QStringLiteral("PreviewTemplate")));
    }
}
