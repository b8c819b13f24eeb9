// Designing with records from a database: a SQLite table or query and a
// PostgreSQL table opened through the connection dialog, stepped on the
// card, checked and printed as a CSV file is; records printed as PNG
// pictures and as lists of records that do not follow one another.
#include "EditingFixture.h"

#include "designer/DataPanel.h"
#include "designer/PagePictures.h"
#include "designer/PreflightPanel.h"
#include "designer/PrintRecordsDialog.h"
#include "dialogs/frmDataConnection.h"
#include "settings/AppSettings.h"
#include "settings/CTargetApplications.h"
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUrl>

using namespace kyt;
using namespace kyt::test;

namespace
{

const QStringList Columns { "First", "LastName", "Company" };
const QList<QStringList> Rows { { "Ann", "Ash", "Acme" }, { "Ben", "Birch", "Bolt Works" },
    { "Cy", "Cedar", "Crane & Sons" }, { "Di", "Dogwood", "Delta" }, { "Ed", "Elm", "Echo" } };

// The people table through any Qt SQL connection.
bool fillPeople(QSqlDatabase& db, QString* error)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("CREATE TABLE people (first text, lastname text, company text)"))) {
        *error = q.lastError().text();
        return false;
    }
    for (const QStringList& row : Rows) {
        q.prepare(QStringLiteral("INSERT INTO people VALUES (?, ?, ?)"));
        for (const QString& v : row)
            q.addBindValue(v);
        if (!q.exec()) {
            *error = q.lastError().text();
            return false;
        }
    }
    return true;
}

bool makeSqlite(const QString& file, QString* error)
{
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
        db.setDatabaseName(file);
        ok = db.open() && fillPeople(db, error);
        if (!db.isOpen())
            *error = db.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
    return ok;
}

int pdfPages(const QString& file)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(readBytes(file)).count(page));
}

struct WithDatabase : WithDataPanel {
    QString db;

    void SetUp() override
    {
        WithDataPanel::SetUp();
        db = dir.filePath(QStringLiteral("people.sqlite"));
        QString error;
        ASSERT_TRUE(makeSqlite(db, &error)) << error.toStdString();
    }

    // Runs Print Records with the choices made by `choose`.
    std::optional<PrintRecordsDialog::Summary> printRecords(const std::function<void(PrintRecordsDialog&)>& choose)
    {
        std::optional<PrintRecordsDialog::Summary> summary;
        ModalScope modal([&](QDialog& dialog) {
            auto* print = qobject_cast<PrintRecordsDialog*>(&dialog);
            ASSERT_NE(print, nullptr);
            choose(*print);
            summary = print->print(true);
        });
        window().menuAction(QStringLiteral("mnuDataPrintRecords"))->trigger();
        return summary;
    }
};

} // namespace

// The file dialog picks the database; the connection dialog lists its
// tables, tests the connection and opens the table; the panel steps it.
TEST_F(WithDatabase, SqliteTableOpensThroughTheDialogAndSteps)
{
    field("LastName", 0.25, 0.25, 2.0, 0.4);
    d.dialogs.dialog().queueAnswer(CommonDialogAnswer(db));
    QStringList listed;
    QString tested;
    ModalScope modal([&](QDialog& dialog) {
        auto* connection = qobject_cast<frmDataConnection*>(&dialog);
        ASSERT_NE(connection, nullptr);
        for (int i = 0; i < connection->cboTable()->count(); ++i)
            listed << connection->cboTable()->itemText(i);
        connection->cboTable()->setCurrentText(QStringLiteral("people"));
        connection->findChild<QPushButton*>(QStringLiteral("cmdTest"))->click();
        tested = connection->lblResult()->text();
        connection->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
    });
    ASSERT_TRUE(panel->openFromDialog());
    EXPECT_EQ(listed, QStringList { "people" });
    EXPECT_EQ(tested, QStringLiteral("Connected: 3 fields and 5 records."));
    EXPECT_EQ(panel->data().fields(), (QStringList { "first", "lastname", "company" }));
    EXPECT_EQ(panel->data().recordCount(), 5);
    panel->next();
    panel->next();
    EXPECT_EQ(panel->data().values(), Rows[2]);
    EXPECT_EQ(panel->fieldList()->topLevelItem(1)->text(1), QStringLiteral("Cedar"));
    EXPECT_EQ(panel->data().currentData()->Item(QStringLiteral("LastName"))->vValue().toString(), "Cedar");
    EXPECT_TRUE(panel->showingData());
    panel->goTo(9);
    EXPECT_EQ(panel->data().current(), 3);

    // The preflight reads the same table.
    PreflightPanel* preflight = PreflightPanel::of(window());
    QSignalSpy checked(preflight, &PreflightPanel::checked);
    preflight->recheck();
    ASSERT_TRUE(checked.wait(60000));
    for (const preflight::Finding& f : preflight->report().findings)
        EXPECT_FALSE(!f.ok && f.topic == QLatin1String("fields")) << f.text.toStdString();

    // Printed as the CSV file is: one page per record of the range.
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    const auto summary = printRecords([&](PrintRecordsDialog& p) {
        p.setRecords(2, 4);
        p.setOutputFile(pdf);
    });
    ASSERT_TRUE(summary.has_value());
    EXPECT_TRUE(summary->fatal.isEmpty()) << summary->fatal.toStdString();
    EXPECT_EQ(pdfPages(pdf), 3);
}

