// Choosing a data field by name: the chooser window belongs to the widgets
// library, which installs it here, so the model needs no window system.

#include "template/CPrintData.h"

namespace kyt
{

namespace
{
CPrintData::FieldChooser& chooser()
{
    static CPrintData::FieldChooser c;
    return c;
}
} // namespace

CPrintData::FieldChooser CPrintData::setFieldChooser(FieldChooser c)
{
    FieldChooser previous = std::move(chooser());
    chooser() = std::move(c);
    return previous;
}

bool CPrintData::SelectDataField(QString& sFieldName)
{
    try {
        if (!chooser())
            return false;
        const std::optional<QString> chosen = chooser()(sFieldName, *this);
        if (!chosen)
            return false;
        sFieldName = *chosen;
        return true;
    } catch (const std::exception&) {
    }
    return false;
}

} // namespace kyt
