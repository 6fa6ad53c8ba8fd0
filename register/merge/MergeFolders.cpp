#include "MergeFolders.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

QString cheqbookDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u"/Cheqbook"_s;
}

bool makePrivateFolder(const QString &path, QString *error)
{
    if (!QDir().mkpath(path) || ::chmod(QFile::encodeName(path).constData(), 0700) != 0) {
        if (error)
            *error = u"the folder %1 cannot be made private: %2"_s.arg(
                path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    return true;
}
