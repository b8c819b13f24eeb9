#pragma once
// Command registry of the kytpreview program. A command file defines its
// handler and registers it with a static Command::Registration.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace kyt::cli {

struct Command {
    QString name;     // first word on the command line
    QString synopsis; // one line: arguments
    QString help;     // full help text
    // Arguments after the command word; returns the exit code. Errors are
    // written to standard error.
    std::function<int(const QStringList& args)> run;
    bool needsWindow = false; // needs a QApplication with a display

    struct Registration {
        explicit Registration(Command c);
    };
};

const std::vector<Command>& commands();

// Small helpers shared by the commands.
void printOut(const QString& text);  // standard output, with a newline
void printErr(const QString& text);  // standard error, with a newline
// Value of --name VALUE or --name=VALUE; removes both from args.
bool takeOption(QStringList& args, const QString& name, QString* value);
// Presence of a flag --name; removes it from args.
bool takeFlag(QStringList& args, const QString& name);

} // namespace kyt::cli
