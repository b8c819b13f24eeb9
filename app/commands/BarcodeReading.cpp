#include "BarcodeReading.h"

#include <QImage>
#include <cstring>
#include <zbar.h>

namespace kyt::cli
{

QStringList readBarcodes(const QImage& grey)
{
    QStringList found;
    if (grey.isNull())
        return found;
    const int w = grey.width(), h = grey.height();
    QByteArray pixels(qsizetype(w) * h, '\0');
    for (int y = 0; y < h; ++y)
        std::memcpy(pixels.data() + qsizetype(y) * w, grey.constScanLine(y), size_t(w));
    zbar::zbar_image_scanner_t* scanner = zbar::zbar_image_scanner_create();
    zbar::zbar_image_scanner_set_config(scanner, zbar::ZBAR_NONE, zbar::ZBAR_CFG_ENABLE, 1);
    zbar::zbar_image_t* image = zbar::zbar_image_create();
    zbar::zbar_image_set_format(image, zbar_fourcc('Y', '8', '0', '0'));
    zbar::zbar_image_set_size(image, unsigned(w), unsigned(h));
    zbar::zbar_image_set_data(image, pixels.constData(), unsigned(pixels.size()), nullptr);
    if (zbar::zbar_scan_image(scanner, image) > 0)
        for (const zbar::zbar_symbol_t* s = zbar::zbar_image_first_symbol(image); s; s = zbar::zbar_symbol_next(s))
            found.append(QString::fromUtf8(zbar::zbar_symbol_get_data(s), int(zbar::zbar_symbol_get_data_length(s))));
    zbar::zbar_image_destroy(image);
    zbar::zbar_image_scanner_destroy(scanner);
    return found;
}

} // namespace kyt::cli
