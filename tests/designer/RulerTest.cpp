// The designer's rulers: tick spacing and label thinning by zoom, the back
// side restarting at the divider, and rulers that stay in view when the
// surface is scrolled or fitted.
#include <gtest/gtest.h>

#include "designer/DesignCanvas.h"
#include "designer/DesignerTestSupport.h"
#include "designer/RulerScale.h"
#include <QAction>
#include <QScrollArea>
#include <QScrollBar>
#include <cmath>

using namespace kyt;
using namespace kyt::test;

namespace
{

struct Labelled {
    double at;
    const char* label;
};

struct TickRow {
    const char* name;
    ruler::Scale scale;
    double from, to;
    int count; // all ticks, labelled or not
    std::vector<Labelled> labelled;
};

} // namespace

TEST(Ruler, TicksAndLabelsOfAVisibleStretch)
{
    const TickRow rows[] = {
        { "one side, 100 %, all of it", { 3.375, 3.375, 96, 20 }, 0, 3.375, 14,
            { { 0, "0.00" }, { 0.25, "0.25" }, { 0.5, "0.50" }, { 0.75, "0.75" }, { 1, "1.00" }, { 1.25, "1.25" },
                { 1.5, "1.50" }, { 1.75, "1.75" }, { 2, "2.00" }, { 2.25, "2.25" }, { 2.5, "2.50" }, { 2.75, "2.75" },
                { 3, "3.00" }, { 3.25, "3.25" } } },
        { "400 %, scrolled to 1 inch", { 3.375, 3.375, 384, 30 }, 1, 1.8, 4,
            { { 1, "1.00" }, { 1.25, "1.25" }, { 1.5, "1.50" }, { 1.75, "1.75" } } },
        { "stretch before the edge is clipped", { 3, 3, 96, 20 }, -1, 0.3, 2, { { 0, "0.00" }, { 0.25, "0.25" } } },
        { "two-sided, height 2: back starts at the divider", { 4, 2, 96, 14 }, 1.5, 2.6, 5,
            { { 1.5, "1.50" }, { 1.75, "1.75" }, { 2, "0.00" }, { 2.25, "0.25" }, { 2.5, "0.50" } } },
        { "two-sided, height 2: the back's end", { 4, 2, 96, 14 }, 3.7, 4, 2, { { 3.75, "1.75" }, { 4, "2.00" } } },
        // The front's 2.00 sits 12 pixels above the back's 0.00: a tick
        // without a label.
        { "two-sided, height 2.125: back restarts off the front's rhythm", { 4.25, 2.125, 96, 14 }, 1.7, 2.7, 5,
            { { 1.75, "1.75" }, { 2.125, "0.00" }, { 2.375, "0.25" }, { 2.625, "0.50" } } },
        { "25 %: quarter-inch ticks, a label every 2 inches", { 3, 3, 24, 30 }, 0, 3, 13,
            { { 0, "0.00" }, { 2, "2.00" } } },
        { "40 inch card at 5 %: inch ticks, a label every 8", { 40, 40, 4.8, 36 }, 0, 40, 41,
            { { 0, "0.00" }, { 8, "8.00" }, { 16, "16.00" }, { 24, "24.00" }, { 32, "32.00" }, { 40, "40.00" } } },
        { "two-sided 30 inch at 5 %: back labels count from its divider", { 60, 30, 4.8, 14 }, 24, 40, 17,
            { { 24, "24.00" }, { 30, "0.00" }, { 34, "4.00" }, { 38, "8.00" } } },
        { "a side too short for a tick is not restarted", { 0.04, 0.02, 96, 14 }, 0, 0.04, 1, { { 0, "0.00" } } },
        { "no zoom", { 3, 3, 0, 30 }, 0, 3, 0, {} },
        { "no length", { 0, 0, 96, 30 }, 0, 3, 0, {} },
        { "not a number", { NAN, 3, 96, 30 }, 0, 3, 0, {} },
        { "empty stretch", { 3, 3, 96, 30 }, 2, 1, 0, {} },
        { "stretch past the end", { 3, 3, 96, 30 }, 5, 9, 0, {} },
    };
    for (const TickRow& row : rows) {
        SCOPED_TRACE(row.name);
        const auto ticks = ruler::ticks(row.scale, row.from, row.to);
        EXPECT_EQ(int(ticks.size()), row.count);
        std::vector<std::pair<double, QString>> labels;
        for (size_t i = 0; i < ticks.size(); ++i) {
            const ruler::Tick& t = ticks[i];
            EXPECT_EQ(t.labelled, !t.label.isEmpty());
            if (t.labelled)
                labels.emplace_back(t.at, t.label);
            if (i > 0) {
                EXPECT_GE((t.at - ticks[i - 1].at) * row.scale.pixelsPerInch, ruler::MinTickPixels);
            }
        }
        ASSERT_EQ(labels.size(), row.labelled.size());
        for (size_t i = 0; i < labels.size(); ++i) {
            EXPECT_DOUBLE_EQ(labels[i].first, row.labelled[i].at) << i;
            EXPECT_EQ(labels[i].second, QLatin1String(row.labelled[i].label)) << i;
        }
    }
}

