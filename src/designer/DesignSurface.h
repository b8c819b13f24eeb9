#pragma once
// picID, the design surface: the card in inches at one zoom factor, painted
// with the template's background colour or fitted picture, the grid and the
// inverted duplex divider. Object controls, the outline and its handles are
// its child widgets. Mouse events go to the event sink in inches.

#include "kyt/kytwidgets_export.h"
#include "template/CPrintTemplate.h"
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>

namespace kyt
{

class DesignEvents;

class KYTWIDGETS_PRIVATE_EXPORT DesignSurface : public QWidget
{
    Q_OBJECT

public:
    // Mime type of a data field dragged onto the card: the field's name.
    static inline const QString FieldMimeType = QStringLiteral("application/x-kyt-field");

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

    // The record the objects show (null: the field names). Every control
    // draws again when it changes.
    std::shared_ptr<FieldValues> shownData() const { return m_shownData; }
    void setShownData(std::shared_ptr<FieldValues> data);
    quint64 dataVersion() const { return m_dataVersion; }
    // Drawn over the card at the current zoom, transparent where it shows
    // nothing: what objects without a control draw (parse strings).
    const QImage& overlay() const { return m_overlay; }
    void setOverlay(QImage image)
    {
        m_overlay = std::move(image);
        update();
    }

    void setEvents(DesignEvents* events) { m_events = events; }
    DesignEvents* events() const { return m_events; }

    // The side height: half the surface when the template is duplex.
    double sideHeight() const;

signals:
    void zoomChanged(double zoom);
    // A field was dropped at (x, y) inches, on the child widget onto (a
    // control) or on the card itself (null).
    void fieldDropped(const QString& field, float x, float y, QWidget* onto);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The template's background as the card draws it, kept until the
    // size, zoom or background changes.
    const QImage& background();

    struct BackgroundKey {
        QSize size;
        double ppi = 0;
        qint32 color = 0;
        qint64 picture = 0;
        double width = 0, height = 0;
        double scalor = 0;
        bool operator==(const BackgroundKey&) const = default;
    };
    struct Background {
        BackgroundKey key;
        QImage image;
    };
    std::optional<Background> m_background;
    std::shared_ptr<FieldValues> m_shownData;
    QImage m_overlay;
    quint64 m_dataVersion = 0;
    double m_zoom = 1.0;
    float m_width = 0;
    float m_height = 0;
    bool m_showGrid = true;
    bool m_pressedLeft = false;
    QPointer<CPrintTemplate> m_template;
    DesignEvents* m_events = nullptr;
};

} // namespace kyt
