#pragma once
// Mouse events of the design surface, its object controls and the selection
// handles, in inches. The designer window receives them; the pointer tool
// (select, move, resize) and the drawing tools are its handlers.

#include "kyt/kytwidgets_export.h"
#include <Qt>

namespace kyt
{

class DesignControl;
class CornerHandle;

class KYTWIDGETS_PRIVATE_EXPORT DesignEvents
{
public:
    virtual ~DesignEvents();

    // Surface coordinates: inches from the surface's top-left corner.
    virtual void surfaceMouseDown(Qt::MouseButton button, float x, float y) = 0;
    virtual void surfaceMouseMove(Qt::MouseButtons buttons, float x, float y) = 0;
    virtual void surfaceMouseUp(Qt::MouseButton button, float x, float y) = 0;
    // A left press and release on the surface.
    virtual void surfaceClick() = 0;

    // Control coordinates: inches from the control's top-left corner (add
    // the control's left/top for surface coordinates).
    virtual void controlMouseDown(DesignControl* control, Qt::MouseButton button, float x, float y) = 0;
    virtual void controlMouseMove(DesignControl* control, Qt::MouseButtons buttons, float x, float y) = 0;
    virtual void controlMouseUp(DesignControl* control, Qt::MouseButton button, float x, float y) = 0;
    // A left press and release on the same control.
    virtual void controlClick(DesignControl* control) = 0;
    virtual void controlDoubleClick(DesignControl* control) = 0;

    // Handle coordinates: surface inches of the mouse.
    virtual void handleMouseDown(CornerHandle* handle, Qt::MouseButton button, float x, float y) = 0;
    virtual void handleMouseMove(CornerHandle* handle, Qt::MouseButtons buttons, float x, float y) = 0;
    virtual void handleMouseUp(CornerHandle* handle, Qt::MouseButton button, float x, float y) = 0;
};

} // namespace kyt