// A query that the database refuses is told with the driver's reason; the
// dialog comes back with what was typed, and the open source stays.
TEST_F(WithDatabase, RefusedQueryKeepsTheOpenSourceAndShowsTheDialogAgain)
{
    ASSERT_TRUE(panel->openSource(QStringLiteral("sqlite:") + db + QStringLiteral("?table=people")));
    d.boxes.box().clear();
    int shown = 0;
    QString typedAgain;
    ModalScope modal([&](QDialog& dialog) {
        auto* connection = qobject_cast<frmDataConnection*>(&dialog);
        ASSERT_NE(connection, nullptr);
        if (++shown == 1) {
            connection->txtQuery()->setPlainText(QStringLiteral("SELECT nosuch FROM people"));
            connection->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        } else {
            typedAgain = connection->txtQuery()->toPlainText();
            connection->reject();
        }
    });
    EXPECT_FALSE(panel->openDatabase());
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(typedAgain, QStringLiteral("SELECT nosuch FROM people"));
    ASSERT_EQ(d.boxes.box().asked().size(), 1u);
    EXPECT_TRUE(d.boxes.box().asked().front().prompt.contains(QStringLiteral("nosuch")))
        << d.boxes.box().asked().front().prompt.toStdString();
    EXPECT_EQ(panel->data().address().table, QStringLiteral("people"));
    EXPECT_EQ(panel->data().recordCount(), 5);
}

struct ConnectionCase {
    const char* name;
    bool file; // the database file exists
    const char* table;
    const char* query;
    bool ok;
    const char* result; // lblResult holds this
};

class TestConnection : public WithDatabase, public ::testing::WithParamInterface<ConnectionCase>
{
};

TEST_P(TestConnection, ReportsSuccessOrTheReason)
{
    const ConnectionCase& c = GetParam();
    frmDataConnection dialog(&window());
    DataSourceUrl address;
    address.kind = DataSourceUrl::Kind::Sqlite;
    address.path = c.file ? db : dir.filePath(QStringLiteral("gone.sqlite"));
    address.table = QString::fromLatin1(c.table);
    address.query = QString::fromLatin1(c.query);
    dialog.setSpec(address);
    EXPECT_EQ(dialog.testConnection(), c.ok);
    EXPECT_TRUE(dialog.lblResult()->text().contains(QString::fromLatin1(c.result)))
        << dialog.lblResult()->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Sqlite, TestConnection,
    ::testing::Values(ConnectionCase { "table", true, "people", "", true, "Connected: 3 fields and 5 records." },
        ConnectionCase { "query", true, "", "SELECT company FROM people WHERE first > 'B'", true,
            "Connected: 1 field and 4 records." },
        ConnectionCase { "tables_only", true, "", "", true, "Connected: 1 table." },
        ConnectionCase { "no_table", true, "staff", "", false, "staff" },
        ConnectionCase { "bad_sql", true, "", "SELEC 1", false, "Could not connect" },
        ConnectionCase { "no_file", false, "people", "", false, "gone.sqlite" }),
    [](const auto& info) { return std::string(info.param.name); });

// Records that do not follow one another print in record order; PNG output
// is a picture per card named with its record number.
struct ListCase {
    const char* name;
    const char* list;
    const char* file;
    QStringList pictures; // PNG: the files expected; PDF: empty
    int pages;
};

