// Designing with data: a source opened in the Data panel, its records on the
// card, fields dragged onto the card, the preflight's findings and printing
// records from the designer.
#include "EditingFixture.h"

#include "designer/DataPanel.h"
#include "designer/PreflightPanel.h"
#include "designer/PrintRecordsDialog.h"
#include "platform/surface/PictureBoxSurface.h"
#include "template/CVariant.h"
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUndoStack>

using namespace kyt;
using namespace kyt::test;

namespace
{

const QByteArray People = "First;LastName;Company\r\n"
                          "Ann;Ash;Acme\r\n"
                          "Ben;Birch;Bolt Works\r\n"
                          "Cy;Cedar;Crane & Sons\r\n"
                          "Di;Dogwood;Delta\r\n"
                          "Ed;Elm;Echo\r\n";

struct WithData : WithDataPanel {
    QString csv;

    void SetUp() override
    {
        WithDataPanel::SetUp();
        csv = dir.filePath(QStringLiteral("people.csv"));
        ASSERT_TRUE(writeBytes(csv, People));
    }

    // Drops a field from the list onto the surface at a point in inches.
    void dropField(const QString& name, double x, double y)
    {
        QMimeData mime;
        mime.setData(DesignSurface::FieldMimeType, name.toUtf8());
        // As a drag does: entering, moving over the card, dropping.
        const QPoint at = d.px(x, y);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&d.surface(), &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&d.surface(), &move);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&d.surface(), &drop);
    }

    std::vector<DesignControl*> visibleData()
    {
        std::vector<DesignControl*> out;
        for (DesignControl* c : window().controlArray(QStringLiteral("Data"))->elements())
            if (c->Visible())
                out.push_back(c);
        return out;
    }
};

int differing(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int j = 0; j < x.height(); ++j)
        for (int i = 0; i < x.width(); ++i) {
            const QRgb p = x.pixel(i, j), q = y.pixel(i, j);
            n += std::max(
                     { std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q)) })
                > 2;
        }
    return n;
}

int pdfPages(const QString& file)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(readBytes(file)).count(page));
}

} // namespace

TEST_F(WithData, SteppedRecordShowsOnTheCardAsItPrints)
{
    DesignControl* last = field("LastName", 0.25, 0.25, 2.0, 0.4);
    ASSERT_TRUE(panel->openSource(csv));
    EXPECT_EQ(panel->data().fields(), (QStringList { "First", "LastName", "Company" }));
    EXPECT_EQ(panel->data().recordCount(), 5);
    panel->setShowingData(true);
    panel->next();
    panel->next();
    ASSERT_EQ(panel->data().current(), 3);
    EXPECT_EQ(panel->data().values(), (QStringList { "Cy", "Cedar", "Crane & Sons" }));
    EXPECT_EQ(panel->fieldList()->topLevelItem(1)->text(1), QStringLiteral("Cedar"));

    // The card with record 3 as the library prints it.
    d.surface().setShowGrid(false);
    outline().Unselect();
    const QImage shown = d.surface().grab().toImage();
    ASSERT_TRUE(tpl->ControlstoAttributes(window()));
    auto record = std::make_shared<CPrintData>();
    record->Add(QStringLiteral("LastName"), QStringLiteral("Cedar"));
    PictureBoxSurface card(shown.size(), DesignSurface::BasePixelsPerInch);
    ASSERT_TRUE(tpl->Render(card, record));
    const QRect box = last->geometry();
    EXPECT_EQ(differing(shown.copy(box), card.Image().copy(box)), 0);

    // Field names again: the card no longer matches the record.
    panel->setShowingData(false);
    EXPECT_GT(differing(d.surface().grab().toImage().copy(box), card.Image().copy(box)), 20);
    // Back and forth: the first record, then past the end is refused.
    panel->first();
    EXPECT_EQ(panel->data().values().value(1), QStringLiteral("Ash"));
    panel->goTo(9);
    EXPECT_EQ(panel->data().current(), 1);
}

TEST_F(WithData, SourceThatCannotBeOpenedKeepsTheOpenOne)
{
    ASSERT_TRUE(panel->openSource(csv));
    d.boxes.box().clear();
    EXPECT_FALSE(panel->openSource(dir.filePath(QStringLiteral("missing.csv"))));
    EXPECT_EQ(panel->data().path(), QFileInfo(csv).absoluteFilePath());
    ASSERT_EQ(d.boxes.box().asked().size(), 1u);
    EXPECT_TRUE(d.boxes.box().asked().front().prompt.contains(QStringLiteral("no such file")));
}

