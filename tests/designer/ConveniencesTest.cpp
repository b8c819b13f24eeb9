// The designer's conveniences: the Properties panel, several selected
// objects with align, distribute and snapping, the clipboard, the main tool
// bar and undo texts, the title's unsaved mark and the window's placement.
#include "EditingFixture.h"

#include "designer/AlignCommands.h"
#include "designer/DesignCanvas.h"
#include "designer/DesignClipboard.h"
#include "designer/DesignEditing.h"
#include "designer/DesignIcons.h"
#include "designer/DesignSelection.h"
#include "designer/PropertiesPanel.h"
#include "designer/WindowState.h"
#include "dialogs/LengthUnits.h"
#include "dialogs/frmOptions.h"
#include "platform/Picture.h"
#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUndoStack>
#include <QWheelEvent>
#include <QWindow>

using namespace kyt;
using namespace kyt::test;

namespace
{

QStringList objectTokens(const CPrintTemplate& t)
{
    QStringList out;
    for (const auto& o : t)
        out << o->ObjectType() + QLatin1Char(':') + o->TokenString();
    return out;
}

QList<ControlSnapshot> controlsOf(frmPreview& w)
{
    QList<ControlSnapshot> out = DesignEditing::of(w).captureDesign().controls;
    for (ControlSnapshot& cs : out)
        cs.properties.remove(QStringLiteral("useRank"));
    return out;
}

template <class T> T* child(frmPreview& w, const char* name)
{
    T* found = w.findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

} // namespace

// --- Arithmetic ---------------------------------------------------------------

TEST(Arrange, ThreeBoxesLandWhereExpected)
{
    // Boxes (left, top, width, height); the first is the key.
    const std::vector<InchRect> boxes { { 0.5f, 0.25f, 1.0f, 0.5f }, { 2.0f, 1.0f, 0.5f, 0.25f },
        { 1.0f, 0.5f, 0.25f, 1.0f } };
    const struct {
        arrange::Op op;
        std::vector<InchRect> expected;
    } rows[] = {
        { arrange::Op::AlignLeft, { { 0.5f, 0.25f, 1, 0.5f }, { 0.5f, 1, 0.5f, 0.25f }, { 0.5f, 0.5f, 0.25f, 1 } } },
        { arrange::Op::AlignRight, { { 1.5f, 0.25f, 1, 0.5f }, { 2, 1, 0.5f, 0.25f }, { 2.25f, 0.5f, 0.25f, 1 } } },
        { arrange::Op::AlignTop, { { 0.5f, 0.25f, 1, 0.5f }, { 2, 0.25f, 0.5f, 0.25f }, { 1, 0.25f, 0.25f, 1 } } },
        { arrange::Op::AlignBottom, { { 0.5f, 1, 1, 0.5f }, { 2, 1.25f, 0.5f, 0.25f }, { 1, 0.5f, 0.25f, 1 } } },
        { arrange::Op::AlignCentresAcross,
            { { 1, 0.25f, 1, 0.5f }, { 1.25f, 1, 0.5f, 0.25f }, { 1.375f, 0.5f, 0.25f, 1 } } },
        { arrange::Op::AlignCentresDown,
            { { 0.5f, 0.625f, 1, 0.5f }, { 2, 0.75f, 0.5f, 0.25f }, { 1, 0.375f, 0.25f, 1 } } },
        // Across: span 0.5..2.5 = 2, widths 1.75, gaps 0.125; order by left: 0, 2, 1.
        { arrange::Op::DistributeAcross,
            { { 0.5f, 0.25f, 1, 0.5f }, { 2, 1, 0.5f, 0.25f }, { 1.625f, 0.5f, 0.25f, 1 } } },
        // Down: span 0.25..1.5 = 1.25, heights 1.75: gaps -0.25; order by top: 0, 2, 1.
        { arrange::Op::DistributeDown, { { 0.5f, 0.25f, 1, 0.5f }, { 2, 1.25f, 0.5f, 0.25f }, { 1, 0.5f, 0.25f, 1 } } },
        { arrange::Op::SameWidth, { { 0.5f, 0.25f, 1, 0.5f }, { 2, 1, 1, 0.25f }, { 1, 0.5f, 1, 1 } } },
        { arrange::Op::SameHeight, { { 0.5f, 0.25f, 1, 0.5f }, { 2, 1, 0.5f, 0.5f }, { 1, 0.5f, 0.25f, 0.5f } } },
    };
    for (const auto& row : rows) {
        const std::vector<InchRect> got = arrange::apply(row.op, boxes, 0);
        ASSERT_EQ(got.size(), row.expected.size());
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_FLOAT_EQ(got[i].left, row.expected[i].left) << arrange::commandText(row.op).toStdString() << i;
            EXPECT_FLOAT_EQ(got[i].top, row.expected[i].top) << arrange::commandText(row.op).toStdString() << i;
            EXPECT_FLOAT_EQ(got[i].width, row.expected[i].width) << arrange::commandText(row.op).toStdString() << i;
            EXPECT_FLOAT_EQ(got[i].height, row.expected[i].height) << arrange::commandText(row.op).toStdString() << i;
        }
    }
    // Too few boxes stay as they are.
    EXPECT_EQ(arrange::apply(arrange::Op::DistributeAcross, { boxes[0], boxes[1] }),
        std::vector<InchRect>(boxes.begin(), boxes.begin() + 2));
}

