// The area around the card: placing the surface, the rulers, the tool icons.

#include "designer/DesignCanvas.h"

#include "designer/DesignSurface.h"
#include "dialogs/LengthUnits.h"
#include "template/CPrintTemplate.h"
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <limits>

namespace kyt
{

// One ruler bar, a child of the canvas laid over its edge; the canvas paints
// it.
class DesignRuler : public QWidget
{
public:
    DesignRuler(DesignCanvas* canvas, Qt::Orientation orientation)
        : QWidget(canvas)
        , m_canvas(canvas)
        , m_orientation(orientation)
    {
        setObjectName(orientation == Qt::Horizontal ? QStringLiteral("rulerTop") : QStringLiteral("rulerLeft"));
        setAutoFillBackground(true);
        // Its own role: the canvas takes the scroll area's darker one.
        setBackgroundRole(QPalette::Window);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, QColor(236, 236, 236));
        setPalette(pal);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter p(this);
        m_canvas->paintRuler(p, m_orientation, event->rect());
    }

private:
    DesignCanvas* m_canvas;
    Qt::Orientation m_orientation;
};

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
    m_left = new DesignRuler(this, Qt::Vertical);
    m_top = new DesignRuler(this, Qt::Horizontal);
    // Covers the rulers' crossing, where labels of both would meet.
    m_corner = new QWidget(this);
    m_corner->setObjectName(QStringLiteral("rulerCorner"));
    m_corner->setAutoFillBackground(true);
    m_corner->setBackgroundRole(QPalette::Window);
    m_corner->setPalette(m_top->palette());
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
        // A gap keeps the handles of an object at the card's edge clear of the rulers.
        m_surface->move(m.width() + SurfaceGap, m.height() + SurfaceGap);
        const QSize s = m_surface->isVisibleTo(this) ? m_surface->size() : QSize(0, 0);
        resize(m.width() + SurfaceGap + s.width() + 24, m.height() + SurfaceGap + s.height() + 24);
    }
    placeRulers();
    // Above the surface and its objects, the corner above both rulers.
    m_left->raise();
    m_top->raise();
    m_corner->raise();
    m_top->update();
    m_left->update();
    update();
}

QWidget* DesignCanvas::topRuler() const
{
    return m_top;
}

QWidget* DesignCanvas::leftRuler() const
{
    return m_left;
}

bool DesignCanvas::hasRulers() const
{
    return m_surface && m_surface->isVisibleTo(this) && m_surface->currentTemplate() && m_surface->pixelsPerInch() > 0;
}

QRect DesignCanvas::visibleArea() const
{
    QRect r = rect();
    // In a scroll area the canvas moves up and left by the scroll position.
    if (const QWidget* p = parentWidget())
        r &= QRect(-pos(), p->size());
    return r;
}

std::pair<double, double> DesignCanvas::visibleInchesAcross() const
{
    if (!hasRulers())
        return { 0, 0 };
    const QRect vis = visibleArea();
    const double ppi = m_surface->pixelsPerInch();
    const int origin = m_surface->x();
    return { (vis.left() + rulerMargins().width() - origin) / ppi, (vis.right() + 1 - origin) / ppi };
}

std::pair<double, double> DesignCanvas::visibleInchesDown() const
{
    if (!hasRulers())
        return { 0, 0 };
    const QRect vis = visibleArea();
    const double ppi = m_surface->pixelsPerInch();
    const int origin = m_surface->y();
    return { (vis.top() + rulerMargins().height() - origin) / ppi, (vis.bottom() + 1 - origin) / ppi };
}

ruler::Scale DesignCanvas::scale(Qt::Orientation o) const
{
    ruler::Scale s;
    const CPrintTemplate* t = m_surface ? m_surface->currentTemplate() : nullptr;
    if (!t)
        return s;
    const QFontMetrics fm(font());
    s.pixelsPerInch = m_surface->pixelsPerInch();
    if (units::current() == units::Unit::Millimetres) {
        s.baseStep = ruler::MillimetreStep;
        s.unitInches = ruler::Millimetre;
    }
    if (o == Qt::Horizontal) {
        s.length = m_surface->surfaceWidth();
        s.side = s.length;
        s.labelPixels = fm.horizontalAdvance(QString::number(s.length / s.unitInches, 'f', 2)) + 10;
    } else {
        s.length = m_surface->surfaceHeight();
        // The back side of a duplex card counts from 0 again.
        s.side = t->Duplex() ? t->Height() : s.length;
        s.labelPixels = fm.height() + 6;
    }
    return s;
}

