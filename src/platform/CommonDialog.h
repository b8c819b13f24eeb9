#pragma once
// The common dialogs (open, save, colour, font, printer set-up) and the help
// viewer behind one interface: Qt dialogs for people (widgets library), a
// scripted implementation for tests that answers from a queue and records
// every request. A cancelled dialog returns std::nullopt; callers end the
// command silently.

#include "kyt/kytcore_export.h"
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <deque>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

namespace kyt
{

enum class CommonDialogKind { Open, Save, Color, Font, PrinterSetup, Help };

// Help commands, as the help viewer takes them.
inline constexpr int HelpContents = 3;
inline constexpr int HelpPartialKey = 261;

// One request; only the fields of its kind are used.
struct CommonDialogRequest {
    CommonDialogKind kind = CommonDialogKind::Open;
    QString title;
    QString filter; // "KyT Templates(*.tpl)|*.tpl" (description|pattern pairs)
    int filterIndex = 1;
    int flags = 0; // the classic flag numbers (6148 open, 2054 save, ...)
    QString fileName; // initial file name
    QColor color; // initial colour
    QFont font; // initial font
    bool fontEffects = true; // offer underline and strikethrough
    QString printerName; // initial printer (printer set-up)
    int orientation = 1; // printer set-up: 1 portrait, 2 landscape
    QString helpFile; // help: the page or book to open
    int helpCommand = HelpContents;
    QString helpKey; // help: partial-key search text
};

// The printer a person chose in the printer set-up dialog.
struct PrinterChoice {
    QString printerName;
    int orientation = 1;
    int copies = 1;
};

// The answer of a dialog that was not cancelled.
using CommonDialogAnswer = std::variant<QString /*file name*/, QColor, QFont, PrinterChoice, bool /*help shown*/>;

class KYTCORE_EXPORT ICommonDialog
{
public:
    virtual ~ICommonDialog();
    // Shows the dialog modally; std::nullopt when the person cancelled.
    virtual std::optional<CommonDialogAnswer> Show(const CommonDialogRequest& request) = 0;

    // Typed helpers over Show.
    std::optional<QString> ShowOpen(
        const QString& title, const QString& filter, const QString& fileName = {}, int flags = 0, int filterIndex = 1);
    std::optional<QString> ShowSave(
        const QString& title, const QString& filter, const QString& fileName = {}, int flags = 0, int filterIndex = 1);
    std::optional<QColor> ShowColor(const QColor& initial);
    std::optional<QFont> ShowFont(const QFont& initial, bool effects = true);
    std::optional<PrinterChoice> ShowPrinter(const QString& printerName, int orientation);
    bool ShowHelp(const QString& helpFile, int command, const QString& key = {});
};

// Answers from a queue and records every request. An empty queue, or a
// queued std::nullopt, answers as a cancel.
class KYTCORE_EXPORT ScriptedCommonDialog : public ICommonDialog
{
public:
    std::optional<CommonDialogAnswer> Show(const CommonDialogRequest& request) override;
    void queueAnswer(std::optional<CommonDialogAnswer> answer) { m_answers.push_back(std::move(answer)); }
    void queueCancel() { m_answers.push_back(std::nullopt); }
    const std::vector<CommonDialogRequest>& asked() const { return m_asked; }
    void clear()
    {
        m_asked.clear();
        m_answers.clear();
    }

private:
    std::deque<std::optional<CommonDialogAnswer>> m_answers;
    std::vector<CommonDialogRequest> m_asked;
};

// Cancels every dialog (headless programs have no one to ask).
class KYTCORE_EXPORT NullCommonDialog : public ICommonDialog
{
public:
    std::optional<CommonDialogAnswer> Show(const CommonDialogRequest&) override { return std::nullopt; }
};

// The process-wide common dialog; NullCommonDialog until one is installed.
KYTCORE_EXPORT ICommonDialog& commonDialog();
// Installs a common dialog and returns the previous one (nullptr restores the null one).
KYTCORE_EXPORT std::shared_ptr<ICommonDialog> setCommonDialog(std::shared_ptr<ICommonDialog> dialog);
// True while the null dialog (the start-up default) is installed; a GUI host
// installs the Qt one only then, never over a test's.
KYTCORE_EXPORT bool commonDialogIsNullDefault();

} // namespace kyt
