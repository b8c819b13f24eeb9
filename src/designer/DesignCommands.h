#pragma once
// Undo and redo for the designer. Every editing command (placing, moving,
// resizing, deleting, each property command, text edits, drawing order) is
// one entry on the window's undo stack: the design surface is captured
// before and after the command, and undo and redo put the captured state
// back. A card holds few objects and pictures share their pixels, so whole
// captures stay small and a command never has to know how to reverse
// itself.

#include "kyt/kytwidgets_export.h"
#include <QList>
#include <QString>
#include <QUndoCommand>
#include <QVariantMap>
#include <functional>

class QUndoStack;

namespace kyt
{

class CPrintTemplate;

// One design control: its array ("Text", "Data", ...), its index and every
// property the template is rebuilt from.
struct KYTWIDGETS_PRIVATE_EXPORT ControlSnapshot {
    QString name;
    int index = 0;
    QVariantMap properties;
    bool operator==(const ControlSnapshot&) const = default;
};

// The design surface: its visible controls from the bottom of the drawing
// order up, and the selection ("Pointer" when none).
struct KYTWIDGETS_PRIVATE_EXPORT DesignSnapshot {
    QList<ControlSnapshot> controls;
    QString selectedName = QStringLiteral("Pointer");
    int selectedIndex = 0;
    // The card's own properties (size, sides, background...); empty
    // without a card.
    QVariantMap card;
    // Same controls and card; the selection does not count as a change.
    bool sameDesign(const DesignSnapshot& other) const { return controls == other.controls && card == other.card; }
};

// What the commands work on: the designer window captures and restores its
// surface.
class KYTWIDGETS_PRIVATE_EXPORT IDesignHistoryHost
{
public:
    virtual ~IDesignHistoryHost();
    virtual DesignSnapshot captureDesign() const = 0;
    virtual void restoreDesign(const DesignSnapshot& snapshot) = 0;
};

// One editing command. The first redo (the push) does nothing, as the
// command has already been carried out on the surface.
class KYTWIDGETS_PRIVATE_EXPORT DesignCommand : public QUndoCommand
{
public:
    // Commands with the same merge id and merge key in a row become one
    // (arrow-key moves of one object); -1 never merges.
    DesignCommand(IDesignHistoryHost& host, const QString& text, DesignSnapshot before, DesignSnapshot after,
        int mergeId = -1, QString mergeKey = QString());
    void undo() override;
    void redo() override;
    int id() const override { return m_mergeId; }
    bool mergeWith(const QUndoCommand* other) override;

    const DesignSnapshot& before() const { return m_before; }
    const DesignSnapshot& after() const { return m_after; }

private:
    IDesignHistoryHost& m_host;
    DesignSnapshot m_before;
    DesignSnapshot m_after;
    QString m_mergeKey;
    int m_mergeId;
    bool m_applied = true;
};

// Merge ids.
inline constexpr int NudgeMergeId = 1;
inline constexpr int KeyResizeMergeId = 2;

// Brackets one editing command: captures the surface when created and, on
// commit (or destruction), pushes a command when the surface changed. A
// command inside another one's brackets joins the outer one.
class KYTWIDGETS_PRIVATE_EXPORT DesignEdit
{
public:
    DesignEdit(QUndoStack* stack, IDesignHistoryHost& host, const QString& text, int mergeId = -1,
        QString mergeKey = QString());
    ~DesignEdit();
    DesignEdit(const DesignEdit&) = delete;
    DesignEdit& operator=(const DesignEdit&) = delete;
    // Pushes the command now; true when the surface changed.
    bool commit();
    // Forgets the command (the surface keeps what was done).
    void cancel() { m_done = true; }

private:
    QUndoStack* m_stack;
    IDesignHistoryHost& m_host;
    QString m_text;
    int m_mergeId;
    QString m_mergeKey;
    DesignSnapshot m_before;
    bool m_done = false;
    bool m_outer = false;
};

// Keeps a template's changed flag in step with the stack: back at the clean
// (saved or just opened) state the template has no unsaved changes.
// The connections end with context (the stack when null).
KYTWIDGETS_PRIVATE_EXPORT void connectChangedFlag(
    QUndoStack& stack, std::function<CPrintTemplate*()> currentTemplate, QObject* context = nullptr);

} // namespace kyt
