// The object commands through the context menu and the keys: delete with
// renumbering, drawing order, each kind's menu, barcode properties, font,
// colours, logo pictures and text clipping on a surface.
#include "EditingFixture.h"

#include "platform/Picture.h"

#include "designer/DesignEditing.h"
#include "dialogs/frmBarcodeProp.h"
#include "dialogs/frmSelectDataField.h"
#include "objects/CTextObject.h"
#include "platform/surface/PictureBoxSurface.h"
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

using namespace kyt;
using namespace kyt::test;

namespace
{

QString zorder(const DesignControl* c)
{
    return GetTagValue(c->Tag(), QStringLiteral("Zorder"));
}

QStringList textTokens(const CPrintTemplate& t)
{
    QStringList out;
    for (const auto& o : t)
        if (o->ObjectType().compare(QLatin1String("Text"), Qt::CaseInsensitive) == 0)
            out << o->TokenString();
    return out;
}

} // namespace

TEST_F(Editing, DeleteLeavesEveryOtherObjectExactlyAsItWas)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("card.tpl"));
    DesignControl* t[3];
    for (int i = 0; i < 3; ++i) {
        t[i] = place("Text", 0.25, 0.25 + 0.5 * i, 2, 0.375);
        t[i]->setCaption(QStringLiteral("Line %1").arg(i));
    }
    t[1]->setFontStrikethrough(true);
    t[1]->setFontItalic(true);
    t[1]->setForeColor(0x0000FF);
    t[2]->setAlignment(2);
    t[2]->setFontBold(true);
    t[2]->setBorderStyle(1);
    d.dialogs.dialog().queueAnswer(CommonDialogAnswer(file));
    window().SaveID(true);
    const QStringList before = textTokens(*window().currentTemplate());
    ASSERT_EQ(before.size(), 3);

    click(t[0]);
    key(Qt::Key_Delete);
    EXPECT_EQ(window().Text().UBound(), 1);
    EXPECT_EQ(window().Text().Item(0)->Caption(), QStringLiteral("Line 1"));
    EXPECT_TRUE(window().Text().Item(0)->FontStrikethrough());
    EXPECT_EQ(window().Text().Item(1)->Caption(), QStringLiteral("Line 2"));
    EXPECT_FALSE(outline().isSelected());

    window().SaveID(true);
    CPrintTemplate reread;
    reread.setError(d.error);
    ASSERT_TRUE(reread.ReadFile(file));
    EXPECT_EQ(textTokens(reread), before.mid(1));
}

TEST_F(Editing, DeletingTheLastLogoKeepsAHiddenElementZero)
{
    DesignControl* logo = place("Logo", 1, 1, 0.5, 0.5);
    click(logo);
    contextMenu(logo);
    action("mnuOptionsDelete")->trigger();
    ASSERT_NE(window().Logo().Item(0), nullptr);
    EXPECT_FALSE(window().Logo().Item(0)->Visible());
    window().undoStack()->undo();
    EXPECT_TRUE(window().Logo().Item(0)->Visible());
}

TEST_F(Editing, DeletingThePhotoEnablesThePhotoTool)
{
    DesignControl* photo = place("Photo", 1, 0.25, 0.75, 1);
    QAction* tool = window().findChild<QAction*>(QStringLiteral("tlbObjectsPhoto"));
    EXPECT_FALSE(tool->isEnabled());
    click(photo);
    key(Qt::Key_Delete);
    EXPECT_TRUE(tool->isEnabled());
    window().undoStack()->undo();
    EXPECT_FALSE(tool->isEnabled());
}

TEST_F(Editing, DrawingOrderCommandsWriteZorder)
{
    DesignControl* a = place("Rectangle", 0.25, 0.25, 0.5, 0.5);
    DesignControl* b = place("Rectangle", 0.5, 0.5, 0.5, 0.5);
    DesignControl* c = place("Rectangle", 0.75, 0.75, 0.5, 0.5);
    a->setTag(QStringLiteral("Zorder=3;"));
    b->setTag(QStringLiteral("Zorder=7;"));
    c->setTag(QStringLiteral("Zorder=5;"));
    click(a);
    action("mnuOptionsFront")->trigger();
    EXPECT_EQ(zorder(a), QStringLiteral("8"));
    EXPECT_EQ(a->parentWidget()->children().indexOf(a) > a->parentWidget()->children().indexOf(c), true);
    click(b);
    action("mnuOptionsBack")->trigger();
    EXPECT_EQ(zorder(b), QStringLiteral("4")); // lowest left is c's 5
    EXPECT_LT(b->parentWidget()->children().indexOf(b), b->parentWidget()->children().indexOf(c));
    EXPECT_TRUE(window().shpOutline()->isVisible());

    for (DesignControl* x : { a, b, c })
        x->setTag(QString());
    click(c);
    action("mnuOptionsFront")->trigger();
    EXPECT_EQ(zorder(c), QStringLiteral("1"));
    c->setTag(QString());
    action("mnuOptionsBack")->trigger();
    EXPECT_EQ(zorder(c), QStringLiteral("99"));
}

