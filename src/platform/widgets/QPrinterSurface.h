#pragma once
// A printer surface over a QPrinter that a host already holds (set up by a
// print dialog): the dialog's choices stay, the card's settings are applied
// on top (sides, orientation that fits the card, paper of the card's size).
// For printing without a dialog use PrinterSurface, which talks to CUPS
// itself and needs no widgets.

#include "kyt/kytwidgets_export.h"
#include "platform/surface/Surface.h"
#include <QPainter>
#include <QPrinter>
#include <QSizeF>
#include <memory>

namespace kyt
{

class KYTWIDGETS_EXPORT QPrinterSurface : public Surface
{
public:
    // The printer must outlive the surface. Throws KytError 380 for a paper
    // size outside 0.1..200 inches.
    QPrinterSurface(QPrinter& printer, QSizeF paperInches);
    ~QPrinterSurface() override;

    QString TypeName() const override { return QStringLiteral("Printer"); }
    int pageCount() const { return m_pages; }
    QPrinter& printer() const { return m_printer; }

protected:
    double dpiX() const override { return m_printer.resolution(); }
    double dpiY() const override { return m_printer.resolution(); }
    QSizeF deviceSize() const override;
    QPainter* painter() override;
    QPaintDevice* metricsDevice() override { return &m_printer; }
    void onNewPage() override;
    void onEndDoc() override;
    void onPrinterSettingChanged() override;

private:
    void applySettings();

    QPrinter& m_printer;
    QSizeF m_paper;
    std::unique_ptr<QPainter> m_painter;
    int m_pages = 0;
};

} // namespace kyt
