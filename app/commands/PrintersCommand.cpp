// kytpreview printers: the CUPS queues and their calibration.
#include "Command.h"
#include "errors/CError.h"
#include "platform/surface/PrinterSurface.h"
#include "settings/PrinterCalibration.h"
#include <QCoreApplication>

namespace kyt::cli
{
namespace
{

const QString Me = QStringLiteral("printers");

QString describe(const PrinterCalibration& c)
{
    return QCoreApplication::translate("kyt::cli", "offset %1,%2 in (%3,%4 mm), scale %5")
        .arg(c.xOffset, 0, 'g', 6)
        .arg(c.yOffset, 0, 'g', 6)
        .arg(c.xOffset * 25.4, 0, 'f', 2)
        .arg(c.yOffset * 25.4, 0, 'f', 2)
        .arg(c.scale, 0, 'g', 6);
}

// The stored calibration as text; the error of a damaged one.
QString shown(const QString& queue)
{
    try {
        const auto c = PrinterCalibration::load(queue);
        return c ? describe(*c) : QCoreApplication::translate("kyt::cli", "not calibrated");
    } catch (const KytError& e) {
        return e.description();
    }
}

int list(const QStringList& args)
{
    if (int rc
        = checkArguments(Me, args, args.isEmpty(), QCoreApplication::translate("kyt::cli", "no arguments after list")))
        return rc;
    const QStringList queues = PrinterSurface::queueNames();
    const QString def = PrinterSurface::defaultQueue();
    for (const QString& q : queues)
        printOut(QStringLiteral("%1%2: %3")
                     .arg(q, q == def ? QCoreApplication::translate("kyt::cli", " (default)") : QString(), shown(q)));
    // Calibrations of queues CUPS no longer has.
    for (const QString& q : PrinterCalibration::queues())
        if (!queues.contains(q, Qt::CaseInsensitive))
            printOut(QCoreApplication::translate("kyt::cli", "%1 (not a CUPS queue): %2").arg(q, shown(q)));
    if (queues.isEmpty()) {
        if (const QString why = PrinterSurface::schedulerProblem(); !why.isEmpty())
            return fail(Me, why);
        printErr(QCoreApplication::translate("kyt::cli", "kytpreview printers: CUPS has no queues"));
    }
    return 0;
}

int show(const QStringList& args)
{
    if (int rc = checkArguments(Me, args, args.size() == 1, QCoreApplication::translate("kyt::cli", "show QUEUE")))
        return rc;
    try {
        const auto c = PrinterCalibration::load(args[0]);
        printOut(QStringLiteral("%1: %2").arg(
            args[0], c ? describe(*c) : QCoreApplication::translate("kyt::cli", "not calibrated")));
    } catch (const KytError& e) {
        return fail(Me, e.description());
    }
    return 0;
}

int calibrate(const ParsedArgs& a, const QStringList& args)
{
    const QString offsetText = a.value(QStringLiteral("offset"));
    const QString scaleText = a.value(QStringLiteral("scale"));
    const bool hasOffset = a.has(QStringLiteral("offset"));
    const bool hasScale = a.has(QStringLiteral("scale"));
    const bool reset = a.has(QStringLiteral("reset"));
    if (int rc = checkArguments(Me, args, args.size() == 1,
            QCoreApplication::translate("kyt::cli", "calibrate QUEUE --offset X,Y [--scale S]")))
        return rc;
    const QString queue = args[0];
    QString error;
    if (reset) {
        if (hasOffset || hasScale)
            return fail(Me, QCoreApplication::translate("kyt::cli", "--reset takes no --offset or --scale"), 2);
        try {
            PrinterCalibration::remove(queue);
        } catch (const KytError& e) {
            return fail(Me, QStringLiteral("%1: %2").arg(queue, e.description()));
        }
        printOut(QCoreApplication::translate("kyt::cli", "%1: not calibrated").arg(queue));
        return 0;
    }
    if (!hasOffset && !hasScale)
        return fail(Me, QCoreApplication::translate("kyt::cli", "give --offset X,Y, --scale S or --reset"), 2);
    if (!PrinterSurface::queueNames().contains(queue)) {
        if (const QString why = PrinterSurface::schedulerProblem(); !why.isEmpty())
            return fail(Me, why);
        return fail(Me,
            QCoreApplication::translate(
                "kyt::cli", "there is no CUPS queue named \"%1\" (kytpreview printers list shows them)")
                .arg(queue));
    }
    // Read, changed and written as one: a concurrent calibrate of the same
    // queue waits, and neither leaves the other's values half replaced.
    const auto store = reg::RegistryStore::current();
    reg::RegistryStore::Transaction transaction(*store);
    PrinterCalibration c;
    try {
        if (const auto stored = PrinterCalibration::load(queue, store.get()))
            c = *stored;
    } catch (const KytError&) {
        // A damaged calibration is replaced by the new one.
    }
    if (hasOffset) {
        const auto offset = PrinterCalibration::parseOffset(offsetText, &error);
        if (!offset)
            return fail(Me, QCoreApplication::translate("kyt::cli", "--offset: %1").arg(error), 2);
        c.xOffset = offset->first;
        c.yOffset = offset->second;
    }
    if (hasScale) {
        bool ok = false;
        c.scale = scaleText.toDouble(&ok);
        if (!ok || !c.problem().isEmpty())
            return fail(Me,
                QCoreApplication::translate("kyt::cli", "--scale must be a number from %1 to %2")
                    .arg(PrinterCalibration::MinScale)
                    .arg(PrinterCalibration::MaxScale),
                2);
    }
    try {
        c.save(queue, store.get());
    } catch (const KytError& e) {
        return fail(Me, QStringLiteral("%1: %2").arg(queue, e.description()));
    }
    if (transaction.commit() != reg::ERROR_SUCCESS)
        return fail(Me,
            QCoreApplication::translate("kyt::cli", "%1: the settings store %2 could not be written: %3")
                .arg(queue, store->fileName(), store->lastFailure()));
    printOut(QStringLiteral("%1: %2").arg(queue, describe(c)));
    return 0;
}

int run(const ParsedArgs& a)
{
    QStringList args = a.positional;
    const QString verb = args.isEmpty() ? QString() : args.takeFirst();
    if (verb != QLatin1String("calibrate"))
        for (const QString& option : { QStringLiteral("offset"), QStringLiteral("scale"), QStringLiteral("reset") })
            if (a.has(option))
                return fail(Me,
                    QCoreApplication::translate("kyt::cli", "--%1 goes with calibrate (see kytpreview printers --help)")
                        .arg(option),
                    2);
    if (verb == QLatin1String("list"))
        return list(args);
    if (verb == QLatin1String("show"))
        return show(args);
    if (verb == QLatin1String("calibrate"))
        return calibrate(a, args);
    return fail(Me,
        unknownAction(Me, verb)
            + QCoreApplication::translate(
                "kyt::cli", "expected list, show QUEUE or calibrate QUEUE (see kytpreview printers --help)"),
        2);
}

const Command::Registration reg({ QStringLiteral("printers"), run });

} // namespace
} // namespace kyt::cli
