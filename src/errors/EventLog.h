#pragma once
// The run-time event log: "Preview.log", appended one line per entry.

#include "kyt/kytcore_export.h"
#include <QString>

namespace kyt
{

class KYTCORE_PRIVATE_EXPORT EventLog
{
public:
    enum EntryType { Error = 1, Warning = 2, Information = 4 };

    // Folder of the log; paths::logDirectory() unless set.
    KYTCORE_NO_EXPORT static void setDirectory(const QString& folder);
    static QString filePath();
    // Appends one entry, control characters escaped; false when the file
    // cannot be written.
    static bool write(const QString& message, EntryType type = Error);
};

} // namespace kyt
