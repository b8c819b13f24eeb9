#pragma once
// Cards drawn as pictures the way a printer draws them: each side a page of
// its own, the size of the card at a resolution. Print Records writes them
// as PNG files; the design surface takes the parse strings' drawing from
// them.

#include "kyt/kytwidgets_export.h"
#include "objects/RenderContext.h"
#include "platform/surface/Surface.h"
#include <QImage>
#include <QPainter>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace kyt
{

class frmPreview;

// Pages drawn as pictures, each the card's size at the resolution: a
// printer to the objects, so each side is a page of its own. The batch
// draws a record's pages, then reports it; take() then hands over the
// pages drawn since the last report, and the next drawing starts a page.
class KYTWIDGETS_PRIVATE_EXPORT PagePictures final : public Surface
{
public:
    PagePictures(QSizeF inches, double dpi)
        : m_size(int(std::ceil(inches.width() * dpi - 1e-6)), int(std::ceil(inches.height() * dpi - 1e-6)))
        , m_dpi(dpi)
        , m_metrics(1, 1, QImage::Format_RGB32)
    {
        setDotsPerInch(m_metrics);
    }
    ~PagePictures() override { endPage(); }

    QString TypeName() const override { return QStringLiteral("Printer"); }

    // The pages drawn since the last take() (each record's, in a batch).
    std::vector<QImage> take()
    {
        if (!m_taken && m_begun) {
            endPage();
            m_pages.push_back(m_image);
        }
        m_taken = true;
        m_begun = false;
        return std::exchange(m_pages, {});
    }

protected:
    double dpiX() const override { return m_dpi; }
    double dpiY() const override { return m_dpi; }
    QSizeF deviceSize() const override { return QSizeF(m_size); }
    QPainter* painter() override
    {
        if (m_taken || m_image.isNull())
            startPage();
        m_begun = true;
        if (!m_painter.isActive() && !m_painter.begin(&m_image))
            return nullptr;
        return &m_painter;
    }
    QPaintDevice* metricsDevice() override { return &m_metrics; }
    void onNewPage() override
    {
        // A page of the record being drawn ends (blank when nothing was
        // drawn on it); after a report the new page is the next record's.
        if (!m_taken) {
            if (m_image.isNull())
                startPage();
            endPage();
            m_pages.push_back(m_image);
        }
        startPage();
        m_begun = true;
    }

private:
    void setDotsPerInch(QImage& image) const
    {
        const int dpm = int(std::lround(m_dpi / 0.0254));
        image.setDotsPerMeterX(dpm);
        image.setDotsPerMeterY(dpm);
    }
    void startPage()
    {
        endPage();
        m_image = QImage(m_size, QImage::Format_RGB32);
        m_image.fill(Qt::white);
        setDotsPerInch(m_image);
        m_taken = false;
        m_begun = false;
    }
    void endPage()
    {
        if (m_painter.isActive())
            m_painter.end();
    }

    QSize m_size;
    double m_dpi;
    QImage m_metrics;
    QImage m_image;
    QPainter m_painter;
    std::vector<QImage> m_pages;
    bool m_begun = false; // the open page belongs to the record being drawn
    bool m_taken = false; // the open page was handed over already
};

// What the shown card's parse strings draw with the print data, as the
// printer draws them (at the place the objects before them leave the
// print position), both sides stacked, at ppi pixels per inch: the card
// drawn with and without them, the pixels that differ. Null when the card
// has no parse string, or when it cannot be drawn (printing it says why).
KYTWIDGETS_PRIVATE_EXPORT QImage parseStringLayer(frmPreview& window, std::shared_ptr<FieldValues> data, double ppi);

} // namespace kyt
