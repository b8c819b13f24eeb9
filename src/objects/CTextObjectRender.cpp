#include "objects/CTextObject.h"

namespace kyt
{

bool CTextObject::Render(const CardScale& oTemplate, Surface& oPrinter, std::shared_ptr<CError>& g_oError,
    std::shared_ptr<FieldValues>& /*oPrintData*/, float sgXOffset, float sgYOffset)
{
    return renderText(TextKind::Static, Text(), oTemplate, oPrinter, g_oError, sgXOffset, sgYOffset);
}

} // namespace kyt
