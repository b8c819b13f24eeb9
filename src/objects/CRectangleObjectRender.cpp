#include "objects/CRectangleObject.h"

#include "errors/CError.h"
#include "objects/RenderSupport.h"
#include "platform/surface/Surface.h"

namespace kyt
{

bool CRectangleObject::Render(const CardScale& oTemplate, Surface& oPrinter, std::shared_ptr<CError>& g_oError,
    std::shared_ptr<FieldValues>& /*oPrintData*/, float sgXOffset, float sgYOffset)
{
    try {
        const ScaledBox box = scaledBox(oTemplate);
        const double x1 = box.X + sgXOffset, y1 = box.Y + sgYOffset;
        const double x2 = box.X + box.W + sgXOffset, y2 = box.Y + box.H + sgYOffset;
        oPrinter.Line(x1, y1, x2, y2, static_cast<quint32>(BackColor()), Surface::LineKind::FilledBox);
        // The outline is always black; ForeColor is only carried along.
        render::drawOutline(oPrinter, Border(), x1, y1, x2, y2);
        return true;
    } catch (const std::exception& e) {
        render::reportFailure(g_oError, e, renderSource());
    }
    return false;
}

} // namespace kyt
