// The designer window: placing objects with the tools, the document
// commands and their questions, the controls bridge round trip, the
// surface's rulers, grid and pixels, closing and drag and drop.
#include <gtest/gtest.h>

#include "designer/COutline.h"
#include "designer/DesignCanvas.h"
#include "designer/DesignerTestSupport.h"
#include "dialogs/frmIDProperties.h"
#include "objects/CDataObject.h"
#include "objects/CLineObject.h"
#include "objects/CLogoObject.h"
#include "objects/CPhotoObject.h"
#include "objects/CRectangleObject.h"
#include "objects/CTextObject.h"
#include "platform/surface/PictureBoxSurface.h"
#include "util/Strings.h"
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

using namespace kyt;
using namespace kyt::test;

namespace
{

QStringList tokenStrings(const CPrintTemplate& t)
{
    QStringList out;
    for (const auto& o : t)
        out << o->ObjectType() + QLatin1Char(':') + o->TokenString();
    return out;
}

QByteArray fileBytes(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A card with every kind of object, in drawing order, a parse string last.
std::shared_ptr<CPrintTemplate> everyKindTemplate(const std::shared_ptr<CError>& error)
{
    auto t = std::make_shared<CPrintTemplate>();
    t->setError(error);
    t->setWidth(3.375);
    t->setHeight(2.125);
    t->setOrientation(2);
    auto add
        = [&](const char* type, const QString& token) { t->AddObject(QLatin1String(type))->setTokenString(token); };
    const QChar s(1);
    auto tok = [&](std::initializer_list<const char*> fields) {
        QString r;
        for (const char* f : fields)
            r += QLatin1String(f) + s;
        return r;
    };
    add("Rectangle", tok({ "0", "0", "3.375", "0.5", "1", "0", "16711680", "0" }));
    add("Photo", tok({ "0.6", "0.1", "1", "1.25", "2", "1", "True" }));
    auto logo = std::static_pointer_cast<CLogoObject>(t->AddObject(QStringLiteral("Logo")));
    logo->setTokenString(tok({ "0.05", "2.5", "0.75", "0.4", "3", "1", "0", "False" }));
    logo->setImage(solidPicture(40, 20, qRgb(10, 200, 30)));
    add("Line", tok({ "1.9", "0.1", "3.1", "0.02", "4", "255" }));
    add("Text",
        tok({ "0.6", "1.3", "1.9", "0.3", "5", "0", "2", "16777215", "0", "Visitor", "True", "False", "False", "False",
            "Arial", "14", "True", "False", "0", "", "", "False" }));
    add("Data",
        tok({ "1.0", "1.3", "1.9", "0.3", "6", "1", "0", "16777215", "128", "LastName", "False", "True", "False",
            "False", "Arial", "10", "False", "False", "0", "", "", "True" }));
    add("Data",
        tok({ "1.4", "1.3", "1.9", "0.4", "7", "0", "0", "16777215", "0", "BadgeNo", "False", "False", "False", "False",
            "KYT Code128", "24", "True", "True", "2", "*", "*", "False" }));
    t->CreateParseString(QStringLiteral("[LastName], [FirstName]"));
    return t;
}

TEST(Designer, MenusStartInTheirDesignTimeState)
{
    Designer d;
    frmPreview& w = d.window;
    EXPECT_EQ(w.windowTitle(), QStringLiteral("KyT Previewer"));
    for (const char* name : { "mnuIDClose", "mnuIDSave", "mnuIDSaveAs", "mnuIDPrint", "mnuIDProperties",
             "mnuOptionsBarcodeProp", "mnuOptionsMagstripe", "mnuOptionsSmartCard" })
        EXPECT_FALSE(w.menuAction(QLatin1String(name))->isEnabled()) << name;
    EXPECT_FALSE(w.mnuMethods()->menuAction()->isVisible());
    const struct {
        const char* name;
        const char* caption;
    } captions[] = { { "mnuID", "&ID" }, { "mnuIDNew", "&New" }, { "mnuIDOpen", "&Open..." },
        { "mnuIDClose", "&Close ID" }, { "mnuIDSave", "&Save" }, { "mnuIDSaveAs", "Save &As..." },
        { "mnuIDPrintSetup", "Print Set&up..." }, { "mnuIDPrint", "&Print Preview..." },
        { "mnuIDShowGrid", "&Show Grid" }, { "mnuIDProperties", "Properties..." }, { "mnuIDCloseWin", "E&xit" },
        { "mnuTools", "&Tools" }, { "mnuToolsOptions", "&Options" }, { "mnuHelp", "&Help" },
        { "mnuHelpConstant", "&Contents" }, { "mnuHelpSearch", "Search for Help On..." },
        { "mnuHelpAbout", "&About Previewer" }, { "mnuOptionsUserField", "Data &Field..." },
        { "mnuOptionsBackColor", "Background &Color..." }, { "mnuOptionsForeColor", "Fore&ground Color..." },
        { "mnuEditUndo", "&Undo" }, { "mnuEditRedo", "&Redo" } };
    for (const auto& c : captions)
        EXPECT_EQ(w.menuAction(QLatin1String(c.name))->text(), QLatin1String(c.caption)) << c.name;
    EXPECT_EQ(w.WhichButtonDown(), QStringLiteral("Pointer"));
}

TEST(Designer, EachToolPlacesItsObjectWithTheDefaults)
{
    const struct {
        const char* tool;
        const char* caption;
        const char* tag;
        qint32 backColor;
    } rows[] = {
        { "Photo", "", "Zorder=1;", 0xFFFFFF },
        { "Logo", "", "Zorder=1;", 0xFFFFFF },
        { "Rectangle", "", "Zorder=1;", 0xFF0000 },
        { "Data", "<Load Data Field>", "FTF=True;Zorder=1;", 0x00FFFF },
        { "Text", "<Enter Text>", "FTF=True;Zorder=1;", 0x00FFFF },
        { "Line", "", "Zorder=1;", 0xFFFFFF },
    };
    for (const auto& row : rows) {
        Designer d;
        d.properties.setDefaultFontToFit(true);
        d.properties.setDefaultBackground(0x00FFFF);
        d.properties.setDefaultForeGround(0x0000FF);
        d.properties.setDefualtTransparent(false);
        d.properties.setDefaultFontName(QStringLiteral("Arial"));
        d.properties.setDefaultFontSize(12);
        auto t = d.showBlank();
        DesignControl* c = d.place(QLatin1String(row.tool), 1.0, 0.5, 0.25, 1.5); // right to left, bottom up
        ASSERT_NE(c, nullptr) << row.tool;
        EXPECT_EQ(c->Index(), 0) << row.tool;
        EXPECT_NEAR(c->left(), 0.25, 1e-4) << row.tool;
        EXPECT_NEAR(c->top(), 0.5, 1e-4) << row.tool;
        if (QLatin1String(row.tool) == QLatin1String("Line")) {
            EXPECT_NEAR(c->Width(), 0.02, 1e-4); // taller than wide: a vertical line
            EXPECT_NEAR(c->Height(), 1.0, 1e-4);
        } else {
            EXPECT_NEAR(c->Width(), 0.75, 1e-4) << row.tool;
            EXPECT_NEAR(c->Height(), 1.0, 1e-4) << row.tool;
        }
        EXPECT_EQ(c->Caption(), QLatin1String(row.caption)) << row.tool;
        EXPECT_EQ(c->Tag(), QLatin1String(row.tag)) << row.tool;
        EXPECT_EQ(c->BackColor(), row.backColor) << row.tool;
        if (c->kind() == DesignControl::Kind::Text || c->kind() == DesignControl::Kind::Data) {
            EXPECT_EQ(c->ForeColor(), 0x0000FF);
            EXPECT_EQ(c->BackStyle(), 1);
            EXPECT_EQ(c->FontSize(), 12);
        }
        EXPECT_TRUE(t->Dirty()) << row.tool;
        EXPECT_EQ(d.window.WhichButtonDown(), QStringLiteral("Pointer")) << row.tool;
        EXPECT_EQ(d.window.outline()->selectedControl(), c) << row.tool;
        EXPECT_EQ(d.window.findChild<QAction*>(QStringLiteral("tlbObjectsPhoto"))->isEnabled(),
            QLatin1String(row.tool) != QLatin1String("Photo"));
    }
}

TEST(Designer, SecondObjectOfAKindLoadsTheNextElementAndAClickMakesATenthInch)
{
    Designer d;
    d.showBlank();
    DesignControl* first = d.place(QStringLiteral("Text"), 0.2, 0.2, 1.2, 0.5);
    DesignControl* second = d.place(QStringLiteral("Text"), 1.5, 1.5, 1.5, 1.5);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(first->Index(), 0);
    EXPECT_EQ(second->Index(), 1);
    EXPECT_NEAR(second->Width(), 0.1, 1e-6);
    EXPECT_NEAR(second->Height(), 0.1, 1e-6);
    EXPECT_EQ(GetTagValue(second->Tag(), QStringLiteral("Zorder")), QStringLiteral("2"));
}

TEST(Designer, EveryObjectKindSurvivesOpenAndSaveUnchanged)
{
    QTemporaryDir dir;
    const QString made = dir.filePath(QStringLiteral("every.tpl"));
    ASSERT_TRUE(everyKindTemplate(quietError())->SaveFile(made));
    for (const QString& a : { made, QStringLiteral(KYT_SOURCE_DIR "/examples/sample_card.tpl") }) {
        Designer d;
        const QString b = dir.filePath(QStringLiteral("resaved.tpl"));
        d.window.OpenID(a);
        ASSERT_TRUE(d.window.currentTemplate()) << qPrintable(a);
        d.dialogs.dialog().queueAnswer(CommonDialogAnswer(b));
        d.window.SaveID(false);
        EXPECT_EQ(d.boxes.box().asked().size(), 0u) << qPrintable(a);
        EXPECT_EQ(fileBytes(b), fileBytes(a)) << qPrintable(a);
        CPrintTemplate original, reread;
        ASSERT_TRUE(original.ReadFile(a));
        ASSERT_TRUE(reread.ReadFile(b));
        EXPECT_EQ(tokenStrings(reread), tokenStrings(original));
    }
}

TEST(Designer, PlacedObjectsSaveReopenAndKeepTheirTokens)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("card.tpl"));
    QStringList saved;
    {
        Designer d;
        d.showBlank();
        d.place(QStringLiteral("Rectangle"), 0, 0, 3.375, 0.5);
        d.place(QStringLiteral("Photo"), 0.1, 0.6, 1.1, 1.9);
        DesignControl* text = d.place(QStringLiteral("Text"), 1.3, 0.7, 3.2, 1.0);
        text->setCaption(QStringLiteral("VISITOR"));
        DesignControl* data = d.place(QStringLiteral("Data"), 1.3, 1.1, 3.2, 1.4);
        data->setTag(data->Tag() + QStringLiteral("Key=LastName;"));
        d.dialogs.dialog().queueAnswer(CommonDialogAnswer(file));
        d.window.SaveID(true); // no name yet: the Save dialog asks
        ASSERT_EQ(d.dialogs.dialog().asked().size(), 1u);
        EXPECT_EQ(d.dialogs.dialog().asked()[0].title, QStringLiteral("Save Template"));
        EXPECT_EQ(d.dialogs.dialog().asked()[0].filter, QStringLiteral("KyT Templates(*.tpl)|*.tpl"));
        EXPECT_EQ(d.dialogs.dialog().asked()[0].flags, 2054);
        EXPECT_EQ(d.window.windowTitle(), QStringLiteral("KyTDesign ...\\card.tpl"));
        saved = tokenStrings(*d.window.currentTemplate());
        EXPECT_EQ(saved.size(), 4);
    }
    Designer d;
    d.window.OpenID(file);
    EXPECT_EQ(d.window.windowTitle(), QStringLiteral("KYTPreview ...\\card.tpl"));
    EXPECT_EQ(d.window.Text().Item(0)->Caption(), QStringLiteral("VISITOR"));
    d.window.currentTemplate()->ControlstoAttributes(d.window);
    EXPECT_EQ(tokenStrings(*d.window.currentTemplate()), saved);
}

