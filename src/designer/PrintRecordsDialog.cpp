#include "designer/PrintRecordsDialog.h"

#include "data/CsvReader.h"
#include "designer/DesignerData.h"
#include "designer/DesignerPrinter.h"
#include "errors/MessageBox.h"
#include "jobs/CardJob.h"
#include "jobs/CardJobSurface.h"
#include "platform/CommonDialog.h"
#include "platform/surface/PrinterSurface.h"
#include "util/PassOver.h"
#include "util/Strings.h"
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace kyt
{

namespace
{

const char* const Title = QT_TRANSLATE_NOOP("kyt::PrintRecordsDialog", "Print Records");
// Records listed for marking; a longer source is printed by range.
constexpr qint64 ListedRecords = 1000;

QString recordLine(qint64 n, const QStringList& fields)
{
    QStringList shown;
    for (const QString& f : fields.mid(0, 4))
        shown.append(f.left(40));
    return QStringLiteral("%1: %2").arg(n).arg(shown.join(QLatin1String(", ")));
}

} // namespace

QString PrintRecordsDialog::Summary::text() const
{
    QString t;
    if (cancelled)
        t = PrintRecordsDialog::tr("Printing was cancelled: nothing was output.");
    else if (!fatal.isEmpty())
        t = PrintRecordsDialog::tr("Nothing was output: %1").arg(fatal);
    else
        t = PrintRecordsDialog::tr("%1 printed.").arg(Counted(printed, "record"));
    if (skipped > 0 && !cancelled) {
        t += PrintRecordsDialog::tr("\n%1 skipped:").arg(Counted(skipped, "record"));
        for (const QString& r : reasons.mid(0, 20))
            t += QLatin1Char('\n') + r;
        if (reasons.size() > 20)
            t += PrintRecordsDialog::tr("\n... and %1 more").arg(reasons.size() - 20);
    }
    return t;
}

PrintRecordsDialog::PrintRecordsDialog(std::shared_ptr<CPrintTemplate> card, const DesignerData& data, QWidget* parent)
    : QDialog(parent)
    , m_card(std::move(card))
    , m_data(data)
{
    setObjectName(QStringLiteral("frmPrintRecords"));
    setWindowTitle(tr(Title));
    auto* v = new QVBoxLayout(this);

    auto* records = new QGroupBox(tr("Records of %1").arg(data.displayName()), this);
    auto* rl = new QVBoxLayout(records);
    m_optAll = new QRadioButton(
        data.recordCount() >= 0 ? tr("&All %1 records").arg(data.recordCount()) : tr("&All"), records);
    m_optAll->setObjectName(QStringLiteral("optAll"));
    m_optAll->setChecked(true);
    auto* rangeRow = new QHBoxLayout;
    m_optRange = new QRadioButton(tr("&Records"), records);
    m_optRange->setObjectName(QStringLiteral("optRange"));
    m_txtFrom = new QLineEdit(QStringLiteral("1"), records);
    m_txtFrom->setObjectName(QStringLiteral("txtFrom"));
    m_txtTo = new QLineEdit(QString::number(std::max<qint64>(1, data.recordCount())), records);
    m_txtTo->setObjectName(QStringLiteral("txtTo"));
    auto* toLabel = new QLabel(tr("&to"), records);
    toLabel->setBuddy(m_txtTo);
    rangeRow->addWidget(m_optRange);
    rangeRow->addWidget(m_txtFrom);
    rangeRow->addWidget(toLabel);
    rangeRow->addWidget(m_txtTo);
    for (QLineEdit* e : { m_txtFrom, m_txtTo })
        connect(e, &QLineEdit::textEdited, m_optRange, [this] { m_optRange->setChecked(true); });
    m_optCurrent = new QRadioButton(tr("C&urrent record (%1)").arg(data.current()), records);
    m_optCurrent->setObjectName(QStringLiteral("optCurrent"));
    m_optCurrent->setEnabled(data.current() > 0);
    m_optMarked = new QRadioButton(tr("&Marked records:"), records);
    m_optMarked->setObjectName(QStringLiteral("optMarked"));
    m_lstRecords = new QListWidget(records);
    m_lstRecords->setObjectName(QStringLiteral("lstRecords"));
    rl->addWidget(m_optAll);
    rl->addLayout(rangeRow);
    rl->addWidget(m_optCurrent);
    rl->addWidget(m_optMarked);
    rl->addWidget(m_lstRecords);
    v->addWidget(records);

    // The list to mark from: the first records, read as a stream.
    QFile f(data.path());
    if (data.isCsv() && f.open(QIODevice::ReadOnly)) {
        CsvReader reader(&f);
        CsvRecord r;
        // A file without a usable header lists nothing; printing reports why.
        passOver([&] {
            reader.readHeader();
            while (r.number < ListedRecords && reader.next(r)) {
                auto* item = new QListWidgetItem(recordLine(r.number, r.fields), m_lstRecords);
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
                item->setCheckState(Qt::Unchecked);
                item->setData(Qt::UserRole, r.number);
            }
        });
    }
    connect(m_lstRecords, &QListWidget::itemChanged, m_optMarked, [this] { m_optMarked->setChecked(true); });

    auto* form = new QFormLayout;
    m_txtCopies = new QSpinBox(this);
    m_txtCopies->setObjectName(QStringLiteral("txtCopies"));
    m_txtCopies->setRange(1, 1000);
    form->addRow(tr("&Copies of each:"), m_txtCopies);
    v->addLayout(form);

    auto* output = new QGroupBox(tr("Print on"), this);
    auto* ol = new QFormLayout(output);
    m_optPrinter = new QRadioButton(tr("&Printer:"), output);
    m_optPrinter->setObjectName(QStringLiteral("optPrinter"));
    m_cboPrinter = new QComboBox(output);
    m_cboPrinter->setObjectName(QStringLiteral("cboPrinter"));
    m_cboPrinter->addItems(PrinterSurface::queueNames());
    m_cboPrinter->setCurrentText(DesignerPrinter::queue());
    m_lblCalibration = new QLabel(output);
    m_lblCalibration->setObjectName(QStringLiteral("lblCalibration"));
    m_optFile = new QRadioButton(tr("PDF &file:"), output);
    m_optFile->setObjectName(QStringLiteral("optFile"));
    auto* fileRow = new QHBoxLayout;
    m_txtFile = new QLineEdit(output);
    m_txtFile->setObjectName(QStringLiteral("txtFile"));
    auto* browse = new QPushButton(tr("&Browse..."), output);
    browse->setObjectName(QStringLiteral("cmdBrowse"));
    fileRow->addWidget(m_txtFile, 1);
    fileRow->addWidget(browse);
    ol->addRow(m_optPrinter, m_cboPrinter);
    ol->addRow(QString(), m_lblCalibration);
    ol->addRow(m_optFile, fileRow);
    v->addWidget(output);
    (m_cboPrinter->count() > 0 ? m_optPrinter : m_optFile)->setChecked(true);
    connect(browse, &QPushButton::clicked, this, &PrintRecordsDialog::browse);
    connect(m_cboPrinter, &QComboBox::currentTextChanged, this, [this] {
        m_optPrinter->setChecked(true);
        updateCalibration();
    });
    connect(m_txtFile, &QLineEdit::textEdited, m_optFile, [this] { m_optFile->setChecked(true); });
    updateCalibration();

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* printButton = buttons->addButton(tr("&Print"), QDialogButtonBox::AcceptRole);
    printButton->setObjectName(QStringLiteral("cmdPrint"));
    printButton->setDefault(true);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(printButton, &QPushButton::clicked, this, [this] {
        const Summary s = print();
        if (!s.cancelled && s.fatal.isEmpty())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    v->addWidget(buttons);
}

void PrintRecordsDialog::setRange(Range range)
{
    (range == Range::All              ? m_optAll
            : range == Range::Records ? m_optRange
            : range == Range::Current ? m_optCurrent
                                      : m_optMarked)
        ->setChecked(true);
}

void PrintRecordsDialog::setRecords(qint64 first, qint64 last)
{
    m_txtFrom->setText(QString::number(first));
    m_txtTo->setText(QString::number(last));
    m_optRange->setChecked(true);
}

void PrintRecordsDialog::setMarked(const QList<qint64>& records)
{
    for (int i = 0; i < m_lstRecords->count(); ++i) {
        QListWidgetItem* item = m_lstRecords->item(i);
        item->setCheckState(records.contains(item->data(Qt::UserRole).toLongLong()) ? Qt::Checked : Qt::Unchecked);
    }
    m_optMarked->setChecked(true);
}

void PrintRecordsDialog::setCopies(int copies)
{
    m_txtCopies->setValue(copies);
}

void PrintRecordsDialog::setOutputFile(const QString& fileName)
{
    m_txtFile->setText(fileName);
    m_optFile->setChecked(true);
}

void PrintRecordsDialog::setQueue(const QString& queue)
{
    if (m_cboPrinter->findText(queue) < 0)
        m_cboPrinter->addItem(queue);
    m_cboPrinter->setCurrentText(queue);
    m_optPrinter->setChecked(true);
}

void PrintRecordsDialog::browse()
{
    const auto chosen = commonDialog().ShowSave(
        tr("Print Records to File"), tr("PDF Files (*.pdf)|*.pdf"), m_txtFile->text(), 2054, 1);
    if (chosen && !chosen->isEmpty())
        setOutputFile(*chosen);
}

void PrintRecordsDialog::updateCalibration()
{
    QString problem;
    const auto calibrated = DesignerPrinter::calibration(m_cboPrinter->currentText(), &problem);
    m_lblCalibration->setText(!problem.isEmpty() ? tr("Calibration damaged: %1").arg(problem)
            : calibrated
            ? tr("Calibrated: printed %1 from where the card shows.").arg(DesignerPrinter::calibrationText(*calibrated))
            : tr("Not calibrated."));
}

QList<QPair<qint64, qint64>> PrintRecordsDialog::runs() const
{
    QList<QPair<qint64, qint64>> out;
    if (m_optAll->isChecked()) {
        out.append({ 1, std::numeric_limits<qint64>::max() });
    } else if (m_optRange->isChecked()) {
        bool ok1 = false, ok2 = false;
        const qint64 a = m_txtFrom->text().trimmed().toLongLong(&ok1);
        const qint64 b = m_txtTo->text().trimmed().toLongLong(&ok2);
        if (ok1 && ok2 && a >= 1 && b >= a)
            out.append({ a, b });
    } else if (m_optCurrent->isChecked()) {
        if (m_data.current() > 0)
            out.append({ m_data.current(), m_data.current() });
    } else {
        QList<qint64> marked;
        for (int i = 0; i < m_lstRecords->count(); ++i)
            if (m_lstRecords->item(i)->checkState() == Qt::Checked)
                marked.append(m_lstRecords->item(i)->data(Qt::UserRole).toLongLong());
        std::sort(marked.begin(), marked.end());
        for (qint64 n : marked) {
            if (!out.isEmpty() && out.last().second + 1 == n)
                out.last().second = n;
            else
                out.append({ n, n });
        }
    }
    return out;
}

PrintRecordsDialog::Summary PrintRecordsDialog::print(bool quiet)
{
    Summary summary;
    const auto finish = [&] {
        if (!quiet)
            MsgBox(summary.text(),
                summary.cancelled              ? vbInformation
                    : !summary.fatal.isEmpty() ? vbExclamation
                                               : (summary.skipped > 0 ? vbExclamation : vbInformation),
                tr(Title));
        return summary;
    };
    const QList<QPair<qint64, qint64>> parts = runs();
    if (!m_data.isCsv()) {
        summary.fatal = tr("open a source of records (a CSV file) in the Data panel first");
        return finish();
    }
    if (parts.size() > 1) {
        // One document is one run of the batch engine, which prints a range.
        summary.fatal = tr("the marked records must follow one another (print the others separately)");
        return finish();
    }
    if (parts.isEmpty()) {
        summary.fatal = m_optMarked->isChecked() ? tr("no record is marked")
                                                 : tr("give the records as two numbers from 1 on, the "
                                                      "first not above the second");
        return finish();
    }
    const bool toFile = m_optFile->isChecked();
    const QString target = toFile ? m_txtFile->text().trimmed() : m_cboPrinter->currentText();
    if (target.isEmpty()) {
        summary.fatal = toFile ? tr("choose the PDF file to print into") : tr("there is no printer to print on");
        return finish();
    }

    // The calibration moves and scales the card for this run only.
    const CPrintTemplatePtr card = m_card;
    card->setScalor(1.0);
    if (!toFile) {
        QString problem;
        const auto calibrated = DesignerPrinter::calibration(target, &problem);
        if (!problem.isEmpty()) {
            summary.fatal = problem;
            return finish();
        }
        if (calibrated)
            calibrated->applyTo(*card);
    }

    std::unique_ptr<PrinterSurface> printer;
    try {
        printer = toFile ? PrinterSurface::toPdf(target, cardjob::cardSizeInches(*card))
                         : PrinterSurface::toQueue(target, cardjob::cardSizeInches(*card));
        printer->setDocumentName(QFileInfo(m_card->TemplateName()).completeBaseName());
        printer->begin();
    } catch (const KytError& e) {
        summary.fatal = e.description();
        return finish();
    }

    qint64 total = 0;
    for (const auto& [a, b] : parts)
        total += (b == std::numeric_limits<qint64>::max() ? std::max<qint64>(0, m_data.recordCount()) : b - a + 1);
    QProgressDialog progress(tr("Printing records..."), tr("Cancel"), 0, int(total), this);
    progress.setObjectName(QStringLiteral("frmPrintProgress"));
    progress.setWindowTitle(tr(Title));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);

    CardJobSurface keepOpen(*printer);
    qint64 before = 0;
    bool firstRun = true;
    for (const auto& [a, b] : parts) {
        CardBatch batch(card);
        CardBatch::Options options;
        options.firstRecord = a;
        options.lastRecord = b;
        options.copies = m_txtCopies->value();
        options.allowMissingFields = true; // the preflight shows what is missing
        batch.setOptions(options);
        batch.setFailureSink([&](const CardBatch::Failure& f) {
            summary.reasons.append(tr("record %1: %2").arg(f.record).arg(f.message));
        });
        batch.setProgressSink([&](qint64 done) {
            progress.setValue(int(std::min(total, before + done)));
            QCoreApplication::processEvents();
            const bool goOn = !progress.wasCanceled() && (!m_hook || m_hook(before + done, total));
            if (!goOn) {
                summary.cancelled = true;
                // Ends the run: the batch stops at once and reports it.
                throw KytError(18, tr("Cancelled"));
            }
        });
        // Each run after the first begins on a page of its own.
        if (!firstRun)
            keepOpen.NewPage();
        const CardBatch::Result r = batch.run(m_data.path(), keepOpen);
        firstRun = false;
        summary.printed += r.printed;
        summary.skipped += r.failed;
        before += r.records;
        if (summary.cancelled || !r.fatal.isEmpty()) {
            if (!summary.cancelled)
                summary.fatal = r.fatal;
            break;
        }
    }
    progress.setValue(int(total));
    if (summary.cancelled || !summary.fatal.isEmpty() || summary.printed == 0) {
        printer->abandon();
        if (summary.printed == 0 && summary.fatal.isEmpty() && !summary.cancelled)
            summary.fatal = tr("no record could be printed");
        if (summary.cancelled || !summary.fatal.isEmpty())
            summary.printed = 0;
        return finish();
    }
    try {
        printer->EndDoc();
    } catch (const KytError& e) {
        summary.fatal = e.description();
        summary.printed = 0;
    }
    return finish();
}

} // namespace kyt