class PrintList : public WithDatabase, public ::testing::WithParamInterface<ListCase>
{
};

TEST_P(PrintList, PrintsTheListedRecordsInOrder)
{
    const ListCase& c = GetParam();
    field("LastName", 0.25, 0.25, 2.0, 0.4);
    ASSERT_TRUE(panel->openSource(QStringLiteral("sqlite:") + db + QStringLiteral("?table=people")));
    const QString out = dir.filePath(QString::fromLatin1(c.file));
    const auto summary = printRecords([&](PrintRecordsDialog& p) {
        p.setRecordList(QString::fromLatin1(c.list));
        p.setOutputFile(out);
        p.setResolution(100);
    });
    ASSERT_TRUE(summary.has_value());
    EXPECT_TRUE(summary->fatal.isEmpty()) << summary->fatal.toStdString();
    EXPECT_EQ(summary->printed, c.pages);
    if (c.pictures.isEmpty()) {
        EXPECT_EQ(pdfPages(out), c.pages);
        return;
    }
    QStringList written = QDir(dir.path()).entryList({ QStringLiteral("*.png") }, QDir::Files, QDir::Name);
    EXPECT_EQ(written, c.pictures);
    // Each picture is its record's card: record 3's shows "Cedar" darker
    // than the blank card, and differs from record 1's.
    const QImage first(dir.filePath(c.pictures.first()));
    EXPECT_EQ(first.size(), QSize(338, 213));
    if (c.pictures.size() > 1) {
        EXPECT_NE(first, QImage(dir.filePath(c.pictures.last())));
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, PrintList,
    ::testing::Values(ListCase { "pdf_gaps", "4, 1,2", "list.pdf", {}, 3 },
        ListCase { "png_gaps", "3,1,5-", "card.png", { "card-1.png", "card-3.png", "card-5.png" }, 3 },
        ListCase { "png_one", "2", "one.png", { "one-2.png" }, 1 }),
    [](const auto& info) { return std::string(info.param.name); });

struct ListText {
    const char* text;
    QList<QPair<qint64, qint64>> runs; // empty: refused
};

class RecordList : public ::testing::TestWithParam<ListText>
{
};

TEST_P(RecordList, ParsesIntoRunsInRecordOrder)
{
    QString error;
    EXPECT_EQ(PrintRecordsDialog::parseRecordList(QString::fromLatin1(GetParam().text), &error), GetParam().runs);
    EXPECT_EQ(error.isEmpty(), !GetParam().runs.isEmpty()) << error.toStdString();
}

constexpr qint64 Open = std::numeric_limits<qint64>::max();
INSTANTIATE_TEST_SUITE_P(Texts, RecordList,
    ::testing::Values(ListText { "1,3,7-9", { { 1, 1 }, { 3, 3 }, { 7, 9 } } }, ListText { " 9-7 ", {} },
        ListText { "7-9, 3, 1", { { 1, 1 }, { 3, 3 }, { 7, 9 } } }, ListText { "2-4,3-6,7", { { 2, 7 } } },
        ListText { "5-,1", { { 1, 1 }, { 5, Open } } }, ListText { "0", {} }, ListText { "1,x", {} },
        ListText { "", {} }, ListText { "4-2", {} }));

// PostgreSQL on a private server: the dialog names the socket folder, the
// prompt asks for the password, the settings store keeps the source without
// it, and the records print as from any other source.
TEST_F(WithDatabase, PostgresqlTableOpensWithAPromptedPassword)
{
    PostgresServer pg;
    if (!pg.running())
        GTEST_SKIP() << "no PostgreSQL server could be started: " << pg.failure().toStdString();
    const QString& socketDir = pg.socketDir();
    {
        QSqlDatabase server = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("pgfixture"));
        server.setHostName(socketDir);
        server.setUserName(QStringLiteral("kyt"));
        server.setPassword(QStringLiteral("kyt-secret"));
        server.setDatabaseName(QStringLiteral("postgres"));
        ASSERT_TRUE(server.open()) << server.lastError().text().toStdString();
        QString error;
        ASSERT_TRUE(fillPeople(server, &error)) << error.toStdString();
        server.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("pgfixture"));
    qunsetenv("PGPASSWORD");

    tpl->setTemplateName(dir.filePath(QStringLiteral("badge.tpl")));
    panel->templateShown();
    field("LastName", 0.25, 0.25, 2.0, 0.4);
    QStringList asked;
    ModalScope modal([&](QDialog& dialog) {
        asked << dialog.objectName();
        if (auto* connection = qobject_cast<frmDataConnection*>(&dialog)) {
            connection->cboKind()->setCurrentIndex(1);
            connection->txtHost()->setText(socketDir);
            connection->txtDatabase()->setText(QStringLiteral("postgres"));
            connection->txtUser()->setText(QStringLiteral("kyt"));
            connection->cboTable()->setCurrentText(QStringLiteral("people"));
            connection->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        } else if (auto* password = qobject_cast<frmDataPassword*>(&dialog)) {
            password->txtPassword()->setText(QStringLiteral("kyt-secret"));
            password->accept();
        }
    });
    ASSERT_TRUE(panel->openDatabase());
    EXPECT_EQ(asked, (QStringList { "frmDataConnection", "frmDataPassword" }));
    EXPECT_EQ(panel->data().recordCount(), 5);
    panel->goTo(3);
    EXPECT_EQ(panel->data().values(), Rows[2]);
    const QString remembered = settings::GetSetting(
        CTargetApplications::AppName, QStringLiteral("Data Sources"), dir.filePath(QStringLiteral("badge.tpl")));
    EXPECT_TRUE(remembered.startsWith(QStringLiteral("postgresql://kyt@"))) << remembered.toStdString();
    EXPECT_FALSE(remembered.contains(QStringLiteral("kyt-secret")));

    // The batch connects again with the password held in memory: no prompt.
    asked.clear();
    const QString pdf = dir.filePath(QStringLiteral("pg.pdf"));
    std::optional<PrintRecordsDialog::Summary> summary;
    {
        ModalScope print([&](QDialog& dialog) {
            auto* p = qobject_cast<PrintRecordsDialog*>(&dialog);
            ASSERT_NE(p, nullptr);
            p->setRecordList(QStringLiteral("1,3-4"));
            p->setOutputFile(pdf);
            summary = p->print(true);
        });
        window().menuAction(QStringLiteral("mnuDataPrintRecords"))->trigger();
    }
    ASSERT_TRUE(summary.has_value());
    EXPECT_TRUE(summary->fatal.isEmpty()) << summary->fatal.toStdString();
    EXPECT_EQ(pdfPages(pdf), 3);
}

