#include "platform/Picture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QStringList>
#include <QtEndian>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace kyt
{

Picture::Picture(QImage image, PicType type)
    : m_image(std::move(image))
    , m_type(m_image.isNull() ? None : type)
{
}

namespace
{

// The size a bitmap header claims, read without decoding, so a claim beyond
// the limits gets a clear "too large" report even where the decoder gives up
// on its own.
QSize bmpClaimedSize(QIODevice* device)
{
    const QByteArray head = device->peek(26);
    if (head.size() < 26 || !head.startsWith("BM"))
        return {};
    const char* p = head.constData() + 14;
    const quint32 infoSize = qFromLittleEndian<quint32>(p);
    if (infoSize == 12)
        return QSize(qFromLittleEndian<quint16>(p + 4), qFromLittleEndian<quint16>(p + 6));
    const qint64 w = qFromLittleEndian<qint32>(p + 4);
    const qint64 h = qFromLittleEndian<qint32>(p + 8);
    return QSize(int(std::min<qint64>(std::llabs(w), INT_MAX)), int(std::min<qint64>(std::llabs(h), INT_MAX)));
}

void putLE16(QByteArray& b, quint16 v)
{
    char x[2];
    qToLittleEndian(v, x);
    b.append(x, 2);
}

void putLE32(QByteArray& b, quint32 v)
{
    char x[4];
    qToLittleEndian(v, x);
    b.append(x, 4);
}

// Whether a JPEG file's data can go into a document as it is and show the
// pixels the decoder gives: baseline, extended or progressive DCT with 8-bit
// samples, one (grey) or three (colour) components, and no Exif orientation
// the reader would apply. Walks the segments up to the frame header.
struct JpegFrame {
    int width = 0, height = 0, components = 0; // components 0: not as it is
};

JpegFrame jpegFrame(const QByteArray& b)
{
    const auto* d = reinterpret_cast<const unsigned char*>(b.constData());
    const qsizetype n = b.size();
    if (n < 4 || d[0] != 0xFF || d[1] != 0xD8)
        return {};
    qsizetype i = 2;
    while (i + 4 <= n) {
        if (d[i] != 0xFF)
            return {};
        const unsigned char marker = d[i + 1];
        if (marker == 0xFF) {
            ++i; // fill byte
            continue;
        }
        const qsizetype len = (qsizetype(d[i + 2]) << 8) | d[i + 3];
        if (len < 2 || i + 2 + len > n)
            return {};
        const unsigned char* seg = d + i + 4;
        const qsizetype segLen = len - 2;
        if (marker == 0xE1 && segLen >= 14 && std::memcmp(seg, "Exif\0\0", 6) == 0) {
            // Any orientation other than "as stored" is applied on reading.
            const unsigned char* tiff = seg + 6;
            const qsizetype tiffLen = segLen - 6;
            const bool le = tiff[0] == 'I';
            auto u16 = [&](qsizetype at) -> int {
                if (at + 2 > tiffLen)
                    return -1;
                return le ? tiff[at] | (tiff[at + 1] << 8) : (tiff[at] << 8) | tiff[at + 1];
            };
            auto u32 = [&](qsizetype at) -> qint64 {
                if (at + 4 > tiffLen)
                    return -1;
                return le ? qint64(tiff[at]) | (qint64(tiff[at + 1]) << 8) | (qint64(tiff[at + 2]) << 16)
                        | (qint64(tiff[at + 3]) << 24)
                          : (qint64(tiff[at]) << 24) | (qint64(tiff[at + 1]) << 16) | (qint64(tiff[at + 2]) << 8)
                        | qint64(tiff[at + 3]);
            };
            const qint64 ifd = u32(4);
            const int entries = ifd >= 0 ? u16(ifd) : -1;
            if (entries < 0)
                return {};
            for (int e = 0; e < entries; ++e) {
                const qsizetype at = ifd + 2 + qsizetype(e) * 12;
                const int tag = u16(at);
                if (tag < 0)
                    return {};
                if (tag == 0x0112 && u16(at + 8) > 1)
                    return {};
            }
        } else if (marker == 0xEE && segLen >= 12 && std::memcmp(seg, "Adobe", 5) == 0) {
            if (seg[11] == 2)
                return {}; // YCCK
        } else if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2) {
            if (segLen < 6 || seg[0] != 8 || (seg[5] != 1 && seg[5] != 3))
                return {};
            JpegFrame f;
            f.height = (seg[1] << 8) | seg[2];
            f.width = (seg[3] << 8) | seg[4];
            f.components = f.width > 0 && f.height > 0 ? seg[5] : 0;
            return f;
        } else if ((marker >= 0xC3 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            || marker == 0xDA) {
            return {}; // lossless, hierarchical, arithmetic, or no frame before the scan
        }
        i += 2 + len;
    }
    return {};
}

bool jpegPassesAsIs(const QByteArray& b)
{
    return jpegFrame(b).components > 0;
}

// The format the first bytes name, for the formats photos and logos come
// in; empty for any other. Told the format, Qt loads only its reader: when
// it has to guess, it loads every image plugin installed (SVG's with Qt
// Svg among them) to ask each.
QByteArray formatByContent(const QByteArray& head)
{
    if (head.startsWith("\xFF\xD8\xFF"))
        return "jpeg";
    if (head.startsWith("\x89PNG\r\n\x1a\n"))
        return "png";
    if (head.startsWith("GIF87a") || head.startsWith("GIF89a"))
        return "gif";
    if (head.startsWith("BM"))
        return "bmp";
    return {};
}

} // namespace

Picture Picture::read(QIODevice* device, QString* errorString, qint64 maxPixels)
{
    maxPixels = std::min(maxPixels, MaxPixels);
    const QSize bmpSize = bmpClaimedSize(device); // before the reader moves the device
    QImageReader reader(device);
    if (const QByteArray format = formatByContent(device->peek(8)); !format.isEmpty()) {
        reader.setFormat(format);
        reader.setAutoDetectImageFormat(false);
    }
    reader.setAutoTransform(true);
    // Second line of defence for formats whose size is only known while
    // decoding: Qt refuses to allocate more than this many megabytes.
    reader.setAllocationLimit(static_cast<int>(std::max<qint64>(1, maxPixels * 4 / (1024 * 1024))));
    const QByteArray format = reader.format();
    if (format.isEmpty()) {
        if (errorString)
            *errorString = QCoreApplication::translate("kyt::Picture", "Unsupported or damaged picture data");
        return {};
    }
    QSize size = reader.size();
    if (!size.isValid())
        size = bmpSize;
    if (size.isValid()
        && (size.width() > MaxSide || size.height() > MaxSide || qint64(size.width()) * size.height() > maxPixels)) {
        if (errorString)
            *errorString
                = qint64(size.width()) * size.height() > MaxPixels || size.width() > MaxSide || size.height() > MaxSide
                ? QCoreApplication::translate("kyt::Picture", "Picture is too large (%1 x %2 pixels)")
                      .arg(size.width())
                      .arg(size.height())
                : QCoreApplication::translate(
                    "kyt::Picture", "Picture is too large (%1 x %2 pixels; %3 pixels are left of the budget)")
                      .arg(size.width())
                      .arg(size.height())
                      .arg(maxPixels);
        return {};
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        if (errorString)
            *errorString = QCoreApplication::translate("kyt::Picture", "Invalid picture: ") + reader.errorString();
        return {};
    }
    const PicType type = (format == "ico" || format == "cur") ? Icon : Bitmap;
    Picture picture(std::move(image), type);
    // A bitmap file is kept as it came, so writing it again costs what
    // reading it did (a run-length coded bitmap stays small).
    if (format == "bmp" && device->seek(0))
        picture.m_bmp = device->readAll();
    // A JPEG is kept too, so a document can hold the file instead of the
    // pixels encoded again.
    if (format == "jpeg" && picture.m_image.size() == size && device->seek(0)) {
        QByteArray bytes = device->readAll();
        if (jpegPassesAsIs(bytes))
            picture.m_jpeg = std::move(bytes);
    }
    return picture;
}

Picture Picture::undecodedJpeg(const QByteArray& bytes, QString* errorString)
{
    const JpegFrame f = jpegFrame(bytes);
    if (f.components == 0) {
        if (errorString)
            *errorString = QCoreApplication::translate("kyt::Picture", "Not a JPEG file a document can hold as it is");
        return {};
    }
    if (qint64(f.width) * f.height > MaxPixels || f.width > MaxSide || f.height > MaxSide) {
        if (errorString)
            *errorString = QCoreApplication::translate("kyt::Picture", "Picture is too large (%1 x %2 pixels)")
                               .arg(f.width)
                               .arg(f.height);
        return {};
    }
    QImage standIn(1, 1, f.components == 1 ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    standIn.fill(Qt::white);
    Picture p(std::move(standIn));
    p.m_jpeg = bytes;
    p.m_undecoded = QSize(f.width, f.height);
    return p;
}

Picture Picture::fromFile(const QString& fileName, QString* errorString)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        if (errorString)
            *errorString = QCoreApplication::translate("kyt::Picture", "File not found: ") + fileName;
        return {};
    }
    return read(&f, errorString);
}

