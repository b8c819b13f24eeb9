#pragma once
// The area around the design surface: it places picID and keeps the rulers
// above and left of it, in inches at the surface's zoom. The rulers stay at
// the top and left edges of the part shown in the scroll area, so they
// follow the scroll position. On a duplex card the left ruler starts again
// at 0 at the divider.

#include "designer/RulerScale.h"
#include "kyt/kytwidgets_export.h"
#include <QIcon>
#include <QWidget>
#include <utility>

class QPainter;

namespace kyt
{

class DesignSurface;
class DesignRuler;

class KYTWIDGETS_PRIVATE_EXPORT DesignCanvas : public QWidget
{
    Q_OBJECT

public:
    explicit DesignCanvas(QWidget* parent = nullptr);

    void setSurface(DesignSurface* surface);
    // Room left of and above the surface for the rulers, in pixels.
    QSize rulerMargins() const;
    // Pixels between the rulers and the card.
    static constexpr int SurfaceGap = 8;
    // Places the surface and sizes the canvas; repaints the rulers.
    void relayout();

    // The part of the canvas its scroll area shows (all of it outside one).
    QRect visibleArea() const;
    // The surface's inches that show beside the rulers, along each ruler.
    std::pair<double, double> visibleInchesAcross() const;
    std::pair<double, double> visibleInchesDown() const;
    // Labels of the visible labelled ticks in order (inches from the side's
    // edge); the top ruler may leave out its last one where it would run
    // into the one before. For tests and the status bar.
    QStringList leftRulerLabels() const;
    QStringList topRulerLabels() const;
    QWidget* topRuler() const;
    QWidget* leftRuler() const;

protected:
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class DesignRuler;
    bool hasRulers() const;
    ruler::Scale scale(Qt::Orientation o) const;
    // Keeps the rulers at the visible area's top and left edges.
    void placeRulers();
    void paintRuler(QPainter& p, Qt::Orientation o, const QRect& exposed) const;

    DesignSurface* m_surface = nullptr;
    DesignRuler* m_top = nullptr;
    DesignRuler* m_left = nullptr;
    QWidget* m_corner = nullptr;
};

} // namespace kyt
