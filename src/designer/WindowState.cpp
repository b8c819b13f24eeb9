// The designer window's own state: placement between sessions, recent
// templates, the unsaved-changes mark in the title, Ctrl+wheel zoom.

#include "designer/WindowState.h"

#include "designer/DesignCanvas.h"
#include "designer/DesignSurface.h"
#include "designer/PropertiesPanel.h"
#include "designer/frmPreview.h"
#include "dialogs/LengthUnits.h"
#include "settings/AppSettings.h"
#include "settings/CProperties.h"
#include "settings/CTargetApplications.h"
#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QUndoStack>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>

namespace kyt
{

namespace
{
const QString Section = QStringLiteral("Designer");
const QString MaximizedKey = QStringLiteral("Maximized");
constexpr double TwipsPerPixel = 15.0;

QString recentKey(int i)
{
    return QStringLiteral("Recent%1").arg(i + 1);
}
} // namespace

// --- Placement ------------------------------------------------------------------

// The stored top and left are those of the window's inner area (its
// geometry, without the frame), so they are put back as that: placing them
// as the frame's corner would move the window down by the title bar's
// height every session.
void frmPreview::storePlacement()
{
    if (!m_properties)
        return;
    const bool maximized = isMaximized() || isFullScreen();
    const QRect g = normalGeometry().isValid() ? normalGeometry() : geometry();
    m_properties->setTop(float(g.top() * TwipsPerPixel));
    m_properties->setLeft(float(g.left() * TwipsPerPixel));
    m_properties->setWidth(float(g.width() * TwipsPerPixel));
    m_properties->setHeight(float(g.height() * TwipsPerPixel));
    WindowState::storeMaximized(maximized);
}

void frmPreview::restorePlacement()
{
    if (!m_properties)
        return;
    const float t = m_properties->top(), l = m_properties->left(), w = m_properties->Width(),
                h = m_properties->Height();
    if (t != -1 && l != -1 && w != -1 && h != -1) {
        const QRect r(qRound(l / TwipsPerPixel), qRound(t / TwipsPerPixel), std::max(200, qRound(w / TwipsPerPixel)),
            std::max(150, qRound(h / TwipsPerPixel)));
        // A place on a screen that is no longer there keeps only the size.
        const auto screens = QGuiApplication::screens();
        const bool onScreen = std::any_of(
            screens.begin(), screens.end(), [&r](const QScreen* s) { return s->availableGeometry().intersects(r); });
        if (onScreen)
            setGeometry(r);
        else
            resize(r.size());
    }
    if (WindowState::storedMaximized())
        setWindowState(windowState() | Qt::WindowMaximized);
}

bool WindowState::storedMaximized()
{
    return settings::GetSetting(CTargetApplications::AppName, Section, MaximizedKey, QStringLiteral("0"))
        == QLatin1String("1");
}

void WindowState::storeMaximized(bool on)
{
    settings::SaveSetting(
        CTargetApplications::AppName, Section, MaximizedKey, on ? QStringLiteral("1") : QStringLiteral("0"));
}

// --- The rest -------------------------------------------------------------------

WindowState::WindowState(frmPreview& window, QMenu* recentMenu)
    : QObject(&window)
    , m_window(window)
    , m_recent(recentMenu)
{
    setObjectName(QStringLiteral("windowState"));
    window.installEventFilter(this);
    if (QScrollArea* scroll = window.scrollArea())
        scroll->viewport()->installEventFilter(this);
    if (QUndoStack* stack = window.undoStack()) {
        connect(stack, &QUndoStack::indexChanged, this, &WindowState::markTitle);
        connect(stack, &QUndoStack::cleanChanged, this, &WindowState::markTitle);
    }
    if (m_recent)
        connect(m_recent, &QMenu::aboutToShow, this, &WindowState::fillRecentMenu);
    fillRecentMenu();
}

QStringList WindowState::recentFiles()
{
    QStringList files;
    for (int i = 0; i < MaxRecent; ++i) {
        const QString f = settings::GetSetting(CTargetApplications::AppName, Section, recentKey(i));
        if (!f.isEmpty() && QFileInfo::exists(f) && !files.contains(f))
            files << f;
    }
    return files;
}

void WindowState::addRecentFile(const QString& fileName)
{
    const QString file = QFileInfo(fileName).absoluteFilePath();
    QStringList files = recentFiles();
    files.removeAll(file);
    files.prepend(file);
    for (int i = 0; i < MaxRecent; ++i)
        settings::SaveSetting(CTargetApplications::AppName, Section, recentKey(i), files.value(i));
}

void WindowState::fillRecentMenu()
{
    if (!m_recent)
        return;
    m_recent->clear();
    const QStringList files = recentFiles();
    for (int i = 0; i < files.size(); ++i) {
        // Numbered 1 to 6, so each has its own key.
        QAction* a = m_recent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(files[i])));
        a->setObjectName(QStringLiteral("mnuIDRecent%1").arg(i + 1));
        const QString file = files[i];
        connect(a, &QAction::triggered, &m_window, [this, file] { m_window.OpenID(file); });
    }
    m_recent->setEnabled(!files.isEmpty());
    m_recent->menuAction()->setEnabled(!files.isEmpty());
}

