#include "platform/surface/PictureBoxSurface.h"
#include <QCoreApplication>

#include "errors/CError.h"
#include <cmath>

namespace kyt
{

PictureBoxSurface::PictureBoxSurface(QSize sizePixels, double dpi)
    : m_dpi(dpi)
{
    if (!std::isfinite(dpi) || dpi < 1 || dpi > 4800)
        invalidValue("resolution");
    if (sizePixels.width() < 1 || sizePixels.height() < 1)
        invalidValue("size");
    if (sizePixels.width() > Picture::MaxSide || sizePixels.height() > Picture::MaxSide
        || qint64(sizePixels.width()) * sizePixels.height() > Picture::MaxPixels)
        throw KytError(7,
            QCoreApplication::translate("kyt::Surface", "Out of memory (picture box of %1 x %2 pixels)")
                .arg(sizePixels.width())
                .arg(sizePixels.height()));
    m_image = QImage(sizePixels, QImage::Format_RGB32);
    if (m_image.isNull())
        throw KytError(7, QCoreApplication::translate("kyt::Surface", "Out of memory"));
    const int dpm = int(std::lround(dpi / 0.0254));
    m_image.setDotsPerMeterX(dpm);
    m_image.setDotsPerMeterY(dpm);
    m_image.fill(toQColor(m_backColor));
}

PictureBoxSurface::~PictureBoxSurface()
{
    finishPainting();
}

QPainter* PictureBoxSurface::painter()
{
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>();
        if (!m_painter->begin(&m_image)) {
            m_painter.reset();
            return nullptr;
        }
    }
    return m_painter.get();
}

void PictureBoxSurface::finishPainting()
{
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
}

const QImage& PictureBoxSurface::Image()
{
    finishPainting();
    return m_image;
}

Picture PictureBoxSurface::picture()
{
    return Picture(Image());
}

void PictureBoxSurface::setBackColor(quint32 color)
{
    m_backColor = color;
    Cls();
}

void PictureBoxSurface::onCls()
{
    finishPainting();
    m_image.fill(toQColor(m_backColor));
}

} // namespace kyt