TEST(Arrange, SnapsToTheNearestEdgeOrCentreElseTheGrid)
{
    const std::vector<InchRect> others { { 1.0f, 1.0f, 1.0f, 0.5f } }; // right 2.0, centre 1.5, bottom 1.5
    const struct {
        InchRect box;
        float grid;
        float left, top;
        size_t guides;
    } rows[] = {
        { { 2.03f, 0.3f, 0.5f, 0.2f }, 0, 2.0f, 0.3f, 1 }, // left onto the neighbour's right
        { { 0.47f, 1.52f, 0.5f, 0.2f }, 0, 0.5f, 1.5f, 2 }, // right onto its left, top onto its bottom
        { { 1.27f, 2.5f, 0.5f, 0.2f }, 0, 1.25f, 2.5f, 1 }, // centres meet
        { { 3.06f, 2.49f, 0.5f, 0.2f }, 0.125f, 3.0f, 2.5f, 0 }, // nothing near: the grid
        { { 3.06f, 2.49f, 0.5f, 0.2f }, 0, 3.06f, 2.49f, 0 }, // no grid: as dragged
    };
    for (const auto& row : rows) {
        const arrange::Snap s = arrange::snap(row.box, others, 0.05f, row.grid);
        EXPECT_FLOAT_EQ(s.left, row.left) << row.box.left;
        EXPECT_FLOAT_EQ(s.top, row.top) << row.box.top;
        EXPECT_EQ(s.verticalGuides.size() + s.horizontalGuides.size(), row.guides) << row.box.left;
    }
}

// --- Properties panel -----------------------------------------------------------

