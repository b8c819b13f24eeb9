#pragma once
// Message boxes behind an interface: a Qt dialog in GUI hosts (installed by
// the widgets library), standard error in headless programs, and a scripted
// implementation for tests. Styles and answers use the classic numbers:
// buttons in the low bits (0 OK, 1 OK/Cancel, 2 Abort/Retry/Ignore,
// 3 Yes/No/Cancel, 4 Yes/No, 5 Retry/Cancel), icon 16/32/48/64, default
// button 0/256/512; answers 1 OK, 2 Cancel, 3 Abort, 4 Retry, 5 Ignore,
// 6 Yes, 7 No.

#include "kyt/kytcore_export.h"
#include <QString>
#include <QStringList>
#include <deque>
#include <memory>
#include <vector>

namespace kyt
{

enum MsgBoxAnswer { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };
enum MsgBoxStyle {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

struct MessageRequest {
    QString prompt;
    int style = 0;
    QString title;
    QString helpFile;
    int helpContext = 0;
    // The report in one line, for a terminal (set by the error reporter):
    // the console message box prints it instead of the whole prompt.
    QString summary;
};

// The buttons a style shows, in order, as answers.
KYTCORE_EXPORT std::vector<int> messageButtons(int style);
// The answer of the default button of a style.
KYTCORE_EXPORT int messageDefaultAnswer(int style);
// 0 none, 16 critical, 32 question, 48 exclamation, 64 information.
KYTCORE_EXPORT int messageIcon(int style);

class KYTCORE_EXPORT IMessageBox
{
public:
    virtual ~IMessageBox();
    virtual int Show(const MessageRequest& request) = 0;
};

// Writes the message to standard error (an error report as its one-line
// summary, control characters escaped) and takes the default answer.
class KYTCORE_EXPORT ConsoleMessageBox : public IMessageBox
{
public:
    int Show(const MessageRequest& request) override;
};

// Answers from a queue (the default answer when it is empty) and records
// every request.
class KYTCORE_EXPORT ScriptedMessageBox : public IMessageBox
{
public:
    int Show(const MessageRequest& request) override;
    void queueAnswer(int answer) { m_answers.push_back(answer); }
    const std::vector<MessageRequest>& asked() const { return m_asked; }
    void clear()
    {
        m_asked.clear();
        m_answers.clear();
    }

private:
    std::deque<int> m_answers;
    std::vector<MessageRequest> m_asked;
};

// The process-wide message box; ConsoleMessageBox until one is installed.
KYTCORE_EXPORT IMessageBox& messageBox();
// Installs a message box and returns the previous one (nullptr restores the console one).
KYTCORE_EXPORT std::shared_ptr<IMessageBox> setMessageBox(std::shared_ptr<IMessageBox> box);

// True while the console message box (the start-up default) is the one
// installed; a GUI host installs its own only then, never over a test's.
KYTCORE_EXPORT bool messageBoxIsConsoleDefault();

// Shows a message through the installed message box; returns the answer.
KYTCORE_EXPORT int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString(),
    const QString& helpFile = QString(), int helpContext = 0);
// The same with a one-line summary for terminals.
KYTCORE_EXPORT int MsgBox(const MessageRequest& request);

} // namespace kyt
