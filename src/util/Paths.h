#pragma once
// Where the library keeps its files on Linux. The user's files (Paths.cpp)
// need Qt Core only: the program also answers `version` with them.

#include "kyt/kytcore_export.h"
#include <QString>

namespace kyt::paths
{

// Folder of "Preview.log": $KYT_LOG_DIR, else $XDG_STATE_HOME/kyt, else ~/.local/state/kyt.
QString logDirectory();
// "Preview.log" in that folder.
QString logFile();
// The settings database: $KYT_REGISTRY, else $XDG_CONFIG_HOME/kyt/registry.db.
KYTCORE_PRIVATE_EXPORT QString registryFile();
// Folder scanned for target-application plugins: $KYT_PLUGIN_PATH (colon
// separated), then the build tree's and the installed plugin folders.
QStringList pluginDirectories();
// Folders holding the barcode fonts: $KYT_FONT_DIR, the build tree's, the installed one.
QStringList fontDirectories();

} // namespace kyt::paths
