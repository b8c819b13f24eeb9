#pragma once
// PNG files of drawn cards and symbols. Qt's writer tries every row filter
// on every row; a card is flat colour and text, for which one filter (Paeth)
// and run-length deflate give files within a few per cent of its size in
// under half its time (most of `render` to PNG was spent there).

#include "kyt/kytcore_export.h"
#include <QString>

class QImage;
class QIODevice;

namespace kyt
{

// Writes `image` to `device` as a PNG: RGB when it has no alpha channel,
// else RGBA (not premultiplied); its dots per metre as the pHYs chunk.
// False with *error set when the image is null or the device refuses data.
KYTCORE_PRIVATE_EXPORT bool writePng(QIODevice* device, const QImage& image, QString* error);

} // namespace kyt
