#pragma once
// The selection controller: shows which design control is selected with
// the outline rectangle and four corner handles, and applies commands to
// the selected control.

#include "designer/DesignControl.h"
#include "designer/SurfaceItem.h"
#include "errors/CError.h"
#include "kyt/kytwidgets_export.h"
#include <QPointer>
#include <QString>

namespace kyt
{

class CornerHandle;
class DesignControl;
class OutlineShape;
class frmPreview;

class KYTWIDGETS_EXPORT COutline
{
public:
    COutline();
    ~COutline();

    void setError(CErrorPtr error) { m_error = std::move(error); }
    void setRectangle(OutlineShape* shape) { m_rectangle = shape; }
    void setUpperLeft(CornerHandle* h) { m_handles[0] = h; }
    void setUpperRight(CornerHandle* h) { m_handles[1] = h; }
    void setLowerLeft(CornerHandle* h) { m_handles[2] = h; }
    void setLowerRight(CornerHandle* h) { m_handles[3] = h; }
    void setDesignForm(frmPreview* form) { m_form = form; }

    // Selects a control (nullptr: the pointer, nothing selected) and shows
    // the outline around it.
    void Selected(DesignControl* control);
    void Unselect();
    // Index and name of the selected control; 0 and "Pointer" when none.
    void GetSelected(int& index, QString& name) const;
    // The selected control, nullptr when nothing is selected.
    DesignControl* selectedControl() const;
    // The last selected control, even after Unselect.
    DesignControl* lastControl() const { return m_control.data(); }

    // Writes the control's "Zorder": above (or below) every other control.
    void UpdateZorder(bool toFront);
    int GetMaxZorder() const;
    int GetMinZorder() const;
    // "FTF" of the last selected control's tag.
    bool FontToFit() const;

    const QString& moduleSource() const { return m_moduleSource; }

private:
    void CoordtoOutline(float left, float top, float right, float bottom);
    void showOutline(bool visible);
    void report(const std::exception& e, const char* procedure) const;

    QString m_moduleSource;
    CErrorPtr m_error;
    QPointer<OutlineShape> m_rectangle;
    QPointer<CornerHandle> m_handles[4];
    frmPreview* m_form = nullptr;
    QPointer<DesignControl> m_control;
    bool m_selected = false;
};

} // namespace kyt
