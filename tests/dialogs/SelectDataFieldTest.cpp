// The data field chooser takes a name typed at once and never hands back
// an empty one.
#include <gtest/gtest.h>

#include "dialogs/frmSelectDataField.h"
#include "support/TestSupport.h"
#include "template/CPrintData.h"
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace kyt;
using namespace kyt::test;

namespace
{
void addThreeFields(CPrintData& data)
{
    data.Add(QStringLiteral("FirstName"), QStringLiteral("Ann"));
    data.Add(QStringLiteral("LastName"), QStringLiteral("Smith"));
    data.Add(QStringLiteral("Badge"), 7);
}

QString selectedName(const frmSelectDataField& f)
{
    const auto rows = f.lstDescription()->selectedItems();
    return rows.size() == 1 ? rows.first()->text() : QString();
}
} // namespace

TEST(SelectDataFieldTyping, ANameTypedAtOnceLandsInTheNameBoxAndPicksFromTheList)
{
    CPrintData data;
    addThreeFields(data);
    frmSelectDataField f;
    f.Setup(QStringLiteral("Badge"), data);
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    ASSERT_EQ(QApplication::focusWidget(), f.txtFieldName());

    // Row: typed text, the name shown selected in the list.
    const struct {
        const char* typed;
        const char* selected;
    } rows[] = { { "la", "LastName" }, { "F", "FirstName" }, { "badg", "Badge" }, { "Title", "" } };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        f.txtFieldName()->selectAll();
        QTest::keyClicks(QApplication::focusWidget(), QLatin1String(row.typed));
        EXPECT_EQ(f.txtFieldName()->text(), QLatin1String(row.typed)); // the typed text is kept
        EXPECT_EQ(selectedName(f), QLatin1String(row.selected));
    }

    // Up and Down walk the list and take its names.
    f.txtFieldName()->clear();
    QTest::keyClick(f.txtFieldName(), Qt::Key_Down);
    EXPECT_EQ(f.txtFieldName()->text(), QStringLiteral("FirstName"));
    QTest::keyClick(f.txtFieldName(), Qt::Key_Down);
    QTest::keyClick(f.txtFieldName(), Qt::Key_Down);
    QTest::keyClick(f.txtFieldName(), Qt::Key_Down); // stays on the last
    EXPECT_EQ(f.txtFieldName()->text(), QStringLiteral("Badge"));
    QTest::keyClick(f.txtFieldName(), Qt::Key_Up);
    EXPECT_EQ(f.txtFieldName()->text(), QStringLiteral("LastName"));
    EXPECT_EQ(selectedName(f), QStringLiteral("LastName"));
    QTest::keyClick(f.txtFieldName(), Qt::Key_Return);
    EXPECT_FALSE(f.isVisible());
    EXPECT_FALSE(f.UserCancel());
    EXPECT_EQ(f.Description(), QStringLiteral("LastName"));
}

TEST(SelectDataFieldTyping, OkWithoutANameAsksForOne)
{
    CPrintData data;
    addThreeFields(data);
    for (const char* blank : { "", "   " }) {
        SCOPED_TRACE(std::string("'") + blank + "'");
        ScriptedBoxScope boxes;
        frmSelectDataField f;
        f.Setup(QLatin1String(blank), data);
        f.show();
        f.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        ASSERT_EQ(boxes.box().asked().size(), 1u);
        EXPECT_TRUE(boxes.box().asked()[0].prompt.contains(QStringLiteral("data field name")));
        EXPECT_TRUE(f.isVisible());
        EXPECT_TRUE(f.UserCancel());
        f.txtFieldName()->setText(QStringLiteral("Title"));
        f.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        EXPECT_EQ(boxes.box().asked().size(), 1u);
        EXPECT_FALSE(f.isVisible());
        EXPECT_FALSE(f.UserCancel());
        EXPECT_EQ(f.Description(), QStringLiteral("Title"));
    }
}
