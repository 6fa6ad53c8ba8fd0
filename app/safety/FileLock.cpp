#include "FileLock.h"

#include "FileIdentity.h"

#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr char kMagic[] = "Cheqbook lock\n";

// Open-file-description locks: held by the open lock file, not by the
// process, so that two locks of one program are told apart and closing
// another descriptor of the file lets nothing go.
bool lockRange(int fd, short type, int command = F_OFD_SETLK)
{
    struct flock range {};
    range.l_type = type;
    range.l_whence = SEEK_SET;
    return ::fcntl(fd, command, &range) == 0;
}

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

} // namespace

FileLock::FileLock(QString path, mode_t mode) : m_path(std::move(path)), m_mode(mode) {}

FileLock::~FileLock()
{
    // The last holder can take the lock alone, and removes the file while it
    // does, so that no one is left holding a file no longer there.
    if (m_held && !m_readOnly && !m_foreign && lockRange(m_fd, F_WRLCK) && sameFileAsPath())
        ::unlink(QFile::encodeName(m_path).constData());
    close();
}

void FileLock::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_held = false;
}

bool FileLock::sameFileAsPath() const
{
    struct stat held {};
    struct stat named {};
    return ::fstat(m_fd, &held) == 0 && ::lstat(QFile::encodeName(m_path).constData(), &named) == 0
        && held.st_dev == named.st_dev && held.st_ino == named.st_ino;
}

FileLock::Status FileLock::tryLock()
{
    const QByteArray native = QFile::encodeName(m_path);
    // A holder that was just letting go may have removed the file this one
    // opened: then it is opened again.
    for (int attempt = 0; attempt < 20; ++attempt) {
        close();
        m_readOnly = false;
        m_couldNotBeMade = false;
        m_fd = ::open(native.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, m_mode);
        if (m_fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS)) {
            const int why = errno;
            m_fd = ::open(native.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
            m_readOnly = m_fd >= 0;
            if (m_fd < 0) {
                m_couldNotBeMade = errno == ENOENT;
                errno = why;
            }
        }
        if (m_fd < 0) {
            m_error = systemError(errno);
            return Status::Unusable;
        }
        struct stat status {};
        if (::fstat(m_fd, &status) != 0 || !S_ISREG(status.st_mode)) {
            close();
            m_error = QCoreApplication::translate("FileLock", "it is not a regular file");
            return Status::Unusable;
        }
        // Another user's lock file is that user's: it is never written to or
        // removed, whatever it says, only held along with them.
        m_foreign = status.st_uid != ::geteuid();
        if (m_readOnly || m_foreign) {
            // Who may only read the lock file may only ask.
            struct flock probe {};
            probe.l_type = F_WRLCK;
            probe.l_whence = SEEK_SET;
            if (::fcntl(m_fd, F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK)
                return Status::HeldElsewhere;
            if (!lockRange(m_fd, F_RDLCK)) {
                m_error = systemError(errno);
                close();
                return Status::Unusable;
            }
        } else if (!lockRange(m_fd, F_WRLCK)) {
            if (errno == EAGAIN || errno == EACCES)
                return Status::HeldElsewhere;
            m_error = systemError(errno);
            close();
            return Status::Unusable;
        }
        if (!sameFileAsPath())
            continue;
        m_held = true;
        if (!m_readOnly && !m_foreign) {
            // A lock file an older Cheqbook made may show more than it should.
            if (status.st_uid == ::geteuid())
                ::fchmod(m_fd, status.st_mode & m_mode & 0777);
            writeHolder();
            lockRange(m_fd, F_RDLCK); // shared from now on; the change is atomic
        }
        return Status::Acquired;
    }
    m_error = QCoreApplication::translate("FileLock", "it keeps being replaced");
    close();
    return Status::Unusable;
}

bool FileLock::join()
{
    if (m_fd < 0)
        return tryLock() == Status::Acquired;
    // Another program may hold it alone for a moment, while it starts.
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (lockRange(m_fd, F_RDLCK)) {
            if (!sameFileAsPath())
                return tryLock() == Status::Acquired || (m_fd >= 0 && join());
            m_held = true;
            if (!m_readOnly && !m_foreign)
                writeHolder();
            return true;
        }
        if (errno != EAGAIN && errno != EACCES)
            break;
        ::usleep(10000);
    }
    m_error = systemError(errno);
    return false;
}

void FileLock::writeHolder()
{
    // What is written only names the holder in messages; a file size limit
    // that stops it stops nothing else.
    const QByteArray text = kMagic + QByteArray::number(qint64(::getpid())) + '\n'
        + QSysInfo::machineHostName().toUtf8() + '\n';
    if (::ftruncate(m_fd, 0) == 0)
        (void)!::pwrite(m_fd, text.constData(), size_t(text.size()), 0);
}

QString FileLock::holder() const
{
    int fd = m_fd;
    if (fd < 0)
        fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    char buffer[512];
    const ssize_t n = fd >= 0 ? ::pread(fd, buffer, sizeof buffer, 0) : -1;
    struct stat status {};
    const bool foreign = fd >= 0 && ::fstat(fd, &status) == 0 && status.st_uid != ::geteuid();
    if (fd != m_fd && fd >= 0)
        ::close(fd);
    // What another user's file says is that user's to say: only who owns it
    // is known.
    if (foreign)
        return QCoreApplication::translate("FileLock", "user %1").arg(userName(status.st_uid));
    const QList<QByteArray> lines = n > 0 ? QByteArray(buffer, n).split('\n') : QList<QByteArray>();
    if (lines.size() < 3 || lines[0] + '\n' != kMagic)
        return {};
    bool number = false;
    const qint64 pid = lines[1].toLongLong(&number);
    if (!number || pid <= 0)
        return {};
    return QCoreApplication::translate("FileLock", "process %1 on %2").arg(pid).arg(QString::fromUtf8(lines[2]));
}

bool FileLock::isHeldAt(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct flock probe {};
    probe.l_type = F_WRLCK;
    probe.l_whence = SEEK_SET;
    const bool held = ::fcntl(fd, F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
    ::close(fd);
    return held;
}