TEST(Designer, DuplexSurfaceIsTwiceAsHighAndTheBackRulerStartsAgain)
{
    Designer d;
    d.showBlank(3, 2, true);
    EXPECT_FLOAT_EQ(d.surface().surfaceHeight(), 4.0f);
    EXPECT_EQ(d.surface().height(), 4 * 96);
    auto* canvas = d.window.findChild<DesignCanvas*>();
    const QStringList left = canvas->leftRulerLabels();
    ASSERT_EQ(left.size(), 17);
    EXPECT_EQ(left[7], QStringLiteral("1.75"));
    EXPECT_EQ(left[8], QStringLiteral("0.00"));
    EXPECT_EQ(left[16], QStringLiteral("2.00"));
    EXPECT_EQ(canvas->topRulerLabels().last(), QStringLiteral("3.00"));
    d.window.setZoom(2.0);
    EXPECT_EQ(d.surface().height(), 8 * 96);
}

TEST(Designer, BandFromOrToTheSurfaceCornerStartsThere)
{
    struct Band {
        double x0, y0, x1, y1;
    };
    for (const Band& b : { Band { 0, 0, 1, 0.5 }, Band { 1, 0.5, 0, 0 } }) {
        Designer d;
        d.showBlank();
        DesignControl* c = d.place(QStringLiteral("Rectangle"), b.x0, b.y0, b.x1, b.y1);
        ASSERT_NE(c, nullptr);
        EXPECT_NEAR(c->left(), 0, 0.011) << b.x0;
        EXPECT_NEAR(c->top(), 0, 0.011) << b.x0;
        EXPECT_NEAR(c->Width(), 1, 0.011) << b.x0;
        EXPECT_NEAR(c->Height(), 0.5, 0.011) << b.x0;
    }
}

