// The designer's photo placeholder: a silhouette drawn from outlines.

#include "designer/PhotoPlaceholder.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace kyt
{

Picture photoPlaceholder()
{
    static const Picture picture = [] {
        // Big enough for a photo box of two inches at 150 dots per inch.
        constexpr int W = 300, H = 400;
        QImage img(W, H, QImage::Format_RGB888);
        img.fill(QColor(0xE4, 0xE8, 0xEE));
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xA9, 0xB3, 0xC1));
        // Head.
        p.drawEllipse(QRectF(W * 0.32, H * 0.17, W * 0.36, H * 0.32));
        // Shoulders: a rounded bust running off the bottom edge.
        QPainterPath bust;
        bust.moveTo(W * 0.08, H);
        bust.cubicTo(W * 0.08, H * 0.66, W * 0.30, H * 0.58, W * 0.5, H * 0.58);
        bust.cubicTo(W * 0.70, H * 0.58, W * 0.92, H * 0.66, W * 0.92, H);
        bust.closeSubpath();
        p.drawPath(bust);
        p.end();
        return Picture(img);
    }();
    return picture;
}

} // namespace kyt
