#include "objects/PlaceholderPhoto.h"

#include <QImage>
#include <QImageReader>

namespace kyt
{

Picture placeholderPhoto()
{
    // A picture file, not drawn here: antialiased drawing starts Qt's pool
    // of painting threads, a millisecond of every command's start-up.
    static const Picture picture = [] {
        QImageReader reader(QStringLiteral(":/kytpreview/pictures/placeholder-photo.png"), "png");
        reader.setAutoDetectImageFormat(false); // else every image plugin is loaded to ask
        const QImage image = reader.read();
        Q_ASSERT(!image.isNull());
        return Picture(image.convertToFormat(QImage::Format_RGB888));
    }();
    return picture;
}

} // namespace kyt