TEST_F(Editing, APanelEditReachesTheSavedFileAndUndoesInOneStep)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("card.tpl"));
    DesignControl* text = place("Text", 0.25, 0.25, 1.5, 0.375);
    DesignControl* logo = place("Logo", 2, 0.25, 0.5, 0.5);
    QImage pixels(4, 4, QImage::Format_RGB32);
    pixels.fill(Qt::darkGreen);
    logo->setPicture(Picture(pixels)); // a logo without a picture is not saved
    PropertiesPanel* panel = window().propertiesPanel();
    ASSERT_NE(panel, nullptr);
    const struct {
        DesignControl* target;
        const char* widget;
        std::function<void(QWidget*)> change;
        const char* undoText;
    } rows[] = {
        { text, "txtPropLeft", [](QWidget* w) { static_cast<QDoubleSpinBox*>(w)->setValue(1.0); }, "Move" },
        { text, "txtPropHeight", [](QWidget* w) { static_cast<QDoubleSpinBox*>(w)->setValue(0.5); }, "Resize" },
        { text, "chkPropBold", [](QWidget* w) { static_cast<QCheckBox*>(w)->click(); }, "Bold" },
        { text, "chkPropStrikethrough", [](QWidget* w) { static_cast<QCheckBox*>(w)->click(); }, "Strikeout" },
        { text, "cboPropAlignment", [](QWidget* w) { static_cast<QComboBox*>(w)->setCurrentIndex(2); }, "Alignment" },
        { text, "txtPropFontSize", [](QWidget* w) { static_cast<QDoubleSpinBox*>(w)->setValue(14); }, "Font Size" },
        { text, "chkPropTransparent", [](QWidget* w) { static_cast<QCheckBox*>(w)->click(); }, "Transparent" },
        { text, "chkPropBorder", [](QWidget* w) { static_cast<QCheckBox*>(w)->click(); }, "Border" },
        { text, "chkPropBarcode", [](QWidget* w) { static_cast<QCheckBox*>(w)->click(); }, "Barcode" },
        { text, "chkPropFontToFit", [](QWidget* w) { static_cast<QCheckBox*>(w)->click(); }, "Size Font To Fit" },
        { logo, "chkPropStretch", [](QWidget* w) { static_cast<QCheckBox*>(w)->click(); }, "Stretch" },
    };
    d.dialogs.dialog().queueAnswer(CommonDialogAnswer(file));
    window().SaveID(true);
    for (const auto& row : rows) {
        click(row.target);
        ASSERT_EQ(outline().selectedControl(), row.target) << row.widget;
        window().SaveID(true);
        const QStringList before = objectTokens(*window().currentTemplate());
        const QList<ControlSnapshot> controlsBefore = controlsOf(window());
        const int steps = window().undoStack()->count();

        auto* widget = child<QWidget>(window(), row.widget);
        ASSERT_TRUE(widget && widget->isVisibleTo(panel)) << row.widget;
        row.change(widget);
        EXPECT_EQ(window().undoStack()->count(), steps + 1) << row.widget;
        EXPECT_EQ(window().undoStack()->undoText(), QLatin1String(row.undoText)) << row.widget;

        window().SaveID(true);
        const QStringList after = objectTokens(*window().currentTemplate());
        EXPECT_NE(after, before) << row.widget;
        CPrintTemplate reread;
        reread.setError(d.error);
        ASSERT_TRUE(reread.ReadFile(file));
        EXPECT_EQ(objectTokens(reread), after) << row.widget;

        window().undoStack()->undo();
        EXPECT_EQ(controlsOf(window()), controlsBefore) << row.widget;
        window().undoStack()->redo();
    }
}

