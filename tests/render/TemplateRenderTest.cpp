// Drawing a whole card: surface set-up and restore, background, object order,
// the back side of a two-sided card, and what a failure does.
#include "RenderTestSupport.h"

#include "platform/surface/PictureBoxSurface.h"
#include "support/TestSupport.h"

using namespace kyt;
using namespace kyt::test;

namespace
{

constexpr double W = 3.375;
constexpr double H = 2.125;

QJsonObject firstLine(const TraceSurface& s, const QString& kind)
{
    for (const auto& c : calls(s, "Line"))
        if (c.value("kind").toString() == kind)
            return c;
    return {};
}

// A design object of the test's own that hands back another reporter and
// print data, and records what it was given.
class SwappingObject : public CDesignObject
{
public:
    SwappingObject()
        : CDesignObject(QStringLiteral("Test.SwappingObject"))
    {
    }
    QString TokenString() const override { return {}; }
    void setTokenString(const QString&) override { }
    bool Render(const CardScale&, Surface&, std::shared_ptr<CError>& g_oError, std::shared_ptr<FieldValues>& oPrintData,
        float, float) override
    {
        seenError = g_oError;
        seenData = oPrintData;
        if (replaceError)
            g_oError = replaceError;
        if (replaceData)
            oPrintData = replaceData;
        return result;
    }
    std::shared_ptr<CError> seenError, replaceError;
    std::shared_ptr<FieldValues> seenData, replaceData;
    bool result = true;
};

} // namespace

TEST(TemplateRender, ScaleModeNotedAndRestored)
{
    for (const QString& type : { QStringLiteral("PictureBox"), QStringLiteral("Printer") }) {
        auto card = makeCard();
        place(*add<CRectangleObject>(*card, "Rect"), 0.5f, 0.25f, 1, 0.5f);
        TraceSurface s(type);
        s.setScaleMode(Surface::vbPixels);
        s.clear();
        EXPECT_TRUE(card->Render(s));
        EXPECT_EQ(s.ScaleMode(), Surface::vbPixels) << type.toStdString();
        const auto modes = calls(s, "ScaleMode");
        ASSERT_EQ(modes.size(), 2u);
        EXPECT_EQ(modes.front().value("value").toInt(), Surface::vbInches);
        EXPECT_EQ(modes.back().value("value").toInt(), Surface::vbPixels);
        EXPECT_GE(indexOf(ops(s), "Line"), 1);
    }
}

TEST(TemplateRender, PictureBoxGetsWhiteCardThenObjectsThenBlackOutline)
{
    auto card = makeCard();
    auto rect = add<CRectangleObject>(*card, "Rect");
    place(*rect, 0.5f, 0.25f, 1, 0.5f);
    rect->setBackColor(0x0000FF);
    TraceSurface s("PictureBox");
    ASSERT_TRUE(card->Render(s, nullptr, 0.25f, 0.5f));

    const auto lines = calls(s, "Line");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].value("kind").toString(), "FilledBox");
    EXPECT_EQ(lines[0].value("color").toInteger(), 0xFFFFFF);
    EXPECT_DOUBLE_EQ(num(lines[0], "x1"), 0.25);
    EXPECT_DOUBLE_EQ(num(lines[0], "y1"), 0.5);
    EXPECT_DOUBLE_EQ(num(lines[0], "x2"), 0.25 + W);
    EXPECT_DOUBLE_EQ(num(lines[0], "y2"), 0.5 + H);

    EXPECT_EQ(lines[1].value("color").toInteger(), 0x0000FF);
    EXPECT_DOUBLE_EQ(num(lines[1], "x1"), 0.75);
    EXPECT_DOUBLE_EQ(num(lines[1], "y1"), 0.75);

    EXPECT_EQ(lines[2].value("kind").toString(), "Box");
    EXPECT_EQ(lines[2].value("color").toInteger(), 0);
    EXPECT_DOUBLE_EQ(num(lines[2], "y1"), 0.5);
    EXPECT_DOUBLE_EQ(num(lines[2], "y2"), 0.5 + H);
    // No printer settings on a picture box.
    EXPECT_EQ(indexOf(ops(s), "PrintQuality"), -1);
    EXPECT_EQ(indexOf(ops(s), "NewPage"), -1);
}

