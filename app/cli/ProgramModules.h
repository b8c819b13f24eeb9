#pragma once
// The program's parts that only some commands need are modules loaded when
// one of those commands runs, so rendering or printing maps neither
// zxing-cpp nor Qt Widgets: the symbol reader (check --verify, the
// designer's Verify) and the windows (design, preview).

#include "cli/OptionTable.h"
#include "jobs/Preflight.h"

class QCoreApplication;

namespace kyt::cli
{

// The reader, loaded from beside the program or from the installed library
// folder. Throws KytError naming the module and the loader's reason when it
// cannot be loaded.
preflight::BarcodeReader loadSymbolReader();

// The window module's two entries. Throws KytError like loadSymbolReader.
struct WindowModule {
    // The application a window command runs in (a QApplication).
    QCoreApplication* (*createApplication)(int* argc, char** argv);
    // Runs a window command with its parsed arguments; its exit code.
    int (*run)(const QString* command, const ParsedArgs* args);
};
WindowModule loadWindowModule();

} // namespace kyt::cli

// What the command module exports (commands/ProgramMain.cpp): the whole
// command line, run as the program's main would; its exit code.
extern "C" int kyt_run_program(int argc, char** argv);

// What the window module exports (windows/WindowModule.cpp).
extern "C" {
QCoreApplication* kyt_window_application(int* argc, char** argv);
int kyt_run_window_command(const QString* command, const kyt::cli::ParsedArgs* args);
}
