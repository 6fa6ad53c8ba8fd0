#include "Toolkit.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

QString Toolkit::savePath(QWidget *parent, const QString &title, const QString &suggestedPath, const QString &filter,
                          const QString &extension)
{
    const QString chosen = savePanel(parent, title, suggestedPath, filter, extension);
    if (chosen.isEmpty() || QFileInfo(chosen).suffix().compare(extension, Qt::CaseInsensitive) == 0)
        return chosen;
    const QString path = chosen + u'.' + extension;
    if (QFileInfo::exists(path)
        && !confirm(parent, title,
                    u"\u201c%1\u201d already exists.\nDo you want to replace it?"_s.arg(QFileInfo(path).fileName()),
                    u"Replace"_s, u"Cancel"_s))
        return {};
    return path;
}