TEST(TemplateRender, PrinterSetUpAndBorderOnlyWhenPrinting)
{
    auto card = makeCard();
    card->setOrientation(2);
    card->setBorder(3);
    TraceSurface printer("Printer");
    ASSERT_TRUE(card->Render(printer));
    EXPECT_EQ(printer.PrintQuality(), -4);
    EXPECT_EQ(printer.Orientation(), 2);
    EXPECT_EQ(printer.Duplex(), 1);
    const auto lines = calls(printer, "Line");
    ASSERT_EQ(lines.size(), 1u) << "only the white border, no card fill and no black outline";
    EXPECT_EQ(lines[0].value("kind").toString(), "Box");
    EXPECT_EQ(lines[0].value("color").toInteger(), 0xFFFFFF);
    EXPECT_EQ(calls(printer, "DrawWidth").front().value("value").toInt(), 3);
    EXPECT_EQ(indexOf(ops(printer), "EndDoc"), -1) << "the caller ends the document";

    TraceSurface box("PictureBox");
    ASSERT_TRUE(card->Render(box));
    for (const auto& l : calls(box, "Line"))
        EXPECT_FALSE(l.value("kind").toString() == "Box" && l.value("color").toInteger() == 0xFFFFFF);
    EXPECT_TRUE(calls(box, "DrawWidth").empty()) << "the black outline uses the current width";
}

namespace
{
// A printer without a duplex unit: it reports 0 and refuses any setting.
class SimplexPrinter : public TraceSurface
{
public:
    SimplexPrinter()
        : TraceSurface(QStringLiteral("Printer"))
    {
    }
    int Duplex() const override { return 0; }
    void setDuplex(int duplex) override
    {
        TraceSurface::setDuplex(duplex); // traced
        throw KytError(380, QStringLiteral("Invalid property value"));
    }
};
} // namespace

TEST(TemplateRender, PrinterSettingsKeptWhereTheRulesSay)
{
    auto card = makeCard();
    card->setDuplex(true);
    TraceSurface printer("Printer");
    printer.setPrintQuality(0);
    printer.clear();
    ASSERT_TRUE(card->Render(printer));
    EXPECT_EQ(printer.PrintQuality(), 0) << "a printer at quality 0 keeps it";
    EXPECT_TRUE(calls(printer, "PrintQuality").empty());
    EXPECT_EQ(printer.Duplex(), 3) << "two-sided cards print vertically two-sided";

    auto single = makeCard();
    SimplexPrinter simplex;
    place(*add<CRectangleObject>(*single, "Rect"), 0, 0, 1, 1);
    ASSERT_TRUE(single->Render(simplex));
    EXPECT_TRUE(calls(simplex, "Duplex").empty()) << "a printer without duplex is left alone";
    EXPECT_EQ(calls(simplex, "Line").size(), 1u);

    // A two-sided card on it: the refusal is passed over and both sides print.
    SimplexPrinter refusing;
    ASSERT_TRUE(card->Render(refusing));
    EXPECT_EQ(calls(refusing, "Duplex").size(), 1u);
    EXPECT_GE(indexOf(ops(refusing), "NewPage"), 0);
    EXPECT_TRUE(card->Error()->lastLogLine().isEmpty());

    // An orientation the printer refuses is passed over too.
    single->setOrientation(0);
    TraceSurface plain("Printer");
    EXPECT_TRUE(single->Render(plain));
    EXPECT_TRUE(single->Error()->lastLogLine().isEmpty());
    EXPECT_EQ(calls(plain, "Line").size(), 1u);
}

TEST(TemplateRender, BackgroundColourWinsOverPicture)
{
    auto card = makeCard();
    card->setDuplex(true);
    card->setBackgroundColor(0x00FF00);
    card->setPicture(solidPicture(200, 100, qRgb(255, 0, 0)));
    TraceSurface s("PictureBox");
    ASSERT_TRUE(card->Render(s));
    EXPECT_TRUE(calls(s, "PaintPicture").empty());
    const auto lines = calls(s, "Line");
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[1].value("color").toInteger(), 0x00FF00);
    EXPECT_DOUBLE_EQ(num(lines[1], "y2"), H) << "front side only";
}