TEST_F(WithData, DroppedFieldPlacesThenRebindsADataField)
{
    ASSERT_TRUE(panel->openSource(csv));
    const int steps = window().undoStack()->count();
    dropField(QStringLiteral("Company"), 0.5, 1.0);
    ASSERT_EQ(visibleData().size(), 1u);
    DesignControl* placed = visibleData().front();
    EXPECT_EQ(GetTagValue(placed->Tag(), QStringLiteral("Key")), QStringLiteral("Company"));
    EXPECT_NEAR(placed->left(), 0.5, 0.02);
    EXPECT_NEAR(placed->top(), 1.0, 0.02);
    EXPECT_EQ(window().undoStack()->count(), steps + 1);

    // Onto the field: the same field, bound to another column.
    dropField(QStringLiteral("LastName"), 0.6, 1.1);
    ASSERT_EQ(visibleData().size(), 1u);
    EXPECT_EQ(GetTagValue(placed->Tag(), QStringLiteral("Key")), QStringLiteral("LastName"));
    window().undoStack()->undo();
    EXPECT_EQ(GetTagValue(visibleData().front()->Tag(), QStringLiteral("Key")), QStringLiteral("Company"));
    window().undoStack()->undo();
    EXPECT_TRUE(visibleData().empty());
}

TEST_F(WithData, FindingSelectsItsObjectAndShowsItsRecord)
{
    PreflightPanel* preflight = PreflightPanel::of(window());
    ASSERT_NE(preflight, nullptr);
    DesignControl* company = field("Company", 0.2, 0.2, 0.5, 0.3);
    company->setFontSize(14);
    QString tag = company->Tag();
    SetTagValue(tag, QStringLiteral("FTF"), QStringLiteral(";"), QStringLiteral("False"));
    company->setTag(tag);
    ASSERT_TRUE(panel->openSource(csv));
    outline().Unselect();

    QSignalSpy checked(preflight, &PreflightPanel::checked);
    preflight->recheck();
    ASSERT_TRUE(checked.wait(60000));
    QTreeWidgetItem* overflow = nullptr;
    for (int i = 0; i < preflight->findingList()->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = preflight->findingList()->topLevelItem(i);
        if (item->text(0) == QLatin1String("layout") && item->text(1).contains(QLatin1String("record 3")))
            overflow = item;
    }
    ASSERT_NE(overflow, nullptr) << "no finding names record 3's company as too wide";
    preflight->activate(overflow);
    EXPECT_EQ(outline().selectedControl(), company);
    EXPECT_EQ(panel->data().current(), 3);
    EXPECT_TRUE(panel->showingData());
}

struct PrintCase {
    const char* name;
    PrintRecordsDialog::Range range;
    QList<qint64> marked;
    int copies;
    int pages;
};

class PrintRecords : public WithData, public ::testing::WithParamInterface<PrintCase>
{
};

TEST_P(PrintRecords, GivesOnePagePerCardOfTheChosenRecords)
{
    field("LastName", 0.25, 0.25, 2.0, 0.4);
    ASSERT_TRUE(panel->openSource(csv));
    panel->goTo(4);
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    std::optional<PrintRecordsDialog::Summary> summary;
    ModalScope modal([&](QDialog& dialog) {
        auto* print = qobject_cast<PrintRecordsDialog*>(&dialog);
        ASSERT_NE(print, nullptr);
        print->setRecords(2, 4);
        if (!GetParam().marked.isEmpty())
            print->setMarked(GetParam().marked);
        print->setRange(GetParam().range);
        print->setCopies(GetParam().copies);
        print->setOutputFile(pdf);
        summary = print->print(true);
    });
    window().menuAction(QStringLiteral("mnuDataPrintRecords"))->trigger();
    ASSERT_TRUE(summary.has_value());
    EXPECT_TRUE(summary->fatal.isEmpty()) << summary->fatal.toStdString();
    EXPECT_EQ(summary->printed * GetParam().copies, GetParam().pages);
    EXPECT_EQ(pdfPages(pdf), GetParam().pages);
}

