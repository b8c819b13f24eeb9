// A query that takes long never freezes the designer: the window's thread
// keeps handling events while the source is read on a thread of its own,
// and a cancelled wait leaves the open source and its record as they were.
#include "EditingFixture.h"

#include "designer/DataPanel.h"
#include "designer/PrintRecordsDialog.h"
#include "dialogs/frmDataConnection.h"
#include "platform/widgets/WorkerThread.h"
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>

using namespace kyt;
using namespace kyt::test;

namespace
{

const QList<QStringList> People { { "Ann", "Ash" }, { "Ben", "Birch" }, { "Cy", "Cedar" }, { "Di", "Dogwood" } };

bool makePeople(const QString& file, QString* error)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("slowfixture"));
        db.setDatabaseName(file);
        QSqlQuery q(db);
        ok = db.open() && q.exec(QStringLiteral("CREATE TABLE people (first text, lastname text)"));
        for (qsizetype i = 0; ok && i < People.size(); ++i)
            ok = q.exec(QStringLiteral("INSERT INTO people VALUES ('%1', '%2')").arg(People[i][0], People[i][1]));
        if (!ok)
            *error = q.lastError().text() + db.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("slowfixture"));
    return ok;
}

// The visible wait dialog, if any.
QProgressDialog* waitDialog()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* p = qobject_cast<QProgressDialog*>(w);
            p && p->objectName() == QLatin1String("frmWait") && p->isVisible())
            return p;
    return nullptr;
}

struct LongRead : WithDataPanel {
    QString db;

    void SetUp() override
    {
        WithDataPanel::SetUp();
        db = dir.filePath(QStringLiteral("people.sqlite"));
        QString error;
        ASSERT_TRUE(makePeople(db, &error)) << error.toStdString();
    }

    DataSourceUrl table() const
    {
        DataSourceUrl a;
        a.kind = DataSourceUrl::Kind::Sqlite;
        a.path = db;
        a.table = QStringLiteral("people");
        return a;
    }

    // The people, by a query that first counts to `steps` on every run.
    DataSourceUrl slow(qint64 steps) const
    {
        DataSourceUrl a = table();
        a.table.clear();
        a.query = QStringLiteral("WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c WHERE x < %1) "
                                 "SELECT p.* FROM people p WHERE (SELECT count(*) FROM c) = %1")
                      .arg(steps);
        return a;
    }
};

// Cancels the wait dialog as soon as it shows, and notes that it did.
struct CancelWhenShown {
    QTimer poll;
    bool cancelled = false;
    CancelWhenShown()
    {
        QObject::connect(&poll, &QTimer::timeout, [this] {
            if (QProgressDialog* p = waitDialog()) {
                cancelled = true;
                p->findChild<QPushButton*>()->click();
            }
        });
        poll.start(10);
    }
};

} // namespace

TEST_F(LongRead, WindowThreadKeepsRunningWhileTheSourceIsRead)
{
    DesignerData& data = panel->data();
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(5);
    data.open(slow(2'000'000));
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(data.fields(), (QStringList { "first", "lastname" }));
    EXPECT_EQ(data.recordCount(), 4);
    EXPECT_EQ(data.values(), People[0]);

    ticks = 0;
    data.goTo(3);
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(data.values(), People[2]);
    EXPECT_EQ(data.currentData()->Item(QStringLiteral("lastname"))->vValue().toString(), "Cedar");
    // The wait dialog went with the wait.
    EXPECT_EQ(waitDialog(), nullptr);
}