TEST(Designer, BandDrawnOverAnObjectSelectsTheNewObject)
{
    Designer d;
    d.showBlank();
    DesignControl* below = d.place(QStringLiteral("Rectangle"), 0.2, 0.2, 2.5, 1.5);
    DesignControl* placed = d.place(QStringLiteral("Text"), 0.5, 0.5, 1.5, 1.0);
    ASSERT_TRUE(below && placed);
    EXPECT_EQ(d.window.outline()->selectedControl(), placed);
    // A plain click on the object beneath still selects it.
    QTest::mouseClick(below, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(d.window.outline()->selectedControl(), below);
}

TEST(Designer, SurfacePixelsShowTheObjectWhereTheBandWasAndTheGridAtEachZoom)
{
    for (double zoom : { 1.0, 2.0 }) {
        Designer d;
        d.showBlank(3, 2);
        d.window.setZoom(zoom);
        d.place(QStringLiteral("Rectangle"), 0.5, 0.5, 1.5, 1.0);
        d.window.outline()->Unselect();
        const QImage img = d.surface().grab().toImage();
        const double ppi = 96 * zoom;
        auto at = [&](double x, double y) { return QColor(img.pixel(int(x * ppi), int(y * ppi))); };
        EXPECT_EQ(at(1.0, 0.75), QColor(0, 0, 255)) << zoom;
        EXPECT_EQ(at(0.45, 0.75).blue() == 255 && at(0.45, 0.75).red() == 0, false) << zoom;
        EXPECT_NE(at(1.55, 0.75), QColor(0, 0, 255)) << zoom;
        // Grid lines every eighth of an inch, none between them.
        const int y = int(1.7 * ppi);
        EXPECT_NE(QColor(img.pixel(int(std::lround(0.125 * ppi)), y)), QColor(Qt::white)) << zoom;
        EXPECT_NE(QColor(img.pixel(int(std::lround(2.5 * ppi)), y)), QColor(Qt::white)) << zoom;
        EXPECT_EQ(QColor(img.pixel(int(std::lround(0.1875 * ppi)), y)), QColor(Qt::white)) << zoom;
        d.window.menuAction(QStringLiteral("mnuIDShowGrid"))->trigger();
        const QImage plain = d.surface().grab().toImage();
        EXPECT_EQ(QColor(plain.pixel(int(std::lround(0.125 * ppi)), y)), QColor(Qt::white)) << zoom;
    }
}

TEST(Designer, WindowGeometryIsRestoredOnlyWhenAllFourValuesWereStored)
{
    const struct {
        float top, left, width, height;
        bool restored;
    } rows[]
        = { { 1500, 3000, 12000, 9000, true }, { -1, 3000, 12000, 9000, false }, { 1500, 3000, 12000, -1, false } };
    for (const auto& r : rows) {
        Designer d;
        d.window.resize(640, 480);
        d.properties.setTop(r.top);
        d.properties.setLeft(r.left);
        d.properties.setWidth(r.width);
        d.properties.setHeight(r.height);
        d.window.Setup();
        EXPECT_EQ(d.window.size() == QSize(800, 600), r.restored) << r.top << ' ' << r.height;
    }
}

TEST(Designer, ClosingWithChangesHasFourOutcomes)
{
    const struct {
        int answer;
        bool closeButton;
        bool saved;
        bool hasTemplate;
        bool visible;
    } rows[] = {
        { vbCancel, true, false, true, true },
        { vbNo, true, false, true, false },
        { vbYes, true, true, false, false },
        { vbYes, false, true, false, false },
    };
    for (const auto& r : rows) {
        QTemporaryDir dir;
        Designer d;
        auto t = d.showBlank();
        t->setTemplateName(dir.filePath(QStringLiteral("x.tpl")));
        d.place(QStringLiteral("Rectangle"), 0.1, 0.1, 0.5, 0.5);
        d.boxes.box().queueAnswer(r.answer);
        if (r.closeButton)
            d.window.close();
        else
            d.window.menuAction(QStringLiteral("mnuIDCloseWin"))->trigger();
        ASSERT_EQ(d.boxes.box().asked().size(), 1u);
        EXPECT_EQ(d.boxes.box().asked()[0].prompt, QStringLiteral("Save Changes?"));
        EXPECT_EQ(d.boxes.box().asked()[0].title, QStringLiteral("ID Changed"));
        EXPECT_EQ(d.boxes.box().asked()[0].style, 35);
        EXPECT_EQ(QFile::exists(t->TemplateName()), r.saved) << r.answer;
        EXPECT_EQ(bool(d.window.currentTemplate()), r.hasTemplate) << r.answer;
        EXPECT_EQ(d.window.isVisible(), r.visible) << r.answer;
        if (r.answer == vbYes && r.closeButton) {
            EXPECT_FALSE(d.window.Rectangle().Item(0)->Visible()); // hidden empty, for reuse
        }
        EXPECT_NE(d.properties.Width(), -1.0f);
    }
}

TEST(Designer, ObjectsThatCannotBeSavedAskBeforeSaving)
{
    const struct {
        const char* tool;
        const char* message;
    } rows[] = { { "Data", "A data field box can not be saved without a data field name." },
        { "Logo", "A logo can not be saved without a picture." } };
    for (const auto& r : rows) {
        QTemporaryDir dir;
        Designer d;
        auto t = d.showBlank();
        t->setTemplateName(dir.filePath(QStringLiteral("x.tpl")));
        const QString title = d.window.windowTitle();
        d.place(QLatin1String(r.tool), 0.1, 0.1, 1.5, 0.4);
        d.boxes.box().queueAnswer(vbOK);
        d.boxes.box().queueAnswer(vbNo);
        d.window.SaveID(true);
        ASSERT_EQ(d.boxes.box().asked().size(), 2u) << r.tool;
        EXPECT_EQ(d.boxes.box().asked()[0].prompt, QLatin1String(r.message));
        EXPECT_EQ(
            d.boxes.box().asked()[1].prompt, QStringLiteral("Can not save all objects.\r\nContinue Save anyway?"));
        EXPECT_EQ(d.boxes.box().asked()[1].style, 292);
        EXPECT_FALSE(QFile::exists(t->TemplateName())) << r.tool;
        EXPECT_EQ(d.window.windowTitle(), title);
    }
}

TEST(Designer, DroppedTemplateOpensWhateverTheCaseOfItsExtension)
{
    QTemporaryDir dir;
    const QString card = dir.filePath(QStringLiteral("CARD.TPL"));
    ASSERT_TRUE(everyKindTemplate(quietError())->SaveFile(card));
    Designer d;
    QMimeData mime;
    mime.setUrls({ QUrl::fromLocalFile(card) });
    EXPECT_EQ(d.window.Form_OLEDragOver({ card }), Qt::CopyAction);
    QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&d.window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&d.window, &drop);
    ASSERT_TRUE(d.window.currentTemplate()) << d.error->lastLogLine().toStdString() << ' ' << drop.dropAction();
    EXPECT_EQ(d.window.windowTitle(), QStringLiteral("KYTPreview ...\\CARD.TPL"));
    EXPECT_TRUE(d.boxes.box().asked().empty());

    const QString bmp = dir.filePath(QStringLiteral("photo.bmp"));
    EXPECT_EQ(d.window.Form_OLEDragOver({ bmp }), Qt::IgnoreAction);
    EXPECT_EQ(d.window.Form_OLEDragDrop({ bmp }), Qt::IgnoreAction);
    ASSERT_EQ(d.boxes.box().asked().size(), 1u);
    EXPECT_EQ(d.boxes.box().asked()[0].prompt, QStringLiteral("Unsupported File Format"));
    EXPECT_EQ(d.boxes.box().asked()[0].title, QStringLiteral("OLE Drop Error"));
}