TEST(TemplateRender, BackgroundPictureFittedInTopLeftCorner)
{
    auto card = makeCard();
    card->setScalor(2);
    card->setPicture(solidPicture(200, 100, qRgb(255, 0, 0))); // 2:1
    TraceSurface s("PictureBox", QSizeF(8, 8));
    ASSERT_TRUE(card->Render(s, nullptr, 0.5f, 0.25f));
    const auto pictures = calls(s, "PaintPicture");
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_DOUBLE_EQ(num(pictures[0], "x"), 0.5);
    EXPECT_DOUBLE_EQ(num(pictures[0], "y"), 0.25);
    // 6.75 x 4.25 inch card: the 2:1 picture is limited by the width.
    EXPECT_NEAR(num(pictures[0], "width"), 2 * W, 1e-5);
    EXPECT_NEAR(num(pictures[0], "height"), W, 1e-5);
    EXPECT_NEAR(card->PictureScale() * card->Picture().Width(), 2 * W, 1e-4);
}

TEST(TemplateRender, ObjectsDrawnInCollectionOrder)
{
    auto card = makeCard();
    auto a = add<CRectangleObject>(*card, "Rect");
    auto b = add<CRectangleObject>(*card, "Rect");
    place(*a, 0, 0, 1, 1);
    place(*b, 1, 0, 1, 1);
    a->setBackColor(1);
    b->setBackColor(2);
    a->setZOrder(5); // Render does not sort: the collection's order counts
    TraceSurface s("Printer");
    ASSERT_TRUE(card->Render(s));
    const auto lines = calls(s, "Line");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].value("color").toInteger(), 1);
    EXPECT_EQ(lines[1].value("color").toInteger(), 2);
}

TEST(TemplateRender, DuplexPrintPutsBackObjectsAtTopOfSecondPage)
{
    for (const double scalor : { 1.0, 0.5 }) {
        auto card = makeCard();
        card->setDuplex(true);
        card->setScalor(scalor);
        auto back1 = add<CRectangleObject>(*card, "Rect");
        auto front = add<CRectangleObject>(*card, "Rect");
        auto back2 = add<CRectangleObject>(*card, "Rect");
        place(*back1, 0.5f, 2.5f, 1, 0.25f); // 0.375 below the back side's top
        place(*front, 0.5f, 0.5f, 1, 0.25f);
        place(*back2, 0.25f, static_cast<float>(H), 1, 0.25f); // exactly at the back top
        back1->setBackColor(11);
        front->setBackColor(22);
        back2->setBackColor(33);
        TraceSurface s("Printer", QSizeF(W, H));
        ASSERT_TRUE(card->Render(s));

        const auto o = ops(s);
        const int newPage = indexOf(o, "NewPage");
        ASSERT_GE(newPage, 0);
        EXPECT_EQ(indexOf(o, "NewPage", newPage + 1), -1) << "one new page";
        std::vector<std::pair<qint64, double>> drawn; // colour, y1
        for (const auto& l : calls(s, "Line"))
            drawn.emplace_back(l.value("color").toInteger(), num(l, "y1"));
        ASSERT_EQ(drawn.size(), 3u);
        EXPECT_EQ(drawn[0].first, 22);
        EXPECT_NEAR(drawn[0].second, 0.5 * scalor, 1e-5);
        EXPECT_EQ(drawn[1].first, 11);
        EXPECT_NEAR(drawn[1].second, (2.5 - H) * scalor, 1e-5);
        EXPECT_EQ(drawn[2].first, 33);
        EXPECT_NEAR(drawn[2].second, 0, 1e-5);
        int frontLine = -1;
        for (int i = 0, n = 0; i < static_cast<int>(o.size()); ++i)
            if (o[size_t(i)] == "Line" && n++ == 0)
                frontLine = i;
        EXPECT_LT(frontLine, newPage);
        EXPECT_FLOAT_EQ(card->YOffset(), 0.0f);
    }
}

