#include "errors/MessageBox.h"

#include "util/TerminalText.h"

#include <QCoreApplication>
#include <cstdio>
#include <mutex>

namespace kyt
{

std::vector<int> messageButtons(int style)
{
    switch (style & 7) {
    case vbOKCancel:
        return { vbOK, vbCancel };
    case vbAbortRetryIgnore:
        return { vbAbort, vbRetry, vbIgnore };
    case vbYesNoCancel:
        return { vbYes, vbNo, vbCancel };
    case vbYesNo:
        return { vbYes, vbNo };
    case vbRetryCancel:
        return { vbRetry, vbCancel };
    default:
        return { vbOK };
    }
}

int messageDefaultAnswer(int style)
{
    const auto buttons = messageButtons(style);
    const size_t which = static_cast<size_t>((style & 0x300) >> 8);
    return buttons[which < buttons.size() ? which : 0];
}

int messageIcon(int style)
{
    return style & 0x70;
}

IMessageBox::~IMessageBox() = default;

int ConsoleMessageBox::Show(const MessageRequest& request)
{
    if (!request.summary.isEmpty()) {
        const QString program = QCoreApplication::applicationName();
        std::fprintf(stderr, "%s%s%s\n", qPrintable(program), program.isEmpty() ? "" : ": ",
            escapeControls(request.summary).toUtf8().constData());
        std::fflush(stderr);
        return messageDefaultAnswer(request.style);
    }
    const QString title = request.title.isEmpty() ? QCoreApplication::applicationName() : request.title;
    QString text = request.prompt;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    std::fprintf(stderr, "%s%s%s\n", escapeControls(title).toUtf8().constData(), title.isEmpty() ? "" : ": ",
        escapeControls(text).toUtf8().constData());
    std::fflush(stderr);
    return messageDefaultAnswer(request.style);
}

int ScriptedMessageBox::Show(const MessageRequest& request)
{
    m_asked.push_back(request);
    if (m_answers.empty())
        return messageDefaultAnswer(request.style);
    const int a = m_answers.front();
    m_answers.pop_front();
    return a;
}

namespace
{
std::mutex g_boxMutex;
std::shared_ptr<IMessageBox>& current()
{
    static std::shared_ptr<IMessageBox> box = std::make_shared<ConsoleMessageBox>();
    return box;
}
} // namespace

IMessageBox& messageBox()
{
    std::lock_guard lock(g_boxMutex);
    return *current();
}

std::shared_ptr<IMessageBox> setMessageBox(std::shared_ptr<IMessageBox> box)
{
    std::lock_guard lock(g_boxMutex);
    auto previous = current();
    current() = box ? std::move(box) : std::make_shared<ConsoleMessageBox>();
    return previous;
}

bool messageBoxIsConsoleDefault()
{
    std::lock_guard lock(g_boxMutex);
    return dynamic_cast<ConsoleMessageBox*>(current().get()) != nullptr;
}

int MsgBox(const QString& prompt, int style, const QString& title, const QString& helpFile, int helpContext)
{
    std::shared_ptr<IMessageBox> box;
    {
        std::lock_guard lock(g_boxMutex);
        box = current();
    }
    return box->Show(MessageRequest { prompt, style, title, helpFile, helpContext, QString() });
}

int MsgBox(const MessageRequest& request)
{
    std::shared_ptr<IMessageBox> box;
    {
        std::lock_guard lock(g_boxMutex);
        box = current();
    }
    return box->Show(request);
}

} // namespace kyt
