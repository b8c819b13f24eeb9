#pragma once
// The kinds of data source behind DataSource::open.

#include "data/DataSource.h"

namespace kyt
{

std::unique_ptr<DataSource> openCsvSource(const DataSourceSpec& spec);
std::unique_ptr<DataSource> openDataStreamSource(const DataSourceSpec& spec);
std::unique_ptr<DataSource> openSqlSource(const DataSourceSpec& spec, const PasswordPrompt& prompt);
QStringList sqlTables(DataSourceSpec& spec, const PasswordPrompt& prompt);

// "PATH: no such file" / "PATH: not a regular file" for a file a source
// must read; empty when it is a regular file.
QString fileProblem(const QString& path);

} // namespace kyt
