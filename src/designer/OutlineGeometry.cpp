// The outline's arithmetic: handles, corner drags, drops, nudges, clipping.

#include "designer/OutlineGeometry.h"

#include <algorithm>
#include <cmath>

namespace kyt::outline
{

std::array<InchPoint, 4> handlePositions(const InchRect& r, float handleWidth)
{
    const float h = handleWidth / 2;
    return { InchPoint { r.left - h, r.top - h }, InchPoint { r.right() - h, r.top - h },
        InchPoint { r.left - h, r.bottom() - h }, InchPoint { r.right() - h, r.bottom() - h } };
}

InchRect dragCorner(const InchRect& r, int handle, float& x, float& y)
{
    float left = r.left;
    float top = r.top;
    float right = r.right();
    float bottom = r.bottom();
    // Limits are rounded to single precision before comparing.
    const float maxX = right - MinSize;
    const float minX = left + MinSize;
    const float maxY = bottom - MinSize;
    const float minY = top + MinSize;
    switch (handle) {
    case UpperLeft:
        x = std::min(x, maxX);
        y = std::min(y, maxY);
        left = x;
        top = y;
        break;
    case UpperRight:
        x = std::max(x, minX);
        y = std::min(y, maxY);
        right = x;
        top = y;
        break;
    case LowerLeft:
        x = std::min(x, maxX);
        y = std::max(y, minY);
        left = x;
        bottom = y;
        break;
    case LowerRight:
        x = std::max(x, minX);
        y = std::max(y, minY);
        right = x;
        bottom = y;
        break;
    default:
        return r;
    }
    return InchRect { left, top, right - left, bottom - top };
}

namespace
{

// One axis of a drop: start position, distance wanted, size and room.
float dropAxis(float start, float from, float to, float size, float room)
{
    const float d = std::abs(to - from);
    if (to < from)
        return std::max(start - d, 0.0f);
    const float moved = start + d;
    return moved + size > room ? room - size : moved;
}

} // namespace

InchPoint dropPosition(const InchRect& control, InchPoint grab, InchPoint drop, float surfaceWidth, float surfaceHeight)
{
    return InchPoint { dropAxis(control.left, grab.x, drop.x, control.width, surfaceWidth),
        dropAxis(control.top, grab.y, drop.y, control.height, surfaceHeight) };
}

InchPoint nudgePosition(const InchRect& control, float dx, float dy, float surfaceWidth, float surfaceHeight)
{
    return dropPosition(control, InchPoint { 0, 0 }, InchPoint { dx, dy }, surfaceWidth, surfaceHeight);
}

namespace
{

float resizeAxis(float size, float by, float room)
{
    if (by < 0)
        return std::min(size, std::max(size + by, MinSize));
    return std::max(size, std::min(size + by, room));
}

} // namespace

InchRect resizeBy(const InchRect& control, float dw, float dh, float surfaceWidth, float surfaceHeight)
{
    InchRect r = control;
    r.width = resizeAxis(control.width, dw, surfaceWidth - control.left);
    r.height = resizeAxis(control.height, dh, surfaceHeight - control.top);
    return r;
}

QString clipText(
    const QString& text, float maxWidth, bool withBorder, const std::function<double(const QString&)>& textWidth)
{
    const auto fits = [&](qsizetype n) {
        if (n == 0)
            return true;
        double w = textWidth(text.left(n));
        if (withBorder)
            w += ClipBorderWidth;
        return static_cast<float>(w) <= maxWidth;
    };
    if (text.isEmpty() || fits(text.size()))
        return text;
    // Widths grow with the length of the start: find the last length that
    // fits between a length that fits (lo) and one that does not (hi).
    qsizetype lo = 0;
    qsizetype hi = text.size();
    while (hi - lo > 1) {
        const qsizetype mid = lo + (hi - lo) / 2;
        if (fits(mid))
            lo = mid;
        else
            hi = mid;
    }
    if (lo > 0 && text.at(lo - 1).isHighSurrogate())
        --lo;
    return text.left(lo);
}

} // namespace kyt::outline
