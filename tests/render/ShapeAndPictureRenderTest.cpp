// Rectangles, lines, photos and logos.
#include "RenderTestSupport.h"

#include "objects/PlaceholderPhoto.h"
#include "support/TestSupport.h"

using namespace kyt;
using namespace kyt::test;

namespace
{

constexpr double d = 0.01041667; // one pixel at 96 per inch

std::unique_ptr<TraceSurface> inches(const char* type = "PictureBox")
{
    auto s = std::make_unique<TraceSurface>(QString::fromLatin1(type), QSizeF(8, 8));
    s->setScaleMode(Surface::vbInches);
    s->clear();
    return s;
}

// A card with a 30 x 40 placeholder photo and one photo object at (0.5, 0.25), 1 x 2 inches.
std::shared_ptr<CPhotoObject> photoOn(CPrintTemplate& card)
{
    card.setDefaultPhoto(solidPicture(30, 40, qRgb(128, 128, 128)));
    auto photo = add<CPhotoObject>(card, "Photo");
    place(*photo, 0.5f, 0.25f, 1, 2);
    return photo;
}

// The last line drawn is the black outline, `width` pixels wide.
void expectBlackOutline(const TraceSurface& s, int width)
{
    const auto lines = calls(s, "Line");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().value("kind").toString(), "Box");
    EXPECT_EQ(lines.back().value("color").toInteger(), 0);
    EXPECT_EQ(calls(s, "DrawWidth").front().value("value").toInt(), width);
}

} // namespace

TEST(RectangleRender, FilledThenBlackOutlineOfAbsoluteWidth)
{
    auto card = makeCard();
    card->setScalor(2);
    card->setXOffset(0.25f);
    auto rect = add<CRectangleObject>(*card, "Rect");
    place(*rect, 0.5f, 0.25f, 1, 0.5f);
    rect->setBackColor(0xFF0000);
    rect->setBorder(-3);
    auto s = inches();
    ASSERT_TRUE(renderOn(*rect, *card, *s, nullptr, 0.1f, 0.2f));
    const auto lines = calls(*s, "Line");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].value("kind").toString(), "FilledBox");
    EXPECT_EQ(lines[0].value("color").toInteger(), 0xFF0000);
    EXPECT_NEAR(num(lines[0], "x1"), 1.5 + 0.1, 1e-6);
    EXPECT_NEAR(num(lines[0], "y1"), 0.5 + 0.2, 1e-6);
    EXPECT_NEAR(num(lines[0], "x2"), 3.5 + 0.1, 1e-6);
    EXPECT_NEAR(num(lines[0], "y2"), 1.5 + 0.2, 1e-6);
    expectBlackOutline(*s, 3);
}

TEST(RectangleRender, ForeColorChangesNothingAndNoBorderMeansNoOutline)
{
    auto card = makeCard();
    auto rect = add<CRectangleObject>(*card, "Rect");
    place(*rect, 0.5f, 0.25f, 1, 0.5f);
    auto plain = inches();
    ASSERT_TRUE(renderOn(*rect, *card, *plain));
    EXPECT_EQ(calls(*plain, "Line").size(), 1u);
    EXPECT_TRUE(calls(*plain, "DrawWidth").empty());

    rect->setBorder(2);
    auto first = inches();
    auto second = inches();
    rect->setForeColor(0x00FF00);
    ASSERT_TRUE(renderOn(*rect, *card, *first));
    rect->setForeColor(0x0000FF);
    ASSERT_TRUE(renderOn(*rect, *card, *second));
    EXPECT_EQ(first->lines(), second->lines());
}

