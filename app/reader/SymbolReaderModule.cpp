// The symbol reader as a module of its own: zxing-cpp is loaded only by the
// commands that read symbols back (check --verify, the designer's Verify),
// so every other command starts without it.
#include "SymbolReader.h"

extern "C" Q_DECL_EXPORT bool kyt_read_symbols(const QImage* picture, QStringList* found)
{
    try {
        *found = kyt::cli::readSymbols(*picture);
        return true;
    } catch (const std::exception&) {
        return false; // a reader failure must not take the program with it
    }
}
