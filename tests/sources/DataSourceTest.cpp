// Data sources: URLs, the same records from every kind, going to a record
// by its number, photos from files and from binary columns, and sources
// that cannot be read or change while open.
#include <gtest/gtest.h>

#include "data/DataSource.h"
#include "errors/CError.h"
#include "support/TestSupport.h"
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUrl>
#include <atomic>
#include <thread>

using namespace kyt;
using kyt::test::PostgresServer;
using Kind = DataSourceUrl::Kind;

namespace
{

QByteArray pngBytes(int w, int h)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::red);
    img.save(&buffer, "PNG");
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Thrown description of opening `url`; empty when it opened.
QString openError(const QString& url)
{
    try {
        DataSource::open(url);
    } catch (const KytError& e) {
        return e.description();
    }
    return QString();
}

std::vector<QStringList> allTexts(DataSource& s)
{
    std::vector<QStringList> rows;
    DataRecord r;
    s.rewind();
    while (s.next(r)) {
        QStringList texts;
        for (int i = 0; i < r.values.size(); ++i)
            texts << r.text(i);
        rows.push_back(texts);
    }
    return rows;
}

// The fixture every kind holds: three people, photos in records 1 and 3.
class Fixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        photo = pngBytes(4, 3);
        writeFile(path("face.png"), photo);
        writeFile(path("people.csv"),
            "Name,Company,Image\nMaria Lee,Acme,face.png\n\"Ren\xc3\xa9"
            "e M\xc3\xbcller\",\"Berg, Sons\",\n"
            "Ole Berg,Acme,face.png\n");
        writeFile(path("one.data"),
            "Name\x01Maria Lee\x02"
            "Company\x01"
            "Acme\x02Image\x01"
            "face.png\x02");
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
        db.setDatabaseName(path("people.db"));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("CREATE TABLE people (Name TEXT, Company TEXT, Image BLOB)"));
        ASSERT_TRUE(q.exec("CREATE TABLE other (x TEXT)"));
        ASSERT_TRUE(q.prepare("INSERT INTO people VALUES (?, ?, ?)"));
        const QVariant none(QMetaType(QMetaType::QByteArray));
        for (const auto& [name, company, image] :
            { std::tuple { QStringLiteral("Maria Lee"), QStringLiteral("Acme"), QVariant(photo) },
                std::tuple { QStringLiteral("Renée Müller"), QStringLiteral("Berg, Sons"), none },
                std::tuple { QStringLiteral("Ole Berg"), QStringLiteral("Acme"), QVariant(photo) } }) {
            q.addBindValue(name);
            q.addBindValue(company);
            q.addBindValue(image);
            ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
        }
        q.finish();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
    }
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QByteArray photo;
};

} // namespace

