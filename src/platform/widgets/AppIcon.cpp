#include "platform/widgets/AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace kyt
{

namespace
{
QPixmap badge(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(QPen(QColor(30, 60, 110), 2));
    p.setBrush(QColor(245, 248, 252));
    p.drawRoundedRect(QRectF(4, 12, 56, 40), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 110, 190));
    p.drawRoundedRect(QRectF(4, 12, 56, 9), 4, 4);
    p.drawRect(QRectF(4, 17, 56, 4));
    p.setBrush(QColor(150, 160, 175));
    p.drawEllipse(QPointF(18, 31), 5, 5);
    p.drawChord(QRectF(9, 36, 18, 16), 0, 180 * 16);
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(31, 28, 22, 3));
    p.drawRect(QRectF(31, 35, 16, 3));
    for (int i = 0; i < 9; ++i)
        p.drawRect(QRectF(31 + i * 2.5, 42, i % 3 == 0 ? 1.6 : 0.9, 6));
    return pm;
}
} // namespace

QIcon appIcon()
{
    QIcon icon;
    for (int s : { 16, 24, 32, 48, 64, 128 })
        icon.addPixmap(badge(s));
    return icon;
}

} // namespace kyt
