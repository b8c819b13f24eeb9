// Scale modes, positions and the validation of settings, on the shared state
// every surface keeps.
#include <gtest/gtest.h>

#include "errors/CError.h"
#include "platform/surface/PictureBoxSurface.h"
#include "platform/surface/TraceSurface.h"

using namespace kyt;

namespace
{

struct ScaleRow {
    int mode;
    double width; // of a 960 x 480 pixel box at 96 dpi (10 x 5 inches)
    double height;
};

class ScaleModeTest : public ::testing::TestWithParam<ScaleRow>
{
};

TEST_P(ScaleModeTest, SizeAndPositionInEachUnit)
{
    const ScaleRow row = GetParam();
    PictureBoxSurface box(QSize(960, 480), 96);
    box.setScaleMode(row.mode);
    EXPECT_EQ(box.ScaleMode(), row.mode);
    EXPECT_NEAR(box.ScaleWidth(), row.width, 1e-9);
    EXPECT_NEAR(box.ScaleHeight(), row.height, 1e-9);

    // One inch right and half an inch down, given in this unit, is the same
    // place in inches.
    box.setCurrentX(row.width / 10);
    box.setCurrentY(row.height / 10);
    box.setScaleMode(Surface::vbInches);
    EXPECT_NEAR(box.CurrentX(), 1.0, 1e-9);
    EXPECT_NEAR(box.CurrentY(), 0.5, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Units, ScaleModeTest,
    ::testing::Values(ScaleRow { 1, 14400, 7200 }, ScaleRow { 2, 720, 360 }, ScaleRow { 3, 960, 480 },
        ScaleRow { 4, 120, 30 }, ScaleRow { 5, 10, 5 }, ScaleRow { 6, 254, 127 }, ScaleRow { 7, 25.4, 12.7 }));

TEST(SurfaceScale, PixelsFollowTheResolution)
{
    PictureBoxSurface screen(QSize(10, 10), 96);
    PictureBoxSurface card(QSize(10, 10), 300);
    EXPECT_DOUBLE_EQ(screen.TwipsPerPixelX(), 15.0);
    EXPECT_DOUBLE_EQ(screen.TwipsPerPixelY(), 15.0);
    EXPECT_DOUBLE_EQ(card.TwipsPerPixelX(), 4.8);

    card.setScaleMode(Surface::vbInches);
    card.setCurrentX(1.0);
    card.setScaleMode(Surface::vbPixels);
    EXPECT_NEAR(card.CurrentX(), 300.0, 1e-9);
    card.setScaleMode(Surface::vbTwips);
    EXPECT_NEAR(card.CurrentX(), 1440.0, 1e-9);
}

TEST(SurfaceScale, StartsInTwipsWithClassicDefaults)
{
    PictureBoxSurface box(QSize(100, 100));
    EXPECT_EQ(box.ScaleMode(), Surface::vbTwips);
    EXPECT_EQ(box.DrawWidth(), 1);
    EXPECT_EQ(box.DrawMode(), Surface::vbCopyPen);
    EXPECT_EQ(box.FillStyle(), Surface::vbFSTransparent);
    EXPECT_TRUE(box.FontTransparent());
    EXPECT_EQ(box.TypeName(), "PictureBox");
}

TEST(SurfaceScale, LineLeavesThePositionAtItsEnd)
{
    PictureBoxSurface box(QSize(200, 200), 96);
    box.setScaleMode(Surface::vbInches);
    box.Line(0.25, 0.5, 1.5, 1.75);
    EXPECT_NEAR(box.CurrentX(), 1.5, 1e-9);
    EXPECT_NEAR(box.CurrentY(), 1.75, 1e-9);
    box.Line(0, 0, 0.5, 0.25, 0xFF, Surface::LineKind::FilledBox);
    EXPECT_NEAR(box.CurrentX(), 0.5, 1e-9);
    EXPECT_NEAR(box.CurrentY(), 0.25, 1e-9);
}

struct BadSetting {
    const char* name;
    std::function<void(Surface&)> set;
};

class InvalidSettingTest : public ::testing::TestWithParam<BadSetting>
{
};

TEST_P(InvalidSettingTest, IsRefusedWithError380AndLeavesTheState)
{
    TraceSurface s(QStringLiteral("PictureBox"));
    const int mode = s.ScaleMode();
    const double size = s.FontSize();
    const int width = s.DrawWidth();
    try {
        GetParam().set(s);
        FAIL() << GetParam().name << " was accepted";
    } catch (const KytError& e) {
        EXPECT_EQ(e.number(), 380);
        EXPECT_TRUE(e.description().startsWith("Invalid property value")) << e.description().toStdString();
    }
    EXPECT_EQ(s.ScaleMode(), mode);
    EXPECT_EQ(s.FontSize(), size);
    EXPECT_EQ(s.DrawWidth(), width);
}

INSTANTIATE_TEST_SUITE_P(Rows, InvalidSettingTest,
    ::testing::Values(BadSetting { "ScaleMode 0", [](Surface& s) { s.setScaleMode(0); } },
        BadSetting { "ScaleMode 8", [](Surface& s) { s.setScaleMode(8); } },
        BadSetting { "DrawWidth 0", [](Surface& s) { s.setDrawWidth(0); } },
        BadSetting { "DrawWidth 40000", [](Surface& s) { s.setDrawWidth(40000); } },
        BadSetting { "DrawMode 17", [](Surface& s) { s.setDrawMode(17); } },
        BadSetting { "DrawStyle 7", [](Surface& s) { s.setDrawStyle(7); } },
        BadSetting { "FillStyle 8", [](Surface& s) { s.setFillStyle(8); } },
        BadSetting { "FontSize -1", [](Surface& s) { s.setFontSize(-1); } },
        BadSetting { "FontSize NaN", [](Surface& s) { s.setFontSize(std::nan("")); } },
        BadSetting { "FontSize 5000", [](Surface& s) { s.setFontSize(5000); } },
        BadSetting { "Orientation 3", [](Surface& s) { s.setOrientation(3); } },
        BadSetting { "Duplex 0", [](Surface& s) { s.setDuplex(0); } },
        BadSetting { "Duplex 4", [](Surface& s) { s.setDuplex(4); } },
        BadSetting { "PrintQuality -5", [](Surface& s) { s.setPrintQuality(-5); } },
        BadSetting { "CurrentX inf", [](Surface& s) { s.setCurrentX(INFINITY); } },
        BadSetting { "Line NaN", [](Surface& s) { s.Line(0, 0, std::nan(""), 1); } }),
    [](const auto& info) {
        std::string n = info.param.name;
        for (char& c : n)
            if (!isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return n;
    });

TEST(SurfaceScale, FontSizeZeroIsTheSmallestSize)
{
    TraceSurface s(QStringLiteral("Printer"));
    s.setFontSize(0);
    EXPECT_EQ(s.FontSize(), 1.0);
    s.setFontSize(13.5);
    EXPECT_EQ(s.FontSize(), 13.5);
}

TEST(SurfaceScale, FarAwayCoordinatesAreHarmless)
{
    PictureBoxSurface box(QSize(50, 50), 96);
    box.setScaleMode(Surface::vbInches);
    box.Line(-1e12, -1e12, 1e12, 1e12, 0x0000FF, Surface::LineKind::FilledBox);
    // The whole box is covered; nothing overflowed into garbage.
    const QImage& img = box.Image();
    EXPECT_EQ(img.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(img.pixelColor(49, 49), QColor(255, 0, 0));
}

} // namespace
