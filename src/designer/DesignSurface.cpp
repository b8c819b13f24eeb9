// The design surface: the card at a zoom, its background and grid, mouse
// events in inches.

#include "designer/DesignSurface.h"

#include "designer/DesignControl.h"
#include "designer/DesignEvents.h"
#include "designer/RulerScale.h"
#include "platform/surface/PictureBoxSurface.h"
#include "template/CPrintTemplate.h"
#include "util/modPreview.h"
#include <QDragEnterEvent>
#include <QMimeData>
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
    setAcceptDrops(true);
}

void DesignSurface::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasFormat(FieldMimeType))
        event->acceptProposedAction();
}

void DesignSurface::dragMoveEvent(QDragMoveEvent* event)
{
    if (event->mimeData()->hasFormat(FieldMimeType))
        event->acceptProposedAction();
}

void DesignSurface::dropEvent(QDropEvent* event)
{
    const QString field = QString::fromUtf8(event->mimeData()->data(FieldMimeType));
    if (field.isEmpty())
        return;
    event->acceptProposedAction();
    const QPointF at = event->position();
    QWidget* onto = childAt(at.toPoint());
    const QPointF in = at / pixelsPerInch();
    emit fieldDropped(field, float(in.x()), float(in.y()), onto);
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

void DesignSurface::setShownData(std::shared_ptr<FieldValues> data)
{
    m_shownData = std::move(data);
    ++m_dataVersion;
    update();
}

const QImage& DesignSurface::background()
{
    const CPrintTemplate* t = m_template;
    const BackgroundKey key { size(), pixelsPerInch(), t->BackgroundColor(), t->Picture().image().cacheKey(),
        t->Width(), t->Height(), t->Scalor() };
    if (m_background && m_background->key == key)
        return m_background->image;
    QImage image;
    try {
        PictureBoxSurface card(size().expandedTo(QSize(1, 1)), key.ppi);
        card.setScaleMode(Surface::vbInches);
        m_template->RenderBackground(card, 0, 0);
        image = card.Image();
    } catch (const std::exception&) {
        // No memory for a picture of the whole surface: plain white.
    }
    m_background = Background { key, image };
    return m_background->image;
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

    // Background: the card's own drawing of it.
    p.drawImage(QPoint(0, 0), background());

    // What objects draw beyond their boxes, bottom to top; each box itself
    // is its control's to paint.
    for (QObject* child : children()) {
        auto* c = qobject_cast<DesignControl*>(child);
        if (!c || !c->isVisible())
            continue;
        const QRect around = c->lookArea();
        if (around.isEmpty() || (!around.intersects(p.clipBoundingRect().toAlignedRect()) && p.hasClipping()))
            continue;
        p.save();
        p.setClipRegion(QRegion(around).subtracted(QRegion(c->geometry())), Qt::IntersectClip);
        p.drawImage(around.topLeft(), c->look());
        p.restore();
    }

    if (!m_overlay.isNull())
        p.drawImage(QPoint(0, 0), m_overlay);

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
