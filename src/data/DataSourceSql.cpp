// The database kinds: SQLite and PostgreSQL through Qt SQL.
#include "data/DataSourcePrivate.h"

#include "errors/CError.h"
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <atomic>
#include <dlfcn.h>
#include <optional>
#include <sqlite3.h>

namespace kyt
{

namespace
{

QString sqlErrorText(const QSqlError& e)
{
    QString text = e.databaseText().trimmed();
    if (text.isEmpty())
        text = e.driverText().trimmed();
    if (text.isEmpty())
        text = e.text().trimmed();
    // libpq continues a message on indented lines: one line reads better.
    return text.isEmpty() ? QCoreApplication::translate("kyt::DataSource", "unknown error") : text.simplified();
}

// libpq's cancel request, from the copy Qt's PostgreSQL driver loaded (the
// core does not link libpq: a host without PostgreSQL needs none). Its
// three functions have kept their form since libpq 7.
struct PgCancel {
    void* (*make)(void* connection); // PQgetCancel
    int (*send)(void* cancel, char* reason, int size); // PQcancel
    void (*free)(void* cancel); // PQfreeCancel

    // Null when libpq is not loaded.
    static const PgCancel* get()
    {
        static const std::optional<PgCancel> api = []() -> std::optional<PgCancel> {
            void* lib = dlopen("libpq.so.5", RTLD_NOW | RTLD_NOLOAD);
            if (!lib)
                return std::nullopt;
            PgCancel a {};
            a.make = reinterpret_cast<decltype(a.make)>(dlsym(lib, "PQgetCancel"));
            a.send = reinterpret_cast<decltype(a.send)>(dlsym(lib, "PQcancel"));
            a.free = reinterpret_cast<decltype(a.free)>(dlsym(lib, "PQfreeCancel"));
            if (!a.make || !a.send || !a.free)
                return std::nullopt;
            return a;
        }();
        return api ? &*api : nullptr;
    }
};

bool asksForPassword(const QString& text)
{
    return text.contains(QLatin1String("password"), Qt::CaseInsensitive);
}

class SqlSource final : public DataSource
{
public:
    // Only connects when `connectOnly` (to list the tables).
    SqlSource(const DataSourceUrl& address, const PasswordPrompt& prompt, const std::shared_ptr<QueryStop>& stop,
        bool connectOnly = false)
        : DataSource(address)
        , m_connection { QStringLiteral("kyt-data-%1").arg(++s_connections) }
        , m_postgresql(address.kind == DataSourceUrl::Kind::Postgresql)
    {
        connect(prompt);
        m_stop.attach(stop, m_db);
        if (connectOnly)
            return;
        QString select = address.query.trimmed();
        while (select.endsWith(QLatin1Char(';')))
            select = select.chopped(1).trimmed();
        QString table = address.table;
        if (select.isEmpty() && table.isEmpty()) {
            // A database of one table needs no name; else say what it holds.
            const QStringList tables = m_db.tables(QSql::Tables);
            if (tables.size() != 1)
                raise(QCoreApplication::translate(
                    "kyt::DataSource", "name a table (?table=NAME) or a query (--query \"SELECT ...\"); it holds %1")
                          .arg(tables.isEmpty() ? QCoreApplication::translate("kyt::DataSource", "no tables")
                                                : QCoreApplication::translate("kyt::DataSource", "the tables ")
                                      + tables.join(QLatin1String(", "))));
            table = tables.front();
        }
        if (select.isEmpty()) {
            // The table as the database spells it; a schema-qualified name is left to the server.
            const QStringList known = m_db.tables(QSql::AllTables) + m_db.tables(QSql::Views);
            const auto found = std::find_if(known.cbegin(), known.cend(),
                [&](const QString& name) { return name.compare(table, Qt::CaseInsensitive) == 0; });
            if (found != known.cend())
                table = *found;
            else if (!table.contains(QLatin1Char('.')))
                raise(QCoreApplication::translate("kyt::DataSource", "there is no table \"%1\"").arg(table));
            select
                = QStringLiteral("SELECT * FROM %1").arg(m_db.driver()->escapeIdentifier(table, QSqlDriver::TableName));
        }
        m_select = select;
        start(0);
        const QSqlRecord record = m_query->record();
        QStringList names;
        QList<bool> binary;
        for (int i = 0; i < record.count(); ++i) {
            const QString name = record.fieldName(i).trimmed();
            if (name.isEmpty())
                raise(QCoreApplication::translate("kyt::DataSource", "column %1 has no name").arg(i + 1));
            for (const QString& other : names)
                if (other.compare(name, Qt::CaseInsensitive) == 0)
                    raise(QCoreApplication::translate("kyt::DataSource", "the column name \"%1\" appears twice")
                              .arg(name));
            names.append(name);
            binary.append(record.field(i).metaType().id() == QMetaType::QByteArray);
        }
        if (names.isEmpty())
            raise(QCoreApplication::translate("kyt::DataSource", "the query gives no columns"));
        setFields(names, binary);
        if (!m_postgresql) {
            const QFileInfo info(address.path);
            m_size = info.size();
            m_modified = info.lastModified();
        }
    }

