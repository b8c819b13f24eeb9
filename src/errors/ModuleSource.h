#pragma once
// The text that names a class as the source of its error reports:
// "KYTPreview.CPrintTemplate (8.1.3)".

#include "kyt/Version.h"
#include <QString>

namespace kyt
{

// literal is the class part as it stands, e.g. ".CPrintTemplate (".
inline QString moduleSource(const char* literal)
{
    return QLatin1String(ProductName) + QLatin1String(literal) + QString::number(VersionMajor) + QLatin1Char('.')
        + QString::number(VersionMinor) + QLatin1Char('.') + QString::number(VersionRevision) + QLatin1Char(')');
}

} // namespace kyt
