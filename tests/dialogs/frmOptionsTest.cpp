// The options dialog: the defaults it shows, what OK, Apply and Cancel
// write, the size boxes' inch form, and the font and colour dialogs.
#include <gtest/gtest.h>

#include "settings/SettingsTestSupport.h"
#include "support/TestSupport.h"

#include "dialogs/frmOptions.h"
#include "platform/CommonDialog.h"
#include "settings/CProperties.h"
#include "settings/CTargetApplications.h"
#include <QCheckBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>

using namespace kyt;
using namespace kyt::test;

namespace
{

class OptionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        props = std::make_unique<CProperties>(stores.shared(), quietError());
        targets.Add(QStringLiteral("Badge office"), QStringLiteral("Kyt.Badges"));
        targets.Add(QStringLiteral("Visitor desk"), QStringLiteral("Kyt.Visitors"));
        dlg.setProperties(props.get());
        dlg.setError(quietError());
        dlg.setTargetApplications(&targets);
    }

    void leave(QLineEdit* box, const QString& typed)
    {
        box->setText(typed);
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(box, &out);
    }

    // Changes every default the dialog edits.
    void changeEverything()
    {
        dlg.LoadSettings();
        leave(dlg.txtWidth(), QStringLiteral("4"));
        leave(dlg.txtHeight(), QStringLiteral("2.5"));
        dlg.ckbDuplex()->setChecked(true);
        dlg.optLandscape()->setChecked(true);
        dlg.lstTarget()->item(1)->setSelected(true);
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPointSizeF(12);
        font.setBold(true);
        font.setItalic(true);
        font.setUnderline(true);
        dialogs.dialog().queueAnswer(CommonDialogAnswer(font));
        dlg.cmdFont()->click();
        dialogs.dialog().queueAnswer(CommonDialogAnswer(QColor(10, 20, 30)));
        dlg.cmdForeground()->click();
        dialogs.dialog().queueAnswer(CommonDialogAnswer(QColor(200, 100, 50)));
        dlg.cmdBackground()->click();
        dlg.ckbTransparent()->setChecked(false);
        dlg.ckbFontToFit()->setChecked(true);
    }

    StoreScope stores;
    ScriptedDialogScope dialogs;
    std::unique_ptr<CProperties> props;
    CTargetApplications targets;
    frmOptions dlg;
};

struct Expected {
    const char* property;
    QVariant changed;
};

// Every default the dialog edits, with the value changeEverything() gives it.
const Expected everyDefault[] = {
    { "DefaultWidth", 4.0 },
    { "DefaultHeight", 2.5 },
    { "DefaultOrientation", 2 },
    { "DefaultDuplex", true },
    { "DefaultTarget", QStringLiteral("Kyt.Visitors") },
    { "DefaultFontName", QStringLiteral("DejaVu Serif") },
    { "DefaultFontSize", 12.0 },
    { "DefaultFontBold", true },
    { "DefaultFontItalic", true },
    { "DefaultFontUnderline", true },
    { "DefaultForeGround", 10 | (20 << 8) | (30 << 16) },
    { "DefaultBackground", 200 | (100 << 8) | (50 << 16) },
    { "DefualtTransparent", false },
    { "DefaultFontToFit", true },
};

bool sameValue(const QVariant& stored, const QVariant& expected)
{
    if (expected.typeId() == QMetaType::Double)
        return qFuzzyCompare(stored.toDouble(), expected.toDouble());
    if (expected.typeId() == QMetaType::Int)
        return stored.toLongLong() == expected.toLongLong();
    return stored.toString() == expected.toString();
}

TEST_F(OptionsTest, OkWritesEveryDefaultForTheNextReader)
{
    changeEverything();
    EXPECT_EQ(dlg.lblDescription()->text(), QStringLiteral("Visitor desk"));
    dlg.show();
    dlg.cmdOK()->click();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);

    CProperties reread(stores.shared(), quietError());
    for (const Expected& row : everyDefault) {
        SCOPED_TRACE(row.property);
        EXPECT_TRUE(sameValue(reread.property(row.property), row.changed))
            << reread.property(row.property).toString().toStdString();
    }
    EXPECT_TRUE(reread.DefaultShowGrid()); // not the dialog's
}

TEST_F(OptionsTest, CancelWritesNothingAndApplyKeepsTheDialogOpen)
{
    CProperties before(stores.shared(), quietError());
    changeEverything();
    dlg.show();
    dlg.cmdCancel()->click();
    EXPECT_FALSE(dlg.isVisible());
    CProperties after(stores.shared(), quietError());
    for (const Expected& row : everyDefault) {
        SCOPED_TRACE(row.property);
        EXPECT_EQ(after.property(row.property), before.property(row.property));
    }

    dlg.show();
    dlg.cmdApply()->click();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(props->DefaultWidth(), 4.0);
    EXPECT_EQ(CProperties(stores.shared(), quietError()).DefaultWidth(), 4.0);
}

