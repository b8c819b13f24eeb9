#pragma once
// The Preview control's display area: a widget showing a picture box
// surface that fills it, in inches at 96 dots per inch, keeping its drawing
// (resizing keeps what was drawn, at the top left).

#include "kyt/kytwidgets_export.h"
#include "platform/surface/PictureBoxSurface.h"
#include <QWidget>
#include <memory>

namespace kyt
{

class KYTWIDGETS_EXPORT PreviewPictureBox : public QWidget
{
    Q_OBJECT

public:
    static constexpr double Dpi = 96.0;

    explicit PreviewPictureBox(QWidget* parent = nullptr);
    ~PreviewPictureBox() override;

    // The surface templates render into; it works in inches.
    Surface& surface() { return *m_surface; }
    // The drawing as a picture (the display area's size).
    Picture Image();
    void Cls();
    quint32 BackColor() const { return m_surface->BackColor(); }
    void setBackColor(quint32 color);
    double ScaleWidth() const { return m_surface->ScaleWidth(); }
    double ScaleHeight() const { return m_surface->ScaleHeight(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void makeSurface(QSize size);

    std::unique_ptr<PictureBoxSurface> m_surface;
};

} // namespace kyt
