#include "platform/widgets/QPrinterSurface.h"

#include "errors/CError.h"
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <cmath>

namespace kyt
{

QPrinterSurface::QPrinterSurface(QPrinter& printer, QSizeF paperInches)
    : m_printer(printer)
    , m_paper(paperInches)
{
    auto sane = [](double v) { return std::isfinite(v) && v >= 0.1 && v <= 200.0; };
    if (!sane(paperInches.width()) || !sane(paperInches.height()))
        invalidValue("paper size");
    m_printer.setFullPage(true);
    Surface::setOrientation(paperInches.width() > paperInches.height() ? 2 : 1);
    applySettings();
}

QPrinterSurface::~QPrinterSurface()
{
    if (m_painter)
        m_painter->end();
}

void QPrinterSurface::applySettings()
{
    // The page has the card's shape whatever Orientation says, as on
    // PrinterSurface; the layout's orientation follows that shape.
    const bool wide = m_paper.width() > m_paper.height();
    const QPageSize size(
        QSizeF(std::min(m_paper.width(), m_paper.height()), std::max(m_paper.width(), m_paper.height())),
        QPageSize::Inch, QStringLiteral("Card"), QPageSize::ExactMatch);
    m_printer.setPageLayout(
        QPageLayout(size, wide ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(), QPageLayout::Inch));
    switch (Duplex()) {
    case 1:
        m_printer.setDuplex(QPrinter::DuplexNone);
        break;
    case 2:
        m_printer.setDuplex(QPrinter::DuplexShortSide);
        break;
    case 3:
        m_printer.setDuplex(QPrinter::DuplexLongSide);
        break;
    default:
        break; // the dialog's choice
    }
}

void QPrinterSurface::onPrinterSettingChanged()
{
    if (!m_painter)
        applySettings();
}

QSizeF QPrinterSurface::deviceSize() const
{
    return QSizeF(m_paper.width() * m_printer.resolution(), m_paper.height() * m_printer.resolution());
}

QPainter* QPrinterSurface::painter()
{
    if (m_painter)
        return m_painter.get();
    auto p = std::make_unique<QPainter>();
    if (!p->begin(&m_printer))
        throw KytError(482,
            QCoreApplication::translate("kyt::PrinterSurface", "Printer error: cannot start a job on \"%1\"")
                .arg(m_printer.printerName()));
    m_painter = std::move(p);
    m_pages = 1;
    return m_painter.get();
}

void QPrinterSurface::onNewPage()
{
    painter();
    if (!m_printer.newPage())
        throw KytError(
            482, QCoreApplication::translate("kyt::PrinterSurface", "Printer error: cannot start a new page"));
    ++m_pages;
}

void QPrinterSurface::onEndDoc()
{
    if (m_painter && !m_painter->end())
        throw KytError(482,
            QCoreApplication::translate("kyt::PrinterSurface", "Printer error: the job on \"%1\" could not be finished")
                .arg(m_printer.printerName()));
    m_painter.reset();
}

} // namespace kyt
