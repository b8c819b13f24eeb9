#pragma once
// "Open Database" (frmDataConnection): a SQLite database file or a
// PostgreSQL server (host or socket folder, port, database, user) and the
// records to read from it, a table or a SELECT. "Test Connection" connects
// and tells how many fields and records it found, or the driver's reason.
// A password is never typed here: a server that wants one (and finds none
// in PGPASSWORD or a .pgpass file) is answered through the password prompt
// (frmDataPassword), and the password is held in memory only.

#include "data/DataSource.h"
#include "kyt/kytwidgets_export.h"
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace kyt
{

class KYTWIDGETS_PRIVATE_EXPORT frmDataConnection : public QDialog
{
    Q_OBJECT

public:
    explicit frmDataConnection(QWidget* parent = nullptr);

    // Fills the boxes from a database source (its password kept in memory).
    void setSpec(const DataSourceUrl& address);
    // The source as entered, with the password that worked when tested.
    DataSourceUrl address() const;
    // What is missing before the source can be opened; empty when complete.
    QString problem() const;

    // Connects with what is entered and shows the outcome in lblResult;
    // true when it connected. A database with neither table nor query is
    // only connected to, and its tables are listed. Both run on a thread of
    // their own while the dialog waits; a cancelled wait is shown as such.
    bool testConnection();
    // Lists the database's tables in cboTable; false with the reason shown.
    bool listTables();

    QComboBox* cboKind() const { return m_cboKind; }
    QLineEdit* txtFile() const { return m_txtFile; }
    QLineEdit* txtHost() const { return m_txtHost; }
    QLineEdit* txtPort() const { return m_txtPort; }
    QLineEdit* txtDatabase() const { return m_txtDatabase; }
    QLineEdit* txtUser() const { return m_txtUser; }
    QComboBox* cboTable() const { return m_cboTable; }
    QPlainTextEdit* txtQuery() const { return m_txtQuery; }
    QRadioButton* optTable() const { return m_optTable; }
    QRadioButton* optQuery() const { return m_optQuery; }
    QLabel* lblResult() const { return m_lblResult; }

    // The prompt a database source asks for a password: frmDataPassword,
    // shown over parent.
    static PasswordPrompt passwordPrompt(QWidget* parent);
    // A prompt that, called from work on a WorkerThread, is asked on the
    // thread waiting for that work (a dialog belongs there); false when the
    // wait was cancelled meanwhile.
    static PasswordPrompt onWindowThread(const PasswordPrompt& prompt);

private:
    void browse();
    void kindChanged();
    void showResult(bool ok, const QString& text);
    void okClicked();

    QComboBox* m_cboKind = nullptr;
    QStackedWidget* m_pages = nullptr;
    QLineEdit* m_txtFile = nullptr;
    QLineEdit* m_txtHost = nullptr;
    QLineEdit* m_txtPort = nullptr;
    QLineEdit* m_txtDatabase = nullptr;
    QLineEdit* m_txtUser = nullptr;
    QRadioButton* m_optTable = nullptr;
    QRadioButton* m_optQuery = nullptr;
    QComboBox* m_cboTable = nullptr;
    QPlainTextEdit* m_txtQuery = nullptr;
    QPushButton* m_cmdTest = nullptr;
    QLabel* m_lblResult = nullptr;
    // The password that worked for the server entered (memory only).
    QString m_password;
    QString m_passwordFor;
};

// Asks for a database password: the server's reason, the source, a hidden
// field. Run through execModal.
class KYTWIDGETS_PRIVATE_EXPORT frmDataPassword : public QDialog
{
    Q_OBJECT

public:
    frmDataPassword(const DataSourceUrl& address, const QString& reason, QWidget* parent = nullptr);
    QString password() const;
    QLineEdit* txtPassword() const { return m_txtPassword; }

private:
    QLineEdit* m_txtPassword = nullptr;
};

} // namespace kyt
