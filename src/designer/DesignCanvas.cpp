#include "designer/DesignCanvas.h"

#include "designer/DesignSurface.h"
#include "template/CPrintTemplate.h"
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace kyt
{

DesignCanvas::DesignCanvas(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DesignCanvas"));
    QFont f = font();
    f.setPointSize(7);
    setFont(f);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(214, 214, 214));
    setPalette(pal);
}

void DesignCanvas::setSurface(DesignSurface* surface)
{
    m_surface = surface;
    relayout();
}

QSize DesignCanvas::rulerMargins() const
{
    const QFontMetrics fm(font());
    return { fm.horizontalAdvance(QStringLiteral("9.999 ")) + 6, 2 * fm.height() };
}

void DesignCanvas::relayout()
{
    const QSize m = rulerMargins();
    if (m_surface) {
        m_surface->move(m.width(), m.height());
        const QSize s = m_surface->isVisibleTo(this) ? m_surface->size() : QSize(0, 0);
        resize(m.width() + s.width() + 24, m.height() + s.height() + 24);
    }
    update();
}

std::vector<DesignCanvas::Tick> DesignCanvas::topTicks() const
{
    std::vector<Tick> ticks;
    if (!m_surface || !m_surface->isVisibleTo(this) || !m_surface->currentTemplate())
        return ticks;
    for (int i = 0;; ++i) {
        const double x = i * RulerStep;
        if (x > m_surface->surfaceWidth() + 1e-9)
            break;
        ticks.push_back({ x, QString::number(x, 'f', 2) });
    }
    return ticks;
}

std::vector<DesignCanvas::Tick> DesignCanvas::leftTicks() const
{
    std::vector<Tick> ticks;
    const CPrintTemplate* t = m_surface ? m_surface->currentTemplate() : nullptr;
    if (!t || !m_surface->isVisibleTo(this))
        return ticks;
    const double side = t->Height();
    double start = 0;
    bool restarted = false;
    for (int i = 0;; ++i) {
        const double y = i * RulerStep;
        if (y > m_surface->surfaceHeight() + 1e-9)
            break;
        // The back side of a duplex card counts from 0 again.
        if (t->Duplex() && !restarted && side > 0 && y - start >= side - 1e-9) {
            start = side;
            restarted = true;
        }
        const double v = y - start;
        // "0.00#": two decimals, a third only when needed.
        QString label = QString::number(v, 'f', 3);
        if (label.endsWith(QLatin1Char('0')))
            label.chop(1);
        ticks.push_back({ y, label });
    }
    return ticks;
}

QStringList DesignCanvas::leftRulerLabels() const
{
    QStringList out;
    for (const Tick& t : leftTicks())
        out << t.label;
    return out;
}

QStringList DesignCanvas::topRulerLabels() const
{
    QStringList out;
    for (const Tick& t : topTicks())
        out << t.label;
    return out;
}

void DesignCanvas::paintEvent(QPaintEvent*)
{
    if (!m_surface)
        return;
    QPainter p(this);
    const QFontMetrics fm(font());
    const QPoint origin = m_surface->pos();
    const double ppi = m_surface->pixelsPerInch();
    p.setPen(Qt::black);

    // Labels are spaced so they never overlap at small zooms.
    const int topEvery
        = std::max(1, int(std::ceil((fm.horizontalAdvance(QStringLiteral("9.99")) + 6) / (RulerStep * ppi))));
    const auto top = topTicks();
    for (size_t i = 0; i < top.size(); ++i) {
        const int x = origin.x() + int(std::lround(top[i].offset * ppi));
        const bool labelled = i % size_t(topEvery) == 0;
        p.drawLine(x, origin.y() - (labelled ? fm.height() : fm.height() / 2), x, origin.y() - 1);
        if (labelled)
            p.drawText(x + 2, origin.y() - fm.height() + fm.ascent() - fm.height() / 2, top[i].label);
    }

    const int leftEvery = std::max(1, int(std::ceil((fm.height() + 2) / (RulerStep * ppi))));
    const auto left = leftTicks();
    const int labelX = origin.x() - fm.horizontalAdvance(QStringLiteral("9.999")) - 4;
    for (size_t i = 0; i < left.size(); ++i) {
        const int y = origin.y() + int(std::lround(left[i].offset * ppi));
        const bool labelled = i % size_t(leftEvery) == 0;
        p.drawLine(labelled ? labelX : origin.x() - 6, y, origin.x() - 1, y);
        if (labelled)
            p.drawText(labelX, y + 2 + fm.ascent(), left[i].label);
    }
}

QIcon DesignCanvas::toolIcon(const QString& key)
{
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    if (key == QLatin1String("Pointer")) {
        QPainterPath arrow;
        arrow.moveTo(7, 3);
        arrow.lineTo(7, 19);
        arrow.lineTo(11, 15);
        arrow.lineTo(14, 21);
        arrow.lineTo(16, 20);
        arrow.lineTo(13, 14);
        arrow.lineTo(18, 14);
        arrow.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(arrow);
    } else if (key == QLatin1String("Photo")) {
        p.setBrush(QColor(220, 220, 220));
        p.drawRect(4, 3, 16, 18);
        p.setBrush(QColor(120, 120, 120));
        p.drawEllipse(QPointF(12, 9), 3.5, 3.5);
        p.drawChord(QRectF(6, 13, 12, 12), 0, 180 * 16);
    } else if (key == QLatin1String("Logo")) {
        p.setBrush(QColor(200, 230, 255));
        p.drawRect(3, 5, 18, 14);
        p.setBrush(QColor(60, 150, 60));
        QPolygonF hill;
        hill << QPointF(4, 18) << QPointF(10, 10) << QPointF(14, 15) << QPointF(17, 12) << QPointF(20, 18);
        p.drawPolygon(hill);
        p.setBrush(QColor(240, 200, 0));
        p.drawEllipse(QPointF(16, 8), 2, 2);
    } else if (key == QLatin1String("Rectangle")) {
        p.setBrush(QColor(0, 0, 255));
        p.drawRect(4, 6, 16, 12);
    } else if (key == QLatin1String("Data")) {
        p.setBrush(Qt::white);
        p.drawRect(2, 6, 20, 12);
        QFont f;
        f.setPixelSize(10);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRect(2, 6, 20, 12), Qt::AlignCenter, QStringLiteral("ab|"));
    } else if (key == QLatin1String("Text")) {
        QFont f;
        f.setPixelSize(18);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, QStringLiteral("A"));
    } else if (key == QLatin1String("Line")) {
        p.setPen(QPen(Qt::black, 2.5));
        p.drawLine(4, 19, 20, 5);
    }
    return QIcon(pm);
}

} // namespace kyt