// A parse string shows the record's values on the card as the printer
// draws them, and the field names again when data is not shown.
TEST_F(WithDatabase, ParseStringShowsTheRecordAsItPrints)
{
    const QString line = QStringLiteral("Name: {{lastname}}, {{first,1}}.");
    auto shown = std::make_shared<CPrintTemplate>();
    shown->setError(d.error);
    shown->setWidth(3.375);
    shown->setHeight(2.125);
    shown->CreateParseString(line);
    window().ShowID(shown);
    ASSERT_TRUE(panel->openSource(QStringLiteral("sqlite:") + db + QStringLiteral("?table=people")));
    panel->goTo(3);
    ASSERT_TRUE(panel->showingData());
    const QImage layer = d.surface().overlay();
    ASSERT_FALSE(layer.isNull());

    // The same line printed on pictures at the surface's scale.
    CPrintTemplate printed;
    printed.setError(d.error);
    printed.setWidth(3.375);
    printed.setHeight(2.125);
    printed.CreateParseString(line);
    PagePictures pages(QSizeF(3.375, 2.125), d.surface().pixelsPerInch());
    auto record = std::make_shared<CPrintData>();
    record->Add(QStringLiteral("lastname"), QStringLiteral("Cedar"));
    record->Add(QStringLiteral("first"), QStringLiteral("Cy"));
    ASSERT_TRUE(printed.Render(pages, record));
    const std::vector<QImage> sides = pages.take();
    ASSERT_EQ(sides.size(), 1u);
    ASSERT_EQ(layer.size(), sides[0].size());
    int inked = 0, wrong = 0;
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x) {
            const bool ink = sides[0].pixel(x, y) != qRgb(255, 255, 255);
            inked += ink;
            wrong += ink != (qAlpha(layer.pixel(x, y)) > 0)
                || (ink && (layer.pixel(x, y) | 0xFF000000u) != sides[0].pixel(x, y));
        }
    EXPECT_GT(inked, 50);
    EXPECT_EQ(wrong, 0);

    // Another record draws other values; field names draw none.
    panel->goTo(4);
    EXPECT_NE(d.surface().overlay(), layer);
    panel->setShowingData(false);
    EXPECT_TRUE(d.surface().overlay().isNull());
}

