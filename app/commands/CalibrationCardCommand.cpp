// kytpreview calibration-card: a card with rulers through its centre and a
// centre cross, from which a person reads how far a printer misplaces the
// drawing.
#include "Command.h"
#include "PrintJob.h"
#include "errors/CError.h"
#include "platform/OutputFile.h"
#include "platform/PngFile.h"
#include "platform/surface/PictureBoxSurface.h"
#include "platform/surface/PrinterSurface.h"
#include "settings/PrinterCalibration.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <cmath>
#include <memory>

namespace kyt::cli
{
namespace
{

const QString Me = QStringLiteral("calibration-card");
constexpr double Mm = 1 / 25.4;

void label(Surface& s, const QString& text, double cx, double top)
{
    s.setCurrentX(cx - s.TextWidth(text) / 2);
    s.setCurrentY(top);
    s.Print(text);
}

// The card at (dx, dy) inches from where it belongs: its outline, a ruler
// through the centre each way in millimetres from the centre (a tick each
// millimetre, longer every 5, numbered every 10), a cross at the centre.
void drawCard(Surface& s, QSizeF card, double dx, double dy)
{
    s.setScaleMode(Surface::vbInches);
    const double w = card.width(), h = card.height();
    const double cx = w / 2 + dx, cy = h / 2 + dy;
    s.setForeColor(0);
    s.setFontName(QStringLiteral("Arial"));
    s.setFontSize(4.5);
    s.setDrawWidth(2);
    s.Line(dx + 0.01, dy + 0.01, dx + w - 0.01, dy + h - 0.01, 0u, Surface::LineKind::Box);

    const int acrossMm = int(std::floor(w / 2 / Mm));
    const int downMm = int(std::floor(h / 2 / Mm));
    s.setDrawWidth(1);
    s.Line(cx - acrossMm * Mm, cy, cx + acrossMm * Mm, cy, 0u);
    s.Line(cx, cy - downMm * Mm, cx, cy + downMm * Mm, 0u);
    const double textHeight = s.TextHeight(QStringLiteral("0"));
    for (int mm = 1; mm <= acrossMm; ++mm) {
        const double len = (mm % 10 == 0 ? 2.5 : mm % 5 == 0 ? 1.8 : 1.0) * Mm;
        for (int side : { -1, 1 }) {
            const double x = cx + side * mm * Mm;
            s.Line(x, cy - len, x, cy + len, 0u);
            if (mm % 10 == 0)
                label(s, QString::number(side * mm), x, cy + len + 0.2 * Mm);
        }
    }
    for (int mm = 1; mm <= downMm; ++mm) {
        const double len = (mm % 10 == 0 ? 2.5 : mm % 5 == 0 ? 1.8 : 1.0) * Mm;
        for (int side : { -1, 1 }) {
            const double y = cy + side * mm * Mm;
            s.Line(cx - len, y, cx + len, y, 0u);
            if (mm % 10 == 0) {
                const QString text = QString::number(side * mm);
                s.setCurrentX(cx + len + 0.4 * Mm);
                s.setCurrentY(y - textHeight / 2);
                s.Print(text);
            }
        }
    }
    // The centre cross, bold and with a small square round its middle.
    s.setDrawWidth(4);
    s.Line(cx - 4 * Mm, cy, cx + 4 * Mm, cy, 0u);
    s.Line(cx, cy - 4 * Mm, cx, cy + 4 * Mm, 0u);
    s.setDrawWidth(1);
    s.Line(cx - 1.5 * Mm, cy - 1.5 * Mm, cx + 1.5 * Mm, cy + 1.5 * Mm, 0u, Surface::LineKind::Box);

    // Title and instructions in the quarters left of the vertical ruler.
    s.setFontSize(5);
    s.setCurrentX(dx + 3 * Mm);
    s.setCurrentY(dy + 2.5 * Mm);
    s.Print(QCoreApplication::translate("kyt::cli", "Calibration card %1 x %2 in").arg(w, 0, 'g', 5).arg(h, 0, 'g', 5));
    s.setFontSize(4.5);
    const QStringList lines { QCoreApplication::translate("kyt::cli", "Read where the card's edges cut"),
        QCoreApplication::translate("kyt::cli", "the rulers (mm from the centre)."),
        QCoreApplication::translate("kyt::cli", "X = (right + left) / 2"),
        QCoreApplication::translate("kyt::cli", "Y = (bottom + top) / 2"),
        QCoreApplication::translate("kyt::cli", "printers calibrate Q --offset Xmm,Ymm") };
    double y = dy + h - 2.5 * Mm - lines.size() * s.TextHeight(QStringLiteral("X"));
    for (const QString& line : lines) {
        s.setCurrentX(dx + 3 * Mm);
        s.setCurrentY(y);
        s.Print(line);
        y += s.TextHeight(line);
    }
}

int run(const ParsedArgs& a)
{
    const QString out = a.value(QStringLiteral("output"));
    const QString queue = a.value(QStringLiteral("printer"));
    const QString sizeText = a.value(QStringLiteral("size"));
    const QString dpiText = a.value(QStringLiteral("dpi"));
    const bool hasOut = a.has(QStringLiteral("output"));
    const bool hasQueue = a.has(QStringLiteral("printer"));
    const bool hasSize = a.has(QStringLiteral("size"));
    const bool hasDpi = a.has(QStringLiteral("dpi"));
    PrintJobSettings job;
    if (int rc = printJobOptions(Me, a, job))
        return rc;
    if (int rc = checkArguments(
            Me, a.positional, a.positional.isEmpty(), QCoreApplication::translate("kyt::cli", "no plain arguments")))
        return rc;
    if (hasOut == hasQueue)
        return fail(
            Me, QCoreApplication::translate("kyt::cli", "give either -o OUT.pdf / OUT.png or --printer QUEUE"), 2);
    QSizeF card(3.375, 2.125);
    if (hasSize) {
        const QStringList parts = sizeText.split(QLatin1Char(','));
        bool ok1 = false, ok2 = false;
        if (parts.size() == 2)
            card = QSizeF(parts[0].toDouble(&ok1), parts[1].toDouble(&ok2));
        auto sane = [](double v) { return std::isfinite(v) && v >= 0.5 && v <= 20; };
        if (!ok1 || !ok2 || !sane(card.width()) || !sane(card.height()))
            return fail(Me, QCoreApplication::translate("kyt::cli", "--size must be W,H in inches, each 0.5 to 20"), 2);
    }
    int dpi = 300;
    if (hasDpi) {
        bool ok = false;
        dpi = dpiText.toInt(&ok);
        if (!ok || dpi < 72 || dpi > 1200)
            return fail(Me, QCoreApplication::translate("kyt::cli", "--dpi must be a whole number from 72 to 1200"), 2);
    }
    // The queue's calibration moves the card as it moves every other card.
    PrinterCalibration c;
    if (hasQueue) {
        try {
            if (const auto stored = PrinterCalibration::load(queue))
                c = *stored;
        } catch (const KytError& e) {
            return fail(Me, e.description());
        }
    }
    if (job.offset) {
        c.xOffset = job.offset->first;
        c.yOffset = job.offset->second;
    }

    try {
        if (hasOut && QFileInfo(out).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0) {
            const QSize px(int(std::ceil(card.width() * dpi)), int(std::ceil(card.height() * dpi)));
            PictureBoxSurface box(px, dpi);
            drawCard(box, card, c.xOffset, c.yOffset);
            OutputFile file(out);
            if (!file.isOpen())
                return fail(Me, file.errorString());
            if (QString why; !writePng(file.device(), box.Image(), &why) && !file.failed())
                return fail(Me, QStringLiteral("%1: %2").arg(out, why));
            if (!file.commit())
                return fail(Me, file.errorString());
            return 0;
        }
        if (hasOut && QFileInfo(out).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
            return fail(
                Me, QCoreApplication::translate("kyt::cli", "%1: the output must end in .pdf or .png").arg(out), 2);
        auto printer = hasOut ? PrinterSurface::toPdf(out, card, dpi) : PrinterSurface::toQueue(queue, card, dpi);
        printer->setDocumentName(QCoreApplication::translate("kyt::cli", "calibration card"));
        configureJob(*printer, job);
        drawCard(*printer, card, c.xOffset, c.yOffset);
        printer->EndDoc();
        if (hasQueue)
            return reportJob(
                Me, *printer, job, QCoreApplication::translate("kyt::cli", "calibration card sent to %1").arg(queue));
    } catch (const KytError& e) {
        return fail(Me,
            hasQueue ? QCoreApplication::translate("kyt::cli", "printer %1: %2").arg(queue, e.description())
                     : e.description());
    }
    return 0;
}

const Command::Registration reg({ QStringLiteral("calibration-card"), run });

} // namespace
} // namespace kyt::cli