Picture Picture::fromData(const QByteArray& bytes, QString* errorString)
{
    return fromData(bytes, errorString, MaxPixels);
}

Picture Picture::fromData(const QByteArray& bytes, QString* errorString, qint64 maxPixels)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(&buffer, errorString, maxPixels);
}

QByteArray Picture::toRle8Bmp() const
{
    // At most 256 colours, found by walking the pixels (stops at the 257th).
    if (m_image.hasAlphaChannel())
        return {};
    const QImage img = m_image.convertToFormat(QImage::Format_RGB32);
    const int w = img.width();
    const int h = img.height();
    QHash<QRgb, int> index;
    QList<QRgb> palette;
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x] | 0xFF000000u;
            if (!index.contains(c)) {
                if (palette.size() == 256)
                    return {};
                index.insert(c, int(palette.size()));
                palette.append(c);
            }
        }
    }
    // Runs of one colour as (count, index); no absolute mode, which keeps
    // the coder short and is never much larger for card pictures.
    QByteArray pixels;
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        int x = 0;
        while (x < w) {
            const QRgb c = line[x] | 0xFF000000u;
            int run = 1;
            while (x + run < w && run < 255 && (line[x + run] | 0xFF000000u) == c)
                ++run;
            pixels.append(char(run)).append(char(index.value(c)));
            x += run;
        }
        pixels.append('\0').append('\0'); // end of line
        if (pixels.size() > qint64(INT_MAX) / 2)
            return {};
    }
    pixels.append('\0').append('\1'); // end of bitmap
    const quint32 offset = 14 + 40 + 4 * quint32(palette.size());
    QByteArray out;
    out.reserve(int(offset + pixels.size()));
    out.append("BM", 2);
    putLE32(out, quint32(offset + pixels.size()));
    putLE32(out, 0);
    putLE32(out, offset);
    putLE32(out, 40);
    putLE32(out, quint32(w));
    putLE32(out, quint32(h));
    putLE16(out, 1);
    putLE16(out, 8);
    putLE32(out, 1); // BI_RLE8
    putLE32(out, quint32(pixels.size()));
    putLE32(out, 3780);
    putLE32(out, 3780);
    putLE32(out, quint32(palette.size()));
    putLE32(out, 0);
    for (QRgb c : palette)
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    out.append(pixels);
    return out;
}

