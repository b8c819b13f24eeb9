#pragma once
// A picture as the card model sees it: a type (0 none), a size in
// hundredths of a millimetre (pixels taken at 96 per inch, as on screen),
// loading from files or memory (BMP, ICO, JPEG, GIF, PNG) and saving as BMP
// for the template file. Copies share the pixels, so a picture used on many
// pages is one image (and one embedded object in a PDF).

#include "kyt/kytcore_export.h"
#include <QImage>
#include <QMetaType>
#include <QString>

class QIODevice;

namespace kyt
{

class KYTCORE_EXPORT Picture
{
public:
    enum PicType { None = 0, Bitmap = 1, Metafile = 2, Icon = 3 };

    // Pictures claiming more than this are refused before any pixel is allocated.
    static constexpr qint64 MaxPixels = 64LL * 1024 * 1024;
    static constexpr int MaxSide = 32768;

    Picture() = default;
    explicit Picture(QImage image, PicType type = Bitmap);

    // Load; on failure the picture stays empty and errorString() says why.
    static Picture fromFile(const QString& fileName, QString* errorString = nullptr);
    static Picture fromData(const QByteArray& bytes, QString* errorString = nullptr);
    // The same, refusing a picture of more than maxPixels (a share of a
    // larger budget, such as all the pictures of one template).
    static Picture fromData(const QByteArray& bytes, QString* errorString, qint64 maxPixels);

    // A JPEG file for a document that stores it as it is (see jpegData):
    // its size and bytes only, no pixel decoded; image() is a 1 x 1 stand-in,
    // so such a picture is for PDF pages joined by PrinterSurface::adoptPages
    // only. Null, with the reason, when the file cannot be stored as it is.
    static Picture undecodedJpeg(const QByteArray& bytes, QString* errorString = nullptr);
    bool isUndecoded() const { return m_undecoded.isValid(); }
    // Width and height in pixels (an undecoded JPEG's too).
    QSize pixelSize() const { return m_undecoded.isValid() ? m_undecoded : m_image.size(); }

    // The picture as a Windows bitmap file, in a compact form: the bitmap
    // file it was read from when it was one (run-length coding kept),
    // else 8-bit run-length coded when it has at most 256 colours and no
    // alpha, else 24-bit, or 32-bit with an alpha mask. Empty for an empty
    // picture or one whose bitmap would not fit in 2 GiB.
    QByteArray toBmp() const;

    int Type() const { return m_image.isNull() ? None : m_type; }
    bool isNull() const { return m_image.isNull(); }
    // Hundredths of a millimetre.
    int Width() const;
    int Height() const;
    const QImage& image() const { return m_image; }
    // The JPEG file the picture was read from, when a document can hold it
    // as it is: 8-bit greyscale or colour with nothing to turn or convert
    // (no orientation tag, no CMYK). Empty otherwise.
    const QByteArray& jpegData() const { return m_jpeg; }
    // Memory the picture holds: its pixels and the file kept with them.
    qint64 memoryBytes() const { return m_image.sizeInBytes() + m_bmp.size() + m_jpeg.size(); }

    // Same pixels (shared, or equal in content).
    bool operator==(const Picture& other) const;
    bool operator!=(const Picture& other) const { return !(*this == other); }

private:
    static Picture read(QIODevice* device, QString* errorString, qint64 maxPixels = MaxPixels);
    QByteArray toRle8Bmp() const;
    QImage m_image;
    int m_type = None;
    QByteArray m_bmp; // the bitmap file the picture was read from (shared, not copied)
    QByteArray m_jpeg; // the JPEG file, when it can be embedded as it is
    QSize m_undecoded; // the size of an undecoded JPEG
};

// The filter of an open dialog for pictures ("description|patterns" pairs),
// built from the formats this platform's image readers take: "All Supported
// Formats" first, then one entry per format. Open it at
// PictureOpenFilterIndex so every readable picture is listed.
KYTCORE_EXPORT QString pictureOpenFilter();
inline constexpr int PictureOpenFilterIndex = 1;

} // namespace kyt

Q_DECLARE_METATYPE(kyt::Picture)