TEST(LineRender, FilledBoxInLineColourCoveringTheRectanglesArea)
{
    auto card = makeCard();
    card->setScalor(1.5);
    auto line = addLine(*card, 0.25f, 1, 2, 0.02f, 0x00AA00);
    auto rect = add<CRectangleObject>(*card, "Rect");
    place(*rect, 0.25f, 1, 2, 0.02f);
    auto ls = inches();
    auto rs = inches();
    ASSERT_TRUE(renderOn(*line, *card, *ls, nullptr, 0.3f, 0.4f));
    ASSERT_TRUE(renderOn(*rect, *card, *rs, nullptr, 0.3f, 0.4f));
    const auto l = calls(*ls, "Line");
    const auto r = calls(*rs, "Line");
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0].value("kind").toString(), "FilledBox");
    EXPECT_EQ(l[0].value("color").toInteger(), 0x00AA00);
    EXPECT_NEAR(num(l[0], "y2") - num(l[0], "y1"), 0.03, 1e-6) << "thickness scales with the card";
    EXPECT_NEAR(num(l[0], "x2") - num(l[0], "x1"), 3.0, 1e-6);
    for (const char* k : { "x1", "y1", "x2", "y2" })
        EXPECT_DOUBLE_EQ(num(l[0], k), num(r[0], k)) << k;
}

// The built-in placeholder is a picture the core carries; without it every
// photo object without a photo would print blank.
TEST(PhotoRender, BuiltInPlaceholderIsTheSmilingFace)
{
    const QImage img = placeholderPhoto().image();
    ASSERT_EQ(img.size(), QSize(32, 32));
    EXPECT_EQ(img.format(), QImage::Format_RGB888);
    const struct {
        int x, y;
        QRgb rgb;
    } pixels[] = { { 0, 0, qRgb(255, 255, 255) }, { 16, 6, qRgb(255, 214, 0) }, { 11, 12, qRgb(0, 0, 0) },
        { 20, 12, qRgb(0, 0, 0) } };
    for (const auto& p : pixels)
        EXPECT_EQ(img.pixel(p.x, p.y), p.rgb) << p.x << "," << p.y;
}

TEST(PhotoRender, PlaceholderStretchedWithoutPrintData)
{
    auto card = makeCard();
    auto photo = photoOn(*card);
    photo->setStretchToFit(false); // drawing ignores it
    auto s = inches();
    ASSERT_TRUE(renderOn(*photo, *card, *s));
    const auto p = calls(*s, "PaintPicture");
    ASSERT_EQ(p.size(), 1u);
    EXPECT_DOUBLE_EQ(num(p[0], "x"), 0.5);
    EXPECT_DOUBLE_EQ(num(p[0], "y"), 0.25);
    EXPECT_DOUBLE_EQ(num(p[0], "width"), 1);
    EXPECT_DOUBLE_EQ(num(p[0], "height"), 2);
    EXPECT_EQ(p[0].value("pixelWidth").toInt(), 30);
}

TEST(PhotoRender, PrintDataPictureKeepsItsShapeAtTopLeft)
{
    auto card = makeCard();
    auto photo = photoOn(*card);
    auto data = std::make_shared<CPrintData>();
    data->Add("image", QVariant::fromValue(solidPicture(200, 100, qRgb(0, 0, 255))));
    auto s = inches();
    ASSERT_TRUE(renderOn(*photo, *card, *s, data));
    const auto p = calls(*s, "PaintPicture");
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].value("pixelWidth").toInt(), 200);
    EXPECT_DOUBLE_EQ(num(p[0], "x"), 0.5);
    EXPECT_DOUBLE_EQ(num(p[0], "y"), 0.25);
    EXPECT_NEAR(num(p[0], "width"), 1, 1e-5);
    EXPECT_NEAR(num(p[0], "height"), 0.5, 1e-5);
}

