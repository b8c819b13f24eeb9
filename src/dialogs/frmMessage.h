#pragma once
// "Message to User": a message with an optional Cancel button.

#include "kyt/kytwidgets_export.h"
#include <QDialog>

class QLabel;
class QPushButton;

namespace kyt
{

class KYTWIDGETS_PRIVATE_EXPORT frmMessage : public QDialog
{
    Q_OBJECT

public:
    explicit frmMessage(QWidget* parent = nullptr);

    QString Message() const;
    void setMessage(const QString& text);
    QString SetCaption() const { return windowTitle(); }
    void setSetCaption(const QString& caption) { setWindowTitle(caption); }
    void setAllowCancel(bool allow);
    // True after Cancel was pressed.
    bool Cancel() const { return m_cancel; }

    QLabel* lblLabel() const { return m_lblLabel; }
    QPushButton* cmdCancel() const { return m_cmdCancel; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString m_moduleSource;
    QLabel* m_lblLabel;
    QPushButton* m_cmdCancel;
    bool m_cancel = false;
};

} // namespace kyt
