// Drawing on a picture box, checked pixel by pixel.
#include <gtest/gtest.h>

#include "support/TestSupport.h"

#include "errors/CError.h"
#include "platform/Picture.h"
#include "platform/surface/PictureBoxSurface.h"
#include <QPainter>

using namespace kyt;

namespace
{

constexpr quint32 Red = 0x0000FF; // red in the low byte
constexpr quint32 Blue = 0xFF0000;
constexpr quint32 White = 0xFFFFFF;

// Bounding rectangle of the pixels that are not white.
QRect inkBounds(const QImage& img)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != qRgb(255, 255, 255))
                r |= QRect(x, y, 1, 1);
    return r;
}

int countColor(const QImage& img, QRgb color, QRect area = QRect())
{
    if (area.isNull())
        area = img.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += img.pixel(x, y) == color;
    return n;
}

void expectNear(const QRect& r, int left, int top, int right, int bottom)
{
    EXPECT_NEAR(r.left(), left, 1) << "left";
    EXPECT_NEAR(r.top(), top, 1) << "top";
    EXPECT_NEAR(r.right(), right, 1) << "right";
    EXPECT_NEAR(r.bottom(), bottom, 1) << "bottom";
}

class FilledBoxTest : public ::testing::TestWithParam<int>
{
};

TEST_P(FilledBoxTest, CoversExactlyItsRectangle)
{
    const int dpi = GetParam();
    PictureBoxSurface box(QSize(2 * dpi, dpi), dpi);
    box.setScaleMode(Surface::vbInches);
    box.Line(0.5, 0.25, 1.5, 0.75, Red, Surface::LineKind::FilledBox);
    const QImage& img = box.Image();
    const QRect ink = inkBounds(img);
    expectNear(ink, dpi / 2, dpi / 4, dpi * 3 / 2 - 1, dpi * 3 / 4 - 1);
    // Solid: every pixel inside is the colour, with no smoothed edge.
    EXPECT_EQ(countColor(img, qRgb(255, 0, 0)), ink.width() * ink.height());
}

INSTANTIATE_TEST_SUITE_P(Resolutions, FilledBoxTest, ::testing::Values(96, 300));

// Boxes thinner than a pixel (a line of height 0, a hairline rule) still
// cover one pixel across, as the platform's pen does.
TEST(PictureBoxSurface, ThinBoxesCoverAtLeastOnePixel)
{
    struct Row {
        double x1, y1, x2, y2;
        QSize ink; // ink size in pixels at 100 dpi
    } rows[] = {
        { 0.5, 0.5, 1.5, 0.5, QSize(100, 1) }, // height 0
        { 0.5, 0.5, 1.5, 0.504, QSize(100, 1) }, // less than a pixel
        { 1.0, 0.2, 1.0, 0.8, QSize(1, 60) }, // width 0
        { 1.0, 0.5, 1.0, 0.5, QSize(1, 1) }, // a point
    };
    for (const Row& r : rows) {
        PictureBoxSurface box(QSize(200, 100), 100);
        box.setScaleMode(Surface::vbInches);
        box.Line(r.x1, r.y1, r.x2, r.y2, Red, Surface::LineKind::FilledBox);
        const QRect ink = inkBounds(box.Image());
        EXPECT_EQ(ink.size(), r.ink) << r.x1 << "," << r.y1 << " " << r.x2 << "," << r.y2;
        EXPECT_EQ(countColor(box.Image(), qRgb(255, 0, 0)), r.ink.width() * r.ink.height());
    }
}

TEST(PictureBoxSurface, BoxOutlineUsesDrawWidthAndLeavesTheInsideAlone)
{
    PictureBoxSurface box(QSize(300, 300), 300);
    box.setScaleMode(Surface::vbInches);
    box.setDrawWidth(4);
    box.Line(0.2, 0.2, 0.8, 0.8, 0, Surface::LineKind::Box);
    const QImage& img = box.Image();
    const QRect ink = inkBounds(img);
    // The 4-pixel pen is centred on the edges at 60 and 240.
    expectNear(ink, 58, 58, 241, 241);
    EXPECT_EQ(img.pixel(150, 150), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(60, 150), qRgb(0, 0, 0));
    EXPECT_EQ(img.pixel(150, 240), qRgb(0, 0, 0));
    // Just inside the pen the box is still white.
    EXPECT_EQ(img.pixel(64, 150), qRgb(255, 255, 255));
}

