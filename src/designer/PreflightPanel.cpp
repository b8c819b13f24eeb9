#include "designer/PreflightPanel.h"

#include "designer/COutline.h"
#include "designer/CardSnapshot.h"
#include "designer/DataPanel.h"
#include "designer/DesignControl.h"
#include "designer/frmPreview.h"
#include "template/TemplateControls.h"
#include <QApplication>
#include <QBoxLayout>
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeWidget>
#include <QUndoStack>

namespace kyt
{

namespace
{

preflight::BarcodeReader& installedReader()
{
    static preflight::BarcodeReader reader;
    return reader;
}

// Checks a card file written from bytes in a folder of its own.
preflight::Report checkBytes(const QByteArray& card, preflight::Options options)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("card.tpl"));
    QFile f(file);
    if (!dir.isValid() || !f.open(QIODevice::WriteOnly) || f.write(card) != card.size()) {
        preflight::Report r;
        r.findings.push_back({ false, QStringLiteral("template"),
            PreflightPanel::tr("the card could not be written for checking: %1").arg(f.errorString()) });
        return r;
    }
    f.close();
    return preflight::check(file, options);
}

// The control array an object type word is shown in.
QString arrayOf(const QString& word)
{
    const QString w = word.toLower();
    if (w == QLatin1String("rect") || w == QLatin1String("rectangle"))
        return QStringLiteral("Rectangle");
    return w.isEmpty() ? QString() : w.left(1).toUpper() + w.mid(1);
}

} // namespace

PreflightPanel::PreflightPanel(frmPreview& window)
    : QDockWidget(tr("Preflight"), &window)
    , m_window(window)
{
    setObjectName(QStringLiteral("fraPreflight"));
    auto* body = new QWidget(this);
    auto* v = new QVBoxLayout(body);
    v->setContentsMargins(4, 4, 4, 4);
    auto* top = new QHBoxLayout;
    m_lblState = new QLabel(body);
    m_lblState->setObjectName(QStringLiteral("lblPreflightState"));
    m_cmdVerify = new QPushButton(tr("&Verify"), body);
    m_cmdVerify->setObjectName(QStringLiteral("cmdVerify"));
    m_cmdVerify->setToolTip(tr("Render every card and read its barcodes back"));
    connect(m_cmdVerify, &QPushButton::clicked, this, &PreflightPanel::verify);
    top->addWidget(m_lblState, 1);
    top->addWidget(m_cmdVerify);
    v->addLayout(top);
    m_lstFindings = new QTreeWidget(body);
    m_lstFindings->setObjectName(QStringLiteral("lstFindings"));
    m_lstFindings->setColumnCount(2);
    m_lstFindings->setHeaderLabels({ tr("Topic"), tr("Finding") });
    m_lstFindings->setRootIsDecorated(false);
    m_lstFindings->setWordWrap(true);
    m_lstFindings->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    connect(m_lstFindings, &QTreeWidget::itemActivated, this, &PreflightPanel::activate);
    connect(m_lstFindings, &QTreeWidget::itemClicked, this, &PreflightPanel::activate);
    v->addWidget(m_lstFindings, 1);
    setWidget(body);

    m_timer.setSingleShot(true);
    m_timer.setInterval(QuietMs);
    connect(&m_timer, &QTimer::timeout, this, &PreflightPanel::recheck);
}

PreflightPanel::~PreflightPanel()
{
    // A check still going ends first: a thread must not outlive the
    // program, and its result goes nowhere now.
    for (const QPointer<QThread>& worker : std::as_const(m_workers))
        if (worker)
            worker->wait();
}

