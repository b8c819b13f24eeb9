// Outline arithmetic: handle placement, corner drags with the minimum size,
// drop and arrow-key limits, and text clipping.
#include <gtest/gtest.h>

#include "designer/OutlineGeometry.h"

using namespace kyt;
using namespace kyt::outline;

TEST(OutlineGeometry, HandlesAreCentredOnTheCorners)
{
    const auto h = handlePositions(InchRect { 1, 1, 2, 0.5f }, 0.1f);
    EXPECT_EQ(h[UpperLeft], (InchPoint { 0.95f, 0.95f }));
    EXPECT_EQ(h[UpperRight], (InchPoint { 2.95f, 0.95f }));
    EXPECT_EQ(h[LowerLeft], (InchPoint { 0.95f, 1.45f }));
    EXPECT_EQ(h[LowerRight], (InchPoint { 2.95f, 1.45f }));
}

struct DragRow {
    const char* name;
    int handle;
    InchPoint to;
    InchPoint used; // the point handed back
    InchRect result;
};

class OutlineDrag : public ::testing::TestWithParam<DragRow>
{
};

// The outline starts at (1, 1) with size 1 x 1.
TEST_P(OutlineDrag, MovesTheCornerWithinTheMinimumSize)
{
    const DragRow r = GetParam();
    float x = r.to.x;
    float y = r.to.y;
    EXPECT_EQ(dragCorner(InchRect { 1, 1, 1, 1 }, r.handle, x, y), r.result);
    EXPECT_EQ((InchPoint { x, y }), r.used);
}

INSTANTIATE_TEST_SUITE_P(Handles, OutlineDrag,
    ::testing::Values(
        DragRow { "UpperLeftOut", UpperLeft, { 0.5f, 0.25f }, { 0.5f, 0.25f }, { 0.5f, 0.25f, 1.5f, 1.75f } },
        DragRow { "UpperRightOut", UpperRight, { 2.5f, 0.5f }, { 2.5f, 0.5f }, { 1, 0.5f, 1.5f, 1.5f } },
        DragRow { "LowerLeftOut", LowerLeft, { 0.5f, 2.5f }, { 0.5f, 2.5f }, { 0.5f, 1, 1.5f, 1.5f } },
        DragRow { "LowerRightOut", LowerRight, { 2.5f, 3 }, { 2.5f, 3 }, { 1, 1, 1.5f, 2 } },
        DragRow {
            "LowerRightLeftOfLeftEdge", LowerRight, { 0.5f, 2.5f }, { 1.03125f, 2.5f }, { 1, 1, 0.03125f, 1.5f } },
        DragRow { "UpperLeftPastOppositeCorner", UpperLeft, { 3, 3 }, { 1.96875f, 1.96875f },
            { 1.96875f, 1.96875f, 0.03125f, 0.03125f } },
        DragRow { "UpperRightPastOppositeCorner", UpperRight, { 0, 3 }, { 1.03125f, 1.96875f },
            { 1, 1.96875f, 0.03125f, 0.03125f } },
        DragRow { "LowerLeftPastOppositeCorner", LowerLeft, { 3, 0 }, { 1.96875f, 1.03125f },
            { 1.96875f, 1, 0.03125f, 0.03125f } },
        DragRow { "LowerRightPastOppositeCorner", LowerRight, { 0, 0 }, { 1.03125f, 1.03125f },
            { 1, 1, 0.03125f, 0.03125f } },
        DragRow { "UnknownHandle", 4, { 3, 3 }, { 3, 3 }, { 1, 1, 1, 1 } }),
    [](const auto& info) { return std::string(info.param.name); });

struct DropRow {
    const char* name;
    InchRect control;
    InchPoint by;
    float surfaceHeight;
    InchPoint landed;
};

class OutlineDrop : public ::testing::TestWithParam<DropRow>
{
};

// A 3 inch wide surface; 2 inches high, or 4 for a duplex card.
TEST_P(OutlineDrop, StaysOnTheSurface)
{
    const DropRow r = GetParam();
    EXPECT_EQ(dropPosition(r.control, InchPoint { 1, 1 }, InchPoint { 1 + r.by.x, 1 + r.by.y }, 3, r.surfaceHeight),
        r.landed);
    EXPECT_EQ(nudgePosition(r.control, r.by.x, r.by.y, 3, r.surfaceHeight), r.landed);
}

