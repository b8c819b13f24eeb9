#pragma once
// A picture box: draws into an image of a fixed size in pixels at a given
// resolution (96 dots per inch as on screen; 300 for card-quality output).
// The drawing stays in the image until Cls or a new BackColor clears it.

#include "platform/Picture.h"
#include "platform/surface/Surface.h"
#include <QImage>
#include <QPainter>
#include <memory>

namespace kyt
{

class KYTCORE_EXPORT PictureBoxSurface : public Surface
{
public:
    // Throws KytError 380 for an empty size or a resolution outside 1..4800,
    // and 7 ("Out of memory") for an image larger than Picture::MaxPixels.
    explicit PictureBoxSurface(QSize sizePixels, double dpi = 96.0);
    ~PictureBoxSurface() override;

    QString TypeName() const override { return QStringLiteral("PictureBox"); }

    quint32 BackColor() const { return m_backColor; }
    // As on a picture box, a new background colour clears the drawing.
    void setBackColor(quint32 color);

    // The drawing so far (painting is flushed first).
    const QImage& Image();
    Picture picture();
    double dpi() const { return m_dpi; }

protected:
    double dpiX() const override { return m_dpi; }
    double dpiY() const override { return m_dpi; }
    QSizeF deviceSize() const override { return QSizeF(m_image.size()); }
    QPainter* painter() override;
    QPaintDevice* metricsDevice() override { return &m_image; }
    quint32 backgroundColor() const override { return m_backColor; }
    void onCls() override;

private:
    KYTCORE_NO_EXPORT void finishPainting();

    QImage m_image;
    double m_dpi;
    quint32 m_backColor = 0xFFFFFF;
    std::unique_ptr<QPainter> m_painter;
};

} // namespace kyt