TEST(DataSourceUrl, ReadsEveryKindOfUrlAndWritesItBack)
{
    struct Case {
        const char* url;
        Kind kind;
        const char* path;
        const char* table;
        const char* query;
        const char* host;
        int port;
        const char* user;
        const char* database;
    };
    const Case cases[] = {
        { "csv:/d/people.csv", Kind::Csv, "/d/people.csv", "", "", "", -1, "", "" },
        { "data:rel/one.data", Kind::DataStream, "rel/one.data", "", "", "", -1, "", "" },
        { "/d/what?.csv", Kind::None, "/d/what?.csv", "", "", "", -1, "", "" },
        { "sqlite:/d/p.db?table=people", Kind::Sqlite, "/d/p.db", "people", "", "", -1, "", "" },
        { "sqlite:/d/p.db?query=SELECT%20*%20FROM%20t%20WHERE%20a%3D%271%27", Kind::Sqlite, "/d/p.db", "",
            "SELECT * FROM t WHERE a='1'", "", -1, "", "" },
        { "postgresql://ann@db.example:5433/cards?table=people", Kind::Postgresql, "", "people", "", "db.example", 5433,
            "ann", "cards" },
        { "postgresql://ann@%2Frun%2Fpg/cards", Kind::Postgresql, "", "", "", "/run/pg", -1, "ann", "cards" },
        { "postgres://[::1]:6000/cards?user=bo&host=/tmp/s", Kind::Postgresql, "", "", "", "/tmp/s", 6000, "bo",
            "cards" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        const DataSourceUrl s = DataSourceUrl::parse(QString::fromUtf8(c.url));
        EXPECT_EQ(s.kind, c.kind);
        EXPECT_EQ(s.path, QString::fromUtf8(c.path));
        EXPECT_EQ(s.table, QString::fromUtf8(c.table));
        EXPECT_EQ(s.query, QString::fromUtf8(c.query));
        EXPECT_EQ(s.host, QString::fromUtf8(c.host));
        EXPECT_EQ(s.port, c.port);
        EXPECT_EQ(s.user, QString::fromUtf8(c.user));
        EXPECT_EQ(s.database, QString::fromUtf8(c.database));
        EXPECT_EQ(DataSourceUrl::parse(s.toUrl()), s) << s.toUrl().toStdString();
    }
    // A password given in the URL is used but never written back.
    const DataSourceUrl withPassword = DataSourceUrl::parse("postgresql://ann:s3cret@h/db?table=t");
    EXPECT_EQ(withPassword.password, "s3cret");
    EXPECT_FALSE(withPassword.toUrl().contains("s3cret"));
    EXPECT_FALSE(withPassword.displayName().contains("s3cret"));

    const std::pair<const char*, const char*> bad[] = {
        { "", "no file or URL given" },
        { "sqlite:/d/p.db?tabel=x", "unknown parameter \"tabel\"" },
        { "sqlite:/d/p.db?table=a&query=SELECT%201", "a table or a query, not both" },
        { "postgresql://ann@h:99999/db", "is not a port number" },
        { "postgresql://ann@h", "no database named" },
        { "postgresql:h/db", "postgresql://USER@HOST" },
        { "csv:?encoding=klingon", "the encoding must be" },
    };
    for (const auto& [url, why] : bad) {
        SCOPED_TRACE(url);
        try {
            DataSourceUrl::parse(QString::fromUtf8(url));
            ADD_FAILURE() << "accepted";
        } catch (const KytError& e) {
            EXPECT_TRUE(e.description().contains(QString::fromUtf8(why))) << e.description().toStdString();
            EXPECT_EQ(e.number(), ErrDataSource);
        }
    }
}

TEST_F(Fixture, EveryKindYieldsTheSameRecordsAndPhotos)
{
    const auto csv = DataSource::open("csv:" + path("people.csv"));
    const std::vector<QStringList> want = allTexts(*csv);
    ASSERT_EQ(want.size(), 3u);
    EXPECT_EQ(want[1], (QStringList { "Renée Müller", "Berg, Sons", "" }));

    for (const QString& url : QStringList { path("people.csv"), "sqlite:" + path("people.db") + "?table=people",
             "sqlite:" + path("people.db") + "?query=SELECT%20*%20FROM%20people%20ORDER%20BY%20rowid",
             "data:" + path("one.data") }) {
        SCOPED_TRACE(url.toStdString());
        const auto source = DataSource::open(url);
        EXPECT_EQ(source->fieldNames(), (QStringList { "Name", "Company", "Image" }));
        EXPECT_EQ(source->column("image"), 2);
        const bool database = source->address().isDatabase();
        EXPECT_EQ(source->isBinary(2), database);
        const std::vector<QStringList> rows = allTexts(*source);
        const size_t n = source->address().kind == Kind::DataStream ? 1 : 3;
        ASSERT_EQ(rows.size(), n);
        EXPECT_EQ(source->count(), qint64(n));
        for (size_t i = 0; i < n; ++i) {
            EXPECT_EQ(rows[i].mid(0, 2), want[i].mid(0, 2));
            // The photo: a file named in the record or the column's bytes, alike.
            DataRecord r;
            ASSERT_TRUE(source->record(qint64(i) + 1, r));
            QString why;
            const Picture p = source->photo(r, 2, &why);
            EXPECT_TRUE(why.isEmpty()) << why.toStdString();
            EXPECT_EQ(p.isNull(), i == 1);
            if (!p.isNull()) {
                EXPECT_EQ(p.image().size(), QSize(4, 3));
            }
        }
    }
}

TEST_F(Fixture, UnreadableSourcesSayWhy)
{
    writeFile(path("notes.txt"), "just text\n");
    const std::pair<QString, QString> cases[] = {
        { "csv:" + path("missing.csv"), path("missing.csv") + ": no such file" },
        { "csv:" + dir.path(), dir.path() + ": not a regular file" },
        { "sqlite:" + path("missing.db") + "?table=t", path("missing.db") + ": no such file" },
        { "sqlite:" + path("notes.txt") + "?table=t", "not a SQLite database" },
        { "sqlite:" + path("people.db"), "name a table (?table=NAME) or a query" },
        { "sqlite:" + path("people.db") + "?table=nobody", "there is no table \"nobody\"" },
        { "sqlite:" + path("people.db") + "?query=SELEC%20x", "the query failed" },
        { "sqlite:" + path("people.db") + "?query=DROP%20TABLE%20people", "the query failed" },
        { "data:" + path("people.csv"), "not a data stream file" },
    };
    for (const auto& [url, why] : cases) {
        SCOPED_TRACE(url.toStdString());
        const QString error = openError(url);
        EXPECT_TRUE(error.contains(why)) << error.toStdString();
    }
    // The refused DROP left the table.
    EXPECT_EQ(DataSource::open("sqlite:" + path("people.db") + "?table=people")->count(), 3);
    DataSourceUrl db = DataSourceUrl::parse("sqlite:" + path("people.db"));
    EXPECT_EQ(DataSource::tables(db), (QStringList { "other", "people" }));
    // A damaged BLOB is the record's problem, named, not the source's.
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("damage"));
        db.setDatabaseName(path("people.db"));
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec("UPDATE people SET Image = x'89504e470d0a1a0a0000' WHERE Name = 'Ole Berg'");
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("damage"));
    const auto source = DataSource::open("sqlite:" + path("people.db") + "?table=people");
    DataRecord r;
    ASSERT_TRUE(source->record(3, r));
    QString why;
    EXPECT_TRUE(source->photo(r, 2, &why).isNull());
    EXPECT_TRUE(why.startsWith("photo in field Image: ")) << why.toStdString();
}

