// The main tool bar, its icons, and the commands added beside the menus.

#include "designer/MainToolBar.h"

#include "designer/AlignCommands.h"
#include "designer/COutline.h"
#include "designer/DesignCanvas.h"
#include "designer/DesignClipboard.h"
#include "designer/DesignSelection.h"
#include "designer/DesignUnits.h"
#include "designer/PropertiesPanel.h"
#include "designer/WindowState.h"
#include "designer/frmPreview.h"
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QIconEngine>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>
#include <QToolBar>
#include <QUndoStack>

namespace kyt
{

namespace
{

// Draws one icon in a 24 x 24 box with the given pen colour.
bool drawIcon(QPainter& p, const QString& key, const QColor& ink)
{
    const QColor accent(0x2F, 0x80, 0xED);
    QPen pen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const auto page = [&p](qreal x, qreal y, qreal w, qreal h) {
        QPainterPath path;
        path.moveTo(x, y);
        path.lineTo(x + w - 4, y);
        path.lineTo(x + w, y + 4);
        path.lineTo(x + w, y + h);
        path.lineTo(x, y + h);
        path.closeSubpath();
        p.drawPath(path);
    };
    const auto arrowHead = [&p](QPointF tip, qreal dx, qreal dy) {
        p.drawLine(tip, tip + QPointF(dx, -dy));
        p.drawLine(tip, tip + QPointF(dx, dy));
    };
    if (key == QLatin1String("New")) {
        page(5, 3, 14, 18);
        p.setPen(QPen(accent, 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 9), QPointF(12, 17));
        p.drawLine(QPointF(8, 13), QPointF(16, 13));
    } else if (key == QLatin1String("Open")) {
        QPainterPath folder;
        folder.moveTo(3, 19);
        folder.lineTo(3, 5);
        folder.lineTo(9, 5);
        folder.lineTo(11, 7);
        folder.lineTo(19, 7);
        folder.lineTo(19, 10);
        p.drawPath(folder);
        QPainterPath front;
        front.moveTo(3, 19);
        front.lineTo(7, 10);
        front.lineTo(22, 10);
        front.lineTo(18, 19);
        front.closeSubpath();
        p.setBrush(accent.lighter(160));
        p.drawPath(front);
    } else if (key == QLatin1String("Save")) {
        p.drawRoundedRect(QRectF(4, 4, 16, 16), 2, 2);
        p.drawRect(QRectF(8, 4, 8, 5));
        p.setBrush(accent);
        p.drawRect(QRectF(7, 13, 10, 7));
    } else if (key == QLatin1String("Undo") || key == QLatin1String("Redo")) {
        const bool undo = key == QLatin1String("Undo");
        QPainterPath curve;
        curve.moveTo(undo ? 6 : 18, 9);
        curve.cubicTo(undo ? 16 : 8, 9, undo ? 21 : 3, 12, undo ? 17 : 7, 19);
        p.drawPath(curve);
        arrowHead(QPointF(undo ? 5 : 19, 9), undo ? 4 : -4, 4);
    } else if (key == QLatin1String("Cut")) {
        p.drawEllipse(QPointF(7, 17), 3, 3);
        p.drawEllipse(QPointF(17, 17), 3, 3);
        p.drawLine(QPointF(9, 15), QPointF(17, 3));
        p.drawLine(QPointF(15, 15), QPointF(7, 3));
    } else if (key == QLatin1String("Copy")) {
        page(4, 3, 11, 14);
        p.setBrush(accent.lighter(170));
        page(9, 7, 11, 14);
    } else if (key == QLatin1String("Paste")) {
        p.drawRoundedRect(QRectF(4, 5, 14, 16), 2, 2);
        p.drawRect(QRectF(8, 3, 6, 4));
        p.setBrush(accent.lighter(170));
        page(10, 10, 10, 11);
    } else if (key == QLatin1String("ZoomIn") || key == QLatin1String("ZoomOut") || key == QLatin1String("ZoomFit")) {
        p.drawEllipse(QPointF(10, 10), 6, 6);
        p.setPen(QPen(ink, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(15, 15), QPointF(20, 20));
        p.setPen(QPen(accent, 1.6, Qt::SolidLine, Qt::RoundCap));
        if (key == QLatin1String("ZoomFit")) {
            p.drawRect(QRectF(7, 7.5, 6, 5));
        } else {
            p.drawLine(QPointF(7, 10), QPointF(13, 10));
            if (key == QLatin1String("ZoomIn"))
                p.drawLine(QPointF(10, 7), QPointF(10, 13));
        }
    } else if (key == QLatin1String("Print")) {
        p.drawRect(QRectF(7, 3, 10, 6));
        p.drawRoundedRect(QRectF(3, 9, 18, 8), 2, 2);
        p.setBrush(accent.lighter(170));
        p.drawRect(QRectF(7, 14, 10, 7));
    } else if (key == QLatin1String("Properties")) {
        p.drawRoundedRect(QRectF(4, 3, 16, 18), 2, 2);
        for (int y : { 8, 12, 16 }) {
            p.drawLine(QPointF(7, y), QPointF(10, y));
            p.drawLine(QPointF(12, y), QPointF(17, y));
        }
    } else if (key == QLatin1String("AlignLeft") || key == QLatin1String("AlignTop")) {
        const bool left = key == QLatin1String("AlignLeft");
        p.drawLine(left ? QPointF(4, 3) : QPointF(3, 4), left ? QPointF(4, 21) : QPointF(21, 4));
        p.setBrush(accent.lighter(150));
        p.drawRect(left ? QRectF(6, 6, 13, 4) : QRectF(6, 6, 4, 13));
        p.drawRect(left ? QRectF(6, 14, 8, 4) : QRectF(14, 6, 4, 8));
    } else if (key == QLatin1String("DistributeAcross") || key == QLatin1String("DistributeDown")) {
        const bool across = key == QLatin1String("DistributeAcross");
        p.setBrush(accent.lighter(150));
        for (int i = 0; i < 3; ++i)
            p.drawRect(across ? QRectF(3 + i * 7, 6, 4, 12) : QRectF(6, 3 + i * 7, 12, 4));
    } else {
        return false;
    }
    return true;
}

// Paints its icon afresh at whatever size and pixel ratio is asked for.
class VectorIcon : public QIconEngine
{
public:
    VectorIcon(QString key, QColor ink)
        : m_key(std::move(key))
        , m_ink(std::move(ink))
    {
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / 24.0, rect.height() / 24.0);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.35);
        drawIcon(*painter, m_key, m_ink);
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }
    // size is in device pixels already.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        {
            QPainter p(&pm);
            paint(&p, QRect(QPoint(0, 0), size), mode, state);
        }
        pm.setDevicePixelRatio(scale > 0 ? scale : 1.0);
        return pm;
    }
    QIconEngine* clone() const override { return new VectorIcon(m_key, m_ink); }
    QString key() const override { return QStringLiteral("kytvector"); }

