// Barcode properties dialog: the type list, the selection by number, the
// font button with its cancel rule, Ok and Cancel.
#include <gtest/gtest.h>

#include "barcode/Symbol.h"
#include "dialogs/frmBarcodeProp.h"
#include "platform/CommonDialog.h"
#include "support/TestSupport.h"
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace kyt;

TEST(BarcodeProp, TypeListHasAnEmptyItemThenTheTypeWordsThenTheSymbols)
{
    frmBarcodeProp dlg;
    dlg.Setup();
    auto* cbo = dlg.findChild<QComboBox*>(QStringLiteral("cboBarcodeType"));
    ASSERT_NE(cbo, nullptr);
    const int symbols = int(symbologies().size());
    ASSERT_EQ(cbo->count(), 4 + symbols);
    const QStringList words { QString(), QStringLiteral("3of9"), QStringLiteral("128B"), QStringLiteral("128C") };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(cbo->itemText(i), words[i]);
        EXPECT_EQ(cbo->itemData(i).toInt(), i);
    }
    EXPECT_EQ(cbo->itemText(4), QStringLiteral("QR Code"));
    for (int i = 0; i < symbols; ++i) {
        EXPECT_EQ(cbo->itemText(4 + i), QLatin1String(symbologies()[size_t(i)].name));
        EXPECT_EQ(cbo->itemData(4 + i).toInt(), symbologies()[size_t(i)].type);
    }
    dlg.Setup(); // a second Setup starts the list afresh
    EXPECT_EQ(cbo->count(), 4 + symbols);
}

// The symbol options are offered where they apply and read back as set.
TEST(BarcodeProp, SymbolOptions)
{
    struct Row {
        qint32 type;
        bool frame, ec, hrt;
        int ecItems;
    } rows[] = { { 2, false, false, false, 1 }, { 10, true, true, false, 5 }, { 12, true, true, false, 10 },
        { 22, true, false, true, 1 }, { 11, true, false, false, 1 } };
    for (const Row& r : rows) {
        frmBarcodeProp dlg;
        dlg.setBarcodeType(r.type);
        dlg.setErrorCorrection(r.ec ? 3 : 0);
        dlg.setHumanReadable(r.hrt ? 2 : 0);
        dlg.setRotation(270);
        dlg.setModuleSize(0.015f);
        dlg.Setup();
        auto* ec = dlg.findChild<QComboBox*>(QStringLiteral("cboErrorCorrection"));
        auto* hrt = dlg.findChild<QComboBox*>(QStringLiteral("cboHumanReadable"));
        ASSERT_TRUE(ec && hrt && dlg.findChild<QComboBox*>(QStringLiteral("cboRotation"))
            && dlg.findChild<QLineEdit*>(QStringLiteral("txtModuleSize")));
        EXPECT_EQ(dlg.findChild<QWidget*>(QStringLiteral("fraSymbol"))->isEnabled(), r.frame) << r.type;
        EXPECT_EQ(ec->isEnabled(), r.ec) << r.type;
        EXPECT_EQ(hrt->isEnabled(), r.hrt) << r.type;
        EXPECT_EQ(ec->count(), r.ecItems) << r.type;
        EXPECT_EQ(dlg.BarcodeType(), r.type);
        EXPECT_EQ(dlg.ErrorCorrection(), r.ec ? 3 : 0);
        EXPECT_EQ(dlg.HumanReadable(), r.hrt ? 2 : 0);
        EXPECT_EQ(dlg.Rotation(), 270);
        EXPECT_FLOAT_EQ(dlg.ModuleSize(), 0.015f);
        // Through a control tag and back.
        QString tag = QStringLiteral("Zorder=1;BC=True;");
        dlg.writeSymbolTag(tag);
        frmBarcodeProp again;
        again.readSymbolTag(tag);
        again.setBarcodeType(r.type);
        again.Setup();
        EXPECT_EQ(again.ErrorCorrection(), dlg.ErrorCorrection());
        EXPECT_EQ(again.HumanReadable(), dlg.HumanReadable());
        EXPECT_EQ(again.Rotation(), 270);
        EXPECT_FLOAT_EQ(again.ModuleSize(), 0.015f);
    }
}

class BarcodePropType : public ::testing::TestWithParam<std::pair<int, int>>
{
};

