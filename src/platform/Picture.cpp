#include "platform/Picture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <cmath>

namespace kyt {

Picture::Picture(QImage image, PicType type) : m_image(std::move(image)), m_type(m_image.isNull() ? None : type) {}

Picture Picture::read(QIODevice* device, QString* errorString)
{
    QImageReader reader(device);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    if (format.isEmpty()) {
        if (errorString)
            *errorString = QStringLiteral("Unsupported or damaged picture data");
        return {};
    }
    const QSize size = reader.size();
    if (size.isValid()
        && (size.width() > MaxSide || size.height() > MaxSide || qint64(size.width()) * size.height() > MaxPixels)) {
        if (errorString)
            *errorString = QStringLiteral("Picture is too large (%1 x %2 pixels)").arg(size.width()).arg(size.height());
        return {};
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        if (errorString)
            *errorString = QStringLiteral("Invalid picture: ") + reader.errorString();
        return {};
    }
    const PicType type = (format == "ico" || format == "cur") ? Icon : Bitmap;
    return Picture(std::move(image), type);
}

Picture Picture::fromFile(const QString& fileName, QString* errorString)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) {
        if (errorString)
            *errorString = QStringLiteral("File not found: ") + fileName;
        return {};
    }
    return read(&f, errorString);
}

Picture Picture::fromData(const QByteArray& bytes, QString* errorString)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return read(&buffer, errorString);
}

QByteArray Picture::toBmp() const
{
    if (m_image.isNull())
        return {};
    QImage img = m_image.hasAlphaChannel() ? m_image.convertToFormat(QImage::Format_ARGB32)
                                           : m_image.convertToFormat(QImage::Format_RGB888);
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(img))
        return {};
    return out;
}

int Picture::Width() const
{
    return m_image.isNull() ? 0 : static_cast<int>(std::lround(m_image.width() * 2540.0 / 96.0));
}

int Picture::Height() const
{
    return m_image.isNull() ? 0 : static_cast<int>(std::lround(m_image.height() * 2540.0 / 96.0));
}

bool Picture::operator==(const Picture& other) const
{
    return m_type == other.m_type && (m_image.cacheKey() == other.m_image.cacheKey() || m_image == other.m_image);
}

} // namespace kyt