struct MenuRow {
    const char* tool;
    const char* shown; // items shown, separated by blanks; every other item is hidden
    const char* defaultItem;
};

class ContextMenu : public Editing, public ::testing::WithParamInterface<MenuRow>
{
};

TEST_P(ContextMenu, ShowsTheItemsOfTheObjectKind)
{
    static const char* const items[] = { "mnuOptionsDelete", "mnuOptionsLogo", "mnuOptionsUserField",
        "mnuOptionsEditText", "mnuOptionsSep1", "mnuOptionsFront", "mnuOptionsBack", "mnuOptionsSep2", "mnuOptionsFont",
        "mnuOptionsFontToFit", "mnuOptionsAlign", "mnuOptionsSep3", "mnuOptionsStretch", "mnuOptionsBorderStyle",
        "mnuOptionsTransparent", "mnuOptionsBackColor", "mnuOptionsForeColor", "mnuOptionsSep4", "mnuOptionsBarcode",
        "mnuOptionsBarcodeProp", "mnuOptionsSep5", "mnuOptionsMagstripe", "mnuOptionsSmartCard" };
    const MenuRow r = GetParam();
    DesignControl* c = place(r.tool, 1, 0.5, 1, 0.5);
    QMenu* menu = contextMenu(c);
    const QStringList shown = QString::fromLatin1(r.shown).split(QLatin1Char(' '));
    for (const char* item : items) {
        QAction* a = action(item);
        ASSERT_NE(a, nullptr) << item;
        EXPECT_EQ(a->isVisible(), shown.contains(QLatin1String(item))) << item;
    }
    QAction* def = menu->defaultAction();
    EXPECT_EQ(def ? def->objectName() : QString(), QString::fromLatin1(r.defaultItem));
}

INSTANTIATE_TEST_SUITE_P(Kinds, ContextMenu,
    ::testing::Values(MenuRow { "Photo",
                          "mnuOptionsDelete mnuOptionsSep1 mnuOptionsFront mnuOptionsBack mnuOptionsSep2 "
                          "mnuOptionsBorderStyle",
                          "" },
        MenuRow { "Logo",
            "mnuOptionsDelete mnuOptionsLogo mnuOptionsSep1 mnuOptionsFront mnuOptionsBack mnuOptionsSep2 "
            "mnuOptionsStretch mnuOptionsBorderStyle",
            "mnuOptionsLogo" },
        MenuRow { "Rectangle",
            "mnuOptionsDelete mnuOptionsSep1 mnuOptionsFront mnuOptionsBack mnuOptionsSep2 mnuOptionsBorderStyle "
            "mnuOptionsBackColor",
            "mnuOptionsBackColor" },
        MenuRow { "Text",
            "mnuOptionsDelete mnuOptionsEditText mnuOptionsSep1 mnuOptionsFront mnuOptionsBack mnuOptionsSep2 "
            "mnuOptionsFont mnuOptionsFontToFit mnuOptionsAlign mnuOptionsSep3 mnuOptionsBorderStyle "
            "mnuOptionsTransparent mnuOptionsBackColor mnuOptionsForeColor mnuOptionsSep4 mnuOptionsBarcode "
            "mnuOptionsBarcodeProp mnuOptionsSep5 mnuOptionsMagstripe mnuOptionsSmartCard",
            "mnuOptionsEditText" },
        MenuRow { "Data",
            "mnuOptionsDelete mnuOptionsUserField mnuOptionsSep1 mnuOptionsFront mnuOptionsBack mnuOptionsSep2 "
            "mnuOptionsFont mnuOptionsFontToFit mnuOptionsAlign mnuOptionsSep3 mnuOptionsBorderStyle "
            "mnuOptionsTransparent mnuOptionsBackColor mnuOptionsForeColor mnuOptionsSep4 mnuOptionsBarcode "
            "mnuOptionsBarcodeProp mnuOptionsSep5 mnuOptionsMagstripe mnuOptionsSmartCard",
            "mnuOptionsUserField" }),
    [](const auto& info) { return std::string(info.param.tool); });