TEST(TemplateRender, SameOffsetTwiceDrawsAtTheSamePlace)
{
    auto card = makeCard();
    card->setDuplex(true);
    card->setYOffset(0.125f);
    place(*add<CRectangleObject>(*card, "Rect"), 0.5f, 0.5f, 1, 0.25f);
    place(*add<CRectangleObject>(*card, "Rect"), 0.5f, 2.5f, 1, 0.25f);
    for (const QString& type : { QStringLiteral("Printer"), QStringLiteral("PictureBox") }) {
        TraceSurface first(type), second(type);
        ASSERT_TRUE(card->Render(first, nullptr, 0, 0.3f));
        EXPECT_FLOAT_EQ(card->YOffset(), 0.125f);
        ASSERT_TRUE(card->Render(second, nullptr, 0, 0.3f));
        EXPECT_FLOAT_EQ(card->YOffset(), 0.125f);
        EXPECT_EQ(first.lines(), second.lines());
    }
    // On the printer the back side sits on page 2 as the front does on page 1.
    TraceSurface printer("Printer");
    ASSERT_TRUE(card->Render(printer, nullptr, 0, 0.3f));
    const auto lines = calls(printer, "Line");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NEAR(num(lines[0], "y1"), 0.125 + 0.5 + 0.3, 1e-5);
    EXPECT_NEAR(num(lines[1], "y1"), 0.125 + (2.5 - H) + 0.3, 1e-5);
}

TEST(TemplateRender, DuplexPreviewHasInvertedSeparatorAndOutlineAroundBothSides)
{
    auto card = makeCard();
    card->setDuplex(true);
    TraceSurface s("PictureBox", QSizeF(4, 5));
    ASSERT_TRUE(card->Render(s, nullptr, 0.25f, 0));
    const auto o = ops(s);
    const int mode = indexOf(o, "DrawMode");
    ASSERT_GE(mode, 0);
    const auto modes = calls(s, "DrawMode");
    ASSERT_EQ(modes.size(), 2u);
    EXPECT_EQ(modes[0].value("value").toInt(), 6);
    EXPECT_EQ(modes[1].value("value").toInt(), 13);
    EXPECT_EQ(calls(s, "DrawStyle").front().value("value").toInt(), 0);
    const auto widths = calls(s, "DrawWidth");
    ASSERT_EQ(widths.size(), 2u);
    EXPECT_EQ(widths[0].value("value").toInt(), 2);
    EXPECT_EQ(widths[1].value("value").toInt(), 1);

    const auto plain = firstLine(s, "Plain");
    EXPECT_DOUBLE_EQ(num(plain, "x1"), 0.25);
    EXPECT_DOUBLE_EQ(num(plain, "x2"), 0.25 + W);
    EXPECT_DOUBLE_EQ(num(plain, "y1"), H);
    EXPECT_DOUBLE_EQ(num(plain, "y2"), H);
    const auto outline = firstLine(s, "Box");
    EXPECT_DOUBLE_EQ(num(outline, "y1"), 0);
    EXPECT_DOUBLE_EQ(num(outline, "y2"), 2 * H);
    EXPECT_EQ(outline.value("color").toInteger(), 0);

    // On pixels: the separator inverts what lies under it.
    PictureBoxSurface box(QSize(400, 500), 96);
    auto inked = makeCard();
    inked->setDuplex(true);
    auto dark = add<CRectangleObject>(*inked, "Rect");
    place(*dark, 0, 1.5f, 1, 1); // straddles the separator
    ASSERT_TRUE(inked->Render(box));
    const QImage& img = box.Image();
    const int row = qRound(H * 96);
    EXPECT_EQ(QColor(img.pixel(200, row)).lightness() < 64, true) << "white turned black";
    EXPECT_EQ(QColor(img.pixel(48, row)).lightness() > 192, true) << "black turned white";
    EXPECT_EQ(QColor(img.pixel(200, row - 6)).lightness() > 192, true);
}

TEST(TemplateRender, FinishPutsPositionBelowTheCard)
{
    auto card = makeCard();
    card->setScalor(2);
    card->setXOffset(0.25f);
    card->setYOffset(0.125f);
    TraceSurface s("PictureBox", QSizeF(8, 8));
    s.setScaleMode(Surface::vbInches);
    ASSERT_TRUE(card->Render(s));
    EXPECT_NEAR(s.CurrentX(), 0.5, 1e-6);
    EXPECT_NEAR(s.CurrentY(), (0.25 + H) * 2, 1e-6);
}

