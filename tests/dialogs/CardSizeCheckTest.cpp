// The size boxes of the options and template properties dialogs: OK takes
// only sizes a card can have, says which box is wrong and stays open there.
#include <gtest/gtest.h>

#include "dialogs/CardSizeCheck.h"
#include "dialogs/frmIDProperties.h"
#include "dialogs/frmOptions.h"
#include "support/TestSupport.h"
#include <QLineEdit>
#include <QPushButton>
#include <limits>

using namespace kyt;
using namespace kyt::test;

namespace
{

struct SizeDialog {
    const char* name;
    std::function<std::unique_ptr<QDialog>()> make;
    const char* ok;
};

const SizeDialog dialogs[] = {
    { "frmIDProperties", [] { return std::make_unique<frmIDProperties>(); }, "cmdOk" },
    { "frmOptions", [] { return std::make_unique<frmOptions>(); }, "cmdOK" },
};

struct SizeRow {
    const char* width;
    const char* height;
    const char* refused; // the box OK complains about; nullptr when both are fine
};

const SizeRow rows[] = {
    { "abc", "2.125\"", "txtWidth" },
    { "-1", "2.125\"", "txtWidth" },
    { "0\"", "2.125\"", "txtWidth" },
    { "60.5", "2.125\"", "txtWidth" },
    { "3.375\"", "0", "txtHeight" },
    { "3.375\"", "-100", "txtHeight" },
    { "3.375\"", "100", "txtHeight" },
    { "3.375\"", "2.125\"", nullptr },
    { "60", "0.01", nullptr },
};

TEST(CardSize, OkRefusesSizesNoCardCanHave)
{
    for (const SizeDialog& d : dialogs) {
        for (const SizeRow& row : rows) {
            SCOPED_TRACE(std::string(d.name) + " " + row.width + " x " + row.height);
            ScriptedBoxScope boxes;
            const std::unique_ptr<QDialog> dlg = d.make();
            dlg->show();
            dlg->findChild<QLineEdit*>(QStringLiteral("txtWidth"))->setText(QLatin1String(row.width));
            dlg->findChild<QLineEdit*>(QStringLiteral("txtHeight"))->setText(QLatin1String(row.height));
            dlg->findChild<QPushButton*>(QLatin1String(d.ok))->click();
            if (!row.refused) {
                EXPECT_FALSE(dlg->isVisible());
                EXPECT_TRUE(boxes.box().asked().empty());
                continue;
            }
            EXPECT_TRUE(dlg->isVisible());
            EXPECT_EQ(dlg->result(), QDialog::Rejected);
            ASSERT_EQ(boxes.box().asked().size(), 1u);
            const MessageRequest& asked = boxes.box().asked()[0];
            const QString side = QLatin1String(row.refused).mid(3); // "Width" / "Height"
            EXPECT_TRUE(asked.prompt.startsWith(QStringLiteral("The ") + side + QStringLiteral(" of ")))
                << asked.prompt.toStdString();
            EXPECT_TRUE(asked.prompt.endsWith(QStringLiteral("must be a number of inches above 0 and at most 60.")))
                << asked.prompt.toStdString();
            EXPECT_EQ(asked.title, dlg->windowTitle());
            EXPECT_EQ(dlg->focusWidget(), dlg->findChild<QLineEdit*>(QLatin1String(row.refused)));
        }
    }
}

TEST(CardSize, SidesACardCanHave)
{
    const std::pair<double, bool> rows[]
        = { { 3.375, true }, { MaxCardInches, true }, { 0.001, true }, { 0, false }, { -1, false }, { 60.0001, false },
              { std::numeric_limits<double>::quiet_NaN(), false }, { std::numeric_limits<double>::infinity(), false } };
    for (const auto& [inches, valid] : rows)
        EXPECT_EQ(cardSideValid(inches), valid) << inches;
}

TEST(CardSize, TemplatePropertiesCancelledAfterARefusalStaysCancelled)
{
    ScriptedBoxScope boxes;
    frmIDProperties dlg;
    dlg.show();
    dlg.txtWidth()->setText(QStringLiteral("abc"));
    dlg.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    EXPECT_TRUE(dlg.UserCancel());
    dlg.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    EXPECT_TRUE(dlg.UserCancel());
    EXPECT_FALSE(dlg.isVisible());
}

} // namespace
