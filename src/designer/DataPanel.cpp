#include "designer/DataPanel.h"
#include "template/TemplateFileCodec.h"

#include "designer/COutline.h"
#include "designer/CardSnapshot.h"
#include "designer/ControlArray.h"
#include "designer/DesignCommands.h"
#include "designer/DesignControl.h"
#include "designer/DesignEditing.h"
#include "designer/PagePictures.h"
#include "designer/PrintRecordsDialog.h"
#include "designer/frmPreview.h"
#include "dialogs/frmDataConnection.h"
#include "errors/CError.h"
#include "errors/MessageBox.h"
#include "jobs/Preflight.h"
#include "platform/CommonDialog.h"
#include "platform/widgets/ModalRunner.h"
#include "platform/widgets/WorkerThread.h"
#include "template/CVariant.h"
#include "util/Strings.h"
#include <QAction>
#include <QBoxLayout>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRadioButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QUndoStack>
#include <algorithm>

namespace kyt
{

namespace
{

const char* const Title = QT_TRANSLATE_NOOP("kyt::DataPanel", "Data");
const char* const SourceFilter = QT_TRANSLATE_NOOP("kyt::DataPanel",
    "Data Files (*.csv;*.txt;*.dat;*.sqlite;*.sqlite3;*.db)|*.csv;*.txt;*.dat;*.sqlite;*.sqlite3;*.db|"
    "CSV Files (*.csv)|*.csv|SQLite Databases (*.sqlite;*.sqlite3;*.db)|*.sqlite;*.sqlite3;*.db|"
    "All Files (*.*)|*.*");

// Whether a file is a SQLite database (by its signature).
bool isSqliteFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.read(16) == QByteArrayLiteral("SQLite format 3\0");
}

// The field list hands a dragged field over by name.
class FieldList : public QTreeWidget
{
public:
    using QTreeWidget::QTreeWidget;

protected:
    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override
    {
        if (items.isEmpty())
            return nullptr;
        auto* mime = new QMimeData;
        mime->setData(DesignSurface::FieldMimeType, items.first()->text(0).toUtf8());
        mime->setText(items.first()->text(0));
        return mime;
    }
    QStringList mimeTypes() const override { return { DesignSurface::FieldMimeType }; }
};

QToolButton* button(QWidget* parent, const char* name, const QString& text, const QString& tip)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setToolTip(tip);
    b->setAutoRaise(true);
    return b;
}

} // namespace