PreflightPanel* PreflightPanel::install(frmPreview& window)
{
    auto* panel = new PreflightPanel(window);
    window.addDockWidget(Qt::RightDockWidgetArea, panel);
    if (QUndoStack* stack = window.undoStack())
        connect(stack, &QUndoStack::indexChanged, panel, &PreflightPanel::schedule);
    connect(&window, &frmPreview::templateShown, panel, &PreflightPanel::schedule);
    if (DataPanel* data = DataPanel::of(window)) {
        connect(&data->data(), &DesignerData::changed, panel, &PreflightPanel::schedule);
        // Side by side as tabs with the other panels: one above the other
        // they would not fit a small window.
        for (QDockWidget* other : window.findChildren<QDockWidget*>())
            if (other != data && other != panel && window.dockWidgetArea(other) == Qt::RightDockWidgetArea) {
                window.tabifyDockWidget(other, data);
                break;
            }
        window.tabifyDockWidget(data, panel);
    }
    if (QMenu* menu = window.findChild<QMenu*>(QStringLiteral("mnuDataMenu"))) {
        menu->addSeparator();
        QAction* verify = menu->addAction(tr("&Verify Cards..."));
        verify->setObjectName(QStringLiteral("mnuDataVerify"));
        verify->setEnabled(bool(installedReader()));
        connect(verify, &QAction::triggered, panel, &PreflightPanel::verify);
        QAction* toggle = panel->toggleViewAction();
        toggle->setObjectName(QStringLiteral("mnuDataPreflight"));
        toggle->setText(tr("Pre&flight Panel"));
        menu->addAction(toggle);
    }
    panel->m_cmdVerify->setEnabled(bool(installedReader()));
    if (!installedReader())
        panel->m_cmdVerify->setToolTip(tr("No barcode reader is available in this program"));
    panel->schedule();
    return panel;
}

PreflightPanel* PreflightPanel::of(const frmPreview& window)
{
    return window.findChild<PreflightPanel*>(QStringLiteral("fraPreflight"));
}

void PreflightPanel::setBarcodeReader(preflight::BarcodeReader reader)
{
    installedReader() = std::move(reader);
}

void PreflightPanel::schedule()
{
    ++m_generation; // a run still going is superseded
    m_timer.start();
    m_lblState->setText(tr("Checking..."));
}

preflight::Options PreflightPanel::options() const
{
    preflight::Options o;
    if (const DataPanel* panel = DataPanel::of(m_window)) {
        const DesignerData& data = panel->data();
        // The check opens the source again on its own thread, with the
        // password that worked here (held in memory only).
        if (data.isOpen()) {
            o.source = data.address();
            o.photoField = data.photoColumn();
        }
    }
    o.maxRecords = BackgroundRecords;
    return o;
}

void PreflightPanel::showUnreadable(const QString& why, quint64 generation)
{
    preflight::Report r;
    r.findings.push_back({ false, QStringLiteral("template"), why });
    showReport(r, generation);
}

