#include "AtomicFile.h"

#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

QString writeFileAtomically(const QString &path, const QByteArray &data)
{
    const QString name = QFileInfo(path).fileName();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return u"%1 could not be written: %2"_s.arg(name, file.errorString());
    auto failed = [&] {
        const QString why = file.errorString();
        file.cancelWriting();
        return u"%1 could not be written: %2"_s.arg(name, why);
    };
    if (file.write(data) != data.size())
        return failed();
    // QSaveFile buffers the last block and, on a full disk, reports the write
    // of that block as a success from commit() while the renamed file is
    // short. Flushing first surfaces the error while the old file still stands.
    if (!file.flush())
        return failed();
    if (!file.commit())
        return u"%1 could not be written: %2"_s.arg(name, file.errorString());
    return {};
}