    QStringList tables() const
    {
        QStringList names = m_db.tables(QSql::Tables) + m_db.tables(QSql::Views);
        names.sort(Qt::CaseInsensitive);
        return names;
    }

    bool next(DataRecord& r) override
    {
        if (m_reposition) {
            m_reposition = false;
            start(m_number);
        }
        if (m_pending) {
            r = std::move(*m_pending);
            m_pending.reset();
            return true;
        }
        if (!m_query)
            return false;
        if (!m_query->next()) {
            const QSqlError e = m_query->lastError();
            m_query.reset();
            if (e.isValid())
                fail(QCoreApplication::translate("kyt::DataSource", "reading record %1 failed: %2")
                         .arg(m_number + 1)
                         .arg(sqlErrorText(e)));
            return false;
        }
        r = DataRecord();
        r.number = ++m_number;
        const QSqlRecord row = m_query->record();
        bool blank = true;
        for (int i = 0; i < row.count(); ++i) {
            const QVariant v = row.value(i);
            if (v.typeId() == QMetaType::QByteArray) {
                r.values.append(v);
                blank = blank && v.toByteArray().isEmpty();
            } else {
                const QString text = v.isNull() ? QString() : v.toString();
                blank = blank && text.trimmed().isEmpty();
                r.values.append(text);
            }
        }
        r.empty = blank;
        return true;
    }

    void rewind() override { start(0); }

    bool seek(qint64 number) override
    {
        if (number < 1) {
            m_query.reset();
            m_pending.reset();
            return false;
        }
        start(number - 1);
        DataRecord r;
        if (!next(r))
            return false;
        m_pending = std::move(r);
        return true;
    }

    qint64 count() override
    {
        // The stream is let go first: a PostgreSQL connection runs one
        // query at a time. The next read takes it up where it was.
        const bool streaming = m_query || m_pending;
        if (m_pending)
            --m_number;
        m_pending.reset();
        m_query.reset();
        QSqlQuery q(m_db);
        if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM (%1) AS kyt_rows").arg(m_select)) || !q.next())
            fail(QCoreApplication::translate("kyt::DataSource", "counting the records failed: %1")
                     .arg(sqlErrorText(q.lastError())));
        m_reposition = streaming;
        return q.value(0).toLongLong();
    }

    QString changed() const override
    {
        if (!m_lost.isEmpty())
            return m_lost;
        if (!m_postgresql) {
            const QFileInfo info(address().path);
            if (!info.exists())
                return QCoreApplication::translate("kyt::DataSource", "the database file was removed or renamed");
            if (info.size() != m_size || info.lastModified() != m_modified)
                return QCoreApplication::translate("kyt::DataSource", "the database changed since it was opened");
        } else if (!m_db.isOpen()) {
            return QCoreApplication::translate("kyt::DataSource", "the connection was closed");
        }
        return QString();
    }

private:
    void connect(const PasswordPrompt& prompt)
    {
        const DataSourceUrl& s = address();
        const QString driver = m_postgresql ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE");
        if (!QSqlDatabase::isDriverAvailable(driver))
            raise(QCoreApplication::translate("kyt::DataSource", "Qt's %1 driver is not installed (package %2)")
                      .arg(m_postgresql ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite"),
                          m_postgresql ? QStringLiteral("libqt6sql6-psql") : QStringLiteral("libqt6sql6-sqlite")));
        m_db = QSqlDatabase::addDatabase(driver, m_connection.name);
        if (!m_postgresql) {
            // Opening creates a missing database; a source only reads one.
            if (const QString why = fileProblem(s.path); !why.isEmpty())
                throw KytError(ErrDataSource, why);
            m_db.setDatabaseName(s.path);
            m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            if (!m_db.open())
                raise(sqlErrorText(m_db.lastError()));
            // The signature is checked by the first statement, not by open.
            QSqlQuery probe(m_db);
            if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
                raise(QCoreApplication::translate("kyt::DataSource", "not a SQLite database: %1")
                          .arg(sqlErrorText(probe.lastError())));
            return;
        }
        m_db.setHostName(s.host);
        if (s.port > 0)
            m_db.setPort(s.port);
        m_db.setUserName(s.user);
        m_db.setDatabaseName(s.database);
        m_db.setConnectOptions(QStringLiteral("connect_timeout=15"));
        QString password = s.password;
        for (int attempt = 0;; ++attempt) {
            m_db.setPassword(password);
            if (m_db.open())
                break;
            const QString why = sqlErrorText(m_db.lastError());
            if (!prompt || !asksForPassword(why) || attempt >= 3 || !prompt(s, why, &password))
                raise(QCoreApplication::translate("kyt::DataSource", "cannot connect: %1").arg(why));
        }
        addressToUpdate().password = password;
        // A source only reads: a query that would change data is refused.
        QSqlQuery q(m_db);
        if (!q.exec(QStringLiteral("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY")))
            raise(sqlErrorText(q.lastError()));
    }

