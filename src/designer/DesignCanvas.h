#pragma once
// The area around the design surface: it places picID and paints the
// rulers above and left of it, in inches at the surface's zoom. On a
// duplex card the left ruler starts again at 0 for the back side.

#include "kyt/kytwidgets_export.h"
#include <QIcon>
#include <QWidget>

namespace kyt
{

class DesignSurface;

class KYTWIDGETS_EXPORT DesignCanvas : public QWidget
{
    Q_OBJECT

public:
    static constexpr double RulerStep = 0.25;

    explicit DesignCanvas(QWidget* parent = nullptr);

    void setSurface(DesignSurface* surface);
    // Room left of and above the surface for the rulers, in pixels.
    QSize rulerMargins() const;
    // Places the surface and sizes the canvas; repaints the rulers.
    void relayout();

    // Left-ruler labels (inches from the side's top edge) in order, as
    // painted; for tests and the status bar.
    QStringList leftRulerLabels() const;
    QStringList topRulerLabels() const;

    // Icons of the tool buttons, drawn so no image files are needed.
    static QIcon toolIcon(const QString& key);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Tick {
        double offset; // inches from the surface edge
        QString label;
    };
    std::vector<Tick> topTicks() const;
    std::vector<Tick> leftTicks() const;

    DesignSurface* m_surface = nullptr;
};

} // namespace kyt
