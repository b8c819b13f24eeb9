// What the designer does when opening, saving or reshaping a card goes
// wrong or asks for more than it can keep: nothing is lost silently and
// every refusal is said.
#include <gtest/gtest.h>

#include "designer/COutline.h"
#include "designer/DesignControl.h"
#include "designer/DesignerTestSupport.h"
#include "dialogs/frmIDProperties.h"
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUndoStack>

using namespace kyt;
using namespace kyt::test;

namespace
{
bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

std::vector<DesignControl*> visibleControls(frmPreview& window)
{
    std::vector<DesignControl*> shown;
    for (IDesignControl* c : window.designControls())
        if (c->Visible())
            shown.push_back(static_cast<DesignControl*>(c));
    return shown;
}

// Answers the properties dialog with a height and the two-sided box.
ModalRunner answerProperties(const char* height, bool duplex)
{
    return [height, duplex](QDialog& dialog) {
        auto& p = dynamic_cast<frmIDProperties&>(dialog);
        p.txtHeight()->setText(QLatin1String(height));
        p.ckbDuplex()->setChecked(duplex);
        p.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    };
}
} // namespace

TEST(DocumentSafety, FilesOfAnotherKindAreNamedAndThePreviousCardStays)
{
    const struct {
        const char* name;
        QByteArray bytes;
    } rows[] = {
        { "empty", QByteArray() },
        { "text", QByteArray("not a template at all") },
        { "picture", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) },
    };
    QTemporaryDir dir;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Designer d;
        auto t = d.showBlank();
        const QString path = dir.filePath(QLatin1String(row.name) + QStringLiteral(".tpl"));
        ASSERT_TRUE(writeFile(path, row.bytes));
        d.window.OpenID(path);
        EXPECT_EQ(d.window.currentTemplate(), t);
        ASSERT_EQ(d.boxes.box().asked().size(), 1u);
        EXPECT_TRUE(d.boxes.box().asked()[0].prompt.contains(path));
        EXPECT_TRUE(d.boxes.box().asked()[0].prompt.contains(QStringLiteral("not a template file")));
    }
}

// A save that does not happen leaves the name Save uses as it was.
TEST(DocumentSafety, ANameIsKeptOnlyWhenTheSaveWorked)
{
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("card.tpl"));
    const struct {
        const char* name;
        QString chosen;
        bool emptyText; // asks "Continue Save anyway?"; answered No
    } rows[] = {
        { "folder that does not exist", dir.filePath(QStringLiteral("missing/other.tpl")), false },
        { "save refused at the question", dir.filePath(QStringLiteral("other.tpl")), true },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Designer d;
        auto t = d.showBlank();
        d.place(QStringLiteral("Rectangle"), 0.5, 0.5, 1.5, 1.0);
        t->setTemplateName(good);
        if (row.emptyText) {
            DesignControl* text = d.place(QStringLiteral("Text"), 0.5, 1.2, 2.0, 1.5);
            text->setCaption(QStringLiteral("  "));
            d.boxes.box().queueAnswer(vbOK);
            d.boxes.box().queueAnswer(vbNo);
        }
        d.dialogs.dialog().queueAnswer(CommonDialogAnswer(row.chosen));
        d.window.SaveID(false);
        EXPECT_FALSE(QFile::exists(row.chosen));
        EXPECT_EQ(t->TemplateName(), good);
        if (row.emptyText) {
            d.boxes.box().queueAnswer(vbOK);
            d.boxes.box().queueAnswer(vbYes);
        }
        d.window.SaveID(true);
        EXPECT_TRUE(QFile::exists(good));
        QFile::remove(good);
    }
}

// Saving anyway leaves out only what cannot be stored.
TEST(DocumentSafety, SavingAnywayKeepsEveryObjectThatCanBeStored)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("card.tpl"));
    Designer d;
    auto t = d.showBlank();
    d.place(QStringLiteral("Rectangle"), 0.5, 0.5, 1.5, 1.0);
    d.place(QStringLiteral("Logo"), 2.0, 0.5, 2.5, 1.0); // no picture loaded
    t->setTemplateName(file);
    d.boxes.box().queueAnswer(vbOK); // the logo's message
    d.boxes.box().queueAnswer(vbYes); // continue anyway
    d.window.SaveID(true);
    // The object the message spoke of is the one selected.
    EXPECT_EQ(d.window.outline()->selectedControl(), d.window.Logo().Item(0));
    ASSERT_TRUE(QFile::exists(file)) << d.error->lastLogLine().toStdString();
    CPrintTemplate back;
    back.setError(d.error);
    ASSERT_TRUE(back.ReadFile(file));
    ASSERT_EQ(back.Count(), 1);
    EXPECT_EQ(back.Item(1)->ObjectType(), QStringLiteral("Rectangle"));
}