// A stop from another thread ends a SQLite query that would run for
// minutes: the open fails with the database's reason. Stopped until it
// ends, since a stop before the query starts does nothing.
TEST_F(Fixture, QueryStopInterruptsASqliteQueryFromAnotherThread)
{
    DataSourceUrl slow;
    slow.kind = Kind::Sqlite;
    slow.path = path("people.db");
    slow.query = QStringLiteral("WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c WHERE x < 1000000000) "
                                "SELECT p.* FROM people p WHERE (SELECT count(*) FROM c) > 0");
    const auto stop = std::make_shared<QueryStop>();
    std::atomic<bool> ended = false;
    QString error;
    std::thread reader([&] {
        try {
            DataSource::open(slow, {}, stop);
        } catch (const KytError& e) {
            error = e.description();
        }
        ended = true;
    });
    while (!ended) {
        stop->stop();
        std::this_thread::yield();
    }
    reader.join();
    EXPECT_TRUE(error.contains(QStringLiteral("interrupt"))) << error.toStdString();
}

TEST(DataSource, GoesToAnyRecordOfALargeCsvFileAndNoticesChanges)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("big.csv");
    QByteArray text = "No,Note\n";
    // Every seventh record spans two lines, so line and record numbers part.
    const int n = int(DataSource::IndexStep) * 4 + 17;
    for (int i = 1; i <= n; ++i)
        text += QByteArray::number(i) + (i % 7 ? ",x\n" : ",\"two\nlines\"\n") + (i % 50 ? "" : "\n");
    writeFile(file, text);
    const auto source = DataSource::open("csv:" + file);
    std::vector<DataRecord> streamed;
    DataRecord r;
    while (source->next(r))
        streamed.push_back(r);
    ASSERT_EQ(streamed.size(), size_t(n));
    EXPECT_EQ(source->count(), n);
    // Back and forth, across index steps: the same record as streamed.
    for (qint64 number : { qint64(700), qint64(3), qint64(n), qint64(1), qint64(257), qint64(256), qint64(700) }) {
        SCOPED_TRACE(number);
        ASSERT_TRUE(source->record(number, r));
        EXPECT_EQ(r.number, number);
        EXPECT_EQ(r.text(0), QString::number(number));
        EXPECT_EQ(r.line, streamed[size_t(number - 1)].line);
        EXPECT_EQ(r.where(), streamed[size_t(number - 1)].where());
    }
    ASSERT_TRUE(source->next(r));
    EXPECT_EQ(r.number, 701);
    EXPECT_FALSE(source->seek(n + 1));
    EXPECT_FALSE(source->seek(0));
    EXPECT_TRUE(source->changed().isEmpty());

    // A file that changes or goes away while open is reported, not read as garbage.
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("9999,late\n");
    f.close();
    EXPECT_EQ(source->changed(), "the file changed since it was opened");
    source->rewind();
    try {
        while (source->next(r)) { }
        ADD_FAILURE() << "read a changed file to its end without a word";
    } catch (const KytError& e) {
        EXPECT_TRUE(e.description().endsWith("the file changed since it was opened")) << e.description().toStdString();
    }
    ASSERT_TRUE(QFile::remove(file));
    EXPECT_EQ(source->changed(), "the file was removed or renamed");
}

