#pragma once
// Barcodes read back from pictures (check --verify) with the zbar library.
// zbar is loaded when first needed, so that building the program needs no
// zbar headers and running it needs libzbar only for --verify.

#include <QString>
#include <QStringList>

class QImage;

namespace kyt::cli
{

// True when libzbar could be loaded; otherwise *error says why.
bool barcodeReaderAvailable(QString* error);
// Every barcode zbar finds in an 8-bit grey picture (none without zbar).
QStringList readBarcodes(const QImage& grey);

} // namespace kyt::cli
