#include "platform/CommonDialog.h"

namespace kyt
{

ICommonDialog::~ICommonDialog() = default;

namespace
{

template <typename T> std::optional<T> answerAs(std::optional<CommonDialogAnswer> answer)
{
    if (!answer)
        return std::nullopt;
    if (const T* value = std::get_if<T>(&*answer))
        return *value;
    return std::nullopt; // an answer of the wrong kind counts as a cancel
}

std::shared_ptr<ICommonDialog>& installed()
{
    static std::shared_ptr<ICommonDialog> dialog = std::make_shared<NullCommonDialog>();
    return dialog;
}

bool& installedIsNull()
{
    static bool isNull = true;
    return isNull;
}

} // namespace

namespace
{

CommonDialogRequest fileRequest(CommonDialogKind kind, const QString& title, const QString& filter,
    const QString& fileName, int flags, int filterIndex)
{
    CommonDialogRequest r;
    r.kind = kind;
    r.title = title;
    r.filter = filter;
    r.fileName = fileName;
    r.flags = flags;
    r.filterIndex = filterIndex;
    return r;
}

} // namespace

std::optional<QString> ICommonDialog::ShowOpen(
    const QString& title, const QString& filter, const QString& fileName, int flags, int filterIndex)
{
    return answerAs<QString>(Show(fileRequest(CommonDialogKind::Open, title, filter, fileName, flags, filterIndex)));
}

std::optional<QString> ICommonDialog::ShowSave(
    const QString& title, const QString& filter, const QString& fileName, int flags, int filterIndex)
{
    return answerAs<QString>(Show(fileRequest(CommonDialogKind::Save, title, filter, fileName, flags, filterIndex)));
}

std::optional<QColor> ICommonDialog::ShowColor(const QColor& initial)
{
    CommonDialogRequest r;
    r.kind = CommonDialogKind::Color;
    r.color = initial;
    return answerAs<QColor>(Show(r));
}

std::optional<QFont> ICommonDialog::ShowFont(const QFont& initial, bool effects)
{
    CommonDialogRequest r;
    r.kind = CommonDialogKind::Font;
    r.font = initial;
    r.fontEffects = effects;
    return answerAs<QFont>(Show(r));
}

std::optional<PrinterChoice> ICommonDialog::ShowPrinter(const QString& printerName, int orientation)
{
    CommonDialogRequest r;
    r.kind = CommonDialogKind::PrinterSetup;
    r.printerName = printerName;
    r.orientation = orientation;
    return answerAs<PrinterChoice>(Show(r));
}

bool ICommonDialog::ShowHelp(const QString& helpFile, int command, const QString& key)
{
    CommonDialogRequest r;
    r.kind = CommonDialogKind::Help;
    r.helpFile = helpFile;
    r.helpCommand = command;
    r.helpKey = key;
    return answerAs<bool>(Show(r)).value_or(false);
}

std::optional<CommonDialogAnswer> ScriptedCommonDialog::Show(const CommonDialogRequest& request)
{
    m_asked.push_back(request);
    if (m_answers.empty())
        return std::nullopt;
    auto answer = std::move(m_answers.front());
    m_answers.pop_front();
    return answer;
}

ICommonDialog& commonDialog()
{
    return *installed();
}

std::shared_ptr<ICommonDialog> setCommonDialog(std::shared_ptr<ICommonDialog> dialog)
{
    auto previous = installed();
    installedIsNull() = !dialog;
    installed() = dialog ? std::move(dialog) : std::make_shared<NullCommonDialog>();
    return previous;
}

bool commonDialogIsNullDefault()
{
    return installedIsNull();
}

} // namespace kyt
