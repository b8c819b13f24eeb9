// kytpreview: render, print and inspect card templates from the command line.
// The commands live in a module (commands/ProgramMain.cpp) with the core
// library and Qt Gui; this program loads it and hands it the command line.
// `version` and `--version` are answered here with Qt Core alone: scripts
// ask them before every job, and mapping the drawing libraries would take
// most of the time.
#include "cli/ModuleFiles.h"
#include "kyt/Version.h"
#include "util/Paths.h"
#include "util/TerminalText.h"
#include <QLibrary>
#include <cstdio>
#include <cstring>

namespace
{

void printLine(const QString& text)
{
    std::fputs(kyt::escapeControls(text).toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

QString versionNumber()
{
    return QStringLiteral("%1.%2.%3").arg(kyt::VersionMajor).arg(kyt::VersionMinor).arg(kyt::VersionRevision);
}

using RunProgram = int (*)(int, char**);
RunProgram loadCommands(QString* why)
{
    const QString module = QStringLiteral("kytpreview-commands.so");
    const QStringList files = kyt::cli::moduleFiles(module);
    *why = kyt::cli::moduleNotFound(module, files);
    for (const QString& file : files) {
        if (!QFileInfo::exists(file))
            continue;
        QLibrary lib(file);
        if (auto run = reinterpret_cast<RunProgram>(lib.resolve("kyt_run_program")))
            return run;
        *why = lib.errorString();
        return nullptr;
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    // Anything more (--verbose, a wrong argument) goes to the command, which
    // reports it in the user's language.
    if (argc == 2 && std::strcmp(argv[1], "version") == 0) {
        printLine(QStringLiteral("%1 %2").arg(QLatin1String(kyt::ProductName), versionNumber()));
        printLine(QStringLiteral("settings: %1").arg(kyt::paths::registryFile()));
        printLine(QStringLiteral("log:      %1").arg(kyt::paths::logFile()));
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        printLine(QStringLiteral("%1 %2").arg(QLatin1String(kyt::ProductName), versionNumber()));
        return 0;
    }
    QString why;
    const RunProgram run = loadCommands(&why);
    if (!run) {
        std::fprintf(stderr, "kytpreview: the command module could not be loaded: %s\n", qPrintable(why));
        return 1;
    }
    return run(argc, argv);
}
