// Aligning, distributing and sizing several objects, and snapping a dragged
// box: the arithmetic and the one undo step that carries it out.

#include "designer/AlignCommands.h"

#include "designer/COutline.h"
#include "designer/DesignControl.h"
#include "designer/DesignEditing.h"
#include "designer/DesignSelection.h"
#include "designer/frmPreview.h"
#include <QCoreApplication>
#include <QUndoStack>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace kyt
{

namespace arrange
{

std::vector<InchRect> apply(Op op, const std::vector<InchRect>& boxes, size_t key)
{
    std::vector<InchRect> out = boxes;
    const bool distribute = op == Op::DistributeAcross || op == Op::DistributeDown;
    if (boxes.size() < (distribute ? 3u : 2u))
        return out;
    float left = boxes[0].left, top = boxes[0].top, right = boxes[0].right(), bottom = boxes[0].bottom();
    for (const InchRect& r : boxes) {
        left = std::min(left, r.left);
        top = std::min(top, r.top);
        right = std::max(right, r.right());
        bottom = std::max(bottom, r.bottom());
    }
    const InchRect keyBox = boxes[std::min(key, boxes.size() - 1)];
    switch (op) {
    case Op::AlignLeft:
        for (InchRect& r : out)
            r.left = left;
        break;
    case Op::AlignRight:
        for (InchRect& r : out)
            r.left = right - r.width;
        break;
    case Op::AlignTop:
        for (InchRect& r : out)
            r.top = top;
        break;
    case Op::AlignBottom:
        for (InchRect& r : out)
            r.top = bottom - r.height;
        break;
    case Op::AlignCentresAcross:
        for (InchRect& r : out)
            r.left = (left + right) / 2 - r.width / 2;
        break;
    case Op::AlignCentresDown:
        for (InchRect& r : out)
            r.top = (top + bottom) / 2 - r.height / 2;
        break;
    case Op::DistributeAcross:
    case Op::DistributeDown: {
        const bool across = op == Op::DistributeAcross;
        std::vector<size_t> order(boxes.size());
        std::iota(order.begin(), order.end(), size_t(0));
        std::stable_sort(order.begin(), order.end(),
            [&](size_t a, size_t b) { return across ? boxes[a].left < boxes[b].left : boxes[a].top < boxes[b].top; });
        float total = 0;
        for (const InchRect& r : boxes)
            total += across ? r.width : r.height;
        const float span = across ? right - left : bottom - top;
        const float gap = (span - total) / float(boxes.size() - 1);
        float at = across ? left : top;
        for (size_t i : order) {
            (across ? out[i].left : out[i].top) = at;
            at += (across ? boxes[i].width : boxes[i].height) + gap;
        }
        break;
    }
    case Op::SameWidth:
        for (InchRect& r : out)
            r.width = keyBox.width;
        break;
    case Op::SameHeight:
        for (InchRect& r : out)
            r.height = keyBox.height;
        break;
    }
    return out;
}

QString commandText(Op op)
{
    switch (op) {
    case Op::AlignLeft:
        return QCoreApplication::translate("kyt::AlignCommands", "Align Left");
    case Op::AlignRight:
        return QCoreApplication::translate("kyt::AlignCommands", "Align Right");
    case Op::AlignTop:
        return QCoreApplication::translate("kyt::AlignCommands", "Align Top");
    case Op::AlignBottom:
        return QCoreApplication::translate("kyt::AlignCommands", "Align Bottom");
    case Op::AlignCentresAcross:
        return QCoreApplication::translate("kyt::AlignCommands", "Align Centres");
    case Op::AlignCentresDown:
        return QCoreApplication::translate("kyt::AlignCommands", "Align Middles");
    case Op::DistributeAcross:
        return QCoreApplication::translate("kyt::AlignCommands", "Distribute Horizontally");
    case Op::DistributeDown:
        return QCoreApplication::translate("kyt::AlignCommands", "Distribute Vertically");
    case Op::SameWidth:
        return QCoreApplication::translate("kyt::AlignCommands", "Same Width");
    case Op::SameHeight:
        return QCoreApplication::translate("kyt::AlignCommands", "Same Height");
    }
    return QString();
}

namespace
{
// The nearest of the targets to any of the candidates within tolerance:
// the shift that puts them together and the target line.
struct Best {
    float shift = 0;
    float line = 0;
    bool found = false;
};

Best nearest(const float (&candidates)[3], const std::vector<float>& targets, float tolerance)
{
    Best best;
    float distance = tolerance;
    for (float c : candidates)
        for (float t : targets)
            if (const float d = std::abs(t - c); d <= distance) {
                distance = d;
                best = Best { t - c, t, true };
            }
    return best;
}

float toGrid(float v, float grid)
{
    return grid > 0 ? std::round(v / grid) * grid : v;
}
} // namespace

Snap snap(const InchRect& box, const std::vector<InchRect>& others, float tolerance, float grid)
{
    Snap s { box.left, box.top, {}, {} };
    std::vector<float> xs, ys;
    for (const InchRect& r : others) {
        xs.insert(xs.end(), { r.left, r.left + r.width / 2, r.right() });
        ys.insert(ys.end(), { r.top, r.top + r.height / 2, r.bottom() });
    }
    const float cx[3] = { box.left, box.left + box.width / 2, box.right() };
    const float cy[3] = { box.top, box.top + box.height / 2, box.bottom() };
    if (const Best b = nearest(cx, xs, tolerance); b.found) {
        s.left = box.left + b.shift;
        s.verticalGuides.push_back(b.line);
    } else {
        s.left = toGrid(box.left, grid);
    }
    if (const Best b = nearest(cy, ys, tolerance); b.found) {
        s.top = box.top + b.shift;
        s.horizontalGuides.push_back(b.line);
    } else {
        s.top = toGrid(box.top, grid);
    }
    return s;
}

} // namespace arrange

bool applyArrange(frmPreview& window, arrange::Op op)
{
    DesignSelection* selection = window.selection();
    if (!selection)
        return false;
    const std::vector<DesignControl*> controls = selection->controls();
    const bool distribute = op == arrange::Op::DistributeAcross || op == arrange::Op::DistributeDown;
    if (controls.size() < (distribute ? 3u : 2u))
        return false;
    std::vector<InchRect> boxes;
    for (const DesignControl* c : controls)
        boxes.push_back(InchRect { c->left(), c->top(), c->Width(), c->Height() });
    const std::vector<InchRect> placed = arrange::apply(op, boxes, 0);
    {
        DesignEdit edit(window.undoStack(), DesignEditing::of(window), arrange::commandText(op));
        for (size_t i = 0; i < controls.size(); ++i) {
            DesignControl* c = controls[i];
            c->setItemGeometry(placed[i].left, placed[i].top, placed[i].width, placed[i].height);
            COutline::refitFont(*c);
        }
    }
    // Keeps the same group selected, with the outline around its key.
    selection->select(controls);
    return true;
}

} // namespace kyt