TEST_F(OptionsTest, LoadsTheStoredDefaults)
{
    dlg.LoadSettings();
    EXPECT_EQ(dlg.txtWidth()->text(), QStringLiteral("3.375\""));
    EXPECT_EQ(dlg.txtHeight()->text(), QStringLiteral("2.125\""));
    EXPECT_TRUE(dlg.optPortrait()->isChecked());
    EXPECT_EQ(dlg.imgLayout(0)->pixmap().toImage(), dlg.imgLayout(1)->pixmap().toImage());
    EXPECT_EQ(dlg.lstTarget()->count(), 2);
    EXPECT_TRUE(dlg.lstTarget()->selectedItems().isEmpty());
    EXPECT_TRUE(dlg.lblDescription()->text().isEmpty());
    EXPECT_EQ(dlg.lblFontName()->text(), QStringLiteral("Arial"));
    EXPECT_EQ(dlg.lblFontSample()->font().pointSizeF(), 8.0);
    EXPECT_TRUE(dlg.ckbTransparent()->isChecked());
    EXPECT_FALSE(dlg.lblFontSample()->autoFillBackground());
    EXPECT_EQ(dlg.tbsOptions()->count(), 1);
    EXPECT_EQ(dlg.tbsOptions()->tabToolTip(0), QStringLiteral("Set Default Values"));

    // A letter for the orientation reads as 0, shown as landscape; a stored
    // target is selected with its description.
    putString(stores.store(), reg::HKEY_LOCAL_MACHINE, CProperties::DesignerKey + QStringLiteral("\\Defaults"),
        QStringLiteral("Orientation"), QStringLiteral("x"));
    props->setDefaultTarget(QStringLiteral("Kyt.Badges"));
    CProperties stored(stores.shared(), quietError());
    dlg.setProperties(&stored);
    dlg.LoadSettings();
    EXPECT_TRUE(dlg.optLandscape()->isChecked());
    EXPECT_EQ(dlg.imgLayout(0)->pixmap().toImage(), dlg.imgLayout(2)->pixmap().toImage());
    ASSERT_EQ(dlg.lstTarget()->selectedItems().size(), 1);
    EXPECT_EQ(dlg.lstTarget()->selectedItems().first()->text(), QStringLiteral("Kyt.Badges"));
    EXPECT_EQ(dlg.lblDescription()->text(), QStringLiteral("Badge office"));
}

TEST_F(OptionsTest, OkKeepsATargetThatIsNotInstalledHere)
{
    props->setDefaultTarget(QStringLiteral("Kyt.Gone"));
    dlg.LoadSettings();
    EXPECT_TRUE(dlg.lstTarget()->selectedItems().isEmpty());
    dlg.cmdOK()->click();
    EXPECT_EQ(CProperties(stores.shared(), quietError()).DefaultTarget(), QStringLiteral("Kyt.Gone"));
}

TEST_F(OptionsTest, SizeBoxesShowInchesAndRefuseSizesThatAreNoCard)
{
    struct Row {
        const char* typed;
        const char* shown;
    };
    const Row rows[] = { { "3", "3.0\"" }, { "3.0\"", "3.0\"" }, { "2.125", "2.125\"" }, { "1.23456", "1.2346\"" },
        { "54 in", "54.0\"" }, { "abc", "0.0\"" } };
    dlg.LoadSettings();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        leave(dlg.txtWidth(), QString::fromUtf8(row.typed));
        EXPECT_EQ(dlg.txtWidth()->text(), QString::fromUtf8(row.shown));
    }

    // 0 inches wide is refused with a message; nothing is written.
    ScriptedBoxScope boxes;
    dlg.show();
    dlg.cmdOK()->click();
    EXPECT_TRUE(dlg.isVisible());
    ASSERT_EQ(boxes.box().asked().size(), 1u);
    EXPECT_TRUE(boxes.box().asked()[0].prompt.contains(QStringLiteral("Width")));
    EXPECT_EQ(CProperties(stores.shared(), quietError()).DefaultWidth(), 3.375);
}

TEST_F(OptionsTest, FontDialogIsPresetAndItsCancelChangesNothing)
{
    dlg.LoadSettings();
    dialogs.dialog().queueCancel();
    dlg.cmdFont()->click();
    dialogs.dialog().queueCancel();
    dlg.cmdBackground()->click();
    ASSERT_EQ(dialogs.dialog().asked().size(), 2u);
    const CommonDialogRequest& font = dialogs.dialog().asked()[0];
    EXPECT_EQ(font.kind, CommonDialogKind::Font);
    EXPECT_EQ(font.flags, 0x20102);
    EXPECT_EQ(font.font.family(), QStringLiteral("Arial"));
    EXPECT_EQ(font.font.pointSizeF(), 8.0);
    EXPECT_EQ(dialogs.dialog().asked()[1].kind, CommonDialogKind::Color);
    EXPECT_EQ(dlg.lblFontName()->text(), QStringLiteral("Arial"));
    EXPECT_EQ(dlg.sampleFont().family(), QStringLiteral("Arial"));
    EXPECT_EQ(dlg.sampleBackColor(), CProperties::ColorWindowBackground);
}

// The dialog opens over the window that opened it, kept on the screen.
TEST(OptionsPlacement, OpensOverItsOpener)
{
    const QRect openers[] = { QRect(0, 0, 300, 200), QRect(420, 300, 360, 280), QRect(100, 80, 500, 400) };
    for (const QRect& at : openers) {
        SCOPED_TRACE(
            QStringLiteral("%1,%2 %3x%4").arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height()).toStdString());
        QWidget opener;
        opener.setGeometry(at);
        opener.show();
        frmOptions dlg(&opener);
        dlg.show();
        const QRect area = opener.screen()->availableGeometry();
        const QSize size = dlg.frameGeometry().size();
        const QPoint wanted = opener.frameGeometry().center() - QPoint(size.width() / 2, size.height() / 2);
        const QPoint expected(
            std::clamp(wanted.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())),
            std::clamp(wanted.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
        EXPECT_LE((dlg.frameGeometry().topLeft() - expected).manhattanLength(), 2);
    }
}

} // namespace