private:
    QString m_key;
    QColor m_ink;
};

} // namespace

QIcon mainToolIcon(const QString& key, const QPalette& palette)
{
    QPixmap probe(24, 24);
    probe.fill(Qt::transparent);
    QPainter p(&probe);
    if (!drawIcon(p, key, Qt::black))
        return QIcon();
    return QIcon(new VectorIcon(key, palette.color(QPalette::WindowText)));
}

void frmPreview::buildConveniences()
{
    // The card sits in the middle of a view larger than it.
    m_scroll->setAlignment(Qt::AlignCenter);
    m_selection = new DesignSelection(*this);

    auto menu = [this](const char* name) { return findChild<QMenu*>(QLatin1String(name)); };
    const auto make = [this](QMenu* in, const char* name, const QString& caption, const QKeySequence& key = {}) {
        QAction* a = addAction(in, name, caption);
        if (!key.isEmpty())
            a->setShortcut(key);
        return a;
    };

    // Undo and redo say what they undo and redo.
    QAction* undo = menuAction(QStringLiteral("mnuEditUndo"));
    QAction* redo = menuAction(QStringLiteral("mnuEditRedo"));
    connect(m_undoStack, &QUndoStack::undoTextChanged, undo, [undo](const QString& text) {
        undo->setText(text.isEmpty() ? tr("&Undo") : tr("&Undo ") + text);
        undo->setToolTip(text.isEmpty() ? tr("Undo") : tr("Undo ") + text);
    });
    connect(m_undoStack, &QUndoStack::redoTextChanged, redo, [redo](const QString& text) {
        redo->setText(text.isEmpty() ? tr("&Redo") : tr("&Redo ") + text);
        redo->setToolTip(text.isEmpty() ? tr("Redo") : tr("Redo ") + text);
    });

    // Edit: the clipboard and the selection.
    QMenu* edit = menu("mnuEditMenu");
    addAction(edit, "mnuEditSep1", QStringLiteral("-"));
    QAction* cut = make(edit, "mnuEditCut", tr("Cu&t"), QKeySequence::Cut);
    QAction* copy = make(edit, "mnuEditCopy", tr("&Copy"), QKeySequence::Copy);
    QAction* paste = make(edit, "mnuEditPaste", tr("&Paste"), QKeySequence::Paste);
    QAction* duplicate = make(edit, "mnuEditDuplicate", tr("&Duplicate"), QKeySequence(Qt::CTRL | Qt::Key_D));
    addAction(edit, "mnuEditSep2", QStringLiteral("-"));
    QAction* all = make(edit, "mnuEditSelectAll", tr("Select &All"), QKeySequence::SelectAll);
    connect(cut, &QAction::triggered, this, [this] { clipboard::cut(*this); });
    connect(copy, &QAction::triggered, this, [this] { clipboard::copy(*this); });
    connect(paste, &QAction::triggered, this, [this] { clipboard::paste(*this); });
    connect(duplicate, &QAction::triggered, this, [this] { clipboard::duplicate(*this); });
    connect(all, &QAction::triggered, this, [this] {
        if (m_template && !m_txtText->isVisible())
            m_selection->selectAll();
    });

    // Arrange: several objects at once, and snapping.
    auto* arrangeMenu = new QMenu(tr("&Arrange"), this);
    arrangeMenu->setObjectName(QStringLiteral("mnuArrangeMenu"));
    arrangeMenu->menuAction()->setObjectName(QStringLiteral("mnuArrange"));
    menuBar()->insertMenu(menu("mnuToolsMenu")->menuAction(), arrangeMenu);
    const struct {
        const char* name;
        const char* caption;
        arrange::Op op;
    } ops[] = { { "mnuArrangeAlignLeft", QT_TR_NOOP("Align &Left"), arrange::Op::AlignLeft },
        { "mnuArrangeAlignCenter", QT_TR_NOOP("Align &Centres"), arrange::Op::AlignCentresAcross },
        { "mnuArrangeAlignRight", QT_TR_NOOP("Align &Right"), arrange::Op::AlignRight },
        { "mnuArrangeAlignTop", QT_TR_NOOP("Align &Top"), arrange::Op::AlignTop },
        { "mnuArrangeAlignMiddle", QT_TR_NOOP("Align &Middles"), arrange::Op::AlignCentresDown },
        { "mnuArrangeAlignBottom", QT_TR_NOOP("Align &Bottom"), arrange::Op::AlignBottom },
        { "mnuArrangeDistributeAcross", QT_TR_NOOP("Distribute &Horizontally"), arrange::Op::DistributeAcross },
        { "mnuArrangeDistributeDown", QT_TR_NOOP("Distribute &Vertically"), arrange::Op::DistributeDown },
        { "mnuArrangeSameWidth", QT_TR_NOOP("Same &Width"), arrange::Op::SameWidth },
        { "mnuArrangeSameHeight", QT_TR_NOOP("Same H&eight"), arrange::Op::SameHeight } };
    std::vector<std::pair<QAction*, arrange::Op>> arrangeActions;
    for (const auto& o : ops) {
        if (o.op == arrange::Op::AlignTop || o.op == arrange::Op::DistributeAcross || o.op == arrange::Op::SameWidth)
            arrangeMenu->addSeparator();
        QAction* a = make(arrangeMenu, o.name, tr(o.caption));
        const arrange::Op op = o.op;
        connect(a, &QAction::triggered, this, [this, op] { applyArrange(*this, op); });
        arrangeActions.emplace_back(a, op);
    }
    addAction(arrangeMenu, "mnuArrangeSep1", QStringLiteral("-"));
    QAction* snapGrid = make(arrangeMenu, "mnuArrangeSnapGrid", tr("Snap to &Grid"));
    snapGrid->setCheckable(true);
    connect(snapGrid, &QAction::toggled, m_selection, &DesignSelection::setSnapToGrid);
    QAction* snapObjects = make(arrangeMenu, "mnuArrangeSnapObjects", tr("Snap to &Objects"));
    snapObjects->setCheckable(true);
    snapObjects->setChecked(m_selection->snapToObjects());
    connect(snapObjects, &QAction::toggled, m_selection, &DesignSelection::setSnapToObjects);

    // The Properties panel, docked right.
    m_propertiesPanel = new PropertiesPanel(*this);
    addDockWidget(Qt::RightDockWidgetArea, m_propertiesPanel);
    QMenu* view = menu("mnuViewMenu");
    addAction(view, "mnuViewSep2", QStringLiteral("-"));
    QAction* panel = m_propertiesPanel->toggleViewAction();
    panel->setObjectName(QStringLiteral("mnuViewProperties"));
    panel->setText(tr("&Properties Panel"));
    panel->setShortcut(QKeySequence(Qt::Key_F4));
    panel->setIcon(mainToolIcon(QStringLiteral("Properties"), palette()));
    view->addAction(panel);

    // Units of the rulers, the status line and the panel.
    QMenu* unitMenu = view->addMenu(tr("&Units"));
    unitMenu->setObjectName(QStringLiteral("mnuViewUnitsMenu"));
    unitMenu->menuAction()->setObjectName(QStringLiteral("mnuViewUnits"));
    auto* unitGroup = new QActionGroup(this);
    const struct {
        const char* name;
        const char* caption;
        units::Unit unit;
    } unitItems[] = { { "mnuViewUnitsInches", QT_TR_NOOP("&Inches"), units::Unit::Inches },
        { "mnuViewUnitsMillimetres", QT_TR_NOOP("&Millimetres"), units::Unit::Millimetres } };
    for (const auto& u : unitItems) {
        QAction* a = make(unitMenu, u.name, tr(u.caption));
        a->setCheckable(true);
        a->setChecked(units::current() == u.unit);
        unitGroup->addAction(a);
        const units::Unit unit = u.unit;
        connect(a, &QAction::triggered, this, [this, unit] {
            units::setCurrent(unit);
            m_propertiesPanel->refresh();
            refreshRulers();
        });
    }

    // Recent templates, above Exit.
    QMenu* id = menu("mnuIDMenu");
    auto* recent = new QMenu(tr("&Recent Templates"), this);
    recent->setObjectName(QStringLiteral("mnuIDRecentMenu"));
    recent->menuAction()->setObjectName(QStringLiteral("mnuIDRecent"));
    id->insertMenu(menuAction(QStringLiteral("mnuIDSep5")), recent);
    new WindowState(*this, recent);

    // The main tool bar: the commands used most, with the same actions as
    // the menus.
    m_tlbMain = new QToolBar(tr("Main"), this);
    m_tlbMain->setObjectName(QStringLiteral("tlbMain"));
    m_tlbMain->setMovable(false);
    m_tlbMain->setIconSize(QSize(22, 22));
    m_tlbMain->setToolButtonStyle(Qt::ToolButtonIconOnly);
    addToolBar(Qt::TopToolBarArea, m_tlbMain);
    const struct {
        const char* action;
        const char* icon;
        const char* tip;
    } buttons[] = { { "mnuIDNew", "New", QT_TR_NOOP("New template") },
        { "mnuIDOpen", "Open", QT_TR_NOOP("Open a template") },
        { "mnuIDSave", "Save", QT_TR_NOOP("Save the template") }, { nullptr, nullptr, nullptr },
        { "mnuEditUndo", "Undo", nullptr }, { "mnuEditRedo", "Redo", nullptr }, { nullptr, nullptr, nullptr },
        { "mnuEditCut", "Cut", QT_TR_NOOP("Cut") }, { "mnuEditCopy", "Copy", QT_TR_NOOP("Copy") },
        { "mnuEditPaste", "Paste", QT_TR_NOOP("Paste") }, { nullptr, nullptr, nullptr },
        { "mnuViewZoomOut", "ZoomOut", QT_TR_NOOP("Zoom out") }, { "mnuViewZoomIn", "ZoomIn", QT_TR_NOOP("Zoom in") },
        { "mnuViewZoomFit", "ZoomFit", QT_TR_NOOP("Fit to window") }, { nullptr, nullptr, nullptr },
        { "mnuArrangeAlignLeft", "AlignLeft", QT_TR_NOOP("Align left edges") },
        { "mnuArrangeAlignTop", "AlignTop", QT_TR_NOOP("Align top edges") },
        { "mnuArrangeDistributeAcross", "DistributeAcross", QT_TR_NOOP("Distribute horizontally") },
        { "mnuArrangeDistributeDown", "DistributeDown", QT_TR_NOOP("Distribute vertically") },
        { nullptr, nullptr, nullptr }, { "mnuIDPrint", "Print", QT_TR_NOOP("Print preview") },
        { "mnuViewProperties", "Properties", QT_TR_NOOP("Properties panel (F4)") } };
    for (const auto& b : buttons) {
        if (!b.action) {
            m_tlbMain->addSeparator();
            continue;
        }
        QAction* a = menuAction(QLatin1String(b.action));
        if (!a)
            continue;
        a->setIcon(mainToolIcon(QLatin1String(b.icon), palette()));
        if (b.tip)
            a->setToolTip(tr(b.tip));
        m_tlbMain->addAction(a);
    }
    QAction* mainBar = m_tlbMain->toggleViewAction();
    mainBar->setObjectName(QStringLiteral("mnuViewMainToolBar"));
    mainBar->setText(tr("Main &Tool Bar"));
    view->insertAction(panel, mainBar);

    // What can be done follows the selection and the clipboard.
    const auto enableCommands = [this, cut, copy, paste, duplicate, all, arrangeActions] {
        const int n = m_template ? m_selection->count() : 0;
        for (QAction* a : { cut, copy, duplicate })
            a->setEnabled(n > 0);
        paste->setEnabled(clipboard::canPaste(*this));
        all->setEnabled(m_template != nullptr);
        for (const auto& [a, op] : arrangeActions) {
            const bool spread = op == arrange::Op::DistributeAcross || op == arrange::Op::DistributeDown;
            a->setEnabled(n >= (spread ? 3 : 2));
        }
    };
    connect(m_selection, &DesignSelection::changed, this, enableCommands);
    connect(m_undoStack, &QUndoStack::indexChanged, this, enableCommands);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, enableCommands);
    connect(this, &QWidget::windowTitleChanged, this, enableCommands); // another template shown
    connect(id, &QMenu::aboutToShow, this, enableCommands);
    connect(edit, &QMenu::aboutToShow, this, enableCommands);
    connect(arrangeMenu, &QMenu::aboutToShow, this, enableCommands);
    enableCommands();
}

} // namespace kyt