TEST_F(Editing, ThePanelShowsLengthsInTheChosenUnit)
{
    DesignControl* text = place("Text", 0.5, 0.25, 1, 0.25);
    click(text);
    auto* left = child<QDoubleSpinBox>(window(), "txtPropLeft");
    const struct {
        const char* action;
        double shown;
        const char* suffix;
        const char* rulerLabel; // one the top ruler shows
        const char* status; // the status line's start after a move
    } rows[] = { { "mnuViewUnitsMillimetres", 12.7, " mm", "40", "Text(0)  left 12.70 mm" },
        { "mnuViewUnitsInches", 0.5, " in", "1.00", "Text(0)  left 0.500\"" } };
    for (const auto& row : rows) {
        action(row.action)->trigger();
        EXPECT_NEAR(left->value(), row.shown, 1e-6) << row.action;
        EXPECT_EQ(left->suffix(), QLatin1String(row.suffix));
        EXPECT_TRUE(window().canvas()->topRulerLabels().contains(QLatin1String(row.rulerLabel)))
            << window().canvas()->topRulerLabels().join(QLatin1Char(' ')).toStdString();
        key(Qt::Key_Right);
        key(Qt::Key_Left);
        EXPECT_TRUE(window().statusLabel()->text().startsWith(QLatin1String(row.status)))
            << window().statusLabel()->text().toStdString();
    }
    // Files keep inches whatever is shown.
    action("mnuViewUnitsMillimetres")->trigger();
    left->setValue(25.4);
    EXPECT_FLOAT_EQ(text->left(), 1.0f);
    action("mnuViewUnitsInches")->trigger();

    // The same setting is in the Options dialog; the window follows it when
    // it is active again.
    frmOptions options;
    options.setProperties(&d.properties);
    options.LoadSettings();
    ASSERT_EQ(options.cboUnits()->currentIndex(), 0);
    options.cboUnits()->setCurrentIndex(1);
    options.findChild<QPushButton*>(QStringLiteral("cmdApply"))->click();
    EXPECT_EQ(units::current(), units::Unit::Millimetres);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window(), &activate);
    EXPECT_EQ(left->suffix(), QStringLiteral(" mm"));
    EXPECT_TRUE(action("mnuViewUnitsMillimetres")->isChecked());
    units::setCurrent(units::Unit::Inches);
}

// --- Several objects ---------------------------------------------------------------

TEST_F(Editing, ShiftClickBandAndSelectAllMakeAGroupThatMovesAndDeletesTogether)
{
    DesignControl* a = place("Rectangle", 0.25, 0.25, 0.5, 0.25);
    DesignControl* b = place("Rectangle", 1.25, 0.75, 0.5, 0.25);
    DesignControl* c = place("Text", 2.0, 1.25, 0.75, 0.25);
    DesignSelection& sel = *window().selection();

    click(a);
    QTest::mouseClick(b, Qt::LeftButton, Qt::ShiftModifier, centre(b));
    QTest::mouseClick(c, Qt::LeftButton, Qt::ControlModifier, centre(c));
    EXPECT_EQ(sel.count(), 3);
    QTest::mouseClick(b, Qt::LeftButton, Qt::ControlModifier, centre(b)); // takes it away
    EXPECT_EQ(sel.count(), 2);
    EXPECT_FALSE(sel.contains(b));

    // Arrow keys and dragging move the group.
    const InchRect ra = rectOf(*a), rc = rectOf(*c);
    key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_FLOAT_EQ(a->left(), ra.left + 0.125f);
    EXPECT_FLOAT_EQ(c->left(), rc.left + 0.125f);
    drag(a->left() + 0.1, a->top() + 0.1, a->left() + 0.35, a->top() + 0.35);
    EXPECT_NEAR(c->left() - a->left(), rc.left - ra.left, 1e-4);
    EXPECT_NEAR(c->top() - a->top(), rc.top - ra.top, 1e-4);
    EXPECT_EQ(sel.count(), 2);

    // A click elsewhere ends the group; a band selects what it encloses.
    d.drag(3.2, 2.0, 3.3, 2.05);
    EXPECT_EQ(sel.count(), 0);
    drag(0.05, 0.05, 2.0, 1.9);
    EXPECT_EQ(sel.count(), 2);
    EXPECT_TRUE(sel.contains(a) && sel.contains(b));

    action("mnuEditSelectAll")->trigger();
    EXPECT_EQ(sel.count(), 3);
    const int steps = window().undoStack()->count();
    key(Qt::Key_Delete);
    EXPECT_EQ(window().designControls().front()->Visible(), false);
    EXPECT_EQ(window().undoStack()->count(), steps + 1);
    window().undoStack()->undo();
    int visible = 0;
    for (IDesignControl* i : window().designControls())
        visible += i->Visible();
    EXPECT_EQ(visible, 3);
}