TEST_F(Editing, BarcodeOnOpensItsPropertiesAndStoresTheChosenType)
{
    DesignControl* text = place("Text", 0.25, 0.5, 2.5, 0.5);
    contextMenu(text);
    EXPECT_FALSE(action("mnuOptionsBarcode")->isChecked());
    EXPECT_FALSE(action("mnuOptionsBarcodeProp")->isEnabled());
    int shown = 0;
    {
        ModalScope answer([&](QDialog& dialog) {
            auto& dlg = dynamic_cast<frmBarcodeProp&>(dialog);
            ++shown;
            dlg.findChild<QComboBox*>(QStringLiteral("cboBarcodeType"))->setCurrentIndex(3); // "128C"
            dlg.setPrefix(QStringLiteral("<"));
            QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
        });
        action("mnuOptionsBarcode")->trigger();
    }
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(IsBarcodeToken(text->Tag()));
    EXPECT_EQ(GetTagValue(text->Tag(), QStringLiteral("BCType")), QStringLiteral("3"));
    EXPECT_EQ(GetTagValue(text->Tag(), QStringLiteral("Pre")), QStringLiteral("<"));
    EXPECT_TRUE(action("mnuOptionsBarcodeProp")->isEnabled());
    EXPECT_EQ(window().undoStack()->undoText(), QStringLiteral("Barcode")); // one step for both

    contextMenu(text);
    EXPECT_TRUE(action("mnuOptionsBarcode")->isChecked());
    {
        ModalScope cancel([](QDialog& dialog) {
            auto& dlg = dynamic_cast<frmBarcodeProp&>(dialog);
            EXPECT_EQ(dlg.BarcodeType(), 3); // preset from the tag
            dlg.findChild<QComboBox*>(QStringLiteral("cboBarcodeType"))->setCurrentIndex(0);
            QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
        });
        action("mnuOptionsBarcodeProp")->trigger();
    }
    EXPECT_EQ(GetTagValue(text->Tag(), QStringLiteral("BCType")), QStringLiteral("3"));
    action("mnuOptionsBarcode")->trigger(); // off
    EXPECT_FALSE(IsBarcodeToken(text->Tag()));
    EXPECT_FALSE(action("mnuOptionsBarcodeProp")->isEnabled());
}

TEST(IsBarcodeToken, ReadsTheBarcodeItem)
{
    EXPECT_TRUE(IsBarcodeToken(QStringLiteral("Zorder=1;BC=True;")));
    EXPECT_TRUE(IsBarcodeToken(QStringLiteral("bc=true;")));
    EXPECT_FALSE(IsBarcodeToken(QStringLiteral("BC=False;")));
    EXPECT_FALSE(IsBarcodeToken(QStringLiteral("BC=maybe;")));
    EXPECT_FALSE(IsBarcodeToken(QStringLiteral("Zorder=1;")));
}

