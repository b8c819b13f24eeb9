#include "platform/widgets/QtMessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace kyt
{

QMessageBox::Icon QtMessageBox::iconOf(int style)
{
    switch (messageIcon(style)) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbQuestion:
        return QMessageBox::Question;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButton QtMessageBox::buttonOf(int answer)
{
    switch (answer) {
    case vbOK:
        return QMessageBox::Ok;
    case vbCancel:
        return QMessageBox::Cancel;
    case vbAbort:
        return QMessageBox::Abort;
    case vbRetry:
        return QMessageBox::Retry;
    case vbIgnore:
        return QMessageBox::Ignore;
    case vbYes:
        return QMessageBox::Yes;
    case vbNo:
        return QMessageBox::No;
    default:
        return QMessageBox::NoButton;
    }
}

int QtMessageBox::answerOf(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok:
        return vbOK;
    case QMessageBox::Cancel:
        return vbCancel;
    case QMessageBox::Abort:
        return vbAbort;
    case QMessageBox::Retry:
        return vbRetry;
    case QMessageBox::Ignore:
        return vbIgnore;
    case QMessageBox::Yes:
        return vbYes;
    case QMessageBox::No:
        return vbNo;
    default:
        return 0;
    }
}

void QtMessageBox::configure(QMessageBox& box, const MessageRequest& request)
{
    box.setWindowTitle(request.title.isEmpty() ? QApplication::applicationName() : request.title);
    QString text = request.prompt;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(iconOf(request.style));
    QMessageBox::StandardButtons buttons;
    for (int answer : messageButtons(request.style))
        buttons |= buttonOf(answer);
    if (!request.helpFile.isEmpty())
        buttons |= QMessageBox::Help;
    box.setStandardButtons(buttons);
    box.setDefaultButton(buttonOf(messageDefaultAnswer(request.style)));
    // Closing the box by its frame or Escape counts as Cancel when there
    // is one, else as the only button's answer.
    const auto list = messageButtons(request.style);
    const bool hasCancel = std::find(list.begin(), list.end(), int(vbCancel)) != list.end();
    box.setEscapeButton(buttonOf(hasCancel ? int(vbCancel) : (list.size() == 1 ? list.front() : 0)));
}

int QtMessageBox::Show(const MessageRequest& request)
{
    QMessageBox box(QApplication::activeWindow());
    configure(box, request);
    for (;;) {
        box.exec();
        const auto clicked = box.standardButton(box.clickedButton());
        if (clicked == QMessageBox::Help) {
            // The help opens beside the box, which stays until answered.
            QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(request.helpFile).absoluteFilePath()));
            continue;
        }
        const int answer = answerOf(clicked);
        return answer != 0 ? answer : messageDefaultAnswer(request.style);
    }
}

} // namespace kyt
