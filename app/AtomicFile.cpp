#include "AtomicFile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

QString writeFileAtomically(const QString &path, const QByteArray &data)
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
    if (!file.commit())
        return u"%1 could not be written: %2"_s.arg(name, file.errorString());
    return {};
}
