#include "platform/surface/PrinterSurface.h"

#include "errors/CError.h"
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <cmath>

namespace kyt
{

PrinterSurface::PrinterSurface(Target target, const QString& fileOrQueue, QSizeF paperInches, int dpi)
    : m_target(target)
    , m_destination(fileOrQueue)
    , m_paper(paperInches)
    , m_printer(QPrinter::HighResolution)
{
    auto sane = [](double v) { return std::isfinite(v) && v >= 0.1 && v <= 200.0; };
    if (!sane(paperInches.width()) || !sane(paperInches.height()))
        invalidValue("paper size");
    if (dpi < 72 || dpi > 2400)
        invalidValue("resolution");
    if (fileOrQueue.isEmpty())
        throw KytError(482,
            target == Target::PdfFile ? QStringLiteral("Printer error: no output file given")
                                      : QStringLiteral("Printer error: no printer given"));

    if (target == Target::CupsQueue) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(fileOrQueue);
        if (info.isNull())
            throw KytError(482, QStringLiteral("Printer error: there is no printer named \"%1\"").arg(fileOrQueue));
        m_printer.setPrinterName(info.printerName());
        m_printer.setOutputFormat(QPrinter::NativeFormat);
    } else {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setOutputFileName(fileOrQueue);
    }
    m_printer.setResolution(dpi);
    m_dpi = m_printer.resolution() > 0 ? m_printer.resolution() : dpi;
    m_printer.setFullPage(true);
    m_printer.setCreator(QStringLiteral("KYTPreview"));
    // Start in the orientation that shows the whole card.
    Surface::setOrientation(paperInches.width() > paperInches.height() ? 2 : 1);
    applyLayout();
}

PrinterSurface::~PrinterSurface()
{
    finish();
}

std::unique_ptr<PrinterSurface> PrinterSurface::toPdf(const QString& fileName, QSizeF paperInches, int dpi)
{
    return std::make_unique<PrinterSurface>(Target::PdfFile, fileName, paperInches, dpi);
}

std::unique_ptr<PrinterSurface> PrinterSurface::toQueue(const QString& queue, QSizeF paperInches, int dpi)
{
    return std::make_unique<PrinterSurface>(Target::CupsQueue, queue, paperInches, dpi);
}

void PrinterSurface::setDocumentName(const QString& name)
{
    m_printer.setDocName(name);
}

void PrinterSurface::applyLayout()
{
    // The paper keeps the card's own shape, so a queue or file gets pages of
    // exactly the card (a wide card makes wide pages, not turned tall ones);
    // the orientation that does not match that shape turns the drawing.
    const bool wide = m_paper.width() > m_paper.height();
    const bool turned = (Orientation() == 2) != wide;
    const QPageSize size(m_paper, QPageSize::Inch, QStringLiteral("Card"), QPageSize::ExactMatch);
    const QPageLayout layout(
        size, turned ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
    m_printer.setPageLayout(layout);
    switch (Duplex()) {
    case 2:
        m_printer.setDuplex(QPrinter::DuplexShortSide);
        break;
    case 3:
        m_printer.setDuplex(QPrinter::DuplexLongSide);
        break;
    default:
        m_printer.setDuplex(QPrinter::DuplexNone);
        break;
    }
}

void PrinterSurface::onPrinterSettingChanged()
{
    // While a document is open the new layout applies from the next page.
    applyLayout();
}

QSizeF PrinterSurface::deviceSize() const
{
    const QSizeF inches = m_printer.pageLayout().fullRect(QPageLayout::Inch).size();
    return QSizeF(inches.width() * m_dpi, inches.height() * m_dpi);
}

QPainter* PrinterSurface::painter()
{
    if (m_painter)
        return m_painter.get();
    if (m_ended && m_target == Target::PdfFile)
        throw KytError(482, QStringLiteral("Printer error: the document \"%1\" has already ended").arg(m_destination));
    auto p = std::make_unique<QPainter>();
    if (!p->begin(&m_printer)) {
        throw KytError(482,
            m_target == Target::PdfFile
                ? QStringLiteral("Printer error: cannot write \"%1\"").arg(m_destination)
                : QStringLiteral("Printer error: cannot start a job on \"%1\"").arg(m_destination));
    }
    m_painter = std::move(p);
    m_pages = 1;
    m_ended = false;
    return m_painter.get();
}

void PrinterSurface::onNewPage()
{
    // Even with nothing drawn yet the current page counts: a card's back
    // must not move onto the front page when the front is blank.
    painter();
    if (!m_printer.newPage())
        throw KytError(482, QStringLiteral("Printer error: cannot start a new page"));
    ++m_pages;
}

void PrinterSurface::finish()
{
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
        m_ended = true;
    }
}

void PrinterSurface::onEndDoc()
{
    finish();
}

} // namespace kyt