DataPanel::DataPanel(frmPreview& window)
    : QDockWidget(tr(Title), &window)
    , m_window(window)
{
    setObjectName(QStringLiteral("fraData"));
    auto* body = new QWidget(this);
    auto* v = new QVBoxLayout(body);
    v->setContentsMargins(4, 4, 4, 4);

    auto* sourceRow = new QHBoxLayout;
    m_lblSource = new QLabel(tr("No data source"), body);
    m_lblSource->setObjectName(QStringLiteral("lblSource"));
    m_lblSource->setWordWrap(true);
    auto* open = new QToolButton(body);
    open->setObjectName(QStringLiteral("cmdOpenSource"));
    open->setText(tr("&Open..."));
    open->setToolTip(tr("Open a CSV file, a data file or a SQLite database"));
    connect(open, &QToolButton::clicked, this, [this] { openFromDialog(); });
    auto* database = new QToolButton(body);
    database->setObjectName(QStringLiteral("cmdOpenDatabase"));
    database->setText(tr("Data&base..."));
    database->setToolTip(tr("Open a table or a query of a SQLite or PostgreSQL database"));
    connect(database, &QToolButton::clicked, this, [this] { openDatabase(); });
    sourceRow->addWidget(m_lblSource, 1);
    sourceRow->addWidget(open);
    sourceRow->addWidget(database);
    v->addLayout(sourceRow);

    m_lstFields = new FieldList(body);
    m_lstFields->setObjectName(QStringLiteral("lstFields"));
    m_lstFields->setColumnCount(2);
    m_lstFields->setHeaderLabels({ tr("Field"), tr("Value") });
    m_lstFields->setRootIsDecorated(false);
    m_lstFields->setDragEnabled(true);
    m_lstFields->setDragDropMode(QAbstractItemView::DragOnly);
    m_lstFields->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_lstFields->setToolTip(tr("Drag a field onto the card to place it, or onto a data field to bind it"));
    v->addWidget(m_lstFields, 1);

    auto* nav = new QHBoxLayout;
    auto* first = button(body, "cmdFirst", QStringLiteral("|<"), tr("First record (Ctrl+Home)"));
    auto* previous = button(body, "cmdPrevious", QStringLiteral("<"), tr("Previous record (Alt+Left)"));
    m_txtRecord = new QLineEdit(body);
    m_txtRecord->setObjectName(QStringLiteral("txtRecord"));
    m_txtRecord->setMaximumWidth(70);
    m_txtRecord->setToolTip(tr("Record number: type one and press Enter"));
    m_lblRecords = new QLabel(body);
    m_lblRecords->setObjectName(QStringLiteral("lblRecords"));
    auto* next = button(body, "cmdNext", QStringLiteral(">"), tr("Next record (Alt+Right)"));
    auto* last = button(body, "cmdLast", QStringLiteral(">|"), tr("Last record (Ctrl+End)"));
    connect(first, &QToolButton::clicked, this, &DataPanel::first);
    connect(previous, &QToolButton::clicked, this, &DataPanel::previous);
    connect(next, &QToolButton::clicked, this, &DataPanel::next);
    connect(last, &QToolButton::clicked, this, &DataPanel::last);
    connect(m_txtRecord, &QLineEdit::returnPressed, this, [this] {
        bool ok = false;
        const qint64 n = m_txtRecord->text().trimmed().toLongLong(&ok);
        if (ok)
            goTo(n);
        else
            tell(tr("Type a record number."));
    });
    nav->addWidget(first);
    nav->addWidget(previous);
    nav->addWidget(m_txtRecord);
    nav->addWidget(m_lblRecords);
    nav->addWidget(next);
    nav->addWidget(last);
    nav->addStretch(1);
    v->addLayout(nav);

    auto* findRow = new QHBoxLayout;
    auto* findLabel = new QLabel(tr("F&ind:"), body);
    m_txtFind = new QLineEdit(body);
    m_txtFind->setObjectName(QStringLiteral("txtFind"));
    findLabel->setBuddy(m_txtFind);
    auto* find = button(body, "cmdFind", tr("Find &Next"), tr("Next record holding the text"));
    connect(find, &QToolButton::clicked, this, &DataPanel::findNext);
    connect(m_txtFind, &QLineEdit::returnPressed, this, &DataPanel::findNext);
    findRow->addWidget(findLabel);
    findRow->addWidget(m_txtFind, 1);
    findRow->addWidget(find);
    v->addLayout(findRow);

    auto* showRow = new QHBoxLayout;
    m_optShowData = new QRadioButton(tr("Show &Data"), body);
    m_optShowData->setObjectName(QStringLiteral("optShowData"));
    m_optShowNames = new QRadioButton(tr("Show Field &Names"), body);
    m_optShowNames->setObjectName(QStringLiteral("optShowNames"));
    m_optShowNames->setChecked(true);
    connect(m_optShowData, &QRadioButton::toggled, this, [this] {
        if (auto* a = m_window.menuAction(QStringLiteral("mnuDataShowData")))
            a->setChecked(m_optShowData->isChecked());
        showOnCard();
    });
    showRow->addWidget(m_optShowData);
    showRow->addWidget(m_optShowNames);
    v->addLayout(showRow);
    setWidget(body);

    m_data.setPasswordPrompt(frmDataConnection::passwordPrompt(&window));
    m_data.setWindow(&window);
    connect(&m_data, &DesignerData::changed, this, [this] {
        refresh();
        showOnCard();
    });
    // Parse strings are drawn from the whole card: again a moment after
    // an edit or a zoom, not on every step of a drag.
    m_parseStringTimer = new QTimer(this);
    m_parseStringTimer->setSingleShot(true);
    m_parseStringTimer->setInterval(150);
    connect(m_parseStringTimer, &QTimer::timeout, this, &DataPanel::showParseStrings);
    refresh();
}

DataPanel* DataPanel::install(frmPreview& window)
{
    auto* panel = new DataPanel(window);
    window.addDockWidget(Qt::RightDockWidgetArea, panel);
    panel->buildMenu();
    connect(&window, &frmPreview::templateShown, panel, &DataPanel::templateShown);
    connect(&window, &frmPreview::templateShown, panel, &DataPanel::showParseStrings);
    if (QUndoStack* stack = window.undoStack())
        connect(stack, &QUndoStack::indexChanged, panel->m_parseStringTimer, qOverload<>(&QTimer::start));
    connect(window.picID(), &DesignSurface::zoomChanged, panel->m_parseStringTimer, qOverload<>(&QTimer::start));
    connect(window.picID(), &DesignSurface::fieldDropped, panel,
        [panel](const QString& field, float x, float y, QWidget* onto) {
            panel->dropField(field, x, y, qobject_cast<DesignControl*>(onto));
        });
    return panel;
}

