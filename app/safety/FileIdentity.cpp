#include "FileIdentity.h"

#include "InputFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <string_view>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

qint64 nanoseconds(const timespec &t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; }

bool statOf(const QString &path, struct stat *status)
{
    return ::stat(QFile::encodeName(path).constData(), status) == 0;
}

} // namespace

QString userName(uid_t uid)
{
    struct passwd entry {};
    struct passwd *found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(uid, &entry, buffer, sizeof buffer, &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return QString::number(uid);
}

QString groupName(gid_t gid)
{
    struct group entry {};
    struct group *found = nullptr;
    char buffer[4096];
    if (::getgrgid_r(gid, &entry, buffer, sizeof buffer, &found) == 0 && found)
        return QString::fromLocal8Bit(found->gr_name);
    return QString::number(gid);
}

QString resolvedPath(const QString &path)
{
    QString current = QFileInfo(path).absoluteFilePath();
    // Links are followed one at a time, so that a link to a file not yet
    // there still names where that file is to be.
    for (int hops = 0; hops < 40; ++hops) {
        const QString canonical = QFileInfo(current).canonicalFilePath();
        if (!canonical.isEmpty())
            return canonical;
        const QFileInfo info(current);
        if (!info.isSymLink())
            break;
        current = info.symLinkTarget();
    }
    const QFileInfo info(current);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : QDir(folder).filePath(info.fileName());
}

bool isSameFile(const QString &a, const QString &b)
{
    struct stat first {};
    struct stat second {};
    if (statOf(a, &first) && statOf(b, &second))
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    return resolvedPath(a) == resolvedPath(b);
}

quint64 contentHash(QByteArrayView bytes)
{
    return std::hash<std::string_view>{}(std::string_view(bytes.data(), size_t(bytes.size())));
}

FileStamp FileStamp::of(const struct stat &status, quint64 hash)
{
    FileStamp s;
    s.exists = true;
    s.device = quint64(status.st_dev);
    s.inode = quint64(status.st_ino);
    s.size = qint64(status.st_size);
    s.modifiedNs = nanoseconds(status.st_mtim);
    s.statusChangedNs = nanoseconds(status.st_ctim);
    s.hash = hash;
    return s;
}

FileStamp FileStamp::of(const QString &path, quint64 hash)
{
    struct stat status {};
    return statOf(path, &status) ? of(status, hash) : FileStamp();
}

FileStamp FileStamp::read(const QString &path)
{
    InputFile file(path, InputFile::Access::Map);
    if (!file.ok())
        return {};
    const quint64 hash = contentHash(file.bytes());
    return file.finish() ? of(file.status(), hash) : FileStamp();
}

bool FileStamp::changedOnDisk(const QString &path) const
{
    struct stat now {};
    if (!statOf(path, &now))
        return exists;
    if (!exists || qint64(now.st_size) != size || nanoseconds(now.st_mtim) != modifiedNs)
        return true;
    // Every write moves the status change time, which no program can set
    // back; when it and the inode are as they were, the bytes are too.
    if (quint64(now.st_dev) == device && quint64(now.st_ino) == inode && nanoseconds(now.st_ctim) == statusChangedNs)
        return false;
    InputFile file(path, InputFile::Access::Map);
    if (!file.ok())
        return true;
    const quint64 hashNow = contentHash(file.bytes());
    return !file.finish() || hashNow != hash;
}

QString FileStamp::toText() const
{
    if (!exists)
        return u"none"_s;
    return u"%1 %2 %3 %4 %5 %6"_s.arg(device).arg(inode).arg(size).arg(modifiedNs).arg(statusChangedNs).arg(
        QString::number(hash, 16));
}

std::optional<FileStamp> FileStamp::fromText(QStringView text)
{
    if (text.trimmed() == u"none")
        return FileStamp();
    const QList<QStringView> parts = text.trimmed().split(u' ');
    if (parts.size() != 6)
        return std::nullopt;
    FileStamp s;
    bool ok[6] = {};
    s.exists = true;
    s.device = parts[0].toULongLong(&ok[0]);
    s.inode = parts[1].toULongLong(&ok[1]);
    s.size = parts[2].toLongLong(&ok[2]);
    s.modifiedNs = parts[3].toLongLong(&ok[3]);
    s.statusChangedNs = parts[4].toLongLong(&ok[4]);
    s.hash = parts[5].toULongLong(&ok[5], 16);
    for (bool b : ok)
        if (!b)
            return std::nullopt;
    return s;
}