INSTANTIATE_TEST_SUITE_P(Edges, OutlineDrop,
    ::testing::Values(DropRow { "Inside", { 1, 1, 0.5f, 0.5f }, { 0.25f, -0.5f }, 2, { 1.25f, 0.5f } },
        DropRow { "PastLeft", { 1, 1, 0.5f, 0.5f }, { -5, 0 }, 2, { 0, 1 } },
        DropRow { "PastRight", { 1, 1, 0.5f, 0.5f }, { 5, 0 }, 2, { 2.5f, 1 } },
        DropRow { "PastTop", { 1, 1, 0.5f, 0.5f }, { 0, -5 }, 2, { 1, 0 } },
        DropRow { "PastBottom", { 1, 1, 0.5f, 0.5f }, { 0, 5 }, 2, { 1, 1.5f } },
        DropRow { "OntoTheBackHalf", { 1, 1, 0.5f, 0.5f }, { 0, 2 }, 4, { 1, 3 } },
        DropRow { "PastTheBackHalf", { 1, 1, 0.5f, 0.5f }, { 0, 9 }, 4, { 1, 3.5f } },
        DropRow { "WiderThanTheSurfaceRight", { 0, 0, 4, 0.5f }, { 1, 0 }, 2, { -1, 0 } },
        DropRow { "WiderThanTheSurfaceLeft", { 0.5f, 0, 4, 0.5f }, { -1, 0 }, 2, { 0, 0 } },
        DropRow { "NudgeStep", { 1, 1, 0.5f, 0.5f }, { NudgeStep, -NudgeGridStep }, 2, { 1.03125f, 0.875f } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OutlineGeometry, KeyboardResizeKeepsTheMinimumSizeAndTheSurface)
{
    struct Row {
        const char* name;
        InchRect control;
        float dw, dh;
        InchRect result;
    } rows[] = {
        { "grow", { 1, 1, 0.5f, 0.5f }, NudgeStep, NudgeGridStep, { 1, 1, 0.53125f, 0.625f } },
        { "shrink", { 1, 1, 0.5f, 0.5f }, -NudgeGridStep, -NudgeStep, { 1, 1, 0.375f, 0.46875f } },
        { "stops at the minimum", { 1, 1, 0.0625f, 0.04f }, -NudgeGridStep, -NudgeStep, { 1, 1, MinSize, MinSize } },
        { "stops at the far edges", { 2.5f, 1.5f, 0.45f, 0.45f }, NudgeGridStep, NudgeGridStep,
            { 2.5f, 1.5f, 0.5f, 0.5f } },
        { "already past an edge: no growth", { 2.5f, 1.5f, 1, 1 }, NudgeStep, NudgeStep, { 2.5f, 1.5f, 1, 1 } },
        { "already past an edge: shrinks", { 2.5f, 1.5f, 1, 1 }, -NudgeGridStep, 0, { 2.5f, 1.5f, 0.875f, 1 } },
        { "smaller than the minimum stays", { 1, 1, 0.01f, 0.01f }, -NudgeStep, -NudgeStep, { 1, 1, 0.01f, 0.01f } },
    };
    for (const Row& r : rows)
        EXPECT_EQ(resizeBy(r.control, r.dw, r.dh, 3, 2), r.result) << r.name;
}

struct ClipRow {
    const char* name;
    const char* text;
    float maxWidth;
    bool border;
    const char* clipped;
};

class OutlineClip : public ::testing::TestWithParam<ClipRow>
{
};

// Every character is a tenth of an inch wide.
TEST_P(OutlineClip, KeepsTheLongestStartThatFits)
{
    const ClipRow r = GetParam();
    const auto width = [](const QString& s) { return 0.1 * s.size(); };
    EXPECT_EQ(clipText(QString::fromUtf8(r.text), r.maxWidth, r.border, width), QString::fromUtf8(r.clipped));
}

INSTANTIATE_TEST_SUITE_P(Texts, OutlineClip,
    ::testing::Values(ClipRow { "Empty", "", 1, false, "" }, ClipRow { "Fits", "abc", 0.3f, false, "abc" },
        ClipRow { "Cut", "abcdef", 0.35f, false, "abc" }, ClipRow { "BorderCutsOneMore", "abcdef", 0.3f, true, "ab" },
        ClipRow { "NothingFits", "abc", 0.05f, false, "" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OutlineClip, LongTextsAreMeasuredFewTimes)
{
    const QString text(100000, QLatin1Char('x'));
    int measured = 0;
    const auto width = [&](const QString& s) {
        ++measured;
        return 0.01 * s.size();
    };
    EXPECT_EQ(clipText(text, 12.345f, false, width).size(), 1234);
    EXPECT_LT(measured, 40);
}

TEST(OutlineClip, NeverSplitsASurrogatePair)
{
    const QString text = QStringLiteral("a") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("b");
    const auto width = [](const QString& s) { return 0.1 * s.size(); };
    EXPECT_EQ(clipText(text, 0.25f, false, width), QStringLiteral("a"));
}
