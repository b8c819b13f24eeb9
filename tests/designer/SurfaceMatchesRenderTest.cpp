// What the design surface shows is what the card prints: a screenshot of
// the surface against the card rendered by the library at the same scale,
// leaving out the grid lines and the selection outline.
#include "EditingFixture.h"

#include "platform/surface/PictureBoxSurface.h"
#include <QImage>

using namespace kyt;
using namespace kyt::test;

namespace
{

// Share of the compared pixels whose colours differ clearly (anti-aliased
// glyph edges differ a little between the two painters). Pixels for which
// skip is true are left out.
double differingShare(const QImage& a, const QImage& b, const std::function<bool(int, int)>& skip)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 differing = 0, compared = 0;
    for (int j = 0; j < x.height(); ++j)
        for (int i = 0; i < x.width(); ++i) {
            if (skip(i, j))
                continue;
            ++compared;
            const QRgb p = x.pixel(i, j), q = y.pixel(i, j);
            const int d = std::max(
                { std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q)) });
            if (d > 64)
                ++differing;
        }
    return compared ? double(differing) / double(compared) : 1.0;
}

} // namespace

TEST_F(Editing, SurfaceShowsWhatTheCardPrints)
{
    tpl->setBackgroundColor(0xFFFFFF);
    window().setZoom(1.0);
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
    text->setBackStyle(1);
    text->setBackColor(0xC0FFFF);
    QString tag = text->Tag();
    SetTagValue(tag, QStringLiteral("FTF"), QStringLiteral(";"), QStringLiteral("False")); // the size as set
    text->setTag(tag);
    DesignControl* box = place("Rectangle", 1.5, 1.5, 1.5, 0.375);
    box->setBackColor(0x00A0FF);
    box->setBorderStyle(1);
    click(text);
    ASSERT_TRUE(d.surface().showGrid());

    const QImage shown = d.surface().grab().toImage();
    ASSERT_EQ(shown.size(), QSize(324, 204));
    ASSERT_TRUE(tpl->ControlstoAttributes(window()));
    PictureBoxSurface card(shown.size(), 96);
    ASSERT_TRUE(tpl->Render(card));
    const QImage printed = card.Image();

    // Grid lines every 1/8 inch (12 pixels), the outline and its handles
    // around the selected text, and the card's edge.
    const QRect selection = text->geometry().adjusted(-5, -5, 5, 5);
    const QRect inner = text->geometry().adjusted(4, 4, -4, -4);
    const auto skip = [&](int i, int j) {
        const bool grid = i % 12 == 0 || j % 12 == 0;
        const bool outline = selection.contains(i, j) && !inner.contains(i, j);
        const bool edge = i == 0 || j == 0 || i == shown.width() - 1 || j == shown.height() - 1;
        return grid || outline || edge;
    };
    EXPECT_LT(differingShare(shown, printed, skip), 0.01);
    // The comparison can tell: the band moved down is seen.
    band->settop(1.0f);
    EXPECT_GT(differingShare(d.surface().grab().toImage(), printed, skip), 0.05);
}
