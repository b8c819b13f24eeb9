// kytpreview print: one card (or copies of it) as one job on a CUPS queue.
#include "Command.h"
#include "PrintJob.h"
#include "jobs/CardJob.h"
#include "jobs/CardJobSurface.h"
#include "platform/surface/PrinterSurface.h"
#include "platform/surface/TraceSurface.h"
#include "util/Strings.h"
#include <QCoreApplication>
#include <QFileInfo>
#include <memory>

namespace kyt::cli
{
namespace
{

const QString Me = QStringLiteral("print");
constexpr int MaxCopies = 1000;

int run(const ParsedArgs& a)
{
    const QStringList& args = a.positional;
    const QString dataFile = a.value(QStringLiteral("data"));
    QString queue = a.value(QStringLiteral("printer"));
    const QString title = a.value(QStringLiteral("title"));
    const bool hasData = a.has(QStringLiteral("data"));
    const bool allowMissing = a.has(QStringLiteral("allow-missing-fields"));
    PrintJobSettings job;
    if (int rc = printJobOptions(Me, a, job))
        return rc;
    if (int rc
        = checkArguments(Me, args, args.size() == 1, QCoreApplication::translate("kyt::cli", "one template file")))
        return rc;
    int copies = 1;
    if (a.has(QStringLiteral("copies"))) {
        bool ok = false;
        copies = a.value(QStringLiteral("copies")).toInt(&ok);
        if (!ok || copies < 1 || copies > MaxCopies)
            return fail(Me,
                QCoreApplication::translate("kyt::cli", "--copies must be a whole number from 1 to %1").arg(MaxCopies),
                2);
    }

    cardjob::QuietError reporter;
    QString error;
    const CPrintTemplatePtr t = cardjob::loadTemplate(args[0], reporter, &error);
    if (!t)
        return fail(Me, error);
    t->setScalor(1);
    std::shared_ptr<CPrintData> data;
    if (hasData) {
        data = std::make_shared<CPrintData>();
        // The job holds a JPEG photo as its file is, undecoded.
        if (int rc = readDataFile(Me, dataFile, *t, *data, allowMissing, true))
            return rc;
    }

    if (queue.isEmpty()) {
        queue = PrinterSurface::defaultQueue();
        if (queue.isEmpty())
            if (const QString why = PrinterSurface::schedulerProblem(); !why.isEmpty())
                return fail(Me, why);
        if (queue.isEmpty())
            return fail(Me,
                QCoreApplication::translate("kyt::cli",
                    "no --printer given and CUPS has no default destination "
                    "(lpstat -d shows it; lpoptions -d NAME sets one)"));
    }

    try {
        applyCalibration(*t, queue, job);
    } catch (const KytError& e) {
        return fail(Me, e.description());
    }

    // A card that cannot be drawn must not reach the printer half-drawn:
    // draw it once on a trace first, which fails where the printer would.
    {
        TraceSurface rehearsal(QStringLiteral("Printer"), cardjob::cardSizeInches(*t), 300);
        reporter.reset();
        if (!t->Render(rehearsal, data, 0, 0) || reporter.reports() > 0)
            return fail(Me,
                QCoreApplication::translate("kyt::cli", "the card could not be drawn: %1 (nothing printed)")
                    .arg(reporter.reports() > 0 ? reporter.lastDescription()
                                                : QCoreApplication::translate("kyt::cli", "a design object failed")));
    }

    std::unique_ptr<PrinterSurface> printer;
    try {
        printer = PrinterSurface::toQueue(queue, cardjob::cardSizeInches(*t));
        printer->setDocumentName(title.isEmpty() ? QFileInfo(args[0]).completeBaseName() : title);
        printer->setCopies(copies);
        printer->setJpegPassThrough(true);
        configureJob(*printer, job);
        CardJobSurface guard(*printer);
        reporter.reset();
        if (!t->Render(guard, data, 0, 0) || reporter.reports() > 0) {
            printer->abandon();
            return fail(Me,
                QCoreApplication::translate("kyt::cli", "the card could not be drawn: %1 (nothing printed)")
                    .arg(reporter.lastDescription()));
        }
        printer->EndDoc();
    } catch (const KytError& e) {
        return fail(Me, QCoreApplication::translate("kyt::cli", "printer %1: %2").arg(queue, e.description()));
    } catch (const std::exception& e) {
        return fail(
            Me, QCoreApplication::translate("kyt::cli", "printer %1: %2").arg(queue, QString::fromLocal8Bit(e.what())));
    }
    return reportJob(
        Me, *printer, job, Counted(copies, "card") + QCoreApplication::translate("kyt::cli", " sent to ") + queue);
}

const Command::Registration reg({ Me, run });
} // namespace
} // namespace kyt::cli
