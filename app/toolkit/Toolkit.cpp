#include "Toolkit.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTimer>

using namespace Qt::StringLiterals;

QString Toolkit::errorTitle() { return QCoreApplication::translate("Toolkit", "Error"); }

QString Toolkit::okButton() { return QCoreApplication::translate("Toolkit", "OK"); }

QString Toolkit::cancelButton() { return QCoreApplication::translate("Toolkit", "Cancel"); }

QString Toolkit::savePath(QWidget *parent, const QString &title, const QString &suggestedPath, const QString &filter,
                          const QString &extension)
{
    const QString chosen = savePanel(parent, title, suggestedPath, filter, extension);
    if (chosen.isEmpty() || QFileInfo(chosen).suffix().compare(extension, Qt::CaseInsensitive) == 0)
        return chosen;
    const QString path = chosen + u'.' + extension;
    if (QFileInfo::exists(path)
        && !confirm(parent, title,
                    QCoreApplication::translate("Toolkit", "\u201c%1\u201d already exists.\nDo you want to replace it?")
                        .arg(QFileInfo(path).fileName()),
                    QCoreApplication::translate("Toolkit", "Replace"), cancelButton()))
        return {};
    return path;
}

void Toolkit::whenNotAsking(QObject *context, std::function<void()> ask)
{
    if (!isAsking()) {
        ask();
        return;
    }
    constexpr int kLookAgainMs = 250;
    QTimer::singleShot(kLookAgainMs, context,
                       [this, context, ask = std::move(ask)]() mutable { whenNotAsking(context, std::move(ask)); });
}
