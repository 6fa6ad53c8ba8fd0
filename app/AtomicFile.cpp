#include "AtomicFile.h"

#include <QFileInfo>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Makes backup a second name of the file at path (a hard link, so no copy and
// no moment without either), falling back to a copy where links are not to be had.
void keepBackup(const QString &path, const QString &backup)
{
    const QByteArray from = QFile::encodeName(path);
    const QByteArray to = QFile::encodeName(backup + u".new"_s);
    ::unlink(to.constData());
    if (::link(from.constData(), to.constData()) != 0 && !QFile::copy(path, backup + u".new"_s))
        return;
    ::rename(to.constData(), QFile::encodeName(backup).constData());
}

QString write(const QString &path, const QByteArray &data, bool backup)
{
    const QString name = QFileInfo(path).fileName();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return u"%1 could not be written: %2"_s.arg(name, file.errorString());
    // A short write or a failed flush leaves QSaveFile's error text at
    // "Unknown error"; the system's own reason ("No space left on device",
    // "File too large") is what tells the user what to do.
    auto failed = [&] {
        const int cause = errno;
        const QString why = cause != 0 ? QString::fromLocal8Bit(std::strerror(cause)) : file.errorString();
        file.cancelWriting();
        return u"%1 could not be written: %2"_s.arg(name, why);
    };
    errno = 0;
    if (file.write(data) != data.size())
        return failed();
    // QSaveFile buffers the last block and, on a full disk, reports the write
    // of that block as a success from commit() while the renamed file is
    // short. Flushing first surfaces the error while the old file still stands.
    errno = 0;
    if (!file.flush())
        return failed();
    if (backup && QFileInfo(path).isFile())
        keepBackup(path, backupPath(path));
    if (!file.commit())
        return u"%1 could not be written: %2"_s.arg(name, file.errorString());
    return {};
}

} // namespace

QString backupPath(const QString &path) { return path + u'~'; }

QString writeFileAtomically(const QString &path, const QByteArray &data) { return write(path, data, false); }

QString writeFileAtomicallyWithBackup(const QString &path, const QByteArray &data)
{
    return write(path, data, true);
}
