// Pictures as Windows programs write them: bitmaps in every bit depth
// (hand-assembled here, bottom-up rows, palettes, RLE), icons, JPEG, GIF and
// PNG; the size in hundredths of a millimetre; the BMP bytes for the
// template file; and refusal of pictures that claim huge dimensions.
#include <gtest/gtest.h>

#include "platform/Picture.h"
#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>
#include <functional>

using namespace kyt;

namespace
{

void put16(QByteArray& b, quint16 v)
{
    char x[2];
    qToLittleEndian(v, x);
    b.append(x, 2);
}
void put32(QByteArray& b, quint32 v)
{
    char x[4];
    qToLittleEndian(v, x);
    b.append(x, 4);
}
void putBE32(QByteArray& b, quint32 v)
{
    char x[4];
    qToBigEndian(v, x);
    b.append(x, 4);
}

QRgb paletteColor(int i)
{
    return qRgb(i * 16 % 256, 255 - i * 16 % 256, (i * 37) % 256);
}

// Index of pixel (x, y), y counted from the top, for a palette of n colours.
int indexAt(int x, int y, int n)
{
    return (x * 3 + y * 5) % n;
}

QRgb trueColorAt(int x, int y)
{
    return qRgb(x * 40 % 256, y * 60 % 256, (x + y) * 20 % 256);
}

enum Compression { Plain = 0, Rle8 = 1, Rle4 = 2 };

// A Windows bitmap file of w x h pixels. Indexed depths use the palette
// above; 24 and 32 bits use trueColorAt.
QByteArray makeBmp(int w, int h, int bpp, Compression compression = Plain, int claimedW = 0, int claimedH = 0)
{
    const int colors = bpp <= 8 ? (1 << bpp) : 0;
    QByteArray pixels;
    for (int row = h - 1; row >= 0; --row) { // bottom-up
        QByteArray line;
        if (compression == Rle8) {
            for (int x = 0; x < w; ++x) {
                line.append(char(1));
                line.append(char(indexAt(x, row, colors)));
            }
            line.append(char(0)).append(char(0)); // end of line
        } else if (compression == Rle4) {
            for (int x = 0; x < w; ++x) {
                line.append(char(1));
                line.append(char(indexAt(x, row, colors) << 4));
            }
            line.append(char(0)).append(char(0));
        } else {
            if (bpp <= 8) {
                int acc = 0, bits = 0;
                for (int x = 0; x < w; ++x) {
                    acc = (acc << bpp) | indexAt(x, row, colors);
                    bits += bpp;
                    if (bits == 8) {
                        line.append(char(acc));
                        acc = bits = 0;
                    }
                }
                if (bits)
                    line.append(char(acc << (8 - bits)));
            } else {
                for (int x = 0; x < w; ++x) {
                    const QRgb c = trueColorAt(x, row);
                    line.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
                    if (bpp == 32)
                        line.append(char(0));
                }
            }
            while (line.size() % 4)
                line.append(char(0));
        }
        pixels += line;
    }
    if (compression != Plain)
        pixels.append(char(0)).append(char(1)); // end of bitmap

    QByteArray info;
    put32(info, 40);
    put32(info, quint32(claimedW ? claimedW : w));
    put32(info, quint32(claimedH ? claimedH : h));
    put16(info, 1);
    put16(info, quint16(bpp));
    put32(info, quint32(compression));
    put32(info, quint32(pixels.size()));
    put32(info, 3780);
    put32(info, 3780);
    put32(info, quint32(colors));
    put32(info, 0);
    for (int i = 0; i < colors; ++i) {
        const QRgb c = paletteColor(i);
        info.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append(char(0));
    }
    QByteArray file("BM");
    const quint32 offset = 14 + info.size();
    put32(file, offset + pixels.size());
    put32(file, 0);
    put32(file, offset);
    return file + info + pixels;
}

quint32 crc32(const QByteArray& data)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char ch : data) {
        crc ^= quint8(ch);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A PNG whose header claims w x h pixels, followed by a tiny (wrong-sized)
// data chunk: the size check must fire before any decoding.
QByteArray makePngHeaderOnly(quint32 w, quint32 h)
{
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray ihdr("IHDR");
    putBE32(ihdr, w);
    putBE32(ihdr, h);
    ihdr.append(char(8)).append(char(2)).append(char(0)).append(char(0)).append(char(0));
    putBE32(png, 13);
    png += ihdr;
    putBE32(png, crc32(ihdr));
    QByteArray idat("IDAT");
    idat += QByteArray::fromHex("789c030000000001"); // empty zlib stream
    putBE32(png, quint32(idat.size() - 4));
    png += idat;
    putBE32(png, crc32(idat));
    QByteArray iend("IEND");
    putBE32(png, 0);
    png += iend;
    putBE32(png, crc32(iend));
    return png;
}

// A 2 x 2 GIF with a four-colour palette and pixels 0, 1, 2, 3. The LZW
// stream sends a clear code before every pixel so every code stays 3 bits.
QByteArray makeGif()
{
    QByteArray g("GIF89a");
    put16(g, 2);
    put16(g, 2);
    g.append(char(0x81)).append(char(0)).append(char(0)); // global table, 4 colours
    const QRgb pal[4] = { qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255) };
    for (QRgb c : pal)
        g.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    g.append(',');
    put16(g, 0);
    put16(g, 0);
    put16(g, 2);
    put16(g, 2);
    g.append(char(0));
    g.append(char(2)); // minimum code size
    const int codes[] = { 4, 0, 4, 1, 4, 2, 4, 3, 5 };
    QByteArray data;
    quint32 acc = 0;
    int bits = 0;
    for (int c : codes) {
        acc |= quint32(c) << bits;
        bits += 3;
        while (bits >= 8) {
            data.append(char(acc & 0xFF));
            acc >>= 8;
            bits -= 8;
        }
    }
    if (bits)
        data.append(char(acc & 0xFF));
    g.append(char(data.size()));
    g += data;
    g.append(char(0));
    g.append(';');
    return g;
}