    // Runs the query from record `skip` + 1 on, streamed.
    void start(qint64 skip)
    {
        m_pending.reset();
        m_query.reset();
        m_reposition = false;
        auto q = std::make_unique<QSqlQuery>(m_db);
        q->setForwardOnly(true);
        const QString text = skip <= 0
            ? m_select
            : QStringLiteral("SELECT * FROM (%1) AS kyt_rows %2 OFFSET %3")
                  .arg(m_select, m_postgresql ? QStringLiteral("LIMIT ALL") : QStringLiteral("LIMIT -1"))
                  .arg(skip);
        if (!q->exec(text))
            fail(QCoreApplication::translate("kyt::DataSource", "the query failed: %1")
                     .arg(sqlErrorText(q->lastError())));
        if (!q->isSelect())
            raise(QCoreApplication::translate("kyt::DataSource", "the query gives no records (a SELECT is needed)"));
        m_query = std::move(q);
        m_number = std::max<qint64>(0, skip);
    }

    // A failure while reading; a lost connection is remembered for changed().
    [[noreturn]] void fail(const QString& text)
    {
        if (m_postgresql && !m_db.isOpen())
            m_lost = QCoreApplication::translate("kyt::DataSource", "the connection was lost");
        raise(text);
    }

    // Drops the connection's name once the members that use it are gone
    // (also when the constructor throws).
    struct Connection {
        QString name;
        ~Connection() { QSqlDatabase::removeDatabase(name); }
    };

    // A stop that reaches the connection while it is open: SQLite's own
    // interrupt, or PostgreSQL's cancel request; both may be called from
    // any thread.
    struct Attachment {
        std::shared_ptr<QueryStop> stop;
        void* pgCancel = nullptr;
        void attach(const std::shared_ptr<QueryStop>& to, const QSqlDatabase& db)
        {
            const QVariant handle = db.driver()->handle();
            if (!to || !handle.isValid())
                return;
            void* connection = *static_cast<void* const*>(handle.constData());
            if (!connection)
                return;
            if (qstrcmp(handle.typeName(), "sqlite3*") == 0) {
                stop = to;
                stop->attach([connection] { sqlite3_interrupt(static_cast<sqlite3*>(connection)); });
            } else if (qstrcmp(handle.typeName(), "pg_conn*") == 0 || qstrcmp(handle.typeName(), "PGconn*") == 0) {
                // Qt 6 names the handle by libpq's struct, Qt 5 by its typedef.
                const PgCancel* api = PgCancel::get();
                if (!api || !(pgCancel = api->make(connection)))
                    return;
                stop = to;
                stop->attach([api, cancel = pgCancel] {
                    char reason[256];
                    api->send(cancel, reason, int(sizeof reason));
                });
            }
        }
        ~Attachment()
        {
            if (stop)
                stop->detach();
            if (pgCancel)
                PgCancel::get()->free(pgCancel);
        }
    };

    static inline std::atomic<int> s_connections { 0 };
    Connection m_connection;
    bool m_postgresql;
    QSqlDatabase m_db;
    Attachment m_stop; // let go before the connection closes
    QString m_select;
    std::unique_ptr<QSqlQuery> m_query;
    std::optional<DataRecord> m_pending; // read by seek, handed out by next
    qint64 m_number = 0; // records handed out or skipped
    bool m_reposition = false;
    QString m_lost;
    qint64 m_size = 0;
    QDateTime m_modified;
};

} // namespace

std::unique_ptr<DataSource> openSqlSource(
    const DataSourceUrl& address, const PasswordPrompt& prompt, const std::shared_ptr<QueryStop>& stop)
{
    return std::make_unique<SqlSource>(address, prompt, stop);
}

QStringList sqlTables(DataSourceUrl& address, const PasswordPrompt& prompt, const std::shared_ptr<QueryStop>& stop)
{
    const SqlSource connection(address, prompt, stop, true);
    address.password = connection.address().password;
    return connection.tables();
}

} // namespace kyt
