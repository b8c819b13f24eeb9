#pragma once
// Arranging several objects: aligning their edges or centres, spreading
// them evenly, giving them one size, and snapping a dragged box to the grid
// and to the other objects' edges and centres. The geometry is plain
// arithmetic on inch boxes; applyArrange carries it out on the window's
// selection as one undo step.

#include "designer/OutlineGeometry.h"
#include "kyt/kytwidgets_export.h"
#include <QString>
#include <vector>

namespace kyt
{

class frmPreview;

namespace arrange
{

enum class Op {
    AlignLeft,
    AlignRight,
    AlignTop,
    AlignBottom,
    AlignCentresAcross, // same horizontal centre (a column)
    AlignCentresDown, // same vertical centre (a row)
    DistributeAcross,
    DistributeDown,
    SameWidth,
    SameHeight
};

// The boxes after the operation, in the order given. Alignment takes the
// edge or centre of the boxes' bounding box; distributing keeps the outer
// two boxes and makes the gaps between neighbours equal; same width and
// height copy the key box's size. Fewer than two boxes (three to
// distribute) come back as they are.
KYTWIDGETS_PRIVATE_EXPORT std::vector<InchRect> apply(Op op, const std::vector<InchRect>& boxes, size_t key = 0);

// The undo step's name ("Align Left", ...).
KYTWIDGETS_PRIVATE_EXPORT QString commandText(Op op);

// Where a box dragged to `box` lands: within `tolerance` of another box's
// edge or centre it snaps to it (per axis), otherwise to the grid when
// `grid` is above 0. The lines it snapped to are returned for drawing.
struct Snap {
    float left = 0;
    float top = 0;
    std::vector<float> verticalGuides; // x positions
    std::vector<float> horizontalGuides; // y positions
};
KYTWIDGETS_PRIVATE_EXPORT Snap snap(
    const InchRect& box, const std::vector<InchRect>& others, float tolerance, float grid);

} // namespace arrange

// Carries an operation out on the selected objects as one undo step; the
// key object is the one with the outline. False when too few are selected.
KYTWIDGETS_PRIVATE_EXPORT bool applyArrange(frmPreview& window, arrange::Op op);

} // namespace kyt