TEST_F(Editing, MissingFontIsReplacedByTheWindowFontWithAMessage)
{
    DesignControl* text = place("Text", 0.25, 0.5, 2.5, 0.5);
    text->setFontName(IDesignControl::FallbackFontName); // accepted though not installed
    click(text);
    QFont chosen(QStringLiteral("DejaVu Sans"));
    chosen.setPointSize(14);
    chosen.setStrikeOut(true);
    d.dialogs.dialog().queueAnswer(CommonDialogAnswer(chosen));
    action("mnuOptionsFont")->trigger();
    ASSERT_EQ(d.boxes.box().asked().size(), 1u);
    EXPECT_EQ(d.boxes.box().asked()[0].title, QStringLiteral("Missing Font"));
    EXPECT_EQ(d.boxes.box().asked()[0].prompt,
        QStringLiteral("The font MS San Serif previously selected is not available.  A default font has been "
                       "selected."));
    ASSERT_EQ(d.dialogs.dialog().asked().size(), 1u);
    EXPECT_EQ(d.dialogs.dialog().asked()[0].font.family(), window().font().family());
    EXPECT_EQ(text->FontName(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(text->FontSize(), 14);
    EXPECT_TRUE(text->FontStrikethrough());

    d.dialogs.dialog().queueCancel();
    action("mnuOptionsFont")->trigger();
    EXPECT_EQ(text->FontName(), QStringLiteral("DejaVu Sans"));
}

TEST_F(Editing, ColoursComeFromTheColourDialog)
{
    DesignControl* rect = place("Rectangle", 0.25, 0.5, 1, 0.5);
    d.dialogs.dialog().queueAnswer(CommonDialogAnswer(QColor(0x12, 0x34, 0x56)));
    doubleClick(rect); // a rectangle's double click is its background colour
    EXPECT_EQ(rect->BackColor(), 0x563412);
    d.dialogs.dialog().queueCancel();
    doubleClick(rect);
    EXPECT_EQ(rect->BackColor(), 0x563412);
    EXPECT_EQ(window().undoStack()->undoText(), QStringLiteral("Background Color"));
}

struct LogoRow {
    const char* name;
    int bytes; // file size; 0 for a file that is not a picture
    int answer; // answer to the large-file question
    const char* asked; // the size shown in the question, or "" for none
    bool loaded;
};

class LoadLogo : public Editing, public ::testing::WithParamInterface<LogoRow>
{
};

TEST_P(LoadLogo, AsksAboutLargeFilesAndRefusesUnreadableOnes)
{
    const LogoRow r = GetParam();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("logo.bmp"));
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        if (r.bytes > 0) {
            QByteArray bmp = solidPicture(8, 8, qRgb(200, 0, 0)).toBmp();
            bmp.append(QByteArray(r.bytes - bmp.size(), '\0')); // trailing bytes after the pixels
            f.write(bmp);
        } else {
            f.write("GIF89a not really");
        }
    }
    DesignControl* logo = place("Logo", 1, 0.5, 0.5, 0.5);
    d.boxes.box().queueAnswer(r.answer);
    d.dialogs.dialog().queueAnswer(CommonDialogAnswer(file));
    doubleClick(logo);
    ASSERT_EQ(d.dialogs.dialog().asked().size(), 1u);
    EXPECT_EQ(d.dialogs.dialog().asked()[0].title, QStringLiteral("Load Logo"));
    EXPECT_EQ(d.dialogs.dialog().asked()[0].filterIndex, PictureOpenFilterIndex);
    EXPECT_TRUE(d.dialogs.dialog().asked()[0].filter.contains(QStringLiteral("*.png")));
    const auto& asked = d.boxes.box().asked();
    if (*r.asked) {
        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked[0].title, QStringLiteral("Confirm Large File Load"));
        EXPECT_TRUE(asked[0].prompt.startsWith(
            QStringLiteral("The File you are about to load is %1 Kb.\r\n").arg(QLatin1String(r.asked))))
            << asked[0].prompt.toStdString();
    } else {
        EXPECT_TRUE(asked.empty());
    }
    EXPECT_EQ(!logo->Picture().isNull(), r.loaded);
    if (r.bytes == 0) { // the reporter says why
        EXPECT_TRUE(d.error->lastLogLine().contains(QStringLiteral("LoadLogo")));
    }
}

