// kytpreview: render, print and inspect card templates from the command line.
// The commands live in a module (commands/ProgramMain.cpp) with the core
// library and Qt Gui; this program loads it and hands it the command line.
// `version` and `--version` are answered here with Qt Core alone: scripts
// ask them before every job, and mapping the drawing libraries would take
// most of the time.
#include "kyt/Version.h"
#include "util/Paths.h"
#include "util/TerminalText.h"
#include <QString>
#include <climits>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <unistd.h>

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

// In the build tree the module sits beside the program; installed, in the
// program's folder under the library folder.
using RunProgram = int (*)(int, char**);
RunProgram loadCommands(std::string* why)
{
    char self[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) {
        *why = "the program's own path is unknown";
        return nullptr;
    }
    self[n] = '\0';
    std::string bin(self);
    bin.erase(bin.rfind('/') + 1);
    why->clear();
    for (const std::string& file :
        { bin + "kytpreview-commands.so", bin + KYT_MODULES_INSTALLED "/kytpreview-commands.so" }) {
        if (::access(file.c_str(), F_OK) != 0)
            continue;
        if (void* module = ::dlopen(file.c_str(), RTLD_LAZY | RTLD_LOCAL))
            if (void* run = ::dlsym(module, "kyt_run_program"))
                return reinterpret_cast<RunProgram>(run);
        *why = ::dlerror();
        return nullptr;
    }
    *why = "kytpreview-commands.so is found neither in " + bin + " nor in " + bin + KYT_MODULES_INSTALLED;
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
    std::string why;
    const RunProgram run = loadCommands(&why);
    if (!run) {
        std::fprintf(stderr, "kytpreview: the command module could not be loaded: %s\n", why.c_str());
        return 1;
    }
    return run(argc, argv);
}
