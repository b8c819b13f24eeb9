#pragma once
// picID, the design surface: the card in inches at one zoom factor, painted
// with the template's background colour or fitted picture, the grid and the
// inverted duplex divider. Object controls, the outline and its handles are
// its child widgets. Mouse events go to the event sink in inches.

#include "kyt/kytwidgets_export.h"
#include "template/CPrintTemplate.h"
#include <QPointer>
#include <QWidget>

namespace kyt
{

class DesignEvents;

class KYTWIDGETS_PRIVATE_EXPORT DesignSurface : public QWidget
{
    Q_OBJECT

public:
    // Screen pixels per inch at zoom 1 (15 twips per pixel).
    static constexpr double BasePixelsPerInch = 96.0;
    // Low enough that the largest card, 60 inches and two-sided, fits a
    // small window.
    static constexpr double MinZoom = 0.02;
    static constexpr double MaxZoom = 4.0;
    static constexpr double GridStep = 0.125;

    explicit DesignSurface(QWidget* parent = nullptr);

    // The one factor between inches and pixels.
    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    double pixelsPerInch() const { return BasePixelsPerInch * m_zoom; }
    int toPixels(double inches) const;
    double toInches(int pixels) const { return pixels / pixelsPerInch(); }

    // Surface size in inches (the card, twice its height when duplex).
    float surfaceWidth() const { return m_width; }
    float surfaceHeight() const { return m_height; }
    void setSurfaceSize(float width, float height);

    // The template whose background is painted (not owned); null paints a
    // plain surface.
    void setTemplate(CPrintTemplate* t)
    {
        m_template = t;
        update();
    }
    CPrintTemplate* currentTemplate() const { return m_template; }
    bool showGrid() const { return m_showGrid; }
    void setShowGrid(bool v)
    {
        m_showGrid = v;
        update();
    }

    void setEvents(DesignEvents* events) { m_events = events; }
    DesignEvents* events() const { return m_events; }

    // The side height: half the surface when the template is duplex.
    double sideHeight() const;

signals:
    void zoomChanged(double zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    double m_zoom = 1.0;
    float m_width = 0;
    float m_height = 0;
    bool m_showGrid = true;
    bool m_pressedLeft = false;
    QPointer<CPrintTemplate> m_template;
    DesignEvents* m_events = nullptr;
};

} // namespace kyt
