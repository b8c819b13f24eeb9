#pragma once
// Message boxes as Qt dialogs, for hosts with a window system. Style numbers
// map to buttons, icon and default button as the classic message box has
// them; a help file adds a Help button that opens it without closing the box.

#include "errors/MessageBox.h"
#include "kyt/kytwidgets_export.h"
#include <QMessageBox>
#include <vector>

namespace kyt
{

class KYTWIDGETS_EXPORT QtMessageBox : public IMessageBox
{
public:
    int Show(const MessageRequest& request) override;

    // Sets up a box for a request (title, text, icon, buttons, default,
    // Help when a help file is given). The buttons' answers are in
    // `answers`, in the order the buttons were added.
    static void configure(QMessageBox& box, const MessageRequest& request);
    // The answer (1..7) of a standard button; 0 for one that is none.
    static int answerOf(QMessageBox::StandardButton button);
    static QMessageBox::StandardButton buttonOf(int answer);
    static QMessageBox::Icon iconOf(int style);
};

} // namespace kyt
