// Cards drawn on real picture boxes: positions and sizes land on the right
// pixels at any resolution and scale.
#include "RenderTestSupport.h"

#include "platform/surface/PictureBoxSurface.h"
#include "support/TestSupport.h"

using namespace kyt;
using namespace kyt::test;

namespace
{

bool isColour(QRgb p, QRgb want, int tolerance = 40)
{
    return std::abs(qRed(p) - qRed(want)) <= tolerance && std::abs(qGreen(p) - qGreen(want)) <= tolerance
        && std::abs(qBlue(p) - qBlue(want)) <= tolerance;
}

// First and last pixel of the colour along a row, or a column when vertical (-1: none).
std::pair<int, int> runOf(const QImage& img, int line, QRgb want, bool vertical = false)
{
    int first = -1, last = -1;
    for (int i = 0; i < (vertical ? img.height() : img.width()); ++i)
        if (isColour(vertical ? img.pixel(line, i) : img.pixel(i, line), want)) {
            if (first < 0)
                first = i;
            last = i;
        }
    return { first, last };
}

} // namespace

class PixelPlacement : public ::testing::TestWithParam<double>
{
};

// A rectangle at (0.5, 0.25), 1 x 0.5 inch, on a card at scale 2 covers
// (1, 0.5) to (3, 1.5) inches of the surface.
TEST_P(PixelPlacement, RectangleAtScale)
{
    const double dpi = GetParam();
    auto card = makeCard();
    card->setScalor(2);
    auto rect = add<CRectangleObject>(*card, "Rect");
    place(*rect, 0.5f, 0.25f, 1, 0.5f);
    rect->setBackColor(0x0000FF); // red, red in the low byte
    PictureBoxSurface box(QSize(qCeil(7 * dpi), qCeil(4.5 * dpi)), dpi);
    ASSERT_TRUE(card->Render(box));
    const QImage& img = box.Image();
    const QRgb red = qRgb(255, 0, 0);
    const auto [x0, x1] = runOf(img, qRound(1.0 * dpi), red);
    const auto [y0, y1] = runOf(img, qRound(2.0 * dpi), red, true);
    EXPECT_NEAR(x0, 1.0 * dpi, 1.0);
    EXPECT_NEAR(x1 + 1, 3.0 * dpi, 1.0);
    EXPECT_NEAR(y0, 0.5 * dpi, 1.0);
    EXPECT_NEAR(y1 + 1, 1.5 * dpi, 1.0);
    // The card itself is white inside a black edge.
    EXPECT_TRUE(isColour(img.pixel(qRound(5 * dpi), qRound(3 * dpi)), qRgb(255, 255, 255)));
    const auto [ex0, ex1] = runOf(img, qRound(3 * dpi), qRgb(0, 0, 0));
    EXPECT_NEAR(ex0, 0, 1.0);
    EXPECT_NEAR(ex1, 6.75 * dpi, 1.5);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, PixelPlacement, ::testing::Values(96.0, 300.0));

TEST(PixelRender, OutlineWidthIsInSurfacePixels)
{
    auto card = makeCard();
    auto rect = add<CRectangleObject>(*card, "Rect");
    place(*rect, 1, 1, 1, 0.5f);
    rect->setBackColor(0xFFFFFF);
    rect->setBorder(-3);
    PictureBoxSurface box(QSize(400, 300), 96);
    ASSERT_TRUE(card->Render(box));
    const QImage& img = box.Image();
    const int row = 120; // through the middle of the rectangle
    int dark = 0;
    for (int x = 80; x < 112; ++x)
        dark += QColor(img.pixel(x, row)).lightness() < 128 ? 1 : 0;
    EXPECT_EQ(dark, 3);
}

TEST(PixelRender, PhotoFittedIntoItsBox)
{
    auto card = makeCard();
    card->setDefaultPhoto(solidPicture(10, 10, qRgb(0, 255, 0)));
    auto photo = add<CPhotoObject>(*card, "Photo");
    place(*photo, 0.5f, 0.25f, 1, 2);
    auto data = std::make_shared<CPrintData>();
    data->Add("Image", QVariant::fromValue(solidPicture(200, 100, qRgb(0, 0, 255))));
    PictureBoxSurface box(QSize(400, 500), 96);
    ASSERT_TRUE(card->Render(box, data));
    const QImage& img = box.Image();
    const QRgb blue = qRgb(0, 0, 255);
    const auto [x0, x1] = runOf(img, 40, blue);
    const auto [y0, y1] = runOf(img, 96, blue, true);
    EXPECT_NEAR(x0, 48, 1);
    EXPECT_NEAR(x1 + 1, 144, 1);
    EXPECT_NEAR(y0, 24, 1);
    EXPECT_NEAR(y1 + 1, 72, 1);
    EXPECT_EQ(runOf(img, 100, qRgb(0, 255, 0)).first, -1) << "no placeholder under the photo";
}

TEST(PixelRender, TextInkStaysInItsBoxAtScale)
{
    auto card = makeCard();
    card->setScalor(2);
    auto data = add<CDataObject>(*card, "Data");
    place(*data, 0.5f, 0.25f, 1.5f, 0.25f);
    data->setDataFieldName("LastName");
    data->setFontSize(10);
    data->setForeColor(0xFF0000); // blue
    auto values = std::make_shared<CPrintData>();
    values->Add("LastName", "Smith");
    PictureBoxSurface box(QSize(700, 450), 96);
    ASSERT_TRUE(card->Render(box, values));
    const QImage& img = box.Image();
    int inside = 0, outside = 0;
    const QRect area(96, 48, 288, 48); // (1, 0.5) .. (4, 1) inches
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (qBlue(p) > 128 && qRed(p) < 128 && qGreen(p) < 128)
                (area.contains(x, y) ? inside : outside)++;
        }
    EXPECT_GT(inside, 50);
    EXPECT_EQ(outside, 0);
}