INSTANTIATE_TEST_SUITE_P(Ranges, PrintRecords,
    ::testing::Values(PrintCase { "range", PrintRecordsDialog::Range::Records, {}, 1, 3 },
        PrintCase { "all", PrintRecordsDialog::Range::All, {}, 1, 5 },
        PrintCase { "current", PrintRecordsDialog::Range::Current, {}, 2, 2 },
        PrintCase { "marked", PrintRecordsDialog::Range::Marked, { 3, 4 }, 1, 2 }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WithData, CancelledPrintLeavesNoFile)
{
    field("LastName", 0.25, 0.25, 2.0, 0.4);
    ASSERT_TRUE(panel->openSource(csv));
    const QString pdf = dir.filePath(QStringLiteral("cancelled.pdf"));
    std::optional<PrintRecordsDialog::Summary> summary;
    ModalScope modal([&](QDialog& dialog) {
        auto* print = qobject_cast<PrintRecordsDialog*>(&dialog);
        ASSERT_NE(print, nullptr);
        print->setOutputFile(pdf);
        print->setProgressHook([](qint64 done, qint64) { return done < 2; });
        summary = print->print(true);
    });
    window().menuAction(QStringLiteral("mnuDataPrintRecords"))->trigger();
    ASSERT_TRUE(summary.has_value());
    EXPECT_TRUE(summary->cancelled);
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { "people.csv" });
}

TEST_F(WithData, PrintRecordsReachesEveryControlWithALetterOfItsOwn)
{
    ASSERT_TRUE(panel->openSource(csv));
    QStringList problems { QStringLiteral("the dialog did not open") };
    ModalScope modal([&](QDialog& dialog) { problems = test::accessKeyProblems(dialog); });
    window().menuAction(QStringLiteral("mnuDataPrintRecords"))->trigger();
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

// Through a real queue (KYT_CUPS_QUEUE, set by tests/scripts/
// designer_print_cups.sh, which checks the job's pages): records 2 to 4 as
// one job named after the template.
TEST_F(WithData, RangeGoesToTheQueueAsOneJob)
{
    const QString queue = qEnvironmentVariable("KYT_CUPS_QUEUE");
    if (queue.isEmpty())
        GTEST_SKIP() << "KYT_CUPS_QUEUE not set";
    const QString title = qEnvironmentVariable("KYT_CUPS_TITLE", QStringLiteral("kytrecords"));
    tpl->setTemplateName(dir.filePath(title + QStringLiteral(".tpl")));
    field("LastName", 0.25, 0.25, 2.0, 0.4);
    ASSERT_TRUE(panel->openSource(csv));
    std::optional<PrintRecordsDialog::Summary> summary;
    ModalScope modal([&](QDialog& dialog) {
        auto* print = qobject_cast<PrintRecordsDialog*>(&dialog);
        ASSERT_NE(print, nullptr);
        print->setRecords(2, 4);
        print->setQueue(queue);
        summary = print->print(true);
    });
    window().menuAction(QStringLiteral("mnuDataPrintRecords"))->trigger();
    ASSERT_TRUE(summary.has_value());
    EXPECT_TRUE(summary->fatal.isEmpty()) << summary->fatal.toStdString();
    EXPECT_EQ(summary->printed, 3);
}

struct FindCase {
    qint64 from;
    const char* text;
    qint64 lands; // the record found; the one stepped from when none holds it
    const char* status; // part of what the status line says ("" for nothing)
};

class FindRecord : public WithData, public ::testing::WithParamInterface<FindCase>
{
};

// Find goes forward from the current record, wraps to the first, and says
// when no record holds the text.
TEST_P(FindRecord, GoesToTheNextRecordHoldingTheText)
{
    ASSERT_TRUE(panel->openSource(csv));
    panel->goTo(GetParam().from);
    window().statusLabel()->clear();
    auto* find = panel->findChild<QLineEdit*>(QStringLiteral("txtFind"));
    ASSERT_NE(find, nullptr);
    find->setText(QString::fromLatin1(GetParam().text));
    panel->findNext();
    EXPECT_EQ(panel->data().current(), GetParam().lands);
    EXPECT_TRUE(window().statusLabel()->text().contains(QString::fromLatin1(GetParam().status)))
        << window().statusLabel()->text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Texts, FindRecord,
    ::testing::Values(FindCase { 1, "delta", 4, "" }, FindCase { 4, "a", 1, "" }, FindCase { 4, "echo", 5, "" },
        FindCase { 5, "bolt", 2, "" }, FindCase { 2, "nobody", 2, "No record holds \"nobody\"" }));

// A file that goes away while open is reported when a record is read; the
// record shown stays.
TEST_F(WithData, SourceThatDisappearsIsReportedNotCrashedOn)
{
    ASSERT_TRUE(panel->openSource(csv));
    panel->goTo(2);
    ASSERT_TRUE(QFile::remove(csv));
    window().statusLabel()->clear();
    panel->goTo(4);
    EXPECT_EQ(panel->data().current(), 2);
    EXPECT_FALSE(window().statusLabel()->text().isEmpty());
    EXPECT_EQ(panel->data().values().value(1), QStringLiteral("Birch"));
}
