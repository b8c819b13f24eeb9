#pragma once
// Barcode properties of a text or data-field control: barcode type, prefix,
// postfix and the barcode font; for a symbol (QR Code, EAN-13 ...) its
// error correction, human-readable line, rotation and module size. The opener fills the properties, calls
// Setup, shows the dialog modally and reads the properties back unless
// UserCanceled.

#include "kyt/kytwidgets_export.h"
#include <QDialog>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kyt
{

class CError;
class ICommonDialog;

class KYTWIDGETS_PRIVATE_EXPORT frmBarcodeProp : public QDialog
{
    Q_OBJECT

public:
    explicit frmBarcodeProp(QWidget* parent = nullptr);
    ~frmBarcodeProp() override;

    // The chosen type number (0 none, 1 "3of9", 2 "128B", 3 "128C", 10 and up
    // the symbols); -1 when no item is selected. Set before Setup to preselect an item.
    qint32 BarcodeType() const;
    void setBarcodeType(qint32 v) { m_barcodeType = v; }
    QString Prefix() const;
    void setPrefix(const QString& v);
    QString Postfix() const;
    void setPostfix(const QString& v);
    QString BarCodeFontName() const;
    void setBarCodeFontName(const QString& v);
    qint16 BarCodeFontSize() const { return m_fontSize; }
    void setBarCodeFontSize(qint16 v) { m_fontSize = v; }
    bool BarCodeFontBold() const { return m_fontBold; }
    void setBarCodeFontBold(bool v) { m_fontBold = v; }
    bool BarCodeFontItalic() const { return m_fontItalic; }
    void setBarCodeFontItalic(bool v) { m_fontItalic = v; }
    bool BarCodeFontUnderline() const { return m_fontUnderline; }
    void setBarCodeFontUnderline(bool v) { m_fontUnderline = v; }
    bool UserCanceled() const { return m_userCanceled; }

    // Symbol options (see CTextObjectBase): set before Setup, read after.
    qint16 ErrorCorrection() const;
    void setErrorCorrection(qint16 v) { m_ecLevel = v; }
    qint16 HumanReadable() const;
    void setHumanReadable(qint16 v) { m_humanReadable = v; }
    qint16 Rotation() const;
    void setRotation(qint16 v) { m_rotation = v; }
    float ModuleSize() const;
    void setModuleSize(float v) { m_moduleSize = v; }
    // The shrink-only fit of the text ("FitMode=Shrink" in the tag).
    bool ShrinkToFit() const;
    void setShrinkToFit(bool on);
    // The symbol options and the fit from and into a control tag (their own
    // items). Read from a tag without font-to-fit, the shrink-only box is
    // offered disabled: it changes nothing until the fit is on.
    void readSymbolTag(const QString& tag);
    void writeSymbolTag(QString& tag) const;

    // The font dialog to use; the process-wide one when none is set.
    void setDialogBox(ICommonDialog* dialog) { m_dialogBox = dialog; }
    void setError(std::shared_ptr<CError> error) { m_error = std::move(error); }

    // Fills the type list and selects the item of BarcodeType.
    void Setup();

    // The type words the list is built from (after an empty first item).
    static constexpr const char* BarcodeTypeList = "3of9,128B,128C";

    // The bundled barcode font for a type number; empty for none.
    static QString bundledFontFor(qint32 barcodeType);
    // Whether a font family draws bars rather than letters.
    static bool isBarcodeFont(const QString& family);

public slots:
    void cmdListFonts_Click();
    void cmdOk_Click();
    void cmdCancel_Click();

protected:
    void reject() override; // Escape and the window's close button act as Cancel

private:
    // A type picked in the list brings a barcode font along when the font
    // given is a text font.
    void typeChosen();
    // The symbol options that apply to the chosen type are enabled.
    void enableSymbolOptions();

    QString m_moduleSource;
    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtPrefix = nullptr;
    QLineEdit* txtPostfix = nullptr;
    QComboBox* cboBarcodeType = nullptr;
    QLineEdit* txtFontName = nullptr;
    QPushButton* cmdListFonts = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* ckbShrinkToFit = nullptr;
    QGroupBox* fraSymbol = nullptr;
    QComboBox* cboErrorCorrection = nullptr;
    QComboBox* cboHumanReadable = nullptr;
    QComboBox* cboRotation = nullptr;
    QLineEdit* txtModuleSize = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;

    qint32 m_barcodeType = 0;
    qint16 m_fontSize = 0;
    bool m_fontBold = false;
    bool m_fontItalic = false;
    bool m_fontUnderline = false;
    bool m_userCanceled = false;
    qint16 m_ecLevel = 0;
    qint16 m_humanReadable = 0;
    qint16 m_rotation = 0;
    float m_moduleSize = 0;
    // The module size box shows millimetres (the person's unit); what it
    // showed for m_moduleSize, so an untouched box gives that back exactly.
    bool m_millimetres = false;
    bool m_fontToFit = true;
    QString m_moduleText;
    ICommonDialog* m_dialogBox = nullptr;
    std::shared_ptr<CError> m_error;
};

} // namespace kyt
