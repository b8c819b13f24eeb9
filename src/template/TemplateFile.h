#pragma once
// Reading and writing a whole template as a binary template file, on top of
// TemplateFileCodec. CPrintTemplate's ReadBinaryTemplateFile,
// SaveTemplatetoBinaryFile and readBinaryTemplate call these.
//
// Parse-string objects: a 10-byte type field holds only "ParseStrin", which
// older readers do not know and stop at. So they are written after the
// picture records and left out of the object count: an older reader reads
// every other object and every picture and ignores the bytes that follow,
// while this reader takes them up again. A "ParseStrin" record among the
// counted objects is also accepted.

#include "kyt/kytcore_export.h"
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace kyt
{

class CPrintTemplate;

namespace tplfile
{

// Pixels all the pictures of one template may have together, read or written.
inline constexpr qint64 MaxTemplatePixels = 128LL * 1024 * 1024;

// A serial text file is one line layout; anything larger is not one.
inline constexpr qint64 MaxSerialTextFileSize = 16LL * 1024 * 1024;

// Clears the template's objects, then reads the file's bytes into it. False
// without a report when the bytes are not a template file (wrong header word
// or version below 3); false after throwing KytError for anything damaged,
// with the objects read so far left in the template.
bool readInto(CPrintTemplate& oTemplate, QByteArrayView bytes);

// The whole file. Sets each logo's Index to its picture number, as the
// stored token text needs. Throws KytError when a picture cannot be encoded.
KYTCORE_PRIVATE_EXPORT QByteArray encode(CPrintTemplate& oTemplate);

// Reads a file's bytes, refusing files larger than MaxFileSize before
// reading them. Throws KytError.
QByteArray readWholeFile(const QString& fileName, qint64 maxSize);

// Replaces the file only once the new content is completely written: a
// failure leaves an existing file as it was. Throws KytError.
void writeFileAtomically(const QString& fileName, const QByteArray& bytes);

} // namespace tplfile
} // namespace kyt
