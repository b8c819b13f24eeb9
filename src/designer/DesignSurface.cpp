// The design surface: the card at a zoom, its background and grid, mouse
// events in inches.

#include "designer/DesignSurface.h"

#include "designer/DesignControl.h"
#include "designer/DesignEvents.h"
#include "designer/RulerScale.h"
#include "template/CPrintTemplate.h"
#include "util/modPreview.h"
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kyt
{

DesignSurface::DesignSurface(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picID"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
}

int DesignSurface::toPixels(double inches) const
{
    return int(std::lround(inches * pixelsPerInch()));
}

void DesignSurface::setZoom(double zoom)
{
    zoom = std::clamp(zoom, MinZoom, MaxZoom);
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    setFixedSize(toPixels(m_width), toPixels(m_height));
    emit zoomChanged(m_zoom);
    update();
}

void DesignSurface::setSurfaceSize(float width, float height)
{
    m_width = std::max(0.0f, width);
    m_height = std::max(0.0f, height);
    setFixedSize(toPixels(m_width), toPixels(m_height));
    update();
}

double DesignSurface::sideHeight() const
{
    return (m_template && m_template->Duplex()) ? m_height / 2.0 : m_height;
}

void DesignSurface::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!m_template)
        return;
    const double ppi = pixelsPerInch();
    const double W = m_template->Width();
    const double H = m_template->Height();

    // Background: the colour, else the picture fitted into one side, as the
    // card is printed.
    if (m_template->BackgroundColor() != -1) {
        p.fillRect(QRectF(0, 0, toPixels(W), toPixels(H)), DesignControl::toColor(m_template->BackgroundColor()));
    } else if (m_template->Picture().Type() > 0) {
        const kyt::Picture& pic = m_template->Picture();
        const double f = GetFitFactor(pic.Width(), pic.Height(), W, H);
        const QRectF target(0, 0, f * pic.Width() * ppi, f * pic.Height() * ppi);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(target, pic.image());
    }

    // At small zooms the lines thin out as the ruler's ticks do, so the card
    // does not turn grey.
    const double grid = ruler::spacing(GridStep, ppi);
    if (m_showGrid && grid > 0) {
        p.setPen(QPen(QColor(200, 200, 200), 0));
        for (int i = 1;; ++i) {
            const double x = i * grid;
            if (x > m_width + 1e-9)
                break;
            const double px = x * ppi;
            p.drawLine(QPointF(px, 0), QPointF(px, height()));
        }
        for (int i = 1;; ++i) {
            const double y = i * grid;
            if (y > m_height + 1e-9)
                break;
            const double py = y * ppi;
            p.drawLine(QPointF(0, py), QPointF(width(), py));
        }
    }

    if (m_template->Duplex()) {
        // Inverted, so the divider shows on any background.
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setPen(QPen(Qt::white, 2));
        const double y = H * ppi;
        p.drawLine(QPointF(0, y), QPointF(W * ppi, y));
    }
}

void DesignSurface::mousePressEvent(QMouseEvent* event)
{
    const QPointF in = event->position() / pixelsPerInch();
    m_pressedLeft = event->button() == Qt::LeftButton;
    if (m_events)
        m_events->surfaceMouseDown(event->button(), float(in.x()), float(in.y()));
}

void DesignSurface::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF in = event->position() / pixelsPerInch();
    if (m_events)
        m_events->surfaceMouseMove(event->buttons(), float(in.x()), float(in.y()));
}

void DesignSurface::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF in = event->position() / pixelsPerInch();
    if (!m_events)
        return;
    m_events->surfaceMouseUp(event->button(), float(in.x()), float(in.y()));
    if (event->button() == Qt::LeftButton && m_pressedLeft && rect().contains(event->position().toPoint()))
        m_events->surfaceClick();
    m_pressedLeft = false;
}

} // namespace kyt
