#pragma once
// Per-queue printer calibration: how far a printer's drawing lands from
// where it was meant to be, and how much it stretches. Kept in the settings
// store under `HKEY_CURRENT_USER\<application>\Printers\<queue>` as text
// values XOffset and YOffset (inches, positive moves the card right and
// down) and Scale (1 = true size), and applied to every card printed on
// that queue by adding the offsets to the template's own and scaling it.

#include "kyt/kytcore_export.h"
#include "platform/RegistryStore.h"
#include <QList>
#include <QString>
#include <optional>

namespace kyt
{

class CPrintTemplate;

struct KYTCORE_EXPORT PrinterCalibration {
    double xOffset = 0; // inches
    double yOffset = 0;
    double scale = 1;

    static constexpr double MaxOffset = 2.0; // inches either way
    static constexpr double MinScale = 0.5, MaxScale = 2.0;

    bool isIdentity() const { return xOffset == 0 && yOffset == 0 && scale == 1; }
    // Empty when the values are usable, else what is wrong with them.
    QString problem() const;

    // The stored calibration of a queue; nullopt when none is stored.
    // Throws KytError when the stored values are damaged.
    static std::optional<PrinterCalibration> load(const QString& queue, reg::RegistryStore* store = nullptr);
    // Stores it. Throws KytError with the reason when it cannot.
    void save(const QString& queue, reg::RegistryStore* store = nullptr) const;
    // Forgets a queue's calibration. Throws KytError with the reason when it
    // cannot; a queue without one is not a failure.
    static void remove(const QString& queue, reg::RegistryStore* store = nullptr);
    // Queues with a stored calibration.
    static QList<QString> queues(reg::RegistryStore* store = nullptr);

    // Moves and scales a template for printing: the offsets add to its
    // XOffset and YOffset, the scale multiplies its Scalor.
    void applyTo(CPrintTemplate& t) const;

    // "X,Y" in inches, or with a unit on each number: "1.5mm,-0.5mm",
    // "0.02in,0". nullopt with the reason in *error.
    static std::optional<QPair<double, double>> parseOffset(const QString& text, QString* error);
};

} // namespace kyt
