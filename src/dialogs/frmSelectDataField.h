#pragma once
// "Select Data Field": picks the name of a print data field from the
// data's keys; a name not in the list may be typed. The name box has the
// focus: typing selects the first matching name in the list, Up and Down
// take the list's names, and OK without a name asks for one.

#include "kyt/kytwidgets_export.h"
#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace kyt
{

class CPrintData;

class KYTWIDGETS_PRIVATE_EXPORT frmSelectDataField : public QDialog
{
    Q_OBJECT

public:
    explicit frmSelectDataField(QWidget* parent = nullptr);

    void Setup(const QString& fieldName, const CPrintData& printData);
    // The chosen field name.
    QString Description() const;
    // True unless left with OK or a double click.
    bool UserCancel() const { return m_userCancel; }

    QListWidget* lstDescription() const { return m_lstDescription; }
    QLineEdit* txtFieldName() const { return m_txtFieldName; }

    // Installs the chooser behind CPrintData::SelectDataField (done when
    // the widgets library loads).
    static void installChooser();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdOk_Click();
    void showMatch(const QString& typed);

    QString m_moduleSource;
    QListWidget* m_lstDescription;
    QLineEdit* m_txtFieldName;
    QPushButton* m_cmdOk;
    QPushButton* m_cmdCancel;
    bool m_userCancel = true;
};

} // namespace kyt
