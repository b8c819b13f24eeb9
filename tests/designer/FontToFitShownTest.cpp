// A font-to-fit text shows on the surface at the size the card prints it,
// whatever size is stored: when shown, and after its box or text changes.
#include <gtest/gtest.h>

#include "designer/DesignControl.h"
#include "designer/DesignerTestSupport.h"
#include "platform/surface/PictureBoxSurface.h"
#include "util/Strings.h"
#include <QAction>
#include <QImage>

using namespace kyt;
using namespace kyt::test;

namespace
{

// Where the dark text pixels lie inside a box.
QRect inkBox(const QImage& img, const QRect& box)
{
    QRect ink;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (qGray(img.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

struct Change {
    const char* name;
    std::function<void(DesignControl&)> apply;
};

TEST(FontToFit, SurfaceShowsTheFittedSizeAsTheCardPrintsIt)
{
    const std::vector<Change> changes {
        { "as loaded", [](DesignControl&) {} },
        { "narrower box", [](DesignControl& c) { c.setWidth(1.2f); } },
        { "lower box", [](DesignControl& c) { c.setHeight(0.3f); } },
        { "longer text",
            [](DesignControl& c) {
                // A data field prints its field name while there is no data.
                QString tag = c.Tag();
                SetTagValue(tag, QStringLiteral("Key"), QStringLiteral(";"), QStringLiteral("HELLO THERE"));
                c.setTag(tag);
                c.setCaption(QStringLiteral("HELLO THERE"));
            } },
    };
    for (const char* kind : { "Text", "Data" }) {
        Designer d;
        auto t = std::make_shared<CPrintTemplate>();
        t->setError(d.error);
        t->setWidth(3.375);
        t->setHeight(2.125);
        const QChar s(1);
        QString token;
        // Stored at 8 points; fitted, the text fills most of a 0.9 inch high box.
        for (const char* f : { "0.3", "0.3", "2.8", "0.9", "1", "0", "0", "16777215", "0", "HELLO", "False", "False",
                 "False", "False", "Arial", "8", "False", "False", "0", "", "", "True" })
            token += QLatin1String(f) + s;
        t->AddObject(QLatin1String(kind))->setTokenString(token);
        d.window.ShowID(t);
        d.window.menuAction(QStringLiteral("mnuIDShowGrid"))->trigger(); // grid off
        DesignControl* c = d.window.controlArray(QLatin1String(kind))->Item(0);
        ASSERT_TRUE(c && c->Visible()) << kind;
        ASSERT_EQ(c->Caption(), QStringLiteral("HELLO")) << kind; // what a data field prints without data
        for (const Change& change : changes) {
            change.apply(*c);
            const QImage shown = d.surface().grab().toImage().convertToFormat(QImage::Format_RGB32);
            ASSERT_TRUE(t->ControlstoAttributes(d.window));
            PictureBoxSurface card(shown.size(), 96.0);
            ASSERT_TRUE(t->Render(card));
            const QImage printed = card.Image().convertToFormat(QImage::Format_RGB32);
            // The stored size stays; only what is shown is fitted.
            EXPECT_EQ(c->FontSize(), 8.0) << kind << " " << change.name;
            EXPECT_GT(c->shownFontSize(), 10.0) << kind << " " << change.name;
            const QRect area = c->geometry();
            const QRect onSurface = inkBox(shown, area), onCard = inkBox(printed, area);
            ASSERT_FALSE(onCard.isEmpty()) << kind << " " << change.name;
            // Anti-aliasing may move an edge by a pixel, no more.
            const QMargins apart(onSurface.left() - onCard.left(), onSurface.top() - onCard.top(),
                onSurface.right() - onCard.right(), onSurface.bottom() - onCard.bottom());
            for (int edge : { apart.left(), apart.top(), apart.right(), apart.bottom() })
                EXPECT_LE(std::abs(edge), 1)
                    << kind << " " << change.name << " " << onSurface.width() << "x" << onSurface.height()
                    << " against " << onCard.width() << "x" << onCard.height();
        }
    }
}

} // namespace
