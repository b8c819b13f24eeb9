#include "objects/CLogoObject.h"
#include <QCoreApplication>

#include "errors/CError.h"
#include "objects/RenderSupport.h"
#include "platform/surface/Surface.h"

namespace kyt
{

bool CLogoObject::Render(const CardScale& oTemplate, Surface& oPrinter, std::shared_ptr<CError>& g_oError,
    std::shared_ptr<FieldValues>& /*oPrintData*/, float sgXOffset, float sgYOffset)
{
    try {
        const ScaledBox box = scaledBox(oTemplate);
        if (Image().Type() <= 0)
            throw KytError(
                481, QCoreApplication::translate("kyt::CDesignObject", "Invalid picture: the logo has no picture"));
        render::paintFramedPicture(
            oPrinter, Image(), box.X + sgXOffset, box.Y + sgYOffset, box.W, box.H, Border(), BorderInset);
        return true;
    } catch (const std::exception& e) {
        render::reportFailure(g_oError, e, renderSource());
    }
    return false;
}

} // namespace kyt
