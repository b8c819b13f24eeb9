#include "PrintJob.h"
#include <QCoreApplication>

#include "Command.h"
#include "errors/CError.h"
#include "platform/surface/PrinterSurface.h"
#include "settings/PrinterCalibration.h"
#include "template/CPrintTemplate.h"

namespace kyt::cli
{

namespace
{
int setOffset(const QString& command, const QString& value, PrintJobSettings& s)
{
    QString error;
    s.offset = PrinterCalibration::parseOffset(value, &error);
    if (!s.offset)
        return fail(command, QCoreApplication::translate("kyt::cli", "--offset: %1").arg(error), 2);
    return 0;
}

// NAME=VALUE; false when there is no name.
bool addJobOption(const QString& text, PrintJobSettings& s)
{
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    s.options.append({ text.left(eq).trimmed(), text.mid(eq + 1) });
    return true;
}
} // namespace

int printJobOptions(const QString& command, const ParsedArgs& args, PrintJobSettings& s)
{
    if (args.has(QStringLiteral("offset")))
        if (int rc = setOffset(command, args.value(QStringLiteral("offset")), s))
            return rc;
    s.tray = args.value(QStringLiteral("tray"));
    for (const QString& value : args.values(QStringLiteral("option")))
        if (!addJobOption(value, s))
            return fail(command,
                QCoreApplication::translate("kyt::cli", "--option needs NAME=VALUE, not \"%1\"").arg(value), 2);
    s.wait = args.has(QStringLiteral("wait"));
    return 0;
}

int takePrintJobOptions(const QString& command, QStringList& args, PrintJobSettings& s, bool dashO)
{
    QString value;
    if (takeOption(args, QStringLiteral("--offset"), &value))
        if (int rc = setOffset(command, value, s))
            return rc;
    takeOption(args, QStringLiteral("--tray"), &s.tray);
    while (takeOption(args, QStringLiteral("--option"), &value))
        if (!addJobOption(value, s))
            return fail(command,
                QCoreApplication::translate("kyt::cli", "--option needs NAME=VALUE, not \"%1\"").arg(value), 2);
    // -o is the output everywhere else; the old spelling of --option still works.
    for (bool told = false; dashO && takeOption(args, QStringLiteral("-o"), &value); told = true) {
        if (!told)
            printErr(QCoreApplication::translate(
                "kyt::cli", "kytpreview %1: note: -o NAME=VALUE is now spelled --option NAME=VALUE")
                         .arg(command));
        if (!addJobOption(value, s))
            return fail(
                command, QCoreApplication::translate("kyt::cli", "-o needs NAME=VALUE, not \"%1\"").arg(value), 2);
    }
    s.wait = takeFlag(args, QStringLiteral("--wait"));
    return 0;
}

void applyCalibration(CPrintTemplate& t, const QString& queue, const PrintJobSettings& s)
{
    PrinterCalibration c;
    if (!queue.isEmpty())
        if (const auto stored = PrinterCalibration::load(queue))
            c = *stored;
    if (s.offset) {
        c.xOffset = s.offset->first;
        c.yOffset = s.offset->second;
    }
    c.applyTo(t);
}

void configureJob(PrinterSurface& printer, const PrintJobSettings& s)
{
    printer.setMediaSource(s.tray);
    for (const auto& o : s.options)
        printer.addJobOption(o.first, o.second);
}

int reportJob(const QString& command, const PrinterSurface& printer, const PrintJobSettings& s, const QString& what)
{
    const QString job = QStringLiteral("%1-%2").arg(printer.destination()).arg(printer.jobId());
    printOut(QCoreApplication::translate("kyt::cli", "job %1: %2").arg(job, what));
    if (!s.wait)
        return 0;
    QString reason;
    if (PrinterSurface::waitForJob(printer.destination(), printer.jobId(), &reason)
        != PrinterSurface::JobEnd::Completed)
        return fail(
            command, QCoreApplication::translate("kyt::cli", "printer %1: %2").arg(printer.destination(), reason));
    printOut(QCoreApplication::translate("kyt::cli", "job %1 completed").arg(job));
    return 0;
}

QString printJobOptionsHelp(bool dashO)
{
    return QStringLiteral("  --offset X,Y     move the card by X,Y inches (or 0.5mm,-0.3mm) for this job,\n"
                          "                   instead of the queue's stored calibration offsets\n"
                          "  --tray NAME      the input tray (IPP media-source, e.g. tray-1)\n"
                          "  --option NAME=VALUE%1\n"
                          "                   any further job attribute or CUPS option, as lp -o takes it\n"
                          "                   (repeatable; it wins over the card's own settings)\n"
                          "  --wait           wait until the job has printed; a cancelled, aborted or\n"
                          "                   held job or a stopped printer is an error (exit 1)\n")
        .arg(dashO ? QStringLiteral(", -o NAME=VALUE") : QString());
}

} // namespace kyt::cli
