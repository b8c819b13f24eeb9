// The design tools as objects (each with its cursor, its kind and its own
// drag state) and the action table the menus and tool bars are built from;
// the icons and the shrink-only fit through save and load.
#include "EditingFixture.h"

#include "designer/DesignActions.h"
#include "designer/DesignIcons.h"
#include "designer/DesignSelection.h"
#include "designer/DesignTool.h"
#include "designer/PropertiesPanel.h"
#include "designer/SelectTool.h"
#include "dialogs/frmBarcodeProp.h"
#include "objects/CTextObjectBase.h"
#include <QActionGroup>
#include <QCheckBox>
#include <QDir>
#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUndoStack>
#include <map>

using namespace kyt;
using namespace kyt::test;

namespace
{

QAction* actionOf(frmPreview& w, const ActionEntry& e)
{
    const QString name = e.kind == ActionEntry::Kind::Tool ? QStringLiteral("tlbObjects") + QLatin1String(e.name)
                                                           : QLatin1String(e.name);
    const QList<QAction*> found = w.findChildren<QAction*>(name);
    EXPECT_EQ(found.size(), 1) << e.name;
    return found.isEmpty() ? nullptr : found.first();
}

QList<QAction*> commandsOf(const QWidget* holder)
{
    QList<QAction*> out;
    for (QAction* a : holder->actions())
        if (!a->isSeparator())
            out << a;
    return out;
}

} // namespace