INSTANTIATE_TEST_SUITE_P(Files, LoadLogo,
    ::testing::Values(LogoRow { "Small", 100000, vbNo, "", true },
        LogoRow { "LargeYes", 250000, vbYes, "250.00", true }, LogoRow { "LargeNo", 1250000, vbNo, "1,250.00", false },
        LogoRow { "NotAPicture", 0, vbYes, "", false }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClipText, CutsToTheWidthOnASurface)
{
    PictureBoxSurface surface(QSize(100, 100), 96);
    surface.setScaleMode(5);
    surface.setFontName(QStringLiteral("DejaVu Sans"));
    surface.setFontSize(10);
    const QString text = QStringLiteral("The quick brown fox jumps over the lazy dog");
    const float full = static_cast<float>(surface.TextWidth(text));
    EXPECT_EQ(COutline::ClipText(surface, text, full, false), text);
    const QString cut = COutline::ClipText(surface, text, full / 2, true);
    ASSERT_FALSE(cut.isEmpty());
    EXPECT_TRUE(text.startsWith(cut));
    EXPECT_LE(surface.TextWidth(cut) + 0.01041667, full / 2 + 1e-6);
    EXPECT_GT(surface.TextWidth(text.left(cut.size() + 1)) + 0.01041667, full / 2);
    EXPECT_EQ(COutline::ClipText(surface, QString(), 1, false), QString());
}

struct PropertyRow {
    const char* name;
    const char* tool;
    const char* item;
    std::function<QVariant(const DesignControl&)> read;
    QVariant before, after;
};

class PropertyCommand : public Editing, public ::testing::WithParamInterface<PropertyRow>
{
};

// Each menu command changes its property as one undo step.
TEST_P(PropertyCommand, ChangesItsPropertyAsOneStep)
{
    const PropertyRow& r = GetParam();
    DesignControl* c = place(r.tool, 1, 0.5, 1.5, 0.5);
    QString tag = c->Tag();
    SetTagValue(tag, QStringLiteral("FTF"), QStringLiteral(";"), QStringLiteral("False")); // whatever the defaults
    c->setTag(tag);
    c->setBackStyle(1); // opaque, whatever the defaults
    contextMenu(c);
    ASSERT_EQ(r.read(*c), r.before);
    const int steps = window().undoStack()->count();
    action(r.item)->trigger();
    EXPECT_EQ(r.read(*c), r.after);
    EXPECT_EQ(window().undoStack()->count(), steps + 1);
    EXPECT_TRUE(window().currentTemplate()->Dirty());
    window().undoStack()->undo();
    EXPECT_EQ(r.read(*c), r.before);
}

INSTANTIATE_TEST_SUITE_P(Items, PropertyCommand,
    ::testing::Values(PropertyRow { "Border", "Text", "mnuOptionsBorderStyle",
                          [](const DesignControl& c) { return c.BorderStyle(); }, 0, 1 },
        PropertyRow { "AlignRight", "Text", "mnuOptionsAlignmentRight",
            [](const DesignControl& c) { return c.Alignment(); }, 0, 1 },
        PropertyRow { "AlignCenter", "Data", "mnuOptionsAlignmentCenter",
            [](const DesignControl& c) { return c.Alignment(); }, 0, 2 },
        PropertyRow { "Transparent", "Data", "mnuOptionsTransparent",
            [](const DesignControl& c) { return c.BackStyle(); }, 1, 0 },
        PropertyRow {
            "Stretch", "Logo", "mnuOptionsStretch", [](const DesignControl& c) { return c.Stretch(); }, false, true },
        PropertyRow { "FontToFit", "Text", "mnuOptionsFontToFit",
            [](const DesignControl& c) { return GetTagValue(c.Tag(), QStringLiteral("FTF")); }, "False", "True" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Editing, DataFieldIsChosenFromTheDefaultFieldValues)
{
    auto data = std::make_shared<CPrintData>();
    data->Add(QStringLiteral("FirstName"), QStringLiteral("Badge"));
    data->Add(QStringLiteral("LastName"), QStringLiteral("Smith"));
    window().setDefaultPrintData(data);
    DesignControl* field = place("Data", 0.5, 0.5, 2, 0.375);
    QStringList offered;
    {
        ModalScope choose([&](QDialog& dialog) {
            auto& chooser = dynamic_cast<frmSelectDataField&>(dialog);
            for (int i = 0; i < chooser.lstDescription()->count(); ++i)
                offered << chooser.lstDescription()->item(i)->text();
            chooser.txtFieldName()->setText(QStringLiteral("LastName"));
            QTest::mouseClick(chooser.findChild<QPushButton*>(QStringLiteral("cmdOk")), Qt::LeftButton);
        });
        doubleClick(field);
    }
    EXPECT_TRUE(offered.contains(QStringLiteral("LastName")));
    EXPECT_EQ(GetTagValue(field->Tag(), QStringLiteral("Key")), QStringLiteral("LastName"));
    EXPECT_EQ(field->Caption(), QStringLiteral("LastName"));
    EXPECT_EQ(window().undoStack()->undoText(), QStringLiteral("Data Field"));
}

TEST(COutlineAlone, CommandsWithoutAControlDoNothingButBarcodePropertiesReport)
{
    COutline o;
    auto error = quietError();
    o.setError(error);
    o.SetControlTransparent(true);
    o.SetControlBarcode(true);
    o.Delete();
    EXPECT_TRUE(error->lastLogLine().isEmpty());
    EXPECT_FALSE(o.FontToFit());
    o.BarCodeProp();
    EXPECT_TRUE(error->lastLogLine().contains(QStringLiteral("COutline (8.1.3) BarCodeProp")))
        << error->lastLogLine().toStdString();
}

TEST_F(Editing, StretchTickShowsTheSelectedLogosOwnSetting)
{
    DesignControl* a = place("Logo", 0.25, 0.25, 0.5, 0.5);
    DesignControl* b = place("Logo", 1.25, 0.25, 0.5, 0.5);
    a->setStretch(true);
    b->setStretch(false);
    for (DesignControl* c : { a, b, a }) {
        contextMenu(c);
        EXPECT_EQ(action("mnuOptionsStretch")->isChecked(), c->Stretch()) << c->Index();
    }
}
