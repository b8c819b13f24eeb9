#include "objects/PlaceholderPhoto.h"

#include <QImage>
#include <QImageReader>

namespace kyt
{

Picture placeholderPhoto()
{
    // A picture file, not drawn here: antialiased drawing would start Qt's
    // pool of painting threads in every command that loads a template.
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
