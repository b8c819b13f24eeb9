#include "platform/OutputFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kyt
{

namespace
{

// Hidden files that a signal must remove: fixed slots, so the handler only
// reads memory that is never freed.
constexpr int Slots = 32;
char g_paths[Slots][PATH_MAX];
std::atomic<bool> g_used[Slots];
std::mutex g_slotMutex;
// Every signal whose default action ends the process (SIGKILL and SIGSTOP
// cannot be caught: a stale file that SIGKILL leaves is removed by the next
// output to the same name).
const int g_signals[]
    = { SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGUSR1, SIGUSR2, SIGALRM, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF };

extern "C" void removePartialFiles(int sig)
{
    for (int i = 0; i < Slots; ++i)
        if (g_used[i].load())
            ::unlink(g_paths[i]);
    // Then end as the signal would have ended the process.
    std::signal(sig, SIG_DFL);
    ::raise(sig);
}

void installHandlers()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (int sig : g_signals) {
            struct sigaction old {
            };
            if (::sigaction(sig, nullptr, &old) != 0 || old.sa_handler != SIG_DFL)
                continue; // the host handles it
            struct sigaction sa {
            };
            sa.sa_handler = removePartialFiles;
            sigemptyset(&sa.sa_mask);
            ::sigaction(sig, &sa, nullptr);
        }
    });
}

int registerPath(const QByteArray& path)
{
    if (path.size() >= PATH_MAX)
        return -1;
    installHandlers();
    std::lock_guard lock(g_slotMutex);
    for (int i = 0; i < Slots; ++i) {
        if (!g_used[i].load()) {
            std::memcpy(g_paths[i], path.constData(), size_t(path.size()) + 1);
            g_used[i].store(true);
            return i;
        }
    }
    return -1;
}

void unregisterPath(int slot)
{
    if (slot >= 0)
        g_used[slot].store(false);
}

// Removes the hidden files an earlier run left for the same final name
// (killed by SIGKILL, or a power cut). One that a running process still
// writes is locked by it and stays; so does one just made and not yet
// locked (it is empty and new).
void removeStaleFiles(const QString& folder, const QByteArray& base)
{
    QDir dir(folder);
    const QString prefix = QLatin1Char('.') + QFile::decodeName(base) + QLatin1Char('.');
    const QString suffix = QStringLiteral(".part");
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (name.size() != prefix.size() + 6 + suffix.size() || !name.startsWith(prefix) || !name.endsWith(suffix))
            continue;
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat st {
        };
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()
            && (st.st_size > 0 || st.st_mtime < ::time(nullptr) - 60) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.constData());
        ::close(fd);
    }
}

mode_t processUmask()
{
    // Linux shows it without changing it (another thread may create files).
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint mask = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    return mode_t(mask);
            }
        }
    }
    static std::mutex m;
    std::lock_guard lock(m);
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

QString nodeKind(mode_t mode)
{
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("kyt::OutputFile", "a named pipe (FIFO)");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("kyt::OutputFile", "a socket");
    if (S_ISCHR(mode))
        return QCoreApplication::translate("kyt::OutputFile", "a character device");
    if (S_ISBLK(mode))
        return QCoreApplication::translate("kyt::OutputFile", "a block device");
    return QCoreApplication::translate("kyt::OutputFile", "a special file");
}

} // namespace

