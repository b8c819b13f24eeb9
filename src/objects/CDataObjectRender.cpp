#include "objects/CDataObject.h"

#include "template/CPrintData.h"

namespace kyt
{

namespace
{

// The field's value as text; empty when the print data cannot give one as
// text (an object value, or a failing lookup): the object then draws only
// its background and outline.
QString fieldText(CPrintData& oPrintData, const QString& fieldName)
{
    try {
        const auto item = oPrintData.Item(fieldName);
        if (!item)
            return QString();
        const QVariant value = item->vValue();
        if (IsObject(value))
            return QString();
        return CPrintData::valueText(value);
    } catch (const std::exception&) {
        return QString();
    }
}

} // namespace

bool CDataObject::Render(CPrintTemplate& oTemplate, Surface& oPrinter, std::shared_ptr<CError>& g_oError,
    std::shared_ptr<CPrintData>& oPrintData, float sgXOffset, float sgYOffset)
{
    // Without print data the card shows which field goes where.
    if (!oPrintData)
        return renderText(TextKind::DataFieldName, DataFieldName(), oTemplate, oPrinter, g_oError, sgXOffset, sgYOffset);
    return renderText(
        TextKind::DataField, fieldText(*oPrintData, DataFieldName()), oTemplate, oPrinter, g_oError, sgXOffset, sgYOffset);
}

} // namespace kyt