TEST(Ruler, StepsGrowByTwoUntilTicksAndLabelsHaveRoom)
{
    struct Row {
        double ppi, labelPixels, step;
        int every;
    } rows[] = {
        { 384, 30, 0.25, 1 }, // 400 %
        { 96, 30, 0.25, 2 }, // 100 %, a wide label
        { 96, 14, 0.25, 1 }, // 100 %, a label one line high
        { 24, 30, 0.25, 8 }, // 25 %
        { 16, 30, 0.25, 8 }, // ticks 4 pixels apart still fit
        { 9.6, 36, 0.5, 8 }, // 10 %
        { 1.92, 36, 4, 8 }, // 2 %
        { 0, 30, 0, 1 },
        { -5, 30, 0, 1 },
        { INFINITY, 30, 0, 1 },
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.ppi);
        EXPECT_DOUBLE_EQ(ruler::tickStep(r.ppi), r.step);
        EXPECT_EQ(ruler::labelEvery(ruler::tickStep(r.ppi), r.ppi, r.labelPixels), r.every);
    }
    // The surface's grid thins the same way from its eighth of an inch.
    struct GridRow {
        double base, ppi, step;
    } grid[] = { { 0.125, 96, 0.125 }, { 0.125, 32, 0.125 }, { 0.125, 24, 0.25 }, { 0.125, 4.8, 1 }, { 0, 96, 0 },
        { -1, 96, 0 }, { 0.125, 0, 0 } };
    for (const GridRow& g : grid) {
        SCOPED_TRACE(g.ppi);
        EXPECT_DOUBLE_EQ(ruler::spacing(g.base, g.ppi), g.step);
    }
}

TEST(Ruler, StaysAtTheVisibleEdgesWhenScrolledAt400Percent)
{
    Designer d;
    d.showBlank(6, 4);
    d.window.setZoom(4.0);
    auto* canvas = d.window.findChild<DesignCanvas*>();
    QScrollArea* scroll = d.window.scrollArea();
    ASSERT_NE(canvas, nullptr);
    const double ppi = d.surface().pixelsPerInch();
    struct Row {
        double across, down; // inches scrolled to
        const char* top;
        const char* left;
    } rows[] = { { 0, 0, "0.00", "0.00" }, { 1, 0.5, "1.00", "0.50" }, { 2.25, 1.75, "2.25", "1.75" } };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.top);
        scroll->horizontalScrollBar()->setValue(int(std::lround(r.across * ppi)));
        scroll->verticalScrollBar()->setValue(int(std::lround(r.down * ppi)));
        QCoreApplication::processEvents();
        ASSERT_EQ(scroll->horizontalScrollBar()->value(), int(std::lround(r.across * ppi)));
        ASSERT_EQ(scroll->verticalScrollBar()->value(), int(std::lround(r.down * ppi)));
        QWidget* viewport = scroll->viewport();
        for (QWidget* bar : { canvas->topRuler(), canvas->leftRuler() }) {
            EXPECT_TRUE(bar->isVisible());
            EXPECT_TRUE(viewport->rect().intersects(QRect(bar->mapTo(viewport, QPoint(0, 0)), bar->size())));
        }
        EXPECT_EQ(canvas->topRuler()->mapTo(viewport, QPoint(0, 0)).y(), 0);
        EXPECT_EQ(canvas->leftRuler()->mapTo(viewport, QPoint(0, 0)).x(), 0);
        ASSERT_FALSE(canvas->topRulerLabels().isEmpty());
        ASSERT_FALSE(canvas->leftRulerLabels().isEmpty());
        EXPECT_EQ(canvas->topRulerLabels().first(), QLatin1String(r.top));
        EXPECT_EQ(canvas->leftRulerLabels().first(), QLatin1String(r.left));
        // What the viewport shows: the ruler's ticks just below its top edge.
        const QImage shown = viewport->grab().toImage();
        EXPECT_EQ(QColor(shown.pixel(
                      canvas->leftRuler()->width() + DesignCanvas::SurfaceGap, canvas->topRuler()->height() - 2)),
            QColor(Qt::black));
    }
}

TEST(Ruler, FitShowsALargeCardWhole)
{
    struct Row {
        double w, h;
        bool duplex;
    } rows[] = { { 40, 30, false }, { 60, 60, true }, { 3.375, 2.125, false } };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.w);
        Designer d;
        d.showBlank(r.w, r.h, r.duplex);
        d.window.findChild<QAction*>(QStringLiteral("mnuViewZoomFit"))->trigger();
        QCoreApplication::processEvents();
        auto* canvas = d.window.findChild<DesignCanvas*>();
        const QSize room = d.window.scrollArea()->viewport()->size();
        EXPECT_LE(canvas->width(), room.width());
        EXPECT_LE(canvas->height(), room.height());
        // Fitted, not just shrunk: one side fills its room.
        EXPECT_TRUE(canvas->width() + 40 >= room.width() || canvas->height() + 40 >= room.height())
            << canvas->width() << "x" << canvas->height() << " in " << room.width() << "x" << room.height();
        EXPECT_GT(d.surface().width(), 0);
        EXPECT_EQ(canvas->topRulerLabels().first(), QLatin1String("0.00"));
        EXPECT_EQ(canvas->leftRulerLabels().first(), QLatin1String("0.00"));
    }
}

TEST(Ruler, BackOfATwoSidedCardCountsFromTheDivider)
{
    Designer d;
    d.showBlank(3.375, 2.125, true);
    auto* canvas = d.window.findChild<DesignCanvas*>();
    const QStringList left = canvas->leftRulerLabels();
    const qsizetype back = left.lastIndexOf(QStringLiteral("0.00"));
    ASSERT_GT(back, 0);
    EXPECT_EQ(left.first(), QStringLiteral("0.00"));
    EXPECT_EQ(left.mid(back), QStringList({ "0.00", "0.25", "0.50", "0.75", "1.00", "1.25", "1.50", "1.75", "2.00" }));
    // The front's 2.00 keeps its label only where it clears the back's 0.00.
    const QString frontLast = left.at(back - 1);
    EXPECT_TRUE(frontLast == QStringLiteral("1.75") || frontLast == QStringLiteral("2.00")) << frontLast.toStdString();
}