QByteArray Picture::toBmp() const
{
    if (m_image.isNull())
        return {};
    if (!m_bmp.isEmpty())
        return m_bmp;
    // A picture of few colours (a logo, a scanned signature) is kept small.
    if (const QByteArray rle = toRle8Bmp(); !rle.isEmpty()) {
        const qint64 trueColour = (qint64(m_image.width()) * 3 + 3) / 4 * 4 * m_image.height() + 54;
        if (rle.size() < trueColour)
            return rle;
    }
    // Written by hand: Qt's own writer drops the alpha channel. Opaque
    // pictures are 24-bit BI_RGB; pictures with alpha are 32-bit with a
    // version 4 header whose bit fields include the alpha mask.
    const bool alpha = m_image.hasAlphaChannel();
    const QImage img = m_image.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const int w = img.width();
    const int h = img.height();
    const qint64 rowBytes = alpha ? qint64(w) * 4 : (qint64(w) * 3 + 3) / 4 * 4;
    const qint64 pixelBytes = rowBytes * h;
    const quint32 infoSize = alpha ? 108 : 40;
    const qint64 offset = 14 + infoSize;
    if (offset + pixelBytes > qint64(INT_MAX))
        return {};

    QByteArray out;
    out.reserve(int(offset + pixelBytes));
    out.append("BM", 2);
    putLE32(out, quint32(offset + pixelBytes));
    putLE32(out, 0);
    putLE32(out, quint32(offset));
    putLE32(out, infoSize);
    putLE32(out, quint32(w));
    putLE32(out, quint32(h)); // bottom-up rows
    putLE16(out, 1);
    putLE16(out, alpha ? 32 : 24);
    putLE32(out, alpha ? 3 : 0); // BI_BITFIELDS : BI_RGB
    putLE32(out, quint32(pixelBytes));
    putLE32(out, 3780); // 96 per inch in pixels per metre
    putLE32(out, 3780);
    putLE32(out, 0);
    putLE32(out, 0);
    if (alpha) {
        putLE32(out, 0x00FF0000u);
        putLE32(out, 0x0000FF00u);
        putLE32(out, 0x000000FFu);
        putLE32(out, 0xFF000000u);
        putLE32(out, 0x73524742u); // 'sRGB'
        out.append(QByteArray(48, '\0')); // end points and gamma, unused for sRGB
    }
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        const qsizetype start = out.size();
        for (int x = 0; x < w; ++x) {
            const QRgb c = line[x];
            out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
            if (alpha)
                out.append(char(qAlpha(c)));
        }
        while (out.size() - start < rowBytes)
            out.append('\0');
    }
    return out;
}

