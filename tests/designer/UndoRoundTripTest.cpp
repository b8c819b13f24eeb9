// Undo and redo of a mixed sequence of commands brings back the saved file
// byte for byte, and the clean state is the saved one.
#include "EditingFixture.h"

#include "dialogs/frmBarcodeProp.h"
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUndoStack>

using namespace kyt;
using namespace kyt::test;

namespace
{
QByteArray bytesOf(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST_F(Editing, UndoingEverythingSinceASaveGivesTheSameFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("card.tpl"));
    QUndoStack& stack = *window().undoStack();
    DesignControl* rect = place("Rectangle", 0.25, 0.25, 1, 0.5);
    DesignControl* text = place("Text", 0.5, 1, 2, 0.375);
    place("Data", 0.5, 1.5, 2, 0.375)->setTag(QStringLiteral("FTF=False;Key=Name;"));
    d.dialogs.dialog().queueAnswer(CommonDialogAnswer(file));
    window().SaveID(true);
    const QByteArray saved = bytesOf(file);
    ASSERT_FALSE(saved.isEmpty());
    EXPECT_TRUE(stack.isClean());
    EXPECT_FALSE(window().currentTemplate()->Dirty());

    // One of each kind of step.
    const int start = stack.index();
    drag(0.75, 0.5, 1.25, 0.75); // move the rectangle
    click(rect);
    drag(1.75, 1, 2.25, 1.25); // resize it by its new lower-right corner
    doubleClick(text);
    QTest::keyClicks(window().txtText(), QStringLiteral("Edited"));
    QTest::keyClick(window().txtText(), Qt::Key_Return);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(12);
    font.setBold(true);
    d.dialogs.dialog().queueAnswer(CommonDialogAnswer(font));
    action("mnuOptionsFont")->trigger();
    action("mnuOptionsFront")->trigger();
    {
        ModalScope answer([](QDialog& dialog) {
            dialog.findChild<QComboBox*>(QStringLiteral("cboBarcodeType"))->setCurrentIndex(2);
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
        });
        contextMenu(text);
        action("mnuOptionsBarcode")->trigger();
    }
    DesignControl* logo = place("Logo", 2.5, 0.25, 0.5, 0.5);
    const QString picture = dir.filePath(QStringLiteral("logo.bmp"));
    {
        QFile f(picture);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(solidPicture(16, 8, qRgb(0, 90, 200)).toBmp());
    }
    d.dialogs.dialog().queueAnswer(CommonDialogAnswer(picture));
    doubleClick(logo);
    ASSERT_FALSE(logo->Picture().isNull());
    click(rect);
    key(Qt::Key_Delete);
    const int steps = stack.index() - start;
    EXPECT_EQ(steps, 9);
    EXPECT_TRUE(window().currentTemplate()->Dirty());
    window().SaveID(true);
    const QByteArray edited = bytesOf(file);
    EXPECT_NE(edited, saved);

    for (int i = 0; i < steps; ++i)
        stack.undo();
    EXPECT_TRUE(window().currentTemplate()->Dirty()) << "the file holds the edited card now";
    window().SaveID(true);
    EXPECT_EQ(bytesOf(file), saved);

    for (int i = 0; i < steps; ++i)
        stack.redo();
    window().SaveID(true);
    EXPECT_EQ(bytesOf(file), edited);
    stack.undo();
    EXPECT_TRUE(window().currentTemplate()->Dirty());
    stack.redo();
    EXPECT_FALSE(window().currentTemplate()->Dirty()) << "back at the saved state";
}