// A cancelled open says so in the status line only; the table and its
// record 3 stay. Stepping or finding on a slow source, cancelled, keeps
// the record.
TEST_F(LongRead, CancelledWaitsKeepTheSourceAndTheRecord)
{
    ASSERT_TRUE(panel->openSource(table()));
    panel->goTo(3);
    d.boxes.box().clear();
    {
        CancelWhenShown cancel;
        EXPECT_FALSE(panel->openSource(slow(1'000'000'000)));
        EXPECT_TRUE(cancel.cancelled);
    }
    EXPECT_TRUE(d.boxes.box().asked().empty());
    EXPECT_TRUE(window().statusLabel()->text().contains(QStringLiteral("cancelled")))
        << window().statusLabel()->text().toStdString();
    EXPECT_EQ(panel->data().address().table, QStringLiteral("people"));
    EXPECT_EQ(panel->data().current(), 3);
    EXPECT_EQ(panel->data().values(), People[2]);

    DesignerData& data = panel->data();
    data.open(slow(3'000'000));
    data.goTo(2);
    const std::vector<std::function<void()>> steps { [&] { data.goTo(4); }, [&] { data.find("nobody"); } };
    for (const auto& step : steps) {
        CancelWhenShown cancel;
        try {
            step();
            ADD_FAILURE() << "not cancelled";
        } catch (const KytError& e) {
            EXPECT_EQ(e.number(), ErrCancelled);
            EXPECT_EQ(e.description(), WorkerThread::cancelledText());
        }
        EXPECT_TRUE(cancel.cancelled);
        EXPECT_EQ(data.current(), 2);
        EXPECT_EQ(data.values(), People[1]);
    }
    // The source still reads after the cancelled calls.
    data.goTo(1);
    EXPECT_EQ(data.values(), People[0]);
}

// A DesignerData destroyed right after a cancelled open returns at once:
// the abandoned read ends on its own thread.
TEST_F(LongRead, DestroyedRightAfterACancelledOpen)
{
    auto data = std::make_unique<DesignerData>();
    data->open(table());
    data->goTo(3);
    {
        CancelWhenShown cancel;
        EXPECT_THROW(data->open(slow(1'000'000'000)), KytError);
        EXPECT_TRUE(cancel.cancelled);
    }
    EXPECT_EQ(data->address().table, QStringLiteral("people"));
    EXPECT_EQ(data->current(), 3);
    data.reset();
    // Counting on would take minutes: the interrupted query ends long before
    // this bound.
    EXPECT_TRUE(WorkerThread::waitForDetached(60000));
}

// The connection dialog tests on a thread of its own too: the dialog keeps
// running, and a cancelled test says so rather than that it failed.
TEST_F(LongRead, ConnectionTestRunsOffTheWindowThreadAndCancels)
{
    frmDataConnection dialog(&window());
    dialog.setSpec(slow(1'000'000));
    int ticks = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(5);
    EXPECT_TRUE(dialog.testConnection());
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(dialog.lblResult()->text(), QStringLiteral("Connected: 2 fields and 4 records."));

    dialog.setSpec(slow(1'000'000'000));
    CancelWhenShown cancel;
    EXPECT_FALSE(dialog.testConnection());
    EXPECT_TRUE(cancel.cancelled);
    EXPECT_EQ(dialog.lblResult()->text(), QStringLiteral("Cancelled."));
}

// A cancelled wait on a PostgreSQL server cancels the query there too: the
// abandoned read ends instead of sleeping on.
TEST_F(LongRead, CancelledPostgresqlQueryEndsOnTheServer)
{
    PostgresServer pg;
    if (!pg.running())
        GTEST_SKIP() << "no PostgreSQL server could be started: " << pg.failure().toStdString();
    DataSourceUrl server;
    server.kind = DataSourceUrl::Kind::Postgresql;
    server.host = pg.socketDir();
    server.user = QStringLiteral("kyt");
    server.password = QStringLiteral("kyt-secret");
    server.database = QStringLiteral("postgres");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("pgslow"));
        db.setHostName(server.host);
        db.setUserName(server.user);
        db.setPassword(server.password);
        db.setDatabaseName(server.database);
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("CREATE TABLE people AS SELECT 'Ann' AS first, 'Ash' AS lastname")))
            << q.lastError().text().toStdString();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("pgslow"));

    auto data = std::make_unique<DesignerData>();
    server.table = QStringLiteral("people");
    data->open(server);
    ASSERT_EQ(data->values(), People[0]);
    DataSourceUrl sleeping = server;
    sleeping.table.clear();
    sleeping.query = QStringLiteral("SELECT p.* FROM people p WHERE (SELECT 1 FROM pg_sleep(3600)) = 1");
    {
        CancelWhenShown cancel;
        EXPECT_THROW(data->open(sleeping), KytError);
        EXPECT_TRUE(cancel.cancelled);
    }
    EXPECT_EQ(data->address().table, QStringLiteral("people"));
    data.reset();
    EXPECT_TRUE(WorkerThread::waitForDetached(60000));
}

// Printing records reads the source on a thread of its own as well: the
// window keeps running while the slow query is run for the batch, before
// the first card is drawn.
TEST_F(LongRead, PrintRecordsKeepsTheWindowRunning)
{
    field("lastname", 0.25, 0.25, 2.0, 0.4);
    DesignerData& data = panel->data();
    data.open(slow(2'000'000));
    PrintRecordsDialog print(window().currentTemplate(), data, &window());
    print.setOutputFile(dir.filePath(QStringLiteral("people.pdf")));
    std::atomic<int> ticks { 0 }, ticksBeforeFirstCard { -1 };
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { ++ticks; });
    tick.start(5);
    print.setProgressHook([&](qint64 done, qint64) {
        if (done == 1)
            ticksBeforeFirstCard = ticks.load();
        return true;
    });
    const PrintRecordsDialog::Summary summary = print.print(true);
    // A window held up by the query sees one tick at most (timer events
    // wait and merge); a running one, one every few milliseconds.
    EXPECT_GT(ticksBeforeFirstCard.load(), 20);
    EXPECT_TRUE(summary.fatal.isEmpty()) << summary.fatal.toStdString();
    EXPECT_EQ(summary.printed, 4);
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("people.pdf"))));
}
