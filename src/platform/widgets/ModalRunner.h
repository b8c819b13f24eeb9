#pragma once
// Runs the library's own modal dialogs (template properties, field chooser,
// about box, ...). A test replaces the runner to answer a dialog without a
// nested event loop: it fills the dialog's controls and presses its buttons.

#include "kyt/kytwidgets_export.h"
#include <functional>

class QDialog;

namespace kyt
{

using ModalRunner = std::function<void(QDialog& dialog)>;

// Shows the dialog modally with the installed runner (QDialog::exec by default).
KYTWIDGETS_PRIVATE_EXPORT void execModal(QDialog& dialog);
// Installs a runner and returns the previous one; an empty one restores exec.
KYTWIDGETS_PRIVATE_EXPORT ModalRunner setModalRunner(ModalRunner runner);

} // namespace kyt
