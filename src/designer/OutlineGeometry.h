#pragma once
// The selection outline's arithmetic, apart from any window: where the
// handles sit, how a dragged corner moves, where a dropped or nudged object
// lands, and how a text is cut to a width. All lengths are inches, kept in
// single precision as the outline and the controls hold them.

#include "kyt/kytwidgets_export.h"
#include <QString>
#include <array>
#include <functional>

namespace kyt
{

struct KYTWIDGETS_PRIVATE_EXPORT InchRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    float right() const { return left + width; }
    float bottom() const { return top + height; }
    bool operator==(const InchRect&) const = default;
};

struct InchPoint {
    float x = 0;
    float y = 0;
    bool operator==(const InchPoint&) const = default;
};

namespace outline
{

// Smallest width and height a handle drag leaves (1/32 inch).
inline constexpr float MinSize = 0.03125f;
// Arrow-key steps: 1/32 inch, with Shift one grid step of 1/8 inch.
inline constexpr float NudgeStep = 0.03125f;
inline constexpr float NudgeGridStep = 0.125f;
// What a border adds to a text's width when clipping.
inline constexpr float ClipBorderWidth = 0.01041667f;

enum Handle { UpperLeft = 0, UpperRight = 1, LowerLeft = 2, LowerRight = 3 };

// Top-left corners of the four handles (upper-left, upper-right,
// lower-left, lower-right), each handle centred on its corner.
KYTWIDGETS_PRIVATE_EXPORT std::array<InchPoint, 4> handlePositions(const InchRect& r, float handleWidth);

// Moves corner `handle` of r to (x, y). A coordinate past the limit that
// keeps MinSize to the opposite edge is set to that limit and handed back
// through x and y. An unknown handle leaves r as it is.
KYTWIDGETS_PRIVATE_EXPORT InchRect dragCorner(const InchRect& r, int handle, float& x, float& y);

// Where a control lands when dragged from grab to drop on a surface of the
// given size: moved by the distance, stopped at 0 when moving up or left and
// flush with the far edge when moving down or right (which can be negative
// for a control larger than the surface).
KYTWIDGETS_PRIVATE_EXPORT InchPoint dropPosition(
    const InchRect& control, InchPoint grab, InchPoint drop, float surfaceWidth, float surfaceHeight);

// An arrow-key move by (dx, dy) with the same limits as a drop.
KYTWIDGETS_PRIVATE_EXPORT InchPoint nudgePosition(
    const InchRect& control, float dx, float dy, float surfaceWidth, float surfaceHeight);

// A keyboard resize: width and height change by (dw, dh) from the
// top-left corner, never below MinSize and never growing past the surface's
// right or bottom edge (a side already past it may still shrink).
KYTWIDGETS_PRIVATE_EXPORT InchRect resizeBy(
    const InchRect& control, float dw, float dh, float surfaceWidth, float surfaceHeight);

// The longest start of text whose width (plus ClipBorderWidth with a
// border) does not exceed maxWidth; "" when not even one character fits.
// Widths are measured a logarithmic number of times, so long texts stay
// cheap; a surrogate pair is never split.
KYTWIDGETS_PRIVATE_EXPORT QString clipText(
    const QString& text, float maxWidth, bool withBorder, const std::function<double(const QString&)>& textWidth);

} // namespace outline
} // namespace kyt