// The back's objects belong to the back: a new height carries them along,
// and turning the back off asks before they go. Each change is one undo step.
TEST(DocumentSafety, BackObjectsFollowTheCardsSidesAndHeight)
{
    const struct {
        const char* name;
        const char* height;
        bool duplex;
        int answer; // to the question about the back's objects; 0: no question
        float backTop; // of the back rectangle afterwards; < 0: removed
        bool duplexAfter;
    } rows[] = {
        { "taller", "3", true, 0, 3.375f, true },
        { "shorter", "2", true, 0, 2.375f, true },
        { "one-sided, objects removed", "2.125", false, vbYes, -1, false },
        { "one-sided refused", "2.125", false, vbNo, 2.5f, true },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Designer d;
        auto t = d.showBlank(3.375, 2.125, true);
        DesignControl* front = d.place(QStringLiteral("Rectangle"), 0.5, 0.5, 1.5, 1.0);
        d.place(QStringLiteral("Text"), 0.5, 2.5, 2.0, 2.75);
        const int steps = d.window.undoStack()->count();
        if (row.answer)
            d.boxes.box().queueAnswer(row.answer);
        {
            ModalScope answer(answerProperties(row.height, row.duplex));
            ASSERT_TRUE(d.window.ShowProperties(false));
        }
        EXPECT_EQ(d.boxes.box().asked().size(), row.answer ? 1u : 0u);
        EXPECT_EQ(t->Duplex(), row.duplexAfter);
        EXPECT_FLOAT_EQ(front->top(), 0.5f);
        const DesignControl* back = d.window.Text().Item(0);
        if (row.backTop < 0) {
            EXPECT_FALSE(back->Visible());
            EXPECT_EQ(visibleControls(d.window).size(), 1u);
        } else {
            EXPECT_TRUE(back->Visible());
            EXPECT_FLOAT_EQ(back->top(), row.backTop);
        }
        EXPECT_EQ(d.window.undoStack()->count(), steps + 1);
        d.window.undoStack()->undo();
        EXPECT_DOUBLE_EQ(t->Height(), 2.125);
        EXPECT_TRUE(t->Duplex());
        EXPECT_TRUE(d.window.Text().Item(0)->Visible());
        EXPECT_FLOAT_EQ(d.window.Text().Item(0)->top(), 2.5f);
        EXPECT_FLOAT_EQ(d.surface().surfaceHeight(), 4.25f);
    }
}

TEST(DocumentSafety, EscapeInTheTextEditorKeepsTheText)
{
    Designer d;
    d.showBlank();
    DesignControl* text = d.place(QStringLiteral("Text"), 0.5, 0.5, 2.0, 0.8);
    text->setCaption(QStringLiteral("Visitor"));
    d.window.EditText(text->Index());
    QLineEdit* editor = d.window.txtText();
    ASSERT_TRUE(editor->isVisible());
    QTest::keyClicks(editor, QStringLiteral("Something else"));
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(text->isVisible());
    EXPECT_EQ(text->Caption(), QStringLiteral("Visitor"));
}

TEST(DocumentSafety, WithoutACardNoToolCanBeChosen)
{
    Designer d;
    d.showBlank();
    d.window.pressTool(QStringLiteral("Text"));
    d.window.CloseId();
    EXPECT_EQ(d.window.WhichButtonDown(), QStringLiteral("Pointer"));
    for (QAction* tool : d.window.findChild<QAction*>(QStringLiteral("tlbObjectsText"))->actionGroup()->actions())
        EXPECT_FALSE(tool->isEnabled()) << tool->objectName().toStdString();
    d.showBlank();
    EXPECT_TRUE(d.window.findChild<QAction*>(QStringLiteral("tlbObjectsText"))->isEnabled());
    EXPECT_TRUE(d.window.findChild<QAction*>(QStringLiteral("tlbObjectsPhoto"))->isEnabled());
}
