#pragma once
// The kinds of data source behind DataSource::open.

#include "data/DataSource.h"

namespace kyt
{

std::unique_ptr<DataSource> openCsvSource(const DataSourceUrl& address);
std::unique_ptr<DataSource> openDataStreamSource(const DataSourceUrl& address);
std::unique_ptr<DataSource> openSqlSource(
    const DataSourceUrl& address, const PasswordPrompt& prompt, const std::shared_ptr<QueryStop>& stop);
QStringList sqlTables(DataSourceUrl& address, const PasswordPrompt& prompt, const std::shared_ptr<QueryStop>& stop);

// "PATH: no such file" / "PATH: not a regular file" for a file a source
// must read; empty when it is a regular file.
QString fileProblem(const QString& path);

} // namespace kyt
