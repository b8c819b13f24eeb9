#include "dialogs/CardSizeCheck.h"

#include "errors/MessageBox.h"
#include "util/NumberText.h"
#include <QCoreApplication>
#include <QLineEdit>
#include <QWidget>

namespace kyt
{

bool cardSideValid(double inches)
{
    return inches > 0 && inches <= MaxCardInches;
}

bool cardSizesValid(QWidget* dialog, QLineEdit* width, QLineEdit* height, const QString& whose)
{
    const std::pair<QLineEdit*, const char*> boxes[] = { { width, QT_TRANSLATE_NOOP("kyt::CardSizeCheck", "Width") },
        { height, QT_TRANSLATE_NOOP("kyt::CardSizeCheck", "Height") } };
    for (const auto& [box, name] : boxes) {
        if (cardSideValid(leadingNumber(box->text())))
            continue;
        MsgBox(QCoreApplication::translate(
                   "kyt::CardSizeCheck", "The %1 of %2 must be a number of inches above 0 and at most %3.")
                   .arg(QCoreApplication::translate("kyt::CardSizeCheck", name), whose)
                   .arg(MaxCardInches),
            vbExclamation, dialog->windowTitle());
        box->setFocus();
        box->selectAll();
        return false;
    }
    return true;
}

} // namespace kyt
