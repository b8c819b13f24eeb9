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

int run(const QStringList& argsIn)
{
    QStringList args = argsIn;
    QString dataFile, queue, copiesText, title;
    const bool hasData = takeOption(args, QStringLiteral("--data"), &dataFile);
    takeOption(args, QStringLiteral("--printer"), &queue);
    const bool hasCopies = takeOption(args, QStringLiteral("--copies"), &copiesText);
    takeOption(args, QStringLiteral("--title"), &title);
    const bool allowMissing = takeFlag(args, QStringLiteral("--allow-missing-fields"));
    PrintJobSettings job;
    if (int rc = takePrintJobOptions(Me, args, job, true))
        return rc;
    if (int rc
        = checkArguments(Me, args, args.size() == 1, QCoreApplication::translate("kyt::cli", "one template file")))
        return rc;
    int copies = 1;
    if (hasCopies) {
        bool ok = false;
        copies = copiesText.toInt(&ok);
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
        if (int rc = readDataFile(Me, dataFile, *t, *data, allowMissing))
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

const Command::Registration reg({ QStringLiteral("print"),
    QStringLiteral("TEMPLATE [--data FILE] [--printer NAME] [--copies N] [--title TEXT] [--allow-missing-fields] "
                   "[--offset X,Y] [--tray NAME] [-o NAME=VALUE] [--wait]"),
    QStringLiteral("Prints one card of the template file TEMPLATE as one job on a CUPS queue:\n"
                   "one page per card side (front, then back), sent as PDF with the card's\n"
                   "settings as job attributes: sides (a two-sided card prints on both sides\n"
                   "of one card), print-quality, orientation-requested, copies and media (the\n"
                   "card's size). The queue's calibration (kytpreview printers) moves the card.\n"
                   "Prints \"job QUEUE-ID: ...\" with the CUPS job id.\n\n"
                   "  --data FILE      the field values as a data stream file (see render --help)\n"
                   "  --printer NAME   the CUPS queue; default: CUPS's default destination\n"
                   "  --copies N       N copies of the card (the job's copies, 1..1000)\n"
                   "  --title TEXT     the job's title (default: the template's file name)\n"
                   "  --allow-missing-fields  print even when the data lacks fields the\n"
                   "                   template uses (else they are listed and nothing prints)\n")
        + printJobOptionsHelp(true)
        + QStringLiteral("\n"
                         "The card is drawn once off the printer first; a card that cannot be drawn\n"
                         "is not printed at all.\n\n"
                         "Exit status 0 when the job was handed to CUPS (with --wait: when it has\n"
                         "printed), 1 when it was not (the reason goes to standard error), 2 for\n"
                         "wrong arguments."),
    run });
} // namespace
} // namespace kyt::cli
