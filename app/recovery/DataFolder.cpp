#include "DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

// Moves what from holds into to, a folder at a time where to has one of the
// same name; names that are in both as files stay in from.
QStringList moveInto(const QString &from, const QString &to)
{
    QStringList left;
    const QDir source(from);
    for (const QString &name : source.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QString oldPath = source.filePath(name);
        const QString newPath = QDir(to).filePath(name);
        struct stat existing {};
        if (::lstat(QFile::encodeName(newPath).constData(), &existing) != 0) {
            if (::rename(QFile::encodeName(oldPath).constData(), QFile::encodeName(newPath).constData()) != 0)
                left << u"%1 (%2)"_s.arg(oldPath, systemError());
            continue;
        }
        struct stat old {};
        if (S_ISDIR(existing.st_mode) && ::lstat(QFile::encodeName(oldPath).constData(), &old) == 0
            && S_ISDIR(old.st_mode)) {
            left << moveInto(oldPath, newPath);
            ::rmdir(QFile::encodeName(oldPath).constData());
        } else {
            left << oldPath;
        }
    }
    return left;
}

} // namespace

bool makePrivateFolder(const QString &path, QString *error)
{
    if (!QDir().mkpath(path) || ::chmod(QFile::encodeName(path).constData(), 0700) != 0) {
        *error = QCoreApplication::translate("RecoveryStore", "the folder %1 cannot be made private: %2")
                     .arg(path, systemError());
        return false;
    }
    return true;
}

QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Cheqbook"_s;
}

QString moveOldDataFolder()
{
    const QString folder = dataFolder();
    const QString old = folder + u"/Cheqbook"_s;
    struct stat status {};
    if (::lstat(QFile::encodeName(old).constData(), &status) != 0 || !S_ISDIR(status.st_mode))
        return {};
    const QStringList left = moveInto(old, folder);
    ::rmdir(QFile::encodeName(old).constData());
    if (left.isEmpty())
        return {};
    return QCoreApplication::translate("DataFolder",
                                       "Cheqbook now keeps its data in %1. These were left in %2, since the new "
                                       "folder holds the same names: %3")
        .arg(folder, old, left.join(u", "_s));
}

void keepSettingsPrivate()
{
    const QString path = QSettings().fileName();
    QDir().mkpath(QFileInfo(path).path());
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                          0600);
    if (fd < 0)
        return;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_uid == ::geteuid())
        ::fchmod(fd, 0600);
    ::close(fd);
}