TEST(Designer, FailedReadAndCancelledNewKeepThePreviousDocument)
{
    QTemporaryDir dir;
    Designer d;
    auto t = d.showBlank();
    d.place(QStringLiteral("Text"), 0.1, 0.1, 1.0, 0.4);
    const QString junk = dir.filePath(QStringLiteral("junk.tpl"));
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a template at all");
    f.close();
    d.boxes.box().queueAnswer(vbNo);
    d.window.OpenID(junk);
    EXPECT_EQ(d.window.currentTemplate(), t);
    EXPECT_TRUE(d.window.Text().Item(0)->Visible());

    ModalScope cancel([](QDialog& dialog) { dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click(); });
    d.boxes.box().queueAnswer(vbNo);
    d.window.NewID();
    EXPECT_EQ(d.window.currentTemplate(), t);
    EXPECT_TRUE(d.window.Text().Item(0)->Visible());
}

TEST(Designer, NewTemplateTakesTheSizeTypedInItsPropertiesDialog)
{
    Designer d;
    ModalScope answer([](QDialog& dialog) {
        auto& p = dynamic_cast<frmIDProperties&>(dialog);
        EXPECT_EQ(p.windowTitle(), QStringLiteral("New Template Properties"));
        p.txtWidth()->setText(QStringLiteral("3.375\""));
        p.txtHeight()->setText(QStringLiteral("2.125"));
        p.ckbDuplex()->setChecked(true);
        p.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    });
    d.window.NewID();
    ASSERT_TRUE(d.window.currentTemplate());
    EXPECT_EQ(d.window.windowTitle(), QStringLiteral("KYTPreview Untitiled"));
    EXPECT_DOUBLE_EQ(d.window.currentTemplate()->Width(), 3.375);
    EXPECT_FLOAT_EQ(d.surface().surfaceHeight(), 4.25f);
    EXPECT_TRUE(d.window.menuAction(QStringLiteral("mnuIDSave"))->isEnabled());
}

