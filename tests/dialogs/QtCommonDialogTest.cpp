// The Qt common dialogs: the font dialog starts on the object's font as it
// is drawn, dialogs belong to the dialog that asks, and the help window's
// search answers the keyboard.
#include <gtest/gtest.h>

#include "platform/widgets/QtCommonDialog.h"
#include <QApplication>
#include <QDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace kyt;

namespace
{

// Runs f on the next modal dialog once its event loop runs, then accepts it.
void onNextModal(std::function<void(QDialog&)> f)
{
    QTimer::singleShot(0, qApp, [f = std::move(f)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        f(*dialog);
        dialog->accept();
    });
}

TEST(QtCommonDialog, FontDialogStartsOnTheFontTheObjectIsDrawnWith)
{
    const struct {
        const char* family;
        int points;
        bool bold, italic, underline;
        const char* picked; // family chosen in the dialog; nullptr leaves it
    } rows[] = { { "NoSuchFamilyOnAnyMachine", 14, true, false, true, nullptr },
        { "Arial", 11, false, true, false, nullptr }, { "DejaVu Serif", 20, true, true, false, nullptr },
        { "Arial", 9, false, false, false, "Liberation Mono" } };
    QtCommonDialog dialogs;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.family);
        QFont requested(QLatin1String(row.family));
        requested.setPointSize(row.points);
        requested.setBold(row.bold);
        requested.setItalic(row.italic);
        requested.setUnderline(row.underline);
        QFont shown;
        onNextModal([&](QDialog& d) {
            auto& fontDialog = dynamic_cast<QFontDialog&>(d);
            shown = fontDialog.currentFont();
            if (row.picked) {
                fontDialog.setCurrentFont(QFont(QLatin1String(row.picked), row.points));
            }
        });
        const std::optional<QFont> answer = dialogs.ShowFont(requested);
        ASSERT_TRUE(answer.has_value());
        EXPECT_EQ(shown.family(), QFontInfo(requested).family());
        EXPECT_EQ(shown.pointSize(), row.points);
        EXPECT_EQ(shown.bold(), row.bold);
        EXPECT_EQ(shown.italic(), row.italic);
        EXPECT_EQ(shown.underline(), row.underline);
        // OK alone changes nothing; a family picked in the dialog is taken.
        EXPECT_EQ(answer->family(), QLatin1String(row.picked ? row.picked : row.family));
        EXPECT_EQ(answer->pointSize(), row.points);
        EXPECT_EQ(answer->bold(), row.bold);
        EXPECT_EQ(answer->italic(), row.italic);
        EXPECT_EQ(answer->underline(), row.underline);
    }
}

TEST(QtCommonDialog, DialogsBelongToTheModalDialogThatAsks)
{
    QDialog opener;
    opener.setModal(true);
    opener.show();
    EXPECT_EQ(QtCommonDialog::dialogParent(), &opener);
    QWidget* parent = nullptr;
    onNextModal([&](QDialog& font) { parent = font.parentWidget(); });
    QtCommonDialog().ShowFont(QFont(QStringLiteral("DejaVu Sans")));
    EXPECT_EQ(parent, &opener);
}

TEST(HelpWindow, SearchTabTakesTheTypingAndSaysWhenNothingIsFound)
{
    HelpWindow help;
    help.showHelp(QtCommonDialog::helpFile(), HelpContents, QString());
    help.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
    auto* query = help.findChild<QLineEdit*>(QStringLiteral("txtSearch"));
    auto* noHits = help.findChild<QLabel*>(QStringLiteral("lblNoHits"));
    ASSERT_NE(query, nullptr);
    ASSERT_NE(noHits, nullptr);

    QTest::keyClick(&help, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(help.findChild<QTabWidget*>(QStringLiteral("tbsHelp"))->currentIndex(), 1);
    ASSERT_EQ(QApplication::focusWidget(), query);

    const struct {
        const char* typed;
        bool nothing;
    } rows[] = { { "xylophone", true }, { "barcode", false }, { "", false }, { "duplex zebra", true } };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        query->clear();
        QTest::keyClicks(QApplication::focusWidget(), QLatin1String(row.typed));
        EXPECT_EQ(noHits->isVisible(), row.nothing);
        if (row.nothing) {
            EXPECT_TRUE(noHits->text().contains(QLatin1String(row.typed)));
        }
    }

    QTest::keyClick(query, Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
}

} // namespace
