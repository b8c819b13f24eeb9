// The designer window: its menus and tool bar, the document commands (new,
// open, save, close, properties), zoom and closing.

#include "designer/frmPreview.h"
#include "designer/DataPanel.h"
#include "designer/PreflightPanel.h"

#include "designer/COutline.h"
#include "designer/DesignActions.h"
#include "designer/DesignCanvas.h"
#include "designer/DesignEditing.h"
#include "designer/DesignSelection.h"
#include "designer/DesignTool.h"
#include "designer/PhotoPlaceholder.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmIDProperties.h"
#include "errors/MessageBox.h"
#include "errors/ModuleSource.h"
#include "kyt/Version.h"
#include "platform/BarcodeFonts.h"
#include "platform/CommonDialog.h"
#include "platform/widgets/AppIcon.h"
#include "platform/widgets/ModalRunner.h"
#include "platform/widgets/QtCommonDialog.h"
#include "settings/CProperties.h"
#include "settings/CTargetApplications.h"
#include "template/TemplateControls.h"
#include "util/Strings.h"
#include "util/Translations.h"
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>
#include <QUrl>
#include <algorithm>

namespace kyt
{

namespace
{
const char* const TemplateFilter = QT_TRANSLATE_NOOP("kyt::frmPreview", "KyT Templates(*.tpl)|*.tpl");
constexpr int OpenFlags = 6148;
constexpr int SaveFlags = 2054;
constexpr double TwipsPerPixel = 15.0;

// The hourglass while a command runs; the previous pointer comes back.
class Hourglass
{
public:
    Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass() { QApplication::restoreOverrideCursor(); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};

QString productName()
{
    return QLatin1String(ProductName);
}

const DesignControl::Kind ArrayKinds[] = { DesignControl::Kind::Photo, DesignControl::Kind::Logo,
    DesignControl::Kind::Rectangle, DesignControl::Kind::Text, DesignControl::Kind::Data, DesignControl::Kind::Line };
} // namespace

frmPreview::frmPreview(QWidget* parent)
    : QMainWindow(parent)
{
    ensureTranslations();
    m_moduleSource = kyt::moduleSource(".frmPreview (");
    registerBarcodeFonts();
    installGuiDialogs();
    setWindowIcon(appIcon());
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(tr("KyT Previewer"));
    setAcceptDrops(true);
    m_undoStack = new QUndoStack(this);
    m_undoStack->setObjectName(QStringLiteral("undoStack"));

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scrDesign"));
    m_scroll->setBackgroundRole(QPalette::Mid);
    m_scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_canvas = new DesignCanvas;
    m_picID = new DesignSurface(m_canvas);
    m_canvas->setSurface(m_picID);
    m_picID->setEvents(this);
    m_picID->hide();
    m_scroll->setWidget(m_canvas);
    m_scroll->setWidgetResizable(false);
    setCentralWidget(m_scroll);

    for (size_t i = 0; i < m_arrays.size(); ++i)
        m_arrays[i] = std::make_unique<ControlArray>(m_picID, ArrayKinds[i]);
    m_shpOutline = new OutlineShape(m_picID);
    m_shpOutline->setObjectName(QStringLiteral("shpOutline"));
    for (int i = 0; i < 4; ++i) {
        m_imgCorner[size_t(i)] = new CornerHandle(m_picID, i);
        m_imgCorner[size_t(i)]->setObjectName(QStringLiteral("imgCorner(%1)").arg(i));
    }
    m_txtText = new QLineEdit(m_picID);
    m_txtText->setObjectName(QStringLiteral("txtText"));
    m_txtText->setFrame(false);
    m_txtText->hide();

    m_tools = std::make_unique<DesignTools>(*this);
    buildConveniences();
    EnableIDMenus(false);
    pressTool(QStringLiteral("Pointer"));
    DataPanel::install(*this);
    PreflightPanel::install(*this);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_zoomLabel = new QLabel(this);
    m_zoomLabel->setObjectName(QStringLiteral("lblZoom"));
    statusBar()->addWidget(m_status, 1);
    statusBar()->addPermanentWidget(m_zoomLabel);
    m_zoomLabel->setText(QStringLiteral("100 %"));
    connect(m_picID, &DesignSurface::zoomChanged, this, [this](double z) {
        m_zoomLabel->setText(QStringLiteral("%1 %").arg(qRound(z * 100)));
        refreshRulers();
    });
    resize(900, 640);
}

frmPreview::~frmPreview()
{
    // Clearing the history on its way out must reach no half-gone member.
    m_undoStack->blockSignals(true);
    // The editing state watches this window's events; it goes before the
    // members those events would reach.
    delete m_editing;
    m_tools.reset();
    delete m_selection; // watches every mouse event of the application
    m_selection = nullptr;
    // Release in order: default print data, properties, targets, outline,
    // template, error object.
    m_defaultPrintData.reset();
    m_properties = nullptr;
    m_targets.reset();
    m_outline.reset();
    m_template.reset();
    m_error.reset();
}

void frmPreview::report(const std::exception& e, const char* procedure) const
{
    if (m_error)
        m_error->Report(e, m_moduleSource + QLatin1Char(' ') + QLatin1String(procedure));
}

QAction* frmPreview::menuAction(const QString& name) const
{
    return findChild<QAction*>(name);
}

void frmPreview::pressTool(const QString& key)
{
    for (QAction* a : m_toolGroup->actions())
        if (a->data().toString() == key)
            a->setChecked(true);
}

QString frmPreview::WhichButtonDown() const
{
    QString key;
    try {
        for (QAction* a : m_toolGroup->actions())
            if (a->isChecked())
                key = a->data().toString();
    } catch (const std::exception& e) {
        report(e, "WhichButtonDown");
    }
    return key;
}

void frmPreview::tlbObjects_ButtonClick(const QString& key)
{
    pressTool(key);
    if (key != QLatin1String("Pointer") && m_outline)
        m_outline->Unselect();
    m_status->setText(m_tools->tool(key).hint());
}

ControlArray* frmPreview::controlArray(const QString& name) const
{
    for (const auto& a : m_arrays)
        if (a->Name().compare(name, Qt::CaseInsensitive) == 0)
            return a.get();
    return nullptr;
}

std::vector<IDesignControl*> frmPreview::designControls() const
{
    // The surface's children are kept in drawing order, bottom to top.
    std::vector<IDesignControl*> shown, unused;
    for (QObject* child : m_picID->children()) {
        auto* c = qobject_cast<DesignControl*>(child);
        // Unloaded elements linger until deleted; they are no longer in their array.
        if (!c || c->array()->Item(c->Index()) != c)
            continue;
        (c->Visible() ? shown : unused).push_back(c);
    }
    shown.insert(shown.end(), unused.begin(), unused.end());
    return shown;
}

IDesignControl* frmPreview::LoadDesignControl(const QString& arrayName)
{
    ControlArray* array = controlArray(arrayName);
    if (!array)
        return nullptr;
    DesignControl* c = array->Item(0);
    if (c && c->Visible())
        c = array->Load(array->UBound() + 1);
    c->markUsed();
    return c;
}

void frmPreview::setDataChanged()
{
    if (m_template)
        m_template->setDataChanged(true);
}

void frmPreview::EnableIDMenus(bool enabled)
{
    for (const ActionEntry& e : DesignActions::table())
        if (e.rule == ActionRule::Card)
            menuAction(QLatin1String(e.name))->setEnabled(enabled);
    // Without a card there is nothing to draw on.
    if (!m_toolGroup)
        return;
    if (!enabled)
        pressTool(QStringLiteral("Pointer"));
    for (QAction* a : m_toolGroup->actions()) {
        const bool photo = a->data().toString() == QLatin1String("Photo");
        a->setEnabled(enabled && (!photo || !Photo().Item(0)->Visible()));
    }
}

void frmPreview::SetAlignmentChecks(int alignment)
{
    QAction* left = menuAction(QStringLiteral("mnuOptionsAlignmentLeft"));
    QAction* right = menuAction(QStringLiteral("mnuOptionsAlignmentRight"));
    QAction* center = menuAction(QStringLiteral("mnuOptionsAlignmentCenter"));
    left->setChecked(false);
    right->setChecked(false);
    center->setChecked(false);
    if (alignment == 0)
        left->setChecked(true);
    else if (alignment == 1)
        right->setChecked(true);
    else if (alignment == 2)
        center->setChecked(true);
}

void frmPreview::updateMenu(const QString& type, bool border, int alignment, bool transparent, bool barcode)
{
    try {
        const QString t = type.toLower();
        const bool photo = t == QLatin1String("photo"), logo = t == QLatin1String("logo"),
                   data = t == QLatin1String("data"), text = t == QLatin1String("text"),
                   rect = t == QLatin1String("rectangle") || t == QLatin1String("line"),
                   pointer = t == QLatin1String("pointer");
        if (!(photo || logo || data || text || rect || pointer))
            return;
        const bool textual = data || text;
        const bool object = !pointer;
        auto show = [this](const char* name, bool v) { menuAction(QLatin1String(name))->setVisible(v); };
        show("mnuOptionsDelete", true);
        show("mnuOptionsLogo", logo);
        show("mnuOptionsUserField", data);
        show("mnuOptionsEditText", text);
        show("mnuOptionsSep1", true);
        show("mnuOptionsFront", true);
        show("mnuOptionsBack", true);
        show("mnuOptionsSep2", object);
        for (const char* n : { "mnuOptionsFont", "mnuOptionsFontToFit", "mnuOptionsAlign", "mnuOptionsSep3" })
            show(n, textual);
        show("mnuOptionsStretch", logo);
        show("mnuOptionsBorderStyle", object && t != QLatin1String("line"));
        for (const char* n : { "mnuOptionsTransparent", "mnuOptionsForeColor", "mnuOptionsSep4", "mnuOptionsBarcode",
                 "mnuOptionsBarcodeProp", "mnuOptionsSep5", "mnuOptionsMagstripe", "mnuOptionsSmartCard" })
            show(n, textual);
        show("mnuOptionsBackColor", textual || rect);
        menuAction(QStringLiteral("mnuOptionsBorderStyle"))->setChecked(border);
        if (textual) {
            menuAction(QStringLiteral("mnuOptionsFontToFit"))->setChecked(m_outline && m_outline->FontToFit());
            SetAlignmentChecks(alignment);
            menuAction(QStringLiteral("mnuOptionsTransparent"))->setChecked(transparent);
            menuAction(QStringLiteral("mnuOptionsBackColor"))->setEnabled(!transparent);
            menuAction(QStringLiteral("mnuOptionsBarcode"))->setChecked(barcode);
            menuAction(QStringLiteral("mnuOptionsBarcodeProp"))->setEnabled(barcode);
        } else if (rect) {
            menuAction(QStringLiteral("mnuOptionsBackColor"))->setEnabled(true);
        }
    } catch (const std::exception& e) {
        report(e, "updateMenu");
    }
}

// --- Document commands ---------------------------------------------------------

void frmPreview::Setup()
{
    Hourglass busy;
    try {
        if (!m_targets) {
            m_targets = std::make_unique<CTargetApplications>();
            m_targets->GetAllTargetApps();
        }
        if (!m_outline) {
            m_outline = std::make_unique<COutline>();
            m_outline->setError(m_error);
            m_outline->setRectangle(m_shpOutline);
            m_outline->setUpperLeft(m_imgCorner[0]);
            m_outline->setUpperRight(m_imgCorner[1]);
            m_outline->setLowerLeft(m_imgCorner[2]);
            m_outline->setLowerRight(m_imgCorner[3]);
            m_outline->setDesignForm(this);
            DesignEditing::of(*this); // undo history, editing keys
        }
        m_picID->setSurfaceSize(0, 0);
        m_picID->hide();
        pressTool(QStringLiteral("Pointer"));
        EnableIDMenus(false);
        if (m_properties) {
            restorePlacement();
            menuAction(QStringLiteral("mnuIDShowGrid"))->setChecked(m_properties->DefaultShowGrid());
        }
    } catch (const std::exception& e) {
        report(e, "Setup");
    }
}

void frmPreview::setCaptionFor(const QString& prefix)
{
    setWindowTitle(
        prefix + QStringLiteral(" ...\\") + GetFileName(m_template ? m_template->TemplateName() : QString()));
}

void frmPreview::sizeSurface()
{
    if (!m_template)
        return;
    const double h = m_template->Height() * (m_template->Duplex() ? 2 : 1);
    m_picID->setTemplate(m_template.get());
    m_picID->setSurfaceSize(float(m_template->Width()), float(h));
    m_picID->show();
    m_canvas->relayout();
}

void frmPreview::ShowID(const std::shared_ptr<CPrintTemplate>& t)
{
    try {
        m_template = t;
        if (m_outline)
            m_outline->Unselect();
        CleanUp();
        if (!t)
            return;
        setCaptionFor(productName());
        sizeSurface();
        PaintIDBackground(menuAction(QStringLiteral("mnuIDShowGrid"))->isChecked());
        if (t->ClassToControls(*this)) {
            findChild<QAction*>(QStringLiteral("tlbObjectsPhoto"))->setEnabled(!Photo().Item(0)->Visible());
            pressTool(QStringLiteral("Pointer"));
            EnableIDMenus(true);
            t->setDataChanged(false);
            m_undoStack->clear();
        }
        emit templateShown();
    } catch (const std::exception& e) {
        report(e, "ShowID");
    }
}

int frmPreview::askSaveChanges()
{
    TextUpdate(); // text being typed is a change too
    if (!m_template || !m_template->Dirty())
        return vbNo;
    const int answer = MsgBox(tr("Save Changes?"), vbYesNoCancel | vbQuestion, tr("ID Changed"));
    if (answer != vbYes)
        return answer;
    Hourglass busy;
    // A save that did not happen (dialog cancelled, refused, failed) keeps
    // the card open: closing it now would lose the work.
    return SaveID(true) ? vbYes : vbCancel;
}

void frmPreview::NewID()
{
    try {
        if (askSaveChanges() == vbCancel)
            return;
        auto t = std::make_shared<CPrintTemplate>();
        t->setError(m_error);
        t->ApplyDefaults(m_properties);
        t->setDefaultPhoto(photoPlaceholder());
        // The previous document stays on the surface until the new one is accepted.
        frmIDProperties dialog(this);
        if (!runPropertiesDialog(dialog, *t, true))
            return;
        if (m_outline)
            m_outline->Unselect();
        CleanUp();
        m_template = t;
        setWindowTitle(productName() + tr(" Untitiled"));
        sizeSurface();
        PaintIDBackground(menuAction(QStringLiteral("mnuIDShowGrid"))->isChecked());
        EnableIDMenus(true);
        findChild<QAction*>(QStringLiteral("tlbObjectsPhoto"))->setEnabled(true);
        pressTool(QStringLiteral("Pointer"));
        m_undoStack->clear();
    } catch (const std::exception& e) {
        report(e, "NewID");
    }
}

void frmPreview::OpenID(const QString& name)
{
    try {
        if (askSaveChanges() == vbCancel)
            return;
        QString fileName = name;
        if (fileName.isEmpty()) {
            const auto chosen = commonDialog().ShowOpen(tr("Open"), tr(TemplateFilter), QString(), OpenFlags, 1);
            if (!chosen || chosen->isEmpty())
                return;
            fileName = *chosen;
        }
        Hourglass busy;
        auto t = std::make_shared<CPrintTemplate>();
        t->setError(m_error);
        t->setDefaultPhoto(photoPlaceholder());
        t->setTemplateName(fileName);
        // A file that cannot be read leaves the previous document current and shown.
        bool reported = false;
        QMetaObject::Connection watch;
        if (m_error)
            watch = connect(m_error.get(), &CError::ErrorEvent, this, [&reported](QString&) { reported = true; });
        const bool read = t->ReadFile();
        disconnect(watch);
        if (read)
            ShowID(t);
        else if (!reported) // the reader is silent about files of another kind
            MsgBox(tr("%1 is not a template file.").arg(QDir::toNativeSeparators(fileName)), vbExclamation, tr("Open"));
    } catch (const std::exception& e) {
        report(e, "OpenID");
    }
}

bool frmPreview::SaveID(bool useCurrentName)
{
    if (!m_template)
        return false;
    // The text being typed belongs in the file: the rebuild skips the
    // label hidden under the editor.
    TextUpdate();
    try {
        // The name chosen in the dialog sticks only when the file is written:
        // after a refused or failed save, Save goes to the old name again.
        const QString previousName = m_template->TemplateName();
        if (!useCurrentName || m_template->TemplateName().isEmpty()) {
            const auto chosen = commonDialog().ShowSave(
                tr("Save Template"), tr(TemplateFilter), m_template->TemplateName(), SaveFlags, 1);
            if (!chosen || chosen->isEmpty())
                return false;
            m_template->setTemplateName(*chosen);
        }
        bool saved = true;
        if (!m_template->ValidateControls(*this)) {
            selectFirstUnsaveable(); // shows which object the messages meant
            saved = MsgBox(tr("Can not save all objects.\r\nContinue Save anyway?"),
                        vbYesNo | vbQuestion | vbDefaultButton2)
                == vbYes;
        }
        saved = saved && m_template->ControlstoAttributes(*this) && m_template->SaveFile(QString());
        if (saved) {
            m_undoStack->setClean();
            setCaptionFor(QStringLiteral("KyTDesign"));
            if (m_template->TemplateName() != previousName)
                emit templateShown();
        } else {
            m_template->setTemplateName(previousName);
        }
        return saved;
    } catch (const std::exception& e) {
        report(e, "SaveID");
    }
    return false;
}

void frmPreview::selectFirstUnsaveable()
{
    if (!m_outline)
        return;
    for (IDesignControl* c : designControls()) {
        if (!c->Visible())
            continue;
        if (!unsaveableReason(*c).isEmpty()) {
            auto* control = static_cast<DesignControl*>(c);
            m_outline->Selected(control);
            DesignEditing::of(*this).reveal(control);
            return;
        }
    }
}

void frmPreview::CloseId()
{
    Hourglass busy;
    try {
        if (m_template) {
            if (askSaveChanges() == vbCancel)
                return;
            CleanUp();
            m_template.reset();
            m_picID->setTemplate(nullptr);
        }
        if (m_outline)
            m_outline->Unselect();
        pressTool(QStringLiteral("Pointer"));
        EnableIDMenus(false);
        setWindowTitle(productName());
        m_undoStack->clear();
        DesignEditing::of(*this).clearStatus();
    } catch (const std::exception& e) {
        report(e, "CloseId");
    }
}

void frmPreview::CleanUp()
{
    try {
        for (const auto& array : m_arrays) {
            for (DesignControl* c : array->elements()) {
                if (c->Index() > 0)
                    array->Unload(c->Index());
                else
                    c->clearProperties();
            }
        }
        m_carried.clear();
        m_txtText->hide();
        m_shpOutline->hide();
        for (CornerHandle* h : m_imgCorner)
            h->hide();
        m_picID->hide();
        m_canvas->relayout();
    } catch (const std::exception& e) {
        report(e, "CleanUp");
    }
}

bool frmPreview::runPropertiesDialog(frmIDProperties& dialog, CPrintTemplate& t, bool isNew)
{
    dialog.setError(m_error);
    dialog.setTargetApplications(m_targets.get());
    dialog.setBackgroundPicture(t.Picture());
    dialog.setBackgroundColor(t.BackgroundColor());
    dialog.setIdSizeWidth(t.Width());
    dialog.setIdSizeHeight(t.Height());
    dialog.setOrientation(t.Orientation());
    if (isNew)
        dialog.setDialogTitle(tr("New Template Properties"));
    dialog.setTargetApp(t.TargetApplication());
    dialog.setDuplex(t.Duplex());
    dialog.Setup();
    execModal(dialog);
    if (dialog.UserCancel())
        return false;
    t.setWidth(dialog.IdSizeWidth());
    t.setHeight(dialog.IdSizeHeight());
    t.setOrientation(qint16(dialog.Orientation()));
    t.setBackgroundColor(dialog.BackgroundColor());
    t.setTargetApplication(dialog.TargetApp());
    t.setDuplex(dialog.Duplex());
    t.setPicture(dialog.BackgroundPicture());
    return true;
}

bool frmPreview::ShowProperties(bool isNew)
{
    if (!m_template)
        return false;
    try {
        // One undo step: the card's properties and whatever they moved.
        DesignEdit edit(m_undoStack, DesignEditing::of(*this), tr("Properties"));
        const float oldHeight = float(m_template->Height());
        const bool wasDuplex = m_template->Duplex();
        frmIDProperties dialog(this);
        if (!runPropertiesDialog(dialog, *m_template, isNew))
            return false;
        keepTheBack(oldHeight, wasDuplex);
        m_template->setDataChanged(true);
        refreshCardLayout();
        return true;
    } catch (const std::exception& e) {
        report(e, "ShowProperties");
    }
    return false;
}

void frmPreview::keepTheBack(float oldHeight, bool wasDuplex)
{
    if (!wasDuplex || !m_outline)
        return;
    // The back starts at the front's height; an object whose top lies there
    // belongs to the back.
    const auto backObject = [oldHeight](IDesignControl* c) { return c->Visible() && c->top() >= oldHeight; };
    std::vector<IDesignControl*> controls = designControls();
    const auto onBack = std::count_if(controls.begin(), controls.end(), backObject);
    if (onBack == 0)
        return;
    if (!m_template->Duplex()) {
        const int answer = MsgBox(tr("The back of the card holds %1, which a one-sided card "
                                     "does not print.\r\nRemove them? (No keeps the card two-sided.)")
                                      .arg(Counted(onBack, "object")),
            vbYesNo | vbQuestion | vbDefaultButton2, tr("Properties"));
        if (answer != vbYes) {
            m_template->setDuplex(true);
        } else {
            // Deleting renumbers the arrays: look for the next one afresh.
            for (qsizetype i = 0; i < onBack; ++i) {
                controls = designControls();
                const auto it = std::find_if(controls.begin(), controls.end(), backObject);
                if (it == controls.end())
                    break;
                m_outline->Selected(static_cast<DesignControl*>(*it));
                m_outline->Delete();
            }
            findChild<QAction*>(QStringLiteral("tlbObjectsPhoto"))->setEnabled(!Photo().Item(0)->Visible());
            return;
        }
    }
    // The back's objects stay where they were on the back.
    const float shift = float(m_template->Height()) - oldHeight;
    if (shift != 0) {
        m_outline->Unselect();
        for (IDesignControl* c : controls)
            if (backObject(c))
                c->settop(c->top() + shift);
    }
}

void frmPreview::refreshCardLayout()
{
    sizeSurface();
    PaintIDBackground(menuAction(QStringLiteral("mnuIDShowGrid"))->isChecked());
}

void frmPreview::PaintIDBackground(bool showGrid)
{
    try {
        m_picID->setShowGrid(showGrid);
        m_picID->update();
        refreshRulers();
    } catch (const std::exception& e) {
        report(e, "PaintIDBackground");
    }
}

void frmPreview::refreshRulers()
{
    m_canvas->relayout();
}

// --- Menu handlers -------------------------------------------------------------

void frmPreview::mnuIDNew_Click()
{
    NewID();
}
void frmPreview::mnuIDOpen_Click()
{
    OpenID(QString());
}
void frmPreview::mnuIDClose_Click()
{
    CloseId();
}

void frmPreview::mnuIDSave_Click()
{
    Hourglass busy;
    SaveID(true);
}

void frmPreview::mnuIDSaveAs_Click()
{
    Hourglass busy;
    SaveID(false);
}

void frmPreview::mnuIDShowGrid_Click()
{
    // The action toggled its own check mark.
    PaintIDBackground(menuAction(QStringLiteral("mnuIDShowGrid"))->isChecked());
}

void frmPreview::mnuIDProperties_Click()
{
    Hourglass busy;
    ShowProperties(false);
}

void frmPreview::mnuIDCloseWin_Click()
{
    m_closingFromCode = true;
    close();
    m_closingFromCode = false;
}

void frmPreview::mnuHelpConstant_Click()
{
    Hourglass busy;
    commonDialog().ShowHelp(QtCommonDialog::helpFile(), HelpContents);
}

void frmPreview::mnuHelpSearch_Click()
{
    Hourglass busy;
    commonDialog().ShowHelp(QtCommonDialog::helpFile(), HelpPartialKey);
}

void frmPreview::mnuHelpAbout_Click()
{
    frmAbout about(this);
    execModal(about);
}

// --- Zoom ---------------------------------------------------------------------

double frmPreview::zoom() const
{
    return m_picID->zoom();
}

void frmPreview::setZoom(double z)
{
    m_picID->setZoom(z);
    m_canvas->relayout();
    for (const char* name : { "mnuViewZoom100", "mnuViewZoom200", "mnuViewZoom300", "mnuViewZoom400" })
        menuAction(QLatin1String(name))->setChecked(false);
    const int percent = qRound(m_picID->zoom() * 100);
    if (QAction* a = menuAction(QStringLiteral("mnuViewZoom%1").arg(percent)))
        a->setChecked(true);
}

void frmPreview::zoomToFit()
{
    if (!m_template || m_picID->surfaceWidth() <= 0 || m_picID->surfaceHeight() <= 0)
        return;
    const QSize margins = m_canvas->rulerMargins();
    // The canvas keeps 24 pixels of room right of and below the card.
    const QSize avail
        = m_scroll->viewport()->size() - margins - QSize(28 + DesignCanvas::SurfaceGap, 28 + DesignCanvas::SurfaceGap);
    const double zw = avail.width() / (m_picID->surfaceWidth() * DesignSurface::BasePixelsPerInch);
    const double zh = avail.height() / (m_picID->surfaceHeight() * DesignSurface::BasePixelsPerInch);
    setZoom(std::min(zw, zh));
}

// --- Closing ------------------------------------------------------------------

void frmPreview::storeGeometry()
{
    if (!m_properties)
        return;
    storePlacement();
    m_properties->setDefaultShowGrid(menuAction(QStringLiteral("mnuIDShowGrid"))->isChecked());
}

bool frmPreview::Form_QueryUnload(int unloadMode)
{
    storeGeometry();
    const int answer = askSaveChanges();
    if (answer == vbCancel)
        return false;
    if (answer == vbYes) {
        m_template.reset();
        closePrintPreview();
        if (unloadMode == 0) {
            // The window's own close button hides the window, empty, for reuse.
            CleanUp();
            m_picID->setTemplate(nullptr);
            hide();
            return false;
        }
    }
    return true;
}

void frmPreview::closeEvent(QCloseEvent* event)
{
    if (Form_QueryUnload(m_closingFromCode ? 1 : 0))
        event->accept();
    else
        event->ignore();
}

void frmPreview::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    emit windowHidden();
}

void frmPreview::showModal()
{
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    if (!isVisible())
        return;
    QEventLoop loop;
    connect(this, &frmPreview::windowHidden, &loop, &QEventLoop::quit);
    loop.exec();
    setWindowModality(Qt::NonModal);
}

void frmPreview::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
}