TEST_F(Editing, ArrangeCommandsWorkOnTheSelectionAsOneStep)
{
    DesignControl* a = place("Rectangle", 0.5, 0.25, 1.0, 0.5);
    DesignControl* b = place("Rectangle", 2.0, 1.0, 0.5, 0.25);
    DesignControl* c = place("Rectangle", 1.0, 0.5, 0.25, 1.0);
    window().selection()->select({ a, b, c });
    const QList<ControlSnapshot> before = controlsOf(window());
    const struct {
        const char* action;
        float left[3];
        float top[3];
    } rows[] = {
        { "mnuArrangeAlignLeft", { 0.5f, 0.5f, 0.5f }, { 0.25f, 1.0f, 0.5f } },
        { "mnuArrangeAlignBottom", { 0.5f, 2.0f, 1.0f }, { 1.0f, 1.25f, 0.5f } },
        { "mnuArrangeDistributeAcross", { 0.5f, 2.0f, 1.625f }, { 0.25f, 1.0f, 0.5f } },
    };
    for (const auto& row : rows) {
        const int steps = window().undoStack()->index();
        ASSERT_TRUE(action(row.action)->isEnabled()) << row.action;
        action(row.action)->trigger();
        const DesignControl* all[3] = { a, b, c };
        for (int i = 0; i < 3; ++i) {
            EXPECT_FLOAT_EQ(all[i]->left(), row.left[i]) << row.action << i;
            EXPECT_FLOAT_EQ(all[i]->top(), row.top[i]) << row.action << i;
        }
        EXPECT_EQ(window().undoStack()->index(), steps + 1);
        window().undoStack()->undo();
        EXPECT_EQ(controlsOf(window()), before) << row.action;
        window().selection()->select({ a, b, c });
    }
}

TEST_F(Editing, ADraggedEdgeSnapsOntoItsNeighboursEdge)
{
    DesignControl* a = place("Rectangle", 0.5, 0.5, 1.0, 0.5); // right edge 1.5
    DesignControl* b = place("Rectangle", 2.0, 1.5, 0.5, 0.25);
    click(b);
    const float tolerance = window().selection()->snapTolerance();
    // Grab b and bring its left edge to just short of a's right edge.
    const double grabX = 2.1, grabY = 1.6;
    const double miss = tolerance / 2;
    drag(grabX, grabY, grabX - (2.0 - 1.5) + miss, grabY - 0.2);
    EXPECT_FLOAT_EQ(b->left(), a->left() + a->Width());
    EXPECT_NEAR(b->top(), 1.3, 0.02); // nothing near down the card: as dragged

    // Off, the same drag lands as dragged.
    action("mnuArrangeSnapObjects")->trigger();
    window().undoStack()->undo();
    drag(grabX, grabY, grabX - (2.0 - 1.5) + miss, grabY - 0.2);
    EXPECT_NEAR(b->left(), 1.5 + miss, 1e-2);
    EXPECT_NE(b->left(), a->left() + a->Width());
    action("mnuArrangeSnapObjects")->trigger();
}

// --- Clipboard ------------------------------------------------------------------

