#pragma once
// The select tool: picks objects, moves them by dragging (the outline shows
// where they will land, snapped), resizes them with the handles, draws a
// band that selects what lies inside it, and opens the object menu on a
// right click. It owns the whole state of a drag.

#include "designer/DesignTool.h"
#include "designer/OutlineGeometry.h"

namespace kyt
{

class OutlineShape;

class KYTWIDGETS_PRIVATE_EXPORT SelectTool : public DesignTool
{
public:
    explicit SelectTool(frmPreview& window);
    ~SelectTool() override;

    QCursor cursor() const override { return QCursor(Qt::ArrowCursor); }

    // A press on the empty card takes the selection away.
    void start(float x, float y) override;
    void drag(float, float) override { }
    void finish(float, float) override { }

    void surfacePress(Qt::MouseButton button, float x, float y) override;
    void surfaceMove(Qt::MouseButtons buttons, float x, float y) override;
    void surfaceRelease(Qt::MouseButton button, float x, float y) override;
    // x, y: inches from the control's top-left corner.
    void controlPress(DesignControl* c, Qt::MouseButton button, float x, float y) override;
    void controlMove(DesignControl* c, Qt::MouseButtons buttons, float x, float y) override;
    void controlRelease(DesignControl* c, Qt::MouseButton button, float x, float y) override;
    void controlClick(DesignControl* c) override;
    void controlDoubleClick(DesignControl* c) override;
    void cancel() override;

    // The selection handles (x, y: surface inches).
    void handlePress(CornerHandle* handle, Qt::MouseButton button);
    void handleMove(CornerHandle* handle, Qt::MouseButtons buttons, float x, float y);
    void handleRelease(CornerHandle* handle, Qt::MouseButton button, float x, float y);

    // Moves a control by (x1 - x0, y1 - y0), kept on the card, as one step;
    // the rest of the selection goes along.
    void drop(DesignControl* c, float x0, float y0, float x1, float y1);

    // An object is held by the mouse and has moved off its place.
    bool dragging() const { return m_dragging; }

private:
    // Grab point of the object being moved.
    float m_x0 = 0, m_y0 = 0;
    bool m_moving = false;
    bool m_dragging = false;
    // The band that selects what lies inside it.
    OutlineShape* m_band = nullptr;
    bool m_banding = false;
    float m_bandX = 0, m_bandY = 0;
};

} // namespace kyt
