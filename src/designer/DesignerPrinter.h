#pragma once
// The printer the designer prints on (the one chosen in the printer set-up
// dialog, else the system's default CUPS queue), its calibration, and
// printing one card on it as a job of its own.

#include "errors/CError.h"
#include "kyt/kytwidgets_export.h"
#include "settings/PrinterCalibration.h"
#include <QString>
#include <memory>
#include <optional>

namespace kyt
{

class CPrintData;
class CPrintTemplate;
class ICommonDialog;

class KYTWIDGETS_PRIVATE_EXPORT DesignerPrinter
{
public:
    // The chosen queue, else the system's default one (empty when there is
    // none).
    static QString queue();
    // Chooses a queue for this session; empty goes back to the default.
    static void setQueue(const QString& queue);
    // 1 portrait, 2 landscape: handed to the printer dialog and to the job.
    static int orientation();
    static void setOrientation(int orientation);

    // The printer dialog, preset with the current queue and orientation; on
    // OK the chosen queue and orientation become current. False when the
    // person cancelled (nothing changes then).
    static bool SelectPrinter(ICommonDialog& dialog);

    // The queue's stored calibration; nullopt when it has none (or one
    // that changes nothing), or when it is damaged: then *problem says how.
    static std::optional<PrinterCalibration> calibration(const QString& queue, QString* problem = nullptr);
    // "0.05\" right, 0.02\" down" (and the scale when it is not 1).
    static QString calibrationText(const PrinterCalibration& calibration);
    // Whether the queue is stopped (it holds jobs until started again).
    static bool queueStopped(const QString& queue, QString* reason = nullptr);

    enum class Outcome { Printed, NotPrinted, Failed };
    struct Result {
        Outcome outcome = Outcome::NotPrinted;
        QString queue;
        QString message; // what the person was told
    };
    // Prints the card on the current queue as one job: drawn first on a
    // trace so that a card that cannot be drawn (a failing object, a font
    // that is not installed) reaches no printer, then on the queue at the
    // page's top-left corner shifted by the queue's calibration. Tells the
    // person the result in a message; unexpected failures go to `error`
    // under `source`.
    static Result printCard(CPrintTemplate& card, const std::shared_ptr<CPrintData>& data, const CErrorPtr& error,
        const QString& source, const QString& messageTitle);
};

} // namespace kyt