TEST_F(Editing, CopyInOneWindowPastesEveryPropertyAndPictureInAnother)
{
    DesignControl* text = place("Text", 0.25, 0.25, 1.5, 0.375);
    text->setCaption(QStringLiteral("Jane Doe"));
    text->setFontBold(true);
    text->setFontStrikethrough(true);
    text->setForeColor(0x0000FF);
    text->setAlignment(2);
    text->setTag(text->Tag() + QStringLiteral("BC=True;BCType=1;"));
    DesignControl* logo = place("Logo", 2, 0.25, 0.75, 0.5);
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(QColor(10, 200, 30));
    image.setPixel(3, 2, qRgb(250, 0, 0));
    logo->setPicture(Picture(image));
    logo->setStretch(true);
    place("Photo", 2, 1, 0.75, 1);
    window().selection()->selectAll();
    action("mnuEditCopy")->trigger();
    const QList<ControlSnapshot> copied = controlsOf(window());

    Designer other;
    other.showBlank(3.375, 2.125);
    ASSERT_TRUE(other.window.menuAction(QStringLiteral("mnuEditPaste"))->isEnabled());
    other.window.menuAction(QStringLiteral("mnuEditPaste"))->trigger();
    const QList<ControlSnapshot> pasted = controlsOf(other.window);
    ASSERT_EQ(pasted.size(), copied.size());
    for (qsizetype i = 0; i < copied.size(); ++i) {
        EXPECT_EQ(pasted[i].name, copied[i].name);
        for (auto it = copied[i].properties.begin(); it != copied[i].properties.end(); ++it) {
            if (it.key() != QLatin1String("Tag")) { // the drawing order is the new card's own
                EXPECT_EQ(pasted[i].properties.value(it.key()), it.value()) << it.key().toStdString();
            }
        }
        const QString tagCopied = copied[i].properties.value(QStringLiteral("Tag")).toString();
        const QString tagPasted = pasted[i].properties.value(QStringLiteral("Tag")).toString();
        for (const char* item : { "BC", "BCType", "FTF", "Key" })
            EXPECT_EQ(GetTagValue(tagPasted, QLatin1String(item)), GetTagValue(tagCopied, QLatin1String(item))) << item;
    }
    EXPECT_EQ(other.window.undoStack()->undoText(), QStringLiteral("Paste"));
    EXPECT_EQ(other.window.selection()->count(), 3);

    // Pasted again on the same card, it moves off the first copy; a card
    // has one photo, so that one is left out.
    other.window.menuAction(QStringLiteral("mnuEditPaste"))->trigger();
    EXPECT_EQ(other.window.Text().UBound(), 1);
    EXPECT_EQ(other.window.Photo().UBound(), 0);
    EXPECT_FLOAT_EQ(other.window.Text().Item(1)->left(), other.window.Text().Item(0)->left() + 0.125f);
}

TEST_F(Editing, CutDuplicateAndAPictureFromElsewhere)
{
    DesignControl* rect = place("Rectangle", 0.5, 0.5, 1, 0.5);
    click(rect);
    action("mnuEditDuplicate")->trigger();
    ASSERT_EQ(window().Rectangle().UBound(), 1);
    EXPECT_FLOAT_EQ(window().Rectangle().Item(1)->left(), 0.625f);
    EXPECT_EQ(window().undoStack()->undoText(), QStringLiteral("Duplicate"));

    action("mnuEditCut")->trigger();
    EXPECT_FALSE(window().Rectangle().Item(1));
    EXPECT_EQ(window().undoStack()->undoText(), QStringLiteral("Cut"));
    ASSERT_TRUE(QApplication::clipboard()->mimeData()->hasFormat(clipboard::MimeType));

    // A picture copied in another program becomes a logo.
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QApplication::clipboard()->setImage(image);
    action("mnuEditPaste")->trigger();
    DesignControl* logo = window().Logo().Item(0);
    ASSERT_TRUE(logo->Visible());
    EXPECT_EQ(logo->Picture().image().size(), image.size());
    EXPECT_FLOAT_EQ(logo->Width(), 1.0f);
    EXPECT_FLOAT_EQ(logo->Height(), 0.5f);

    // Data that is not ours, or damaged, places nothing.
    EXPECT_EQ(clipboard::placeObjects(window(), QByteArray("not objects"), QStringLiteral("Paste")), 0);
    EXPECT_EQ(
        clipboard::placeObjects(window(), QByteArray::fromHex("4b59544f0001ffffffff"), QStringLiteral("Paste")), 0);
}

// --- The window ----------------------------------------------------------------

