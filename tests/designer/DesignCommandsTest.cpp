// Undo stack mechanics over a surface held in memory: one entry per edit,
// undo and redo restore the captures, nested edits join, arrow moves merge,
// and the clean state clears the template's unsaved-changes flag.
#include <gtest/gtest.h>

#include "designer/DesignCommands.h"
#include "template/CPrintTemplate.h"
#include <QUndoStack>

using namespace kyt;

namespace
{

struct MemoryHost : IDesignHistoryHost {
    DesignSnapshot current;
    int restores = 0;
    DesignSnapshot captureDesign() const override { return current; }
    void restoreDesign(const DesignSnapshot& s) override
    {
        current = s;
        ++restores;
    }
    void setLeft(int i, double left) { current.controls[i].properties[QStringLiteral("left")] = left; }
    double left(int i) const { return current.controls[i].properties.value(QStringLiteral("left")).toDouble(); }
};

struct Commands : ::testing::Test {
    MemoryHost host;
    QUndoStack stack;
    CPrintTemplate tpl;
    void SetUp() override
    {
        host.current.controls = { ControlSnapshot { QStringLiteral("Text"), 0, { { QStringLiteral("left"), 0.0 } } },
            ControlSnapshot { QStringLiteral("Logo"), 0, { { QStringLiteral("left"), 1.0 } } } };
        connectChangedFlag(stack, [this] { return &tpl; });
    }
    void edit(const char* name, int control, double left, int mergeId = -1)
    {
        DesignEdit e(&stack, host, QString::fromLatin1(name), mergeId, QString::number(control));
        host.setLeft(control, left);
    }
};

} // namespace

TEST_F(Commands, EachEditIsOneStepThatUndoesAndRedoes)
{
    edit("Move", 0, 0.5);
    edit("Move", 1, 2.0);
    ASSERT_EQ(stack.count(), 2);
    EXPECT_EQ(stack.undoText(), QStringLiteral("Move"));
    EXPECT_EQ(host.restores, 0); // pushing does not replay
    EXPECT_TRUE(tpl.Dirty());
    stack.undo();
    EXPECT_EQ(host.left(1), 1.0);
    EXPECT_EQ(host.left(0), 0.5);
    stack.undo();
    EXPECT_EQ(host.left(0), 0.0);
    EXPECT_FALSE(tpl.Dirty()); // back at the clean state
    stack.redo();
    stack.redo();
    EXPECT_EQ(host.left(0), 0.5);
    EXPECT_EQ(host.left(1), 2.0);
    EXPECT_TRUE(tpl.Dirty());
}

TEST_F(Commands, SavedStateIsTheCleanOne)
{
    edit("Move", 0, 0.5);
    stack.setClean(); // saved here
    EXPECT_FALSE(tpl.Dirty());
    edit("Move", 0, 0.75);
    EXPECT_TRUE(tpl.Dirty());
    stack.undo();
    EXPECT_FALSE(tpl.Dirty());
    stack.undo(); // before the save: unsaved again
    EXPECT_TRUE(tpl.Dirty());
}

TEST_F(Commands, EditThatChangesNothingAddsNoStep)
{
    {
        DesignEdit e(&stack, host, QStringLiteral("Nothing"));
        host.current.selectedName = QStringLiteral("Text"); // selection alone is no change
    }
    EXPECT_EQ(stack.count(), 0);
}

TEST_F(Commands, InnerEditJoinsTheOuterOne)
{
    {
        DesignEdit outer(&stack, host, QStringLiteral("Barcode"));
        host.setLeft(0, 0.25);
        edit("Properties", 1, 3.0);
    }
    ASSERT_EQ(stack.count(), 1);
    stack.undo();
    EXPECT_EQ(host.left(0), 0.0);
    EXPECT_EQ(host.left(1), 1.0);
}

TEST_F(Commands, ArrowMovesOfOneObjectMerge)
{
    edit("Nudge", 0, 0.03125, NudgeMergeId);
    edit("Nudge", 0, 0.0625, NudgeMergeId);
    edit("Nudge", 1, 1.125, NudgeMergeId); // another object: a new step
    ASSERT_EQ(stack.count(), 2);
    stack.undo();
    stack.undo();
    EXPECT_EQ(host.left(0), 0.0);
}

TEST_F(Commands, ArrowMovesBackToTheStartLeaveNoStep)
{
    edit("Nudge", 0, 0.03125, NudgeMergeId);
    edit("Nudge", 0, 0.0, NudgeMergeId);
    EXPECT_EQ(stack.count(), 0);
    EXPECT_FALSE(tpl.Dirty());
}