// PostgreSQL on a private server started by the repository's script.
TEST(DataSourcePostgresql, AsksForThePasswordAndReadsByteaPhotos)
{
    PostgresServer pg;
    if (!pg.running())
        GTEST_SKIP() << "no PostgreSQL server could be started: " << pg.failure().toStdString();
    const QString& socketDir = pg.socketDir();
    {
        auto db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("pgfixture"));
        db.setHostName(socketDir);
        db.setUserName("kyt");
        db.setPassword("kyt-secret");
        db.setDatabaseName("postgres");
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("CREATE TABLE people (name text, image bytea)"));
        ASSERT_TRUE(q.prepare("INSERT INTO people VALUES (?, ?)"));
        q.addBindValue(QStringLiteral("Maria Lee"));
        q.addBindValue(pngBytes(5, 2));
        ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("pgfixture"));

    qunsetenv("PGPASSWORD");
    const QString url = "postgresql://kyt@" + QUrl::toPercentEncoding(socketDir) + "/postgres?table=people";
    // Wrong, then right: the prompt hears the server's reason each time.
    QStringList reasons;
    QStringList answers { "wrong", "kyt-secret" };
    const auto source = DataSource::open(url, [&](const DataSourceUrl&, const QString& reason, QString* password) {
        reasons << reason;
        *password = answers.takeFirst();
        return true;
    });
    ASSERT_EQ(reasons.size(), 2);
    EXPECT_TRUE(reasons[0].contains("password")) << reasons[0].toStdString();
    EXPECT_TRUE(reasons[1].contains("password authentication failed")) << reasons[1].toStdString();
    EXPECT_EQ(source->address().password, "kyt-secret");
    EXPECT_TRUE(source->isBinary(1));
    DataRecord r;
    ASSERT_TRUE(source->record(1, r));
    QString why;
    EXPECT_EQ(source->photo(r, 1, &why).image().size(), QSize(5, 2)) << why.toStdString();
    EXPECT_EQ(source->count(), 1);
    DataSourceUrl server = source->address();
    EXPECT_EQ(DataSource::tables(server), QStringList { "people" });
    // Without a prompt the same refusal is one message with the reason.
    const QString error = openError(url);
    EXPECT_TRUE(error.contains("cannot connect")) << error.toStdString();
    EXPECT_TRUE(error.contains("password")) << error.toStdString();
}