int Picture::Width() const
{
    if (m_undecoded.isValid())
        return static_cast<int>(std::lround(m_undecoded.width() * 2540.0 / 96.0));
    return m_image.isNull() ? 0 : static_cast<int>(std::lround(m_image.width() * 2540.0 / 96.0));
}

int Picture::Height() const
{
    if (m_undecoded.isValid())
        return static_cast<int>(std::lround(m_undecoded.height() * 2540.0 / 96.0));
    return m_image.isNull() ? 0 : static_cast<int>(std::lround(m_image.height() * 2540.0 / 96.0));
}

bool Picture::operator==(const Picture& other) const
{
    return m_type == other.m_type && (m_image.cacheKey() == other.m_image.cacheKey() || m_image == other.m_image);
}

QString pictureOpenFilter()
{
    // Familiar formats first, under the names people know them by; any
    // other format the readers take follows under its own name.
    static const std::pair<const char*, const char*> known[] = { { "bmp", "Bitmaps" }, { "ico", "Icons" },
        { "jpg", "JPEG" }, { "jpeg", "JPEG" }, { "gif", "GIF" }, { "png", "PNG" } };
    QStringList formats;
    for (const QByteArray& f : QImageReader::supportedImageFormats()) {
        const QString name = QString::fromLatin1(f).toLower();
        if (!formats.contains(name))
            formats << name;
    }
    QList<std::pair<QString, QStringList>> entries; // description, patterns
    auto add = [&](const QString& description, const QString& format) {
        const QString pattern = QStringLiteral("*.") + format;
        for (auto& [d, patterns] : entries)
            if (d == description) {
                patterns << pattern;
                return;
            }
        entries.push_back({ description, { pattern } });
    };
    for (const auto& [format, description] : known)
        if (formats.contains(QLatin1String(format)))
            add(QLatin1String(description), QLatin1String(format));
    for (const QString& format : std::as_const(formats)) {
        const bool isKnown = std::any_of(
            std::begin(known), std::end(known), [&](const auto& k) { return format == QLatin1String(k.first); });
        if (!isKnown)
            add(format.toUpper(), format);
    }
    QStringList all;
    QStringList parts;
    for (const auto& [description, patterns] : std::as_const(entries)) {
        all << patterns;
        parts << description + QLatin1Char('(') + patterns.join(QLatin1Char(';')) + QLatin1Char(')')
              << patterns.join(QLatin1Char(';'));
    }
    parts.prepend(all.join(QLatin1Char(';')));
    parts.prepend(QCoreApplication::translate("kyt::Picture", "All Supported Formats"));
    return parts.join(QLatin1Char('|'));
}

} // namespace kyt
