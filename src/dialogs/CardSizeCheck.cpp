#include "dialogs/CardSizeCheck.h"

#include "dialogs/LengthBox.h"
#include "errors/MessageBox.h"
#include <QCoreApplication>
#include <QLineEdit>
#include <QWidget>

namespace kyt
{

bool cardSideValid(double inches)
{
    return inches > 0 && inches <= MaxCardInches;
}

bool cardSizesValid(QWidget* dialog, const LengthBox& width, const LengthBox& height, const QString& whose)
{
    const std::pair<const LengthBox*, const char*> boxes[]
        = { { &width, QT_TRANSLATE_NOOP("kyt::CardSizeCheck", "Width") },
              { &height, QT_TRANSLATE_NOOP("kyt::CardSizeCheck", "Height") } };
    for (const auto& [box, name] : boxes) {
        if (cardSideValid(box->inches()))
            continue;
        const QString side = QCoreApplication::translate("kyt::CardSizeCheck", name);
        const QString message = box->unit() == units::Unit::Inches
            ? QCoreApplication::translate(
                "kyt::CardSizeCheck", "The %1 of %2 must be a number of inches above 0 and at most %3.")
            : QCoreApplication::translate(
                "kyt::CardSizeCheck", "The %1 of %2 must be a number of millimetres above 0 and at most %3.");
        // The largest side in the box's unit: 60 inches, 1524 millimetres.
        MsgBox(message.arg(side, whose).arg(units::fromInches(MaxCardInches, box->unit())), vbExclamation,
            dialog->windowTitle());
        box->edit()->setFocus();
        box->edit()->selectAll();
        return false;
    }
    return true;
}

} // namespace kyt
