#pragma once
// Work that may take long (a query on a slow server, a heavy SELECT) runs
// on a thread of its own while the window's thread waits in a local event
// loop: the window keeps repainting. After a moment a window-modal
// progress dialog with a Cancel button keeps the person from editing
// meanwhile; Cancel ends the wait at once and the work, left running, is
// discarded when it ends.
//
// A WorkerThread is made, used and destroyed on the window's thread. Work
// posted to it runs in order on its thread, so an object made by its work
// (a database connection) stays on that thread for its whole life.

#include "errors/CError.h"
#include "kyt/kytwidgets_export.h"
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QObject;
class QThread;
class QWidget;

namespace kyt
{

// The error number of work the person cancelled.
inline constexpr qint32 ErrCancelled = 3002;

class KYTWIDGETS_PRIVATE_EXPORT WorkerThread
{
public:
    // How the window thread waits.
    struct Wait {
        QString text; // what the progress dialog says
        QWidget* window = nullptr; // the dialog's window; none: the active one
        // Called on the window thread when the wait is cancelled (to stop a
        // running query early).
        std::function<void()> onCancel;
        // False when the caller shows its own window-modal progress (and
        // stops the work itself): no dialog, no cancel here.
        bool showDialog = true;
    };

    // How long the window waits before the progress dialog shows.
    static constexpr int DialogDelayMs = 400;

    explicit WorkerThread(const QString& name);
    // Detaches: work queued or running finishes on the thread, which then
    // ends and deletes itself. Nothing waits for it here, so a query that
    // runs on never holds up the window; the program's exit waits for such
    // threads a bounded time.
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Runs work on the thread and waits for it as above. Rethrows what the
    // work threw; throws KytError(ErrCancelled) when the person cancelled
    // (the work then runs on and what it leaves must be its own: capture
    // by value).
    void run(std::function<void()> work, const Wait& wait);
    template <class T> T call(std::function<T()> work, const Wait& wait)
    {
        auto result = std::make_shared<std::optional<T>>();
        run([result, work = std::move(work)] { result->emplace(work()); }, wait);
        return std::move(**result);
    }
    // Queues work without waiting for it.
    void post(std::function<void()> work);

    // From inside work: runs `ask` on the waiting thread (a dialog belongs
    // there) and waits for it. False, with `ask` not run, when nobody waits
    // any more (the call was cancelled). Outside work, runs `ask` directly.
    static bool askWaitingThread(const std::function<void()>& ask);

    // Waits at most `ms` in all for the threads whose WorkerThread is gone
    // to end; true when all did.
    static bool waitForDetached(int ms);

    // The text of the cancelled error.
    static QString cancelledText();

private:
    QThread* m_thread;
    QObject* m_context; // lives on m_thread: queued work is delivered to it
};

} // namespace kyt
