#include "HelperPrograms.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

QString helperProgramPath(const QString &name, const char *environmentVariable)
{
    const QString given = qEnvironmentVariable(environmentVariable);
    if (!given.isEmpty())
        return given;
    const QString here = QFileInfo(QFileInfo(u"/proc/self/exe"_s).canonicalFilePath()).absolutePath();
    for (const QString &candidate : {here + u'/' + name, here + u"/../libexec/cheqbook/"_s + name}) {
        const QFileInfo program(candidate);
        if (program.isFile() && program.isExecutable())
            return program.canonicalFilePath();
    }
    return {};
}
