#pragma once
// An output file written under a hidden name beside its final one and moved
// over it only when every byte reached the disk, so a failed or interrupted
// run never leaves a partial file under the final name nor destroys the file
// that was there.
//
// - Every write is checked: commit() flushes, syncs and closes the file and
//   fails with the system's reason ("No space left on device").
// - The result keeps the mode of the file it replaces; a new file gets the
//   usual 0666 less the process's umask.
// - Only a regular file (or a new name) is replaced; a device, a named pipe
//   or a socket under the final name is refused before anything is written.
//   Through a symbolic link, the file it names is replaced.
// - Every signal that ends a process by default (SIGINT, SIGTERM, SIGHUP,
//   SIGQUIT, SIGPIPE, SIGUSR1 ...) removes the hidden file before the
//   process ends (only where the signal still has its default action).
//   SIGKILL cannot be caught and leaves the hidden file behind; the next
//   output to the same name removes it (the hidden file is locked while
//   written, so a file another process still writes is left alone).

#include "kyt/kytcore_export.h"
#include <QIODevice>
#include <QString>
#include <memory>

namespace kyt
{

class KYTCORE_PRIVATE_EXPORT OutputFile
{
public:
    explicit OutputFile(const QString& finalName);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // False when the hidden file could not be made (errorString says why).
    bool isOpen() const { return m_file != nullptr; }
    // The open hidden file to write to; null when !isOpen(). Writes are
    // buffered; a failed one makes failed() true with the system's reason.
    QIODevice* device() const;
    const QString& finalName() const { return m_final; }
    const QString& tempName() const { return m_temp; }
    const QString& errorString() const { return m_error; }
    // The errno of a failure to make the hidden file; 0 otherwise.
    int systemError() const { return m_errno; }
    // Whether a write has failed so far (errorString then says why).
    bool failed();
    // Flushes, syncs, closes and renames over the final name; false with
    // errorString, the hidden file removed and the old final file intact.
    bool commit();
    // Removes the hidden file; the final name is not touched.
    KYTCORE_NO_EXPORT void discard();

    // The reason for the last failure of a C library call (errno).
    KYTCORE_NO_EXPORT static QString systemReason(int error);

    class Sink;

private:
    KYTCORE_NO_EXPORT void fail(const QString& reason);

    QString m_final;
    QString m_target; // what a symbolic link final name points at
    QString m_temp;
    QString m_error;
    std::unique_ptr<Sink> m_file;
    int m_slot = -1;
    int m_errno = 0;
};

} // namespace kyt
