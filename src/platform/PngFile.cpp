#include "platform/PngFile.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QImage>
#include <QtEndian>
#include <cstdlib>
#include <vector>
#include <zlib.h>

namespace kyt
{

namespace
{

class ChunkWriter
{
public:
    explicit ChunkWriter(QIODevice* device)
        : m_device(device)
    {
    }
    bool ok() const { return m_ok; }

    void raw(const void* data, qint64 size)
    {
        if (m_ok && m_device->write(static_cast<const char*>(data), size) != size)
            m_ok = false;
    }
    void chunk(const char type[4], const unsigned char* data, quint32 size)
    {
        const quint32 length = qToBigEndian(size);
        raw(&length, 4);
        raw(type, 4);
        raw(data, size);
        uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type), 4);
        if (size > 0) // zlib starts over when given no buffer
            crc = crc32(crc, data, size);
        const quint32 big = qToBigEndian(quint32(crc));
        raw(&big, 4);
    }

private:
    QIODevice* m_device;
    bool m_ok = true;
};

unsigned char paeth(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return static_cast<unsigned char>(pa <= pb && pa <= pc ? a : (pb <= pc ? b : c));
}

} // namespace

bool writePng(QIODevice* device, const QImage& source, QString* error)
{
    auto failed = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (source.isNull())
        return failed(QCoreApplication::translate("kyt::Picture", "There is no picture to write"));
    const bool alpha = source.hasAlphaChannel();
    const QImage image = source.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const int channels = alpha ? 4 : 3;
    const qsizetype stride = qsizetype(image.width()) * channels;

    ChunkWriter out(device);
    out.raw("\x89PNG\r\n\x1a\n", 8);
    unsigned char header[13];
    qToBigEndian(quint32(image.width()), header);
    qToBigEndian(quint32(image.height()), header + 4);
    header[8] = 8; // bits per sample
    header[9] = alpha ? 6 : 2; // RGBA, RGB
    header[10] = header[11] = header[12] = 0; // deflate, adaptive filters, not interlaced
    out.chunk("IHDR", header, sizeof header);
    if (image.dotsPerMeterX() > 0 && image.dotsPerMeterY() > 0) {
        unsigned char phys[9];
        qToBigEndian(quint32(image.dotsPerMeterX()), phys);
        qToBigEndian(quint32(image.dotsPerMeterY()), phys + 4);
        phys[8] = 1; // metres
        out.chunk("pHYs", phys, sizeof phys);
    }

    z_stream z {};
    if (deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 15, 8, Z_RLE) != Z_OK)
        return failed(QStringLiteral("zlib: %1").arg(QLatin1String(z.msg ? z.msg : "out of memory")));
    std::vector<unsigned char> row(size_t(stride) + 1), zeros(size_t(stride), 0);
    std::vector<unsigned char> compressed(64 * 1024);
    auto pump = [&](int flush) {
        do {
            z.next_out = compressed.data();
            z.avail_out = uInt(compressed.size());
            deflate(&z, flush);
            if (const uInt n = uInt(compressed.size()) - z.avail_out; n > 0)
                out.chunk("IDAT", compressed.data(), n);
        } while (z.avail_out == 0 && out.ok());
    };
    row[0] = 4; // Paeth
    for (int y = 0; y < image.height() && out.ok(); ++y) {
        const unsigned char* line = image.constScanLine(y);
        const unsigned char* above = y > 0 ? image.constScanLine(y - 1) : zeros.data();
        for (qsizetype x = 0; x < stride; ++x) {
            const int a = x >= channels ? line[x - channels] : 0;
            const int c = x >= channels ? above[x - channels] : 0;
            row[size_t(x) + 1] = static_cast<unsigned char>(line[x] - paeth(a, above[x], c));
        }
        z.next_in = row.data();
        z.avail_in = uInt(row.size());
        pump(Z_NO_FLUSH);
    }
    if (out.ok())
        pump(Z_FINISH);
    deflateEnd(&z);
    out.chunk("IEND", nullptr, 0);
    if (!out.ok())
        return failed(device->errorString().isEmpty()
                ? QCoreApplication::translate("kyt::Picture", "The picture could not be written")
                : device->errorString());
    return true;
}

} // namespace kyt
