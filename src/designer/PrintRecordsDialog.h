#pragma once
// Print Records (frmPrintRecords): prints the open data source's records on
// the card being designed, through the same batch engine as the command
// line's `batch`: all records, a range, the current record or the records
// marked in a list, or a list of records and ranges ("1,3,7-9"), printed
// in record order; copies of each; on a CUPS queue (moved by its
// calibration), into a PDF file, or as PNG pictures, one per card side named
// with the record number. A progress dialog can cancel the run, which then
// leaves no output; a summary lists the skipped records with their reasons.

#include "kyt/kytwidgets_export.h"
#include "template/CPrintTemplate.h"
#include <QDialog>
#include <QList>
#include <QPair>
#include <functional>
#include <memory>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QSpinBox;

namespace kyt
{

class DesignerData;

class KYTWIDGETS_PRIVATE_EXPORT PrintRecordsDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Range { All, Records, Current, Marked };

    // The card to print (a copy of the shown card: the run moves it by
    // the queue's calibration) and the open source.
    PrintRecordsDialog(std::shared_ptr<CPrintTemplate> card, const DesignerData& data, QWidget* parent = nullptr);

    // What the person chose (also set by tests before print()).
    void setRange(Range range);
    void setRecords(qint64 first, qint64 last);
    // Records and ranges, "1,3,7-9" ("7-": from 7 to the last).
    void setRecordList(const QString& list);
    void setMarked(const QList<qint64>& records);
    void setCopies(int copies);
    // An output file: a PDF file (.pdf), or PNG pictures (.png: NAME.png
    // gives NAME-7.png for record 7, NAME-7-front.png and NAME-7-back.png
    // for a two-sided card, -copy2 for a second copy); or a queue name.
    void setOutputFile(const QString& fileName);
    void setQueue(const QString& queue);
    void setResolution(int dpi);

    // The runs of a record list, each [first, last] in record order, runs
    // that touch or overlap joined ("7-" ends at `open`); empty with *error
    // when the text is not a list of records.
    static QList<QPair<qint64, qint64>> parseRecordList(const QString& text, QString* error);

    struct Summary {
        qint64 printed = 0;
        qint64 skipped = 0;
        bool cancelled = false;
        QString fatal; // the run could not complete (nothing was output)
        QStringList reasons; // "record N: why" for each skipped record
        QStringList files; // PNG pictures written
        QString text() const;
    };
    // Prints as chosen, showing progress; the summary is also shown to the
    // person unless quiet. Called by the Print button.
    Summary print(bool quiet = false);
    // Called after each record, on the printing thread, with the records
    // done and to do; returning false cancels. The progress dialog's Cancel
    // does the same.
    void setProgressHook(std::function<bool(qint64 done, qint64 total)> hook) { m_hook = std::move(hook); }

private:
    // The contiguous runs of records to print, each [first, last]; empty
    // with *error when the choice names none.
    QList<QPair<qint64, qint64>> runs(QString* error) const;
    void browse();
    void updateCalibration();
    void updateOutput();

    std::shared_ptr<CPrintTemplate> m_card;
    const DesignerData& m_data;
    QRadioButton* m_optAll = nullptr;
    QRadioButton* m_optRange = nullptr;
    QRadioButton* m_optCurrent = nullptr;
    QRadioButton* m_optMarked = nullptr;
    QLineEdit* m_txtRecords = nullptr;
    QListWidget* m_lstRecords = nullptr;
    QSpinBox* m_txtCopies = nullptr;
    QRadioButton* m_optPrinter = nullptr;
    QRadioButton* m_optFile = nullptr;
    QComboBox* m_cboPrinter = nullptr;
    QLabel* m_lblCalibration = nullptr;
    QLineEdit* m_txtFile = nullptr;
    QSpinBox* m_txtResolution = nullptr;
    QList<qint64> m_marked;
    std::function<bool(qint64, qint64)> m_hook;
};

} // namespace kyt
