// Several selected objects: the others beside the outlined one, their
// marks, Shift/Ctrl and a click, and snapping with guide lines while
// dragging.

#include "designer/DesignSelection.h"

#include "designer/AlignCommands.h"
#include "designer/COutline.h"
#include "designer/ControlArray.h"
#include "designer/DesignControl.h"
#include "designer/DesignTool.h"
#include "designer/SelectTool.h"
#include "designer/frmPreview.h"
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QUndoStack>
#include <algorithm>
#include <cmath>

namespace kyt
{

namespace
{

// Screen pixels within which a dragged edge snaps.
constexpr double SnapPixels = 6.0;

// A thin line across the card where a dragged object snapped.
class GuideLine : public SurfaceItem
{
public:
    explicit GuideLine(DesignSurface* surface)
        : SurfaceItem(surface)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setObjectName(QStringLiteral("shpGuide"));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(0xE0, 0x20, 0xA0));
    }
};

InchRect boxOf(const DesignControl& c)
{
    return InchRect { c.left(), c.top(), c.Width(), c.Height() };
}

bool isLoaded(const DesignControl* c)
{
    return c && c->array() && c->array()->Item(c->Index()) == c && c->Visible();
}

} // namespace

void designAreaSize(const frmPreview& w, float& width, float& height)
{
    if (const auto t = w.currentTemplate()) {
        width = static_cast<float>(t->Width());
        height = static_cast<float>(t->Height() * (t->Duplex() ? 2 : 1));
    } else {
        width = w.picID()->surfaceWidth();
        height = w.picID()->surfaceHeight();
    }
}

DesignSelection::DesignSelection(frmPreview& window)
    : QObject(&window)
    , m_window(window)
{
    setObjectName(QStringLiteral("designSelection"));
    connect(&window, &frmPreview::selectionChanged, this, &DesignSelection::outlineChanged);
    if (QUndoStack* stack = window.undoStack())
        connect(stack, &QUndoStack::indexChanged, this, &DesignSelection::refreshMarks);
    qApp->installEventFilter(this);
}

DesignSelection::~DesignSelection() = default;

std::vector<DesignControl*> DesignSelection::others() const
{
    std::vector<DesignControl*> out;
    const COutline* outline = m_window.outline();
    const DesignControl* primary = outline ? outline->selectedControl() : nullptr;
    for (const auto& c : m_others)
        if (isLoaded(c) && c != primary && std::find(out.begin(), out.end(), c.data()) == out.end())
            out.push_back(c);
    return out;
}

std::vector<DesignControl*> DesignSelection::controls() const
{
    std::vector<DesignControl*> out;
    const COutline* outline = m_window.outline();
    DesignControl* primary = outline ? outline->selectedControl() : nullptr;
    if (!primary)
        return out;
    out.push_back(primary);
    for (DesignControl* c : others())
        out.push_back(c);
    return out;
}

bool DesignSelection::contains(const DesignControl* c) const
{
    const auto all = controls();
    return std::find(all.begin(), all.end(), c) != all.end();
}

void DesignSelection::outlineChanged()
{
    if (m_adjusting)
        return;
    const COutline* outline = m_window.outline();
    DesignControl* primary = outline ? outline->selectedControl() : nullptr;
    if (!primary) {
        // Dragging hides the outline for a while; the group stays.
        if (!m_window.tools().select().dragging())
            m_others.clear();
    } else if (std::find(m_others.begin(), m_others.end(), primary) != m_others.end()) {
        // Pressing on a member of the group keeps the group.
        m_others.erase(std::remove(m_others.begin(), m_others.end(), primary), m_others.end());
        if (isLoaded(m_lastPrimary) && m_lastPrimary != primary)
            m_others.push_back(m_lastPrimary);
    } else if (primary != m_lastPrimary) {
        m_others.clear();
    }
    if (primary)
        m_lastPrimary = primary;
    refreshMarks();
    emit changed();
}

void DesignSelection::select(const std::vector<DesignControl*>& list)
{
    COutline* outline = m_window.outline();
    if (!outline)
        return;
    m_adjusting = true;
    m_others.clear();
    for (size_t i = 1; i < list.size(); ++i)
        m_others.emplace_back(list[i]);
    if (list.empty())
        outline->Unselect();
    else
        outline->Selected(list.front());
    m_lastPrimary = list.empty() ? nullptr : list.front();
    m_adjusting = false;
    refreshMarks();
    emit changed();
}

void DesignSelection::add(DesignControl* c)
{
    if (!c || contains(c)) {
        if (c && m_window.outline() && m_window.outline()->selectedControl() != c) {
            // Already a member: it takes the outline.
            std::vector<DesignControl*> all = controls();
            all.erase(std::remove(all.begin(), all.end(), c), all.end());
            all.insert(all.begin(), c);
            select(all);
        }
        return;
    }
    std::vector<DesignControl*> all = controls();
    all.insert(all.begin(), c);
    select(all);
}

void DesignSelection::toggle(DesignControl* c)
{
    if (!c)
        return;
    std::vector<DesignControl*> all = controls();
    const auto it = std::find(all.begin(), all.end(), c);
    if (it == all.end()) {
        add(c);
        return;
    }
    all.erase(it);
    // The most recently added of the rest takes the outline.
    if (all.size() > 1)
        std::rotate(all.begin(), all.end() - 1, all.end());
    select(all);
}

void DesignSelection::selectAll()
{
    std::vector<DesignControl*> all;
    for (IDesignControl* i : m_window.designControls())
        if (auto* c = static_cast<DesignControl*>(i); isLoaded(c))
            all.push_back(c);
    std::reverse(all.begin(), all.end()); // the topmost gets the outline
    select(all);
}

