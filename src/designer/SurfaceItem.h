#pragma once
// A child widget of the design surface placed in inches. The surface's zoom
// turns inches into pixels; the item keeps its inch geometry and follows
// zoom changes, so nothing outside the surface sees pixels.

#include "kyt/kytwidgets_export.h"
#include <QWidget>

namespace kyt
{

class DesignSurface;

class KYTWIDGETS_PRIVATE_EXPORT SurfaceItem : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(float left READ itemLeft WRITE setItemLeft)
    Q_PROPERTY(float top READ itemTop WRITE setItemTop)
    Q_PROPERTY(float Width READ itemWidth WRITE setItemWidth)
    Q_PROPERTY(float Height READ itemHeight WRITE setItemHeight)

public:
    explicit SurfaceItem(DesignSurface* surface);

    DesignSurface* surface() const { return m_surface; }

    float itemLeft() const { return m_left; }
    float itemTop() const { return m_top; }
    float itemWidth() const { return m_width; }
    float itemHeight() const { return m_height; }
    void setItemGeometry(float left, float top, float width, float height);
    void setItemLeft(float v);
    void setItemTop(float v);
    void setItemWidth(float v);
    void setItemHeight(float v);

    // Recomputes the pixel geometry from the inch geometry (zoom changed).
    virtual void relayout();

    // Pixels per inch of the surface.
    double pixelsPerInch() const;

private:
    DesignSurface* m_surface;
    float m_left = 0;
    float m_top = 0;
    float m_width = 0;
    float m_height = 0;
};

// The rubber band and selection frame (shpOutline): a dashed rectangle.
class KYTWIDGETS_PRIVATE_EXPORT OutlineShape : public SurfaceItem
{
    Q_OBJECT

public:
    explicit OutlineShape(DesignSurface* surface);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A square selection handle (imgCorner(0..3)). Index: 0 upper-left,
// 1 upper-right, 2 lower-left, 3 lower-right. Its size is fixed in pixels;
// its inch size follows the zoom. Mouse events go to the surface's event
// sink as handle events.
class KYTWIDGETS_PRIVATE_EXPORT CornerHandle : public SurfaceItem
{
    Q_OBJECT

public:
    static constexpr int SizePixels = 7;
    CornerHandle(DesignSurface* surface, int index);
    int Index() const { return m_index; }
    void relayout() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_index;
};

} // namespace kyt
