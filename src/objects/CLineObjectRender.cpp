#include "objects/CLineObject.h"

#include "errors/CError.h"
#include "objects/RenderSupport.h"
#include "platform/surface/Surface.h"

namespace kyt
{

bool CLineObject::Render(const CardScale& oTemplate, Surface& oPrinter, std::shared_ptr<CError>& g_oError,
    std::shared_ptr<FieldValues>& /*oPrintData*/, float sgXOffset, float sgYOffset)
{
    try {
        // A line is a thin filled box, so its thickness scales with the card.
        const ScaledBox box = scaledBox(oTemplate);
        oPrinter.Line(box.X + sgXOffset, box.Y + sgYOffset, box.X + box.W + sgXOffset, box.Y + box.H + sgYOffset,
            static_cast<quint32>(lineColor()), Surface::LineKind::FilledBox);
        return true;
    } catch (const std::exception& e) {
        render::reportFailure(g_oError, e, renderSource());
    }
    return false;
}

} // namespace kyt