void PreflightPanel::recheck()
{
    m_timer.stop();
    if (!m_window.currentTemplate())
        return;
    QByteArray card;
    try {
        card = shownCardBytes(m_window);
    } catch (const KytError& e) {
        showUnreadable(e.description(), ++m_generation);
        return;
    }
    const quint64 generation = ++m_generation;
    const preflight::Options o = options();
    ++m_running;
    QPointer<PreflightPanel> self(this);
    QThread* worker = QThread::create([card, o, generation, self] {
        preflight::Report r = checkBytes(card, o);
        QMetaObject::invokeMethod(
            qApp,
            [self, r = std::move(r), generation] {
                if (!self)
                    return;
                --self->m_running;
                self->showReport(r, generation);
            },
            Qt::QueuedConnection);
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    m_workers.removeAll(nullptr);
    m_workers.append(worker);
    worker->start(QThread::LowPriority);
}

void PreflightPanel::showReport(const preflight::Report& report, quint64 generation)
{
    if (generation != m_generation)
        return; // an edit came after this run started
    m_report = report;
    m_lstFindings->clear();
    int problems = 0;
    for (size_t i = 0; i < report.findings.size(); ++i) {
        const preflight::Finding& f = report.findings[i];
        auto* item = new QTreeWidgetItem(m_lstFindings, { f.topic, f.text });
        item->setData(0, Qt::UserRole, qulonglong(i));
        item->setToolTip(1, f.text);
        if (!f.ok) {
            ++problems;
            QFont bold = item->font(1);
            bold.setBold(true);
            item->setFont(0, bold);
            item->setForeground(0, QColor(170, 0, 0));
        } else {
            item->setForeground(1, QColor(90, 90, 90));
        }
    }
    m_lblState->setText(problems == 0
            ? tr("No problems found.")
            : tr("%1 found.").arg(problems == 1 ? tr("1 problem") : tr("%1 problems").arg(problems)));
    emit checked();
}

QHash<QString, DesignControl*> PreflightPanel::controlsByObjectName() const
{
    // As the template names the objects it rebuilds from the controls: the
    // type word, then the object's number among those of its kind.
    QHash<QString, DesignControl*> out;
    QHash<QString, int> counts;
    for (IDesignControl* ic : m_window.designControls()) {
        auto* c = dynamic_cast<DesignControl*>(ic);
        if (!c || !c->Visible() || !unsaveableReason(*c).isEmpty())
            continue;
        const QString word = c->ObjectType();
        const bool sameKind = !word.isEmpty() && arrayOf(word).compare(c->Name(), Qt::CaseInsensitive) == 0;
        const int n = ++counts[c->Name()];
        out.insert(((sameKind ? word : c->Name()) + QString::number(n)).toLower(), c);
    }
    return out;
}

void PreflightPanel::activate(QTreeWidgetItem* item)
{
    if (!item)
        return;
    // The finding names its object and record; findings made otherwise
    // (a host's own) are read for them.
    const size_t index = item->data(0, Qt::UserRole).toULongLong();
    const preflight::Finding* finding = index < m_report.findings.size() ? &m_report.findings[index] : nullptr;
    const QString text = item->text(1);
    static const QRegularExpression objectName(QStringLiteral("\\b(Photo|Logo|Rect|Rectangle|Line|Data|Text)(\\d+)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    // Findings name a record as "record N", in the user's language.
    const QString recordWord
        = QCoreApplication::translate("kyt::DataSource", "record %1").section(QLatin1String("%1"), 0, 0).trimmed();
    const QRegularExpression record(
        QStringLiteral("\\b(?:record|%1) (\\d+)\\b").arg(QRegularExpression::escape(recordWord)));
    const QHash<QString, DesignControl*> controls = controlsByObjectName();
    QStringList names;
    if (finding && !finding->object.isEmpty())
        names.append(finding->object);
    for (auto it = objectName.globalMatch(text); it.hasNext();)
        names.append(it.next().captured(0));
    for (const QString& name : std::as_const(names))
        if (DesignControl* c = controls.value(name.toLower())) {
            if (COutline* outline = m_window.outline())
                outline->Selected(c);
            break;
        }
    qint64 n = finding ? finding->record : 0;
    if (const auto m = record.match(text); n <= 0 && m.hasMatch())
        n = m.captured(1).toLongLong();
    if (n > 0)
        if (DataPanel* panel = DataPanel::of(m_window)) {
            panel->goTo(n);
            panel->setShowingData(true);
        }
}

void PreflightPanel::verify()
{
    if (!installedReader() || !m_window.currentTemplate())
        return;
    QByteArray card;
    try {
        card = shownCardBytes(m_window);
    } catch (const KytError& e) {
        showUnreadable(e.description(), ++m_generation);
        return;
    }
    preflight::Options o = options();
    o.maxRecords = std::numeric_limits<qint64>::max();
    o.reader = installedReader();
    m_timer.stop();
    const quint64 generation = ++m_generation;
    ++m_running;
    auto* progress
        = new QProgressDialog(tr("Rendering the cards and reading their barcodes..."), tr("Cancel"), 0, 0, &m_window);
    progress->setObjectName(QStringLiteral("frmVerifyProgress"));
    progress->setWindowTitle(tr("Verify"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setAttribute(Qt::WA_DeleteOnClose);
    connect(progress, &QProgressDialog::canceled, this, [this] {
        ++m_generation; // the run ends on its own; its result is not shown
        m_lblState->setText(tr("Verify cancelled."));
    });
    QPointer<PreflightPanel> self(this);
    QPointer<QProgressDialog> shown(progress);
    QThread* worker = QThread::create([card, o, generation, self, shown] {
        preflight::Report r = checkBytes(card, o);
        QMetaObject::invokeMethod(
            qApp,
            [self, shown, r = std::move(r), generation] {
                if (shown)
                    shown->close();
                if (!self)
                    return;
                --self->m_running;
                self->showReport(r, generation);
            },
            Qt::QueuedConnection);
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    m_workers.removeAll(nullptr);
    m_workers.append(worker);
    m_lblState->setText(tr("Verifying..."));
    progress->show();
    worker->start();
}

} // namespace kyt
