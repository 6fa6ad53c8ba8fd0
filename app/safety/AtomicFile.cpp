#include "AtomicFile.h"

#include "FileIdentity.h"
#include "SaveFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace savefiles;

namespace {

enum class Mode { Usual, Private };

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// The descriptor of this process that a path names (/dev/stdout,
// /dev/fd/3, /proc/self/fd/1), or -1. Writing there goes to the descriptor
// as it is open, appending where the shell opened it to append.
int descriptorNamedBy(const QString &path)
{
    static const QRegularExpression named(uR"(^/(?:dev/fd|proc/self/fd|proc/(\d+)/fd)/(\d+)$)"_s);
    static const QRegularExpression standard(uR"(^/dev/std(in|out|err)$)"_s);
    QString current = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    for (int hops = 0; hops < 40; ++hops) {
        int fd = -1;
        if (const QRegularExpressionMatch m = standard.match(current); m.hasMatch()) {
            fd = m.captured(1) == u"in" ? 0 : m.captured(1) == u"out" ? 1 : 2;
        } else if (const QRegularExpressionMatch m = named.match(current); m.hasMatch()) {
            if (m.hasCaptured(1) && m.captured(1).toLongLong() != ::getpid())
                return -1;
            fd = m.captured(2).toInt();
        }
        if (fd >= 0)
            return ::fcntl(fd, F_GETFD) != -1 ? fd : -1;
        const QFileInfo info(current);
        if (!info.isSymLink())
            return -1;
        current = info.symLinkTarget();
    }
    return -1;
}

// Why a file that belongs to owner and group cannot be replaced by one that
// keeps them: the new file would be the writer's, and its owner could be
// shut out of it.
QString ownershipRefusal(const struct stat &old)
{
    if (old.st_uid != ::geteuid())
        return QCoreApplication::translate(
                   "AtomicFile",
                   "it belongs to the user %1, and a new version saved by you would belong to you; ask %1 to save "
                   "it, or save your changes under another name")
            .arg(userName(old.st_uid));
    return QCoreApplication::translate(
               "AtomicFile",
               "it belongs to the group %1, which you are not a member of, and a new version saved by you would "
               "not; save your changes under another name")
        .arg(groupName(old.st_gid));
}

bool inGroup(gid_t gid)
{
    if (gid == ::getegid())
        return true;
    gid_t groups[NGROUPS_MAX];
    const int n = ::getgroups(NGROUPS_MAX, groups);
    return std::find(groups, groups + std::max(n, 0), gid) != groups + std::max(n, 0);
}

// Why the existing file at native (whose status is old) is not to be
// replaced by this user; empty when it may be.
QString replaceRefusal(const QByteArray &native, const struct stat &old)
{
    if (::faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) != 0 && errno == EACCES)
        return QCoreApplication::translate("AtomicFile", "it is read-only");
    if (::geteuid() != 0 && (old.st_uid != ::geteuid() || !inGroup(old.st_gid)))
        return ownershipRefusal(old);
    return {};
}

QString failure(const QString &name, const QString &why)
{
    return QCoreApplication::translate("AtomicFile", "%1 could not be written: %2").arg(name, why);
}

// Writes what produce puts to fd; 0, or the errno of the write that failed
// (ECANCELED when produce gave up).
int writeProduced(int fd, const FileProducer &produce)
{
    int error = 0;
    const bool complete = produce([&](QByteArrayView chunk) {
        error = writeAll(fd, chunk);
        return error == 0;
    });
    return error != 0 ? error : complete ? 0 : ECANCELED;
}

