#pragma once
// Small text helpers: delimited fields, control-tag items, file-name parts
// and temporary file names. Positions are 1-based.

#include "kyt/kytcore_export.h"
#include <QString>

namespace kyt
{

// Removes blanks (U+0020) at both ends; tabs, line breaks and other
// characters are kept, so text survives a round trip through the fields.
KYTCORE_PRIVATE_EXPORT QString TrimBlanks(const QString& text);

// A count with its noun for messages: "1 card", "2 cards".
KYTCORE_PRIVATE_EXPORT QString Counted(qint64 n, const char* noun);

// Number of fields: delimiters + 1; 0 for an empty text. Only the first
// character of the delimiter counts; letter case is ignored.
KYTCORE_PRIVATE_EXPORT int CountTokens(const QString& text, const QString& delimiter = QStringLiteral(","));

// The index-th field, trimmed; empty when there are fewer fields.
KYTCORE_PRIVATE_EXPORT QString GetToken(const QString& text, int index, const QString& delimiter);

// Value of "key=value;" in a control tag, trimmed. notFound is set when the
// key (followed by kvSeparator) does not occur.
KYTCORE_PRIVATE_EXPORT QString GetTagValue(const QString& tag, const QString& key,
    const QString& itemSeparator = QStringLiteral(";"), const QString& kvSeparator = QStringLiteral("="),
    bool* notFound = nullptr);

// Sets (or appends) one item; tag is updated and returned.
KYTCORE_PRIVATE_EXPORT QString SetTagValue(QString& tag, const QString& key, const QString& itemSeparator,
    const QString& value, const QString& kvSeparator = QStringLiteral("="));

// Text after the last path separator ("\" or "/"), trimmed.
KYTCORE_PRIVATE_EXPORT QString GetFileName(const QString& path);
// Text after the last ".", trimmed; the whole name when it has none.
KYTCORE_PRIVATE_EXPORT QString GetFileExtension(const QString& name);

// Creates a new empty file with a unique name in folder (the system temporary
// folder when empty) and returns its full name. Never fails: when no file can
// be created it returns a random name (not created) in the current folder.
KYTCORE_PRIVATE_EXPORT QString MakeTempFileName(const QString& folder, const QString& prefix);

} // namespace kyt
