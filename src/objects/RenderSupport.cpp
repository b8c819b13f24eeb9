#include "objects/RenderSupport.h"

#include "errors/CError.h"
#include "platform/surface/Surface.h"

namespace kyt::render
{

bool isPrinter(const Surface& surface)
{
    return surface.TypeName().compare(QLatin1String("Printer"), Qt::CaseInsensitive) == 0;
}

double printerTwipsPerPixelX(const Surface& surface)
{
    return isPrinter(surface) ? surface.TwipsPerPixelX() : 1440.0 / DefaultPrinterDpi;
}

double printerTwipsPerPixelY(const Surface& surface)
{
    return isPrinter(surface) ? surface.TwipsPerPixelY() : 1440.0 / DefaultPrinterDpi;
}

void drawOutline(Surface& surface, qint16 border, double x1, double y1, double x2, double y2)
{
    if (border == 0)
        return;
    surface.setDrawWidth(outlineWidth(border));
    surface.Line(x1, y1, x2, y2, 0u, Surface::LineKind::Box);
}

void paintFramedPicture(
    Surface& surface, const Picture& picture, double x, double y, double w, double h, qint16 border, double inset)
{
    if (border == 0) {
        surface.PaintPicture(picture, x, y, w, h);
        return;
    }
    surface.PaintPicture(picture, x + inset, y + inset, w - inset, h - inset);
    drawOutline(surface, border, x, y, x + w, y + h);
}

void reportFailure(const std::shared_ptr<CError>& g_oError, const std::exception& e, const QString& source)
{
    if (g_oError)
        g_oError->Report(e, source);
}

} // namespace kyt::render
