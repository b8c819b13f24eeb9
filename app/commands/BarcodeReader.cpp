#include "BarcodeReader.h"

#include <QImage>
#include <QLibrary>
#include <cstring>

namespace kyt::cli
{
namespace
{

// The part of zbar's C interface (zbar.h, libzbar.so.0) the reader uses.
struct ZbarScanner;
struct ZbarImage;
struct ZbarSymbol;
constexpr int ZbarNone = 0; // ZBAR_NONE: every symbology
constexpr int ZbarCfgEnable = 0; // ZBAR_CFG_ENABLE
constexpr unsigned long GreyFourcc = 'Y' | ('8' << 8) | ('0' << 16) | (unsigned long)('0' << 24);

struct Zbar {
    ZbarScanner* (*scannerCreate)() = nullptr;
    int (*scannerSetConfig)(ZbarScanner*, int, int, int) = nullptr;
    void (*scannerDestroy)(ZbarScanner*) = nullptr;
    ZbarImage* (*imageCreate)() = nullptr;
    void (*imageSetFormat)(ZbarImage*, unsigned long) = nullptr;
    void (*imageSetSize)(ZbarImage*, unsigned, unsigned) = nullptr;
    void (*imageSetData)(ZbarImage*, const void*, unsigned long, void (*)(ZbarImage*)) = nullptr;
    void (*imageDestroy)(ZbarImage*) = nullptr;
    int (*scanImage)(ZbarScanner*, ZbarImage*) = nullptr;
    const ZbarSymbol* (*firstSymbol)(const ZbarImage*) = nullptr;
    const ZbarSymbol* (*nextSymbol)(const ZbarSymbol*) = nullptr;
    const char* (*symbolData)(const ZbarSymbol*) = nullptr;
    unsigned (*symbolDataLength)(const ZbarSymbol*) = nullptr;
    QString error; // empty when every function was found
};

template <typename F> bool resolve(QLibrary& lib, const char* name, F*& f, QString* error)
{
    f = reinterpret_cast<F*>(lib.resolve(name));
    if (!f && error->isEmpty())
        *error = QStringLiteral("%1 has no %2").arg(lib.fileName(), QLatin1String(name));
    return f != nullptr;
}

const Zbar& zbar()
{
    static const Zbar z = [] {
        Zbar z;
        static QLibrary lib(QStringLiteral("zbar"), 0);
        if (!lib.load()) {
            z.error = QStringLiteral("the zbar library (libzbar.so.0, Debian package libzbar0) cannot be loaded: %1")
                          .arg(lib.errorString());
            return z;
        }
        QString* e = &z.error;
        resolve(lib, "zbar_image_scanner_create", z.scannerCreate, e);
        resolve(lib, "zbar_image_scanner_set_config", z.scannerSetConfig, e);
        resolve(lib, "zbar_image_scanner_destroy", z.scannerDestroy, e);
        resolve(lib, "zbar_image_create", z.imageCreate, e);
        resolve(lib, "zbar_image_set_format", z.imageSetFormat, e);
        resolve(lib, "zbar_image_set_size", z.imageSetSize, e);
        resolve(lib, "zbar_image_set_data", z.imageSetData, e);
        resolve(lib, "zbar_image_destroy", z.imageDestroy, e);
        resolve(lib, "zbar_scan_image", z.scanImage, e);
        resolve(lib, "zbar_image_first_symbol", z.firstSymbol, e);
        resolve(lib, "zbar_symbol_next", z.nextSymbol, e);
        resolve(lib, "zbar_symbol_get_data", z.symbolData, e);
        resolve(lib, "zbar_symbol_get_data_length", z.symbolDataLength, e);
        return z;
    }();
    return z;
}

} // namespace

bool barcodeReaderAvailable(QString* error)
{
    *error = zbar().error;
    return error->isEmpty();
}

QStringList readBarcodes(const QImage& grey)
{
    QStringList found;
    const Zbar& z = zbar();
    if (grey.isNull() || !z.error.isEmpty())
        return found;
    const int w = grey.width(), h = grey.height();
    QByteArray pixels(qsizetype(w) * h, '\0');
    for (int y = 0; y < h; ++y)
        std::memcpy(pixels.data() + qsizetype(y) * w, grey.constScanLine(y), size_t(w));
    ZbarScanner* scanner = z.scannerCreate();
    z.scannerSetConfig(scanner, ZbarNone, ZbarCfgEnable, 1);
    ZbarImage* image = z.imageCreate();
    z.imageSetFormat(image, GreyFourcc);
    z.imageSetSize(image, unsigned(w), unsigned(h));
    z.imageSetData(image, pixels.constData(), static_cast<unsigned long>(pixels.size()), nullptr);
    if (z.scanImage(scanner, image) > 0)
        for (const ZbarSymbol* s = z.firstSymbol(image); s; s = z.nextSymbol(s))
            found.append(QString::fromUtf8(z.symbolData(s), int(z.symbolDataLength(s))));
    z.imageDestroy(image);
    z.scannerDestroy(scanner);
    return found;
}

} // namespace kyt::cli
