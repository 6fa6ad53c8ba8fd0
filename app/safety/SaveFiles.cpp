#include "SaveFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace savefiles {

// Writes all of data to fd; 0, or the errno of the write that failed.
int writeAll(int fd, QByteArrayView data)
{
    const char *next = data.data();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, next, size_t(std::min<qsizetype>(left, qsizetype(1) << 30)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        next += n;
        left -= n;
    }
    return 0;
}

// A name beside target that no file has yet.
QByteArray temporaryName(const QString &target)
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const QFileInfo info(target);
    QByteArray suffix(6, 'x');
    for (char &c : suffix)
        c = kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))];
    return QFile::encodeName(info.absolutePath() + u"/."_s + info.fileName() + u'.') + suffix + ".saving";
}

// Removes the new files that earlier saves of target left under a name of
// their own when they were cut short. A writer holds a lock on its new file
// until the file has taken the target's name, so a file whose lock can be had
// is one nobody is writing.
void removeStrayTemporaries(const QString &target)
{
    const QFileInfo info(target);
    const QString prefix = u"."_s + info.fileName() + u'.';
    const QStringList names =
        QDir(info.absolutePath()).entryList({prefix + u"??????.saving"_s}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        const QByteArray path = QFile::encodeName(info.absolutePath() + u'/' + name);
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.constData());
        ::close(fd);
    }
}



// A copy of from at to, with mode; false (and nothing at to) when it fails.
bool copyFile(const QByteArray &from, const QByteArray &to, mode_t mode)
{
    const int in = ::open(from.constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    const int out = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    bool ok = out >= 0 && ::fchmod(out, mode) == 0;
    char buffer[1 << 16];
    while (ok) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        ok = writeAll(out, QByteArrayView(buffer, n)) == 0;
    }
    ok = ok && ::fsync(out) == 0;
    if (out >= 0)
        ok = ::close(out) == 0 && ok;
    ::close(in);
    if (!ok && out >= 0)
        ::unlink(to.constData());
    return ok;
}

// Makes staged a second name of the file target (a hard link: no copy, and
// no moment without either), or a copy where links are not to be had.
bool stageBackup(const QByteArray &target, const QByteArray &staged, mode_t mode)
{
    // A half-made backup left by a save that was interrupted.
    ::unlink(staged.constData());
    return ::link(target.constData(), staged.constData()) == 0 || copyFile(target, staged, mode);
}

} // namespace savefiles
