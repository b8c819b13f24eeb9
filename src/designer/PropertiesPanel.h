#pragma once
// The Properties panel: a dock beside the card showing what the selected
// objects are and letting each property be changed in place — position
// and size, drawing order, font, colours, transparency, alignment, border,
// font-to-fit, barcode, picture and stretch, the data field. A change
// applies at once to every selected object and is one undo step, the same
// kind of step the menus make; the dialogs stay for the rarer settings.

#include "kyt/kytwidgets_export.h"
#include <QDockWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kyt
{

class DesignControl;
class frmPreview;

class KYTWIDGETS_PRIVATE_EXPORT PropertiesPanel : public QDockWidget
{
    Q_OBJECT

public:
    explicit PropertiesPanel(frmPreview& window);

    // Shows the selection's values again (after a selection change, an
    // undo, a drag, a change of unit).
    void refresh();

private:
    void build();
    // Applies a change to every selected object as one undo step.
    void edit(const QString& text, const std::function<void(DesignControl&)>& change);
    void editGeometry(int which, double shown);
    void chooseColour(bool back);
    void setTagItem(const QString& text, const QString& key, const QString& value);

    frmPreview& m_window;
    bool m_filling = false;
    QLabel* m_what = nullptr;
    QGroupBox* m_position = nullptr;
    QDoubleSpinBox* m_geometry[4] {};
    QGroupBox* m_text = nullptr;
    QFontComboBox* m_font = nullptr;
    QDoubleSpinBox* m_size = nullptr;
    QCheckBox* m_bold = nullptr;
    QCheckBox* m_italic = nullptr;
    QCheckBox* m_underline = nullptr;
    QCheckBox* m_strike = nullptr;
    QComboBox* m_alignment = nullptr;
    QCheckBox* m_fontToFit = nullptr;
    QCheckBox* m_shrinkOnly = nullptr;
    QGroupBox* m_look = nullptr;
    QPushButton* m_foreColour = nullptr;
    QPushButton* m_backColour = nullptr;
    QCheckBox* m_transparent = nullptr;
    QCheckBox* m_border = nullptr;
    QGroupBox* m_barcodeBox = nullptr;
    QCheckBox* m_barcode = nullptr;
    QComboBox* m_barcodeType = nullptr;
    QPushButton* m_barcodeOptions = nullptr;
    QGroupBox* m_pictureBox = nullptr;
    QPushButton* m_picture = nullptr;
    QCheckBox* m_stretch = nullptr;
    QGroupBox* m_dataBox = nullptr;
    QLineEdit* m_field = nullptr;
    QPushButton* m_chooseField = nullptr;
};

} // namespace kyt
