// The rulers' arithmetic: ticks, labels and their spacing.

#include "designer/RulerScale.h"

#include <algorithm>
#include <cmath>

namespace kyt::ruler
{

namespace
{
constexpr double Eps = 1e-9;
// Doubling stops here whatever the input, so no loop runs long.
constexpr int MaxDoublings = 40;
} // namespace

double spacing(double base, double pixelsPerInch)
{
    if (!std::isfinite(pixelsPerInch) || pixelsPerInch <= 0 || !std::isfinite(base) || base <= 0)
        return 0;
    double step = base;
    for (int i = 0; i < MaxDoublings && step * pixelsPerInch < MinTickPixels - Eps; ++i)
        step *= 2;
    return step;
}

int labelEvery(double step, double pixelsPerInch, double labelPixels)
{
    int every = 1;
    if (!(step > 0) || !std::isfinite(pixelsPerInch) || pixelsPerInch <= 0 || !std::isfinite(labelPixels))
        return every;
    for (int i = 0; i < 30 && every * step * pixelsPerInch < labelPixels - Eps; ++i)
        every *= 2;
    return every;
}

std::vector<Tick> ticks(const Scale& scale, double from, double to)
{
    std::vector<Tick> out;
    const double ppi = scale.pixelsPerInch;
    const double step = spacing(scale.baseStep, ppi);
    const bool inches = scale.unitInches == 1.0;
    if (!(step > 0) || !std::isfinite(scale.length) || scale.length <= 0 || !std::isfinite(from) || !std::isfinite(to))
        return out;
    from = std::max(from, 0.0);
    to = std::min(to, scale.length);
    if (from > to + Eps)
        return out;
    const int every = labelEvery(step, ppi, scale.labelPixels);
    // A side too short to show its own ticks is not restarted.
    double side = scale.side;
    if (!std::isfinite(side) || side <= 0 || side >= scale.length - Eps || side * ppi < MinTickPixels)
        side = scale.length;
    const int sides = std::max(1, int(std::ceil(scale.length / side - Eps)));

    for (int s = 0; s < sides; ++s) {
        const double start = s * side;
        const bool last = s == sides - 1;
        const double end = last ? scale.length : start + side;
        if (end < from - Eps || start > to + Eps)
            continue;
        const auto first = long(std::max(0.0, std::ceil((from - start) / step - Eps)));
        const auto final = long(std::floor((std::min(end, to) - start) / step + Eps));
        for (long k = first; k <= final; ++k) {
            const double at = start + double(k) * step;
            bool labelled = k % every == 0;
            if (!last) {
                // The next side's 0.00 takes the divider; keep clear of it.
                const double room = (end - at) * ppi;
                if (room < MinTickPixels - Eps)
                    continue;
                labelled = labelled && room >= scale.labelPixels - Eps;
            }
            QString label;
            if (labelled) {
                // Inches with two decimals; millimetres with one only when needed.
                const double v = double(k) * step / scale.unitInches;
                label = QString::number(v, 'f', inches ? 2 : (std::abs(v - std::round(v)) < 1e-6 ? 0 : 1));
            }
            out.push_back({ at, labelled, label });
        }
    }
    return out;
}

} // namespace kyt::ruler