TEST_F(Editing, EveryTableEntryBecomesOneActionWithItsNameCaptionKeysAndIcon)
{
    std::vector<std::pair<int, QAction*>> mainBar;
    int icons = 0;
    for (const ActionEntry& e : DesignActions::table()) {
        QAction* a = actionOf(window(), e);
        ASSERT_NE(a, nullptr) << e.name;
        // In the menu the table names.
        if (QLatin1String(e.parent) == QLatin1String("mnuBar"))
            EXPECT_TRUE(window().menuBar()->actions().contains(a)) << e.name;
        else
            EXPECT_TRUE(window().findChild<QMenu*>(QLatin1String(e.parent))->actions().contains(a)) << e.name;
        if (e.kind == ActionEntry::Kind::Separator) {
            EXPECT_TRUE(a->isSeparator()) << e.name;
            continue;
        }
        EXPECT_EQ(a->text(), DesignActions::caption(e)) << e.name;
        EXPECT_EQ(a->shortcuts(), e.keys) << e.name;
        EXPECT_EQ(a->isCheckable(), bool(e.flags & ActionEntry::Checkable)) << e.name;
        if (e.icon) {
            EXPECT_FALSE(a->icon().isNull()) << e.name;
            // A toggle shows its check mark in the menu, not a sunken icon.
            EXPECT_EQ(a->isIconVisibleInMenu(), !a->isCheckable() || e.kind == ActionEntry::Kind::Tool) << e.name;
            ++icons;
        }
        if (e.mainBar)
            mainBar.emplace_back(e.mainBar, a);
        if (e.kind == ActionEntry::Kind::Tool) {
            EXPECT_TRUE(window().tlbObjects()->actions().contains(a)) << e.name;
            ASSERT_NE(a->actionGroup(), nullptr);
            EXPECT_TRUE(a->actionGroup()->isExclusive());
        }
    }
    EXPECT_GE(icons, 24);
    // The main tool bar holds the table's buttons in their order.
    std::sort(mainBar.begin(), mainBar.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    QList<QAction*> expected;
    for (const auto& [slot, a] : mainBar)
        expected << a;
    EXPECT_EQ(commandsOf(window().tlbMain()), expected);
    // The tool box holds the tools, select first.
    const QStringList tools { QStringLiteral("Pointer"), QStringLiteral("Photo"), QStringLiteral("Logo"),
        QStringLiteral("Rectangle"), QStringLiteral("Data"), QStringLiteral("Text"), QStringLiteral("Line") };
    QStringList keys;
    for (QAction* a : commandsOf(window().tlbObjects()))
        keys << a->data().toString();
    EXPECT_EQ(keys, tools);
}

// Every command a button shows has a drawing; the drawings follow the
// palette's text colour (a dark theme gets light lines) and stay sharp.
TEST(DesignIcons, EveryDrawingLoadsAndFollowsThePalette)
{
    const QStringList files = QDir(QStringLiteral(":/kyt/icons")).entryList({ QStringLiteral("*.svg") });
    EXPECT_GE(files.size(), 24);
    for (const QString& f : files)
        EXPECT_FALSE(designIcon(f.chopped(4), QPalette()).isNull()) << f.toStdString();
    EXPECT_TRUE(designIcon(QStringLiteral("NoSuchIcon"), QPalette()).isNull());
    EXPECT_TRUE(designIcon(QString(), QPalette()).isNull());

    const auto inkOf = [](const QColor& text) {
        QPalette palette;
        palette.setColor(QPalette::WindowText, text);
        // The frame of the properties sheet runs along x = 4.
        const QImage image = designIcon(QStringLiteral("Properties"), palette).pixmap(QSize(48, 48)).toImage();
        int darkest = 255, lightest = 0;
        for (int y = 8; y < 40; ++y) {
            const QColor c = image.pixelColor(8, y);
            if (c.alpha() < 200)
                continue;
            darkest = std::min(darkest, c.lightness());
            lightest = std::max(lightest, c.lightness());
        }
        return std::make_pair(darkest, lightest);
    };
    EXPECT_LT(inkOf(Qt::black).first, 60);
    EXPECT_GT(inkOf(Qt::white).second, 200);
    const QPixmap hi = designIcon(QStringLiteral("Save"), QPalette()).pixmap(QSize(22, 22), 2.0);
    EXPECT_EQ(hi.size(), QSize(44, 44));
}

// Each tool says how the pointer looks over the card and makes its own kind
// of object with its own defaults.
TEST_F(Editing, EachToolHasItsCursorAndMakesItsKind)
{
    const struct {
        const char* key;
        Qt::CursorShape cursor;
        DesignControl::Kind kind;
    } rows[] = { { "Photo", Qt::CrossCursor, DesignControl::Kind::Photo },
        { "Logo", Qt::CrossCursor, DesignControl::Kind::Logo },
        { "Rectangle", Qt::CrossCursor, DesignControl::Kind::Rectangle },
        { "Data", Qt::CrossCursor, DesignControl::Kind::Data }, { "Text", Qt::CrossCursor, DesignControl::Kind::Text },
        { "Line", Qt::CrossCursor, DesignControl::Kind::Line } };
    double top = 0.1;
    for (const auto& row : rows) {
        const QString key = QLatin1String(row.key);
        window().findChild<QAction*>(QStringLiteral("tlbObjects") + key)->trigger();
        EXPECT_EQ(&window().tools().current(), &window().tools().tool(key)) << row.key;
        EXPECT_EQ(window().tools().current().key(), key);
        EXPECT_EQ(d.surface().cursor().shape(), row.cursor) << row.key;
        EXPECT_FALSE(window().statusLabel()->text().isEmpty()) << row.key;
        const int steps = window().undoStack()->count();
        d.drag(0.2, top, 0.9, top + 0.2);
        EXPECT_EQ(window().undoStack()->count(), steps + 1) << row.key;
        DesignControl* c = outline().selectedControl();
        ASSERT_NE(c, nullptr) << row.key;
        EXPECT_EQ(c->kind(), row.kind) << row.key;
        EXPECT_EQ(window().WhichButtonDown(), QStringLiteral("Pointer")) << row.key;
        EXPECT_EQ(d.surface().cursor().shape(), Qt::ArrowCursor) << row.key;
        top += 0.3;
    }
    EXPECT_EQ(&window().tools().tool(QStringLiteral("NoSuchTool")), &window().tools().select());
}

// The select tool holds the drag: the object stays put and the group stays
// together until the mouse lets go; Esc gives up a band being drawn.
TEST_F(Editing, TheSelectToolOwnsTheDragAndEscGivesUpABand)
{
    DesignControl* a = place("Rectangle", 0.25, 0.25, 0.5, 0.5);
    DesignControl* b = place("Rectangle", 1.25, 0.25, 0.5, 0.5);
    window().selection()->select({ a, b });
    SelectTool& select = window().tools().select();
    const QPoint from = a->rect().center();
    sendMouse(QEvent::MouseButtonPress, a, from);
    EXPECT_FALSE(select.dragging());
    const QPointF to = QPointF(from) + QPointF(d.surface().toPixels(0.5), 0);
    QMouseEvent move(QEvent::MouseMove, to, a->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(a, &move);
    EXPECT_TRUE(select.dragging());
    EXPECT_FLOAT_EQ(a->left(), 0.25f); // it lands on release
    sendMouse(QEvent::MouseButtonRelease, a, to.toPoint());
    EXPECT_FALSE(select.dragging());
    EXPECT_EQ(window().selection()->count(), 2);
    EXPECT_NEAR(a->left(), 0.75, 0.02);
    EXPECT_NEAR(b->left(), 1.75, 0.02);

    window().pressTool(QStringLiteral("Rectangle"));
    const int before = window().Rectangle().Count();
    sendMouse(QEvent::MouseButtonPress, &d.surface(), d.px(2.5, 1.2));
    QMouseEvent drag(QEvent::MouseMove, QPointF(d.px(3, 1.8)), d.surface().mapToGlobal(QPointF(d.px(3, 1.8))),
        Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&d.surface(), &drag);
    EXPECT_TRUE(window().shpOutline()->isVisible());
    key(Qt::Key_Escape);
    EXPECT_FALSE(window().shpOutline()->isVisible());
    EXPECT_EQ(window().WhichButtonDown(), QStringLiteral("Pointer"));
    sendMouse(QEvent::MouseButtonRelease, &d.surface(), d.px(3, 1.8));
    EXPECT_EQ(window().Rectangle().Count(), before);
}

// The shrink-only fit set in the barcode dialog or the Properties panel
// reaches the file and comes back with it.
TEST_F(Editing, TheShrinkOnlyFitRoundTripsThroughSaveAndLoad)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("fit.tpl"));
    DesignControl* text = place("Text", 0.25, 0.25, 1.5, 0.375);
    click(text);
    auto* fit = window().findChild<QCheckBox*>(QStringLiteral("chkPropFontToFit"));
    auto* shrink = window().findChild<QCheckBox*>(QStringLiteral("chkPropShrinkToFit"));
    ASSERT_TRUE(fit && shrink);
    EXPECT_FALSE(shrink->isEnabled()); // it only means something with the fit on
    fit->click();
    ASSERT_TRUE(shrink->isEnabled());

    const auto savedShrink = [&]() {
        d.dialogs.dialog().queueAnswer(CommonDialogAnswer(file));
        EXPECT_TRUE(window().SaveID(true));
        auto t = std::make_shared<CPrintTemplate>();
        t->setError(d.error);
        EXPECT_TRUE(t->ReadFile(file));
        auto* object = dynamic_cast<CTextObjectBase*>(t->begin()->get());
        EXPECT_NE(object, nullptr);
        EXPECT_TRUE(object && object->FontToFit());
        return std::make_pair(object && object->ShrinkToFit(), t);
    };
    // Through the panel, on and off again.
    for (bool on : { true, false }) {
        shrink->click();
        EXPECT_EQ(shrink->isChecked(), on);
        EXPECT_EQ(window().undoStack()->undoText(), QStringLiteral("Shrink Only"));
        EXPECT_EQ(savedShrink().first, on);
    }
    // Through the barcode dialog.
    {
        ModalScope modal([](QDialog& dialog) {
            auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("ckbShrinkToFit"));
            ASSERT_NE(box, nullptr);
            EXPECT_FALSE(box->isChecked());
            EXPECT_TRUE(box->isEnabled());
            box->setChecked(true);
            dialog.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        });
        window().mnuOptionsBarcodeProp_Click();
    }
    const auto [on, reread] = savedShrink();
    EXPECT_TRUE(on);
    // Opened again, the panel and the dialog show it.
    window().ShowID(reread);
    click(window().Text().Item(0));
    EXPECT_TRUE(window().findChild<QCheckBox*>(QStringLiteral("chkPropShrinkToFit"))->isChecked());
    bool shown = false;
    ModalScope modal([&shown](QDialog& dialog) {
        shown = dialog.findChild<QCheckBox*>(QStringLiteral("ckbShrinkToFit"))->isChecked();
        dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    });
    window().mnuOptionsBarcodeProp_Click();
    EXPECT_TRUE(shown);
    // Without the fit the dialog offers the box disabled.
    window().findChild<QCheckBox*>(QStringLiteral("chkPropFontToFit"))->click();
    bool enabled = true;
    ModalScope off([&enabled](QDialog& dialog) {
        enabled = dialog.findChild<QCheckBox*>(QStringLiteral("ckbShrinkToFit"))->isEnabled();
        dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"))->click();
    });
    window().mnuOptionsBarcodeProp_Click();
    EXPECT_FALSE(enabled);
}

// Alt and a menu's letter opens that menu even while a panel shows a
// control with the same letter (Preflight's Verify, the Properties panel's
// Italic, Bold and Top): the menu bar's keys come first.
TEST_F(Editing, MenuLettersOpenTheirMenusWhateverPanelIsShown)
{
    window().show();
    QApplication::setActiveWindow(&window());
    QMenuBar* bar = window().menuBar();
    for (const char* panel : { "fraPreflight", "dckProperties", "fraData" }) {
        auto* dock = window().findChild<QDockWidget*>(QString::fromLatin1(panel));
        ASSERT_NE(dock, nullptr) << panel;
        dock->show();
        dock->raise();
        for (QAction* a : bar->actions()) {
            if (!a->isVisible())
                continue;
            const QKeySequence mnemonic = QKeySequence::mnemonic(a->text());
            ASSERT_FALSE(mnemonic.isEmpty()) << a->text().toStdString();
            QTest::keyClick(&d.surface(), Qt::Key(mnemonic[0].key()), Qt::AltModifier);
            QMenu* menu = a->menu();
            EXPECT_TRUE(menu && menu->isVisible()) << panel << ": " << a->text().toStdString();
            if (menu)
                menu->hide();
        }
    }
}
