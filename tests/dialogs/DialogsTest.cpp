// The designer's dialogs: template properties, data field chooser, message
// window, about box, and the Qt common dialogs' help window and filters.
#include <gtest/gtest.h>

#include "dialogs/frmAbout.h"
#include "dialogs/frmIDProperties.h"
#include "dialogs/frmMessage.h"
#include "dialogs/frmSelectDataField.h"
#include "platform/CommonDialog.h"
#include "platform/widgets/ModalRunner.h"
#include "platform/widgets/QtCommonDialog.h"
#include "settings/CTargetApplications.h"
#include "support/TestSupport.h"
#include "template/CPrintData.h"
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace kyt;
using namespace kyt::test;

namespace
{

QString writePicture(const QString& file, int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(qRgb(200, 30, 30));
    img.save(file, "BMP");
    return file;
}

TEST(TemplateProperties, SizesShowAnInchMarkAndReadBackTheirLeadingNumber)
{
    const struct {
        double value;
        const char* text;
    } shown[] = { { 3.375, "3.375\"" }, { 2, "2.0\"" }, { 0.5, "0.5\"" }, { 10.25, "10.25\"" } };
    for (const auto& r : shown)
        EXPECT_EQ(frmIDProperties::inchText(r.value), QLatin1String(r.text));
    const struct {
        const char* text;
        double value;
    } read[] = { { "3.375\"", 3.375 }, { " 2.5 in", 2.5 }, { ".5\"", 0.5 }, { "abc", 0 }, { "", 0 } };
    for (const auto& r : read)
        EXPECT_DOUBLE_EQ(frmIDProperties::leadingNumber(QLatin1String(r.text)), r.value) << r.text;

    frmIDProperties p;
    p.setIdSizeWidth(3.375);
    EXPECT_EQ(p.txtWidth()->text(), QStringLiteral("3.375\""));
    EXPECT_DOUBLE_EQ(p.IdSizeWidth(), 3.375);
    for (int o : { 1, 2, 7 }) {
        p.setOrientation(o);
        EXPECT_EQ(p.Orientation(), o == 1 ? 1 : 2);
    }
    EXPECT_TRUE(p.UserCancel());
}

TEST(TemplateProperties, BackgroundColourPictureAndClear)
{
    ScriptedDialogScope dialogs;
    frmIDProperties p;
    const qint64 before = p.picBackground()->pixmap().cacheKey();
    p.setBackgroundColor(-1);
    EXPECT_EQ(p.picBackground()->pixmap().cacheKey(), before);
    p.setBackgroundColor(0x0000FF); // red
    EXPECT_EQ(p.picBackground()->pixmap().toImage().pixelColor(5, 5), QColor(255, 0, 0));

    dialogs.dialog().queueCancel();
    p.FloodBackground();
    EXPECT_EQ(p.BackgroundColor(), 0x0000FF);
    dialogs.dialog().queueAnswer(CommonDialogAnswer(QColor(0, 0, 255)));
    p.FloodBackground();
    EXPECT_EQ(p.BackgroundColor(), 0xFF0000);

    p.setBackgroundPicture(solidPicture(20, 10, qRgb(0, 0, 0)));
    p.ClearBackground();
    EXPECT_TRUE(p.BackgroundPicture().isNull());
    EXPECT_EQ(p.BackgroundColor(), -1);
}

TEST(TemplateProperties, LargeBackgroundPictureAsksFirst)
{
    QTemporaryDir dir;
    ScriptedDialogScope dialogs;
    ScriptedBoxScope boxes;
    frmIDProperties p;
    const QString small = writePicture(dir.filePath(QStringLiteral("small.bmp")), 50, 50);
    const QString large = writePicture(dir.filePath(QStringLiteral("large.bmp")), 200, 200);
    dialogs.dialog().queueAnswer(CommonDialogAnswer(small));
    p.LoadIDPictureBackground();
    EXPECT_TRUE(boxes.box().asked().empty());
    EXPECT_EQ(p.BackgroundPicture().image().width(), 50);
    EXPECT_EQ(dialogs.dialog().asked()[0].title, QStringLiteral("Load Background Picture"));
    EXPECT_EQ(dialogs.dialog().asked()[0].filter, pictureOpenFilter());
    EXPECT_EQ(dialogs.dialog().asked()[0].filterIndex, PictureOpenFilterIndex);

    dialogs.dialog().queueAnswer(CommonDialogAnswer(large));
    boxes.box().queueAnswer(vbNo);
    p.LoadIDPictureBackground();
    ASSERT_EQ(boxes.box().asked().size(), 1u);
    EXPECT_EQ(boxes.box().asked()[0].title, QStringLiteral("Confirm Large File Load"));
    const QString kb = QString::number(QFileInfo(large).size() / 1000.0, 'f', 2);
    ASSERT_GT(QFileInfo(large).size(), 100000);
    EXPECT_TRUE(boxes.box().asked()[0].prompt.startsWith(
        QStringLiteral("The File you are about to load is ") + kb + QStringLiteral(" Kb.\r\n")))
        << qPrintable(boxes.box().asked()[0].prompt);
    EXPECT_EQ(p.BackgroundPicture().image().width(), 50);
}

TEST(TemplateProperties, TargetListSelectsTheTemplatesTarget)
{
    CTargetApplications targets;
    targets.Add(QStringLiteral("Visitors"), QStringLiteral("Kyt.Visitors"));
    targets.Add(QStringLiteral("Staff"), QStringLiteral("Kyt.Staff"));
    frmIDProperties p;
    p.setTargetApplications(&targets);
    p.setTargetApp(QStringLiteral("Kyt.Staff"));
    p.Setup();
    ASSERT_EQ(p.lstTarget()->count(), 2);
    EXPECT_TRUE(p.lstTarget()->item(1)->isSelected());
    EXPECT_EQ(p.lblDescription()->text(), QStringLiteral("Staff"));
    emit p.lstTarget()->itemClicked(p.lstTarget()->item(0));
    EXPECT_EQ(p.TargetApp(), QStringLiteral("Kyt.Visitors"));
    EXPECT_FALSE(p.lstTarget()->item(1)->isSelected());
}

TEST(SelectDataField, ListsTheKeysAndSelectsTheCurrentName)
{
    CPrintData data;
    data.Add(QStringLiteral("FirstName"), QStringLiteral("Ann"));
    data.Add(QStringLiteral("Badge"), 7);
    frmSelectDataField f;
    EXPECT_TRUE(f.UserCancel());
    f.Setup(QStringLiteral("Badge"), data);
    ASSERT_EQ(f.lstDescription()->count(), 2);
    EXPECT_TRUE(f.lstDescription()->item(1)->isSelected());
    f.Setup(QStringLiteral("Unknown"), data);
    EXPECT_TRUE(f.lstDescription()->selectedItems().isEmpty());
    f.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    EXPECT_FALSE(f.UserCancel());
    EXPECT_EQ(f.Description(), QStringLiteral("Unknown"));
}

TEST(SelectDataField, PrintDataAsksTheChooser)
{
    CPrintData data;
    data.Add(QStringLiteral("LastName"), QStringLiteral("Smith"));
    const struct {
        const char* button;
        bool chosen;
    } rows[] = { { "cmdOk", true }, { "cmdCancel", false } };
    for (const auto& r : rows) {
        const QString button = QLatin1String(r.button);
        ModalRunner previous = setModalRunner([&](QDialog& dialog) {
            auto& chooser = dynamic_cast<frmSelectDataField&>(dialog);
            emit chooser.lstDescription()->itemClicked(chooser.lstDescription()->item(0));
            chooser.findChild<QPushButton*>(button)->click();
        });
        QString name = QStringLiteral("Old");
        EXPECT_EQ(data.SelectDataField(name), r.chosen);
        EXPECT_EQ(name, r.chosen ? QStringLiteral("LastName") : QStringLiteral("Old"));
        setModalRunner(previous);
    }
}

TEST(SmallDialogs, MessageWindowAndAboutBox)
{
    frmMessage m;
    m.setMessage(QStringLiteral("Printing"));
    m.setAllowCancel(false);
    EXPECT_TRUE(m.cmdCancel()->isHidden());
    m.setAllowCancel(true);
    m.cmdCancel()->click();
    EXPECT_TRUE(m.Cancel());
    EXPECT_EQ(m.windowTitle(), QStringLiteral("Message to User"));

    frmAbout a;
    EXPECT_EQ(a.windowTitle(), QStringLiteral("About KYTPreview"));
    EXPECT_TRUE(a.lblProduct()->text().startsWith(QStringLiteral("KYTPreview 8.1.")));
    EXPECT_FALSE(a.cmdMoreInfo()->isHidden());
    EXPECT_EQ(frmAbout::fadeLevel(0, 640), 240);
    EXPECT_EQ(frmAbout::fadeLevel(320, 640), 118);
    EXPECT_EQ(frmAbout::fadeLevel(640, 640), 0);
    ScriptedBoxScope boxes;
    a.cmdMoreInfo_Click();
    ASSERT_EQ(boxes.box().asked().size(), 1u);
    EXPECT_TRUE(boxes.box().asked()[0].prompt.contains(QStringLiteral("\r\n")));
}

TEST(CommonDialogs, FiltersAndDefaultSuffix)
{
    EXPECT_EQ(QtCommonDialog::qtFilters(QStringLiteral("KyT Templates(*.tpl)|*.tpl")),
        QStringList { QStringLiteral("KyT Templates(*.tpl)") });
    EXPECT_EQ(QtCommonDialog::qtFilters(QStringLiteral("Bitmaps(*.bmp)|*.bmp|All|*.bmp;*.jpg")).last(),
        QStringLiteral("All (*.bmp *.jpg)"));
    EXPECT_EQ(QtCommonDialog::defaultSuffix(QStringLiteral("KyT Templates(*.tpl)|*.tpl"), 1), QStringLiteral("tpl"));
    EXPECT_EQ(QtCommonDialog::defaultSuffix(QStringLiteral("All|*.bmp;*.jpg"), 1), QString());
}

TEST(CommonDialogs, HelpWindowHasContentsAndKeywordSearch)
{
    HelpWindow help;
    help.showHelp(QtCommonDialog::helpFile(), HelpContents, QString());
    const QStringList contents = help.contents();
    ASSERT_GE(contents.size(), 5);
    EXPECT_EQ(contents.first(), QStringLiteral("KYTPreview Designer Help"));
    EXPECT_EQ(help.currentPage(), QStringLiteral("index.html"));
    const QStringList hits = help.search(QStringLiteral("barcode"));
    ASSERT_FALSE(hits.isEmpty());
    EXPECT_EQ(hits.first(), QStringLiteral("Data fields and barcodes"));
    EXPECT_TRUE(
        help.search(QStringLiteral("duplex ruler")).contains(QStringLiteral("The designer window and its menus")));
    EXPECT_TRUE(help.search(QStringLiteral("xylophone")).isEmpty());
}

} // namespace