// Writes to a file descriptor through a buffer and remembers the first
// failure's errno; nothing is hidden in a library buffer.
class OutputFile::Sink : public QIODevice
{
public:
    explicit Sink(int fd)
        : m_fd(fd)
    {
        m_buffer.reserve(Capacity);
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    ~Sink() override { closeFd(); }

    int error() const { return m_errno; }
    bool flushAll()
    {
        const char* p = m_buffer.constData();
        qint64 left = m_buffer.size();
        while (left > 0 && m_errno == 0) {
            const ssize_t n = ::write(m_fd, p, size_t(left));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                m_errno = n < 0 ? errno : EIO;
                break;
            }
            p += n;
            left -= n;
        }
        m_buffer.clear();
        return m_errno == 0;
    }
    int fd() const { return m_fd; }
    // Closes the descriptor; false (with error()) when the close failed.
    bool closeFd()
    {
        if (m_fd < 0)
            return m_errno == 0;
        if (::close(m_fd) != 0 && m_errno == 0 && errno != EINTR)
            m_errno = errno;
        m_fd = -1;
        QIODevice::close();
        return m_errno == 0;
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override
    {
        if (m_errno != 0 || m_fd < 0)
            return -1;
        m_buffer.append(data, len);
        if (m_buffer.size() >= Capacity && !flushAll())
            return -1;
        return len;
    }

private:
    static constexpr qsizetype Capacity = 256 * 1024;
    int m_fd;
    int m_errno = 0;
    QByteArray m_buffer;
};

QString OutputFile::systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

OutputFile::OutputFile(const QString& finalName)
    : m_final(finalName)
{
    const QFileInfo info(finalName);
    const QByteArray base = QFile::encodeName(info.fileName());
    const long nameMax = ::pathconf(QFile::encodeName(info.absolutePath()).constData(), _PC_NAME_MAX);
    const long limit = nameMax > 0 ? nameMax : NAME_MAX;
    if (finalName.isEmpty() || base.isEmpty()) {
        m_error = QCoreApplication::translate("kyt::OutputFile", "%1: not a file name").arg(finalName);
        return;
    }
    if (base.size() > limit) {
        m_error = QCoreApplication::translate(
            "kyt::OutputFile", "%1...: the file name is too long (%2 bytes; at most %3 here)")
                      .arg(info.fileName().left(40))
                      .arg(base.size())
                      .arg(limit);
        return;
    }
    if (QFile::encodeName(info.absoluteFilePath()).size() >= PATH_MAX) {
        m_error = QCoreApplication::translate("kyt::OutputFile", "%1...: the path is too long (at most %2 bytes)")
                      .arg(finalName.left(40))
                      .arg(PATH_MAX - 1);
        return;
    }
    if (!info.absoluteDir().exists()) {
        m_error
            = QCoreApplication::translate("kyt::OutputFile", "%1: the folder does not exist").arg(info.absolutePath());
        return;
    }
    if (info.isDir()) {
        m_error = QCoreApplication::translate("kyt::OutputFile", "%1: is a folder").arg(finalName);
        return;
    }
    // Only a regular file is replaced: renaming over a device, a pipe or a
    // socket would put a plain file where the system expects that node.
    struct stat st {
    };
    if (::stat(QFile::encodeName(finalName).constData(), &st) == 0 && !S_ISREG(st.st_mode)) {
        m_error = QCoreApplication::translate("kyt::OutputFile",
            "%1: is %2, not a regular file; an output only replaces a regular file or "
            "makes a new one")
                      .arg(finalName, nodeKind(st.st_mode));
        return;
    }
    // Written through a symbolic link: the file it names is replaced, the
    // link stays.
    if (info.isSymLink() && info.exists())
        m_target = info.canonicalFilePath();
    // The hidden name: ".NAME.XXXXXX.part", shortened when NAME is long.
    QByteArray pattern = "." + base + ".XXXXXX.part";
    if (pattern.size() > limit)
        pattern = ".kyt-output.XXXXXX.part";
    const QFileInfo target(m_target.isEmpty() ? info.absoluteFilePath() : m_target);
    if (pattern.startsWith("." + base + "."))
        removeStaleFiles(target.absolutePath(), base);
    QByteArray path = QFile::encodeName(target.absolutePath()) + '/' + pattern;
    const int fd = ::mkstemps(path.data(), 5);
    if (fd < 0) {
        m_errno = errno;
        m_error = QStringLiteral("%1: %2").arg(finalName, systemReason(errno));
        return;
    }
    // Held until the file is closed or the process ends: the next run
    // knows a live file from a stale one by it.
    ::flock(fd, LOCK_EX | LOCK_NB);
    m_temp = QFile::decodeName(path);
    m_slot = registerPath(path);
    m_file = std::make_unique<Sink>(fd);
}

QIODevice* OutputFile::device() const
{
    return m_file.get();
}

OutputFile::~OutputFile()
{
    discard();
}

void OutputFile::fail(const QString& reason)
{
    if (m_error.isEmpty())
        m_error = QStringLiteral("%1: %2").arg(m_final, reason);
    discard();
}

bool OutputFile::failed()
{
    if (!m_file)
        return true;
    if (m_file->error() != 0) {
        fail(systemReason(m_file->error()));
        return true;
    }
    return false;
}

void OutputFile::discard()
{
    m_file.reset();
    if (!m_temp.isEmpty()) {
        ::unlink(QFile::encodeName(m_temp).constData());
        m_temp.clear();
    }
    unregisterPath(m_slot);
    m_slot = -1;
}

bool OutputFile::commit()
{
    if (failed())
        return false;
    if (!m_file->flushAll()) {
        fail(systemReason(m_file->error()));
        return false;
    }
    const int fd = m_file->fd();
    if (::fsync(fd) != 0) {
        fail(systemReason(errno));
        return false;
    }
    // The mode of the file being replaced, else what a new file gets.
    struct stat st {
    };
    const QByteArray finalPath = QFile::encodeName(m_target.isEmpty() ? m_final : m_target);
    const mode_t mode = ::stat(finalPath.constData(), &st) == 0 ? (st.st_mode & 07777) : (0666 & ~processUmask());
    if (::fchmod(fd, mode) != 0) {
        fail(systemReason(errno));
        return false;
    }
    if (!m_file->closeFd()) {
        fail(systemReason(m_file->error()));
        return false;
    }
    m_file.reset();
    if (::rename(QFile::encodeName(m_temp).constData(), finalPath.constData()) != 0) {
        fail(systemReason(errno));
        return false;
    }
    m_temp.clear();
    unregisterPath(m_slot);
    m_slot = -1;
    return true;
}

} // namespace kyt