void DesignSelection::selectInside(const InchRect& band)
{
    std::vector<DesignControl*> inside;
    for (IDesignControl* i : m_window.designControls()) {
        auto* c = static_cast<DesignControl*>(i);
        if (!isLoaded(c))
            continue;
        const InchRect r = boxOf(*c);
        if (r.left >= band.left && r.top >= band.top && r.right() <= band.right() && r.bottom() <= band.bottom())
            inside.push_back(c);
    }
    std::reverse(inside.begin(), inside.end());
    select(inside);
}

void DesignSelection::clearOthers()
{
    m_others.clear();
    refreshMarks();
    emit changed();
}

void DesignSelection::moveOthers(const DesignControl* moved, float dx, float dy)
{
    if (dx == 0 && dy == 0)
        return;
    float width = 0, height = 0;
    designAreaSize(m_window, width, height);
    // While dragged the moved object has no outline: the others are the
    // ones without it.
    for (DesignControl* c : others()) {
        if (c == moved)
            continue;
        const InchPoint p = outline::nudgePosition(boxOf(*c), dx, dy, width, height);
        c->setleft(p.x);
        c->settop(p.y);
    }
    refreshMarks();
}

void DesignSelection::deleteAll()
{
    COutline* outline = m_window.outline();
    if (!outline)
        return;
    // Deleting moves the later elements of an array down; going from the
    // highest index down leaves the ones still to delete where they are.
    std::vector<std::pair<QString, int>> victims;
    for (DesignControl* c : controls())
        victims.emplace_back(c->Name(), c->Index());
    std::sort(victims.begin(), victims.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    m_adjusting = true;
    for (const auto& [name, index] : victims) {
        ControlArray* array = m_window.controlArray(name);
        if (DesignControl* c = array ? array->Item(index) : nullptr) {
            outline->Selected(c);
            outline->Delete();
        }
    }
    m_others.clear();
    m_lastPrimary = nullptr;
    m_adjusting = false;
    refreshMarks();
    emit changed();
}

void DesignSelection::setSnapToGrid(bool on)
{
    m_snapToGrid = on;
}

float DesignSelection::snapTolerance() const
{
    return float(SnapPixels / m_window.picID()->pixelsPerInch());
}

InchPoint DesignSelection::snapDrag(const DesignControl* c, InchPoint to, bool showGuides)
{
    if (!c)
        return to;
    std::vector<InchRect> rest;
    if (m_snapToObjects) {
        const std::vector<DesignControl*> moving = others(); // they go along: nothing to snap to
        for (IDesignControl* i : m_window.designControls()) {
            auto* o = static_cast<DesignControl*>(i);
            if (o != c && isLoaded(o) && std::find(moving.begin(), moving.end(), o) == moving.end())
                rest.push_back(boxOf(*o));
        }
    }
    const InchRect box { to.x, to.y, c->Width(), c->Height() };
    const arrange::Snap s
        = arrange::snap(box, rest, snapTolerance(), m_snapToGrid ? float(DesignSurface::GridStep) : 0.0f);
    float width = 0, height = 0;
    designAreaSize(m_window, width, height);
    InchPoint out { std::clamp(s.left, 0.0f, std::max(0.0f, width - box.width)),
        std::clamp(s.top, 0.0f, std::max(0.0f, height - box.height)) };
    hideGuides();
    if (showGuides) {
        DesignSurface* surface = m_window.picID();
        const float thin = float(1.0 / surface->pixelsPerInch());
        size_t used = 0;
        const auto guide = [&](float x, float y, float w, float h) {
            if (used == m_guides.size())
                m_guides.push_back(new GuideLine(surface));
            SurfaceItem* g = m_guides[used++];
            g->setItemGeometry(x, y, w, h);
            g->show();
            g->raise();
        };
        for (float x : s.verticalGuides)
            guide(x, 0, thin, surface->surfaceHeight());
        for (float y : s.horizontalGuides)
            guide(0, y, surface->surfaceWidth(), thin);
    }
    return out;
}

void DesignSelection::hideGuides()
{
    for (SurfaceItem* g : m_guides)
        g->hide();
}

void DesignSelection::refreshMarks()
{
    const std::vector<DesignControl*> list = others();
    DesignSurface* surface = m_window.picID();
    while (m_marks.size() < list.size()) {
        auto* mark = new OutlineShape(surface);
        mark->setObjectName(QStringLiteral("shpSelected"));
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_marks.push_back(mark);
    }
    for (size_t i = 0; i < m_marks.size(); ++i) {
        if (i < list.size()) {
            const InchRect r = boxOf(*list[i]);
            m_marks[i]->setItemGeometry(r.left, r.top, r.width, r.height);
            m_marks[i]->show();
            m_marks[i]->raise();
        } else {
            m_marks[i]->hide();
        }
    }
}

bool DesignSelection::pointerTool() const
{
    return m_window.currentTemplate() && m_window.WhichButtonDown() == QLatin1String("Pointer");
}

bool DesignSelection::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    DesignSurface* surface = m_window.picID();
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (auto* c = qobject_cast<DesignControl*>(watched); c && c->surface() == surface) {
        // Shift or Ctrl and a click adds the object or takes it away.
        const bool extend = mouse->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
        if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton && extend && pointerTool()) {
            toggle(c);
            c->setProperty("kytExtendClick", true);
            return true;
        }
        if (type == QEvent::MouseButtonRelease && c->property("kytExtendClick").toBool()) {
            c->setProperty("kytExtendClick", QVariant());
            return true;
        }
        return false;
    }
    return false;
}

} // namespace kyt