TEST(Designer, MissingFontFallsBackWithAMessage)
{
    Designer d;
    auto t = d.showBlank();
    auto text = std::static_pointer_cast<CTextObject>(t->AddObject(QStringLiteral("Text")));
    text->setText(QStringLiteral("Hello"));
    text->setFontName(QStringLiteral("No Such Font Family"));
    d.window.ShowID(t);
    ASSERT_EQ(d.boxes.box().asked().size(), 1u);
    EXPECT_EQ(d.boxes.box().asked()[0].title, QStringLiteral("Font Load Error"));
    EXPECT_EQ(d.boxes.box().asked()[0].prompt,
        QStringLiteral("No Such Font Family Font Not Found: Using MS San Serif for Hello"));
    EXPECT_EQ(d.window.Text().Item(0)->FontName(), QStringLiteral("MS San Serif"));
}

TEST(Designer, UpdateMenuShowsTheItemsOfTheObjectType)
{
    Designer d;
    d.showBlank();
    const struct {
        const char* type;
        const char* shown;
        const char* hidden;
    } rows[] = { { "Photo", "mnuOptionsBorderStyle", "mnuOptionsLogo" },
        { "Logo", "mnuOptionsStretch", "mnuOptionsFont" }, { "Data", "mnuOptionsUserField", "mnuOptionsEditText" },
        { "Text", "mnuOptionsBarcode", "mnuOptionsUserField" },
        { "Rectangle", "mnuOptionsBackColor", "mnuOptionsForeColor" },
        { "Pointer", "mnuOptionsFront", "mnuOptionsSep2" } };
    for (const auto& r : rows) {
        d.window.updateMenu(QLatin1String(r.type), true, 1, true, false);
        EXPECT_TRUE(d.window.menuAction(QLatin1String(r.shown))->isVisible()) << r.type;
        EXPECT_FALSE(d.window.menuAction(QLatin1String(r.hidden))->isVisible()) << r.type;
    }
    d.window.updateMenu(QStringLiteral("Text"), false, 1, true, true);
    EXPECT_TRUE(d.window.menuAction(QStringLiteral("mnuOptionsAlignmentRight"))->isChecked());
    EXPECT_FALSE(d.window.menuAction(QStringLiteral("mnuOptionsBackColor"))->isEnabled());
    EXPECT_TRUE(d.window.menuAction(QStringLiteral("mnuOptionsBarcodeProp"))->isEnabled());
}