namespace
{

// Badges whose fourth record goes wrong in each way the preflight finds.
QByteArray pngOf(QColor colour)
{
    QByteArray png;
    QBuffer buffer(&png);
    QImage face(30, 40, QImage::Format_RGB32);
    face.fill(colour);
    buffer.open(QIODevice::WriteOnly);
    face.save(&buffer, "PNG");
    return png;
}

const QColor Faces[] = { Qt::red, Qt::darkGreen, Qt::blue, Qt::darkYellow, Qt::magenta };

bool makeBadges(const QString& file, QString* error)
{
    const QByteArray png = pngOf(Qt::darkCyan);
    if (png.isEmpty()) {
        *error = QStringLiteral("no PNG writer");
        return false;
    }
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("badges"));
        db.setDatabaseName(file);
        QSqlQuery q(db);
        ok = db.open() && q.exec(QStringLiteral("CREATE TABLE badges (badge text, company text, image blob)"));
        for (int i = 1; ok && i <= 5; ++i) {
            q.prepare(QStringLiteral("INSERT INTO badges VALUES (?, ?, ?)"));
            q.addBindValue(i == 4 ? QStringLiteral("D-4") : QStringLiteral("1234"));
            q.addBindValue(i == 4 ? QStringLiteral("Dogwood Delta Distribution Deluxe") : QStringLiteral("Acme"));
            q.addBindValue(i == 4 ? QByteArray("not a picture") : png);
            ok = q.exec();
        }
        // Faces of their own in a picture column named as the person likes.
        ok = ok && q.exec(QStringLiteral("CREATE TABLE staff (name text, portrait blob)"));
        for (int i = 0; ok && i < 5; ++i) {
            q.prepare(QStringLiteral("INSERT INTO staff VALUES (?, ?)"));
            q.addBindValue(Rows[i][1]);
            q.addBindValue(pngOf(Faces[i]));
            ok = q.exec();
        }
        if (!ok)
            *error = q.lastError().text() + db.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("badges"));
    return ok;
}

struct FindingCase {
    const char* name;
    const char* tool; // the object that goes wrong with record 4
    const char* field;
    const char* topic;
};

class RecordFinding : public WithDatabase, public ::testing::WithParamInterface<FindingCase>
{
};

} // namespace

// A finding about one record names its object and its record; clicking it
// selects the object and moves the navigator there.
TEST_P(RecordFinding, SelectsItsObjectAndShowsItsRecord)
{
    const QString badges = dir.filePath(QStringLiteral("badges.sqlite"));
    QString error;
    ASSERT_TRUE(makeBadges(badges, &error)) << error.toStdString();
    place("Text", 2.2, 1.5, 1.0, 0.3)->setCaption(QStringLiteral("Visitor"));
    DesignControl* c = place(GetParam().tool, 0.2, 0.2, 1.0, 0.5);
    QString tag = c->Tag();
    if (*GetParam().field) {
        SetTagValue(tag, QStringLiteral("Key"), QStringLiteral(";"), QString::fromLatin1(GetParam().field));
        SetTagValue(tag, QStringLiteral("FTF"), QStringLiteral(";"), QStringLiteral("False"));
        if (QLatin1String(GetParam().field) == QLatin1String("badge")) {
            SetTagValue(tag, QStringLiteral("BC"), QStringLiteral(";"), QStringLiteral("True"));
            SetTagValue(tag, QStringLiteral("BCType"), QStringLiteral(";"), QStringLiteral("3")); // Code 128 C
        }
        c->setTag(tag);
        c->setCaption(QString::fromLatin1(GetParam().field));
        c->setFontSize(14);
    }
    ASSERT_TRUE(panel->openSource(QStringLiteral("sqlite:") + badges + QStringLiteral("?table=badges")));
    outline().Unselect();

    PreflightPanel* preflight = PreflightPanel::of(window());
    QSignalSpy checked(preflight, &PreflightPanel::checked);
    preflight->recheck();
    ASSERT_TRUE(checked.wait(60000));
    QTreeWidgetItem* item = nullptr;
    const std::vector<preflight::Finding>& found = preflight->report().findings;
    for (int i = 0; i < preflight->findingList()->topLevelItemCount(); ++i)
        if (!found[size_t(i)].ok && found[size_t(i)].topic == QLatin1String(GetParam().topic))
            item = preflight->findingList()->topLevelItem(i);
    ASSERT_NE(item, nullptr) << "no finding under " << GetParam().topic;
    const preflight::Finding& f = found[size_t(preflight->findingList()->indexOfTopLevelItem(item))];
    EXPECT_EQ(f.record, 4) << f.text.toStdString();
    EXPECT_FALSE(f.object.isEmpty()) << f.text.toStdString();

    panel->goTo(1);
    panel->setShowingData(false);
    preflight->activate(item);
    EXPECT_EQ(outline().selectedControl(), c) << f.text.toStdString();
    EXPECT_EQ(panel->data().current(), 4);
    EXPECT_TRUE(panel->showingData());
}

