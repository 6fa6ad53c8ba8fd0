#pragma once

// A lock file that says a running Cheqbook is using something: a register it
// has open, or a session that keeps recovery copies.
//
// The lock is a lock the system holds on the open lock file, not the file's
// being there: it goes when the program ends, however it ends, and the
// process id written in the file is only for messages. So a Cheqbook that was
// killed leaves nothing that looks held, and a new Cheqbook that happens to
// get the same process id (as in a container, where it is 1 every time) is
// never taken for the old one. A lock file left by anything else is not an
// owner either: only a lock held on it counts.
//
// A lock file that belongs to another user is never written to or removed
// (it may have been put there to mislead): it is held along with its owner,
// and named by its owner, not by what it says.
//
// Every holder holds the lock shared. Whether another holds it is asked by
// trying to take it alone; a Cheqbook that goes on after being warned joins
// the holders, so that the next one is warned too.

#include <QString>

#include <sys/types.h>

class FileLock
{
public:
    enum class Status {
        Acquired,      // no one else held it; this object holds it now
        HeldElsewhere, // another running program holds it; call join() to go on anyway
        Unusable,      // it cannot be used here; error() says why
    };

    // mode is the lock file's mode when it is made (the umask still applies).
    explicit FileLock(QString path, mode_t mode = 0644);
    // Lets go; the last holder removes the lock file.
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

    Status tryLock();
    // Holds the lock along with the others that hold it; false when not even
    // that can be had.
    bool join();
    bool isHeld() const { return m_held; }

    // Who holds it, as the last holder wrote it: "process 12 on host", or
    // empty when the file does not say; for another user's lock file, that
    // user: "user alice".
    QString holder() const;
    // Why the lock cannot be used.
    QString error() const { return m_error; }
    // Whether it could not be used because the lock file is missing and
    // could not be made (a read-only folder): then there is nothing to warn
    // about, since no other program can lock it either.
    bool couldNotBeMade() const { return m_couldNotBeMade; }

    // Whether a running program holds the lock at path (this object's own
    // lock counts as another's).
    static bool isHeldAt(const QString &path);

    QString path() const { return m_path; }

private:
    bool sameFileAsPath() const;
    void writeHolder();
    void close();

    QString m_path;
    mode_t m_mode;
    int m_fd = -1;
    bool m_held = false;
    bool m_readOnly = false;
    bool m_foreign = false; // the lock file is another user's
    bool m_couldNotBeMade = false;
    QString m_error;
};
