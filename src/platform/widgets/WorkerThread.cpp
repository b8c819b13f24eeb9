#include "platform/widgets/WorkerThread.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QList>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <condition_variable>
#include <exception>
#include <mutex>

namespace kyt
{

namespace
{

// One call: the worker reports to the waiter through it.
struct Job {
    std::mutex mutex;
    std::condition_variable answered;
    QEventLoop* waiter = nullptr; // null once nobody waits
    bool done = false;
    std::exception_ptr error;
};

// The job the current worker thread runs, for askWaitingThread.
thread_local Job* t_job = nullptr;

// The threads made, touched on the window thread only (they are deleted
// there, later, by deleteLater).
QList<QPointer<QThread>>& threads()
{
    static QList<QPointer<QThread>> all;
    return all;
}

const char* const Detached = "kytDetached";

bool waitFor(bool all, int ms)
{
    const QDeadlineTimer deadline(ms);
    bool ended = true;
    for (const QPointer<QThread>& thread : std::as_const(threads()))
        if (thread && (all || thread->property(Detached).toBool())) {
            if (all)
                thread->quit();
            ended = thread->wait(deadline) && ended;
        }
    return ended;
}

void waitAtExit()
{
    // A thread still running at exit is told to stop after its current
    // work; a query that does not end in time is left to the exit.
    waitFor(true, 5000);
}

} // namespace

WorkerThread::WorkerThread(const QString& name)
    : m_thread(new QThread)
    , m_context(new QObject)
{
    static const bool routine = (qAddPostRoutine(waitAtExit), true);
    Q_UNUSED(routine);
    m_thread->setObjectName(name);
    m_context->moveToThread(m_thread);
    QObject::connect(m_thread, &QThread::finished, m_context, &QObject::deleteLater);
    QObject::connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    threads().removeAll(nullptr);
    threads().append(m_thread);
    m_thread->start();
}

WorkerThread::~WorkerThread()
{
    // After everything queued before: the thread's own objects are gone by then.
    QThread* thread = m_thread;
    thread->setProperty(Detached, true);
    post([thread] { thread->quit(); });
}

void WorkerThread::post(std::function<void()> work)
{
    QMetaObject::invokeMethod(m_context, std::move(work), Qt::QueuedConnection);
}

void WorkerThread::run(std::function<void()> work, const Wait& wait)
{
    auto job = std::make_shared<Job>();
    QEventLoop loop;
    job->waiter = &loop;
    post([job, work = std::move(work)] {
        t_job = job.get();
        std::exception_ptr error;
        try {
            work();
        } catch (...) {
            error = std::current_exception();
        }
        t_job = nullptr;
        const std::lock_guard lock(job->mutex);
        job->done = true;
        job->error = error;
        if (job->waiter)
            QMetaObject::invokeMethod(job->waiter, &QEventLoop::quit, Qt::QueuedConnection);
    });
    const auto finished = [&job] {
        const std::lock_guard lock(job->mutex);
        return job->done;
    };

    // First a short wait that only repaints: a click meant for after the
    // work is delivered then, not in the middle of it.
    if (!finished()) {
        QTimer delay;
        delay.setSingleShot(true);
        QObject::connect(&delay, &QTimer::timeout, &loop, &QEventLoop::quit);
        delay.start(DialogDelayMs);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    bool cancelled = false;
    while (!wait.showDialog && !finished())
        loop.exec();
    if (!finished()) {
        QWidget* window = wait.window ? wait.window : QApplication::activeWindow();
        QProgressDialog dialog(wait.text, QCoreApplication::translate("kyt::WorkerThread", "Cancel"), 0, 0, window);
        dialog.setObjectName(QStringLiteral("frmWait"));
        dialog.setWindowTitle(QCoreApplication::translate("kyt::WorkerThread", "Please Wait"));
        dialog.setWindowModality(Qt::WindowModal);
        dialog.setAutoClose(false);
        dialog.setAutoReset(false);
        dialog.setMinimumDuration(0);
        const auto cancel = [&] {
            cancelled = true;
            loop.quit();
        };
        // The button, Escape, and the window's close box all cancel.
        QObject::connect(&dialog, &QProgressDialog::canceled, &loop, cancel);
        QObject::connect(&dialog, &QDialog::rejected, &loop, cancel);
        dialog.show();
        while (!cancelled && !finished())
            loop.exec();
    }

    bool done = false;
    std::exception_ptr error;
    {
        const std::lock_guard lock(job->mutex);
        job->waiter = nullptr;
        done = job->done;
        error = job->error;
    }
    // A worker waiting for an answer from here gives up.
    job->answered.notify_all();
    if (!done) {
        if (wait.onCancel)
            wait.onCancel();
        throw KytError(ErrCancelled, cancelledText());
    }
    if (error)
        std::rethrow_exception(error);
}

bool WorkerThread::askWaitingThread(const std::function<void()>& ask)
{
    Job* job = t_job;
    if (!job) {
        ask();
        return true;
    }
    std::unique_lock lock(job->mutex);
    if (!job->waiter)
        return false;
    bool answered = false;
    // Delivered to the waiter's loop; when the waiter leaves first, the loop
    // goes and the call with it, and the wait below ends without it.
    QMetaObject::invokeMethod(
        job->waiter,
        [job, &ask, &answered] {
            try {
                ask();
            } catch (...) {
                // A prompt that fails counts as no answer.
            }
            {
                const std::lock_guard inner(job->mutex);
                answered = true;
            }
            job->answered.notify_all();
        },
        Qt::QueuedConnection);
    job->answered.wait(lock, [&] { return answered || !job->waiter; });
    return answered;
}

bool WorkerThread::waitForDetached(int ms)
{
    return waitFor(false, ms);
}

QString WorkerThread::cancelledText()
{
    return QCoreApplication::translate("kyt::WorkerThread", "cancelled by the user");
}

} // namespace kyt
