// What the design surface shows is what the card prints: the surface, with
// the grid and the selection outline hidden, against the card rendered by
// the library at the same scale.
#include "EditingFixture.h"

#include "platform/surface/PictureBoxSurface.h"
#include <QImage>

using namespace kyt;
using namespace kyt::test;

namespace
{

struct Differences {
    qint64 pixels = 0; // pixels whose colour differs at all
    qint64 clear = 0; // of which by more than compositing rounding
    qint64 compared = 0;
};

// The card's edge is left out: the render outlines the card in black, the
// designer shows the card's edge by the rulers' gap instead.
Differences compare(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    Differences d;
    for (int j = 1; j + 1 < x.height(); ++j)
        for (int i = 1; i + 1 < x.width(); ++i) {
            ++d.compared;
            const QRgb p = x.pixel(i, j), q = y.pixel(i, j);
            const int most = std::max(
                { std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q)) });
            d.pixels += most > 0;
            d.clear += most > 2;
        }
    return d;
}

struct Zoom {
    double zoom;
    QSize pixels;
};

class SurfaceMatches : public Editing, public ::testing::WithParamInterface<Zoom>
{
};

} // namespace

TEST_P(SurfaceMatches, RenderPixelForPixel)
{
    tpl->setBackgroundColor(0xF0FFF0);
    window().setZoom(GetParam().zoom);
    DesignControl* band = place("Rectangle", 0.0625, 0.0625, 3.25, 0.5);
    band->setBackColor(0x804000);
    DesignControl* logo = place("Logo", 0.125, 0.75, 1, 0.5);
    logo->setPicture(solidPicture(40, 20, qRgb(10, 200, 30)));
    logo->setBorderStyle(1);
    DesignControl* text = place("Text", 1.25, 0.75, 2, 0.5);
    text->setCaption(QStringLiteral("VISITOR"));
    text->setFontSize(18);
    text->setFontBold(true);
    text->setForeColor(0x0000C0);
    text->setBackColor(0xC0FFFF);
    text->setAlignment(2);
    text->setBorderStyle(1);
    // Over the band, transparent and fitted to its box.
    DesignControl* fitted = place("Text", 0.2, 0.1, 1.5, 0.3);
    fitted->setCaption(QStringLiteral("A long company name"));
    fitted->setBackStyle(0);
    fitted->setForeColor(0xFFFFFF);
    QString tag = fitted->Tag();
    SetTagValue(tag, QStringLiteral("FTF"), QStringLiteral(";"), QStringLiteral("True"));
    fitted->setTag(tag);
    DesignControl* code = place("Text", 1.8, 1.35, 1.4, 0.5);
    code->setCaption(QStringLiteral("12345678"));
    tag = code->Tag();
    SetTagValue(tag, QStringLiteral("BC"), QStringLiteral(";"), QStringLiteral("True"));
    SetTagValue(tag, QStringLiteral("BCType"), QStringLiteral(";"), QStringLiteral("128C"));
    code->setTag(tag);
    DesignControl* field = place("Data", 0.125, 1.4, 1.5, 0.25);
    tag = field->Tag();
    SetTagValue(tag, QStringLiteral("Key"), QStringLiteral(";"), QStringLiteral("LastName"));
    field->setTag(tag);
    field->setCaption(QStringLiteral("LastName"));
    field->setAlignment(1);
    place("Line", 0.125, 1.9, 3.0, 0.01);
    click(text);
    // Hidden as for a screenshot of the card alone.
    d.surface().setShowGrid(false);
    outline().Unselect();

    const QImage shown = d.surface().grab().toImage();
    ASSERT_EQ(shown.size(), GetParam().pixels);
    ASSERT_TRUE(tpl->ControlstoAttributes(window()));
    PictureBoxSurface card(shown.size(), DesignSurface::BasePixelsPerInch * GetParam().zoom);
    ASSERT_TRUE(tpl->Render(card));
    const QImage printed = card.Image();

    // Each object is drawn on a transparent picture of its own and laid on
    // what lies beneath, so a smoothed glyph edge over a colour may round
    // by a level or two. And what an object draws beyond its box (here the
    // last glyph of the fitted text, a pixel past its box) the surface
    // shows beneath the controls, so over a lower object (the band) that
    // object's control hides it. Together under 0.1 % of the pixels.
    const Differences diff = compare(shown, printed);
    EXPECT_LE(diff.pixels, diff.compared / 1000) << diff.clear << " of them clearly";
    // The comparison can tell: the band moved down is seen.
    band->settop(1.0f);
    EXPECT_GT(compare(d.surface().grab().toImage(), printed).clear, diff.compared / 50);
}

INSTANTIATE_TEST_SUITE_P(Zooms, SurfaceMatches,
    ::testing::Values(Zoom { 1.0, QSize(324, 204) }, Zoom { 1.5, QSize(486, 306) }, Zoom { 2.0, QSize(648, 408) }));

// A damaged file can hold a box far larger than the card. Only what lies on
// the card is drawn, so opening it neither hangs nor needs gigabytes.
TEST_F(Editing, OversizedBoxIsDrawnOnlyWhereTheCardIs)
{
    DesignControl* logo = place("Logo", 0.125, 0.25, 1, 0.5);
    logo->setPicture(solidPicture(40, 20, qRgb(10, 200, 30)));
    logo->setHeight(400.0f); // about 38,000 pixels at this zoom
    const QImage shown = d.surface().grab().toImage();
    EXPECT_LE(logo->look().height(), d.surface().height() + 2 * logo->lookMargin());
    EXPECT_LE(logo->look().width(), d.surface().width());
    // and the part on the card is still the picture
    EXPECT_EQ(shown.pixel(d.px(0.5, 1.5)), qRgb(10, 200, 30));
}
