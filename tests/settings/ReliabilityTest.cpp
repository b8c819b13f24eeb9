// Several processes on one store, a writer killed mid-burst, damaged files.
// The multi-process cases run this test program again as the writer: with
// KYT_SETTINGS_CHILD set it writes values and exits before the tests start.
#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "settings/CProperties.h"
#include "settings/CRegistry.h"
#include "support/TestSupport.h"
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <csignal>
#include <cstdio>
#include <cstdlib>

using namespace kyt;
using namespace kyt::reg;
using kyt::test::StoreScope;

namespace
{

const QString kBurstKey = QStringLiteral("Software\\KYT\\Burst");

// Writer: KYT_SETTINGS_CHILD_DB, _COUNT, _PREFIX. Prints "ack N" after each
// write returned, so the parent knows what must survive.
int childWriter()
{
    const QString db = qEnvironmentVariable("KYT_SETTINGS_CHILD_DB");
    const int count = qEnvironmentVariableIntValue("KYT_SETTINGS_CHILD_COUNT");
    const QString prefix = qEnvironmentVariable("KYT_SETTINGS_CHILD_PREFIX");
    RegistryStore store(db);
    if (!store.isPersistent())
        return 3;
    HKEY h = 0;
    if (store.RegCreateKeyEx(HKEY_CURRENT_USER, kBurstKey, 0, QString(), 0, KEY_ALL_ACCESS, &h, nullptr))
        return 4;
    for (int i = 0; i < count; ++i) {
        const LONG rc = store.RegSetValueEx(h, prefix + QString::number(i), 0, REG_SZ, QByteArray::number(i * 7));
        if (rc != ERROR_SUCCESS) {
            std::printf("fail %d %d\n", i, static_cast<int>(rc));
            std::fflush(stdout);
            return 5;
        }
        std::printf("ack %d\n", i);
        std::fflush(stdout);
    }
    store.RegCloseKey(h);
    return 0;
}

const int g_childMode = [] {
    if (!std::getenv("KYT_SETTINGS_CHILD"))
        return 0;
    const int rc = childWriter();
    std::fflush(stdout);
    std::_Exit(rc);
}();

QProcess* startWriter(const QString& db, int count, const QString& prefix)
{
    auto* p = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KYT_SETTINGS_CHILD"), QStringLiteral("1"));
    env.insert(QStringLiteral("KYT_SETTINGS_CHILD_DB"), db);
    env.insert(QStringLiteral("KYT_SETTINGS_CHILD_COUNT"), QString::number(count));
    env.insert(QStringLiteral("KYT_SETTINGS_CHILD_PREFIX"), prefix);
    p->setProcessEnvironment(env);
    p->setProcessChannelMode(QProcess::SeparateChannels);
    p->start(QCoreApplication::applicationFilePath(), {});
    return p;
}

QSet<int> acks(const QByteArray& output)
{
    QSet<int> out;
    for (const QByteArray& line : output.split('\n'))
        if (line.startsWith("ack "))
            out.insert(line.mid(4).toInt());
    return out;
}

// Every value of the burst key, name -> data.
QHash<QString, QByteArray> burstValues(RegistryStore& s)
{
    QHash<QString, QByteArray> out;
    HKEY h = 0;
    if (s.RegOpenKeyEx(HKEY_CURRENT_USER, kBurstKey, 0, KEY_READ, &h) != ERROR_SUCCESS)
        return out;
    QString name;
    QByteArray data;
    for (DWORD i = 0; s.RegEnumValue(h, i, &name, nullptr, &data) == ERROR_SUCCESS; ++i)
        out.insert(name, data);
    s.RegCloseKey(h);
    return out;
}

// Counts what reaches the reporter.
struct ReportCounter {
    CErrorPtr error = test::quietError();
    int count = 0;
    QString last;
    ReportCounter()
    {
        QObject::connect(error.get(), &CError::ErrorEvent, [this](QString& line) {
            ++count;
            last = line;
        });
        RegistryStore::setErrorReporter(error);
    }
    ~ReportCounter() { RegistryStore::setErrorReporter(nullptr); }
};

QByteArray readAll(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

} // namespace

TEST(Reliability, TwoProcessesWritingAtOnceLoseNothing)
{
    StoreScope scope;
    const int n = 400;
    std::unique_ptr<QProcess> a(startWriter(scope.file(), n, QStringLiteral("a")));
    std::unique_ptr<QProcess> b(startWriter(scope.file(), n, QStringLiteral("b")));
    ASSERT_TRUE(a->waitForFinished(120000));
    ASSERT_TRUE(b->waitForFinished(120000));
    EXPECT_EQ(a->exitCode(), 0) << a->readAllStandardError().constData();
    EXPECT_EQ(b->exitCode(), 0) << b->readAllStandardError().constData();
    EXPECT_EQ(acks(a->readAllStandardOutput()).size(), n);
    EXPECT_EQ(acks(b->readAllStandardOutput()).size(), n);

    scope.reopen();
    const auto values = burstValues(scope.store());
    EXPECT_EQ(values.size(), 2 * n);
    for (int i = 0; i < n; ++i) {
        EXPECT_EQ(values.value(QStringLiteral("a%1").arg(i)), QByteArray::number(i * 7)) << i;
        EXPECT_EQ(values.value(QStringLiteral("b%1").arg(i)), QByteArray::number(i * 7)) << i;
    }
    EXPECT_TRUE(scope.store().integrityCheck());
}

TEST(Reliability, KilledWriterLeavesEveryAcknowledgedWrite)
{
    StoreScope scope;
    std::unique_ptr<QProcess> p(startWriter(scope.file(), 1000000, QStringLiteral("k")));
    ASSERT_TRUE(p->waitForStarted(30000));
    QByteArray out;
    while (acks(out).size() < 150 && p->state() == QProcess::Running) {
        p->waitForReadyRead(10000);
        out += p->readAllStandardOutput();
    }
    ASSERT_EQ(p->state(), QProcess::Running) << "the writer stopped early: " << out.right(200).constData();
    ::kill(static_cast<pid_t>(p->processId()), SIGKILL);
    ASSERT_TRUE(p->waitForFinished(30000));
    EXPECT_EQ(p->exitStatus(), QProcess::CrashExit);
    out += p->readAllStandardOutput();
    const QSet<int> acked = acks(out);
    ASSERT_GE(acked.size(), 150);

    scope.reopen();
    ASSERT_TRUE(scope.store().isPersistent()) << qPrintable(scope.store().problem());
    QString detail;
    EXPECT_TRUE(scope.store().integrityCheck(&detail)) << qPrintable(detail);
    const auto values = burstValues(scope.store());
    for (int i : acked)
        EXPECT_EQ(values.value(QStringLiteral("k%1").arg(i)), QByteArray::number(i * 7)) << i;
    // Nothing beyond what was attempted: at most the one write in flight.
    EXPECT_LE(values.size(), acked.size() + 1);
}

TEST(Reliability, DamagedOrUnreadableFilesAreReportedOnceAndLeftAlone)
{
    struct Row {
        const char* what;
        std::function<void(const QString& file)> make;
    } rows[] = {
        { "not a database",
            [](const QString& f) {
                QFile out(f);
                ASSERT_TRUE(out.open(QIODevice::WriteOnly));
                out.write(QByteArray("KyTID this is no settings database\n").repeated(200));
            } },
        { "damaged pages",
            [](const QString& f) {
                {
                    RegistryStore s(f);
                    HKEY h = 0;
                    ASSERT_EQ(s.RegCreateKeyEx(HKEY_LOCAL_MACHINE, QStringLiteral("A\\B"), 0, QString(), 0,
                                  KEY_ALL_ACCESS, &h, nullptr),
                        0);
                    for (int i = 0; i < 300; ++i)
                        s.RegSetValueEx(h, QStringLiteral("value%1").arg(i), 0, REG_SZ, QByteArray(40, 'x'));
                    s.RegCloseKey(h);
                }
                QFile::remove(f + QStringLiteral("-wal"));
                QFile::remove(f + QStringLiteral("-shm"));
                QFile io(f);
                ASSERT_TRUE(io.open(QIODevice::ReadWrite));
                ASSERT_GT(io.size(), 8192);
                io.seek(4096); // keep the header, wreck the pages after it
                io.write(QByteArray(static_cast<int>(io.size()) - 4096, '\xA5'));
            } },
        { "a foreign SQLite database",
            [](const QString& f) {
                // A store file with a wrong mark stands in for another program's database.
                {
                    RegistryStore s(f);
                }
                QFile::remove(f + QStringLiteral("-wal"));
                QFile::remove(f + QStringLiteral("-shm"));
                QFile io(f);
                ASSERT_TRUE(io.open(QIODevice::ReadWrite));
                io.seek(68); // application id in the header
                io.write(QByteArray("\x12\x34\x56\x78", 4));
            } },
        { "a folder in its place", [](const QString& f) { ASSERT_TRUE(QDir().mkpath(f)); } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        QTemporaryDir dir;
        const QString file = dir.path() + QStringLiteral("/registry.db");
        row.make(file);
        const QByteArray before = readAll(file);

        ReportCounter reports;
        test::ScriptedBoxScope boxes;
        auto store = std::make_shared<RegistryStore>(file);
        RegistryStore::setCurrent(store);
        EXPECT_FALSE(store->isPersistent());
        EXPECT_EQ(reports.count, 1);
        EXPECT_TRUE(reports.last.contains(QStringLiteral("registry.db"))) << qPrintable(reports.last);
        EXPECT_TRUE(reports.last.contains(QStringLiteral("Number: 1009")));

        // Defaults apply and settings keep working for the session.
        CProperties p(reports.error);
        EXPECT_EQ(p.DefaultWidth(), 3.375);
        EXPECT_EQ(p.DefaultFontName(), QStringLiteral("Arial"));
        p.setDefaultFontSize(12);
        CProperties q(reports.error);
        EXPECT_EQ(q.DefaultFontSize(), 12.0);
        for (const MessageRequest& m : boxes.box().asked())
            EXPECT_NE(m.prompt, QStringLiteral("Couldn't write new value to registry."));
        EXPECT_EQ(reports.count, 1); // once, not per use
        RegistryStore::setCurrent(nullptr);
        store.reset();
        EXPECT_EQ(readAll(file), before); // what the user had is untouched
    }
}

TEST(Reliability, AProblemFoundBeforeAReporterExistsWaitsForIt)
{
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/registry.db");
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray(1000, 'z'));
    }
    RegistryStore::setErrorReporter(nullptr);
    auto store = std::make_shared<RegistryStore>(file);
    RegistryStore::setCurrent(store);
    auto error = test::quietError();
    int count = 0;
    QObject::connect(error.get(), &CError::ErrorEvent, [&](QString&) { ++count; });
    {
        CRegistry r;
        r.setErrorObject(error); // the first reporter receives the waiting report
        CRegistry again;
        again.setErrorObject(error);
    }
    EXPECT_EQ(count, 1);
    RegistryStore::setErrorReporter(nullptr);
    RegistryStore::setCurrent(nullptr);
}
