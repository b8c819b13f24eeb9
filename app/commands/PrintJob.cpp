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
    // print's table still names the old -o NAME=VALUE (without a long name).
    if (int rc = oldJobOptions(command, args.values(QStringLiteral("o")), s))
        return rc;
    s.wait = args.has(QStringLiteral("wait"));
    return 0;
}

int oldJobOptions(const QString& command, const QStringList& values, PrintJobSettings& s)
{
    if (!values.isEmpty())
        printErr(QCoreApplication::translate(
            "kyt::cli", "kytpreview %1: note: -o NAME=VALUE is now spelled --option NAME=VALUE")
                     .arg(command));
    for (const QString& value : values)
        if (!addJobOption(value, s))
            return fail(
                command, QCoreApplication::translate("kyt::cli", "-o needs NAME=VALUE, not \"%1\"").arg(value), 2);
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

} // namespace kyt::cli
