#pragma once
// The command-line grammar of kytpreview as data: one table per command
// (its arguments, options and texts). The parser, the --help texts, the
// manual pages and the shell completion are all made from these tables, so
// an option is added in one place.

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

class QCommandLineParser;

namespace kyt::cli
{

// What a shell offers when completing a value or an argument.
enum class Completion {
    None, // free text
    File, // any file
    Template, // *.tpl files (and folders)
    Csv, // *.csv files
    Png, // *.png files
    Output, // *.pdf and *.png files
    Printer, // CUPS queue names
    Words, // the option's choices
};

struct OptionEntry {
    OptionEntry(QString names_, QString value_, QString help_, Completion complete_ = Completion::None,
        QStringList choices_ = {}, bool hidden_ = false)
        : names(std::move(names_))
        , value(std::move(value_))
        , help(std::move(help_))
        , complete(complete_)
        , choices(std::move(choices_))
        , hidden(hidden_)
    {
    }

    QString names; // "o,output": a one-letter name is the short form
    QString value; // value name ("FILE"); empty for a flag
    QString help; // one or more lines, no trailing newline
    Completion complete = Completion::None;
    QStringList choices; // for Completion::Words
    bool hidden = false; // accepted but not shown (old spellings)

    QStringList nameList() const;
    QStringList spelled() const; // as typed: "-o", "--output"
    QString longName() const; // the first name longer than one letter
    QString shortName() const; // the one-letter name, or empty
};

struct CommandTable {
    CommandTable(QString name_, QString synopsis_, QString summary_, QString description_,
        std::vector<OptionEntry> options_, QString notes_, QString exitStatus_, QStringList actions_ = {},
        Completion arguments_ = Completion::None, bool needsWindow_ = false)
        : name(std::move(name_))
        , synopsis(std::move(synopsis_))
        , summary(std::move(summary_))
        , description(std::move(description_))
        , options(std::move(options_))
        , notes(std::move(notes_))
        , exitStatus(std::move(exitStatus_))
        , actions(std::move(actions_))
        , arguments(arguments_)
        , needsWindow(needsWindow_)
    {
    }

    QString name; // the word after kytpreview
    QString synopsis; // the arguments, one or more lines
    QString summary; // one line, no full stop: the command list and the manual's NAME
    QString description; // what the command does (paragraphs)
    std::vector<OptionEntry> options;
    QString notes; // further paragraphs after the options
    QString exitStatus; // the exit status paragraph
    QStringList actions; // first words of commands with actions (settings list ...)
    Completion arguments = Completion::None; // what the plain arguments are
    bool needsWindow = false;

    std::vector<const OptionEntry*> shownOptions() const; // without the hidden ones
};

// Every command's table, in the order of the command list.
const std::vector<CommandTable>& commandTables();
// The table of one command, or nullptr.
const CommandTable* findCommandTable(const QString& name);

// The names in `candidates` closest to `word` (a typo or a prefix), best
// first; empty when none is near.
QStringList closestNames(const QString& word, const QStringList& candidates);

// "Usage: kytpreview NAME SYNOPSIS" and the whole help of one command.
QString helpText(const CommandTable& table);
// The program's own usage: the command list.
QString programHelp();

// Manual pages (roff): kytpreview(1) and kytpreview-NAME(1).
QString programManPage(const QString& version);
QString commandManPage(const CommandTable& table, const QString& version);

// Completion scripts for bash, zsh and fish.
QString bashCompletion();
QString zshCompletion();
QString fishCompletion();

// The result of parsing one command's arguments against its table.
class ParsedArgs
{
public:
    bool has(const QString& longName) const;
    QString value(const QString& longName) const; // the last one given
    QStringList values(const QString& longName) const; // every one, in order
    // Which of the option's names was used last ("o" or "output"), for
    // options whose old spelling means something else.
    QString spelling(const QString& longName) const;
    QStringList positional;

private:
    friend int parseArguments(const CommandTable&, const QStringList&, ParsedArgs*);
    struct Given {
        QString longName;
        QString spelling;
        QString value;
    };
    std::vector<Given> m_given;
};

// Parses `args` (the words after the command) with QCommandLineParser and
// the command's table. 0, or 2 after an error naming the closest valid
// option went to standard error.
int parseArguments(const CommandTable& table, const QStringList& args, ParsedArgs* out);

} // namespace kyt::cli