DataPanel* DataPanel::of(const frmPreview& window)
{
    return window.findChild<DataPanel*>(QStringLiteral("fraData"));
}

void DataPanel::buildMenu()
{
    QMenuBar* bar = m_window.menuBar();
    auto* menu = new QMenu(tr("&Data"), bar);
    menu->setObjectName(QStringLiteral("mnuDataMenu"));
    menu->menuAction()->setObjectName(QStringLiteral("mnuData"));
    // Before the Tools menu.
    QAction* before = m_window.menuAction(QStringLiteral("mnuTools"));
    bar->insertMenu(before, menu);
    const auto add = [&](const char* name, const QString& caption, const QKeySequence& keys, auto slot) {
        QAction* a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        if (!keys.isEmpty())
            a->setShortcut(keys);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    add("mnuDataOpen", tr("&Open Data Source..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
        [this] { openFromDialog(); });
    add("mnuDataOpenDatabase", tr("Open Data&base..."), QKeySequence(), [this] { openDatabase(); });
    add("mnuDataClose", tr("&Close Data Source"), QKeySequence(), [this] {
        m_data.close();
        DesignerData::rememberSource(m_templatePath, QString());
    });
    menu->addSeparator();
    QAction* showData = add("mnuDataShowData", tr("Show &Data"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D),
        [this](bool on) { setShowingData(on); });
    showData->setCheckable(true);
    menu->addSeparator();
    add("mnuDataFirst", tr("&First Record"), QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { first(); });
    add("mnuDataPrevious", tr("&Previous Record"), QKeySequence(Qt::ALT | Qt::Key_Left), [this] { previous(); });
    add("mnuDataNext", tr("&Next Record"), QKeySequence(Qt::ALT | Qt::Key_Right), [this] { next(); });
    add("mnuDataLast", tr("&Last Record"), QKeySequence(Qt::CTRL | Qt::Key_End), [this] { last(); });
    add("mnuDataGoTo", tr("&Go to Record..."), QKeySequence(Qt::CTRL | Qt::Key_G), [this] { goToAsked(); });
    add("mnuDataFind", tr("F&ind Record..."), QKeySequence::Find, [this] {
        show();
        raise();
        m_txtFind->setFocus();
        m_txtFind->selectAll();
    });
    menu->addSeparator();
    add("mnuDataPrintRecords", tr("Print &Records..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
        [this] { printRecords(); });
    menu->addSeparator();
    QAction* panel = toggleViewAction();
    panel->setObjectName(QStringLiteral("mnuDataPanel"));
    panel->setText(tr("Data &Panel"));
    menu->addAction(panel);
}

bool DataPanel::openFromDialog()
{
    const std::optional<QString> chosen
        = commonDialog().ShowOpen(tr("Open Data Source"), tr(SourceFilter), m_data.path(), 6148, 1);
    if (!chosen || chosen->isEmpty())
        return false;
    if (isSqliteFile(*chosen)) {
        // A database holds tables: the person picks one (or a query).
        DataSourceUrl address;
        address.kind = DataSourceUrl::Kind::Sqlite;
        address.path = *chosen;
        return openDatabase(address);
    }
    return openSource(*chosen);
}

bool DataPanel::openDatabase(const DataSourceUrl& start)
{
    DataSourceUrl shown = start;
    if (shown.kind == DataSourceUrl::Kind::None && m_data.isOpen() && m_data.address().isDatabase())
        shown = m_data.address();
    for (;;) {
        frmDataConnection dialog(&m_window);
        if (shown.isDatabase())
            dialog.setSpec(shown);
        if (shown.kind == DataSourceUrl::Kind::Sqlite && shown.table.isEmpty() && shown.query.isEmpty())
            dialog.listTables();
        execModal(dialog);
        if (dialog.result() != QDialog::Accepted)
            return false;
        shown = dialog.address();
        // A source that does not open is told, and the dialog comes back
        // with what was entered.
        if (openSource(shown))
            return true;
    }
}

bool DataPanel::openSource(const QString& source)
{
    try {
        return openSource(DataSourceUrl::parse(source));
    } catch (const KytError& e) {
        MsgBox(
            tr("The data source could not be opened: %1").arg(e.description()), vbExclamation, tr("Open Data Source"));
        return false;
    }
}

bool DataPanel::openSource(const DataSourceUrl& source)
{
    try {
        m_data.open(source);
    } catch (const KytError& e) {
        // The person cancelled the wait: nothing to tell them.
        if (e.number() == ErrCancelled) {
            tell(tr("Opening the data source was cancelled."));
            return false;
        }
        MsgBox(
            tr("The data source could not be opened: %1").arg(e.description()), vbExclamation, tr("Open Data Source"));
        return false;
    }
    DesignerData::rememberSource(m_templatePath, m_data.source());
    // A source is opened to see its records; the panel comes to the front
    // of the panels it shares its place with.
    setShowingData(true);
    show();
    raise();
    return true;
}

bool DataPanel::showingData() const
{
    return m_optShowData->isChecked();
}

void DataPanel::setShowingData(bool on)
{
    if (on)
        m_optShowData->setChecked(true);
    else
        m_optShowNames->setChecked(true);
}

void DataPanel::first()
{
    goTo(1);
}

void DataPanel::previous()
{
    if (m_data.current() > 1)
        goTo(m_data.current() - 1);
}

void DataPanel::next()
{
    if (m_data.recordCount() < 0 || m_data.current() < m_data.recordCount())
        goTo(m_data.current() + 1);
}

void DataPanel::last()
{
    if (m_data.recordCount() > 0)
        goTo(m_data.recordCount());
}

void DataPanel::goTo(qint64 record)
{
    if (!m_data.isOpen()) {
        tell(tr("Open a data source first."));
        return;
    }
    try {
        m_data.goTo(record);
    } catch (const KytError& e) {
        tell(e.description());
        refresh();
    }
}

void DataPanel::goToAsked()
{
    if (!m_data.isOpen()) {
        tell(tr("Open a data source first."));
        return;
    }
    show();
    raise();
    m_txtRecord->setFocus();
    m_txtRecord->selectAll();
}

void DataPanel::findNext()
{
    const QString text = m_txtFind->text();
    if (text.isEmpty() || !m_data.isOpen())
        return;
    try {
        if (m_data.find(text) == 0)
            tell(tr("No record holds \"%1\".").arg(text));
    } catch (const KytError& e) {
        tell(e.description());
    }
}

void DataPanel::tell(const QString& text)
{
    if (QLabel* status = m_window.statusLabel())
        status->setText(text);
}

void DataPanel::refresh()
{
    m_lblSource->setText(m_data.isOpen() ? m_data.displayName() : tr("No data source"));
    m_lblSource->setToolTip(m_data.isOpen() ? m_data.address().displayName() : QString());
    m_lstFields->clear();
    const QStringList& fields = m_data.fields();
    for (qsizetype i = 0; i < fields.size(); ++i) {
        auto* item = new QTreeWidgetItem(m_lstFields, { fields[i], m_data.values().value(i) });
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    }
    m_txtRecord->setText(m_data.current() > 0 ? QString::number(m_data.current()) : QString());
    m_lblRecords->setText(m_data.recordCount() >= 0 ? tr("of %1").arg(m_data.recordCount()) : QString());
}

void DataPanel::showOnCard()
{
    if (DesignSurface* surface = m_window.picID())
        surface->setShownData(showingData() && m_data.isOpen() ? m_data.currentData() : nullptr);
    showParseStrings();
}

void DataPanel::showParseStrings()
{
    m_parseStringTimer->stop();
    DesignSurface* surface = m_window.picID();
    if (!surface)
        return;
    QImage layer;
    if (showingData() && m_data.isOpen() && m_window.currentTemplate())
        layer = parseStringLayer(m_window, m_data.currentData(), surface->pixelsPerInch());
    if (!(layer.isNull() && surface->overlay().isNull()))
        surface->setOverlay(layer);
}

void DataPanel::templateShown()
{
    const auto t = m_window.currentTemplate();
    const QString path = t ? t->TemplateName() : QString();
    if (path == m_templatePath)
        return;
    m_templatePath = path;
    const QString remembered = DesignerData::rememberedSource(path);
    if (remembered.isEmpty() || remembered == m_data.source())
        return;
    // A remembered source that is gone is only mentioned: the template opens all the same.
    m_data.setPhotoColumn(DesignerData::rememberedPhotoColumn(path));
    try {
        m_data.open(remembered);
        setShowingData(true);
    } catch (const KytError& e) {
        tell(tr("The template's data source could not be opened: %1").arg(e.description()));
    }
}

void DataPanel::printRecords()
{
    const QString title = tr("Print Records");
    if (!m_data.hasRecords()) {
        MsgBox(tr("Open a data source with records first (Data, Open Data Source)."), vbInformation, title);
        return;
    }
    const auto t = m_window.currentTemplate();
    if (!t)
        return;
    QTemporaryDir dir;
    const QString base = QFileInfo(t->TemplateName()).completeBaseName();
    const QString file = dir.filePath((base.isEmpty() ? QStringLiteral("card") : base) + QStringLiteral(".tpl"));
    CPrintTemplatePtr card;
    try {
        if (!dir.isValid())
            throw KytError(tplfile::ErrPathFileAccess, dir.errorString());
        card = shownCardCopy(m_window, file);
    } catch (const KytError& e) {
        MsgBox(tr("The card could not be prepared for printing: %1").arg(e.description()), vbExclamation, title);
        return;
    }
    // Photos print the column they show, as the preflight checks it.
    if (m_data.isOpen() && !m_data.photoColumn().isEmpty())
        preflight::setPhotoField(*card, m_data.photoColumn());
    PrintRecordsDialog dialog(card, m_data, &m_window);
    execModal(dialog);
}

std::shared_ptr<CPrintData> DataPanel::withSourceFields(const std::shared_ptr<CPrintData>& printData) const
{
    if (!m_data.isOpen())
        return printData;
    auto merged = std::make_shared<CPrintData>();
    QSet<QString> seen;
    const auto add = [&](const QString& name, const QVariant& value) {
        if (name.isEmpty() || seen.contains(name.toCaseFolded()))
            return;
        seen.insert(name.toCaseFolded());
        merged->Add(name, value);
    };
    if (printData)
        for (const CVariantPtr& v : *printData)
            add(v->keyText(), v->vValue());
    for (const QString& field : m_data.fields())
        add(field, QString());
    return merged;
}

void DataPanel::dropField(const QString& field, float x, float y, DesignControl* onto)
{
    if (field.isEmpty() || !m_window.currentTemplate())
        return;
    const bool picture = m_data.imageFields().contains(field, Qt::CaseInsensitive);
    QUndoStack* stack = m_window.undoStack();
    DesignEditing& editing = DesignEditing::of(m_window);
    const auto bind = [&](DesignControl* c) {
        QString tag = c->Tag();
        SetTagValue(tag, QStringLiteral("Key"), QStringLiteral(";"), field);
        c->setTag(tag);
        c->setCaption(field);
    };
    if (picture) {
        // The card has one photo; it takes the dropped column's picture.
        m_data.setPhotoColumn(field);
        DesignerData::rememberPhotoColumn(m_templatePath, field);
        const std::vector<DesignControl*> photos = m_window.controlArray(QStringLiteral("Photo"))->elements();
        DesignControl* photo = photos.empty() ? nullptr : photos.front();
        if (photo && photo->Visible()) {
            if (COutline* outline = m_window.outline())
                outline->Selected(photo);
            tell(tr("The photo shows the column \"%1\".").arg(field));
            return;
        }
        m_window.pressTool(QStringLiteral("Photo"));
        m_window.DrawStart(x, y);
        m_window.DrawMove(x + 0.75f, y + 1.0f);
        m_window.DrawDone(x + 0.75f, y + 1.0f);
        return;
    }
    if (onto && onto->kind() == DesignControl::Kind::Data) {
        DesignEdit edit(stack, editing, tr("Bind Data Field"));
        bind(onto);
        if (COutline* outline = m_window.outline())
            outline->Selected(onto);
        m_window.setDataChanged();
        return;
    }
    // A new data field with the designer's defaults, one step to undo.
    if (stack)
        stack->beginMacro(tr("Place Data Field"));
    m_window.pressTool(QStringLiteral("Data"));
    const float w = std::min(1.5f, std::max(0.25f, float(m_window.currentTemplate()->Width() - x)));
    const float h = 0.25f;
    m_window.DrawStart(x, y);
    m_window.DrawMove(x + w, y + h);
    m_window.DrawDone(x + w, y + h);
    if (COutline* outline = m_window.outline(); outline && outline->selectedControl()) {
        DesignEdit edit(stack, editing, tr("Bind Data Field"));
        bind(outline->selectedControl());
        edit.commit();
    }
    if (stack)
        stack->endMacro();
}

} // namespace kyt
