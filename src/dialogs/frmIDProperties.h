#pragma once
// "Template Properties": card size, orientation, duplex, target application
// and background (picture or colour) of a template. The opener fills the
// properties, calls Setup, shows the dialog modally and reads the
// properties back unless UserCancel is true; the dialog changes no template.

#include "errors/CError.h"
#include "kyt/kytwidgets_export.h"
#include "platform/Picture.h"
#include <QDialog>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QRadioButton;

namespace kyt
{

class CTargetApplications;
class LengthBox;

class KYTWIDGETS_PRIVATE_EXPORT frmIDProperties : public QDialog
{
    Q_OBJECT

public:
    // Background pictures above this size ask before loading.
    static constexpr qint64 LargeFileBytes = 100000;

    explicit frmIDProperties(QWidget* parent = nullptr);
    ~frmIDProperties() override;

    double IdSizeWidth() const;
    void setIdSizeWidth(double inches);
    double IdSizeHeight() const;
    void setIdSizeHeight(double inches);
    // 1 portrait, 2 landscape.
    int Orientation() const;
    void setOrientation(int orientation);
    bool Duplex() const;
    void setDuplex(bool duplex);
    QString TargetApp() const { return m_targetApp; }
    void setTargetApp(const QString& progId) { m_targetApp = progId; }
    const kyt::Picture& BackgroundPicture() const { return m_picture; }
    void setBackgroundPicture(const kyt::Picture& picture);
    // -1 none.
    qint32 BackgroundColor() const { return m_color; }
    void setBackgroundColor(qint32 color);
    bool UserCancel() const { return m_userCancel; }
    void setDialogTitle(const QString& title) { setWindowTitle(title); }
    void setTargetApplications(CTargetApplications* targets) { m_targets = targets; }
    void setError(CErrorPtr error) { m_error = std::move(error); }

    void Setup();

    // The buttons' commands.
    void LoadIDPictureBackground();
    void FloodBackground();
    void ClearBackground();
    void DisplayPicture();

    // "##0.0###" followed by the inch mark.
    static QString inchText(double inches);
    // The leading number of a text ("3.375\"" -> 3.375); 0 when none.
    static double leadingNumber(const QString& text);

    // Child controls, by their names.
    QLineEdit* txtWidth() const { return m_txtWidth; }
    QLineEdit* txtHeight() const { return m_txtHeight; }
    QRadioButton* optPortrait() const { return m_optPortrait; }
    QRadioButton* optLandscape() const { return m_optLandscape; }
    QCheckBox* ckbDuplex() const { return m_ckbDuplex; }
    QListWidget* lstTarget() const { return m_lstTarget; }
    QLabel* lblDescription() const { return m_lblDescription; }
    QLabel* picBackground() const { return m_picBackground; }

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void report(const std::exception& e, const char* procedure) const;
    void showLayout(bool portrait);
    void targetClicked(QListWidgetItem* item);

    QString m_moduleSource;
    CErrorPtr m_error;
    CTargetApplications* m_targets = nullptr;
    QString m_targetApp;
    kyt::Picture m_picture;
    qint32 m_color = -1;
    bool m_userCancel = true;

    QLineEdit* m_txtWidth;
    QLineEdit* m_txtHeight;
    // The two boxes in the person's unit (inches or millimetres).
    std::unique_ptr<LengthBox> m_width;
    std::unique_ptr<LengthBox> m_height;
    QRadioButton* m_optPortrait;
    QRadioButton* m_optLandscape;
    QCheckBox* m_ckbDuplex;
    QLabel* m_imgLayout;
    QListWidget* m_lstTarget;
    QLabel* m_lblDescription;
    QLabel* m_picBackground;
    QPushButton* m_cmdOk;
    QPushButton* m_cmdCancel;
};

} // namespace kyt