TEST(PictureBoxSurface, BoxIsFilledWithFillColorUnlessFillStyleIsTransparent)
{
    PictureBoxSurface box(QSize(100, 100), 96);
    box.setScaleMode(Surface::vbPixels);
    box.setFillColor(Blue);
    box.Line(10, 10, 50, 50, 0, Surface::LineKind::Box); // FillStyle 1: outline only
    EXPECT_EQ(box.Image().pixel(30, 30), qRgb(255, 255, 255));
    box.setFillStyle(Surface::vbFSSolid);
    box.Line(10, 10, 50, 50, 0, Surface::LineKind::Box);
    EXPECT_EQ(box.Image().pixel(30, 30), qRgb(0, 0, 255));
    EXPECT_EQ(box.Image().pixel(10, 30), qRgb(0, 0, 0));
    // A filled box takes its own colour whatever the fill settings.
    box.Line(60, 60, 90, 90, Red, Surface::LineKind::FilledBox);
    EXPECT_EQ(box.Image().pixel(75, 75), qRgb(255, 0, 0));
}

TEST(PictureBoxSurface, LineWithoutColourUsesForeColor)
{
    PictureBoxSurface box(QSize(100, 100), 96);
    box.setScaleMode(Surface::vbPixels);
    box.setForeColor(Blue);
    box.setDrawWidth(3);
    box.Line(10, 50, 90, 50);
    const QImage& img = box.Image();
    EXPECT_EQ(img.pixel(50, 50), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(50, 49), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(50, 51), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(50, 45), qRgb(255, 255, 255));
    EXPECT_EQ(countColor(img, qRgb(255, 0, 0)), 0);
}

TEST(PictureBoxSurface, InvertModeInvertsAndTwiceRestores)
{
    PictureBoxSurface box(QSize(100, 40), 96);
    box.setScaleMode(Surface::vbPixels);
    box.Line(0, 0, 50, 40, Red, Surface::LineKind::FilledBox);
    box.setDrawMode(Surface::vbInvert);
    box.setDrawWidth(2);
    box.Line(0, 20, 100, 20, 0);
    QImage once = box.Image().copy();
    // Red turns cyan, white turns black; the colour given does not matter.
    EXPECT_EQ(once.pixel(25, 20), qRgb(0, 255, 255));
    EXPECT_EQ(once.pixel(75, 20), qRgb(0, 0, 0));
    EXPECT_EQ(once.pixel(75, 10), qRgb(255, 255, 255));
    box.Line(0, 20, 100, 20, 0);
    EXPECT_EQ(box.Image().pixel(25, 20), qRgb(255, 0, 0));
    EXPECT_EQ(box.Image().pixel(75, 20), qRgb(255, 255, 255));

    box.setDrawMode(Surface::vbCopyPen);
    box.Line(0, 30, 100, 30, 0);
    EXPECT_EQ(box.Image().pixel(75, 30), qRgb(0, 0, 0));
}

Picture twoColourPicture()
{
    // 20 x 10 pixels: left half red, right half blue.
    QImage img(20, 10, QImage::Format_RGB32);
    img.fill(Qt::red);
    QPainter(&img).fillRect(10, 0, 10, 10, Qt::blue);
    return Picture(img);
}

TEST(PictureBoxSurface, PaintPictureStretchesIntoTheBox)
{
    PictureBoxSurface box(QSize(300, 300), 300);
    box.setScaleMode(Surface::vbInches);
    box.PaintPicture(twoColourPicture(), 0.1, 0.2, 0.8, 0.6);
    const QImage& img = box.Image();
    expectNear(inkBounds(img), 30, 60, 269, 239);
    EXPECT_EQ(img.pixel(60, 150), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(240, 150), qRgb(0, 0, 255));
}