QByteArray encode(const QImage& img, const char* format)
{
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, format);
    w.setQuality(100);
    EXPECT_TRUE(w.write(img)) << format << ": " << qPrintable(w.errorString());
    return out;
}

QImage testImage(int w, int h, bool alpha = false)
{
    QImage img(w, h, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb c = trueColorAt(x, y);
            img.setPixel(x, y, alpha ? qRgba(qRed(c), qGreen(c), qBlue(c), (x * 50 + 5) % 256) : c);
        }
    return img;
}

bool pixelEqual(const QImage& a, const QImage& b)
{
    return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

struct BmpCase {
    const char* name;
    int bpp;
    Compression compression;
};

class BmpDepths : public ::testing::TestWithParam<BmpCase>
{
};

TEST_P(BmpDepths, ReadsEveryPixel)
{
    const BmpCase c = GetParam();
    const int w = 7, h = 5; // odd width exercises row padding
    QString error;
    const Picture pic = Picture::fromData(makeBmp(w, h, c.bpp, c.compression), &error);
    ASSERT_FALSE(pic.isNull()) << qPrintable(error);
    EXPECT_EQ(pic.Type(), Picture::Bitmap);
    ASSERT_EQ(pic.image().size(), QSize(w, h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb expected = c.bpp <= 8 ? paletteColor(indexAt(x, y, 1 << c.bpp)) : trueColorAt(x, y);
            ASSERT_EQ(pic.image().pixel(x, y) & 0xFFFFFF, expected & 0xFFFFFF) << c.name << " at " << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Picture, BmpDepths,
    ::testing::Values(BmpCase { "1bit", 1, Plain }, BmpCase { "4bit", 4, Plain }, BmpCase { "8bit", 8, Plain },
        BmpCase { "24bit", 24, Plain }, BmpCase { "32bit", 32, Plain }, BmpCase { "rle8", 8, Rle8 },
        BmpCase { "rle4", 4, Rle4 }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Picture, ReadsOtherFormatsFromBytesAndFiles)
{
    const QImage img = testImage(12, 9);
    struct Row {
        const char* format;
        int type;
        bool exact;
    } rows[] = { { "png", Picture::Bitmap, true }, { "jpg", Picture::Bitmap, false }, { "ico", Picture::Icon, true } };
    QTemporaryDir dir;
    for (const Row& r : rows) {
        const QByteArray bytes = encode(img, r.format);
        QString error;
        const Picture fromBytes = Picture::fromData(bytes, &error);
        ASSERT_FALSE(fromBytes.isNull()) << r.format << ": " << qPrintable(error);
        EXPECT_EQ(fromBytes.Type(), r.type) << r.format;
        EXPECT_EQ(fromBytes.image().size(), img.size()) << r.format;
        if (r.exact)
            EXPECT_TRUE(pixelEqual(fromBytes.image(), img)) << r.format;
        else // lossy: colours close
            EXPECT_LE(std::abs(qRed(fromBytes.image().pixel(6, 4)) - qRed(img.pixel(6, 4))), 24) << r.format;

        // A misleading extension does not matter: the content decides.
        const QString path = dir.filePath(QStringLiteral("pic_%1.dat").arg(QLatin1String(r.format)));
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        const Picture fromFile = Picture::fromFile(path, &error);
        ASSERT_FALSE(fromFile.isNull()) << r.format << ": " << qPrintable(error);
        EXPECT_TRUE(fromFile == fromBytes) << r.format;
    }
}

TEST(Picture, ReadsGif)
{
    QString error;
    const Picture pic = Picture::fromData(makeGif(), &error);
    ASSERT_FALSE(pic.isNull()) << qPrintable(error);
    EXPECT_EQ(pic.Type(), Picture::Bitmap);
    ASSERT_EQ(pic.image().size(), QSize(2, 2));
    EXPECT_EQ(pic.image().pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(pic.image().pixel(1, 0) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(pic.image().pixel(0, 1) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(pic.image().pixel(1, 1) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(Picture, SizeInHundredthsOfMillimetreAt96PerInch)
{
    const Picture pic(QImage(96, 48, QImage::Format_RGB32));
    EXPECT_EQ(pic.Width(), 2540);
    EXPECT_EQ(pic.Height(), 1270);
    const Picture odd(QImage(1, 3, QImage::Format_RGB32));
    EXPECT_EQ(odd.Width(), 26); // 26.458 rounds to 26
    EXPECT_EQ(odd.Height(), 79); // 79.375
    const Picture none;
    EXPECT_EQ(none.Type(), Picture::None);
    EXPECT_TRUE(none.toBmp().isEmpty());
}

TEST(Picture, BmpBytesRoundTripPixelEqual)
{
    for (bool alpha : { false, true }) {
        const Picture original(testImage(13, 6, alpha));
        const QByteArray bmp = original.toBmp();
        ASSERT_TRUE(bmp.startsWith("BM")) << alpha;
        EXPECT_EQ(qFromLittleEndian<quint32>(bmp.constData() + 2), quint32(bmp.size())) << "file size field";
        const quint16 bpp = qFromLittleEndian<quint16>(bmp.constData() + 28);
        EXPECT_EQ(bpp, alpha ? 32 : 24);
        QString error;
        const Picture back = Picture::fromData(bmp, &error);
        ASSERT_FALSE(back.isNull()) << qPrintable(error);
        EXPECT_TRUE(pixelEqual(back.image(), original.image())) << "alpha " << alpha;
    }
    // Indexed pictures are stored as true colour with the same pixels.
    const Picture indexed = Picture::fromData(makeBmp(9, 4, 4));
    ASSERT_FALSE(indexed.isNull());
    const Picture back = Picture::fromData(indexed.toBmp());
    EXPECT_TRUE(pixelEqual(back.image(), indexed.image()));
}

TEST(Picture, RefusesHugeDimensionsBeforeAllocating)
{
    struct Row {
        const char* name;
        QByteArray bytes;
    } rows[] = {
        { "bmp 100000x100000", makeBmp(2, 2, 24, Plain, 100000, 100000) },
        { "bmp 40000x1", makeBmp(2, 1, 24, Plain, 40000, 1) },
        { "png 100000x100000", makePngHeaderOnly(100000, 100000) },
        { "png 20000x20000", makePngHeaderOnly(20000, 20000) },
    };
    for (const Row& r : rows) {
        QString error;
        const Picture pic = Picture::fromData(r.bytes, &error);
        EXPECT_TRUE(pic.isNull()) << r.name;
        EXPECT_EQ(pic.Type(), Picture::None) << r.name;
        EXPECT_FALSE(error.isEmpty()) << r.name;
    }
    // The dimension limit itself is what refused the claimed size.
    QString error;
    Picture::fromData(makePngHeaderOnly(100000, 100000), &error);
    EXPECT_TRUE(error.contains(QLatin1String("too large"))) << qPrintable(error);
    Picture::fromData(makeBmp(2, 2, 24, Plain, 100000, 100000), &error);
    EXPECT_TRUE(error.contains(QLatin1String("too large"))) << qPrintable(error);
}

TEST(Picture, DamagedDataIsAnErrorNotACrash)
{
    const QByteArray good = makeBmp(7, 5, 8);
    const QByteArray cases[] = { QByteArray(), QByteArray("BM"), good.left(20), good.left(60),
        good.left(good.size() - 9), QByteArray("not a picture at all"), encode(testImage(8, 8), "png").left(40) };
    for (const QByteArray& bytes : cases) {
        QString error;
        const Picture pic = Picture::fromData(bytes, &error);
        if (pic.isNull())
            EXPECT_FALSE(error.isEmpty()) << bytes.size();
        else // a reader may keep a partly-decoded image; its size is still bounded
            EXPECT_LE(qint64(pic.image().width()) * pic.image().height(), Picture::MaxPixels);
    }
    QString error;
    EXPECT_TRUE(Picture::fromFile(QStringLiteral("/nonexistent/dir/x.bmp"), &error).isNull());
    EXPECT_TRUE(error.contains(QLatin1String("x.bmp")));
}

// Pictures of few colours are stored as 8-bit run-length bitmaps (much
// smaller, same pixels); a bitmap read from bytes is written back as it was.
TEST(Picture, FewColoursAreStoredRunLengthCoded)
{
    QImage img(300, 120, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y,
                (x / 7 + y / 5) % 3 == 0 ? qRgb(200, 30, 30)
                    : (x + y) % 97 == 0  ? qRgb(0, 0, 0)
                                         : qRgb(250, 250, 240));
    const Picture original(img);
    const QByteArray bmp = original.toBmp();
    ASSERT_TRUE(bmp.startsWith("BM"));
    EXPECT_EQ(qFromLittleEndian<quint16>(bmp.constData() + 28), 8) << "bits per pixel";
    EXPECT_EQ(qFromLittleEndian<quint32>(bmp.constData() + 30), 1u) << "BI_RLE8";
    EXPECT_LT(bmp.size(), 300 * 120 * 3 / 4);
    QString error;
    const Picture back = Picture::fromData(bmp, &error);
    ASSERT_FALSE(back.isNull()) << qPrintable(error);
    EXPECT_TRUE(pixelEqual(back.image(), original.image()));
    EXPECT_EQ(back.toBmp(), bmp) << "read bitmap bytes are kept";
}
