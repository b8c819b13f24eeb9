#pragma once
// The Preflight panel of the designer (fraPreflight): the findings of the
// command line's `check` for the card as it is shown and the open data
// source, worked out again in the background a moment after each edit (a
// newer edit supersedes a run still going; typing and dragging never wait
// for it). Clicking a finding selects the object it names and shows the
// record it names. "Verify" renders every card and reads its barcodes back.

#include "jobs/Preflight.h"
#include "kyt/kytwidgets_export.h"
#include <QDockWidget>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QThread>
#include <QTimer>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kyt
{

class DesignControl;
class frmPreview;

class KYTWIDGETS_PRIVATE_EXPORT PreflightPanel : public QDockWidget
{
    Q_OBJECT

public:
    // Wait after an edit before the findings are worked out again.
    static constexpr int QuietMs = 600;
    // Records checked in the background; Verify checks them all.
    static constexpr qint64 BackgroundRecords = 2000;

    explicit PreflightPanel(frmPreview& window);
    ~PreflightPanel() override;

    static PreflightPanel* install(frmPreview& window);
    static PreflightPanel* of(const frmPreview& window);

    // The reader Verify reads barcodes with; without one Verify is not
    // offered. Installed by the program that links a barcode reader.
    static void setBarcodeReader(preflight::BarcodeReader reader);

    QTreeWidget* findingList() const { return m_lstFindings; }
    const preflight::Report& report() const { return m_report; }
    // Whether a check is under way or waiting for the edits to pause.
    bool busy() const { return m_running > 0 || m_timer.isActive(); }

    // Asks for the findings again after the quiet time.
    void schedule();
    // Starts a check now (in the background).
    void recheck();
    // Renders and scans every card, with progress; blocks input meanwhile.
    void verify();
    // Selects the object a finding names and shows its record.
    void activate(QTreeWidgetItem* item);

    // The control behind an object name of the checked card ("Data2").
    QHash<QString, DesignControl*> controlsByObjectName() const;

signals:
    // New findings are shown.
    void checked();

private:
    void showReport(const preflight::Report& report, quint64 generation);
    // A card that cannot be put in a file: one failing finding that says why.
    void showUnreadable(const QString& why, quint64 generation);
    preflight::Options options() const;

    frmPreview& m_window;
    QTreeWidget* m_lstFindings = nullptr;
    QLabel* m_lblState = nullptr;
    QPushButton* m_cmdVerify = nullptr;
    QTimer m_timer;
    quint64 m_generation = 0;
    int m_running = 0;
    preflight::Report m_report;
    QList<QPointer<QThread>> m_workers;
};

} // namespace kyt