TEST(PictureBoxSurface, PaintPictureMirrorsANegativeWidthAndUsesNaturalSize)
{
    PictureBoxSurface box(QSize(200, 100), 96);
    box.setScaleMode(Surface::vbPixels);
    box.PaintPicture(twoColourPicture(), 100, 10, -80, 40); // covers x 20..100, mirrored
    const QImage& img = box.Image();
    EXPECT_EQ(img.pixel(30, 30), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(90, 30), qRgb(255, 0, 0));

    PictureBoxSurface natural(QSize(100, 100), 96);
    natural.setScaleMode(Surface::vbPixels);
    natural.PaintPicture(twoColourPicture(), 5, 5); // 20 x 10 pixels at 96 dpi
    expectNear(inkBounds(natural.Image()), 5, 5, 24, 14);
}

TEST(PictureBoxSurface, PaintPictureRefusesAnEmptyPicture)
{
    PictureBoxSurface box(QSize(10, 10));
    EXPECT_EQ(test::errorNumberOf([&] { box.PaintPicture(Picture(), 0, 0, 10, 10); }), 481);
}

TEST(PictureBoxSurface, PrintWritesSuccessiveLines)
{
    PictureBoxSurface box(QSize(600, 400), 300);
    box.setScaleMode(Surface::vbInches);
    ASSERT_TRUE(box.setFontName("Arial"));
    box.setFontSize(10);
    const double lineHeight = box.TextHeight("Xg");
    // 10 point text: a line between 10 and 13 points (about 1.15 em).
    EXPECT_GT(lineHeight, 10.0 / 72);
    EXPECT_LT(lineHeight, 13.0 / 72);
    EXPECT_NEAR(box.TextHeight("a\nb"), 2 * lineHeight, 1e-9);

    box.setCurrentX(0.5);
    box.setCurrentY(0.1);
    box.Print("First");
    EXPECT_EQ(box.CurrentX(), 0.0);
    EXPECT_NEAR(box.CurrentY(), 0.1 + lineHeight, 1e-9);
    box.Print("Second");
    EXPECT_NEAR(box.CurrentY(), 0.1 + 2 * lineHeight, 1e-9);
    box.Print("Third\r\nFourth");
    EXPECT_NEAR(box.CurrentY(), 0.1 + 4 * lineHeight, 1e-9);

    const QImage& img = box.Image();
    const int lh = int(lineHeight * 300);
    // "First" starts at x 150; the next lines start at the left margin.
    const QRect first = inkBounds(img.copy(0, 30, 600, lh));
    EXPECT_GE(first.left(), 150);
    EXPECT_LE(first.left(), 160);
    const QRect second = inkBounds(img.copy(0, 30 + lh + 1, 600, lh - 2));
    EXPECT_LT(second.left(), 10);
    EXPECT_TRUE(inkBounds(img.copy(0, 30 + 3 * lh + 1, 600, lh - 2)).isValid()) << "fourth line missing";
    EXPECT_FALSE(inkBounds(img.copy(0, 30 + 4 * lh + 2, 600, 400 - 30 - 4 * lh - 2)).isValid());
}

TEST(PictureBoxSurface, TextWidthMatchesTheInkAndScalesWithSize)
{
    PictureBoxSurface box(QSize(1200, 200), 300);
    box.setScaleMode(Surface::vbPixels);
    box.setFontSize(12);
    const double w12 = box.TextWidth("HHHHHHHHHH");
    box.setFontSize(24);
    const double w24 = box.TextWidth("HHHHHHHHHH");
    EXPECT_NEAR(w24, 2 * w12, 2);
    EXPECT_NEAR(box.TextWidth("ab\nlonger line"), box.TextWidth("longer line"), 1e-9);
    EXPECT_EQ(box.TextWidth(""), 0);
    box.setCurrentX(0);
    box.setCurrentY(0);
    box.Print("HHHHHHHHHH");
    const QRect ink = inkBounds(box.Image());
    // The ink of the H's lies within the advance (side bearings aside).
    EXPECT_GT(ink.width(), w24 * 0.85);
    EXPECT_LE(ink.right(), w24);
}