namespace
{
QStringList labelsOf(const std::vector<ruler::Tick>& ticks)
{
    QStringList out;
    for (const ruler::Tick& t : ticks)
        if (t.labelled)
            out << t.label;
    return out;
}
} // namespace

QStringList DesignCanvas::leftRulerLabels() const
{
    if (!hasRulers())
        return {};
    const auto [from, to] = visibleInchesDown();
    return labelsOf(ruler::ticks(scale(Qt::Vertical), from, to));
}

QStringList DesignCanvas::topRulerLabels() const
{
    if (!hasRulers())
        return {};
    const auto [from, to] = visibleInchesAcross();
    return labelsOf(ruler::ticks(scale(Qt::Horizontal), from, to));
}

void DesignCanvas::placeRulers()
{
    const bool on = hasRulers();
    for (QWidget* w : { static_cast<QWidget*>(m_top), static_cast<QWidget*>(m_left), m_corner })
        w->setVisible(on);
    if (!on)
        return;
    // Each ruler runs the canvas's full length and only moves across, so a
    // scroll along it needs no repaint.
    const QSize m = rulerMargins();
    const QRect vis = visibleArea();
    m_top->setGeometry(0, vis.top(), width(), m.height());
    m_left->setGeometry(vis.left(), 0, m.width(), height());
    m_corner->setGeometry(vis.left(), vis.top(), m.width(), m.height());
}

void DesignCanvas::moveEvent(QMoveEvent*)
{
    placeRulers();
}

void DesignCanvas::resizeEvent(QResizeEvent*)
{
    placeRulers();
}

void DesignCanvas::paintRuler(QPainter& p, Qt::Orientation o, const QRect& exposed) const
{
    if (!hasRulers())
        return;
    const QFontMetrics fm(font());
    const ruler::Scale s = scale(o);
    const double ppi = s.pixelsPerInch;
    // Both rulers share the canvas's coordinate along their length.
    if (o == Qt::Horizontal) {
        const int base = m_top->height();
        p.setPen(QColor(150, 150, 150));
        p.drawLine(exposed.left(), base - 1, exposed.right(), base - 1);
        p.setPen(Qt::black);
        const int origin = m_surface->x();
        const double from = (exposed.left() - origin - s.labelPixels) / ppi;
        const double to = (exposed.right() + 1 - origin) / ppi;
        int lastRight = std::numeric_limits<int>::min() / 2;
        for (const ruler::Tick& t : ruler::ticks(s, from, to)) {
            const int x = origin + int(std::lround(t.at * ppi));
            p.drawLine(x, base - (t.labelled ? fm.height() : fm.height() / 2), x, base - 1);
            if (!t.labelled)
                continue;
            // The last label goes left of its tick rather than off the end,
            // unless that would run into the label before it.
            const int w = fm.horizontalAdvance(t.label);
            const int labelX = x + 2 + w <= m_top->width() ? x + 2 : x - 2 - w;
            if (labelX < lastRight + 4)
                continue;
            p.drawText(labelX, base - fm.height() - fm.height() / 2 + fm.ascent(), t.label);
            lastRight = labelX + w;
        }
    } else {
        const int edge = m_left->width();
        p.setPen(QColor(150, 150, 150));
        p.drawLine(edge - 1, exposed.top(), edge - 1, exposed.bottom());
        p.setPen(Qt::black);
        const int origin = m_surface->y();
        const double from = (exposed.top() - origin - s.labelPixels) / ppi;
        const double to = (exposed.bottom() + 1 - origin) / ppi;
        const int labelX = edge - fm.horizontalAdvance(QStringLiteral("9.999")) - 4;
        for (const ruler::Tick& t : ruler::ticks(s, from, to)) {
            const int y = origin + int(std::lround(t.at * ppi));
            p.drawLine(t.labelled ? labelX : edge - 6, y, edge - 1, y);
            if (t.labelled)
                p.drawText(labelX, y + 2 + fm.ascent(), t.label);
        }
    }
}

} // namespace kyt