TEST(PhotoRender, UnusableItemLeavesThePlaceholder)
{
    auto card = makeCard();
    auto photo = photoOn(*card);
    for (const QVariant& value : { QVariant(QStringLiteral("photo.jpg")), QVariant::fromValue(Picture()) }) {
        auto data = std::make_shared<CPrintData>();
        data->Add("Image", value);
        auto s = inches();
        ASSERT_TRUE(renderOn(*photo, *card, *s, data));
        const auto p = calls(*s, "PaintPicture");
        ASSERT_EQ(p.size(), 1u);
        EXPECT_EQ(p[0].value("pixelWidth").toInt(), 30);
        EXPECT_DOUBLE_EQ(num(p[0], "height"), 2);
    }
    auto other = std::make_shared<CPrintData>();
    other->Add("Portrait", QVariant::fromValue(solidPicture(200, 100, qRgb(0, 0, 255))));
    auto s = inches();
    ASSERT_TRUE(renderOn(*photo, *card, *s, other));
    EXPECT_EQ(calls(*s, "PaintPicture").front().value("pixelWidth").toInt(), 30);
}

TEST(PhotoRender, BorderInsetsThePictureAndOutlinesTheBox)
{
    auto card = makeCard();
    auto photo = photoOn(*card);
    photo->setBorder(2);
    auto s = inches();
    ASSERT_TRUE(renderOn(*photo, *card, *s));
    const auto p = calls(*s, "PaintPicture").front();
    EXPECT_NEAR(num(p, "x"), 0.5 + d, 1e-6);
    EXPECT_NEAR(num(p, "y"), 0.25 + d, 1e-6);
    EXPECT_NEAR(num(p, "x") + num(p, "width"), 1.5, 1e-6) << "still ends at the right edge";
    EXPECT_NEAR(num(p, "y") + num(p, "height"), 2.25, 1e-6);
    const auto lines = calls(*s, "Line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_DOUBLE_EQ(num(lines[0], "x1"), 0.5);
    EXPECT_DOUBLE_EQ(num(lines[0], "y2"), 2.25);
    expectBlackOutline(*s, 2);
}

TEST(PhotoRender, NoPictureAtAllIsAReportedFailure)
{
    auto card = makeCard();
    auto photo = add<CPhotoObject>(*card, "Photo");
    place(*photo, 0, 0, 1, 1);
    auto s = inches();
    EXPECT_FALSE(renderOn(*photo, *card, *s));
    EXPECT_TRUE(card->Error()->lastLogLine().contains("Source: KYTPreview.CPhotoObject (8.1.3) Render"));
}

TEST(LogoRender, StretchedAndOutlined)
{
    auto card = makeCard();
    card->setScalor(2);
    auto logo = add<CLogoObject>(*card, "Logo");
    place(*logo, 0.5f, 0.25f, 1, 0.5f);
    logo->setImage(solidPicture(10, 80, qRgb(1, 2, 3)));
    auto s = inches();
    ASSERT_TRUE(renderOn(*logo, *card, *s, std::make_shared<CPrintData>()));
    auto p = calls(*s, "PaintPicture").front();
    EXPECT_DOUBLE_EQ(num(p, "width"), 2);
    EXPECT_DOUBLE_EQ(num(p, "height"), 1);
    EXPECT_TRUE(calls(*s, "Line").empty());

    logo->setBorder(-1);
    s->clear();
    ASSERT_TRUE(renderOn(*logo, *card, *s));
    p = calls(*s, "PaintPicture").front();
    EXPECT_NEAR(num(p, "x"), 1 + d, 1e-6);
    EXPECT_NEAR(num(p, "width"), 2 - d, 1e-6);
    EXPECT_EQ(calls(*s, "Line").size(), 1u);
}

TEST(LogoRender, WithoutPictureFailsAndReports)
{
    auto card = makeCard();
    auto logo = add<CLogoObject>(*card, "Logo");
    place(*logo, 0, 0, 1, 1);
    auto s = inches();
    EXPECT_FALSE(renderOn(*logo, *card, *s));
    const QString log = card->Error()->lastLogLine();
    EXPECT_TRUE(log.contains("Source: KYTPreview.CLogoObject (8.1.3) Render")) << log.toStdString();
    EXPECT_TRUE(log.contains("Number: 481"));
    EXPECT_TRUE(calls(*s, "PaintPicture").empty());
}
