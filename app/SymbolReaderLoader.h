#pragma once
// Loads the symbol reader module (zxing-cpp) on first use.

#include "jobs/Preflight.h"

namespace kyt::cli
{

// The reader, loaded from beside the program or from the installed library
// folder. Throws KytError naming the module and the loader's reason when it
// cannot be loaded.
preflight::BarcodeReader loadSymbolReader();

} // namespace kyt::cli