TEST_F(Editing, UndoAndRedoNameTheirCommandAndTheTitleMarksUnsavedChanges)
{
    QTemporaryDir dir;
    d.dialogs.dialog().queueAnswer(CommonDialogAnswer(dir.filePath(QStringLiteral("card.tpl"))));
    window().SaveID(false);
    WindowState* state = window().findChild<WindowState*>();
    ASSERT_NE(state, nullptr);
    const QString caption = window().windowTitle();
    EXPECT_EQ(state->shownTitle(), caption);

    DesignControl* r = place("Rectangle", 0.5, 0.5, 1, 0.5);
    drag(r->left() + 0.2, r->top() + 0.2, r->left() + 0.7, r->top() + 0.45);
    const struct {
        const char* undo;
        const char* redo;
        std::function<void()> step;
    } rows[] = {
        { "&Undo Move", "&Redo", [] {} },
        { "&Undo Place Rectangle", "&Redo Move", [this] { window().undoStack()->undo(); } },
        { "&Undo", "&Redo Place Rectangle", [this] { window().undoStack()->undo(); } },
    };
    for (const auto& row : rows) {
        row.step();
        EXPECT_EQ(action("mnuEditUndo")->text(), QLatin1String(row.undo));
        EXPECT_EQ(action("mnuEditRedo")->text(), QLatin1String(row.redo));
    }
    EXPECT_EQ(state->shownTitle(), caption); // back at the saved state
    window().undoStack()->redo();
    EXPECT_EQ(state->shownTitle(), caption + WindowState::ChangedMark);
    EXPECT_EQ(window().windowTitle(), caption); // the caption itself stays
    window().SaveID(true);
    EXPECT_EQ(state->shownTitle(), caption);

    // The saved template heads the recent list.
    EXPECT_EQ(
        WindowState::recentFiles().value(0), QFileInfo(dir.filePath(QStringLiteral("card.tpl"))).absoluteFilePath());
}

// One session of the designer as a host runs it: Setup places the window.
struct Session {
    ScriptedBoxScope boxes;
    ScriptedDialogScope dialogs;
    std::shared_ptr<CError> error = quietError();
    CProperties properties { error };
    frmPreview window;
    Session()
    {
        window.setError(error);
        window.setProperties(&properties);
        window.Setup();
        window.show();
    }
};

TEST(DesignerWindow, ComesBackWhereItWasAfterThreeSessions)
{
    const struct {
        QRect placed;
        bool maximized;
    } rows[] = { { QRect(130, 70, 600, 450), false }, { QRect(60, 40, 500, 380), true } };
    for (const auto& row : rows) {
        {
            Session first;
            first.window.setGeometry(row.placed);
            if (row.maximized)
                first.window.showMaximized();
            first.window.close();
        }
        for (int session = 1; session <= 3; ++session) {
            Session next; // Setup reads the placement stored by the one before
            EXPECT_EQ(next.window.isMaximized(), row.maximized) << session;
            EXPECT_EQ(next.window.normalGeometry(), row.placed) << "session " << session;
            if (!row.maximized) {
                EXPECT_EQ(next.window.geometry(), row.placed) << "session " << session;
            }
            next.window.close();
        }
    }
    // Windows opened later in this process start as they normally do.
    Session last;
    last.window.showNormal();
    last.window.close();
    EXPECT_FALSE(WindowState::storedMaximized());
}

