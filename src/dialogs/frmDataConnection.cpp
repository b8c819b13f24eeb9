#include "dialogs/frmDataConnection.h"

#include "errors/CError.h"
#include "platform/CommonDialog.h"
#include "platform/widgets/ModalRunner.h"
#include "platform/widgets/WorkerThread.h"
#include "util/Strings.h"
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace kyt
{

namespace
{

enum KindIndex { SqliteIndex = 0, PostgresqlIndex = 1 };

// Which server a password belongs to: it is offered again only to it.
QString serverKey(const DataSourceUrl& s)
{
    return QStringLiteral("%1\n%2\n%3\n%4").arg(s.host).arg(s.port).arg(s.user, s.database);
}

QLineEdit* lineEdit(QWidget* parent, const char* name, const QString& placeholder = {})
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setPlaceholderText(placeholder);
    return e;
}

} // namespace

frmDataConnection::frmDataConnection(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDataConnection"));
    setWindowTitle(tr("Open Database"));
    auto* v = new QVBoxLayout(this);

    auto* kindRow = new QFormLayout;
    m_cboKind = new QComboBox(this);
    m_cboKind->setObjectName(QStringLiteral("cboKind"));
    m_cboKind->addItem(tr("SQLite database file"));
    m_cboKind->addItem(tr("PostgreSQL server"));
    kindRow->addRow(tr("&Database:"), m_cboKind);
    v->addLayout(kindRow);

    m_pages = new QStackedWidget(this);
    auto* sqlitePage = new QWidget(m_pages);
    auto* sf = new QFormLayout(sqlitePage);
    sf->setContentsMargins(0, 0, 0, 0);
    auto* fileRow = new QHBoxLayout;
    m_txtFile = lineEdit(sqlitePage, "txtFile");
    auto* browse = new QPushButton(tr("&Browse..."), sqlitePage);
    browse->setObjectName(QStringLiteral("cmdBrowse"));
    connect(browse, &QPushButton::clicked, this, &frmDataConnection::browse);
    fileRow->addWidget(m_txtFile, 1);
    fileRow->addWidget(browse);
    // A row that is a layout gets no buddy of its own: the label needs one
    // for its mnemonic.
    auto* fileLabel = new QLabel(tr("&File:"), sqlitePage);
    fileLabel->setBuddy(m_txtFile);
    sf->addRow(fileLabel, fileRow);
    m_pages->addWidget(sqlitePage);

    auto* pgPage = new QWidget(m_pages);
    auto* pf = new QFormLayout(pgPage);
    pf->setContentsMargins(0, 0, 0, 0);
    m_txtHost = lineEdit(pgPage, "txtHost", tr("localhost, an address or a socket folder"));
    m_txtPort = lineEdit(pgPage, "txtPort", tr("5432"));
    m_txtPort->setValidator(new QIntValidator(1, 65535, m_txtPort));
    m_txtDatabase = lineEdit(pgPage, "txtDatabase");
    m_txtUser = lineEdit(pgPage, "txtUser", tr("your login name"));
    pf->addRow(tr("&Host:"), m_txtHost);
    pf->addRow(tr("&Port:"), m_txtPort);
    pf->addRow(tr("Data&base:"), m_txtDatabase);
    pf->addRow(tr("&User:"), m_txtUser);
    auto* note = new QLabel(tr("A password is asked for when the server wants one; it is never stored."), pgPage);
    note->setObjectName(QStringLiteral("lblPasswordNote"));
    note->setWordWrap(true);
    pf->addRow(note);
    m_pages->addWidget(pgPage);
    v->addWidget(m_pages);

    auto* records = new QGroupBox(tr("Records"), this);
    auto* rf = new QFormLayout(records);
    m_optTable = new QRadioButton(tr("&Table:"), records);
    m_optTable->setObjectName(QStringLiteral("optTable"));
    m_optTable->setChecked(true);
    auto* tableRow = new QHBoxLayout;
    m_cboTable = new QComboBox(records);
    m_cboTable->setObjectName(QStringLiteral("cboTable"));
    m_cboTable->setEditable(true);
    m_cboTable->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* list = new QPushButton(tr("&List Tables"), records);
    list->setObjectName(QStringLiteral("cmdListTables"));
    connect(list, &QPushButton::clicked, this, &frmDataConnection::listTables);
    tableRow->addWidget(m_cboTable, 1);
    tableRow->addWidget(list);
    m_optQuery = new QRadioButton(tr("&Query:"), records);
    m_optQuery->setObjectName(QStringLiteral("optQuery"));
    m_txtQuery = new QPlainTextEdit(records);
    m_txtQuery->setObjectName(QStringLiteral("txtQuery"));
    m_txtQuery->setPlaceholderText(tr("SELECT ... FROM ..."));
    m_txtQuery->setTabChangesFocus(true);
    m_txtQuery->setMaximumHeight(m_txtQuery->fontMetrics().lineSpacing() * 5);
    rf->addRow(m_optTable, tableRow);
    rf->addRow(m_optQuery, m_txtQuery);
    connect(m_cboTable, &QComboBox::currentTextChanged, m_optTable, [this] { m_optTable->setChecked(true); });
    connect(m_txtQuery, &QPlainTextEdit::textChanged, m_optQuery, [this] {
        if (!m_txtQuery->toPlainText().trimmed().isEmpty())
            m_optQuery->setChecked(true);
    });
    v->addWidget(records);

    auto* testRow = new QHBoxLayout;
    m_cmdTest = new QPushButton(tr("Te&st Connection"), this);
    m_cmdTest->setObjectName(QStringLiteral("cmdTest"));
    connect(m_cmdTest, &QPushButton::clicked, this, &frmDataConnection::testConnection);
    m_lblResult = new QLabel(this);
    m_lblResult->setObjectName(QStringLiteral("lblResult"));
    m_lblResult->setWordWrap(true);
    m_lblResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    testRow->addWidget(m_cmdTest, 0, Qt::AlignTop);
    testRow->addWidget(m_lblResult, 1);
    v->addLayout(testRow);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("cmdOk"));
    ok->setText(tr("&Open"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(ok, &QPushButton::clicked, this, &frmDataConnection::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    v->addWidget(buttons);

    connect(m_cboKind, &QComboBox::currentIndexChanged, this, &frmDataConnection::kindChanged);
    kindChanged();
    setMinimumWidth(460);
}

void frmDataConnection::kindChanged()
{
    m_pages->setCurrentIndex(m_cboKind->currentIndex());
    // The dialog is as tall as the page shown, not as the tallest page.
    for (int i = 0; i < m_pages->count(); ++i)
        m_pages->widget(i)->setSizePolicy(
            QSizePolicy::Preferred, i == m_pages->currentIndex() ? QSizePolicy::Preferred : QSizePolicy::Ignored);
    m_pages->adjustSize();
    adjustSize();
    m_lblResult->clear();
    (m_cboKind->currentIndex() == SqliteIndex ? static_cast<QWidget*>(m_txtFile) : m_txtHost)->setFocus();
}

void frmDataConnection::setSpec(const DataSourceUrl& address)
{
    const bool pg = address.kind == DataSourceUrl::Kind::Postgresql;
    m_cboKind->setCurrentIndex(pg ? PostgresqlIndex : SqliteIndex);
    if (pg) {
        m_txtHost->setText(address.host);
        m_txtPort->setText(address.port > 0 ? QString::number(address.port) : QString());
        m_txtDatabase->setText(address.database);
        m_txtUser->setText(address.user);
        m_password = address.password;
        m_passwordFor = serverKey(address);
    } else {
        m_txtFile->setText(address.path);
    }
    m_cboTable->setCurrentText(address.table);
    m_txtQuery->setPlainText(address.query);
    (address.query.isEmpty() ? m_optTable : m_optQuery)->setChecked(true);
}

DataSourceUrl frmDataConnection::address() const
{
    DataSourceUrl s;
    if (m_cboKind->currentIndex() == PostgresqlIndex) {
        s.kind = DataSourceUrl::Kind::Postgresql;
        s.host = m_txtHost->text().trimmed();
        bool ok = false;
        const int port = m_txtPort->text().trimmed().toInt(&ok);
        s.port = ok && port > 0 ? port : -1;
        s.database = m_txtDatabase->text().trimmed();
        s.user = m_txtUser->text().trimmed();
        if (serverKey(s) == m_passwordFor)
            s.password = m_password;
    } else {
        s.kind = DataSourceUrl::Kind::Sqlite;
        s.path = m_txtFile->text().trimmed();
        if (!s.path.isEmpty())
            s.path = QFileInfo(s.path).absoluteFilePath();
    }
    if (m_optQuery->isChecked())
        s.query = m_txtQuery->toPlainText().trimmed();
    else
        s.table = m_cboTable->currentText().trimmed();
    return s;
}

QString frmDataConnection::problem() const
{
    const DataSourceUrl s = address();
    if (s.kind == DataSourceUrl::Kind::Sqlite && s.path.isEmpty())
        return tr("Choose the database file.");
    if (s.kind == DataSourceUrl::Kind::Postgresql && s.database.isEmpty())
        return tr("Name the database.");
    if (m_optQuery->isChecked() && s.query.isEmpty())
        return tr("Type the query (SELECT ...).");
    if (!m_optQuery->isChecked() && s.table.isEmpty())
        return tr("Choose a table (List Tables shows them) or type a query.");
    return QString();
}

void frmDataConnection::showResult(bool ok, const QString& text)
{
    m_lblResult->setText(text);
    m_lblResult->setStyleSheet(ok ? QStringLiteral("color: #1a6b1a;") : QStringLiteral("color: #a00000;"));
}

bool frmDataConnection::listTables()
{
    DataSourceUrl s = address();
    s.table.clear();
    s.query.clear();
    if (s.kind == DataSourceUrl::Kind::Sqlite && s.path.isEmpty()) {
        showResult(false, tr("Choose the database file."));
        return false;
    }
    try {
        struct Listed {
            QStringList names;
            DataSourceUrl address; // with the password that worked
        };
        const auto stop = std::make_shared<QueryStop>();
        WorkerThread worker(QStringLiteral("kyt-tables"));
        const Listed listed = worker.call<Listed>(
            [s, stop, prompt = onWindowThread(passwordPrompt(this))]() mutable {
                QStringList names = DataSource::tables(s, prompt, stop);
                return Listed { names, s };
            },
            { tr("Connecting to the database..."), this, [stop] { stop->stop(); } });
        const QStringList& names = listed.names;
        s = listed.address;
        if (s.kind == DataSourceUrl::Kind::Postgresql) {
            m_password = s.password;
            m_passwordFor = serverKey(s);
        }
        const QString current = m_cboTable->currentText();
        const QSignalBlocker quiet(m_cboTable);
        m_cboTable->clear();
        m_cboTable->addItems(names);
        m_cboTable->setCurrentText(names.contains(current) || names.isEmpty() ? current : names.first());
        showResult(true,
            names.isEmpty() ? tr("Connected: the database has no tables.")
                            : tr("Connected: %1.").arg(Counted(names.size(), "table")));
        return true;
    } catch (const KytError& e) {
        showResult(
            false, e.number() == ErrCancelled ? tr("Cancelled.") : tr("Could not connect: %1").arg(e.description()));
        return false;
    }
}

bool frmDataConnection::testConnection()
{
    const DataSourceUrl s = address();
    if (s.table.isEmpty() && s.query.isEmpty())
        return listTables();
    if (s.kind == DataSourceUrl::Kind::Sqlite && s.path.isEmpty()) {
        showResult(false, tr("Choose the database file."));
        return false;
    }
    try {
        struct Tested {
            DataSourceUrl address; // with the password that worked
            qsizetype fields = 0;
            qint64 records = 0;
        };
        const auto stop = std::make_shared<QueryStop>();
        WorkerThread worker(QStringLiteral("kyt-test"));
        const Tested tested = worker.call<Tested>(
            [s, stop, prompt = onWindowThread(passwordPrompt(this))] {
                const std::unique_ptr<DataSource> source = DataSource::open(s, prompt, stop);
                const qint64 records = source->count();
                return Tested { source->address(), source->fieldNames().size(), records };
            },
            { tr("Connecting to the database..."), this, [stop] { stop->stop(); } });
        if (s.kind == DataSourceUrl::Kind::Postgresql) {
            m_password = tested.address.password;
            m_passwordFor = serverKey(tested.address);
        }
        showResult(
            true, tr("Connected: %1 and %2.").arg(Counted(tested.fields, "field"), Counted(tested.records, "record")));
        return true;
    } catch (const KytError& e) {
        showResult(
            false, e.number() == ErrCancelled ? tr("Cancelled.") : tr("Could not connect: %1").arg(e.description()));
        return false;
    }
}

void frmDataConnection::browse()
{
    const auto chosen = commonDialog().ShowOpen(tr("Open SQLite Database"),
        tr("SQLite Databases (*.sqlite;*.sqlite3;*.db)|*.sqlite;*.sqlite3;*.db|All Files (*.*)|*.*"), m_txtFile->text(),
        6148, 1);
    if (!chosen || chosen->isEmpty())
        return;
    m_txtFile->setText(*chosen);
    if (m_cboTable->currentText().isEmpty())
        listTables();
}

void frmDataConnection::okClicked()
{
    if (const QString why = problem(); !why.isEmpty()) {
        showResult(false, why);
        return;
    }
    accept();
}

PasswordPrompt frmDataConnection::passwordPrompt(QWidget* parent)
{
    QPointer<QWidget> over(parent);
    return [over](const DataSourceUrl& address, const QString& reason, QString* password) {
        frmDataPassword dialog(address, reason, over);
        execModal(dialog);
        if (dialog.result() != QDialog::Accepted)
            return false;
        *password = dialog.password();
        return true;
    };
}

PasswordPrompt frmDataConnection::onWindowThread(const PasswordPrompt& prompt)
{
    if (!prompt)
        return {};
    return [prompt](const DataSourceUrl& address, const QString& reason, QString* password) {
        bool ok = false;
        QString given;
        if (!WorkerThread::askWaitingThread([&] { ok = prompt(address, reason, &given); }))
            return false;
        if (ok)
            *password = given;
        return ok;
    };
}

frmDataPassword::frmDataPassword(const DataSourceUrl& address, const QString& reason, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDataPassword"));
    setWindowTitle(tr("Database Password"));
    auto* v = new QVBoxLayout(this);
    auto* what = new QLabel(tr("The password for %1:").arg(address.displayName()), this);
    what->setObjectName(QStringLiteral("lblSource"));
    what->setWordWrap(true);
    auto* why = new QLabel(reason, this);
    why->setObjectName(QStringLiteral("lblReason"));
    why->setWordWrap(true);
    why->setStyleSheet(QStringLiteral("color: #a00000;"));
    why->setVisible(!reason.isEmpty());
    m_txtPassword = new QLineEdit(this);
    m_txtPassword->setObjectName(QStringLiteral("txtPassword"));
    m_txtPassword->setEchoMode(QLineEdit::Password);
    auto* note = new QLabel(tr("It is used for this session only and never stored."), this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOk"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    v->addWidget(what);
    v->addWidget(why);
    v->addWidget(m_txtPassword);
    v->addWidget(note);
    v->addWidget(buttons);
    setMinimumWidth(360);
}

QString frmDataPassword::password() const
{
    return m_txtPassword->text();
}

} // namespace kyt
