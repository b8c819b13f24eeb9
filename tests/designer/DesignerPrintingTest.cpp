// The designer's Tools > Options, print set-up and print preview, also
// inside a host's Preview control.
#include <gtest/gtest.h>

#include "designer/DesignerTestSupport.h"
#include "settings/SettingsTestSupport.h"

#include "control/Preview.h"
#include "designer/DesignControl.h"
#include "designer/DesignerPrinter.h"
#include "designer/frmPrintPreview.h"
#include "dialogs/frmOptions.h"
#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace kyt;
using namespace kyt::test;

namespace
{

QFont serif12()
{
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPointSizeF(12);
    f.setBold(true);
    return f;
}

// Answers the options dialog: a new default font, then OK.
void chooseSerifFont(QDialog& dialog, ScriptedCommonDialog& dialogs)
{
    auto* options = qobject_cast<frmOptions*>(&dialog);
    ASSERT_NE(options, nullptr);
    dialogs.queueAnswer(CommonDialogAnswer(serif12()));
    options->cmdFont()->click();
    options->txtWidth()->setText(QStringLiteral("4\""));
    options->cmdOK()->click();
}

TEST(DesignerPrinting, NewTextAndNewTemplateTakeTheDefaultsChosenInOptions)
{
    StoreScope stores; // the defaults changed here stay in this test
    Designer d;
    d.showBlank();
    ModalScope modal([&](QDialog& dialog) { chooseSerifFont(dialog, d.dialogs.dialog()); });
    d.window.menuAction(QStringLiteral("mnuToolsOptions"))->trigger();
    EXPECT_EQ(d.properties.DefaultFontName(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(d.properties.DefaultFontSize(), 12.0);

    DesignControl* text = d.place(QStringLiteral("Text"), 0.3, 0.3, 2.0, 0.7);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->FontName(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(text->FontSize(), 12.0);
    EXPECT_TRUE(text->FontBold());

    // A new template: the properties dialog is answered with OK.
    d.window.currentTemplate()->setDataChanged(false);
    ModalScope acceptProperties([](QDialog& dialog) {
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("cmdOk"));
        ASSERT_NE(ok, nullptr);
        ok->click();
    });
    d.boxes.box().queueAnswer(vbNo); // do not save the old one
    d.window.menuAction(QStringLiteral("mnuIDNew"))->trigger();
    ASSERT_TRUE(d.window.currentTemplate());
    EXPECT_EQ(d.window.currentTemplate()->Width(), 4.0);
}

TEST(DesignerPrinting, PrintSetupStartsInTheTemplatesOrientation)
{
    StoreScope stores; // the defaults changed here stay in this test
    Designer d;
    auto t = d.showBlank();
    t->setOrientation(2);
    DesignerPrinter::setOrientation(1);
    d.dialogs.dialog().queueAnswer(CommonDialogAnswer(PrinterChoice { QStringLiteral("Desk"), 2, 1 }));
    d.window.menuAction(QStringLiteral("mnuIDPrintSetup"))->trigger();
    ASSERT_EQ(d.dialogs.dialog().asked().size(), 1u);
    EXPECT_EQ(d.dialogs.dialog().asked()[0].kind, CommonDialogKind::PrinterSetup);
    EXPECT_EQ(d.dialogs.dialog().asked()[0].orientation, 2);
    EXPECT_EQ(DesignerPrinter::queue(), QStringLiteral("Desk"));
    DesignerPrinter::setQueue(QString());
}

TEST(DesignerPrinting, PrintPreviewShowsTheControlsAsTheyAreNow)
{
    StoreScope stores; // the defaults changed here stay in this test
    Designer d;
    auto t = d.showBlank(3.375, 2.125, true);
    DesignControl* box = d.place(QStringLiteral("Rectangle"), 0.5, 0.5, 1.5, 1.0);
    ASSERT_NE(box, nullptr);
    const bool changed = t->DataChanged();
    QSizeF pictureInches;
    float boxLeft = -1;
    QString caption;
    ModalScope modal([&](QDialog& dialog) {
        auto* preview = qobject_cast<frmPrintPreview*>(&dialog);
        ASSERT_NE(preview, nullptr);
        caption = preview->windowTitle();
        pictureInches = preview->picIDInches();
        for (const auto& object : *preview->ID())
            if (object->ObjectType().startsWith(QStringLiteral("Rect"), Qt::CaseInsensitive))
                boxLeft = object->left();
        preview->cmdClose()->click();
    });
    d.window.menuAction(QStringLiteral("mnuIDPrint"))->trigger();
    EXPECT_EQ(caption, QStringLiteral("ID Print Preview"));
    EXPECT_DOUBLE_EQ(pictureInches.width(), 3.375);
    EXPECT_DOUBLE_EQ(pictureInches.height(), 4.25);
    EXPECT_NEAR(boxLeft, 0.5, 0.02);
    EXPECT_EQ(t->DataChanged(), changed);
}

TEST(DesignerPrinting, OptionsAndPreviewWorkInsideAHostsDesigner)
{
    StoreScope stores;
    ScriptedBoxScope boxes;
    ScriptedDialogScope dialogs;
    Preview host;
    auto t = host.CreatePrintTemplate();
    t->setWidth(3.375);
    t->setHeight(2.125);
    bool previewed = false;
    ModalScope modal([&](QDialog& dialog) {
        if (auto* preview = qobject_cast<frmPrintPreview*>(&dialog)) {
            previewed = preview->PreviewImage().image().width() == 325;
            preview->cmdClose()->click();
        } else {
            chooseSerifFont(dialog, dialogs.dialog());
        }
    });
    QTimer::singleShot(0, &host, [&] {
        host.designer()->menuAction(QStringLiteral("mnuToolsOptions"))->trigger();
        host.designer()->menuAction(QStringLiteral("mnuIDPrint"))->trigger();
        host.designer()->close();
    });
    host.EditTemplate(t);
    EXPECT_TRUE(previewed);
    ASSERT_NE(host.Properties(), nullptr);
    EXPECT_EQ(host.Properties()->DefaultFontName(), QStringLiteral("DejaVu Serif"));
}

} // namespace