void frmPreview::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Keyboard && showObjectMenuFromKeyboard())
        event->accept();
    else
        QMainWindow::contextMenuEvent(event);
}

void frmPreview::keyPressEvent(QKeyEvent* event)
{
    if (!Form_KeyDown(event->key(), event->modifiers()))
        QMainWindow::keyPressEvent(event);
}

// --- Drag and drop -------------------------------------------------------------

namespace
{
QStringList localFiles(const QMimeData* data)
{
    QStringList files;
    if (data && data->hasUrls())
        for (const QUrl& url : data->urls())
            if (url.isLocalFile())
                files << url.toLocalFile();
    return files;
}

bool isTemplateFile(const QString& file)
{
    return QFileInfo(file).suffix().compare(QLatin1String("tpl"), Qt::CaseInsensitive) == 0;
}
} // namespace

Qt::DropAction frmPreview::Form_OLEDragOver(const QStringList& files) const
{
    return !files.isEmpty() && isTemplateFile(files.first()) ? Qt::CopyAction : Qt::IgnoreAction;
}

Qt::DropAction frmPreview::Form_OLEDragDrop(const QStringList& files)
{
    if (files.isEmpty())
        return Qt::IgnoreAction;
    // Only the first file counts.
    if (isTemplateFile(files.first())) {
        OpenID(files.first());
        return Qt::CopyAction;
    }
    MsgBox(tr("Unsupported File Format"), vbOKOnly, tr("OLE Drop Error"));
    return Qt::IgnoreAction;
}

void frmPreview::dragEnterEvent(QDragEnterEvent* event)
{
    // Any file list is taken, so a wrong file gets its message on drop.
    if (!localFiles(event->mimeData()).isEmpty()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

void frmPreview::dragMoveEvent(QDragMoveEvent* event)
{
    if (!localFiles(event->mimeData()).isEmpty()) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

void frmPreview::dropEvent(QDropEvent* event)
{
    const Qt::DropAction action = Form_OLEDragDrop(localFiles(event->mimeData()));
    event->setDropAction(action);
    event->accept();
}

} // namespace kyt