// An output that is not a regular file: a device, a pipe, a terminal.
QString writeDirectly(const QString &name, const QByteArray &native, bool isPipe, const FileProducer &data)
{
    // Without a program reading, a pipe would hold the writer until one came.
    const int fd = ::open(native.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failure(name,
                       errno == ENXIO && isPipe
                           ? QCoreApplication::translate("AtomicFile", "no program is reading from the pipe")
                           : systemError(errno));
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    const int error = writeProduced(fd, data);
    const bool closed = ::close(fd) == 0 || errno == EINTR;
    if (error != 0 || !closed)
        return failure(name, systemError(error != 0 ? error : errno));
    return {};
}

QString writeToDescriptor(const QString &name, int descriptor, const FileProducer &data)
{
    const int fd = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
    if (fd < 0)
        return failure(name, systemError(errno));
    const int error = writeProduced(fd, data);
    ::close(fd);
    return error != 0 ? failure(name, systemError(error)) : QString();
}


QString write(const QString &path, const FileProducer &data, bool backup, Mode mode)
{
    const QString name = QFileInfo(path).fileName();
    if (const int fd = descriptorNamedBy(path); fd >= 0)
        return writeToDescriptor(name, fd, data);

    const QString target = resolvedPath(path);
    const QByteArray native = QFile::encodeName(target);
    struct stat old {};
    const bool exists = ::stat(native.constData(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return failure(name, QCoreApplication::translate("AtomicFile", "it is a folder, not a file"));
    if (exists && !S_ISREG(old.st_mode))
        return writeDirectly(name, native, S_ISFIFO(old.st_mode), data);

    // Replacing a file the user may not change would change it all the same.
    if (exists)
        if (const QString why = replaceRefusal(native, old); !why.isEmpty())
            return failure(name, why);

    removeStrayTemporaries(target);
    Temporary temporary(target, mode == Mode::Usual && !exists ? 0666 : 0600);
    const int fd = temporary.fd();
    if (fd < 0)
        return failure(name, systemError(errno));
    int error = 0;
    if (mode == Mode::Private)
        error = ::fchmod(fd, 0600) == 0 ? 0 : errno;
    else if (exists)
        error = ::fchmod(fd, old.st_mode & 0777) == 0 ? 0 : errno;
    // The new file keeps the old one's owner and group (root writing a
    // user's register leaves it the user's; a member of a shared register's
    // group keeps it the group's), or it does not replace it.
    if (exists && error == 0 && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())
        && ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return failure(name, ownershipRefusal(old));
    if (error == 0)
        error = writeProduced(fd, data);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    QByteArray written;
    if (error == 0)
        error = temporary.finish(&written);
    if (error != 0)
        return failure(name, systemError(error));

    // The backup is staged under a name of its own and takes the backup's
    // name only once the new file is in place, so that the file and its
    // backup are never one file, whenever the save is cut short.
    const QByteArray backupName = QFile::encodeName(backupPath(target));
    const QByteArray staged = backupName + ".new";
    const bool staging = backup && exists && stageBackup(native, staged, old.st_mode & 0777);
    if (::rename(written.constData(), native.constData()) != 0) {
        error = errno;
        if (staging)
            ::unlink(staged.constData());
        return failure(name, systemError(error));
    }
    temporary.release();
    // Renaming one name of a file over another of the same file does
    // nothing, as it does when an interrupted save left the file and its
    // backup one file; the staged name then goes.
    if (staging && ::rename(staged.constData(), backupName.constData()) == 0)
        ::unlink(staged.constData());
    // The new name lasts through a power cut only once the folder is on disk.
    if (const int folder = ::open(QFile::encodeName(QFileInfo(target).absolutePath()).constData(),
                                  O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return {};
}

} // namespace

QString backupPath(const QString &path) { return path + u'~'; }

QString replaceRefusal(const QString &path)
{
    const QByteArray native = QFile::encodeName(resolvedPath(path));
    struct stat old {};
    if (::stat(native.constData(), &old) != 0 || !S_ISREG(old.st_mode))
        return {};
    return replaceRefusal(native, old);
}

namespace {
FileProducer bytesOf(const QByteArray &data)
{
    return [&data](const ChunkWriter &put) { return put(data); };
}
} // namespace

QString writeFileAtomically(const QString &path, const QByteArray &data)
{
    return write(path, bytesOf(data), false, Mode::Usual);
}

QString writeFileAtomically(const QString &path, const FileProducer &produce)
{
    return write(path, produce, false, Mode::Usual);
}

QString writeFileAtomicallyWithBackup(const QString &path, const QByteArray &data)
{
    return write(path, bytesOf(data), true, Mode::Usual);
}

QString writeFileAtomicallyWithBackup(const QString &path, const FileProducer &produce)
{
    return write(path, produce, true, Mode::Usual);
}

QString writePrivateFileAtomically(const QString &path, const QByteArray &data)
{
    return write(path, bytesOf(data), false, Mode::Private);
}

QString writePrivateFileAtomically(const QString &path, const FileProducer &produce)
{
    return write(path, produce, false, Mode::Private);
}
