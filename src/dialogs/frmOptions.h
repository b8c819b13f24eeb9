#pragma once
// "Options": the designer defaults a person edits (size, orientation and
// duplex flag of a new template, its target application, and the font,
// colours and flags of new text objects). Works on the designer's
// CProperties; nothing is written until OK or Apply.

#include "errors/CError.h"
#include "kyt/kytwidgets_export.h"
#include "settings/CProperties.h"
#include "settings/CTargetApplications.h"
#include <QDialog>
#include <QFont>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabBar;
class QWidget;

namespace kyt
{

class LengthBox;

class KYTWIDGETS_PRIVATE_EXPORT frmOptions : public QDialog
{
    Q_OBJECT

public:
    explicit frmOptions(QWidget* parent = nullptr);
    ~frmOptions() override;

    // The opener sets these three, calls LoadSettings and shows the dialog.
    void setProperties(CProperties* properties) { m_properties = properties; }
    void setError(CErrorPtr error) { m_error = std::move(error); }
    void setTargetApplications(CTargetApplications* targets) { m_targets = targets; }

    // Fills the controls from the defaults.
    void LoadSettings();

    const QString& moduleSource() const { return m_moduleSource; }
    // The target chosen in the list (empty when none is).
    const QString& chosenTarget() const { return m_target; }

    // The sample's state: what OK writes back as the text defaults.
    const QFont& sampleFont() const { return m_sampleFont; }
    qint32 sampleForeColor() const { return m_foreColor; }
    qint32 sampleBackColor() const { return m_backColor; }
    bool sampleTransparent() const { return m_transparent; }

    // Size text as the boxes show it ("2.125\"").
    static QString inchText(double inches);
    // Where the unit the designer shows lengths in is kept ("in" or "mm").
    static inline const QString UnitsSection = QStringLiteral("Designer");
    static inline const QString UnitsKey = QStringLiteral("Units");
    // Windows colour values (red in the low byte, system colours with the
    // high bit set) to and from screen colours.
    static QColor screenColor(qint32 windowsColor);
    static qint32 windowsColor(const QColor& color);

    // Children by their names.
    QTabBar* tbsOptions() const { return m_tbsOptions; }
    QLineEdit* txtHeight() const { return m_txtHeight; }
    QLineEdit* txtWidth() const { return m_txtWidth; }
    QRadioButton* optPortrait() const { return m_optPortrait; }
    QRadioButton* optLandscape() const { return m_optLandscape; }
    QCheckBox* ckbDuplex() const { return m_ckbDuplex; }
    QLabel* imgLayout(int index) const { return m_imgLayout.at(static_cast<size_t>(index)); }
    QListWidget* lstTarget() const { return m_lstTarget; }
    QLabel* lblDescription() const { return m_lblDescription; }
    QLabel* lblFontName() const { return m_lblFontName; }
    QLabel* lblFontSample() const { return m_lblFontSample; }
    QPushButton* cmdFont() const { return m_cmdFont; }
    QPushButton* cmdBackground() const { return m_cmdBackground; }
    QPushButton* cmdForeground() const { return m_cmdForeground; }
    QCheckBox* ckbTransparent() const { return m_ckbTransparent; }
    QCheckBox* ckbFontToFit() const { return m_ckbFontToFit; }
    QComboBox* cboUnits() const { return m_cboUnits; }
    QPushButton* cmdOK() const { return m_cmdOK; }
    QPushButton* cmdCancel() const { return m_cmdCancel; }
    QPushButton* cmdApply() const { return m_cmdApply; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void SaveSettings();
    // Both size boxes hold a card size; else says which does not.
    bool sizesValid();
    void report(const std::exception& e, const char* procedure);
    void updateLayoutPicture();
    void updateSample();
    void selectNextTab();

    void cmdOK_Click();
    void cmdApply_Click();
    void cmdFont_Click();
    void cmdBackground_Click();
    void cmdForeground_Click();
    void lstTarget_Click();
    void sizeBox_LostFocus(QLineEdit* box);

    QString m_moduleSource;
    QPointer<CProperties> m_properties;
    CErrorPtr m_error;
    QPointer<CTargetApplications> m_targets;
    QString m_target;

    QFont m_sampleFont;
    qint32 m_foreColor = 0;
    qint32 m_backColor = 0xFFFFFF;
    bool m_transparent = true;

    QTabBar* m_tbsOptions = nullptr;
    QWidget* m_picOptions = nullptr;
    QLineEdit* m_txtHeight = nullptr;
    QLineEdit* m_txtWidth = nullptr;
    // The size boxes in the unit the units list shows.
    std::unique_ptr<LengthBox> m_height;
    std::unique_ptr<LengthBox> m_width;
    QRadioButton* m_optPortrait = nullptr;
    QRadioButton* m_optLandscape = nullptr;
    QCheckBox* m_ckbDuplex = nullptr;
    std::array<QLabel*, 3> m_imgLayout {};
    QListWidget* m_lstTarget = nullptr;
    QLabel* m_lblDescription = nullptr;
    QLabel* m_lblFontName = nullptr;
    QLabel* m_lblFontSample = nullptr;
    QPushButton* m_cmdFont = nullptr;
    QPushButton* m_cmdBackground = nullptr;
    QPushButton* m_cmdForeground = nullptr;
    QCheckBox* m_ckbTransparent = nullptr;
    QCheckBox* m_ckbFontToFit = nullptr;
    QComboBox* m_cboUnits = nullptr;
    QPushButton* m_cmdOK = nullptr;
    QPushButton* m_cmdCancel = nullptr;
    QPushButton* m_cmdApply = nullptr;
};

} // namespace kyt
