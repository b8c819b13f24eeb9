#pragma once
// The small card pictures the dialogs show for portrait and landscape.

#include <QPainter>
#include <QPixmap>
#include <QRectF>

namespace kyt
{

// A white card with a black rounded edge at `card` on a transparent square
// of `side` pixels; `details` then draws on it with no pen.
template <typename Details> QPixmap cardSketch(int side, const QRectF& card, Details&& details)
{
    QPixmap pm(side, side);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 3, 3);
    p.setPen(Qt::NoPen);
    details(p);
    return pm;
}

} // namespace kyt