TEST_F(Editing, EveryNewCommandHasAKeyAndAUniqueAccessLetter)
{
    for (const char* name :
        { "mnuEditCut", "mnuEditCopy", "mnuEditPaste", "mnuEditDuplicate", "mnuEditSelectAll", "mnuViewProperties" })
        EXPECT_FALSE(action(name)->shortcut().isEmpty()) << name;
    for (const char* menuName : { "mnuEditMenu", "mnuArrangeMenu", "mnuViewMenu" }) {
        QMenu* menu = window().findChild<QMenu*>(QLatin1String(menuName));
        ASSERT_NE(menu, nullptr);
        QSet<QChar> letters;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator())
                continue;
            const qsizetype amp = a->text().indexOf(QLatin1Char('&'));
            ASSERT_GE(amp, 0) << a->text().toStdString();
            const QChar letter = a->text().at(amp + 1).toLower();
            EXPECT_FALSE(letters.contains(letter)) << menuName << " " << a->text().toStdString();
            letters.insert(letter);
        }
    }
    // Every field of the Properties panel has its own letter.
    QSet<QChar> panelLetters;
    const auto letterOf = [](const QString& text) {
        const qsizetype amp = text.indexOf(QLatin1Char('&'));
        return amp < 0 || amp + 1 >= text.size() ? QChar() : text.at(amp + 1).toLower();
    };
    QStringList texts;
    for (const QAbstractButton* b : window().propertiesPanel()->widget()->findChildren<QAbstractButton*>())
        texts << b->text();
    for (const QLabel* l : window().propertiesPanel()->widget()->findChildren<QLabel*>())
        if (l->buddy())
            texts << l->text();
    EXPECT_GE(texts.size(), 20);
    for (const QString& text : texts) {
        const QChar letter = letterOf(text);
        ASSERT_FALSE(letter.isNull()) << text.toStdString();
        EXPECT_FALSE(panelLetters.contains(letter)) << text.toStdString();
        panelLetters.insert(letter);
    }
    // The main tool bar carries the menus' own actions, each with an icon.
    QToolBar* bar = window().tlbMain();
    ASSERT_NE(bar, nullptr);
    for (const char* name :
        { "mnuIDNew", "mnuIDOpen", "mnuIDSave", "mnuEditUndo", "mnuEditRedo", "mnuViewZoomIn", "mnuIDPrint" }) {
        EXPECT_TRUE(bar->actions().contains(action(name))) << name;
        EXPECT_FALSE(action(name)->icon().isNull()) << name;
    }
    EXPECT_TRUE(designIcon(QStringLiteral("NoSuchIcon"), window().palette()).isNull());
    // The icons stay sharp at twice the pixels.
    const QPixmap hi = action("mnuIDSave")->icon().pixmap(QSize(22, 22), 2.0);
    EXPECT_EQ(hi.size(), QSize(44, 44));
    EXPECT_EQ(hi.devicePixelRatio(), 2.0);
}

TEST_F(Editing, TheCardSitsInTheMiddleAndCtrlWheelZoomsAroundThePointer)
{
    QScrollArea* scroll = window().scrollArea();
    QWidget* viewport = scroll->viewport();
    const QRect canvas = window().canvas()->geometry();
    ASSERT_LT(canvas.width(), viewport->width());
    EXPECT_NEAR(canvas.center().x(), viewport->rect().center().x(), 1);

    // Zoomed so far that the card scrolls: the pointer's point can stay put
    // while zooming in (at most to the largest zoom); Ctrl and the wheel
    // the other way zooms out.
    window().setZoom(3.0);
    const struct {
        int wheel;
        double zoom;
        double x, y; // card inches under the pointer
    } rows[] = { { 120, 3.75, 1.6, 1.0 }, { 120, DesignSurface::MaxZoom, 1.7, 1.1 }, { -120, 3.2, 1.7, 1.1 } };
    for (const auto& row : rows) {
        const QPoint at = d.surface().mapTo(viewport, d.px(row.x, row.y));
        QWheelEvent wheel(QPointF(at), QPointF(viewport->mapToGlobal(at)), QPoint(), QPoint(0, row.wheel), Qt::NoButton,
            Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &wheel);
        EXPECT_NEAR(window().zoom(), row.zoom, 1e-9) << row.x;
        if (row.wheel < 0)
            continue;
        // The same point of the card is still under the pointer.
        const QPointF under = QPointF(d.surface().mapFrom(viewport, at)) / d.surface().pixelsPerInch();
        EXPECT_NEAR(under.x(), row.x, 0.02) << row.x;
        EXPECT_NEAR(under.y(), row.y, 0.02) << row.y;
    }
}