INSTANTIATE_TEST_SUITE_P(Kinds, RecordFinding,
    ::testing::Values(FindingCase { "unencodable", "Data", "badge", "barcodes" },
        FindingCase { "too_wide", "Data", "company", "layout" },
        FindingCase { "broken_photo", "Photo", "", "pictures" }),
    [](const auto& info) { return std::string(info.param.name); });

// A picture column of any name dragged onto the photo: the card shows each
// record's picture from the database, and Print Records prints the same.
TEST_F(WithDatabase, PhotoFromABlobColumnShowsAndPrintsAsChosen)
{
    const QString badges = dir.filePath(QStringLiteral("badges.sqlite"));
    QString error;
    ASSERT_TRUE(makeBadges(badges, &error)) << error.toStdString();
    DesignControl* photo = place("Photo", 0.2, 0.2, 0.75, 1.0);
    ASSERT_TRUE(panel->openSource(QStringLiteral("sqlite:") + badges + QStringLiteral("?table=staff")));
    ASSERT_TRUE(panel->data().imageFields().contains(QStringLiteral("portrait")));
    panel->dropField(QStringLiteral("portrait"), 1.0, 1.0, nullptr);
    EXPECT_EQ(panel->data().photoColumn(), QStringLiteral("portrait"));
    panel->setShowingData(true);
    outline().Unselect();
    const QPoint middle = photo->geometry().center();
    for (int record : { 3, 4 }) {
        panel->goTo(record);
        EXPECT_EQ(d.surface().grab().toImage().pixelColor(middle), Faces[record - 1]) << "record " << record;
    }

    const QString out = dir.filePath(QStringLiteral("card.png"));
    const auto summary = printRecords([&](PrintRecordsDialog& p) {
        p.setRange(PrintRecordsDialog::Range::Current);
        p.setOutputFile(out);
        p.setResolution(100);
    });
    ASSERT_TRUE(summary.has_value());
    ASSERT_EQ(summary->files.size(), 1) << summary->fatal.toStdString();
    EXPECT_EQ(QImage(summary->files.first()).pixelColor(58, 80), Faces[3]);

    // A PDF is drawn in parts on every core, from copies of the card: they
    // read the same column (they printed the placeholder photo once).
    const QString pdf = dir.filePath(QStringLiteral("card.pdf"));
    const auto inPdf = printRecords([&](PrintRecordsDialog& p) {
        p.setRange(PrintRecordsDialog::Range::Current);
        p.setOutputFile(pdf);
    });
    ASSERT_TRUE(inPdf.has_value() && inPdf->fatal.isEmpty());
    QProcess raster;
    raster.start(QStringLiteral("pdftoppm"),
        { QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf,
            dir.filePath(QStringLiteral("page")) });
    if (!raster.waitForFinished(60000) || raster.exitCode() != 0)
        GTEST_SKIP() << "pdftoppm could not draw the PDF";
    const QColor seen = QImage(dir.filePath(QStringLiteral("page.png"))).pixelColor(58, 80);
    EXPECT_LT(std::abs(seen.red() - Faces[3].red()) + std::abs(seen.green() - Faces[3].green())
            + std::abs(seen.blue() - Faces[3].blue()),
        24)
        << seen.name().toStdString();

    // The preflight reads the same column: the pictures are there.
    PreflightPanel* preflight = PreflightPanel::of(window());
    QSignalSpy checked(preflight, &PreflightPanel::checked);
    preflight->recheck();
    ASSERT_TRUE(checked.wait(60000));
    for (const preflight::Finding& f : preflight->report().findings)
        EXPECT_TRUE(f.ok) << f.text.toStdString();
}
