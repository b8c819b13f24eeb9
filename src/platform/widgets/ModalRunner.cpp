#include "platform/widgets/ModalRunner.h"

#include <QDialog>

namespace kyt
{

namespace
{
ModalRunner& current()
{
    static ModalRunner runner;
    return runner;
}
} // namespace

void execModal(QDialog& dialog)
{
    if (current())
        current()(dialog);
    else
        dialog.exec();
}

ModalRunner setModalRunner(ModalRunner runner)
{
    ModalRunner previous = std::move(current());
    current() = std::move(runner);
    return previous;
}

} // namespace kyt
