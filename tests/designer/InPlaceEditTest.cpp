// The in-place editor of static texts: opened by double click, F2 or the
// menu; closed by Enter, a click elsewhere or losing the focus; one undo
// step per edit; font-to-fit on closing.
#include "EditingFixture.h"

#include <QLineEdit>
#include <QUndoStack>

using namespace kyt;
using namespace kyt::test;

enum class Close { Enter, ClickOnObject, ClickOnCard, FocusLoss, DoubleClick };

struct CloseRow {
    const char* name;
    Close how;
};

class InPlaceEdit : public Editing, public ::testing::WithParamInterface<CloseRow>
{
};

TEST_P(InPlaceEdit, TypedTextBecomesTheCaption)
{
    DesignControl* other = place("Rectangle", 2.5, 1.5, 0.5, 0.5);
    DesignControl* text = place("Text", 0.25, 0.5, 2, 0.375);
    QLineEdit* editor = window().txtText();
    doubleClick(text);
    ASSERT_TRUE(editor->isVisible());
    EXPECT_FALSE(text->isVisible());
    EXPECT_EQ(editor->selectedText(), QStringLiteral("<Enter Text>"));
    QTest::keyClicks(editor, QStringLiteral("Welcome"));
    switch (GetParam().how) {
    case Close::Enter:
        QTest::keyClick(editor, Qt::Key_Return);
        break;
    case Close::ClickOnObject:
        click(other);
        break;
    case Close::ClickOnCard:
        QTest::mouseClick(&d.surface(), Qt::LeftButton, {}, d.px(3.2, 0.1));
        break;
    case Close::FocusLoss:
        window().activateWindow(); // focus changes reach only the active window
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        editor->setFocus(Qt::OtherFocusReason);
        d.surface().setFocus(Qt::OtherFocusReason);
        break;
    case Close::DoubleClick:
        QTest::mouseDClick(editor, Qt::LeftButton, {}, editor->rect().center());
        break;
    }
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(text->isVisible());
    EXPECT_EQ(text->Caption(), QStringLiteral("Welcome"));
    EXPECT_TRUE(window().currentTemplate()->Dirty());
    EXPECT_EQ(window().undoStack()->undoText(), QStringLiteral("Edit Text"));
    window().undoStack()->undo();
    EXPECT_EQ(text->Caption(), QStringLiteral("<Enter Text>"));
    window().undoStack()->redo();
    EXPECT_EQ(text->Caption(), QStringLiteral("Welcome"));
}

INSTANTIATE_TEST_SUITE_P(Endings, InPlaceEdit,
    ::testing::Values(CloseRow { "Enter", Close::Enter }, CloseRow { "ClickOnObject", Close::ClickOnObject },
        CloseRow { "ClickOnCard", Close::ClickOnCard }, CloseRow { "FocusLoss", Close::FocusLoss },
        CloseRow { "DoubleClick", Close::DoubleClick }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Editing, DeleteWhileEditingEditsTheText)
{
    DesignControl* text = place("Text", 0.25, 0.5, 2, 0.375);
    click(text);
    key(Qt::Key_F2);
    QLineEdit* editor = window().txtText();
    ASSERT_TRUE(editor->isVisible());
    QTest::keyClick(editor, Qt::Key_Delete); // removes the selected text
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(window().Text().UBound(), 0);
    EXPECT_TRUE(text->isVisible());
    EXPECT_EQ(text->Caption(), QString());
}

TEST_F(Editing, FontToFitRefitsWhenTheTextChangesOrTheBoxIsResized)
{
    DesignControl* text = place("Text", 0.25, 0.5, 3, 0.5);
    QString tag = text->Tag();
    SetTagValue(tag, QStringLiteral("FTF"), QStringLiteral(";"), QStringLiteral("False")); // whatever the defaults
    text->setTag(tag);
    contextMenu(text);
    action("mnuOptionsFontToFit")->trigger(); // on
    EXPECT_EQ(GetTagValue(text->Tag(), QStringLiteral("FTF")), QStringLiteral("True"));
    EXPECT_TRUE(outline().FontToFit());
    const double wide = text->FontSize();
    key(Qt::Key_F2);
    QTest::keyClicks(window().txtText(), QStringLiteral("A much longer line of text than before"));
    QTest::keyClick(window().txtText(), Qt::Key_Return);
    const double longer = text->FontSize();
    EXPECT_LT(longer, wide);
    click(text);
    drag(3.25, 1, 3.25, 1.75); // lower-right handle down: the height no longer limits
    EXPECT_GE(text->FontSize(), longer);
    window().undoStack()->undo();
    EXPECT_EQ(text->FontSize(), longer);
}
