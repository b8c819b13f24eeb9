#pragma once
// Reading barcodes back from a rendered card, for `check --verify` and the
// designer's Verify (only the program links the barcode reader).

#include <QStringList>

class QImage;

namespace kyt::cli
{

// Every barcode zbar finds in an 8-bit grey picture.
QStringList readBarcodes(const QImage& grey);

} // namespace kyt::cli
