// Style numbers become the dialog's buttons, icon and default button.
#include <gtest/gtest.h>

#include "platform/widgets/QtMessageBox.h"
#include <QPushButton>

using namespace kyt;

struct StyleRow {
    int style;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    QMessageBox::Icon icon;
};

class QtMessageBoxStyle : public ::testing::TestWithParam<StyleRow>
{
};

TEST_P(QtMessageBoxStyle, MapsButtonsIconAndDefault)
{
    const StyleRow r = GetParam();
    QMessageBox box;
    QtMessageBox::configure(
        box, MessageRequest { QStringLiteral("Save?\r\nNow"), r.style, QStringLiteral("T"), QString(), 0, QString() });
    EXPECT_EQ(box.standardButtons(), r.buttons);
    ASSERT_NE(box.defaultButton(), nullptr);
    EXPECT_EQ(box.standardButton(box.defaultButton()), r.defaultButton);
    EXPECT_EQ(box.icon(), r.icon);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("T"));
    EXPECT_EQ(box.text(), QStringLiteral("Save?\nNow"));
}

INSTANTIATE_TEST_SUITE_P(Styles, QtMessageBoxStyle,
    ::testing::Values(StyleRow { 0, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::NoIcon },
        StyleRow { 1, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::NoIcon },
        StyleRow { 2 + 48 + 512, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::Ignore,
            QMessageBox::Warning },
        StyleRow {
            35, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::Question },
        StyleRow { 292, QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::Question },
        StyleRow { 5 + 16, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry, QMessageBox::Critical },
        StyleRow { 64, QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Information }));

TEST(QtMessageBox, HelpFileAddsAHelpButton)
{
    QMessageBox box;
    QtMessageBox::configure(
        box, MessageRequest { QStringLiteral("x"), 0, QString(), QStringLiteral("help.md"), 3, QString() });
    EXPECT_EQ(box.standardButtons(), QMessageBox::Ok | QMessageBox::Help);
}

TEST(QtMessageBox, AnswersRoundTripThroughButtons)
{
    for (int answer = vbOK; answer <= vbNo; ++answer)
        EXPECT_EQ(QtMessageBox::answerOf(QtMessageBox::buttonOf(answer)), answer);
    EXPECT_EQ(QtMessageBox::answerOf(QMessageBox::Help), 0);
}

TEST(QtMessageBox, EscapeMeansCancelWhenThereIsOne)
{
    QMessageBox box;
    QtMessageBox::configure(box, MessageRequest { QStringLiteral("x"), 35, QString(), QString(), 0, QString() });
    ASSERT_NE(box.escapeButton(), nullptr);
    EXPECT_EQ(box.standardButton(qobject_cast<QAbstractButton*>(box.escapeButton())), QMessageBox::Cancel);
}
