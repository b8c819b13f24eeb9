// Every dialog reaches its buttons, check boxes, option buttons and
// labelled fields with an Alt+letter of its own.
#include <gtest/gtest.h>

#include "dialogs/frmAbout.h"
#include "dialogs/frmBarcodeProp.h"
#include "dialogs/frmIDProperties.h"
#include "dialogs/frmMessage.h"
#include "dialogs/frmOptions.h"
#include "dialogs/frmSelectDataField.h"
#include "support/TestSupport.h"
#include <QApplication>
#include <QTest>

using namespace kyt;

namespace
{

struct Dialog {
    const char* name;
    std::function<std::unique_ptr<QDialog>()> make;
};

const Dialog dialogs[] = {
    { "frmAbout", [] { return std::make_unique<frmAbout>(); } },
    { "frmBarcodeProp", [] { return std::make_unique<frmBarcodeProp>(); } },
    { "frmIDProperties", [] { return std::make_unique<frmIDProperties>(); } },
    { "frmMessage", [] { return std::make_unique<frmMessage>(); } },
    { "frmOptions", [] { return std::make_unique<frmOptions>(); } },
    { "frmSelectDataField", [] { return std::make_unique<frmSelectDataField>(); } },
};

TEST(AccessKeys, EveryControlHasALetterOfItsOwn)
{
    for (const Dialog& d : dialogs) {
        SCOPED_TRACE(d.name);
        const std::unique_ptr<QDialog> dlg = d.make();
        const QStringList problems = test::accessKeyProblems(*dlg);
        EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    }
}

// Alt+letter of a label puts the cursor in its field.
TEST(AccessKeys, LabelLettersFocusTheirFields)
{
    const struct {
        int dialog;
        Qt::Key key;
        const char* field;
    } rows[] = { { 1, Qt::Key_P, "txtPrefix" }, { 1, Qt::Key_T, "txtPostfix" }, { 1, Qt::Key_B, "cboBarcodeType" },
        { 1, Qt::Key_F, "txtFontName" }, { 2, Qt::Key_H, "txtHeight" }, { 2, Qt::Key_W, "txtWidth" } };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.field);
        const std::unique_ptr<QDialog> dlg = dialogs[row.dialog].make();
        dlg->show();
        dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
        QTest::keyClick(dlg.get(), row.key, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), dlg->findChild<QWidget*>(QLatin1String(row.field)));
    }
}

} // namespace
