// Work the person has not saved yet stays: a "Save Changes?" answered Yes
// whose save does not happen closes and replaces nothing, and any save or
// print takes the text being typed in the in-place editor along.
#include <gtest/gtest.h>

#include "designer/DesignControl.h"
#include "designer/DesignerTestSupport.h"
#include "util/Strings.h"
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

using namespace kyt;
using namespace kyt::test;

namespace
{
enum class Failure { DialogCancelled, WriteFailed, Refused };
enum class Path { Exit, CloseButton, CloseId, New, Open };

bool anyTokenHolds(const CPrintTemplate& t, const QString& text)
{
    for (int i = 1; i <= t.Count(); ++i)
        if (t.Item(i)->TokenString().contains(text))
            return true;
    return false;
}
} // namespace

TEST(UnsavedWork, YesToSaveChangesWithoutASaveLeavesTheCardWhereItWas)
{
    const struct {
        const char* name;
        Failure failure;
        size_t boxes; // questions asked in all
        size_t fileDialogs; // the Save dialog only
    } failures[] = {
        { "save dialog cancelled", Failure::DialogCancelled, 1, 1 },
        { "file cannot be written", Failure::WriteFailed, 1, 0 },
        { "No to saving anyway", Failure::Refused, 3, 0 },
    };
    const struct {
        const char* name;
        Path path;
        const char* action;
    } paths[] = {
        { "E&xit", Path::Exit, "mnuIDCloseWin" },
        { "close button", Path::CloseButton, nullptr },
        { "Close ID", Path::CloseId, "mnuIDClose" },
        { "New", Path::New, "mnuIDNew" },
        { "Open", Path::Open, "mnuIDOpen" },
    };
    QTemporaryDir dir;
    const QString other = dir.filePath(QStringLiteral("other.tpl"));
    {
        CPrintTemplate t;
        t.setError(quietError());
        ASSERT_TRUE(t.SaveFile(other));
    }
    for (const auto& path : paths) {
        for (const auto& failure : failures) {
            SCOPED_TRACE(std::string(path.name) + ", " + failure.name);
            Designer d;
            int dialogsShown = 0; // New's properties dialog would come next
            ModalScope modal([&dialogsShown](QDialog& dialog) {
                ++dialogsShown;
                dialog.reject();
            });
            auto t = d.showBlank();
            DesignControl* rect = d.place(QStringLiteral("Rectangle"), 0.5, 0.5, 1.5, 1.0);
            d.boxes.box().queueAnswer(vbYes); // Save Changes?
            switch (failure.failure) {
            case Failure::DialogCancelled:
                d.dialogs.dialog().queueCancel();
                break;
            case Failure::WriteFailed:
                t->setTemplateName(dir.filePath(QStringLiteral("missing/card.tpl")));
                break;
            case Failure::Refused:
                t->setTemplateName(dir.filePath(QStringLiteral("card.tpl")));
                d.place(QStringLiteral("Data"), 0.5, 1.2, 2.0, 1.5); // no field name: cannot be saved
                d.boxes.box().queueAnswer(vbOK); // what cannot be saved
                d.boxes.box().queueAnswer(vbNo); // Continue Save anyway?
                break;
            }
            if (path.path == Path::Open)
                d.dialogs.dialog().queueAnswer(CommonDialogAnswer(other)); // would replace the card
            const QString name = t->TemplateName();
            const QString title = d.window.windowTitle();

            if (path.action)
                d.window.menuAction(QLatin1String(path.action))->trigger();
            else
                d.window.close();

            ASSERT_EQ(d.boxes.box().asked().size(), failure.boxes);
            EXPECT_EQ(d.boxes.box().asked()[0].prompt, QStringLiteral("Save Changes?"));
            EXPECT_EQ(d.dialogs.dialog().asked().size(), failure.fileDialogs);
            EXPECT_EQ(dialogsShown, 0);
            EXPECT_EQ(d.window.currentTemplate(), t);
            EXPECT_TRUE(d.window.isVisible());
            EXPECT_TRUE(rect->Visible());
            EXPECT_TRUE(t->Dirty());
            EXPECT_EQ(t->TemplateName(), name);
            EXPECT_EQ(d.window.windowTitle(), title);
            EXPECT_TRUE(d.window.menuAction(QStringLiteral("mnuIDSave"))->isEnabled());
            EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("card.tpl"))));
        }
    }
}

TEST(UnsavedWork, SavingOrPrintingWhileTypingKeepsTheTypedText)
{
    enum class How { CtrlS, SaveAs, Print };
    const struct {
        const char* name;
        How how;
    } rows[] = { { "Ctrl+S", How::CtrlS }, { "Save As", How::SaveAs }, { "print preview", How::Print } };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("card.tpl"));
        Designer d;
        auto t = d.showBlank();
        t->setTemplateName(file);
        DesignControl* text = d.place(QStringLiteral("Text"), 0.5, 0.5, 2.5, 0.8);
        d.window.pressTool(QStringLiteral("Pointer"));
        d.window.activateWindow(); // shortcuts reach only the active window
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d.window));
        d.window.EditText(text->Index());
        QLineEdit* editor = d.window.txtText();
        ASSERT_TRUE(editor->isVisible());
        QTest::keyClicks(editor, QStringLiteral("Welcome"));

        bool printedWithText = false;
        ModalScope modal([&](QDialog& dialog) {
            printedWithText = anyTokenHolds(*d.window.currentTemplate(), QStringLiteral("Welcome"));
            dialog.reject();
        });
        switch (row.how) {
        case How::CtrlS:
            QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
            break;
        case How::SaveAs:
            d.dialogs.dialog().queueAnswer(CommonDialogAnswer(file));
            d.window.menuAction(QStringLiteral("mnuIDSaveAs"))->trigger();
            break;
        case How::Print:
            d.window.menuAction(QStringLiteral("mnuIDPrint"))->trigger();
            break;
        }

        EXPECT_FALSE(editor->isVisible());
        EXPECT_TRUE(text->isVisible());
        EXPECT_EQ(text->Caption(), QStringLiteral("Welcome"));
        if (row.how == How::Print) {
            EXPECT_TRUE(printedWithText);
            EXPECT_TRUE(t->Dirty()); // printing is no save
            continue;
        }
        EXPECT_FALSE(t->Dirty());
        CPrintTemplate back;
        back.setError(d.error);
        ASSERT_TRUE(back.ReadFile(file));
        EXPECT_TRUE(anyTokenHolds(back, QStringLiteral("Welcome")));
        // Nothing is left to ask about on leaving.
        d.window.menuAction(QStringLiteral("mnuIDCloseWin"))->trigger();
        EXPECT_TRUE(d.boxes.box().asked().empty());
    }
}