TEST_P(BarcodePropType, PresetTypeIsReadBack)
{
    frmBarcodeProp dlg;
    dlg.setBarcodeType(GetParam().first);
    dlg.Setup();
    EXPECT_EQ(dlg.BarcodeType(), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Types, BarcodePropType,
    ::testing::Values(
        std::pair { 0, 0 }, std::pair { 1, 1 }, std::pair { 3, 3 }, std::pair { 4, -1 }, std::pair { -2, -1 }));

namespace
{

struct FontDialogFixture : ::testing::Test {
    std::shared_ptr<ScriptedCommonDialog> dialog = std::make_shared<ScriptedCommonDialog>();
    frmBarcodeProp dlg;
    void SetUp() override
    {
        dlg.setDialogBox(dialog.get());
        dlg.setBarCodeFontName(QStringLiteral("Arial"));
        dlg.setBarCodeFontSize(12);
        dlg.setBarCodeFontBold(true);
        dlg.Setup();
    }
    void clickFonts()
    {
        QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("cmdListFonts")), Qt::LeftButton);
    }
};

} // namespace

TEST_F(FontDialogFixture, ChosenFontIsTaken)
{
    QFont chosen(QStringLiteral("KYT Code 39"));
    chosen.setPointSize(24);
    chosen.setItalic(true);
    dialog->queueAnswer(CommonDialogAnswer(chosen));
    clickFonts();
    ASSERT_EQ(dialog->asked().size(), 1u);
    const CommonDialogRequest& asked = dialog->asked()[0];
    EXPECT_EQ(asked.kind, CommonDialogKind::Font);
    EXPECT_EQ(asked.flags, 2);
    EXPECT_EQ(asked.font.family(), QStringLiteral("Arial"));
    EXPECT_EQ(asked.font.pointSize(), 12);
    EXPECT_TRUE(asked.font.bold());
    EXPECT_EQ(dlg.BarCodeFontName(), QStringLiteral("KYT Code 39"));
    EXPECT_EQ(dlg.findChild<QLineEdit*>(QStringLiteral("txtFontName"))->text(), QStringLiteral("KYT Code 39"));
    EXPECT_EQ(dlg.BarCodeFontSize(), 24);
    EXPECT_FALSE(dlg.BarCodeFontBold());
    EXPECT_TRUE(dlg.BarCodeFontItalic());
}

TEST_F(FontDialogFixture, CancelKeepsTheFont)
{
    dialog->queueCancel();
    clickFonts();
    EXPECT_EQ(dialog->asked().size(), 1u);
    EXPECT_EQ(dlg.BarCodeFontName(), QStringLiteral("Arial"));
    EXPECT_EQ(dlg.BarCodeFontSize(), 12);
    EXPECT_TRUE(dlg.BarCodeFontBold());
}

TEST(BarcodeProp, OkAndCancelSetUserCanceledAndHide)
{
    for (const bool cancel : { true, false }) {
        frmBarcodeProp dlg;
        dlg.setPrefix(QStringLiteral("*"));
        dlg.Setup();
        dlg.show();
        auto* cbo = dlg.findChild<QComboBox*>(QStringLiteral("cboBarcodeType"));
        cbo->setCurrentIndex(3);
        QTest::keyClicks(dlg.findChild<QLineEdit*>(QStringLiteral("txtPostfix")), QStringLiteral("+"));
        QTest::mouseClick(dlg.findChild<QPushButton*>(cancel ? QStringLiteral("cmdCancel") : QStringLiteral("cmdOk")),
            Qt::LeftButton);
        EXPECT_EQ(dlg.UserCanceled(), cancel);
        EXPECT_FALSE(dlg.isVisible());
        EXPECT_EQ(dlg.BarcodeType(), 3);
        EXPECT_EQ(dlg.Prefix(), QStringLiteral("*"));
        EXPECT_EQ(dlg.Postfix(), QStringLiteral("+"));
    }
}

TEST(BarcodeProp, OkWithoutATypeAsksForOne)
{
    test::ScriptedBoxScope boxes;
    frmBarcodeProp dlg;
    dlg.Setup(); // no type yet: the empty item
    dlg.show();
    QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
    ASSERT_EQ(boxes.box().asked().size(), 1u);
    EXPECT_TRUE(boxes.box().asked()[0].prompt.contains(QStringLiteral("barcode type")));
    EXPECT_TRUE(dlg.isVisible());
    dlg.findChild<QComboBox*>(QStringLiteral("cboBarcodeType"))->setCurrentIndex(2);
    QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_FALSE(dlg.UserCanceled());
    EXPECT_EQ(dlg.BarcodeType(), 2);
}