QString WindowState::shownTitle() const
{
    const QWindow* handle = m_window.windowHandle();
    return handle ? handle->title() : m_window.windowTitle();
}

void WindowState::markTitle()
{
    const auto t = m_window.currentTemplate();
    // A template that was read or written goes to the head of the list.
    if (t && !t->TemplateName().isEmpty() && t->TemplateName() != m_lastTemplate
        && QFileInfo::exists(t->TemplateName())) {
        m_lastTemplate = t->TemplateName();
        addRecentFile(m_lastTemplate);
        fillRecentMenu();
    }
    QWindow* handle = m_window.windowHandle();
    if (!handle)
        return;
    // The window's caption stays as it is; only what the window system
    // shows gets the mark.
    const bool changed = t && (t->Dirty() || !m_window.undoStack()->isClean());
    const QString title = m_window.windowTitle() + (changed ? ChangedMark : QString());
    if (handle->title() != title)
        handle->setTitle(title);
}

void WindowState::followUnits()
{
    const int unit = int(units::current());
    if (unit == m_unit)
        return;
    m_unit = unit;
    if (PropertiesPanel* panel = m_window.propertiesPanel())
        panel->refresh();
    if (DesignCanvas* canvas = m_window.canvas())
        canvas->relayout();
    const char* name = unit == int(units::Unit::Millimetres) ? "mnuViewUnitsMillimetres" : "mnuViewUnitsInches";
    if (QAction* a = m_window.menuAction(QLatin1String(name)))
        a->setChecked(true);
}

void WindowState::zoomAround(double factor, QPoint viewportPos)
{
    QScrollArea* scroll = m_window.scrollArea();
    DesignSurface* surface = m_window.picID();
    if (!scroll || !surface || !m_window.currentTemplate())
        return;
    QWidget* viewport = scroll->viewport();
    const QPointF inches = QPointF(surface->mapFrom(viewport, viewportPos)) / surface->pixelsPerInch();
    m_window.setZoom(m_window.zoom() * factor);
    const QPoint now = surface->mapTo(viewport, (inches * surface->pixelsPerInch()).toPoint());
    const QPoint shift = now - viewportPos;
    scroll->horizontalScrollBar()->setValue(scroll->horizontalScrollBar()->value() + shift.x());
    scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->value() + shift.y());
}

bool WindowState::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window) {
        switch (event->type()) {
        case QEvent::WindowTitleChange:
        case QEvent::Show:
        case QEvent::WinIdChange:
            markTitle();
            break;
        case QEvent::WindowActivate:
            followUnits();
            break;
        default:
            break;
        }
        return false;
    }
    if (event->type() == QEvent::Wheel && m_window.scrollArea() && watched == m_window.scrollArea()->viewport()) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (!(wheel->modifiers() & Qt::ControlModifier) || wheel->angleDelta().y() == 0)
            return false;
        zoomAround(wheel->angleDelta().y() > 0 ? 1.25 : 0.8, wheel->position().toPoint());
        return true;
    }
    return false;
}

} // namespace kyt
