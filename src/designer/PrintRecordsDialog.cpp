#include "designer/PrintRecordsDialog.h"

#include "data/DataSource.h"
#include "designer/DesignerData.h"
#include "designer/DesignerPrinter.h"
#include "designer/PagePictures.h"
#include "errors/MessageBox.h"
#include "jobs/CardJob.h"
#include "jobs/CardJobSurface.h"
#include "platform/CommonDialog.h"
#include "platform/PngFile.h"
#include "platform/surface/PrinterSurface.h"
#include "platform/widgets/WorkerThread.h"
#include "util/PassOver.h"
#include "util/Strings.h"
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <atomic>
#include <climits>
#include <cmath>

namespace kyt
{

namespace
{

const char* const Title = QT_TRANSLATE_NOOP("kyt::PrintRecordsDialog", "Print Records");
// Records listed for marking; a longer source is printed by range.
constexpr qint64 ListedRecords = 1000;

QString recordLine(const DataRecord& r)
{
    QStringList shown;
    for (int i = 0; i < std::min<int>(4, int(r.values.size())); ++i)
        shown.append(r.text(i).left(40));
    return QStringLiteral("%1: %2").arg(r.number).arg(shown.join(QLatin1String(", ")));
}

bool isPngName(const QString& fileName)
{
    return fileName.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
}

} // namespace

QString PrintRecordsDialog::Summary::text() const
{
    QString t;
    if (cancelled)
        t = PrintRecordsDialog::tr("Printing was cancelled: nothing was output.");
    else if (!fatal.isEmpty())
        t = PrintRecordsDialog::tr("Nothing was output: %1").arg(fatal);
    else if (!files.isEmpty())
        t = PrintRecordsDialog::tr("%1 printed: %2 written, the first %3.")
                .arg(Counted(printed, "record"), Counted(files.size(), "picture"), files.first());
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
    setMinimumWidth(440); // room for the output file's name
    auto* v = new QVBoxLayout(this);

    auto* records = new QGroupBox(tr("Records of %1").arg(data.displayName()), this);
    auto* rl = new QVBoxLayout(records);
    m_optAll = new QRadioButton(
        data.recordCount() >= 0 ? tr("&All %1 records").arg(data.recordCount()) : tr("&All"), records);
    m_optAll->setObjectName(QStringLiteral("optAll"));
    m_optAll->setChecked(true);
    auto* rangeRow = new QHBoxLayout;
    m_optRange = new QRadioButton(tr("&Records:"), records);
    m_optRange->setObjectName(QStringLiteral("optRange"));
    m_txtRecords = new QLineEdit(QStringLiteral("1-%1").arg(std::max<qint64>(1, data.recordCount())), records);
    m_txtRecords->setObjectName(QStringLiteral("txtRecords"));
    m_txtRecords->setPlaceholderText(tr("e.g. 1,3,7-9"));
    m_txtRecords->setToolTip(tr("Record numbers and ranges, separated by commas: 1,3,7-9 (7- goes to the last)"));
    rangeRow->addWidget(m_optRange);
    rangeRow->addWidget(m_txtRecords, 1);
    connect(m_txtRecords, &QLineEdit::textEdited, m_optRange, [this] { m_optRange->setChecked(true); });
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

    // The list to mark from: the first records, read as a stream (a
    // database on a connection of its own, with the password that worked).
    // Read on a thread of its own, so a slow server does not freeze the
    // window; a cancelled wait lists none.
    if (data.hasRecords()) {
        using Lines = QList<QPair<qint64, QString>>;
        Lines lines;
        try {
            const auto stop = std::make_shared<QueryStop>();
            WorkerThread worker(QStringLiteral("kyt-list"));
            lines = worker.call<Lines>(
                [address = data.address(), stop] {
                    Lines out;
                    try {
                        const std::unique_ptr<DataSource> source = DataSource::open(address, {}, stop);
                        DataRecord r;
                        while (r.number < ListedRecords && source->next(r))
                            out.append({ r.number, recordLine(r) });
                    } catch (const KytError&) {
                        // Listed as far as it could be read; printing tells why.
                    }
                    return out;
                },
                { tr("Reading the records..."), parent, [stop] { stop->stop(); } });
        } catch (const KytError&) {
            // Cancelled: the records can still be chosen by number.
        }
        for (const auto& [number, line] : std::as_const(lines)) {
            auto* item = new QListWidgetItem(line, m_lstRecords);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
            item->setData(Qt::UserRole, number);
        }
    }
    connect(m_lstRecords, &QListWidget::itemChanged, m_optMarked, [this] { m_optMarked->setChecked(true); });

    auto* form = new QFormLayout;
    m_txtCopies = new QSpinBox(this);
    m_txtCopies->setObjectName(QStringLiteral("txtCopies"));
    m_txtCopies->setRange(1, 1000);
    form->addRow(tr("C&opies of each:"), m_txtCopies);
    v->addLayout(form);

    auto* output = new QGroupBox(tr("Print on"), this);
    auto* ol = new QFormLayout(output);
    m_optPrinter = new QRadioButton(tr("Prin&ter:"), output);
    m_optPrinter->setObjectName(QStringLiteral("optPrinter"));
    m_cboPrinter = new QComboBox(output);
    m_cboPrinter->setObjectName(QStringLiteral("cboPrinter"));
    m_cboPrinter->addItems(PrinterSurface::queueNames());
    m_cboPrinter->setCurrentText(DesignerPrinter::queue());
    m_lblCalibration = new QLabel(output);
    m_lblCalibration->setObjectName(QStringLiteral("lblCalibration"));
    m_optFile = new QRadioButton(tr("&File:"), output);
    m_optFile->setObjectName(QStringLiteral("optFile"));
    auto* fileRow = new QHBoxLayout;
    m_txtFile = new QLineEdit(output);
    m_txtFile->setObjectName(QStringLiteral("txtFile"));
    m_txtFile->setPlaceholderText(tr("cards.pdf, or cards.png for a picture per card side"));
    m_txtResolution = new QSpinBox(output);
    m_txtResolution->setObjectName(QStringLiteral("txtResolution"));
    m_txtResolution->setRange(72, 1200);
    m_txtResolution->setValue(300);
    m_txtResolution->setSuffix(tr(" dpi"));
    m_txtResolution->setToolTip(tr("Resolution of PNG pictures"));
    auto* browse = new QPushButton(tr("&Browse..."), output);
    browse->setObjectName(QStringLiteral("cmdBrowse"));
    fileRow->addWidget(m_txtFile, 1);
    fileRow->addWidget(browse);
    ol->addRow(m_optPrinter, m_cboPrinter);
    ol->addRow(QString(), m_lblCalibration);
    ol->addRow(m_optFile, fileRow);
    ol->addRow(tr("PNG r&esolution:"), m_txtResolution);
    v->addWidget(output);
    (m_cboPrinter->count() > 0 ? m_optPrinter : m_optFile)->setChecked(true);
    connect(browse, &QPushButton::clicked, this, &PrintRecordsDialog::browse);
    connect(m_cboPrinter, &QComboBox::currentTextChanged, this, [this] {
        m_optPrinter->setChecked(true);
        updateCalibration();
    });
    connect(m_txtFile, &QLineEdit::textEdited, m_optFile, [this] { m_optFile->setChecked(true); });
    connect(m_txtFile, &QLineEdit::textChanged, this, &PrintRecordsDialog::updateOutput);
    connect(m_optFile, &QRadioButton::toggled, this, &PrintRecordsDialog::updateOutput);
    updateCalibration();
    updateOutput();

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* printButton = buttons->addButton(tr("&Print"), QDialogButtonBox::AcceptRole);
    printButton->setObjectName(QStringLiteral("cmdPrint"));
    printButton->setDefault(true);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setText(tr("&Cancel")); // the platform's own text may carry no letter
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
    setRecordList(QStringLiteral("%1-%2").arg(first).arg(last));
}

void PrintRecordsDialog::setRecordList(const QString& list)
{
    m_txtRecords->setText(list);
    m_optRange->setChecked(true);
}

void PrintRecordsDialog::setResolution(int dpi)
{
    m_txtResolution->setValue(dpi);
}

void PrintRecordsDialog::updateOutput()
{
    m_txtResolution->setEnabled(m_optFile->isChecked() && isPngName(m_txtFile->text().trimmed()));
}

QList<QPair<qint64, qint64>> PrintRecordsDialog::parseRecordList(const QString& text, QString* error)
{
    constexpr qint64 Open = std::numeric_limits<qint64>::max();
    QList<QPair<qint64, qint64>> runs;
    const auto number = [](const QString& t, qint64* n) {
        bool ok = false;
        *n = t.trimmed().toLongLong(&ok);
        return ok && *n >= 1;
    };
    for (const QString& partText : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString part = partText.trimmed();
        if (part.isEmpty())
            continue;
        const qsizetype dash = part.indexOf(QLatin1Char('-'));
        qint64 a = 0, b = 0;
        bool ok = false;
        if (dash < 0) {
            ok = number(part, &a);
            b = a;
        } else if (number(part.left(dash), &a)) {
            const QString end = part.mid(dash + 1).trimmed();
            ok = end.isEmpty() || number(end, &b);
            if (end.isEmpty())
                b = Open;
        }
        if (!ok || b < a) {
            *error = tr("\"%1\" is not a record or a range of records (records are numbered from 1; "
                        "write them as 1,3,7-9)")
                         .arg(part);
            return {};
        }
        runs.append({ a, b });
    }
    if (runs.isEmpty()) {
        *error = tr("give the records to print, e.g. 1,3,7-9");
        return {};
    }
    std::sort(runs.begin(), runs.end());
    QList<QPair<qint64, qint64>> joined;
    for (const auto& r : runs) {
        if (!joined.isEmpty() && (joined.last().second == Open || r.first <= joined.last().second + 1))
            joined.last().second = std::max(joined.last().second, r.second);
        else
            joined.append(r);
    }
    return joined;
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
    const auto chosen = commonDialog().ShowSave(tr("Print Records to File"),
        tr("PDF Files (*.pdf)|*.pdf|PNG Pictures, one per card side (*.png)|*.png"), m_txtFile->text(), 2054,
        isPngName(m_txtFile->text()) ? 2 : 1);
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

QList<QPair<qint64, qint64>> PrintRecordsDialog::runs(QString* error) const
{
    QList<QPair<qint64, qint64>> out;
    if (m_optAll->isChecked()) {
        out.append({ 1, std::numeric_limits<qint64>::max() });
    } else if (m_optRange->isChecked()) {
        return parseRecordList(m_txtRecords->text(), error);
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
        if (out.isEmpty())
            *error = tr("no record is marked");
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
    if (!m_data.hasRecords()) {
        summary.fatal = tr("open a source of records in the Data panel first");
        return finish();
    }
    QString problem;
    const QList<QPair<qint64, qint64>> parts = runs(&problem);
    if (parts.isEmpty()) {
        summary.fatal = problem.isEmpty() ? tr("there is no record to print") : problem;
        return finish();
    }
    const bool toFile = m_optFile->isChecked();
    const QString target = toFile ? m_txtFile->text().trimmed() : m_cboPrinter->currentText();
    if (target.isEmpty()) {
        summary.fatal = toFile ? tr("choose the file to print into (.pdf, or .png for pictures)")
                               : tr("there is no printer to print on");
        return finish();
    }
    const bool png = toFile && isPngName(target);

    // The calibration moves and scales the card for this run only.
    const CPrintTemplatePtr card = m_card;
    card->setScalor(1.0);
    if (!toFile) {
        const auto calibrated = DesignerPrinter::calibration(target, &problem);
        if (!problem.isEmpty()) {
            summary.fatal = problem;
            return finish();
        }
        if (calibrated)
            calibrated->applyTo(*card);
    }

    std::unique_ptr<PrinterSurface> printer;
    std::unique_ptr<PagePictures> pictures;
    // PNG pictures go into a hidden folder beside the chosen name and are
    // moved into place only when the run completes.
    std::unique_ptr<QTemporaryDir> staging;
    const QFileInfo pngTarget(target);
    try {
        if (png) {
            staging = std::make_unique<QTemporaryDir>(pngTarget.absoluteDir().filePath(QStringLiteral(".kyt-XXXXXX")));
            if (!staging->isValid())
                throw KytError(482, tr("%1: the folder cannot be written").arg(pngTarget.absolutePath()));
            pictures = std::make_unique<PagePictures>(cardjob::cardSizeInches(*card), m_txtResolution->value());
        } else {
            printer = toFile ? PrinterSurface::toPdf(target, cardjob::cardSizeInches(*card))
                             : PrinterSurface::toQueue(target, cardjob::cardSizeInches(*card));
            printer->setDocumentName(QFileInfo(m_card->TemplateName()).completeBaseName());
            printer->begin();
        }
    } catch (const KytError& e) {
        summary.fatal = e.description();
        return finish();
    }

    constexpr qint64 Open = std::numeric_limits<qint64>::max();
    qint64 total = 0;
    for (const auto& [a, b] : parts)
        total += (b == Open ? std::max<qint64>(0, m_data.recordCount() - a + 1) : b - a + 1);
    QProgressDialog progress(tr("Printing records..."), tr("Cancel"), 0, int(std::min<qint64>(total, INT_MAX)), this);
    progress.setObjectName(QStringLiteral("frmPrintProgress"));
    progress.setWindowTitle(tr(Title));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);

    // Names the pictures of a record: NAME-7.png, NAME-7-back.png, NAME-7-copy2.png.
    const int sides = card->Duplex() ? 2 : 1;
    const int copies = m_txtCopies->value();
    const int digits = int(QString::number(
        std::max<qint64>({ 1, m_data.recordCount(), parts.last().second == Open ? 0 : parts.last().second }))
                               .size());
    QStringList staged;
    const auto writePictures = [&](qint64 record, const std::vector<QImage>& pages) {
        for (size_t i = 0; i < pages.size(); ++i) {
            QString name
                = QStringLiteral("%1-%2").arg(pngTarget.completeBaseName()).arg(record, digits, 10, QLatin1Char('0'));
            if (copies > 1)
                name += QStringLiteral("-copy%1").arg(int(i) / sides + 1);
            if (sides == 2)
                name += int(i) % sides == 0 ? QStringLiteral("-front") : QStringLiteral("-back");
            name += QStringLiteral(".png");
            QFile file(staging->filePath(name));
            if (!file.open(QIODevice::WriteOnly) || !writePng(&file, pages[i], nullptr) || !file.flush())
                throw KytError(482, tr("%1: the picture could not be written").arg(file.fileName()));
            staged.append(name);
        }
    };

    // The batch runs on a thread of its own, so that reading the source (a
    // slow query) never stops the window; the progress dialog follows it
    // and its Cancel stops the batch at the next record. Marked records
    // that do not follow one another are printed as runs into one
    // document, each drawn in order on the document itself.
    std::unique_ptr<CardJobSurface> keepOpen = printer ? std::make_unique<CardJobSurface>(*printer) : nullptr;
    const DataSourceUrl address = m_data.address();
    std::atomic<qint64> printedSoFar { 0 };
    std::atomic<bool> stop { false };
    QTimer follow;
    QObject::connect(&follow, &QTimer::timeout, &progress, [&] {
        progress.setValue(int(std::min(total, printedSoFar.load())));
        if (progress.wasCanceled())
            stop = true;
    });
    follow.start(50);
    const auto printRuns = [&] {
        qint64 before = 0;
        for (const auto& [a, b] : parts) {
            CardBatch batch(card);
            CardBatch::Options options;
            options.firstRecord = a;
            options.lastRecord = b;
            options.copies = copies;
            options.allowMissingFields = true; // the preflight shows what is missing
            if (parts.size() > 1) {
                options.jobs = 1;
                options.jpegPassThrough = false;
            }
            batch.setOptions(options);
            QList<qint64> failed;
            batch.setFailureSink([&](const CardBatch::Failure& f) {
                failed.append(f.record);
                summary.reasons.append(tr("record %1: %2").arg(f.record).arg(f.message));
            });
            batch.setProgressSink([&](qint64 done) {
                if (pictures) {
                    const qint64 record = a + done - 1;
                    const std::vector<QImage> pages = pictures->take();
                    if (!failed.contains(record))
                        writePictures(record, pages);
                }
                printedSoFar = before + done;
                if (stop || (m_hook && !m_hook(before + done, total))) {
                    summary.cancelled = true;
                    // Ends the run: the batch stops at once and reports it.
                    throw KytError(18, tr("Cancelled"));
                }
            });
            // Each run after the first begins on a page of its own.
            if (keepOpen && summary.printed > 0)
                keepOpen->NewPage();
            Surface& surface = keepOpen ? static_cast<Surface&>(*keepOpen) : *pictures;
            const CardBatch::Result r = batch.run(address, surface);
            summary.printed += r.printed;
            summary.skipped += r.failed;
            before += r.records;
            if (summary.cancelled || !r.fatal.isEmpty()) {
                if (!summary.cancelled)
                    summary.fatal = r.fatal;
                break;
            }
        }
        // The document ends on the thread that drew it: the fonts it embeds
        // belong to that thread and go with it.
        if (!printer)
            return;
        if (summary.cancelled || !summary.fatal.isEmpty() || summary.printed == 0) {
            printer->abandon();
            return;
        }
        printer->EndDoc();
    };
    try {
        WorkerThread printing(QStringLiteral("kyt-print-records"));
        WorkerThread::Wait wait;
        wait.showDialog = false; // the progress dialog is shown, and cancels, above
        printing.run(printRuns, wait);
    } catch (const KytError& e) {
        summary.fatal = e.description();
    } catch (const std::exception& e) {
        summary.fatal = QString::fromLocal8Bit(e.what());
    }
    follow.stop();
    progress.setValue(progress.maximum());
    if (summary.cancelled || !summary.fatal.isEmpty() || summary.printed == 0) {
        if (summary.printed == 0 && summary.fatal.isEmpty() && !summary.cancelled)
            summary.fatal = tr("no record could be printed");
        if (summary.cancelled || !summary.fatal.isEmpty())
            summary.printed = 0;
        return finish();
    }
    if (pictures) {
        // Into place, replacing pictures of the same names.
        for (const QString& name : std::as_const(staged)) {
            const QString final = pngTarget.absoluteDir().filePath(name);
            QFile::remove(final);
            if (!QFile::rename(staging->filePath(name), final)) {
                summary.fatal = tr("%1: the picture could not be put in place").arg(final);
                break;
            }
            summary.files.append(final);
        }
    }
    return finish();
}

} // namespace kyt
