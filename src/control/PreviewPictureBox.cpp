#include "control/PreviewPictureBox.h"

#include <algorithm>
#include <cmath>

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

namespace kyt
{

PreviewPictureBox::PreviewPictureBox(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picPreview"));
    makeSurface(size());
}

PreviewPictureBox::~PreviewPictureBox() = default;

void PreviewPictureBox::makeSurface(QSize size)
{
    size = size.expandedTo(QSize(1, 1));
    // A display area larger than a picture may be is drawn at the largest
    // size allowed (same shape), so a huge window never fails.
    const double area = double(size.width()) * size.height();
    double shrink
        = std::min({ 1.0, double(Picture::MaxSide) / size.width(), double(Picture::MaxSide) / size.height() });
    if (area * shrink * shrink > double(Picture::MaxPixels))
        shrink = std::sqrt(double(Picture::MaxPixels) / area);
    if (shrink < 1.0)
        size = QSize(std::max(1, int(size.width() * shrink)), std::max(1, int(size.height() * shrink)));
    const quint32 back = m_surface ? m_surface->BackColor() : 0xFFFFFFu;
    Picture previous = m_surface ? m_surface->picture() : Picture();
    auto next = std::make_unique<PictureBoxSurface>(size, Dpi);
    next->setBackColor(back);
    next->setScaleMode(Surface::vbInches);
    if (!previous.isNull()) {
        try {
            // Pixels for pixels: the old drawing at its own size.
            next->setScaleMode(Surface::vbPixels);
            next->PaintPicture(previous, 0, 0, previous.image().width(), previous.image().height());
            next->setScaleMode(Surface::vbInches);
        } catch (const std::exception&) {
            // The old drawing is lost; the area is still usable.
        }
    }
    m_surface = std::move(next);
}

Picture PreviewPictureBox::Image()
{
    return m_surface->picture();
}

void PreviewPictureBox::Cls()
{
    m_surface->Cls();
    update();
}

void PreviewPictureBox::setBackColor(quint32 color)
{
    m_surface->setBackColor(color);
    update();
}

void PreviewPictureBox::resizeEvent(QResizeEvent* event)
{
    if (event->size().expandedTo(QSize(1, 1)) != m_surface->Image().size()) {
        try {
            makeSurface(event->size());
        } catch (const std::exception&) {
            // Resizing passes over a failure: the previous area stays in use.
        }
    }
    QWidget::resizeEvent(event);
}

void PreviewPictureBox::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    p.drawImage(event->rect(), m_surface->Image(), event->rect());
}

} // namespace kyt
