#pragma once
// The designer's selection controller: which design control is selected,
// the outline and four corner handles drawn around it above every control,
// resizing by dragging a handle, and the commands applied to the selected
// control (colours, font, delete, drawing order, alignment, stretch,
// border, transparency, barcode settings, font-to-fit, logo picture, data
// field, in-place editing). Commands change only the control; the template
// is rebuilt from the controls when saved.

#include "designer/OutlineGeometry.h"
#include "kyt/kytwidgets_export.h"
#include <QPointer>
#include <QString>
#include <array>
#include <memory>

class QWidget;

namespace kyt
{

class CError;
class CPrintData;
class ControlArray;
class CornerHandle;
class DesignControl;
class ICommonDialog;
class OutlineShape;
class Surface;
class frmPreview;

class KYTWIDGETS_PRIVATE_EXPORT COutline
{
public:
    COutline();
    ~COutline();
    COutline(const COutline&) = delete;
    COutline& operator=(const COutline&) = delete;

    // Set once by the designer after creating the outline.
    void setError(std::shared_ptr<CError> error) { m_error = std::move(error); }
    void setRectangle(OutlineShape* shape) { m_rectangle = shape; }
    void setUpperLeft(CornerHandle* h) { m_handles[outline::UpperLeft] = h; }
    void setUpperRight(CornerHandle* h) { m_handles[outline::UpperRight] = h; }
    void setLowerLeft(CornerHandle* h) { m_handles[outline::LowerLeft] = h; }
    void setLowerRight(CornerHandle* h) { m_handles[outline::LowerRight] = h; }
    // Null uses the process-wide common dialog.
    void setDialogBox(ICommonDialog* dialog) { m_dialogBox = dialog; }
    void setDesignForm(frmPreview* form) { m_form = form; }

    // --- Selection and handles ----------------------------------------------
    // Selects a control and shows the outline around it; null stands for the
    // "Pointer" tool and clears the selection. The control's drawing order
    // does not change.
    void Selected(DesignControl* control);
    void Unselect();
    // Index and array name of the selected control; 0 and "Pointer" when
    // nothing is selected.
    void GetSelected(int& index, QString& name) const;
    // The selected control; null when nothing is selected.
    DesignControl* selectedControl() const;
    // The last selected control, even after Unselect (null when none or gone).
    DesignControl* lastControl() const;
    bool isSelected() const { return selectedControl() != nullptr; }
    // Moves the dragged corner to (x, y) within the minimum size; x and y
    // come back as the position used.
    void DragMove(const CornerHandle* handle, float& x, float& y);
    // Ends a handle drag: the selected control takes the outline's geometry
    // and a text that fits its font to its box is refitted.
    void DragDrop(const CornerHandle* source, float x, float y);
    // The outline's box.
    InchRect outlineRect() const;
    // Shows the outline around the selected control again (after its
    // geometry changed by other means).
    void refresh();

    // --- Commands -------------------------------------------------------------
    // "Back" sets the background colour, anything else the text colour.
    void ChangeColor(const QString& which);
    void ChangeFont();
    void Delete();
    void BringtoFront();
    void SendtoBack();
    void UpdateZorder(bool toFront);
    // 0 left, 1 right, 2 centre.
    void Align(int alignment);
    void Stretch(bool on);
    void Border(bool on);
    // These three act on the last selected control even after Unselect.
    void SetControlTransparent(bool on);
    void SetControlBarcode(bool on);
    void BarCodeProp();
    void setFontToFit(bool on);
    bool FontToFit() const;
    void LoadLogo();
    // Always false; the chosen field shows in the control.
    bool LoadDataFields(std::shared_ptr<CPrintData>& printData);
    void Edit();
    // The longest start of text that fits maxWidth on the surface.
    static QString ClipText(Surface& surface, const QString& text, float maxWidth, bool withBorder);

    // Largest and smallest "Zorder" among the window's controls (starting
    // from 0 and 100).
    int GetMaxZorder() const;
    int GetMinZorder() const;

    // Sets a text or data control's font size so its caption fills its box,
    // when its tag asks for font-to-fit.
    static void refitFont(DesignControl& control);

    // Files larger than this ask before loading as a logo.
    static constexpr qint64 LargeLogoBytes = 100000;

    const QString& moduleSource() const { return m_moduleSource; }

private:
    void setType(DesignControl* control);
    void showOutline(bool visible);
    void coordToOutline(float left, float top, float right, float bottom);
    void report(const std::exception& e, const char* procedure) const;
    ICommonDialog& dialog() const;
    void deleteFromArray(DesignControl& control, const char* procedure);

    QString m_moduleSource;
    bool m_selected = false;
    QPointer<DesignControl> m_control;
    QPointer<OutlineShape> m_rectangle;
    std::array<QPointer<CornerHandle>, 4> m_handles;
    ICommonDialog* m_dialogBox = nullptr;
    frmPreview* m_form = nullptr;
    std::shared_ptr<CError> m_error;
};

} // namespace kyt
