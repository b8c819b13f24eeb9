#pragma once
// Several selected objects at once. The selection controller (COutline)
// keeps the one object with the outline and handles, as before; this keeps
// the others, each marked with a dashed frame, and moves, deletes and
// arranges them together with it. Shift or Ctrl and a click adds or takes
// away an object, the select tool's band selects what lies inside it
// (selectInside), and select-all takes every object. While an object
// is dragged it snaps to the grid (when switched on) and to the other
// objects' edges and centres, with guide lines showing where.

#include "designer/OutlineGeometry.h"
#include "kyt/kytwidgets_export.h"
#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

namespace kyt
{

class DesignControl;
class OutlineShape;
class SurfaceItem;
class frmPreview;

// The area objects may be moved on: the card, twice its height when it has
// a back (the surface's size while no template is open).
void designAreaSize(const frmPreview& w, float& width, float& height);

class KYTWIDGETS_PRIVATE_EXPORT DesignSelection : public QObject
{
    Q_OBJECT

public:
    explicit DesignSelection(frmPreview& window);
    ~DesignSelection() override;

    // Every selected object: the outlined one first, then the others in the
    // order they were added. Empty when nothing is selected.
    std::vector<DesignControl*> controls() const;
    int count() const { return static_cast<int>(controls().size()); }
    bool contains(const DesignControl* c) const;

    // Adds an object; it takes the outline, the one before keeps its place
    // in the selection.
    void add(DesignControl* c);
    // Adds an object, or takes it away when selected already.
    void toggle(DesignControl* c);
    // Selects exactly these (the first gets the outline).
    void select(const std::vector<DesignControl*>& controls);
    void selectAll();
    // Selects the objects lying wholly inside a box of the card.
    void selectInside(const InchRect& band);
    // Forgets the others; the outlined object stays selected.
    void clearOthers();

    // Moves the selected objects other than `moved` by (dx, dy), each kept
    // on the card. Used inside the moved object's undo step.
    void moveOthers(const DesignControl* moved, float dx, float dy);
    // Deletes every selected object (no undo step of its own).
    void deleteAll();

    // Snapping while dragging.
    bool snapToGrid() const { return m_snapToGrid; }
    void setSnapToGrid(bool on);
    bool snapToObjects() const { return m_snapToObjects; }
    void setSnapToObjects(bool on) { m_snapToObjects = on; }
    // Where a dragged object whose box would land at `to` goes after
    // snapping; the guide lines show while `showGuides`.
    InchPoint snapDrag(const DesignControl* c, InchPoint to, bool showGuides);
    void hideGuides();
    // Snapping distance in inches: a few screen pixels at the zoom.
    float snapTolerance() const;

    // Places the marks around the other objects again.
    void refreshMarks();

signals:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void outlineChanged();
    std::vector<DesignControl*> others() const;
    bool pointerTool() const;

    frmPreview& m_window;
    std::vector<QPointer<DesignControl>> m_others;
    std::vector<OutlineShape*> m_marks;
    std::vector<SurfaceItem*> m_guides;
    QPointer<DesignControl> m_lastPrimary;
    bool m_adjusting = false;
    bool m_snapToGrid = false;
    bool m_snapToObjects = true;
};

} // namespace kyt
