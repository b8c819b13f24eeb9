#include "util/modPreview.h"

namespace kyt
{

QString GetField(const QString& text, const QString& delimiter, int index)
{
    if (delimiter.isEmpty())
        return QString();
    const QChar d = delimiter.at(0);
    qsizetype start = 0; // 0-based
    if (index > 1) {
        // After every delimiter has been found once the search starts over,
        // so only the remainder of the count matters.
        const qsizetype delimiters = text.count(d);
        const qsizetype searches = (index - 1) % (delimiters + 1);
        qsizetype pos = -1; // 0-based position of the last delimiter found
        for (qsizetype i = 0; i < searches; ++i) {
            pos = text.indexOf(d, pos + 1);
            // A failed search starts the next one again at the beginning.
        }
        start = pos + 1;
    }
    const qsizetype end = text.indexOf(d, start);
    return end < 0 ? text.mid(start) : text.mid(start, end - start);
}

float GetFitFactor(double w, double h, double bw, double bh)
{
    if (w == bw && h == bh)
        return 1.0f;
    if (w <= 0 || h <= 0)
        return 0.0f;
    if (bw * h / w < bh)
        return static_cast<float>(bw / w);
    return static_cast<float>(bh / h);
}

} // namespace kyt
