#include "objects/PlaceholderPhoto.h"

#include <QColor>
#include <QImage>
#include <QPainter>

namespace kyt
{

Picture placeholderPhoto()
{
    static const Picture picture = [] {
        QImage img(32, 32, QImage::Format_RGB888);
        img.fill(QColor(255, 255, 255));
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0, 0, 0), 1.5));
        p.setBrush(QColor(255, 214, 0));
        p.drawEllipse(QRectF(2.5, 2.5, 27, 27));
        p.setBrush(QColor(0, 0, 0));
        p.drawEllipse(QRectF(10, 10, 3.5, 4.5));
        p.drawEllipse(QRectF(18.5, 10, 3.5, 4.5));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(9, 10, 14, 12), -20 * 16, -140 * 16);
        p.end();
        return Picture(img);
    }();
    return picture;
}

} // namespace kyt
