#include "OptionTable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>

namespace kyt::cli
{

QStringList OptionEntry::nameList() const
{
    return names.split(QLatin1Char(','));
}

QString OptionEntry::longName() const
{
    for (const QString& n : nameList())
        if (n.size() > 1)
            return n;
    return nameList().first();
}

QStringList OptionEntry::spelled() const
{
    QStringList out;
    for (const QString& n : nameList())
        out << (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n;
    return out;
}

std::vector<const OptionEntry*> CommandTable::shownOptions() const
{
    std::vector<const OptionEntry*> out;
    for (const OptionEntry& o : options)
        if (!o.hidden)
            out.push_back(&o);
    return out;
}

QString OptionEntry::shortName() const
{
    for (const QString& n : nameList())
        if (n.size() == 1)
            return n;
    return QString();
}

const CommandTable* findCommandTable(const QString& name)
{
    for (const CommandTable& c : commandTables())
        if (c.name == name)
            return &c;
    return nullptr;
}

namespace
{

QString dashed(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// "-o, --output FILE", each part put into its format ("%1" as it is).
QString optionLabel(const OptionEntry& o, const QString& nameFormat = QStringLiteral("%1"),
    const QString& valueFormat = QStringLiteral("%1"), QString (*escape)(const QString&) = nullptr)
{
    auto part = [&](const QString& format, const QString& text) { return format.arg(escape ? escape(text) : text); };
    QStringList shown;
    for (const QString& n : o.spelled())
        shown << part(nameFormat, n);
    QString label = shown.join(QStringLiteral(", "));
    if (!o.value.isEmpty())
        label += QLatin1Char(' ') + part(valueFormat, o.value);
    return label;
}

int editDistance(const QString& a, const QString& b)
{
    std::vector<int> row(size_t(b.size()) + 1);
    for (size_t j = 0; j < row.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[size_t(j)];
            row[size_t(j)] = std::min(
                { above + 1, row[size_t(j - 1)] + 1, diagonal + (a[i - 1].toLower() == b[j - 1].toLower() ? 0 : 1) });
            diagonal = above;
        }
    }
    return row.back();
}

// Input words reach the terminal with their control characters escaped.
QString shown(const QString& text)
{
    QString out;
    for (const QChar c : text)
        out += c.unicode() < 0x20 || c.unicode() == 0x7f
            ? QStringLiteral("\\x") + QString::number(c.unicode(), 16).rightJustified(2, QLatin1Char('0')).toUpper()
            : QString(c);
    return out;
}

void printError(const QString& text)
{
    std::fputs((text + QLatin1Char('\n')).toUtf8().constData(), stderr);
}

} // namespace

QStringList closestNames(const QString& word, const QStringList& candidates)
{
    if (word.isEmpty())
        return {};
    const int limit = std::max(1, int(word.size()) / 3);
    std::vector<std::pair<int, QString>> ranked;
    for (const QString& c : candidates) {
        int d = editDistance(word, c);
        if (c.startsWith(word, Qt::CaseInsensitive) || word.startsWith(c, Qt::CaseInsensitive))
            d = std::min(d, 1);
        if (d <= limit)
            ranked.emplace_back(d, c);
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    QStringList out;
    for (const auto& r : ranked)
        if (!out.contains(r.second))
            out << r.second;
    return out.mid(0, 3);
}

// --- help ---------------------------------------------------------------

// A table text in the user's language (the tables hold the English, which
// the manual pages and the completion scripts keep).
static QString localized(const QString& text)
{
    return text.isEmpty() ? text : QCoreApplication::translate("kyt::cli", text.toUtf8().constData());
}

QString helpText(const CommandTable& table)
{
    QString text = QCoreApplication::translate("kyt::cli", "Usage: kytpreview %1 %2\n\n%3\n")
                       .arg(table.name, table.synopsis, localized(table.description));
    const std::vector<const OptionEntry*> shown = table.shownOptions();
    if (!shown.empty()) {
        text += QCoreApplication::translate("kyt::cli", "\nOptions:\n");
        constexpr int Column = 26;
        for (const OptionEntry* o : shown) {
            const QString label = QStringLiteral("  ") + optionLabel(*o);
            const QStringList lines = localized(o->help).split(QLatin1Char('\n'));
            if (label.size() + 1 < Column) {
                text += label.leftJustified(Column) + lines.first() + QLatin1Char('\n');
            } else {
                text += label + QLatin1Char('\n') + QString(Column, QLatin1Char(' ')) + lines.first()
                    + QLatin1Char('\n');
            }
            for (qsizetype i = 1; i < lines.size(); ++i)
                text += QString(Column, QLatin1Char(' ')) + lines[i] + QLatin1Char('\n');
        }
    }
    if (!table.notes.isEmpty())
        text += QLatin1Char('\n') + localized(table.notes) + QLatin1Char('\n');
    if (!table.exitStatus.isEmpty())
        text += QLatin1Char('\n') + localized(table.exitStatus) + QLatin1Char('\n');
    return text;
}

QString programHelp()
{
    QString text = QCoreApplication::translate("kyt::cli", "Usage: kytpreview COMMAND [ARGS...]\n\nCommands:\n");
    for (const CommandTable& c : commandTables())
        text += QStringLiteral("  %1 %2\n").arg(c.name, -17).arg(localized(c.summary));
    text += QCoreApplication::translate("kyt::cli",
        "\nkytpreview COMMAND --help shows the help of one command; man kytpreview-COMMAND\n"
        "its manual page.\n");
    return text;
}

// --- manual pages -------------------------------------------------------

namespace
{

QString roff(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('\\'), QStringLiteral("\\e"));
    out.replace(QLatin1Char('-'), QStringLiteral("\\-"));
    QStringList lines = out.split(QLatin1Char('\n'));
    for (QString& l : lines)
        if (l.startsWith(QLatin1Char('.')) || l.startsWith(QLatin1Char('\'')))
            l.prepend(QStringLiteral("\\&"));
    return lines.join(QLatin1Char('\n'));
}

// Paragraphs become .PP; a paragraph with indented lines (a table of
// words) keeps its lines as they are.
QString roffParagraphs(const QString& text)
{
    QString out;
    for (const QString& paragraph : text.split(QStringLiteral("\n\n"))) {
        if (paragraph.trimmed().isEmpty())
            continue;
        bool layout = false;
        for (const QString& line : paragraph.split(QLatin1Char('\n')))
            layout = layout || line.startsWith(QLatin1Char(' '));
        if (layout)
            out += QStringLiteral(".PP\n.nf\n") + roff(paragraph) + QStringLiteral("\n.fi\n");
        else
            out += QStringLiteral(".PP\n") + roff(paragraph) + QLatin1Char('\n');
    }
    return out;
}

QString manHeader(const QString& title, const QString& version)
{
    return QStringLiteral(".\\\" Written by kytpreview-clidoc from the program's option tables.\n"
                          ".TH %1 1 \"\" \"KYTPreview %2\" \"User Commands\"\n")
        .arg(title.toUpper(), version);
}

QString filesAndEnvironment()
{
    return QStringLiteral(".SH ENVIRONMENT\n"
                          ".TP\n.B KYT_REGISTRY\n"
                          "The settings store (default: \\fI$XDG_CONFIG_HOME/kyt/registry.db\\fR).\n"
                          ".TP\n.B KYT_LOG_DIR\n"
                          "The folder of the error log \\fIPreview.log\\fR (default: \\fI$XDG_STATE_HOME/kyt\\fR).\n"
                          ".TP\n.B QT_QPA_PLATFORM\n"
                          "\\fBoffscreen\\fR opens the windows of \\fBdesign\\fR and \\fBpreview\\fR without a "
                          "screen (for \\fB\\-\\-screenshot\\fR).\n");
}

} // namespace

QString programManPage(const QString& version)
{
    QString page = manHeader(QStringLiteral("kytpreview"), version);
    page += QStringLiteral(".SH NAME\nkytpreview \\- render, print and design identification card templates\n"
                           ".SH SYNOPSIS\n.B kytpreview\n.I COMMAND\n[\\fIARGS\\fR...]\n.br\n"
                           ".B kytpreview\n.I COMMAND\n.B \\-\\-help\n.br\n.B kytpreview \\-\\-version\n"
                           ".SH DESCRIPTION\n"
                           ".B kytpreview\n"
                           "draws identification card templates (\\fI*.tpl\\fR files) filled with field values "
                           "to PNG and PDF files, prints them on CUPS queues one by one or in batches from "
                           "CSV files, checks them before printing, and opens the card designer.\n"
                           ".PP\n"
                           "Every command has its own manual page, \\fBkytpreview\\-\\fICOMMAND\\fR(1), and "
                           "prints its help with \\fB\\-\\-help\\fR. The option \\fB\\-o\\fR is the output "
                           "file in every command.\n"
                           ".SH COMMANDS\n");
    for (const CommandTable& c : commandTables())
        page += QStringLiteral(".TP\n\\fB%1\\fR %2\n%3 (\\fBkytpreview\\-%1\\fR(1))\n")
                    .arg(roff(c.name), roff(c.synopsis.split(QLatin1Char('\n')).first().simplified()), roff(c.summary));
    page += QStringLiteral(".SH EXIT STATUS\n"
                           "0 on success, 1 when the work could not be done (the reason goes to standard "
                           "error in one line, the file first), 2 for wrong arguments.\n");
    page += filesAndEnvironment();
    page += QStringLiteral(".SH FILES\n.TP\n.I $XDG_CONFIG_HOME/kyt/registry.db\n"
                           "The settings store: designer defaults, target applications, printer calibration.\n"
                           ".TP\n.I $XDG_STATE_HOME/kyt/Preview.log\nThe error log.\n");
    page += QStringLiteral(".SH SEE ALSO\n");
    QStringList refs;
    for (const CommandTable& c : commandTables())
        refs << QStringLiteral(".BR kytpreview\\-%1 (1)").arg(roff(c.name));
    page += refs.join(QStringLiteral(",\n")) + QStringLiteral(",\n.BR lp (1)\n");
    return page;
}

QString commandManPage(const CommandTable& table, const QString& version)
{
    QString page = manHeader(QStringLiteral("kytpreview-") + table.name, version);
    page += QStringLiteral(".SH NAME\nkytpreview\\-%1 \\- %2\n").arg(roff(table.name), roff(table.summary));
    page += QStringLiteral(".SH SYNOPSIS\n.nf\n\\fBkytpreview %1\\fR %2\n.fi\n")
                .arg(roff(table.name), roff(table.synopsis));
    page += QStringLiteral(".SH DESCRIPTION\n") + roffParagraphs(table.description);
    const std::vector<const OptionEntry*> shown = table.shownOptions();
    if (!shown.empty())
        page += QStringLiteral(".SH OPTIONS\n");
    for (const OptionEntry* o : shown)
        page += QStringLiteral(".TP\n%1\n%2\n")
                    .arg(optionLabel(*o, QStringLiteral("\\fB%1\\fR"), QStringLiteral("\\fI%1\\fR"), roff),
                        roff(o->help));
    if (!table.notes.isEmpty())
        page += QStringLiteral(".SH NOTES\n") + roffParagraphs(table.notes);
    if (!table.exitStatus.isEmpty())
        page += QStringLiteral(".SH EXIT STATUS\n") + roffParagraphs(table.exitStatus);
    page += filesAndEnvironment();
    page += QStringLiteral(".SH SEE ALSO\n.BR kytpreview (1)\n");
    return page;
}

// --- completion ---------------------------------------------------------

namespace
{

QStringList extensions(Completion c)
{
    switch (c) {
    case Completion::Template:
        return { QStringLiteral("tpl") };
    case Completion::Csv:
        return { QStringLiteral("csv") };
    case Completion::Png:
        return { QStringLiteral("png") };
    case Completion::Output:
        return { QStringLiteral("pdf"), QStringLiteral("png") };
    default:
        return {};
    }
}

// "tpl" -> "[tT][pP][lL]": the file's extension in any letter case.
QString anyCase(const QString& ext)
{
    QString out;
    for (const QChar c : ext)
        out += c.isLetter() ? QStringLiteral("[%1%2]").arg(c.toLower()).arg(c.toUpper()) : QString(c);
    return out;
}

QString singleQuoted(const QString& text)
{
    QString t = text;
    t.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + t + QLatin1Char('\'');
}

// The first line of a help text without the characters zsh's _arguments
// gives a meaning.
QString shortHelp(const QString& help)
{
    QString line = help.split(QLatin1Char('\n')).first();
    for (const QChar c : { QLatin1Char('['), QLatin1Char(']'), QLatin1Char(':'), QLatin1Char('\'') })
        line.remove(c);
    return line.trimmed();
}

// How one shell completes each kind of value.
struct Shell {
    QString none; // free text
    QString anyFile;
    QString printer;
    QString (*files)(const QStringList& extensions);
    QString (*words)(const QStringList& choices);

    QString action(Completion c, const QStringList& choices = {}) const
    {
        switch (c) {
        case Completion::None:
            return none;
        case Completion::File:
            return anyFile;
        case Completion::Printer:
            return printer;
        case Completion::Words:
            return words(choices);
        default:
            return files(extensions(c));
        }
    }
};

const Shell& bash()
{
    static const Shell shell { QStringLiteral("return"), QStringLiteral("_kytpreview_files; return"),
        QStringLiteral("_kytpreview_words \"$(_kytpreview_queues)\"; return"),
        [](const QStringList& extensions) {
            QStringList patterns;
            for (const QString& e : extensions)
                patterns << anyCase(e);
            return QStringLiteral("_kytpreview_files %1; return").arg(patterns.join(QLatin1Char(' ')));
        },
        [](const QStringList& choices) {
            return QStringLiteral("_kytpreview_words \"%1\"; return").arg(choices.join(QLatin1Char(' ')));
        } };
    return shell;
}

const Shell& zsh()
{
    static const Shell shell { QStringLiteral(" "), QStringLiteral("_files"), QStringLiteral("_kytpreview_queues"),
        [](const QStringList& extensions) {
            QStringList patterns;
            for (const QString& e : extensions)
                patterns << QStringLiteral("*.") + anyCase(e);
            return QStringLiteral("_files -g \"%1\"").arg(patterns.join(QLatin1Char(' ')));
        },
        [](const QStringList& choices) { return QStringLiteral("(%1)").arg(choices.join(QLatin1Char(' '))); } };
    return shell;
}

const Shell& fish()
{
    static const Shell shell { QStringLiteral("-x"), QStringLiteral("-r -F"),
        QStringLiteral("-x -a '(lpstat -e 2>/dev/null)'"),
        [](const QStringList& extensions) {
            QStringList suffixes;
            for (const QString& e : extensions)
                suffixes << QStringLiteral(".") + e;
            return QStringLiteral("-x -a '(__fish_complete_suffix %1)'").arg(suffixes.join(QLatin1Char(' ')));
        },
        [](const QStringList& choices) { return QStringLiteral("-x -a '%1'").arg(choices.join(QLatin1Char(' '))); } };
    return shell;
}

QStringList commandNames()
{
    QStringList names;
    for (const CommandTable& c : commandTables())
        names << c.name;
    return names;
}

} // namespace

QString bashCompletion()
{
    QString s = QStringLiteral(
        "# bash completion for kytpreview; written by kytpreview-clidoc from the program's option tables.\n"
        "_kytpreview_queues() { lpstat -e 2>/dev/null; }\n"
        "_kytpreview_words() { local IFS=$' \\t\\n'; COMPREPLY=($(compgen -W \"$1\" -- \"$cur\")); }\n"
        "# Files with one of the given extension patterns, and folders; any file without patterns.\n"
        "_kytpreview_files() {\n"
        "  local IFS=$'\\n' p\n"
        "  COMPREPLY=()\n"
        "  if [[ $# -eq 0 ]]; then COMPREPLY=($(compgen -f -- \"$cur\")); else\n"
        "    for p in \"$@\"; do COMPREPLY+=($(compgen -f -X \"!*.$p\" -- \"$cur\")); done\n"
        "    COMPREPLY+=($(compgen -d -- \"$cur\"))\n"
        "  fi\n"
        "  compopt -o filenames 2>/dev/null\n"
        "}\n"
        "_kytpreview() {\n"
        "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
        "  COMPREPLY=()\n"
        "  if [[ $COMP_CWORD -eq 1 ]]; then\n"
        "    _kytpreview_words \"%1 --help --version\"\n"
        "    return\n"
        "  fi\n"
        "  local options='' arguments='' actions=''\n"
        "  case ${COMP_WORDS[1]} in\n")
                    .arg(commandNames().join(QLatin1Char(' ')));
    for (const CommandTable& c : commandTables()) {
        QStringList opts;
        s += QStringLiteral("  %1)\n    case $prev in\n").arg(c.name);
        for (const OptionEntry& o : c.options) {
            if (!o.hidden)
                opts << o.spelled();
            if (!o.value.isEmpty())
                s += QStringLiteral("      %1) %2 ;;\n")
                         .arg(o.spelled().join(QLatin1Char('|')), bash().action(o.complete, o.choices));
        }
        s += QStringLiteral("    esac\n    options='%1 --help'\n").arg(opts.join(QLatin1Char(' ')));
        if (!c.actions.isEmpty())
            s += QStringLiteral("    actions='%1'\n").arg(c.actions.join(QLatin1Char(' ')));
        s += QStringLiteral("    arguments='%1'\n    ;;\n").arg(bash().action(c.arguments));
    }
    s += QStringLiteral("  *) return ;;\n"
                        "  esac\n"
                        "  if [[ $cur == -* ]]; then _kytpreview_words \"$options\"; return; fi\n"
                        "  if [[ -n $actions && $COMP_CWORD -eq 2 ]]; then _kytpreview_words \"$actions\"; return; fi\n"
                        "  eval \"$arguments\"\n"
                        "}\n"
                        "complete -F _kytpreview kytpreview\n");
    return s;
}

QString zshCompletion()
{
    QString s = QStringLiteral("#compdef kytpreview\n"
                               "# zsh completion for kytpreview; written by kytpreview-clidoc from the "
                               "program's option tables.\n"
                               "_kytpreview_queues() {\n"
                               "  local -a queues\n"
                               "  queues=(${(f)\"$(lpstat -e 2>/dev/null)\"})\n"
                               "  _describe -t queues 'CUPS queue' queues\n"
                               "}\n"
                               "_kytpreview() {\n"
                               "  local -a commands\n"
                               "  commands=(\n");
    for (const CommandTable& c : commandTables())
        s += QStringLiteral("    %1\n").arg(singleQuoted(c.name + QLatin1Char(':') + shortHelp(c.summary)));
    s += QStringLiteral("  )\n"
                        "  if (( CURRENT == 2 )); then\n"
                        "    _describe -t commands 'kytpreview command' commands\n"
                        "    return\n"
                        "  fi\n"
                        "  local command=$words[2]\n"
                        "  shift words\n"
                        "  (( CURRENT-- ))\n"
                        "  case $command in\n");
    for (const CommandTable& c : commandTables()) {
        s += QStringLiteral("  %1)\n    _arguments -s \\\n").arg(c.name);
        for (const OptionEntry* o : c.shownOptions()) {
            const QStringList spelled = o->spelled();
            const QString exclusion
                = spelled.size() > 1 ? QStringLiteral("(%1)").arg(spelled.join(QLatin1Char(' '))) : QString();
            const QString value = o->value.isEmpty()
                ? QString()
                : QStringLiteral(":%1:%2").arg(o->value.toLower(), zsh().action(o->complete, o->choices));
            for (const QString& n : spelled)
                s += QStringLiteral("      %1 \\\n")
                         .arg(singleQuoted(
                             exclusion + n + QLatin1Char('[') + shortHelp(o->help) + QLatin1Char(']') + value));
        }
        s += QStringLiteral("      '--help[show the help]' \\\n");
        if (!c.actions.isEmpty())
            s += QStringLiteral("      %1 \\\n")
                     .arg(singleQuoted(QStringLiteral("1:action:(%1)").arg(c.actions.join(QLatin1Char(' ')))));
        s += QStringLiteral("      %1\n    ;;\n")
                 .arg(singleQuoted(QStringLiteral("*:argument:") + zsh().action(c.arguments)));
    }
    s += QStringLiteral("  esac\n"
                        "}\n"
                        "_kytpreview \"$@\"\n");
    return s;
}

QString fishCompletion()
{
    QString s = QStringLiteral("# fish completion for kytpreview; written by kytpreview-clidoc from the "
                               "program's option tables.\n"
                               "complete -c kytpreview -f\n");
    for (const CommandTable& c : commandTables())
        s += QStringLiteral("complete -c kytpreview -n '__fish_use_subcommand' -a %1 -d %2\n")
                 .arg(c.name, singleQuoted(c.summary));
    for (const CommandTable& c : commandTables()) {
        const QString when = QStringLiteral("-n '__fish_seen_subcommand_from %1'").arg(c.name);
        for (const OptionEntry* o : c.shownOptions()) {
            QString line = QStringLiteral("complete -c kytpreview %1").arg(when);
            if (!o->shortName().isEmpty())
                line += QStringLiteral(" -s ") + o->shortName();
            line += QStringLiteral(" -l ") + o->longName();
            if (!o->value.isEmpty())
                line += QLatin1Char(' ') + fish().action(o->complete, o->choices);
            s += line + QStringLiteral(" -d ") + singleQuoted(shortHelp(o->help)) + QLatin1Char('\n');
        }
        if (!c.actions.isEmpty())
            s += QStringLiteral("complete -c kytpreview %1 -a '%2'\n").arg(when, c.actions.join(QLatin1Char(' ')));
        if (c.arguments != Completion::None)
            s += QStringLiteral("complete -c kytpreview %1 %2\n").arg(when, fish().action(c.arguments));
    }
    return s;
}

// --- parsing ------------------------------------------------------------

bool ParsedArgs::has(const QString& longName) const
{
    return std::any_of(m_given.begin(), m_given.end(), [&](const Given& g) { return g.longName == longName; });
}

QString ParsedArgs::value(const QString& longName) const
{
    const QStringList all = values(longName);
    return all.isEmpty() ? QString() : all.last();
}

QStringList ParsedArgs::values(const QString& longName) const
{
    QStringList out;
    for (const Given& g : m_given)
        if (g.longName == longName)
            out << g.value;
    return out;
}

QString ParsedArgs::spelling(const QString& longName) const
{
    QString out;
    for (const Given& g : m_given)
        if (g.longName == longName)
            out = g.spelling;
    return out;
}

int parseArguments(const CommandTable& table, const QStringList& args, ParsedArgs* out)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    QStringList known;
    for (const OptionEntry& o : table.options) {
        QCommandLineOption option(o.nameList(), o.help, o.value);
        parser.addOption(option);
        if (!o.hidden)
            known << o.spelled();
    }
    // Plain arguments go after "--" in their order, so that one that starts
    // with a minus sign (a negative number as a settings value) is not taken
    // for an option; an option's value stays with it.
    QStringList optionWords { QStringLiteral("kytpreview") }, plain;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& w = args[i];
        if (w == QLatin1String("--")) {
            plain += args.mid(i + 1);
            break;
        }
        static const QRegularExpression number(QStringLiteral("^-[0-9.]"));
        if (!w.startsWith(QLatin1Char('-')) || w.size() == 1 || number.match(w).hasMatch()) {
            plain << w;
            continue;
        }
        optionWords << w;
        const QString name = w.mid(w.startsWith(QLatin1String("--")) ? 2 : 1);
        for (const OptionEntry& o : table.options) {
            if (o.value.isEmpty() || !o.nameList().contains(name))
                continue;
            // The parser would take the "--" that follows for the value.
            if (i + 1 == args.size()) {
                printError(QCoreApplication::translate(
                    "kyt::cli", "kytpreview %1: %2 needs a value (see kytpreview %1 --help)")
                               .arg(table.name, shown(w)));
                return 2;
            }
            optionWords << args[++i];
        }
    }
    optionWords << QStringLiteral("--") << plain;
    if (!parser.parse(optionWords)) {
        const QString me = QStringLiteral("kytpreview %1: ").arg(table.name);
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString word = dashed(unknown.first());
            const QStringList near = closestNames(word, known);
            printError(me + QCoreApplication::translate("kyt::cli", "unknown option %1").arg(shown(word))
                + (near.isEmpty() ? QString()
                                  : QCoreApplication::translate("kyt::cli", "; did you mean %1?")
                                        .arg(near.join(QCoreApplication::translate("kyt::cli", " or "))))
                + QCoreApplication::translate("kyt::cli", " (see kytpreview %1 --help)").arg(table.name));
        } else {
            printError(me + shown(parser.errorText())
                + QCoreApplication::translate("kyt::cli", " (see kytpreview %1 --help)").arg(table.name));
        }
        return 2;
    }
    // Each name given, in order, with its value: the n-th use of an option
    // takes its n-th value.
    std::vector<std::pair<QString, int>> used;
    for (const QString& n : parser.optionNames()) {
        for (const OptionEntry& o : table.options) {
            if (!o.nameList().contains(n))
                continue;
            const QString key = o.longName();
            auto it = std::find_if(used.begin(), used.end(), [&](const auto& u) { return u.first == key; });
            if (it == used.end())
                it = used.insert(used.end(), { key, 0 });
            const QStringList values = o.value.isEmpty() ? QStringList() : parser.values(key);
            out->m_given.push_back({ key, n, it->second < values.size() ? values[it->second] : QString() });
            ++it->second;
        }
    }
    out->positional = parser.positionalArguments();
    return 0;
}

} // namespace kyt::cli
