// The entries of the window module: the program loads it for the commands
// that open a window, so the others start without Qt Widgets.
#include "Command.h"
#include "cli/ProgramModules.h"
#include <QApplication>

extern "C" Q_DECL_EXPORT QCoreApplication* kyt_window_application(int* argc, char** argv)
{
    return new QApplication(*argc, argv);
}

extern "C" Q_DECL_EXPORT int kyt_run_window_command(const QString* command, const kyt::cli::ParsedArgs* args)
{
    for (const kyt::cli::Command& c : kyt::cli::commands())
        if (c.name == *command)
            return c.run(*args);
    kyt::cli::printErr(QStringLiteral("kytpreview: the window module has no command %1").arg(*command));
    return 2;
}
