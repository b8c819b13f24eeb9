#pragma once
// "Select Data Field": picks the name of a print data field from the
// data's keys; a name not in the list may be typed.

#include "kyt/kytwidgets_export.h"
#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace kyt
{

class CPrintData;

class KYTWIDGETS_EXPORT frmSelectDataField : public QDialog
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

private:
    QString m_moduleSource;
    QListWidget* m_lstDescription;
    QLineEdit* m_txtFieldName;
    QPushButton* m_cmdOk;
    QPushButton* m_cmdCancel;
    bool m_userCancel = true;
};

} // namespace kyt
