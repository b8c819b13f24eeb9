#pragma once
// The rulers' arithmetic, apart from any widget: which ticks of a ruler fall
// in the visible stretch, which of them carry a label and what it reads.
// Ticks sit every quarter inch while they stay a few pixels apart, else
// every half, one, two ... inches; labels go on every 2nd, 4th ... tick when
// they would touch. A two-sided card's back counts from 0 at the divider.

#include "kyt/kytwidgets_export.h"
#include <QString>
#include <vector>

namespace kyt::ruler
{

inline constexpr double Step = 0.25;
// Closest two ticks may come, in pixels.
inline constexpr double MinTickPixels = 4.0;

struct Tick {
    double at = 0; // inches from the surface edge
    bool labelled = false;
    QString label; // inches from the side's edge, "0.00"; empty when not labelled
};

struct Scale {
    double length = 0; // the surface along the ruler, inches
    double side = 0; // one side along the ruler; 0 or >= length: one side only
    double pixelsPerInch = 96;
    double labelPixels = 0; // room a label needs along the ruler, gap included
    // Finest tick spacing and the unit labels count in, both in inches
    // (a quarter inch and inches; 2.5 mm and millimetres).
    double baseStep = Step;
    double unitInches = 1.0;
};

// The scale of a ruler in millimetres.
inline constexpr double MillimetreStep = 2.5 / 25.4;
inline constexpr double Millimetre = 1 / 25.4;

// The smallest of base, 2 base, 4 base ... inches that is MinTickPixels
// long at this zoom; 0 for no zoom.
KYTWIDGETS_PRIVATE_EXPORT double spacing(double base, double pixelsPerInch);
// Inches between two ticks at this zoom.
inline double tickStep(double pixelsPerInch)
{
    return spacing(Step, pixelsPerInch);
}
// Ticks per label: 1, 2, 4 ...
KYTWIDGETS_PRIVATE_EXPORT int labelEvery(double step, double pixelsPerInch, double labelPixels);

// The ticks with from <= at <= to, in order.
KYTWIDGETS_PRIVATE_EXPORT std::vector<Tick> ticks(const Scale& scale, double from, double to);

} // namespace kyt::ruler