TEST(Designer, HelpCommandsAskTheHelpViewer)
{
    Designer d;
    d.dialogs.dialog().queueAnswer(CommonDialogAnswer(true));
    d.dialogs.dialog().queueAnswer(CommonDialogAnswer(true));
    d.window.menuAction(QStringLiteral("mnuHelpConstant"))->trigger();
    d.window.menuAction(QStringLiteral("mnuHelpSearch"))->trigger();
    const auto& asked = d.dialogs.dialog().asked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].helpCommand, HelpContents);
    EXPECT_EQ(asked[1].helpCommand, HelpPartialKey);
    EXPECT_TRUE(QFile::exists(asked[0].helpFile)) << qPrintable(asked[0].helpFile);
}

TEST(Designer, SurfaceShowsWhatTheCardPrints)
{
    Designer d;
    auto t = std::make_shared<CPrintTemplate>();
    t->setError(d.error);
    t->setWidth(3.375);
    t->setHeight(2.125);
    t->setDefaultPhoto(solidPicture(30, 40, qRgb(220, 40, 40)));
    const QChar s(1);
    auto tok = [&](std::initializer_list<const char*> fields) {
        QString r;
        for (const char* f : fields)
            r += QLatin1String(f) + s;
        return r;
    };
    t->AddObject(QStringLiteral("Rectangle"))
        ->setTokenString(tok({ "1.8", "0", "3.375", "0.325", "1", "0", "16711680", "0" }));
    t->AddObject(QStringLiteral("Photo"))->setTokenString(tok({ "0.2", "0.2", "1", "1.3", "2", "0", "True" }));
    auto logo = std::static_pointer_cast<CLogoObject>(t->AddObject(QStringLiteral("Logo")));
    logo->setTokenString(tok({ "0.1", "2.4", "0.8", "0.4", "3", "1", "0", "True" }));
    logo->setImage(solidPicture(40, 20, qRgb(20, 160, 40)));
    t->AddObject(QStringLiteral("Line"))->setTokenString(tok({ "1.6", "1.4", "1.8", "0.03", "4", "0" }));
    t->AddObject(QStringLiteral("Text"))
        ->setTokenString(tok({ "0.7", "1.4", "1.9", "0.5", "5", "0", "0", "16777215", "0", "HELLO", "True", "False",
            "False", "False", "Arial", "24", "True", "False", "0", "", "", "False" }));
    d.window.ShowID(t);
    d.window.menuAction(QStringLiteral("mnuIDShowGrid"))->trigger(); // grid off
    const QImage shown = d.surface().grab().toImage().convertToFormat(QImage::Format_RGB32);

    PictureBoxSurface box(QSize(324, 204), 96.0);
    ASSERT_TRUE(t->Render(box));
    const QImage printed = box.Image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), printed.size());
    int differing = 0, coloured = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const QColor a = shown.pixelColor(x, y), b = printed.pixelColor(x, y);
            if (std::abs(a.red() - b.red()) > 80 || std::abs(a.green() - b.green()) > 80
                || std::abs(a.blue() - b.blue()) > 80)
                ++differing;
            if (a != QColor(Qt::white))
                ++coloured;
        }
    EXPECT_GT(coloured, shown.width() * shown.height() / 4);
    // Only edge pixels of anti-aliased text and picture borders may differ.
    EXPECT_LT(differing, shown.width() * shown.height() / 100) << differing;
}

} // namespace
