#pragma once
// How a design control looks: its object (built from the control as a save
// would build it) drawn by the object's own Render, at the surface's zoom,
// into a transparent picture the size of the control. The picture is laid
// over what lies beneath, so the designer shows what the card prints.

#include "kyt/kytwidgets_export.h"
#include "objects/RenderContext.h"
#include <QImage>
#include <QRect>
#include <memory>

namespace kyt
{

class CDesignObject;
class DesignControl;

// The object a control stands for, with the control's properties; null for
// a control that stands for none. A data field without a field name draws
// its prompt as a static text would.
KYTWIDGETS_PRIVATE_EXPORT std::shared_ptr<CDesignObject> objectForControl(DesignControl& control);

// The control's object drawn at pixelsPerInch into an image of box's size;
// box is the control's place on the surface in pixels. With data the data
// fields and photos show its values; without, the field names.
KYTWIDGETS_PRIVATE_EXPORT QImage renderControlPicture(
    DesignControl& control, const QRect& box, double pixelsPerInch, std::shared_ptr<FieldValues> data);

} // namespace kyt
