// Undo and redo: one command per edit, captured before and after.

#include "designer/DesignCommands.h"

#include "template/CPrintTemplate.h"
#include <QUndoStack>

namespace kyt
{

IDesignHistoryHost::~IDesignHistoryHost() = default;

DesignCommand::DesignCommand(IDesignHistoryHost& host, const QString& text, DesignSnapshot before, DesignSnapshot after,
    int mergeId, QString mergeKey)
    : m_host(host)
    , m_before(std::move(before))
    , m_after(std::move(after))
    , m_mergeKey(std::move(mergeKey))
    , m_mergeId(mergeId)
{
    setText(text);
}

void DesignCommand::undo()
{
    m_host.restoreDesign(m_before);
    m_applied = false;
}

void DesignCommand::redo()
{
    if (m_applied)
        return;
    m_host.restoreDesign(m_after);
    m_applied = true;
}

bool DesignCommand::mergeWith(const QUndoCommand* other)
{
    const auto* o = dynamic_cast<const DesignCommand*>(other);
    if (!o || o->id() != id() || id() < 0 || o->m_mergeKey != m_mergeKey)
        return false;
    m_after = o->m_after;
    // Moves that come back to where they started cancel out.
    if (m_after.sameDesign(m_before))
        setObsolete(true);
    return true;
}

namespace
{
// Edits open at the moment, per stack; an inner edit joins the outer one.
QList<QUndoStack*>& openEdits()
{
    static QList<QUndoStack*> open;
    return open;
}
} // namespace

DesignEdit::DesignEdit(QUndoStack* stack, IDesignHistoryHost& host, const QString& text, int mergeId, QString mergeKey)
    : m_stack(stack)
    , m_host(host)
    , m_text(text)
    , m_mergeId(mergeId)
    , m_mergeKey(std::move(mergeKey))
{
    m_outer = m_stack && !openEdits().contains(m_stack);
    if (!m_outer) {
        m_done = true;
        return;
    }
    openEdits().append(m_stack);
    m_before = m_host.captureDesign();
}

DesignEdit::~DesignEdit()
{
    if (!m_done)
        commit();
    else if (m_outer)
        openEdits().removeOne(m_stack);
}

bool DesignEdit::commit()
{
    if (m_done)
        return false;
    m_done = true;
    openEdits().removeOne(m_stack);
    DesignSnapshot after = m_host.captureDesign();
    if (after.sameDesign(m_before))
        return false;
    m_stack->push(new DesignCommand(m_host, m_text, std::move(m_before), std::move(after), m_mergeId, m_mergeKey));
    return true;
}

void connectChangedFlag(QUndoStack& stack, std::function<CPrintTemplate*()> currentTemplate, QObject* context)
{
    QObject* receiver = context ? context : &stack;
    // Any step marks the template as the stack stands: clean is the saved
    // (or just opened) state.
    QObject::connect(&stack, &QUndoStack::indexChanged, receiver, [&stack, currentTemplate](int) {
        if (CPrintTemplate* t = currentTemplate())
            t->setDataChanged(!stack.isClean());
    });
    QObject::connect(&stack, &QUndoStack::cleanChanged, receiver, [currentTemplate](bool clean) {
        if (CPrintTemplate* t = currentTemplate())
            t->setDataChanged(!clean);
    });
}

} // namespace kyt
