// Child widgets of the surface placed in inches: the outline and handles.

#include "designer/SurfaceItem.h"

#include "designer/DesignEvents.h"
#include "designer/DesignSurface.h"
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kyt
{

DesignEvents::~DesignEvents() = default;

SurfaceItem::SurfaceItem(DesignSurface* surface)
    : QWidget(surface)
    , m_surface(surface)
{
    connect(surface, &DesignSurface::zoomChanged, this, [this] { relayout(); });
}

double SurfaceItem::pixelsPerInch() const
{
    return m_surface->pixelsPerInch();
}

void SurfaceItem::setItemGeometry(float left, float top, float width, float height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    relayout();
}

void SurfaceItem::setItemLeft(float v)
{
    m_left = v;
    relayout();
}

void SurfaceItem::setItemTop(float v)
{
    m_top = v;
    relayout();
}

void SurfaceItem::setItemWidth(float v)
{
    m_width = v;
    relayout();
}

void SurfaceItem::setItemHeight(float v)
{
    m_height = v;
    relayout();
}

void SurfaceItem::relayout()
{
    const int x = m_surface->toPixels(m_left);
    const int y = m_surface->toPixels(m_top);
    // Edges are rounded, not sizes, so neighbouring items meet exactly; a
    // zero-size item still shows one pixel.
    const int w = std::max(1, m_surface->toPixels(double(m_left) + double(std::fabs(m_width))) - x);
    const int h = std::max(1, m_surface->toPixels(double(m_top) + double(std::fabs(m_height))) - y);
    setGeometry(x, y, w, h);
    update();
}

OutlineShape::OutlineShape(DesignSurface* surface)
    : SurfaceItem(surface)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void OutlineShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QPen pen(Qt::black, 1, Qt::DashLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

CornerHandle::CornerHandle(DesignSurface* surface, int index)
    : SurfaceItem(surface)
    , m_index(index)
{
    static const Qt::CursorShape cursors[]
        = { Qt::SizeFDiagCursor, Qt::SizeBDiagCursor, Qt::SizeBDiagCursor, Qt::SizeFDiagCursor };
    setCursor(cursors[index & 3]);
    relayout();
    hide();
}

void CornerHandle::relayout()
{
    const double ppi = pixelsPerInch();
    const int x = surface()->toPixels(itemLeft());
    const int y = surface()->toPixels(itemTop());
    // The handle keeps its pixel size at every zoom; its inch size follows.
    const float inches = float(SizePixels / ppi);
    if (itemWidth() != inches || itemHeight() != inches) {
        SurfaceItem::setItemGeometry(itemLeft(), itemTop(), inches, inches);
        return;
    }
    setGeometry(x, y, SizePixels, SizePixels);
    update();
}

void CornerHandle::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.fillRect(rect().adjusted(1, 1, -1, -1), Qt::white);
}

namespace
{
QPointF surfaceInches(const SurfaceItem& item, const QPointF& local)
{
    const QPointF px = item.mapTo(item.surface(), local);
    return { px.x() / item.pixelsPerInch(), px.y() / item.pixelsPerInch() };
}
} // namespace

void CornerHandle::mousePressEvent(QMouseEvent* event)
{
    if (auto* sink = surface()->events()) {
        const QPointF in = surfaceInches(*this, event->position());
        sink->handleMouseDown(this, event->button(), float(in.x()), float(in.y()));
    }
}

void CornerHandle::mouseMoveEvent(QMouseEvent* event)
{
    if (auto* sink = surface()->events()) {
        const QPointF in = surfaceInches(*this, event->position());
        sink->handleMouseMove(this, event->buttons(), float(in.x()), float(in.y()));
    }
}

void CornerHandle::mouseReleaseEvent(QMouseEvent* event)
{
    if (auto* sink = surface()->events()) {
        const QPointF in = surfaceInches(*this, event->position());
        sink->handleMouseUp(this, event->button(), float(in.x()), float(in.y()));
    }
}

} // namespace kyt
