// The window's editing state: capture and restore for undo, commands that
// span several events, the status line and the editing keys.

#include "designer/DesignEditing.h"

#include "designer/COutline.h"
#include "designer/ControlArray.h"
#include "designer/DesignCanvas.h"
#include "designer/DesignControl.h"
#include "designer/DesignSelection.h"
#include "designer/frmPreview.h"
#include "dialogs/LengthUnits.h"
#include "util/Strings.h"
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QUndoStack>
#include <algorithm>
#include <map>
#include <set>

namespace kyt
{

namespace
{

const char* const ArrayNames[] = { "Photo", "Logo", "Rectangle", "Line", "Text", "Data" };

// Visible design controls from the bottom of the drawing order up.
std::vector<DesignControl*> drawingOrder(const frmPreview& window)
{
    std::vector<DesignControl*> controls;
    if (!window.picID())
        return controls;
    for (QObject* o : window.picID()->children())
        if (auto* c = qobject_cast<DesignControl*>(o); c && c->Visible())
            controls.push_back(c);
    return controls;
}

float surfaceHeight(const frmPreview& window)
{
    if (const auto t = window.currentTemplate())
        return static_cast<float>(t->Height() * (t->Duplex() ? 2 : 1));
    return window.picID() ? window.picID()->surfaceHeight() : 0.0f;
}

float surfaceWidth(const frmPreview& window)
{
    if (const auto t = window.currentTemplate())
        return static_cast<float>(t->Width());
    return window.picID() ? window.picID()->surfaceWidth() : 0.0f;
}

} // namespace

bool IsBarcodeToken(const QString& token)
{
    return GetTagValue(token, QStringLiteral("BC"), QStringLiteral(";"), QStringLiteral("="))
               .compare(QLatin1String("True"), Qt::CaseInsensitive)
        == 0;
}

DesignEditing::DesignEditing(frmPreview& window)
    : QObject(&window)
    , m_window(window)
{
    setObjectName(QStringLiteral("designEditing"));
    if (QUndoStack* stack = window.undoStack()) {
        frmPreview* w = &window;
        connectChangedFlag(
            *stack, [w] { return w->currentTemplate().get(); }, this);
    }
    // Clicking the card takes the keys (and the focus from the editor).
    if (window.picID())
        window.picID()->setFocusPolicy(Qt::ClickFocus);
    // While editing, the label follows the editor's text.
    if (QLineEdit* editor = window.txtText()) {
        frmPreview* w = &window;
        connect(editor, &QLineEdit::textEdited, this, [w, editor](const QString& text) {
            if (DesignControl* label = w->Text().Item(editor->property("Tag").toString().toInt()))
                label->setCaption(text);
        });
    }
    qApp->installEventFilter(this);
}

DesignEditing::~DesignEditing()
{
    if (m_pending)
        m_pending->cancel();
}

DesignEditing& DesignEditing::of(frmPreview& window)
{
    if (!window.m_editing)
        window.m_editing = new DesignEditing(window);
    return *window.m_editing;
}

namespace
{
QVariantMap cardProperties(const CPrintTemplate& t)
{
    return QVariantMap { { QStringLiteral("Width"), t.Width() }, { QStringLiteral("Height"), t.Height() },
        { QStringLiteral("Orientation"), int(t.Orientation()) },
        { QStringLiteral("BackgroundColor"), qlonglong(t.BackgroundColor()) },
        { QStringLiteral("TargetApplication"), t.TargetApplication() }, { QStringLiteral("Duplex"), t.Duplex() },
        { QStringLiteral("Picture"), QVariant::fromValue(t.Picture()) } };
}
} // namespace

DesignSnapshot DesignEditing::captureDesign() const
{
    DesignSnapshot s;
    const std::vector<DesignControl*> controls = drawingOrder(m_window);
    // The order the controls were put to use decides the saved order of
    // objects with equal drawing order; keep it as ranks.
    std::vector<DesignControl*> byUse = controls;
    std::stable_sort(byUse.begin(), byUse.end(),
        [](const DesignControl* a, const DesignControl* b) { return a->useOrder() < b->useOrder(); });
    std::map<const DesignControl*, int> rank;
    for (size_t i = 0; i < byUse.size(); ++i)
        rank[byUse[i]] = static_cast<int>(i);

    for (DesignControl* c : controls) {
        ControlSnapshot cs;
        cs.name = c->Name();
        cs.index = c->Index();
        cs.properties = QVariantMap { { QStringLiteral("left"), c->left() }, { QStringLiteral("top"), c->top() },
            { QStringLiteral("Width"), c->Width() }, { QStringLiteral("Height"), c->Height() },
            { QStringLiteral("Tag"), c->Tag() }, { QStringLiteral("Caption"), c->Caption() },
            { QStringLiteral("BackStyle"), c->BackStyle() }, { QStringLiteral("BorderStyle"), c->BorderStyle() },
            { QStringLiteral("Alignment"), c->Alignment() }, { QStringLiteral("BackColor"), c->BackColor() },
            { QStringLiteral("ForeColor"), c->ForeColor() }, { QStringLiteral("FontName"), c->FontName() },
            { QStringLiteral("FontSize"), c->FontSize() }, { QStringLiteral("FontBold"), c->FontBold() },
            { QStringLiteral("FontItalic"), c->FontItalic() }, { QStringLiteral("FontUnderline"), c->FontUnderline() },
            { QStringLiteral("FontStrikethrough"), c->FontStrikethrough() },
            { QStringLiteral("Picture"), QVariant::fromValue(c->Picture()) },
            { QStringLiteral("Stretch"), c->Stretch() }, { QStringLiteral("useRank"), rank[c] } };
        s.controls.append(cs);
    }
    if (const COutline* o = m_window.outline())
        o->GetSelected(s.selectedIndex, s.selectedName);
    if (const auto t = m_window.currentTemplate())
        s.card = cardProperties(*t);
    return s;
}

void DesignEditing::restoreDesign(const DesignSnapshot& s)
{
    // An open in-place editor belongs to the state being left.
    if (m_pending) {
        m_pending->cancel();
        m_pending.reset();
    }
    if (QLineEdit* editor = m_window.txtText())
        editor->hide();
    COutline* outline = m_window.outline();
    if (outline)
        outline->Unselect();

    for (const char* name : ArrayNames) {
        ControlArray* array = m_window.controlArray(QLatin1String(name));
        if (!array)
            continue;
        std::set<int> wanted;
        for (const ControlSnapshot& cs : s.controls)
            if (cs.name == QLatin1String(name))
                wanted.insert(cs.index);
        for (DesignControl* c : array->elements()) {
            if (wanted.count(c->Index()))
                continue;
            if (c->Index() == 0)
                c->setVisible(false);
            else
                array->Unload(c->Index());
        }
        for (int index : wanted)
            if (!array->Item(index))
                array->Load(index);
    }

    std::vector<std::pair<int, DesignControl*>> byUse;
    for (const ControlSnapshot& cs : s.controls) {
        ControlArray* array = m_window.controlArray(cs.name);
        DesignControl* c = array ? array->Item(cs.index) : nullptr;
        if (!c)
            continue;
        const QVariantMap& p = cs.properties;
        c->setleft(p.value(QStringLiteral("left")).toFloat());
        c->settop(p.value(QStringLiteral("top")).toFloat());
        c->setWidth(p.value(QStringLiteral("Width")).toFloat());
        c->setHeight(p.value(QStringLiteral("Height")).toFloat());
        c->setTag(p.value(QStringLiteral("Tag")).toString());
        c->setCaption(p.value(QStringLiteral("Caption")).toString());
        c->setBackStyle(p.value(QStringLiteral("BackStyle")).toInt());
        c->setBorderStyle(p.value(QStringLiteral("BorderStyle")).toInt());
        c->setAlignment(p.value(QStringLiteral("Alignment")).toInt());
        c->setBackColor(p.value(QStringLiteral("BackColor")).toInt());
        c->setForeColor(p.value(QStringLiteral("ForeColor")).toInt());
        if (!c->setFontName(p.value(QStringLiteral("FontName")).toString()))
            c->setFontName(IDesignControl::FallbackFontName);
        c->setFontSize(p.value(QStringLiteral("FontSize")).toDouble());
        c->setFontBold(p.value(QStringLiteral("FontBold")).toBool());
        c->setFontItalic(p.value(QStringLiteral("FontItalic")).toBool());
        c->setFontUnderline(p.value(QStringLiteral("FontUnderline")).toBool());
        c->setFontStrikethrough(p.value(QStringLiteral("FontStrikethrough")).toBool());
        c->setPicture(p.value(QStringLiteral("Picture")).value<Picture>());
        c->setStretch(p.value(QStringLiteral("Stretch")).toBool());
        c->setVisible(true);
        c->raise(); // controls come in drawing order, bottom first
        byUse.emplace_back(p.value(QStringLiteral("useRank")).toInt(), c);
    }
    std::stable_sort(byUse.begin(), byUse.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& entry : byUse)
        entry.second->markUsed();

    if (const auto t = m_window.currentTemplate(); t && !s.card.isEmpty() && cardProperties(*t) != s.card) {
        const QVariantMap& p = s.card;
        t->setWidth(p.value(QStringLiteral("Width")).toDouble());
        t->setHeight(p.value(QStringLiteral("Height")).toDouble());
        t->setOrientation(qint16(p.value(QStringLiteral("Orientation")).toInt()));
        t->setBackgroundColor(p.value(QStringLiteral("BackgroundColor")).toInt());
        t->setTargetApplication(p.value(QStringLiteral("TargetApplication")).toString());
        t->setDuplex(p.value(QStringLiteral("Duplex")).toBool());
        t->setPicture(p.value(QStringLiteral("Picture")).value<Picture>());
        m_window.refreshCardLayout();
    }

    if (outline && s.selectedName != QLatin1String("Pointer"))
        if (ControlArray* array = m_window.controlArray(s.selectedName))
            if (DesignControl* c = array->Item(s.selectedIndex); c && c->Visible())
                outline->Selected(c);
    if (auto* photo = m_window.findChild<QAction*>(QStringLiteral("tlbObjectsPhoto")))
        photo->setEnabled(!m_window.Photo().Item(0)->Visible());
    clearStatus();
    m_window.picID()->update();
}

void DesignEditing::beginPending(const QString& text)
{
    if (m_pending)
        return; // one at a time; the first one's text stands
    m_pending = std::make_unique<DesignEdit>(m_window.undoStack(), *this, text);
}

void DesignEditing::commitPending()
{
    if (!m_pending)
        return;
    std::unique_ptr<DesignEdit> edit = std::move(m_pending);
    edit->commit();
}

void DesignEditing::pushPlaced(DesignControl* control)
{
    QUndoStack* stack = m_window.undoStack();
    if (!stack || !control)
        return;
    DesignSnapshot after = captureDesign();
    DesignSnapshot before = after;
    before.controls.removeIf(
        [control](const ControlSnapshot& cs) { return cs.name == control->Name() && cs.index == control->Index(); });
    before.selectedName = QStringLiteral("Pointer");
    before.selectedIndex = 0;
    if (after.sameDesign(before))
        return;
    stack->push(new DesignCommand(*this, tr("Place %1").arg(control->Name()), std::move(before), std::move(after)));
}

void DesignEditing::showGeometry(const QString& name, int index, const InchRect& r)
{
    if (QLabel* status = m_window.statusLabel()) {
        const units::Unit unit = units::current();
        const auto in = [unit](float v) { return units::statusLength(v, unit); };
        status->setText(tr("%1(%2)  left %3  top %4  width %5  height %6")
                            .arg(name)
                            .arg(index)
                            .arg(in(r.left), in(r.top), in(r.width), in(r.height)));
    }
}

void DesignEditing::clearStatus()
{
    if (QLabel* status = m_window.statusLabel())
        status->clear();
}

void DesignEditing::reveal(DesignControl* c) const
{
    QScrollArea* scroll = m_window.scrollArea();
    if (!scroll || !c)
        return;
    // Room for the rulers laid over the view's top and left edges.
    const QWidget* top = m_window.canvas() ? m_window.canvas()->topRuler() : nullptr;
    const int margin = (top ? top->height() : 0) + 12;
    scroll->ensureWidgetVisible(c, margin, margin);
}

void DesignEditing::selectNext(bool backwards)
{
    COutline* outline = m_window.outline();
    const std::vector<DesignControl*> controls = drawingOrder(m_window);
    if (!outline || controls.empty())
        return;
    const auto n = static_cast<qsizetype>(controls.size());
    const auto it = std::find(controls.begin(), controls.end(), outline->selectedControl());
    qsizetype i
        = it == controls.end() ? (backwards ? n - 1 : 0) : (it - controls.begin() + (backwards ? n - 1 : 1)) % n;
    DesignControl* c = controls[static_cast<size_t>(i)];
    outline->Selected(c);
    reveal(c);
    showGeometry(c->Name(), c->Index(), InchRect { c->left(), c->top(), c->Width(), c->Height() });
}

bool DesignEditing::eventFilter(QObject* watched, QEvent* event)
{
    QLineEdit* editor = m_window.txtText();
    if (watched == editor && editor && editor->isVisible()) {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            // Esc gives the typing up: the text stays as it was.
            editor->setText(editor->property("captionBefore").toString());
            m_window.TextUpdate();
            return true;
        }
        if (event->type() == QEvent::FocusOut || event->type() == QEvent::MouseButtonDblClick) {
            m_window.TextUpdate();
            return event->type() == QEvent::MouseButtonDblClick;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &m_window || (editor && editor->isVisible()) || !m_window.currentTemplate())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool shift = key->modifiers() & Qt::ShiftModifier;
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        selectNext(key->key() == Qt::Key_Backtab || shift);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        COutline* outline = m_window.outline();
        DesignControl* c = outline ? outline->selectedControl() : nullptr;
        if (!c)
            return false;
        const float step = shift ? outline::NudgeGridStep : outline::NudgeStep;
        const float dx = key->key() == Qt::Key_Left ? -step : key->key() == Qt::Key_Right ? step : 0;
        const float dy = key->key() == Qt::Key_Up ? -step : key->key() == Qt::Key_Down ? step : 0;
        const InchRect r { c->left(), c->top(), c->Width(), c->Height() };
        if (key->modifiers() & Qt::ControlModifier) {
            // Ctrl: the keyboard's way to do what the lower-right handle does.
            const InchRect sized = outline::resizeBy(r, dx, dy, surfaceWidth(m_window), surfaceHeight(m_window));
            {
                DesignEdit edit(m_window.undoStack(), *this, tr("Resize"), KeyResizeMergeId,
                    QStringLiteral("%1(%2)").arg(c->Name()).arg(c->Index()));
                c->setWidth(sized.width);
                c->setHeight(sized.height);
                COutline::refitFont(*c);
            }
            outline->Selected(c);
            reveal(c);
            showGeometry(c->Name(), c->Index(), sized);
            return true;
        }
        const InchPoint p = outline::nudgePosition(r, dx, dy, surfaceWidth(m_window), surfaceHeight(m_window));
        {
            DesignEdit edit(m_window.undoStack(), *this, tr("Move"), NudgeMergeId,
                QStringLiteral("%1(%2)").arg(c->Name()).arg(c->Index()));
            c->setleft(p.x);
            c->settop(p.y);
            if (DesignSelection* selection = m_window.selection()) // the rest of the selection goes along
                selection->moveOthers(c, p.x - r.left, p.y - r.top);
        }
        outline->Selected(c);
        reveal(c);
        showGeometry(c->Name(), c->Index(), InchRect { p.x, p.y, r.width, r.height });
        return true;
    }
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        // Page keys scroll a zoomed card: down and up, with Shift sideways.
        QScrollArea* scroll = m_window.scrollArea();
        QScrollBar* bar = shift ? scroll->horizontalScrollBar() : scroll->verticalScrollBar();
        bar->setValue(bar->value() + (key->key() == Qt::Key_PageDown ? bar->pageStep() : -bar->pageStep()));
        return true;
    }
    default:
        return false;
    }
}

} // namespace kyt