TEST(BarcodeProp, EscapeIsCancel)
{
    frmBarcodeProp dlg;
    dlg.Setup();
    dlg.show();
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_TRUE(dlg.UserCanceled());
}

TEST(BarcodeProp, CaptionsAndTips)
{
    frmBarcodeProp dlg;
    const std::pair<const char*, const char*> tips[] = { { "txtPrefix", "Prefix Barcode with Text String" },
        { "txtPostfix", "Postfix Barcode with Text String" }, { "cboBarcodeType", "Barcod Type" },
        { "txtFontName", "Name of Font to use for Barcode" }, { "cmdListFonts", "Select Barcode Font" } };
    for (const auto& [name, tip] : tips) {
        auto* w = dlg.findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr) << name;
        EXPECT_EQ(w->toolTip(), QString::fromLatin1(tip));
    }
    EXPECT_EQ(dlg.findChild<QPushButton*>(QStringLiteral("cmdOk"))->text(), QStringLiteral("&Ok"));
    EXPECT_EQ(dlg.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->text(), QStringLiteral("&Cancel"));
    EXPECT_EQ(dlg.findChild<QPushButton*>(QStringLiteral("cmdListFonts"))->text(), QStringLiteral("..."));
}

// Choosing a type while the font is a text font brings the bundled barcode
// font for it; a barcode font the person chose stays.
TEST(BarcodeProp, ChosenTypeBringsABarcodeFontAlong)
{
    const struct {
        const char* font;
        int chosen;
        const char* expected;
    } rows[] = {
        { "Arial", 2, "KYT Code128" },
        { "Arial", 3, "KYT Code128" },
        { "Arial", 1, "KYT 3of9" },
        { "", 1, "KYT 3of9" },
        { "Arial", 0, "Arial" },
        { "KYT 3of9", 2, "KYT Code128" },
        { "KYT Code128", 1, "KYT 3of9" },
        { "KYT Code128", 3, "KYT Code128" },
        { "Free 3 of 9 Extended", 2, "Free 3 of 9 Extended" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.font) + " " + std::to_string(row.chosen));
        frmBarcodeProp dlg;
        dlg.setBarCodeFontName(QLatin1String(row.font));
        dlg.setBarCodeFontSize(10);
        dlg.setBarCodeFontBold(true);
        dlg.setBarcodeType(row.chosen == 0 ? 1 : 0);
        dlg.Setup();
        EXPECT_EQ(dlg.BarCodeFontName(), QLatin1String(row.font)); // Setup alone changes nothing
        dlg.findChild<QComboBox*>(QStringLiteral("cboBarcodeType"))->setCurrentIndex(row.chosen);
        EXPECT_EQ(dlg.BarCodeFontName(), QLatin1String(row.expected));
        const bool replaced = QLatin1String(row.font) != QLatin1String(row.expected);
        EXPECT_EQ(dlg.BarCodeFontBold(), !replaced); // no synthetic bold on bars
        EXPECT_EQ(dlg.BarCodeFontSize(), 10);
    }
}

TEST(BarcodeProp, PreselectedFontStillGoesThroughTheFontButtonAndCancel)
{
    ScriptedCommonDialog dialog;
    frmBarcodeProp dlg;
    dlg.setDialogBox(&dialog);
    dlg.setBarCodeFontName(QStringLiteral("Arial"));
    dlg.Setup();
    dlg.show();
    dlg.findChild<QComboBox*>(QStringLiteral("cboBarcodeType"))->setCurrentIndex(2);
    dialog.queueCancel();
    QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("cmdListFonts")), Qt::LeftButton);
    ASSERT_EQ(dialog.asked().size(), 1u);
    EXPECT_EQ(dialog.asked()[0].font.family(), QStringLiteral("KYT Code128"));
    EXPECT_EQ(dlg.BarCodeFontName(), QStringLiteral("KYT Code128"));
    QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
    EXPECT_TRUE(dlg.UserCanceled());
}
