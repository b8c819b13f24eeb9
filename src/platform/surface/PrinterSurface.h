#pragma once
// A printer: draws pages into a PDF file or sends them as one job to a CUPS
// queue. The paper is the card (its size as the card is seen, in inches);
// Orientation 1 lays the drawing out on the paper's short side up, 2 on its
// long side, so a card wider than high prints in full with Orientation 2,
// the orientation the surface starts with for such a card. Resolution 300
// dots per inch by default; DrawWidth counts those dots.
//
// The document begins with the first drawing (or NewPage) and pages are
// written as they are drawn. EndDoc finishes it (the file is complete, the
// job is submitted); destroying the surface finishes it too. After EndDoc a
// queue starts a new job with the next drawing; a PDF file refuses further
// drawing rather than overwrite what it holds.

#include "platform/surface/Surface.h"
#include <QPainter>
#include <QPrinter>
#include <QSizeF>
#include <memory>

namespace kyt
{

class KYTCORE_EXPORT PrinterSurface : public Surface
{
public:
    enum class Target { PdfFile, CupsQueue };

    // Throws KytError: 380 for a paper size outside 0.1..200 inches or a
    // resolution outside 72..2400, 482 ("Printer error") for a queue that
    // does not exist.
    PrinterSurface(Target target, const QString& fileOrQueue, QSizeF paperInches, int dpi = 300);
    ~PrinterSurface() override;

    static std::unique_ptr<PrinterSurface> toPdf(const QString& fileName, QSizeF paperInches, int dpi = 300);
    static std::unique_ptr<PrinterSurface> toQueue(const QString& queue, QSizeF paperInches, int dpi = 300);

    QString TypeName() const override { return QStringLiteral("Printer"); }

    // Title of the print job / PDF document.
    void setDocumentName(const QString& name);
    // Pages begun in the current document (0 before the first drawing).
    int pageCount() const { return m_pages; }
    bool isActive() const { return m_painter != nullptr; }
    QSizeF paperInches() const { return m_paper; }
    const QPrinter& printer() const { return m_printer; }

protected:
    double dpiX() const override { return m_dpi; }
    double dpiY() const override { return m_dpi; }
    QSizeF deviceSize() const override;
    QPainter* painter() override;
    QPaintDevice* metricsDevice() override { return &m_printer; }
    void onNewPage() override;
    void onEndDoc() override;
    void onPrinterSettingChanged() override;

private:
    void applyLayout();
    void finish();

    Target m_target;
    QString m_destination;
    QSizeF m_paper;
    double m_dpi;
    QPrinter m_printer;
    std::unique_ptr<QPainter> m_painter;
    int m_pages = 0;
    bool m_ended = false;
};

} // namespace kyt
