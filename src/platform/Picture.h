#pragma once
// A picture as the card model sees it: a type (0 none), a size in
// hundredths of a millimetre (pixels taken at 96 per inch, as on screen),
// loading from files or memory (BMP, ICO, JPEG, GIF, PNG) and saving as BMP
// for the template file. Copies share the pixels, so a picture used on many
// pages is one image (and one embedded object in a PDF).

#include <QImage>
#include <QMetaType>
#include <QString>
#include "kyt/kytcore_export.h"

class QIODevice;

namespace kyt {

class KYTCORE_EXPORT Picture {
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

    // The picture as a Windows bitmap file: 24-bit, or 32-bit with an alpha
    // mask when it has alpha. Empty for an empty picture.
    QByteArray toBmp() const;

    int Type() const { return m_image.isNull() ? None : m_type; }
    bool isNull() const { return m_image.isNull(); }
    // Hundredths of a millimetre.
    int Width() const;
    int Height() const;
    const QImage& image() const { return m_image; }

    // Same pixels (shared, or equal in content).
    bool operator==(const Picture& other) const;
    bool operator!=(const Picture& other) const { return !(*this == other); }

private:
    static Picture read(QIODevice* device, QString* errorString);
    QImage m_image;
    int m_type = None;
};

} // namespace kyt

Q_DECLARE_METATYPE(kyt::Picture)
