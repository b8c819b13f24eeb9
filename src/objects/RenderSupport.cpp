#include "objects/RenderSupport.h"

#include "control/CError.h"
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

void reportFailure(const std::shared_ptr<CError>& g_oError, const std::exception& e, const QString& source)
{
    if (g_oError)
        g_oError->Report(e, source);
}

} // namespace kyt::render
