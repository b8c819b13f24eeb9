#pragma once
// What the designer window keeps of itself besides the document: its
// placement between sessions, the recently used templates, the mark in the
// title while there are unsaved changes, and zooming with Ctrl and the
// mouse wheel around the pointer.

#include "kyt/kytwidgets_export.h"
#include <QObject>
#include <QPointer>
#include <QStringList>

class QMenu;

namespace kyt
{

class frmPreview;

class KYTWIDGETS_PRIVATE_EXPORT WindowState : public QObject
{
    Q_OBJECT

public:
    // Templates remembered in the Recent Templates menu.
    static constexpr int MaxRecent = 6;
    // What the title gets while the template has unsaved changes.
    static inline const QString ChangedMark = QStringLiteral(" *");

    WindowState(frmPreview& window, QMenu* recentMenu);

    // Most recent first; files that no longer exist are left out.
    static QStringList recentFiles();
    // Puts a file at the head of the list.
    static void addRecentFile(const QString& fileName);

    // The window's title as the window system shows it.
    QString shownTitle() const;
    // Zooms by a factor keeping the card's point under `viewportPos` in place.
    void zoomAround(double factor, QPoint viewportPos);

    // Maximised state kept beside the placement.
    static bool storedMaximized();
    static void storeMaximized(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillRecentMenu();
    void markTitle();
    // After the Options dialog: the unit chosen there shows everywhere.
    void followUnits();

    frmPreview& m_window;
    QPointer<QMenu> m_recent;
    QString m_lastTemplate;
    int m_unit = -1;
};

} // namespace kyt
