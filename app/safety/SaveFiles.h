#pragma once

// The new file a save writes beside the file it replaces, and the backup's
// second name: the pieces of an atomic save that touch the file system.

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/types.h>
#include <unistd.h>

namespace savefiles {

// Writes all of data to fd; 0, or the errno of the write that failed.
int writeAll(int fd, QByteArrayView data);
// A name beside target that no file has yet.
QByteArray temporaryName(const QString &target);
// Removes the new files that earlier saves of target left under a name of
// their own when they were cut short.
void removeStrayTemporaries(const QString &target);
// A copy of from at to, with mode; false (and nothing at to) when it fails.
bool copyFile(const QByteArray &from, const QByteArray &to, mode_t mode);
// Makes staged a second name of the file target (a hard link: no copy, and
// no moment without either), or a copy where links are not to be had.
bool stageBackup(const QByteArray &target, const QByteArray &staged, mode_t mode);

// The new file being written beside the one it replaces. Where the file
// system allows, it has no name until it is whole, so that a writer killed
// midway leaves nothing behind; elsewhere it has a name of its own. Either
// way it is named before it is renamed over the target, and is locked until
// then, so that what a writer killed in between leaves is known as left.
class Temporary
{
public:
    Temporary(const QString &target, mode_t mode) : m_target(target)
    {
        const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
        m_fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        if (m_fd >= 0 && ::access("/proc/self/fd", X_OK) == 0) {
            ::flock(m_fd, LOCK_EX);
            return;
        }
        if (m_fd >= 0)
            ::close(m_fd);
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_name = temporaryName(target);
            m_fd = ::open(m_name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
            if (m_fd >= 0)
                ::flock(m_fd, LOCK_EX);
            if (m_fd >= 0 || errno != EEXIST)
                return;
        }
    }
    ~Temporary()
    {
        if (!m_name.isEmpty())
            ::unlink(m_name.constData());
        if (m_lock >= 0)
            ::close(m_lock);
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int fd() const { return m_fd; }
    // Closes the file and gives it a name, to be renamed over the target; 0,
    // or the errno of what failed.
    int finish(QByteArray *name)
    {
        if (m_name.isEmpty()) {
            const QByteArray self = "/proc/self/fd/" + QByteArray::number(m_fd);
            for (int attempt = 0; attempt < 100 && m_name.isEmpty(); ++attempt) {
                const QByteArray candidate = temporaryName(m_target);
                if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, candidate.constData(), AT_SYMLINK_FOLLOW) == 0)
                    m_name = candidate;
                else if (errno != EEXIST)
                    return errno;
            }
        }
        // The lock lives on with the file's description, held by a second
        // descriptor until the file is in place: closing the one written
        // through is what tells of a failed write.
        m_lock = ::fcntl(m_fd, F_DUPFD_CLOEXEC, 0);
        const int fd = std::exchange(m_fd, -1);
        if (::close(fd) != 0 && errno != EINTR)
            return errno;
        *name = m_name;
        return 0;
    }
    // The name is the caller's now (renamed away, or to be removed); the
    // lock goes.
    void release()
    {
        m_name.clear();
        if (m_lock >= 0)
            ::close(std::exchange(m_lock, -1));
    }

private:
    QString m_target;
    int m_fd = -1;
    int m_lock = -1;
    QByteArray m_name;
};
} // namespace savefiles