TEST(TemplateRender, FailingObjectStopsTheCard)
{
    ScriptedBoxScope boxes;
    auto card = makeCard();
    auto logo = add<CLogoObject>(*card, "Logo"); // no picture: a failure
    place(*logo, 0, 0, 1, 1);
    auto after = add<CRectangleObject>(*card, "Rect");
    place(*after, 1, 1, 1, 1);
    after->setBackColor(0x123456);

    TraceSurface box("PictureBox");
    EXPECT_FALSE(card->Render(box));
    for (const auto& l : calls(box, "Line"))
        EXPECT_NE(l.value("color").toInteger(), 0x123456) << "nothing after the failing object";
    EXPECT_TRUE(card->Error()->lastLogLine().contains("Source: KYTPreview.CLogoObject (8.1.3) Render"))
        << card->Error()->lastLogLine().toStdString();
    EXPECT_EQ(box.ScaleMode(), Surface::vbTwips) << "finish still runs";
    EXPECT_EQ(indexOf(ops(box), "EndDoc"), -1);

    TraceSurface printer("Printer");
    EXPECT_FALSE(card->Render(printer));
    EXPECT_GE(indexOf(ops(printer), "EndDoc"), 0) << "a printed card that failed ends the document";
}

TEST(TemplateRender, FailureOnTheBackSideStopsBeforeTheNextBackObject)
{
    auto card = makeCard();
    card->setDuplex(true);
    place(*add<CLogoObject>(*card, "Logo"), 0, 2.5f, 1, 1);
    auto later = add<CRectangleObject>(*card, "Rect");
    place(*later, 0, 3.0f, 1, 0.5f);
    later->setBackColor(0x654321);
    TraceSurface printer("Printer");
    EXPECT_FALSE(card->Render(printer));
    const auto o = ops(printer);
    EXPECT_LT(indexOf(o, "NewPage"), indexOf(o, "EndDoc"));
    EXPECT_TRUE(calls(printer, "Line").empty());
    EXPECT_FLOAT_EQ(card->YOffset(), 0.0f) << "offset restored after a failure on the back";
}

namespace
{
// A printer that cannot start a second page.
class NoSecondPage : public TraceSurface
{
public:
    NoSecondPage()
        : TraceSurface(QStringLiteral("Printer"))
    {
    }
    void NewPage() override { throw KytError(482, QStringLiteral("Printer error")); }
};
} // namespace

TEST(TemplateRender, SurfaceFailureIsReportedUnderRenderAndFinishRuns)
{
    auto card = makeCard();
    card->setDuplex(true);
    place(*add<CRectangleObject>(*card, "Rect"), 0, 2.5f, 1, 0.5f);
    NoSecondPage printer;
    printer.setScaleMode(Surface::vbPoints);
    EXPECT_TRUE(card->Render(printer)) << "no object had failed";
    EXPECT_TRUE(card->Error()->lastLogLine().contains("Source: KYTPreview.CPrintTemplate (8.1.3) Render"));
    EXPECT_TRUE(card->Error()->lastLogLine().contains("Number: 482"));
    EXPECT_EQ(printer.ScaleMode(), Surface::vbPoints);
    EXPECT_TRUE(calls(printer, "Line").empty());
}

TEST(TemplateRender, TakesBackReporterAndPrintDataFromObjects)
{
    auto card = makeCard();
    auto first = std::make_shared<SwappingObject>();
    auto second = std::make_shared<SwappingObject>();
    card->objects().Add(first, QStringLiteral("First"));
    card->objects().Add(second, QStringLiteral("Second"));
    auto original = card->Error();
    auto otherError = quietError();
    auto otherData = std::make_shared<CPrintData>();
    first->replaceError = otherError;
    first->replaceData = otherData;
    auto data = std::make_shared<CPrintData>();

    TraceSurface s("PictureBox");
    EXPECT_TRUE(card->Render(s, data));
    EXPECT_EQ(first->seenError, original);
    EXPECT_EQ(first->seenData, data);
    EXPECT_EQ(second->seenError, otherError);
    EXPECT_EQ(second->seenData, otherData);
    EXPECT_EQ(card->Error(), otherError);
}

TEST(TemplateRender, ObjectResultIsTheResult)
{
    auto card = makeCard();
    auto first = std::make_shared<SwappingObject>();
    auto second = std::make_shared<SwappingObject>();
    first->result = false;
    card->objects().Add(first, QStringLiteral("First"));
    card->objects().Add(second, QStringLiteral("Second"));
    TraceSurface s("PictureBox");
    EXPECT_FALSE(card->Render(s));
    EXPECT_FALSE(second->seenError) << "the second object was never asked";
}
