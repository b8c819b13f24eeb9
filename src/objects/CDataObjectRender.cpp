#include "objects/CDataObject.h"

namespace kyt
{

namespace
{

// The field's value as text; empty when the print data cannot give one as
// text (an object value, or a failing lookup): the object then draws only
// its background and outline.
QString fieldText(FieldValues& oPrintData, const QString& fieldName)
{
    try {
        return oPrintData.fieldText(fieldName).value_or(QString());
    } catch (const std::exception&) {
        // Silent by design: a field the data cannot give is drawn empty.
        return QString();
    }
}

} // namespace

bool CDataObject::Render(const CardScale& oTemplate, Surface& oPrinter, std::shared_ptr<CError>& g_oError,
    std::shared_ptr<FieldValues>& oPrintData, float sgXOffset, float sgYOffset)
{
    // Without print data the card shows which field goes where.
    if (!oPrintData)
        return renderText(
            TextKind::DataFieldName, DataFieldName(), oTemplate, oPrinter, g_oError, sgXOffset, sgYOffset);
    return renderText(TextKind::DataField, fieldText(*oPrintData, DataFieldName()), oTemplate, oPrinter, g_oError,
        sgXOffset, sgYOffset);
}

} // namespace kyt
