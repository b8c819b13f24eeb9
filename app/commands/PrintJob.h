#pragma once
// What print, batch and calibration-card share when they print: the job
// options of the command line, the queue's calibration, and the report of
// the submitted job.

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <optional>

namespace kyt
{
class CPrintTemplate;
class PrinterSurface;
}

namespace kyt::cli
{
class ParsedArgs;

struct PrintJobSettings {
    std::optional<QPair<double, double>> offset; // --offset, inches
    QString tray; // --tray
    QList<QPair<QString, QString>> options; // --option / -o NAME=VALUE
    bool wait = false; // --wait
};

// --offset X,Y, --tray NAME, --option NAME=VALUE (and the old -o
// NAME=VALUE where the command's table has it) and --wait from a command
// line parsed with the command's table. 0, or the exit code of a usage error
// (already reported).
int printJobOptions(const QString& command, const ParsedArgs& args, PrintJobSettings& s);
// The old spelling -o NAME=VALUE of --option: each value becomes a job
// option, after a one-line notice. 0, or the exit code of a usage error.
int oldJobOptions(const QString& command, const QStringList& values, PrintJobSettings& s);
// Moves the template by the calibration of the queue (none for a file) or,
// with --offset, by that offset instead of the stored one (the stored scale
// stays). Throws KytError when the stored calibration is damaged.
void applyCalibration(CPrintTemplate& t, const QString& queue, const PrintJobSettings& s);
// Tray and options onto the surface.
void configureJob(PrinterSurface& printer, const PrintJobSettings& s);
// After EndDoc on a queue: "job QUEUE-ID: what" on standard output, then,
// with --wait, waits for the job's end. The exit code (1 when it did not
// complete).
int reportJob(const QString& command, const PrinterSurface& printer, const PrintJobSettings& s, const QString& what);

} // namespace kyt::cli