TEST(PictureBoxSurface, OpaqueTextPaintsTheBackColor)
{
    PictureBoxSurface box(QSize(400, 100), 96);
    box.setBackColor(White);
    box.setScaleMode(Surface::vbPixels);
    box.Line(0, 0, 400, 100, Red, Surface::LineKind::FilledBox);
    box.setCurrentX(10);
    box.setCurrentY(10);
    box.setFontTransparent(false);
    box.Print("Opaque");
    EXPECT_GT(countColor(box.Image(), qRgb(255, 255, 255), QRect(10, 10, 100, 15)), 50);

    box.setCurrentX(10);
    box.setCurrentY(50);
    box.setFontTransparent(false);
    box.SetBkModeTransparent();
    EXPECT_TRUE(box.FontTransparent());
    box.Print("Clear");
    EXPECT_EQ(countColor(box.Image(), qRgb(255, 255, 255), QRect(10, 50, 100, 15)), 0);
}

TEST(PictureBoxSurface, FontNameRefusesUnknownFamiliesAndAcceptsAliases)
{
    PictureBoxSurface box(QSize(10, 10));
    EXPECT_TRUE(box.setFontName("Arial"));
    EXPECT_EQ(box.FontName(), "Arial");
    EXPECT_TRUE(box.setFontName("Liberation Serif"));
    EXPECT_TRUE(box.setFontName("dejavu sans"));
    EXPECT_FALSE(box.setFontName("NoSuchFont"));
    EXPECT_FALSE(box.setFontName(""));
    EXPECT_EQ(box.FontName(), "dejavu sans"); // unchanged after a refusal
    EXPECT_TRUE(Surface::fontInstalled("Times New Roman"));
    EXPECT_FALSE(Surface::fontInstalled("Definitely Not Installed 123"));
}

TEST(PictureBoxSurface, FontStyleReachesTheFont)
{
    PictureBoxSurface box(QSize(10, 10));
    box.setFontName("Arial");
    box.setFontSize(9);
    box.setFontBold(true);
    box.setFontItalic(true);
    box.setFontUnderline(true);
    box.setFontStrikethru(true);
    const QFont f = box.Font();
    EXPECT_EQ(f.pointSizeF(), 9.0);
    EXPECT_TRUE(f.bold());
    EXPECT_TRUE(f.italic());
    EXPECT_TRUE(f.underline());
    EXPECT_TRUE(f.strikeOut());
    // Bold text is wider than regular text in a family with a bold face.
    const double bold = box.TextWidth("Wide Words");
    box.setFontBold(false);
    EXPECT_GT(bold, box.TextWidth("Wide Words"));
}

TEST(PictureBoxSurface, ClsAndNewBackColorClearTheDrawing)
{
    PictureBoxSurface box(QSize(50, 50), 96);
    box.setScaleMode(Surface::vbPixels);
    box.Line(0, 0, 50, 50, 0, Surface::LineKind::FilledBox);
    box.setCurrentX(20);
    box.Cls();
    EXPECT_FALSE(inkBounds(box.Image()).isValid());
    EXPECT_EQ(box.CurrentX(), 0);
    box.Line(0, 0, 50, 50, 0, Surface::LineKind::FilledBox);
    box.setBackColor(Blue);
    EXPECT_EQ(countColor(box.Image(), qRgb(0, 0, 255)), 50 * 50);
    EXPECT_EQ(box.picture().image().pixel(0, 0), qRgb(0, 0, 255));
}

TEST(PictureBoxSurface, RefusesImpossibleSizes)
{
    EXPECT_EQ(test::errorNumberOf([] { PictureBoxSurface(QSize(0, 10)); }), 380);
    EXPECT_EQ(test::errorNumberOf([] { PictureBoxSurface(QSize(10, 10), 0); }), 380);
    EXPECT_EQ(test::errorNumberOf([] { PictureBoxSurface(QSize(30000, 30000)); }), 7);
    EXPECT_EQ(test::errorNumberOf([] { PictureBoxSurface(QSize(100000, 10)); }), 7);
}

} // namespace
